// The controls example on the headless screen, its message loop included: the keyboard interface
// of a dialog in a plain frame, and what the status line says after the user's actions.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "controls/controls_layout.h"
#include "controls/controls_window.h"
#include "support/presented.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace {

using namespace controls_example;

// One user action on the headless screen: a click at a client point, or a key with its
// character, Shift or Alt held.
struct Action {
    enum Kind { Click, Key } kind;
    POINT at{};
    int vk = 0;
    char ch = 0;
    bool shift = false, alt = false;
};
Action click(POINT p) {
    return {Action::Click, p};
}
Action key(int vk, char ch = 0) {
    return {Action::Key, {}, vk, ch};
}
Action shift_key(int vk, char ch = 0) {
    return {Action::Key, {}, vk, ch, true};
}
Action alt_key(char letter) {
    return {Action::Key, {}, letter, static_cast<char>(letter - 'A' + 'a'), false, true};
}

struct Row {
    const char* what;
    std::vector<Action> actions;
    std::vector<std::string> expected; // status lines, in order, others between them allowed
    int focus;                         // the control with the focus afterwards
};

class ControlsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        plat::use_headless_backend({800, 600});
        frame = create_controls_window(nullptr, SW_SHOWNORMAL);
        ASSERT_NE(frame, nullptr);
        log = open_memstream(&logText, &logSize);
        ASSERT_NE(log, nullptr);
        set_status_log(log);
        pump();
    }
    void TearDown() override {
        if (IsWindow(frame)) DestroyWindow(frame);
        set_status_log(nullptr);
        if (log) std::fclose(log);
        std::free(logText);
        plat::reset_queue();
        plat::reset_input();
    }
    // The example's own loop body for everything waiting.
    void pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            handle_message(frame, msg);
    }
    // The status lines written since the last call.
    std::vector<std::string> new_lines() {
        std::fflush(log);
        std::vector<std::string> out;
        std::string text(logText ? logText : "", logSize);
        for (std::size_t at = read, end; (end = text.find('\n', at)) != std::string::npos;
             at = end + 1) {
            out.push_back(text.substr(at, end - at));
            read = end + 1;
        }
        return out;
    }
    POINT screen(POINT client) {
        ClientToScreen(frame, &client);
        return client;
    }
    void perform(const Action& a) {
        if (a.kind == Action::Click) {
            const POINT p = screen(a.at);
            plat::inject_mouse_move(p);
            plat::inject_mouse(p, 0, true);
            plat::inject_mouse(p, 0, false);
            pump();
            plat::advance_clock(1000); // no double clicks
            return;
        }
        if (a.shift) plat::inject_key(VK_SHIFT, 0, true);
        if (a.alt) plat::inject_key(VK_MENU, 0, true);
        plat::inject_key(a.vk, a.ch, true);
        plat::inject_key(a.vk, a.ch, false);
        if (a.alt) plat::inject_key(VK_MENU, 0, false);
        if (a.shift) plat::inject_key(VK_SHIFT, 0, false);
        pump();
    }
    void run_rows(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.what);
            new_lines();
            for (const Action& a : row.actions)
                perform(a);
            const std::vector<std::string> lines = new_lines();
            std::size_t e = 0;
            for (std::size_t i = 0; i < lines.size() && e < row.expected.size(); ++i)
                if (lines[i] == row.expected[e] || lines[i].starts_with(row.expected[e] + " ")) ++e;
            std::string got;
            for (const std::string& l : lines)
                got += "\n  " + l;
            EXPECT_EQ(e, row.expected.size()) << "status lines:" << got;
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), row.focus);
        }
    }

    HWND frame = nullptr;
    std::FILE* log = nullptr;
    char* logText = nullptr;
    std::size_t logSize = 0, read = 0;
};

TEST_F(ControlsWindow, StartsWithTheFocusOnTheFirstButtonAndAReadyStatus) {
    EXPECT_EQ(GetFocus(), GetDlgItem(frame, IdPush));
    EXPECT_EQ(status_text(frame), "Bereit.");
    // Every control of the layout is there, at its place, with the dialog font.
    for (const Placement& p : layout) {
        if (p.id == IdLabel || p.id == IdUpDown || p.id == IdTabPage) continue;
        SCOPED_TRACE(p.id);
        const HWND c = GetDlgItem(frame, p.id);
        ASSERT_NE(c, nullptr);
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, p.box.left);
        EXPECT_EQ(r.top, p.box.top);
        if (p.kind == Kind::Trackbar || p.kind == Kind::Progress || p.kind == Kind::ScrollBar)
            continue; // no text
        EXPECT_EQ(SendMessageA(c, WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
}

// The keyboard interface of a dialog in a plain frame: Tab order, arrows in a radio group,
// mnemonics of buttons and labels, Enter for the default button.
TEST_F(ControlsWindow, DialogKeysInAPlainFrame) {
    run_rows({
        {"Tab to the default button", {key(VK_TAB)}, {}, IdDefault},
        {"Tab on to the check box", {key(VK_TAB)}, {}, IdCheck},
        {"Shift+Tab back", {shift_key(VK_TAB)}, {}, IdDefault},
        {"Enter presses the default button", {key(VK_RETURN)}, {"BN_CLICKED 102"}, IdDefault},
        {"a click on the first radio button",
         {click(centre_of(placement_of(IdRadioOne)->box))},
         {"BN_CLICKED 105 check=1"},
         IdRadioOne},
        {"Down checks the second", {key(VK_DOWN)}, {"BN_CLICKED 106 check=1"}, IdRadioTwo},
        {"Down wraps to the first", {key(VK_DOWN)}, {"BN_CLICKED 105 check=1"}, IdRadioOne},
        {"Tab leaves the group for the edit", {key(VK_TAB)}, {"EN_SETFOCUS 110"}, IdSingleEdit},
        {"Alt+K clicks the check box",
         {alt_key('K')},
         {"EN_KILLFOCUS 110", "BN_CLICKED 103 check=1"},
         IdCheck},
        {"Alt+L focuses the list after its label", {alt_key('L')}, {"LBN_SETFOCUS 120"}, IdList},
        {"Alt+W the drop-down list", {alt_key('W')}, {"CBN_SETFOCUS 131"}, IdDropList},
    });
}

// Left for another frame and activated again, the frame gives the focus back to the control
// that had it.
TEST_F(ControlsWindow, ActivationGivesTheFocusBackToTheLastControl) {
    SetFocus(GetDlgItem(frame, IdList));
    pump();
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPED | WS_VISIBLE, 10, 10,
                                       100, 50, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    pump();
    EXPECT_NE(GetFocus(), GetDlgItem(frame, IdList));
    SetActiveWindow(frame);
    pump();
    EXPECT_EQ(GetFocus(), GetDlgItem(frame, IdList));
    DestroyWindow(other);
}

// Two quick presses on the list's down arrow are two presses: the list scrolls by two items.
TEST_F(ControlsWindow, QuickClicksOnTheListsArrowScrollEach) {
    const HWND list = GetDlgItem(frame, IdList);
    const RECT box = placement_of(IdList)->box;
    const POINT arrow = screen({box.right - 10, box.bottom - 10});
    for (int i = 0; i < 2; ++i) {
        plat::inject_mouse_move(arrow);
        plat::inject_mouse(arrow, 0, true);
        plat::inject_mouse(arrow, 0, false);
        pump();
        plat::advance_clock(100);
    }
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 2);
}

} // namespace
