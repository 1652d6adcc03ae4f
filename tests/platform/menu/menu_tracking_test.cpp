// Menus driven by the mouse and the keyboard: the messages the owner receives and the command
// that comes out. Input for the open menu is fed from WM_ENTERIDLE, which the menu loop sends
// its owner whenever it is about to wait.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "support/pump.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace {

enum : UINT {
    CmdLoad = 101,
    CmdSave = 102,
    CmdEnd = 103,
    CmdStart = 201,
    CmdExact = 211,
    CmdFast = 212,
    CmdInfo = 301
};

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct Script {
    std::deque<std::function<void()>> steps;
    std::vector<Seen> seen;
    std::function<void(HMENU)> onInitPopup;
    int idles = 0;
};
Script* script = nullptr;

void key(int vk, char c = 0) {
    plat::inject_key(vk, c, true);
    plat::inject_key(vk, c, false);
}

void alt_with(int vk, char c) {
    plat::inject_key(VK_MENU, 0, true);
    key(vk, c);
    plat::inject_key(VK_MENU, 0, false);
}

void click(POINT p) {
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse(p, 0, false);
}

POINT centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_COMMAND:
    case WM_CHAR:
        if (script) script->seen.push_back({message, wParam, lParam});
        if (message == WM_INITMENUPOPUP && script && script->onInitPopup)
            script->onInitPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_ENTERIDLE:
        if (!script) return 0;
        ++script->idles;
        if (!script->steps.empty()) {
            auto step = std::move(script->steps.front());
            script->steps.pop_front();
            step();
        } else {
            // A script that ends with the menu still open closes it rather than hang the test.
            key(VK_ESCAPE);
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

class MenuTracking : public ::testing::Test {
protected:
    void SetUp() override {
        plat::use_headless_backend({800, 600});
        script = &s;
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = frame_proc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "MenuFrame";
        RegisterClassExA(&wc);

        file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, CmdLoad, "&Laden\tCtrl+O");
        AppendMenuA(file, MF_STRING | MF_GRAYED, CmdSave, "&Speichern");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_STRING, CmdEnd, "&Ende");
        options = CreatePopupMenu();
        AppendMenuA(options, MF_STRING, CmdExact, "&Genau");
        AppendMenuA(options, MF_STRING, CmdFast, "&Schnell");
        calc = CreatePopupMenu();
        AppendMenuA(calc, MF_STRING, CmdStart, "&Start");
        AppendMenuA(calc, MF_POPUP, reinterpret_cast<UINT_PTR>(options), "&Optionen");
        help = CreatePopupMenu();
        AppendMenuA(help, MF_STRING, CmdInfo, "&Info");
        bar = CreateMenu();
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Datei");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(calc), "&Berechnung");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Hilfe");

        frame = CreateWindowExA(0, "MenuFrame", "Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                400, 300, nullptr, bar, nullptr, nullptr);
        pump();
        s.seen.clear();
    }
    void TearDown() override {
        script = nullptr;
        if (IsWindow(frame)) DestroyWindow(frame);
        plat::reset_queue();
        plat::reset_input();
    }

    void pump() { testsupport::pump_messages(); }

    RECT bar_item(int i) {
        RECT r{};
        EXPECT_TRUE(GetMenuItemRect(frame, bar, static_cast<UINT>(i), &r));
        return r;
    }
    // Queues a click on an item of a pop-up that is open when the step runs.
    std::function<void()> click_item(HMENU menu, int position) {
        return [this, menu, position] {
            RECT r{};
            ASSERT_TRUE(GetMenuItemRect(frame, menu, static_cast<UINT>(position), &r));
            click(centre(r));
        };
    }

    std::vector<WPARAM> commands() const {
        std::vector<WPARAM> ids;
        for (const Seen& m : s.seen)
            if (m.message == WM_COMMAND) ids.push_back(m.wParam);
        return ids;
    }
    int count(UINT message) const {
        int n = 0;
        for (const Seen& m : s.seen)
            n += m.message == message;
        return n;
    }

    Script s;
    HMENU bar{}, file{}, calc{}, options{}, help{};
    HWND frame{};
};

TEST_F(MenuTracking, ClickOnTitleThenItemSendsItsCommandAfterTheMenuCloses) {
    s.steps.push_back(click_item(file, 0));
    click(centre(bar_item(0)));
    pump();
    ASSERT_GE(s.seen.size(), 5u);
    EXPECT_EQ(s.seen[0].message, WM_ENTERMENULOOP);
    EXPECT_EQ(s.seen[0].wParam, FALSE);
    EXPECT_EQ(s.seen[1].message, WM_INITMENU);
    EXPECT_EQ(s.seen[1].wParam, reinterpret_cast<WPARAM>(bar));
    EXPECT_EQ(s.seen[2].message, WM_INITMENUPOPUP);
    EXPECT_EQ(s.seen[2].wParam, reinterpret_cast<WPARAM>(file));
    EXPECT_EQ(s.seen[2].lParam, MAKELPARAM(0, 0));
    EXPECT_EQ(s.seen[3].message, WM_EXITMENULOOP);
    // The command is posted: it arrives once the loop has ended.
    EXPECT_EQ(s.seen[4].message, WM_COMMAND);
    EXPECT_EQ(s.seen[4].wParam, MAKEWPARAM(CmdLoad, 0));
    EXPECT_EQ(s.seen[4].lParam, 0);
    EXPECT_EQ(commands().size(), 1u);
    // Every pop-up window is gone again.
    int popups = 0;
    plat::for_each_window([&](HWND h, const plat::Window&) {
        char name[16];
        GetClassNameA(h, name, sizeof name);
        popups += std::string(name) == "#32768";
    });
    EXPECT_EQ(popups, 0);
}

TEST_F(MenuTracking, GreyedItemsAreNotChosenByMouseOrKeyboard) {
    s.steps.push_back(click_item(file, 1));          // "&Speichern" is greyed
    s.steps.push_back([] { key(VK_RETURN, '\r'); }); // still selected: Enter does nothing
    s.steps.push_back([] { key('S', 's'); });        // nor its mnemonic
    s.steps.push_back([] { key(VK_ESCAPE); });
    s.steps.push_back([] { key(VK_ESCAPE); });
    click(centre(bar_item(0)));
    pump();
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(count(WM_EXITMENULOOP), 1);
}

TEST_F(MenuTracking, AltMnemonicDownAndEnterSkipTheSeparator) {
    // Alt+D opens "&Datei" on "&Laden"; Down reaches the greyed item, Down skips the separator.
    s.steps.push_back([] { key(VK_DOWN); });
    s.steps.push_back([] { key(VK_DOWN); });
    s.steps.push_back([] { key(VK_RETURN, '\r'); });
    alt_with('D', 'd');
    pump();
    EXPECT_EQ(commands(), std::vector<WPARAM>{MAKEWPARAM(CmdEnd, 0)});
    EXPECT_EQ(count(WM_CHAR), 0); // the Enter that chose stays inside the menu
}

TEST_F(MenuTracking, F10ArrowsReachANestedPopup) {
    std::vector<HMENU> initialised;
    s.onInitPopup = [&](HMENU m) { initialised.push_back(m); };
    s.steps.push_back([] { key(VK_RIGHT); }); // bar: "&Berechnung"
    s.steps.push_back([] { key(VK_DOWN); });  // opens it on "&Start"
    s.steps.push_back([] { key(VK_DOWN); });  // "&Optionen"
    s.steps.push_back([] { key(VK_RIGHT); }); // opens the nested pop-up on "&Genau"
    s.steps.push_back([] { key(VK_DOWN); });  // "&Schnell"
    s.steps.push_back([] { key(VK_RETURN, '\r'); });
    key(VK_F10);
    pump();
    EXPECT_EQ(initialised, (std::vector<HMENU>{calc, options}));
    EXPECT_EQ(commands(), std::vector<WPARAM>{MAKEWPARAM(CmdFast, 0)});
}

TEST_F(MenuTracking, AltAloneSelectsTheBarAndALetterOpensItsItem) {
    s.steps.push_back([] { key('H', 'h'); });
    s.steps.push_back([] { key('I', 'i'); });
    plat::inject_key(VK_MENU, 0, true);
    plat::inject_key(VK_MENU, 0, false);
    pump();
    EXPECT_EQ(commands(), std::vector<WPARAM>{MAKEWPARAM(CmdInfo, 0)});
}

TEST_F(MenuTracking, AltWithAnotherKeyBetweenDoesNotOpenTheBar) {
    plat::inject_key(VK_MENU, 0, true);
    key(VK_F4 - 2);
    plat::inject_key(VK_MENU, 0, false);
    pump();
    EXPECT_EQ(count(WM_ENTERMENULOOP), 0);
}

TEST_F(MenuTracking, EscapeClosesOneLevelAtATimeAndLeftWraps) {
    std::vector<HMENU> initialised;
    s.onInitPopup = [&](HMENU m) { initialised.push_back(m); };
    s.steps.push_back([] { key(VK_ESCAPE); }); // back to the bar, "&Datei" still selected
    s.steps.push_back([] { key(VK_LEFT); });   // wraps to "&Hilfe", nothing open
    s.steps.push_back([] { key(VK_RETURN, '\r'); });
    s.steps.push_back([] { key(VK_RETURN, '\r'); });
    alt_with('D', 'd');
    pump();
    EXPECT_EQ(initialised, (std::vector<HMENU>{file, help}));
    EXPECT_EQ(commands(), std::vector<WPARAM>{MAKEWPARAM(CmdInfo, 0)});
}

TEST_F(MenuTracking, AGreyedTitleDoesNotOpenItsPopup) {
    EnableMenuItem(bar, 1, MF_BYPOSITION | MF_GRAYED);
    s.steps.push_back([] { key(VK_DOWN); });
    s.steps.push_back([] { key(VK_ESCAPE); });
    alt_with('B', 'b');
    pump();
    EXPECT_EQ(count(WM_INITMENUPOPUP), 0);
    EXPECT_TRUE(commands().empty());
}

TEST_F(MenuTracking, TheOwnerMayGreyItemsWhenThePopupIsInitialised) {
    s.onInitPopup = [&](HMENU m) {
        if (m == file) EnableMenuItem(file, CmdLoad, MF_BYCOMMAND | MF_GRAYED);
    };
    s.steps.push_back(click_item(file, 0));
    s.steps.push_back(click_item(file, 3));
    click(centre(bar_item(0)));
    pump();
    EXPECT_EQ(commands(), std::vector<WPARAM>{MAKEWPARAM(CmdEnd, 0)});
}

TEST_F(MenuTracking, PressOutsideCancelsAndMovingAlongTheBarSwitchesPopups) {
    std::vector<HMENU> initialised;
    s.onInitPopup = [&](HMENU m) { initialised.push_back(m); };
    s.steps.push_back([this] { plat::inject_mouse_move(centre(bar_item(2))); });
    s.steps.push_back([] {
        plat::inject_mouse({700, 550}, 0, true);
        plat::inject_mouse({700, 550}, 0, false);
    });
    click(centre(bar_item(0)));
    pump();
    EXPECT_EQ(initialised, (std::vector<HMENU>{file, help}));
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(count(WM_EXITMENULOOP), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuTracking, TheOpenPopupShowsItsSelectionAndGreyedText) {
    COLORREF selectedRow = 0, barTitle = 0;
    s.steps.push_back([&] {
        RECT item{}, title{};
        ASSERT_TRUE(GetMenuItemRect(frame, file, 0, &item));
        title = bar_item(0);
        const HWND popup = WindowFromPoint(centre(item));
        ASSERT_NE(popup, frame);
        const plat::Surface& ps = plat::lookup(popup)->surface;
        RECT window{};
        GetWindowRect(popup, &window);
        // Just inside the item's right end, where no text is drawn.
        const plat::Pixel p = ps.at(item.right - 2 - window.left, centre(item).y - window.top);
        selectedRow = plat::colorref_from_pixel(p);
        const plat::Surface& fs = plat::lookup(frame)->surface;
        const plat::Pixel b = fs.at(title.left + 1 - 100, title.top + 1 - 100);
        barTitle = plat::colorref_from_pixel(b);
        key(VK_ESCAPE);
        key(VK_ESCAPE);
    });
    alt_with('D', 'd');
    pump();
    EXPECT_EQ(selectedRow, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(barTitle, GetSysColor(COLOR_HIGHLIGHT));
    // Afterwards the bar is drawn plainly again.
    const RECT title = bar_item(0);
    const plat::Pixel b =
        plat::lookup(frame)->surface.at(title.left + 1 - 100, title.top + 1 - 100);
    EXPECT_EQ(plat::colorref_from_pixel(b), GetSysColor(COLOR_MENU));
}

TEST_F(MenuTracking, DestroyingTheOwnerFromInsideTheLoopEndsIt) {
    s.steps.push_back([this] { DestroyWindow(frame); });
    alt_with('D', 'd');
    pump();
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_TRUE(commands().empty());
}

class PopupTracking : public MenuTracking {};

TEST_F(PopupTracking, TrackPopupMenuIsModalAndKeepsDispatching) {
    int timerTicks = 0;
    static int* ticks = nullptr;
    ticks = &timerTicks;
    SetTimer(frame, 7, 10, [](HWND, UINT, UINT_PTR, DWORD) { ++*ticks; });
    s.steps.push_back([] { plat::advance_clock(50); });
    s.steps.push_back([this] {
        KillTimer(frame, 7);
        click_item(help, 0)();
    });
    const BOOL r = TrackPopupMenu(help, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, 300, 200, 0,
                                  frame, nullptr);
    EXPECT_TRUE(r);
    EXPECT_GE(timerTicks, 1);
    // The command is posted to the owner, not yet delivered when the call returns.
    EXPECT_TRUE(commands().empty());
    ASSERT_GE(s.seen.size(), 2u);
    EXPECT_EQ(s.seen[0].message, WM_ENTERMENULOOP);
    EXPECT_EQ(s.seen[0].wParam, TRUE);
    pump();
    EXPECT_EQ(commands(), std::vector<WPARAM>{MAKEWPARAM(CmdInfo, 0)});
}

TEST_F(PopupTracking, ItOpensAtThePointAndReturnsTheCommandWhenAsked) {
    RECT item{};
    s.steps.push_back([&] {
        ASSERT_TRUE(GetMenuItemRect(frame, calc, 0, &item));
        click(centre(item));
    });
    const BOOL r = TrackPopupMenu(calc, TPM_RETURNCMD, 300, 200, 0, frame, nullptr);
    EXPECT_EQ(r, static_cast<BOOL>(CmdStart));
    EXPECT_EQ(item.left, 300 + 3);
    EXPECT_EQ(item.top, 200 + 3);
    pump();
    EXPECT_TRUE(commands().empty());
}

TEST_F(PopupTracking, TheReleaseOfThePressThatOpenedItChoosesNothing) {
    // The pop-up appears under the pointer; releasing there without moving must not choose.
    s.steps.push_back([] { plat::inject_mouse({310, 210}, 0, false); });
    s.steps.push_back([] { key(VK_ESCAPE); });
    plat::inject_mouse_move({310, 210});
    plat::inject_mouse({310, 210}, 0, true);
    pump();
    s.seen.clear();
    const BOOL r = TrackPopupMenu(help, TPM_RETURNCMD, 305, 205, 0, frame, nullptr);
    EXPECT_EQ(r, 0);
}

TEST_F(PopupTracking, RefusesBadArguments) {
    EXPECT_FALSE(TrackPopupMenu(reinterpret_cast<HMENU>(0x7777), 0, 0, 0, 0, frame, nullptr));
    EXPECT_FALSE(TrackPopupMenu(help, 0, 0, 0, 0, reinterpret_cast<HWND>(0x7777), nullptr));
}

} // namespace
