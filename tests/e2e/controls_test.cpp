// The controls example on a real X server: each control worked by mouse and by keyboard with
// synthetic input, observed through the status lines the program writes to standard output (the
// same text its status line shows) and through the server's pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <commctrl.h>
#include <windows.h>

#include "controls/controls_layout.h"
#include "gdi/png_writer.h"
#include "harness.h"
#include "support/temp_dir.h"
#include "xvfb_test.h"

using namespace e2e;
using namespace controls_example;

namespace {

const std::string Program = CONTROLS_PATH;
const std::string Tool = X11_TOOL_PATH;

// One user action: a click, a press held while the pointer moves, keys by xdotool's names, or
// typed text. Points are in client coordinates.
struct Step {
    enum Kind { Click, DoubleClick, Drag, Keys, Type } kind;
    POINT at{};
    POINT to{};
    std::string text;
};
Step click(POINT p) {
    return {Step::Click, p, {}, {}};
}
Step double_click(POINT p) {
    return {Step::DoubleClick, p, {}, {}};
}
Step drag(POINT from, POINT to) {
    return {Step::Drag, from, to, {}};
}
Step keys(std::string names) {
    return {Step::Keys, {}, {}, std::move(names)};
}
Step type(std::string text) {
    return {Step::Type, {}, {}, std::move(text)};
}

// A row: what the user does and the status lines that must follow, in this order (others, such
// as focus changes, may come between them).
struct Row {
    const char* what;
    std::vector<Step> steps;
    std::vector<std::string> expected;
};

// Geometry the controls compute for themselves, asked from the same controls made here, in this
// process, with the example's fonts and sizes.
struct Measured {
    int listItemHeight = 0;
    RECT trackbarChannel{}; // at the example's range and position
    RECT trackbarThumb{};
    RECT tabItems[3]{};
};

Measured measure() {
    Measured m;
    const HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, ClientWidth, ClientHeight,
                                        nullptr, nullptr, nullptr, nullptr);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    auto make = [&](int id) {
        const Placement& p = *placement_of(id);
        const HWND h = CreateWindowExA(p.exStyle, p.className, "", p.style, p.box.left, p.box.top,
                                       p.box.right - p.box.left, p.box.bottom - p.box.top, parent,
                                       nullptr, nullptr, nullptr);
        SendMessageA(h, WM_SETFONT, font, FALSE);
        return h;
    };
    const HWND list = make(IdList);
    m.listItemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const HWND trackbar = make(IdTrackbar);
    SendMessageA(trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(trackbar, TBM_SETPOS, TRUE, 20);
    SendMessageA(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&m.trackbarChannel));
    SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&m.trackbarThumb));
    const HWND tab = make(IdTab);
    const char* names[] = {"Erste", "Zweite", "Dritte"};
    for (int i = 0; i < 3; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(names[i]);
        SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    for (int i = 0; i < 3; ++i)
        SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&m.tabItems[i]));
    DestroyWindow(parent);
    return m;
}

RECT box_of(int id) {
    return placement_of(id)->box;
}
POINT centre(int id) {
    return centre_of(box_of(id));
}

class ControlsOnXvfb : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped()) return;
        Env env = xvfb->program_env();
        // The shell only sends standard output to the log; exec keeps the process id.
        program = std::make_unique<Process>(
            std::vector<std::string>{"/bin/sh", "-c", "exec \"$0\" >\"$1\"", Program, log}, env,
            dir.file("stderr.txt"));
        ASSERT_TRUE(wait_until([&] {
            const auto found = windows("^Tessaramond-Steuerelemente$");
            window = found.empty() ? "" : found[0];
            return !window.empty();
        })) << "no window; stderr: "
            << read_file(dir.file("stderr.txt"));
        ASSERT_EQ(xdo({"windowfocus", "--sync", window}), 0);
        origin = geometry_of(window);
        // Under Xvfb there is no window manager: the X window is the client area.
        ASSERT_EQ(origin.width, ClientWidth);
        ASSERT_EQ(origin.height, ClientHeight);
    }

    std::vector<std::string> windows(const std::string& title = "") {
        std::vector<std::string> args = {"xdotool", "search", "--onlyvisible", "--pid",
                                         std::to_string(program->pid())};
        if (!title.empty()) args.insert(args.end(), {"--all", "--name", title});
        return lines_of(run(args, xvfb->env()).out);
    }
    // The program's visible windows other than the frame: a dropped list.
    std::string popup() {
        for (const std::string& w : windows())
            if (w != window) return w;
        return {};
    }
    Geometry geometry_of(const std::string& id) { return window_geometry(xvfb->env(), id); }
    int xdo(std::vector<std::string> args) { return xdotool(xvfb->env(), std::move(args)); }
    void move_to(POINT client) {
        ASSERT_EQ(xdo({"mousemove", "--sync", std::to_string(origin.x + client.x),
                       std::to_string(origin.y + client.y)}),
                  0);
    }
    void perform(const Step& step) {
        switch (step.kind) {
        case Step::Click:
            move_to(step.at);
            ASSERT_EQ(xdo({"click", "1"}), 0);
            break;
        case Step::DoubleClick:
            move_to(step.at);
            ASSERT_EQ(xdo({"click", "--repeat", "2", "--delay", "60", "1"}), 0);
            break;
        case Step::Drag:
            move_to(step.at);
            ASSERT_EQ(xdo({"mousedown", "1"}), 0);
            // Through a point between, as a hand moves.
            move_to({(step.at.x + step.to.x) / 2, (step.at.y + step.to.y) / 2});
            move_to(step.to);
            ASSERT_EQ(xdo({"mouseup", "1"}), 0);
            break;
        case Step::Keys: {
            std::vector<std::string> args = {"key"};
            std::istringstream names(step.text);
            for (std::string k; names >> k;)
                args.push_back(k);
            ASSERT_EQ(xdo(args), 0);
            break;
        }
        case Step::Type:
            ASSERT_EQ(xdo({"type", "--delay", "20", step.text}), 0);
            break;
        }
    }

    std::vector<std::string> status_lines() { return lines_of(read_file(log)); }

    // Whether expected follows in order among the status lines from `from` on; an expected
    // line may leave off the words at the end.
    static bool in_order(const std::vector<std::string>& lines, std::size_t from,
                         const std::vector<std::string>& expected) {
        std::size_t e = 0;
        for (std::size_t i = from; i < lines.size() && e < expected.size(); ++i)
            if (lines[i] == expected[e] || lines[i].starts_with(expected[e] + " ")) ++e;
        return e == expected.size();
    }

    void run_rows(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.what);
            const std::size_t from = status_lines().size();
            for (const Step& step : row.steps)
                ASSERT_NO_FATAL_FAILURE(perform(step));
            const bool arrived =
                wait_until([&] { return in_order(status_lines(), from, row.expected); },
                           std::chrono::seconds(5));
            if (!arrived) {
                std::string got;
                const auto lines = status_lines();
                for (std::size_t i = from; i < lines.size(); ++i)
                    got += "\n  " + lines[i];
                std::string want;
                for (const std::string& e : row.expected)
                    want += "\n  " + e;
                ADD_FAILURE() << "expected, in order:" << want << "\nstatus lines:" << got;
            }
        }
    }

    // The screen, and the frame cut out of it, kept when E2E_SHOTS names a folder.
    plat::Surface screenshot(const std::string& name) {
        const std::string path = dir.file(name);
        EXPECT_EQ(run({Tool, "shot", path}, xvfb->env()).status, 0);
        const plat::Surface screen = read_png(path);
        if (const char* keep = std::getenv("E2E_SHOTS"); keep && screen.width > 0) {
            plat::Surface frame(ClientWidth, ClientHeight);
            for (int y = 0; y < frame.height; ++y)
                for (int x = 0; x < frame.width; ++x)
                    frame.row(y)[x] = screen.contains(origin.x + x, origin.y + y)
                                          ? screen.at(origin.x + x, origin.y + y)
                                          : 0;
            std::string error;
            EXPECT_TRUE(plat::save_png(frame, std::string(keep) + "/" + name, &error)) << error;
        }
        return screen;
    }
    plat::Pixel client_pixel(const plat::Surface& shot, POINT p) {
        return shot.at(origin.x + p.x, origin.y + p.y);
    }
    // Pixels of a client rectangle that satisfy f.
    template <class F> int count_in(const plat::Surface& shot, RECT r, F&& f) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += f(client_pixel(shot, {x, y}));
        return n;
    }

    testsupport::TempDir dir;
    std::string log = dir.file("status.txt");
    std::unique_ptr<Process> program;
    std::string window;
    Geometry origin;
    Measured m = measure();
};

plat::Pixel sys(int index) {
    return plat::pixel_from_colorref(GetSysColor(index));
}

TEST_F(ControlsOnXvfb, ButtonsByMouseSpaceArrowsAndMnemonics) {
    const POINT check = centre(IdCheck), three = centre(IdThreeState);
    run_rows({
        {"click the push button", {click(centre(IdPush))}, {"BN_CLICKED 101"}},
        {"Space on it", {keys("space")}, {"BN_CLICKED 101"}},
        // A click does not make a push button the default, as the dialog manager's keys do.
        {"Enter presses the default button", {keys("Return")}, {"BN_CLICKED 102"}},
        {"click the default button", {click(centre(IdDefault))}, {"BN_CLICKED 102"}},
        {"click the check box", {click(check)}, {"BN_CLICKED 103 check=1"}},
        {"Space unchecks it", {keys("space")}, {"BN_CLICKED 103 check=0"}},
        {"Alt+K, its mnemonic, checks it", {keys("alt+k")}, {"BN_CLICKED 103 check=1"}},
        {"the three-state box through its states",
         {click(three), click(three), keys("space")},
         {"BN_CLICKED 104 check=1", "BN_CLICKED 104 check=2", "BN_CLICKED 104 check=0"}},
        {"click the first radio button", {click(centre(IdRadioOne))}, {"BN_CLICKED 105 check=1"}},
        {"Down moves to the second and checks it", {keys("Down")}, {"BN_CLICKED 106 check=1"}},
        {"Up comes back", {keys("Up")}, {"BN_CLICKED 105 check=1"}},
        {"Tab from the group goes to the next one, the single-line edit",
         {keys("Tab")},
         {"EN_SETFOCUS 110 \"\""}},
    });
    // What the user sees: the check box checked (its mark is ink inside the box), the second
    // radio button empty.
    const plat::Surface shot = screenshot("controls-buttons.png");
    ASSERT_GT(shot.width, 0);
    const RECT box = box_of(IdCheck);
    const RECT markArea{box.left + 2, box.top + 4, box.left + 12, box.bottom - 4};
    EXPECT_GT(count_in(shot, markArea, [](plat::Pixel p) { return p == 0; }), 8);
    const RECT two = box_of(IdRadioTwo);
    const RECT dotArea{two.left + 3, two.top + 7, two.left + 9, two.bottom - 7};
    EXPECT_EQ(count_in(shot, dotArea, [](plat::Pixel p) { return p == 0; }), 0);
}

TEST_F(ControlsOnXvfb, EditsByTypingSelectingAndTabbing) {
    run_rows({
        {"click the single-line edit and type",
         {click(centre(IdSingleEdit)), type("Hallo")},
         {"EN_SETFOCUS 110 \"\"", "EN_CHANGE 110 \"H\"", "EN_CHANGE 110 \"Hallo\""}},
        {"Backspace", {keys("BackSpace")}, {"EN_UPDATE 110 \"Hall\"", "EN_CHANGE 110 \"Hall\""}},
        {"Shift+Home selects all, typing replaces it",
         {keys("shift+Home"), type("Welt")},
         {"EN_CHANGE 110 \"W\"", "EN_CHANGE 110 \"Welt\""}},
        {"Ctrl+A, Ctrl+X, Ctrl+V", {keys("ctrl+a ctrl+x")}, {"EN_CHANGE 110 \"\""}},
        {"paste it back", {keys("ctrl+v")}, {"EN_CHANGE 110 \"Welt\""}},
        {"Tab to the multi-line edit",
         {keys("Tab")},
         {"EN_KILLFOCUS 110 \"Welt\"", "EN_SETFOCUS 111 \"\""}},
        {"two lines typed",
         {type("eins"), keys("Return"), type("zwei")},
         {"EN_CHANGE 111 \"eins\"", "EN_CHANGE 111 \"eins\\n\"", "EN_CHANGE 111 \"eins\\nzwei\""}},
        // Undo takes back the last run of typing, "zwei", whole.
        {"Ctrl+Z undoes the run typed last", {keys("ctrl+z")}, {"EN_CHANGE 111 \"eins\\n\""}},
        {"a drag over the first line selects it; typing replaces it",
         {drag({box_of(IdMultiEdit).left + 4, box_of(IdMultiEdit).top + 8},
               {box_of(IdMultiEdit).left + 120, box_of(IdMultiEdit).top + 8}),
          type("1")},
         {"EN_CHANGE 111 \"1\\n\""}},
    });
}

TEST_F(ControlsOnXvfb, ListByClicksKeysTypingAndItsScrollBar) {
    const RECT list = box_of(IdList);
    const int h = m.listItemHeight;
    ASSERT_GT(h, 0);
    // The client area starts inside the two-pixel sunken edge.
    auto item = [&](int visibleRow) {
        return POINT{list.left + 30, list.top + 2 + visibleRow * h + h / 2};
    };
    // The bar's down arrow, at the bottom of the bar inside the edge.
    const POINT down{list.right - 2 - 8, list.bottom - 2 - 8};
    run_rows({
        {"click the fourth item",
         {click(item(3))},
         {"LBN_SETFOCUS 120 sel=-1", "LBN_SELCHANGE 120 sel=3"}},
        {"Down", {keys("Down")}, {"LBN_SELCHANGE 120 sel=4"}},
        {"End", {keys("End")}, {"LBN_SELCHANGE 120 sel=19"}},
        {"Home", {keys("Home")}, {"LBN_SELCHANGE 120 sel=0"}},
        {"typing K finds Kirsche", {type("k")}, {"LBN_SELCHANGE 120 sel=2"}},
        {"double click",
         {double_click(item(5))},
         {"LBN_SELCHANGE 120 sel=5", "LBN_DBLCLK 120 sel=5"}},
        // Scrolled down by two items, the first visible row holds the third item.
        {"the bar's down arrow scrolls",
         {click(down), click(down), click(item(0))},
         {"LBN_SELCHANGE 120 sel=2"}},
    });
}

// The drop-down combo: opened by a click on its button, by F4 and by Alt+Down; an item picked
// by mouse and by keys; closed by a click outside, where nothing is chosen.
TEST_F(ControlsOnXvfb, DropDownComboByMouseF4AndAltDown) {
    const RECT combo = box_of(IdDropDown);
    const POINT button{combo.right - 8, combo.top + 10};
    const int h = m.listItemHeight;
    run_rows({{"click on the button drops the list",
               {click(button)},
               {"CBN_DROPDOWN 130 sel=-1 \"\""}}});
    std::string list;
    ASSERT_TRUE(wait_until([&] { return !(list = popup()).empty(); })) << "no pop-up";
    // An override-redirect pop-up of the combo's width right under its field.
    const std::string info = run({"xwininfo", "-id", list}, xvfb->env()).out;
    EXPECT_NE(info.find("Override Redirect State: yes"), std::string::npos) << info;
    const Geometry g = geometry_of(list);
    EXPECT_EQ(g.x, origin.x + combo.left);
    EXPECT_GT(g.y, origin.y + combo.top + 12);
    EXPECT_LT(g.y, origin.y + combo.top + 40);
    EXPECT_EQ(g.width, combo.right - combo.left);
    // The list shows all six colours with the window's paper behind them.
    EXPECT_GE(g.height, 6 * h);
    const plat::Surface shot = screenshot("controls-example-dropped.png");
    ASSERT_GT(shot.width, 0);
    EXPECT_EQ(shot.at(g.x + g.width - 8, g.y + 1 + 5 * h + h / 2), sys(COLOR_WINDOW));

    const POINT blau{combo.left + 30, g.y - origin.y + 1 + 2 * h + h / 2};
    run_rows({
        {"click on Blau chooses it",
         {click(blau)},
         {"CBN_SELCHANGE 130 sel=2 \"Blau\"", "CBN_CLOSEUP 130 sel=2 \"Blau\""}},
    });
    EXPECT_TRUE(wait_until([&] { return popup().empty(); })) << "the list stays down";
    run_rows({
        {"F4 opens, Down moves, Enter chooses",
         {keys("F4"), keys("Down"), keys("Return")},
         {"CBN_DROPDOWN 130 sel=2 \"Blau\"", "CBN_SELCHANGE 130 sel=3 \"Gelb\"",
          "CBN_SELENDOK 130 sel=3 \"Gelb\"", "CBN_CLOSEUP 130 sel=3 \"Gelb\""}},
        {"Alt+Down opens", {keys("alt+Down")}, {"CBN_DROPDOWN 130 sel=3 \"Gelb\""}},
    });
    ASSERT_TRUE(wait_until([&] { return !popup().empty(); })) << "no pop-up";
    // A click outside, on the frame's bare background: closed, nothing chosen.
    run_rows({
        {"a click outside closes it",
         {click({600, 300})},
         {"CBN_SELENDCANCEL 130 sel=3 \"Gelb\"", "CBN_CLOSEUP 130 sel=3 \"Gelb\""}},
    });
    EXPECT_TRUE(wait_until([&] { return popup().empty(); })) << "the list stays down";
    run_rows({
        {"typed text in the field",
         {click({combo.left + 40, combo.top + 10}), keys("ctrl+a"), type("Rot")},
         {"CBN_EDITCHANGE 130 sel=3 \"R\"", "CBN_EDITCHANGE 130 sel=3 \"Rot\""}},
    });
}

TEST_F(ControlsOnXvfb, DropDownListByMouseAndKeysAndAClickOnTheRootWindow) {
    const RECT combo = box_of(IdDropList);
    const int h = m.listItemHeight;
    run_rows({{"a click on the field drops the list",
               {click({combo.left + 60, combo.top + 10})},
               {"CBN_DROPDOWN 131 sel=0 \"Montag\""}}});
    std::string list;
    ASSERT_TRUE(wait_until([&] { return !(list = popup()).empty(); })) << "no pop-up";
    const Geometry g = geometry_of(list);
    const POINT freitag{combo.left + 30, g.y - origin.y + 1 + 4 * h + h / 2};
    run_rows({
        {"click on Freitag",
         {click(freitag)},
         {"CBN_SELCHANGE 131 sel=4 \"Freitag\"", "CBN_CLOSEUP 131 sel=4 \"Freitag\""}},
        {"Down while closed", {keys("Down")}, {"CBN_SELCHANGE 131 sel=5 \"Samstag\""}},
        {"Alt+Down, Up, Escape",
         {keys("alt+Down"), keys("Up"), keys("Escape")},
         {"CBN_DROPDOWN 131 sel=5 \"Samstag\"", "CBN_SELCHANGE 131 sel=4 \"Freitag\"",
          "CBN_CLOSEUP 131"}},
    });
    // Escape may or may not give the old selection back; what counts is that the list closed.
    EXPECT_TRUE(wait_until([&] { return popup().empty(); })) << "the list stays down";
    run_rows({{"F4 opens", {keys("F4")}, {"CBN_DROPDOWN 131"}}});
    ASSERT_TRUE(wait_until([&] { return !popup().empty(); })) << "no pop-up";
    // On the bare root window, outside every window of the program: only the pop-up's pointer
    // grab brings this click to the program.
    ASSERT_EQ(xdo({"mousemove", "--sync", "1010", "760"}), 0);
    ASSERT_EQ(xdo({"click", "1"}), 0);
    EXPECT_TRUE(wait_until([&] { return popup().empty(); })) << "the list stays down";
}

TEST_F(ControlsOnXvfb, TrackbarByDragClicksAndKeysMovesTheProgressBar) {
    const RECT tb = box_of(IdTrackbar);
    const RECT& thumb = m.trackbarThumb;
    const POINT grip{tb.left + (thumb.left + thumb.right) / 2,
                     tb.top + (thumb.top + thumb.bottom) / 2};
    const POINT pastTheEnd{tb.right + 20, grip.y};
    const POINT nearTheStart{tb.left + m.trackbarChannel.left + 20, grip.y};
    const RECT progress = box_of(IdProgress);
    const RECT inside{progress.left + 2, progress.top + 2, progress.right - 2, progress.bottom - 2};
    const int area = (inside.right - inside.left) * (inside.bottom - inside.top);
    auto filled = [&](const char* name) {
        return count_in(screenshot(name), inside,
                        [](plat::Pixel p) { return p == sys(COLOR_HIGHLIGHT); });
    };
    run_rows({
        {"the thumb dragged past the end",
         {drag(grip, pastTheEnd)},
         {"TB_THUMBTRACK 140 pos=100", "TB_THUMBPOSITION 140 pos=100", "TB_ENDTRACK 140 pos=100"}},
        {"Left", {keys("Left")}, {"TB_LINEUP 140 pos=99", "TB_ENDTRACK 140 pos=99"}},
        {"Page Up", {keys("Prior")}, {"TB_PAGEUP 140 pos=89", "TB_ENDTRACK 140 pos=89"}},
        {"a click in the channel before the thumb",
         {click(nearTheStart)},
         {"TB_PAGEUP 140 pos=79", "TB_ENDTRACK 140 pos=79"}},
        {"Home", {keys("Home")}, {"TB_TOP 140 pos=0", "TB_ENDTRACK 140 pos=0"}},
    });
    EXPECT_TRUE(wait_until([&] { return filled("controls-progress-0.png") == 0; }));
    run_rows({{"End", {keys("End")}, {"TB_BOTTOM 140 pos=100", "TB_ENDTRACK 140 pos=100"}}});
    int full = 0;
    EXPECT_TRUE(wait_until([&] { return (full = filled("controls-progress-100.png")) > area / 2; }))
        << full << " of " << area;
}

TEST_F(ControlsOnXvfb, UpDownByItsArrowsAndTheBuddysKeys) {
    // Aligned right, the control sits in the right end of the buddy's old box.
    const RECT buddy = box_of(IdBuddy);
    const int width = box_of(IdUpDown).right - box_of(IdUpDown).left;
    const POINT up{buddy.right - width / 2, buddy.top + 5};
    const POINT down{buddy.right - width / 2, buddy.bottom - 5};
    run_rows({
        {"click the up arrow",
         {click(up)},
         {"UDN_DELTAPOS 160 pos=5 delta=1", "SB_THUMBPOSITION 160 pos=6",
          "SB_ENDSCROLL 160 pos=6"}},
        {"click the down arrow",
         {click(down)},
         {"UDN_DELTAPOS 160 pos=6 delta=-1", "SB_THUMBPOSITION 160 pos=5",
          "SB_ENDSCROLL 160 pos=5"}},
        {"in the buddy, Up",
         {click({buddy.left + 10, (buddy.top + buddy.bottom) / 2}), keys("Up")},
         {"EN_SETFOCUS 161", "UDN_DELTAPOS 160 pos=5 delta=1", "SB_THUMBPOSITION 160 pos=6"}},
        {"Down", {keys("Down")}, {"UDN_DELTAPOS 160 pos=6 delta=-1", "SB_THUMBPOSITION 160 pos=5"}},
        {"a number typed in the buddy is where Up starts",
         {keys("ctrl+a"), type("12"), keys("Up")},
         {"EN_CHANGE 161 \"12\"", "UDN_DELTAPOS 160 pos=12 delta=1", "EN_CHANGE 161 \"13\""}},
    });
}

// The scroll bar control does not move itself: the example moves it to where each code asks.
TEST_F(ControlsOnXvfb, ScrollBarByItsArrowsTrackAndKeys) {
    const RECT bar = box_of(IdScrollBar);
    const int middle = (bar.top + bar.bottom) / 2;
    run_rows({
        {"click the right arrow",
         {click({bar.right - 5, middle})},
         {"SB_LINEDOWN 180 pos=31", "SB_ENDSCROLL 180 pos=31"}},
        {"click the left arrow",
         {click({bar.left + 5, middle})},
         {"SB_LINEUP 180 pos=30", "SB_ENDSCROLL 180 pos=30"}},
        {"click the track near its right end",
         {click({bar.right - 25, middle})},
         {"SB_PAGEDOWN 180 pos=40", "SB_ENDSCROLL 180 pos=40"}},
        {"its label's mnemonic, then Right",
         {keys("alt+b"), keys("Right")},
         {"SB_LINEDOWN 180 pos=41"}},
        {"Page Down", {keys("Next")}, {"SB_PAGEDOWN 180 pos=51"}},
        {"Home", {keys("Home")}, {"SB_TOP 180 pos=0"}},
        {"End stops a page before the maximum", {keys("End")}, {"SB_BOTTOM 180 pos=91"}},
    });
}

TEST_F(ControlsOnXvfb, TabByClickCtrlTabAndArrows) {
    const RECT tab = box_of(IdTab);
    auto tab_point = [&](int i) {
        const RECT& r = m.tabItems[i];
        return POINT{tab.left + (r.left + r.right) / 2, tab.top + (r.top + r.bottom) / 2};
    };
    run_rows({
        {"click the second tab",
         {click(tab_point(1))},
         {"TCN_SELCHANGING 150 sel=0", "TCN_SELCHANGE 150 sel=1"}},
        {"Ctrl+Tab", {keys("ctrl+Tab")}, {"TCN_SELCHANGING 150 sel=1", "TCN_SELCHANGE 150 sel=2"}},
        {"Ctrl+Tab wraps round",
         {keys("ctrl+Tab")},
         {"TCN_SELCHANGING 150 sel=2", "TCN_SELCHANGE 150 sel=0"}},
        {"Ctrl+Shift+Tab goes back",
         {keys("ctrl+shift+Tab")},
         {"TCN_SELCHANGING 150 sel=0", "TCN_SELCHANGE 150 sel=2"}},
        {"Left", {keys("Left")}, {"TCN_SELCHANGING 150 sel=2", "TCN_SELCHANGE 150 sel=1"}},
        {"click the first tab", {click(tab_point(0))}, {"TCN_SELCHANGE 150 sel=0"}},
    });
}

TEST_F(ControlsOnXvfb, StaticsAndLabelMnemonics) {
    run_rows({
        {"click the icon (SS_NOTIFY)", {click(centre(IdIcon))}, {"STN_CLICKED 171"}},
        {"a click on the plain text is the frame's",
         {click(centre(IdText)), click(centre(IdIcon))},
         {"STN_CLICKED 171"}},
        {"Alt+L, the list's label, focuses the list", {keys("alt+l")}, {"LBN_SETFOCUS 120"}},
        {"Alt+E the single-line edit", {keys("alt+e")}, {"LBN_KILLFOCUS 120", "EN_SETFOCUS 110"}},
        {"Alt+W the drop-down list", {keys("alt+w")}, {"EN_KILLFOCUS 110", "CBN_SETFOCUS 131"}},
    });
}

// The whole window as the server shows it: each control where the layout puts it, in the
// system's colours. Kept as controls-example.png when E2E_SHOTS names a folder.
TEST_F(ControlsOnXvfb, WindowShowsEachControlInItsPlace) {
    const plat::Surface shot = screenshot("controls-example.png");
    ASSERT_GT(shot.width, 0);
    auto ink = [](plat::Pixel p) {
        return ((p >> 16) & 0xFF) < 0x80 && ((p >> 8) & 0xFF) < 0x80 && (p & 0xFF) < 0x80;
    };
    // A point of each box in the colour the control is filled with there, and the least ink
    // (text, marks, edges) in the box.
    struct Expect {
        int id;
        POINT probe; // from the box's top left
        int colour;
        int minInk;
    };
    const Expect rows[] = {
        {IdPush, {6, 4}, COLOR_BTNFACE, 30},      {IdDefault, {6, 4}, COLOR_BTNFACE, 60},
        {IdCheck, {170, 4}, COLOR_BTNFACE, 40},   {IdSingleEdit, {6, 6}, COLOR_WINDOW, 0},
        {IdMultiEdit, {6, 6}, COLOR_WINDOW, 0},   {IdList, {150, 6}, COLOR_WINDOW, 200},
        {IdDropList, {150, 6}, COLOR_WINDOW, 30}, {IdBuddy, {6, 6}, COLOR_WINDOW, 5},
        {IdStatus, {600, 6}, COLOR_BTNFACE, 30},  {IdText, {170, 2}, COLOR_BTNFACE, 40},
        {IdTab, {300, 40}, COLOR_BTNFACE, 60},
    };
    for (const Expect& row : rows) {
        SCOPED_TRACE(row.id);
        const RECT box = box_of(row.id);
        EXPECT_EQ(client_pixel(shot, {box.left + row.probe.x, box.top + row.probe.y}),
                  sys(row.colour));
        EXPECT_GE(count_in(shot, box, ink), row.minInk);
    }
    // The progress bar shows 20 of 100, the frame's background is the face colour.
    const RECT progress = box_of(IdProgress);
    EXPECT_EQ(client_pixel(shot, {progress.left + 8, progress.top + 8}), sys(COLOR_HIGHLIGHT));
    EXPECT_NE(client_pixel(shot, {progress.right - 8, progress.top + 8}), sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(client_pixel(shot, {600, 300}), sys(COLOR_BTNFACE));
}

// The same program on the headless screen shows the same client area, pixel for pixel.
TEST_F(ControlsOnXvfb, HeadlessSnapshotShowsTheSamePixels) {
    const std::string snap = dir.file("headless.png");
    const std::string trace = dir.file("headless-trace.txt");
    {
        Process headless({Program},
                         {{"TESS_BACKEND", "headless"},
                          {"TESS_SNAPSHOT", snap},
                          {"TESS_TRACE", trace},
                          {"DISPLAY", ""}},
                         dir.file("headless-stderr.txt"));
        // Shown (WM_SIZE traced), the program takes SIGUSR1 as the call for a snapshot.
        ASSERT_TRUE(wait_until([&] {
            return read_file(trace).find("WM_SIZE") != std::string::npos;
        })) << read_file(dir.file("headless-stderr.txt"));
        ::kill(headless.pid(), SIGUSR1);
        ASSERT_TRUE(wait_until([&] { return read_png(snap).width > 0; }));
    }
    const plat::Surface headless = read_png(snap);
    const plat::Surface shot = screenshot("controls-xvfb.png");
    ASSERT_GT(shot.width, 0);
    // On the headless screen the layer draws the caption and border around the client area.
    RECT outer{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&outer, FrameStyle, FALSE, 0);
    const int left = FramePosition.x - outer.left, top = FramePosition.y - outer.top;
    int differing = 0;
    for (int y = 0; y < ClientHeight; ++y)
        for (int x = 0; x < ClientWidth; ++x)
            differing += headless.at(left + x, top + y) != client_pixel(shot, {x, y});
    EXPECT_EQ(differing, 0) << "of " << ClientWidth * ClientHeight;
}

} // namespace
