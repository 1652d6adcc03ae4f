// Controls in a plain frame, not a dialog: IsDialogMessageA gives it the dialog's keyboard
// interface, and clicks pass through the windows that answer HTTRANSPARENT (group boxes, labels
// without SS_NOTIFY) to the control beneath.
#include "controls_fixture.h"

namespace ctltest {
namespace {

class PlainFrameTest : public ControlsTest {
protected:
    void pump_dialog() {
        MSG msg;
        for (int n = 0; n < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
            if (IsDialogMessageA(parent, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    void key(int vk, bool shift = false) {
        if (shift) plat::inject_key(VK_SHIFT, 0, true);
        plat::inject_key(vk, 0, true);
        plat::inject_key(vk, 0, false);
        if (shift) plat::inject_key(VK_SHIFT, 0, false);
        pump_dialog();
    }
    void click_at(POINT p) {
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
        pump_dialog();
        plat::advance_clock(1000);
    }
    std::vector<int> clicked() const {
        std::vector<int> ids;
        for (WPARAM w : frame_log().commands)
            if (HIWORD(w) == BN_CLICKED) ids.push_back(LOWORD(w));
        return ids;
    }
    HWND parent = nullptr;
};

// A new window goes on top of its siblings, and the tab order is the z-order: in a frame whose
// controls were made one after another, Tab walks them from the newest back.
TEST_F(PlainFrameTest, TabAndShiftTabFollowTheZOrder) {
    parent = frame();
    control(parent, "EDIT", "", WS_TABSTOP | WS_BORDER, {10, 10, 110, 30}, 1);
    control(parent, "BUTTON", "B", WS_TABSTOP | BS_PUSHBUTTON, {10, 40, 110, 60}, 2);
    control(parent, "STATIC", "no tab stop", SS_LEFT, {10, 70, 110, 90}, 3);
    control(parent, "BUTTON", "C", WS_TABSTOP | BS_AUTOCHECKBOX, {10, 100, 110, 120}, 4);
    SetFocus(GetDlgItem(parent, 4));
    pump_dialog();
    const struct {
        bool shift;
        int focus;
    } rows[] = {{false, 2}, {false, 1}, {false, 4}, {true, 1}, {true, 2}, {true, 4}};
    for (const auto& row : rows) {
        key(VK_TAB, row.shift);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), row.focus) << (row.shift ? "Shift+Tab" : "Tab");
    }
    EXPECT_TRUE(clicked().empty());
}

// A group box made last lies over its radio buttons, a label over a check box: clicks on them
// reach the control beneath; a click on a bare part of the group box reaches the frame.
TEST_F(PlainFrameTest, ClicksPassThroughGroupBoxesAndLabels) {
    parent = frame();
    // Made bottom first, so that the z-order from the top reads group box, One, Two, Check, and
    // the radio group runs from One to the check box.
    control(parent, "BUTTON", "Check", BS_AUTOCHECKBOX | WS_GROUP, {200, 30, 300, 50}, 13);
    control(parent, "BUTTON", "Two", BS_AUTORADIOBUTTON, {20, 60, 120, 80}, 12);
    control(parent, "BUTTON", "One", BS_AUTORADIOBUTTON | WS_GROUP, {20, 30, 120, 50}, 11);
    control(parent, "BUTTON", "Group", BS_GROUPBOX, {10, 10, 150, 100}, 14);
    control(parent, "STATIC", "label", SS_LEFT, {190, 25, 310, 55}, 15);
    control(parent, "STATIC", "notify", SS_LEFT | SS_NOTIFY, {200, 60, 300, 80}, 16);
    const struct {
        POINT client;
        std::vector<int> clicked;
        const char* what;
    } rows[] = {
        {{40, 70}, {12}, "the second radio button, inside the group box"},
        {{40, 40}, {11}, "the first"},
        {{210, 40}, {13}, "the check box, under the label"},
        {{140, 90}, {}, "the group box's bare corner: the frame"},
    };
    for (const auto& row : rows) {
        frame_log().commands.clear();
        click_at(screen_point(parent, row.client.x, row.client.y));
        EXPECT_EQ(clicked(), row.clicked) << row.what;
    }
    EXPECT_EQ(SendMessageA(GetDlgItem(parent, 11), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(GetDlgItem(parent, 12), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(GetDlgItem(parent, 13), BM_GETCHECK, 0, 0), BST_CHECKED);
    // A static with SS_NOTIFY takes its clicks itself.
    frame_log().commands.clear();
    click_at(screen_point(parent, 250, 70));
    ASSERT_EQ(frame_log().commands.size(), 1u);
    EXPECT_EQ(frame_log().commands[0], MAKEWPARAM(16, STN_CLICKED));
}

} // namespace
} // namespace ctltest
