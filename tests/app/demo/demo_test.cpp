// Formaldrix on the headless screen: the main program runs as it does for a user, with input
// played in whenever it waits for some.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "demo_fixture.h"

namespace {

using demotest::Demo;
using demotest::key;

int live_windows() {
    int n = 0;
    plat::for_each_window([&](HWND, const plat::Window&) { ++n; });
    return n;
}

TEST_F(Demo, OpensCentredAtEightyPercentWithItsTitle) {
    RECT frame{}, client{};
    char title[100] = {};
    at_start([&] {
        GetWindowRect(tess::window(0).frame, &frame);
        GetWindowRect(tess::window(0).client, &client);
        GetWindowTextA(tess::window(0).frame, title, sizeof title);
        PostMessageA(tess::window(0).frame, WM_CLOSE, 0, 0);
    });
    run();
    EXPECT_STREQ(title, "Formaldrix - Pellarin GmbH, Altbruck");
    // 80 % of the 1024 × 768 screen for the client area; the frame's corner is centred.
    EXPECT_EQ(client.right - client.left, 819);
    EXPECT_EQ(client.bottom - client.top, 614);
    EXPECT_EQ(frame.left, 512 - 409);
    EXPECT_EQ(frame.top, 384 - 307);
    EXPECT_EQ(live_windows(), 0);
    EXPECT_EQ(tess::tk().tessar01.rootOpen, 0);
}

TEST_F(Demo, AltF4EndsItAndReleasesEverything) {
    at_start([] {
        plat::inject_key(VK_MENU, 0, true);
        key(VK_F4);
        plat::inject_key(VK_MENU, 0, false);
    });
    run();
    EXPECT_EQ(live_windows(), 0);
    EXPECT_EQ(tess::current_window().dc, nullptr);
}

TEST_F(Demo, TheCloseBoxEndsIt) {
    at_start([] {
        RECT w;
        GetWindowRect(tess::window(0).frame, &w);
        const POINT close{w.right - 4 - 9, w.top + 4 + 9};
        plat::inject_mouse(close, 0, true);
        plat::inject_mouse(close, 0, false);
    });
    run();
    EXPECT_EQ(live_windows(), 0);
    EXPECT_LE(screen->idle, 2);
}

TEST_F(Demo, TheMenuBarHasItsThreeTitlesAndSaveIsGreyed) {
    std::vector<std::string> titles;
    UINT save = 0, load = 0;
    at_start([&] {
        HMENU bar = GetMenu(tess::window(0).frame);
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            char text[64];
            GetMenuStringA(bar, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            titles.emplace_back(text);
        }
        save = GetMenuState(bar, 40011, MF_BYCOMMAND);
        load = GetMenuState(bar, 40003, MF_BYCOMMAND);
        PostMessageA(tess::window(0).frame, WM_CLOSE, 0, 0);
    });
    run();
    EXPECT_EQ(titles, (std::vector<std::string>{"&Datei", "&Berechnung", "&Hilfe"}));
    EXPECT_TRUE(save & MF_GRAYED);
    EXPECT_FALSE(load & MF_GRAYED);
}

TEST_F(Demo, EndFromTheMenuByKeyboard) {
    at_start([] {
        plat::inject_key(VK_MENU, 0, true);
        key('D', 'd');
        plat::inject_key(VK_MENU, 0, false);
        key('E', 'e');
    });
    run();
    EXPECT_EQ(live_windows(), 0);
    EXPECT_LE(screen->idle, 2); // it ended by itself, not by the script's fallback
}

TEST_F(Demo, EndFromTheMenuByMouseAndSaveCannotBeChosen) {
    const auto click = [](const RECT& r) {
        const POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
    };
    HMENU file = nullptr;
    at_start([&] {
        HMENU bar = GetMenu(tess::window(0).frame);
        file = GetSubMenu(bar, 0);
        RECT title;
        GetMenuItemRect(tess::window(0).frame, bar, 0, &title);
        click(title);
    });
    // The menu loop is idle with "&Datei" open: a click on the greyed "&Speichern" does
    // nothing, then "&Ende".
    screen->steps.push_back([&] {
        RECT item;
        ASSERT_TRUE(GetMenuItemRect(tess::window(0).frame, file, 1, &item));
        click(item);
    });
    screen->steps.push_back([&] {
        RECT item;
        ASSERT_TRUE(GetMenuItemRect(tess::window(0).frame, file, 3, &item));
        click(item);
    });
    run();
    EXPECT_EQ(live_windows(), 0);
    EXPECT_LE(screen->idle, 4);
}

} // namespace
