// Floating menus: shown at a point of the current window, mirroring the root menu, and the
// chosen item arriving as a command on the frame.
#include "core/context.h"
#include "menu_fixture.h"

using namespace menutest;

namespace {

using FloatingMenu = MenuTest;

// What the open floating menu showed, read while it was open.
struct Seen {
    HMENU menu = nullptr;
    std::vector<std::string> texts;
    std::vector<UINT> states;
    RECT first{};
};

// Each step must give the menu loop input, or it waits for ever: after looking, the item at
// choose is clicked, or with -1 the menu is closed.
std::function<void()> look(Seen& seen, int choose = -1) {
    return [&seen, choose] {
        if (frame_log().popups.empty()) {
            key(VK_ESCAPE);
            FAIL() << "no pop-up was initialised";
        }
        seen.menu = frame_log().popups.front();
        for (int i = 0; i < GetMenuItemCount(seen.menu); ++i) {
            char buffer[128] = "";
            GetMenuStringA(seen.menu, static_cast<UINT>(i), buffer, sizeof buffer, MF_BYPOSITION);
            seen.texts.push_back(buffer);
            seen.states.push_back(GetMenuState(seen.menu, static_cast<UINT>(i), MF_BYPOSITION));
        }
        GetMenuItemRect(tess::window(0).frame, seen.menu, 0, &seen.first);
        RECT r{};
        if (choose >= 0 &&
            GetMenuItemRect(tess::window(0).frame, seen.menu, static_cast<UINT>(choose), &r))
            click(centre(r));
        else
            key(VK_ESCAPE);
    };
}

TEST_F(FloatingMenu, MirrorsTheRootMenusTextsAndStatesAndSendsTheChosenCommand) {
    WMenuSetState(CMD_SAVE, 1, 0);
    WMenuSetState(CMD_LOAD, 2, 1);
    WMenuSetState(POP_CALC, 1, 0);
    Seen seen;
    frame_log().idleSteps.push_back(look(seen, 0));
    int id = IDM_FLOAT;
    yymnflot_(id, 30, 40);
    EXPECT_EQ(id, IDM_FLOAT);

    ASSERT_EQ(seen.texts.size(), 4u);
    EXPECT_EQ(seen.texts[0], "&Laden\tCtrl+O");
    EXPECT_EQ(seen.texts[1], "&Speichern\tCtrl+S");
    EXPECT_EQ(seen.texts[2], "&Eigen");
    EXPECT_EQ(seen.texts[3], "&Berechnung"); // named POP_CALC by both tables
    EXPECT_TRUE(seen.states[0] & MF_CHECKED);
    EXPECT_TRUE(seen.states[1] & MF_GRAYED);
    EXPECT_TRUE(seen.states[2] & MF_GRAYED); // disabled in the resource: shown greyed
    EXPECT_TRUE(seen.states[3] & MF_GRAYED);
    EXPECT_TRUE(seen.states[3] & MF_POPUP);

    // Top left at (30, 40) of the client window.
    POINT at{30, 40};
    ClientToScreen(client, &at);
    EXPECT_GE(seen.first.left, at.x);
    EXPECT_LT(seen.first.left, at.x + 8);
    EXPECT_GE(seen.first.top, at.y);
    EXPECT_LT(seen.first.top, at.y + 8);

    pump();
    EXPECT_EQ(frame_log().commands, std::vector<WPARAM>{MAKEWPARAM(CMD_LOAD, 0)});
    EXPECT_FALSE(IsMenu(seen.menu)); // gone with the call
    // The root menu itself is untouched.
    EXPECT_EQ(text(bar(), 1), "&Berechnung");
    EXPECT_EQ(GetMenuItemCount(bar()), 3);
}

TEST_F(FloatingMenu, AMissingMenuIsNotShown) {
    int id = 999;
    yymnflot_(id, 0, 0);
    EXPECT_EQ(id, -1);
    EXPECT_TRUE(frame_log().popups.empty());

    // Nor is one for a current window that is not open.
    tess::tk().core.wIndex = 3;
    id = IDM_FLOAT;
    yymnflot_(id, 0, 0);
    EXPECT_EQ(id, -1);
    EXPECT_TRUE(frame_log().popups.empty());
}

TEST_F(FloatingMenu, WithoutARootMenuItKeepsItsOwnTexts) {
    int id = 0;
    yymnroot_(id);
    Seen seen;
    frame_log().idleSteps.push_back(look(seen));
    id = IDM_FLOAT;
    yymnflot_(id, 0, 0);
    ASSERT_EQ(seen.texts.size(), 4u);
    EXPECT_EQ(seen.texts[0], "x");
    EXPECT_EQ(seen.texts[3], "Rechnen");
    EXPECT_FALSE(seen.states[1] & MF_GRAYED);
}

} // namespace
