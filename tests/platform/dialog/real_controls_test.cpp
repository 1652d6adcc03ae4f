// A dialog of the system's own buttons, made from a template that names them by ordinal: the
// keyboard interface working with the real controls, and what the user sees of it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "dialog_fixture.h"
#include "platform/resource/dialog_builder.h"

namespace dlgtest {
namespace {

constexpr DWORD child = WS_CHILD | WS_VISIBLE;

std::vector<std::byte> choice_template() {
    Dialog d;
    d.extended = true;
    d.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    d.x = 30;
    d.y = 20;
    d.cx = 160;
    d.cy = 90;
    d.title = "Auswahl";
    d.hasFont = true;
    d.font.face = "MS Shell Dlg";
    const auto button = [](int id, const char* text, DWORD style, short x, short y, short cx,
                           short cy) {
        Item i;
        i.id = static_cast<std::uint32_t>(id);
        i.title = text;
        i.style = child | style;
        i.x = x;
        i.y = y;
        i.cx = cx;
        i.cy = cy;
        return i;
    };
    d.items = {
        button(21, "&Rot", WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 8, 8, 60, 10),
        button(22, "&Gr\xfcn", BS_AUTORADIOBUTTON, 8, 20, 60, 10),
        button(23, "&Blau", BS_AUTORADIOBUTTON, 8, 32, 60, 10),
        button(30, "&Heller", WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX, 80, 8, 70, 10),
        button(IDOK, "OK", WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 24, 68, 50, 14),
        button(IDCANCEL, "Abbrechen", WS_TABSTOP | BS_PUSHBUTTON, 86, 68, 50, 14),
    };
    return build(d);
}

class RealControls : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        bytes = choice_template();
        dialog = CreateDialogIndirectParamA(
            nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, test_dialog_proc, 0);
        ASSERT_TRUE(dialog);
        char cls[16];
        GetClassNameA(GetDlgItem(dialog, 21), cls, sizeof cls);
        ASSERT_STREQ(cls, "BUTTON");
        pump_dialog(dialog);
        dialog_log().commands.clear();
    }
    std::vector<std::byte> bytes;
    HWND dialog = nullptr;
};

TEST_F(RealControls, KeyboardOverTheSystemButtons) {
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 21));
    type(dialog, VK_DOWN);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 22));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 22), BST_CHECKED);
    type(dialog, VK_DOWN);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 22), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 23), BST_CHECKED);
    // Tab leaves the group at its checked button's place and goes on to the check box.
    type(dialog, VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 30));
    type(dialog, 'H', 'h', VK_MENU); // Alt+H toggles the check box
    EXPECT_EQ(IsDlgButtonChecked(dialog, 30), BST_CHECKED);
    type(dialog, 'R', 'r'); // a plain mnemonic: the check box takes no characters
    EXPECT_EQ(IsDlgButtonChecked(dialog, 21), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 23), BST_UNCHECKED);
    dialog_log().commands.clear();
    type(dialog, VK_RETURN);
    ASSERT_FALSE(dialog_log().commands.empty());
    EXPECT_EQ(dialog_log().commands.back(), MAKEWPARAM(IDOK, BN_CLICKED));
    type(dialog, VK_ESCAPE);
    EXPECT_EQ(dialog_log().commands.back(), MAKEWPARAM(IDCANCEL, BN_CLICKED));
}

// The presented image: the button face of the dialog's background (WM_CTLCOLORDLG's brush)
// inside. Saved as a PNG to be looked at.
TEST_F(RealControls, WhatTheUserSees) {
    type(dialog, VK_DOWN);
    pump_dialog(dialog);
    GdiFlush(); // what was drawn reaches the screen, as at the program's next wait
    const auto face = plat::pixel_from_colorref(GetSysColor(COLOR_BTNFACE));
    POINT inside{4, 4};
    ClientToScreen(dialog, &inside);
    RECT frame;
    GetWindowRect(dialog, &frame);
    EXPECT_EQ(screen->presented_pixel(dialog, inside.x - frame.left, inside.y - frame.top), face);
    const char* dir = std::getenv("TESS_PNG_DIR");
    const std::string path =
        (dir ? std::string(dir) : std::filesystem::temp_directory_path().string()) +
        "/dialog_real_controls.png";
    std::string error;
    EXPECT_TRUE(screen->save_window_png(dialog, path, &error)) << error;
}

} // namespace
} // namespace dlgtest
