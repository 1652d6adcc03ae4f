// The scaffold every control stands on: colours the parent does not choose, surface kinds,
// and notifications whose receiver destroys the sender.
#include <array>

#include "controls/control.h"
#include "controls_fixture.h"

namespace ctltest {
namespace {

using ScaffoldTest = ControlsTest;

// DefWindowProcA's answers: paper for edits and lists, the dialog face for the rest.
TEST_F(ScaffoldTest, DefaultColoursAreTheSystemsPerKindOfControl) {
    struct Row {
        UINT message;
        int background;
    };
    constexpr std::array<Row, 6> rows{{{WM_CTLCOLOREDIT, COLOR_WINDOW},
                                       {WM_CTLCOLORLISTBOX, COLOR_WINDOW},
                                       {WM_CTLCOLORBTN, COLOR_BTNFACE},
                                       {WM_CTLCOLORSTATIC, COLOR_BTNFACE},
                                       {WM_CTLCOLORDLG, COLOR_BTNFACE},
                                       {WM_CTLCOLORMSGBOX, COLOR_BTNFACE}}};
    const HWND f = frame();
    HDC hdc = GetDC(f);
    for (const Row& r : rows) {
        SetTextColor(hdc, RGB(1, 2, 3));
        SetBkColor(hdc, RGB(4, 5, 6));
        const LRESULT brush = DefWindowProcA(f, r.message, reinterpret_cast<WPARAM>(hdc), 0);
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(r.background)) << r.message;
        EXPECT_EQ(SetTextColor(hdc, 0), GetSysColor(COLOR_WINDOWTEXT)) << r.message;
        EXPECT_EQ(SetBkColor(hdc, 0), GetSysColor(r.background)) << r.message;
    }
    ReleaseDC(f, hdc);
}

TEST_F(ScaffoldTest, SurfaceKindsComeFromTheRows) {
    const HWND f = frame();
    EXPECT_NE(f, nullptr); // the class registry has run its registrations
    EXPECT_EQ(plat::surface_kind_of_class("tooltips_class32"), plat::SurfaceKind::Tooltip);
    EXPECT_EQ(plat::surface_kind_of_class("#32768"), plat::SurfaceKind::PopupMenu);
    EXPECT_EQ(plat::surface_kind_of_class("MSCTLS_STATUSBAR32"), plat::SurfaceKind::Child);
    EXPECT_EQ(plat::surface_kind_of_class("ControlsFrame"), plat::SurfaceKind::Frame);
    EXPECT_EQ(plat::surface_kind_of_class(nullptr), plat::SurfaceKind::Frame);
}

// The parent destroys the sender in its WM_COMMAND: the helper says so, and nothing leaks or
// touches freed state (the sanitizer build checks the latter).
TEST_F(ScaffoldTest, NotifyTellsWhetherTheSenderSurvived) {
    const HWND f = frame();
    const HWND sb = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, 0, 0, 10, 10, f,
                                    reinterpret_cast<HMENU>(7), nullptr, nullptr);
    EXPECT_TRUE(plat::notify_parent(sb, 42));
    ASSERT_EQ(frame_log().commands.size(), 1u);
    EXPECT_EQ(frame_log().commands[0], MAKEWPARAM(7, 42));
    frame_log().destroyOnCommand = true;
    EXPECT_FALSE(plat::notify_parent(sb, 43));
    EXPECT_FALSE(IsWindow(sb));
}

} // namespace
} // namespace ctltest
