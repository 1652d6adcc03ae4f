// The toolkit with its root window open on a headless screen, for the dialog-manager tests:
// helpers to read the table, the error record and a dialog's controls.
#pragma once

#include <string>

#include "dialog_ids.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"
#include "public/wdgshw.h"
#include "toolkit/windows/window_fixture.h"

namespace dlgtest {

class DialogTest : public testtk::ToolkitWindows {
protected:
    void SetUp() override {
        ToolkitWindows::SetUp();
        open_root(600, 400);
        InfoError(1);
    }

    static tess::CoreDialogs& table() { return tess::dialogs(); }
    static tess::DialogRecord& record(int i) { return tess::dialog_record(i); }
    static int last_error() { return InfoError(1); }
    static int current_id() { return tess::tessar04().currentDialog; }

    // Loads id and returns its window (null on failure).
    static HWND load(int id) {
        WDialogLoad(id);
        const int i = tess::yydialogfind(id);
        return i > 0 ? record(i).Handle : nullptr;
    }
    static HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
    static std::string text(HWND hwnd) {
        char buffer[512] = {};
        GetWindowTextA(hwnd, buffer, sizeof buffer);
        return buffer;
    }
    static std::string list_item(HWND box, int i, bool combo) {
        char buffer[2048] = {};
        SendMessageA(box, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    static int count(HWND box, bool combo) {
        return static_cast<int>(SendMessageA(box, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    }
    static int selection(HWND box, bool combo) {
        return static_cast<int>(SendMessageA(box, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
    }
    static void type(const std::string& s) {
        for (char c : s) {
            plat::inject_key(static_cast<unsigned char>(c) >= 'a' ? c - 32 : c, c, true);
            plat::inject_key(static_cast<unsigned char>(c) >= 'a' ? c - 32 : c, c, false);
        }
    }
    static void press(int vk) {
        plat::inject_key(vk, 0, true);
        plat::inject_key(vk, 0, false);
    }
    // Events of one type from everything waiting.
    std::vector<tess::EventRecord> events_of(int type) {
        std::vector<tess::EventRecord> out;
        for (const auto& [t, m] : drain())
            if (t == type) out.push_back(m);
        return out;
    }
};

} // namespace dlgtest
