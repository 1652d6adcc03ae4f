// Dialogs on the headless screen over small control classes that answer WM_GETDLGCODE and the
// button messages as the system's controls do, and a dialog procedure that keeps what it hears.
#pragma once

#include <functional>
#include <vector>

#include "platform/dialog/test_ids.h"
#include "platform/window/message_recorder.h"

namespace dlgtest {

struct DialogLog {
    INT_PTR initAnswer = TRUE;       // what WM_INITDIALOG answers
    LPARAM initParam = 0;            // its lParam
    WPARAM initFocus = 0;            // its wParam
    BOOL ownerEnabledAtInit = FALSE; // of the dialog's owner, in WM_INITDIALOG
    std::vector<WPARAM> commands;    // wParam of each WM_COMMAND
    std::vector<LPARAM> senders;     // lParam of each WM_COMMAND
    std::vector<HELPINFO> helps;
    // Called first for every message; a non-empty answer is the procedure's.
    std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> hook;
};
DialogLog& dialog_log();

INT_PTR CALLBACK test_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

class DialogTest : public testmsg::WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Serves every queued message, through IsDialogMessageA for the dialog.
    void pump_dialog(HWND dialog);
    // A key pressed and released (with Shift or Alt held), then served.
    void type(HWND dialog, int vk, char character = 0, int modifier = 0);

    HWND form(LPARAM param = 0);
    HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
};

} // namespace dlgtest
