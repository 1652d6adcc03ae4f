// The toolbar from its resource, its buttons following the menu's states, and the tips.
#include <cstring>
#include <string>

#include "core/context.h"
#include "menu_fixture.h"

using namespace menutest;

namespace {

class Toolbar : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        WMenuSetState(CMD_SAVE, 1, 0);
        WMenuSetState(CMD_INFO, 2, 1);
        int id = IDT_BAR;
        yymntbar_(id, width, height);
        ASSERT_EQ(id, IDT_BAR);
        tb = tess::tk().menus.hWndToolbar;
        ASSERT_TRUE(IsWindow(tb));
        pump();
    }
    BYTE button_state(int command) {
        return static_cast<BYTE>(SendMessageA(tb, TB_GETSTATE, static_cast<WPARAM>(command), 0));
    }
    // The text the frame gives for a tip request of the button.
    std::string tip_for(int command) {
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(tb, TB_GETTOOLTIPS, 0, 0));
        info.hdr.idFrom = static_cast<UINT_PTR>(command);
        info.hdr.code = TTN_NEEDTEXTA;
        std::memset(info.szText, 'x', sizeof info.szText);
        SendMessageA(frame, WM_NOTIFY, static_cast<WPARAM>(command),
                     reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.lpszText, info.szText);
        return std::string(info.szText, strnlen(info.szText, sizeof info.szText));
    }
    void tip(int command, const char* text) {
        int id = command;
        yytooltip_(id, text, static_cast<int>(std::strlen(text)) + 1);
        EXPECT_EQ(id, command) << text;
    }

    HWND tb = nullptr;
    int width = 0, height = 0;
};

TEST_F(Toolbar, ButtonsFollowTheEntriesAndTheMenuStates) {
    EXPECT_EQ(GetParent(tb), frame);
    EXPECT_EQ(GetDlgCtrlID(tb), IDT_BAR);
    ASSERT_EQ(SendMessageA(tb, TB_BUTTONCOUNT, 0, 0), 5);
    const int commands[] = {CMD_LOAD, CMD_SAVE, 0, CMD_INFO, CMD_BUTTON_ONLY};
    const int images[] = {0, 1, 0, 2, 3};
    for (int i = 0; i < 5; ++i) {
        TBBUTTON b{};
        ASSERT_TRUE(
            SendMessageA(tb, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b)));
        EXPECT_EQ(b.idCommand, commands[i]) << i;
        EXPECT_EQ(b.fsStyle, commands[i] ? TBSTYLE_BUTTON : TBSTYLE_SEP) << i;
        if (commands[i]) {
            EXPECT_EQ(b.iBitmap, images[i]) << i;
        }
    }
    EXPECT_EQ(button_state(CMD_LOAD), TBSTATE_ENABLED);
    EXPECT_EQ(button_state(CMD_SAVE), 0); // greyed in the menu
    EXPECT_EQ(button_state(CMD_INFO), TBSTATE_ENABLED | TBSTATE_CHECKED);
    EXPECT_EQ(button_state(CMD_BUTTON_ONLY), TBSTATE_ENABLED); // no menu item
    EXPECT_EQ(SendMessageA(tb, TB_GETBUTTONSIZE, 0, 0), MAKELONG(22, 21));
    EXPECT_EQ(tess::tk().menus.nTooltip, 5);
    EXPECT_EQ(tess::tk().menus.pTooltip.size(), 5u);
}

TEST_F(Toolbar, ANewBarHeightLaysTheClientOutAgainAndReportsItsSize) {
    RECT bar{}, area{}, inFrame{};
    GetWindowRect(tb, &bar);
    GetClientRect(client, &area);
    GetClientRect(frame, &inFrame);
    EXPECT_GT(bar.bottom - bar.top, 0);
    EXPECT_EQ(width, area.right);
    EXPECT_EQ(height, area.bottom);
    EXPECT_EQ(area.bottom, inFrame.bottom - (bar.bottom - bar.top));

    // The same bar again: same height, nothing to report.
    int id = IDT_BAR;
    yymntbar_(id, width, height);
    EXPECT_EQ(id, IDT_BAR);
    EXPECT_EQ(width, -1);
    EXPECT_EQ(height, -1);
    EXPECT_FALSE(IsWindow(tb));

    // A taller one.
    id = IDT_PLAIN;
    yymntbar_(id, width, height);
    EXPECT_EQ(id, IDT_PLAIN);
    GetWindowRect(tess::tk().menus.hWndToolbar, &bar);
    EXPECT_EQ(height, inFrame.bottom - (bar.bottom - bar.top));
    EXPECT_EQ(tess::tk().menus.nTooltip, 1);

    // Removed: the client has the whole frame again.
    id = 0;
    yymntbar_(id, width, height);
    EXPECT_EQ(id, 0);
    EXPECT_EQ(tess::tk().menus.hWndToolbar, nullptr);
    EXPECT_EQ(tess::tk().menus.nTooltip, 0);
    EXPECT_EQ(height, inFrame.bottom);
    EXPECT_EQ(width, inFrame.right);
}

TEST_F(Toolbar, AMissingResourceLeavesNoBar) {
    int id = 999;
    yymntbar_(id, width, height);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(width, -1);
    EXPECT_EQ(height, -1);
    EXPECT_FALSE(IsWindow(tb));
    EXPECT_EQ(tess::tk().menus.hWndToolbar, nullptr);
    EXPECT_TRUE(tess::tk().menus.pTooltip.empty());
    id = CMD_LOAD;
    yytooltip_(id, "Laden", 6);
    EXPECT_EQ(id, -1);
}

TEST_F(Toolbar, MenuStatesReachTheButtonsAndButtonsAloneCount) {
    WMenuSetState(CMD_LOAD, 1, 0);
    EXPECT_EQ(button_state(CMD_LOAD), 0);
    EXPECT_TRUE(GetMenuState(bar(), CMD_LOAD, MF_BYCOMMAND) & MF_GRAYED);
    WMenuSetState(CMD_INFO, 2, 0);
    EXPECT_EQ(button_state(CMD_INFO), TBSTATE_ENABLED);

    // A button without a menu item is no failure.
    WMenuSetState(CMD_BUTTON_ONLY, 1, 0);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(button_state(CMD_BUTTON_ONLY), 0);
    int value = 0;
    yymngflg_(CMD_BUTTON_ONLY, 1, value);
    EXPECT_EQ(value, 0);
    WMenuSetState(CMD_BUTTON_ONLY, 2, 1);
    yymngflg_(CMD_BUTTON_ONLY, 2, value);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(Toolbar, ATipSetTwiceKeepsItsEntryAndAFreedEntryIsReused) {
    tip(CMD_LOAD, "Laden");
    tip(CMD_LOAD, "Ergebnisse laden");
    int held = 0;
    for (const auto& e : tess::tk().menus.pTooltip)
        held += e.id == CMD_LOAD;
    EXPECT_EQ(held, 1);
    EXPECT_EQ(tip_for(CMD_LOAD), "Ergebnisse laden");
    // Free entries are taken from the end.
    EXPECT_EQ(tess::tk().menus.pTooltip.back().id, CMD_LOAD);

    tip(CMD_LOAD, "");
    EXPECT_EQ(tess::tk().menus.pTooltip.back().id, 0);
    tip(CMD_SAVE, "Speichern");
    EXPECT_EQ(tess::tk().menus.pTooltip.back().id, CMD_SAVE);
    EXPECT_EQ(tip_for(CMD_LOAD), "");

    int id = CMD_END; // in the menu but not on the bar
    yytooltip_(id, "Ende", 5);
    EXPECT_EQ(id, -1);
}

TEST_F(Toolbar, TipTextsAreCutTo79Characters) {
    const std::string longText(120, 'a');
    int id = CMD_LOAD;
    yytooltip_(id, longText.c_str(), static_cast<int>(longText.size()) + 1);
    EXPECT_EQ(tip_for(CMD_LOAD), std::string(79, 'a'));
    // The length bounds the copy even without a terminator within it.
    id = CMD_SAVE;
    yytooltip_(id, "Speichern!", 5);
    EXPECT_EQ(tip_for(CMD_SAVE), "Spei");
}

TEST_F(Toolbar, TipRequestsTakeTheLastEntryElseTheStringResource) {
    auto& tips = tess::tk().menus.pTooltip;
    tips[1].id = CMD_LOAD;
    std::strcpy(tips[1].text.data(), "alt");
    tips[3].id = CMD_LOAD;
    std::strcpy(tips[3].text.data(), "neu");
    EXPECT_EQ(tip_for(CMD_LOAD), "neu");

    EXPECT_EQ(tip_for(CMD_INFO), "Informationen zum Programm");
    // An entry wins over the string resource.
    tips[0].id = CMD_INFO;
    std::strcpy(tips[0].text.data(), "Info");
    EXPECT_EQ(tip_for(CMD_INFO), "Info");
    EXPECT_EQ(tip_for(IDS_LONG).size(), 79u);
    EXPECT_EQ(tip_for(CMD_BUTTON_ONLY), ""); // neither: no text
}

TEST_F(Toolbar, HoveringAButtonShowsItsTip) {
    tip(CMD_SAVE, "Ergebnisse speichern");
    RECT r{};
    ASSERT_TRUE(SendMessageA(tb, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)));
    POINT p = centre(r);
    ClientToScreen(tb, &p);
    plat::inject_mouse_move(p);
    pump();
    plat::advance_clock(1000);
    pump();
    const HWND tooltip = reinterpret_cast<HWND>(SendMessageA(tb, TB_GETTOOLTIPS, 0, 0));
    ASSERT_TRUE(IsWindowVisible(tooltip));
    char text[100] = "";
    GetWindowTextA(tooltip, text, sizeof text);
    EXPECT_STREQ(text, "Ergebnisse speichern");
}

} // namespace
