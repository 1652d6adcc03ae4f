// Menu states for items that do not exist: error 1001 and no menu changes; item codes and
// states outside their ranges are ignored without an error. Already covered in
// tests/toolkit/dialogs/menu_state_test.cpp: identifiers 12345, -1 and a pop-up's + 65536 on
// the demo's menu, item codes 0 and 3, states 2 and -1.
#include "public/wmenust.h"

#include <climits>

#include "support/state_snapshot.h"
#include "toolkit/windows/window_fixture.h"

using testsupport::BadCall;

namespace {

constexpr int Load = 40010, Save = 40011;

class BadMenuInput : public testtk::ToolkitWindows {
protected:
    // A menu bar "Datei" with Laden, a separator and Speichern (greyed), made at run time so
    // that no resource is needed.
    void give_root_a_menu() {
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, Load, "&Laden");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_STRING | MF_GRAYED, Save, "&Speichern");
        HMENU bar = CreateMenu();
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Datei");
        SetMenu(frame(0), bar);
        tess::tk().menus.rootMenu = bar;
    }
};

std::vector<BadCall> rows_for(const char* where) {
    const auto set = [](int identifier, int item, int state) {
        return [=] { WMenuSetState(identifier, item, state); };
    };
    const std::string w = std::string(where) + ": ";
    return {
        {w + "unknown identifier, enable", set(40099, 1, 1), tess::ErrorMenuItem},
        {w + "unknown identifier, check", set(40099, 2, 1), tess::ErrorMenuItem},
        {w + "identifier 0, the separator's", set(0, 1, 0), tess::ErrorMenuItem},
        {w + "identifier INT_MIN", set(INT_MIN, 2, 0), tess::ErrorMenuItem},
        {w + "identifier INT_MAX", set(INT_MAX, 1, 0), tess::ErrorMenuItem},
        {w + "item code -1", set(Load, -1, 0), 0},
        {w + "item code INT_MAX", set(Save, INT_MAX, 1), 0},
        {w + "state 2", set(Load, 1, 2), 0},
        {w + "state INT_MIN", set(Save, 2, INT_MIN), 0},
    };
}

TEST_F(BadMenuInput, MissingItemsAndOutOfRangeCodes) {
    open_root(400, 300);
    testsupport::expect_only_errors(rows_for("root without a menu"));
    give_root_a_menu();
    testsupport::expect_only_errors(rows_for("root with a menu"));
    WindowClose();
    testsupport::expect_only_errors(rows_for("no window at all"));
}

} // namespace
