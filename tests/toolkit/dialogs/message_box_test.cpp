// WMessageBox answered by keys: the default button after reduction, the answers mapped.
#include <strings.h>

#include "core/wwindow.h"
#include "dialogs/dialog_table.h"
#include "graphics/oswin.h"
#include "public/wdgshw.h"
#include "public/wmgbox.h"
#include "toolkit/dialogs/common_fixture.h"
#include "toolkit/dialogs/field_ids.h"

namespace {

using commontest::key;

struct BoxCase {
    int buttons, icon, defaultButton;
    int vk; // the key that answers
    int result;
};

class MessageBox : public commontest::CommonDialogs {};

TEST_F(MessageBox, DefaultButtonReductionAndAnswers) {
    const BoxCase cases[] = {
        {4, 0, 7, VK_RETURN, 0}, // Yes/No/Cancel, default 7: the third, Cancel
        {3, 0, 3, VK_RETURN, 2}, // Yes/No, default 3: the second, No
        {3, 2, 1, VK_RETURN, 1}, // Yes
        {0, 1, 3, VK_RETURN, 1}, // OK alone
        {9, 0, 2, VK_RETURN, 1}, // a set above 5 is OK alone
        {-1, 0, 2, VK_RETURN, 1}, {1, 2, 2, VK_RETURN, 0}, // OK/Cancel: Cancel
        {1, 2, 0, VK_RETURN, 0}, // two buttons: anything but 1 is the second
        {3, 0, 0, VK_RETURN, 2},  {2, 3, 1, VK_RETURN, 1}, // Retry
        {2, 3, 2, VK_RETURN, 0},                           // Cancel
        {5, 4, 1, VK_RETURN, 2},                           // Abort
        {5, 4, 2, VK_RETURN, 1},                           // Retry
        {5, 4, 3, VK_RETURN, 0},                           // Ignore
        {5, 4, -4, VK_RETURN, 0},                          // anything but 1 and 2: the third
        {4, 0, 1, VK_ESCAPE, 0},                           // Esc cancels
        {1, 0, 1, VK_ESCAPE, 0},
    };
    for (const auto& c : cases) {
        tess::tk().tessar04.exitPreviousField = 33;
        key(c.vk, c.vk == VK_RETURN ? '\r' : '\x1b');
        WMessageBox(c.buttons, c.icon, c.defaultButton, "Weiter?   ", "Frage ");
        EXPECT_EQ(tess::tk().tessar04.commonResult, c.result)
            << c.buttons << "/" << c.defaultButton;
        EXPECT_EQ(tess::tk().tessar04.exitPreviousField, 0);
        EXPECT_EQ(InfoError(1), 0);
    }
    EXPECT_EQ(guarded(), 0);
}

// The caption is the title without its trailing blanks; the text likewise.
TEST_F(MessageBox, TextsWithoutTrailingBlanks) {
    std::string text;
    look_at_idle([&](HWND box) {
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char buffer[64] = {};
            GetWindowTextA(c, buffer, sizeof buffer);
            if (std::string(buffer).rfind("Zeile", 0) == 0) text = buffer;
        }
    });
    WMessageBox(0, 4, 1, "Zeile eins    ", "  Titel   ");
    EXPECT_EQ(guarded_caption(), "  Titel");
    EXPECT_EQ(text, "Zeile eins");
    EXPECT_EQ(tess::tk().tessar04.commonResult, 0); // ended with no button's answer
}

// A dialog active for the toolkit owns the box; the frames are disabled meanwhile.
TEST_F(MessageBox, OwnedByTheActiveDialog) {
    WDialogLoad(IDD_FIELDS);
    WDialogShow(-1, -1);
    const HWND dialog = tess::current_dialog();
    ASSERT_NE(dialog, nullptr);
    tess::tk().dialogs.hDlgCur = dialog;
    guard(dialog);
    HWND owner = nullptr;
    int rootEnabled = -1;
    look_at_idle([&](HWND box) {
        owner = GetWindow(box, GW_OWNER);
        rootEnabled = IsWindowEnabled(tess::window(0).frame) ? 1 : 0;
    });
    WMessageBox(0, 0, 1, "Text", "Titel");
    EXPECT_EQ(owner, dialog);
    EXPECT_EQ(rootEnabled, 0);
    EXPECT_TRUE(IsWindowEnabled(tess::window(0).frame));
    EXPECT_TRUE(IsWindowEnabled(dialog));
}

} // namespace

namespace {

// The operating-system layer's error box: caption and text as given, OK only, owned by the
// current window.
TEST_F(MessageBox, ErrorBoxOfTheSystemLayer) {
    std::string text;
    HWND owner = nullptr;
    int buttons = 0;
    look_at_idle([&](HWND box) {
        owner = GetWindow(box, GW_OWNER);
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char buffer[64] = {};
            GetClassNameA(c, buffer, sizeof buffer);
            if (strcasecmp(buffer, "Button") == 0) ++buttons;
            GetWindowTextA(c, buffer, sizeof buffer);
            if (std::string(buffer).rfind("Kaputt", 0) == 0) text = buffer;
        }
    });
    xxmwinmessagebox_("Tessaramond Window", "Kaputt - aborting.");
    EXPECT_EQ(guarded_caption(), "Tessaramond Window");
    EXPECT_EQ(text, "Kaputt - aborting.");
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(owner, tess::current_window().frame);
}

} // namespace
