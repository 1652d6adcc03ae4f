// Loading the root menu's resources, addressing items and pop-ups by identifier, and the item
// states WMenuSetState sets, with the redraws of the menu bar they need.
#include "core/context.h"
#include "menu_fixture.h"

using namespace menutest;

namespace {

using MenuState = MenuTest;

TEST_F(MenuState, LoadingTakesTheFramesMenuItsAcceleratorsAndItsTable) {
    EXPECT_EQ(tess::tk().menus.rootMenu, GetMenu(frame));
    ASSERT_NE(tess::tk().menus.accel, nullptr);
    EXPECT_EQ(tess::tk().menus.rootTable,
              (std::vector<WORD>{40001, 1, 0, 40002, 2, 0, 40004, 3, 0, 0}));

    // Ctrl+O goes through the accelerators to the load command.
    plat::inject_key(VK_CONTROL, 0, true);
    plat::inject_key('O', 'o', true);
    MSG msg;
    bool translated = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (TranslateAcceleratorA(frame, tess::tk().menus.accel, &msg)) {
            translated = true;
            continue;
        }
        DispatchMessageA(&msg);
    }
    plat::inject_key('O', 'o', false);
    plat::inject_key(VK_CONTROL, 0, false);
    pump();
    EXPECT_TRUE(translated);
    EXPECT_EQ(frame_log().commands, std::vector<WPARAM>{MAKEWPARAM(CMD_LOAD, 1)});
}

TEST_F(MenuState, LoadingAMenuWithoutResourcesLeavesNoAcceleratorsOrTable) {
    yymnloadresources_(IDM_BARE);
    EXPECT_EQ(tess::tk().menus.rootMenu, GetMenu(frame));
    EXPECT_EQ(tess::tk().menus.accel, nullptr);
    EXPECT_TRUE(tess::tk().menus.rootTable.empty());
    yymnloadresources_(0);
    EXPECT_EQ(tess::tk().menus.accel, nullptr);
    EXPECT_TRUE(tess::tk().menus.rootTable.empty());
}

TEST_F(MenuState, GreyingAnItemInsideAPopupLeavesTheBarAlone) {
    const int redraws = bar_redraws([] { WMenuSetState(CMD_SAVE, 1, 0); });
    EXPECT_EQ(redraws, 0);
    EXPECT_TRUE(state(file(), 1) & MF_GRAYED);
    EXPECT_EQ(InfoError(1), 0);

    WMenuSetState(CMD_SAVE, 1, 1);
    EXPECT_EQ(state(file(), 1) & (MF_GRAYED | MF_DISABLED), 0u);
}

TEST_F(MenuState, GreyingAPopupByItsTableIdentifierGreysItsTitleAndRedrawsTheBar) {
    const int redraws = bar_redraws([] { WMenuSetState(POP_CALC, 1, 0); });
    EXPECT_GE(redraws, 1);
    EXPECT_TRUE(state(bar(), 1) & MF_GRAYED);
    EXPECT_FALSE(state(bar(), 0) & MF_GRAYED);
    EXPECT_FALSE(state(bar(), 2) & MF_GRAYED);
    // Its items keep their own state.
    EXPECT_FALSE(GetMenuState(bar(), CMD_FORMULA, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(MenuState, CheckingAPopupByItsTableIdentifierMarksTheTitleWithoutRedrawing) {
    int redraws = bar_redraws([] { WMenuSetState(POP_FILE, 2, 1); });
    EXPECT_TRUE(state(bar(), 0) & MF_CHECKED);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(InfoError(1), 0);

    WMenuSetState(CMD_LOAD, 2, 1);
    EXPECT_TRUE(state(file(), 0) & MF_CHECKED);
    WMenuSetState(POP_FILE, 2, 0);
    EXPECT_FALSE(state(bar(), 0) & MF_CHECKED);
    EXPECT_TRUE(state(file(), 0) & MF_CHECKED);
}

TEST_F(MenuState, AnUnknownIdentifierRecordsError1001AndChangesNothing) {
    for (int item : {1, 2}) {
        WMenuSetState(12345, item, 0);
        EXPECT_EQ(InfoError(1), tess::ErrorMenuItem) << item;
    }
    // Table identifiers are 16-bit: one 65536 above a pop-up's names nothing.
    WMenuSetState(POP_CALC + 65536, 1, 0);
    EXPECT_EQ(InfoError(1), tess::ErrorMenuItem);
    WMenuSetState(-1, 1, 0);
    EXPECT_EQ(InfoError(1), tess::ErrorMenuItem);
    for (UINT p = 0; p < 3; ++p)
        EXPECT_EQ(state(bar(), p) & (MF_GRAYED | MF_CHECKED), 0u) << p;
}

TEST_F(MenuState, OtherItemCodesAndStatesAreIgnoredWithoutError) {
    const int redraws = bar_redraws([] {
        WMenuSetState(CMD_SAVE, 3, 0);
        WMenuSetState(POP_CALC, 0, 0);
        WMenuSetState(CMD_SAVE, 1, 2);
        WMenuSetState(CMD_SAVE, 2, -1);
        WMenuSetState(12345, 3, 1); // not even looked up
    });
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(state(file(), 1) & (MF_GRAYED | MF_CHECKED), 0u);
    EXPECT_EQ(state(bar(), 1) & (MF_GRAYED | MF_CHECKED), 0u);
}

TEST_F(MenuState, WithoutAnIdentifierTableOnlyCommandItemsCanBeAddressed) {
    tess::tk().menus.rootTable.clear();
    WMenuSetState(POP_CALC, 1, 0);
    EXPECT_EQ(InfoError(1), tess::ErrorMenuItem);
    EXPECT_FALSE(state(bar(), 1) & MF_GRAYED);
    WMenuSetState(CMD_SAVE, 1, 0);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(MenuState, QueriesReadTheStatesOfItemsAndPopups) {
    int value = 0;
    WMenuSetState(CMD_SAVE, 1, 0);
    yymngflg_(CMD_SAVE, 1, value);
    EXPECT_EQ(value, 0);
    yymngflg_(CMD_LOAD, 1, value);
    EXPECT_EQ(value, 1);
    WMenuSetState(POP_HELP, 2, 1);
    yymngflg_(POP_HELP, 2, value);
    EXPECT_EQ(value, 1);
    yymngflg_(POP_CALC, 2, value);
    EXPECT_EQ(value, 0);
    value = 7;
    yymngflg_(CMD_LOAD, 5, value); // another "what" leaves the value as it was
    EXPECT_EQ(value, 7);
    yymngflg_(12345, 1, value);
    EXPECT_EQ(value, -1);
}

// Replaced by menu IDM_OTHER: "&Extra" (with "&Eins" and the pop-up "&Tiefer") and "&Direkt",
// a command directly on the bar.
class OtherRoot : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        int id = IDM_OTHER;
        yymnroot_(id);
        ASSERT_EQ(id, IDM_OTHER);
        pump();
    }
};

TEST_F(OtherRoot, ReplacingTheRootMenuTakesItsTableAndGreysDisabledItems) {
    EXPECT_EQ(GetMenu(frame), tess::tk().menus.rootMenu);
    EXPECT_EQ(GetMenuItemCount(bar()), 2);
    EXPECT_EQ(tess::tk().menus.accel, nullptr); // the new menu has none
    const HMENU deep = GetSubMenu(GetSubMenu(bar(), 0), 1);
    ASSERT_NE(deep, nullptr);
    EXPECT_TRUE(state(deep, 0) & MF_GRAYED);

    // The nested path reaches "&Tiefer" inside "&Extra".
    EXPECT_EQ(yymnhpos(POP_DEEP), 1);
    EXPECT_EQ(tess::tk().menus.lookupMenu, GetSubMenu(bar(), 0));
    // The first of two entries counts: POP_EXTRA is position 0 of the bar, not 1.
    EXPECT_EQ(yymnhpos(POP_EXTRA), 0);
    EXPECT_EQ(tess::tk().menus.lookupMenu, bar());
    // A path through a position that holds no pop-up leads nowhere.
    EXPECT_EQ(yymnhpos(POP_MISSING), -1);
    EXPECT_EQ(tess::tk().menus.lookupMenu, nullptr);
    WMenuSetState(POP_MISSING, 1, 0);
    EXPECT_EQ(InfoError(1), tess::ErrorMenuItem);
}

TEST_F(OtherRoot, ACommandDirectlyOnTheBarRedrawsItAndOneInAPopupDoesNot) {
    EXPECT_GE(bar_redraws([] { WMenuSetState(CMD_DIRECT, 1, 0); }), 1);
    EXPECT_TRUE(state(bar(), 1) & MF_GRAYED);
    EXPECT_EQ(bar_redraws([] { WMenuSetState(CMD_ONE, 1, 0); }), 0);
    EXPECT_EQ(bar_redraws([] { WMenuSetState(POP_DEEP, 1, 0); }), 0);
    EXPECT_TRUE(state(GetSubMenu(bar(), 0), 1) & MF_GRAYED);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(OtherRoot, AMenuWithoutATableKeepsThePreviousAndAMissingMenuChangesNothing) {
    int id = IDM_BARE;
    yymnroot_(id);
    EXPECT_EQ(id, IDM_BARE);
    EXPECT_EQ(GetMenuItemCount(bar()), 1);
    EXPECT_EQ(tess::tk().menus.rootTable.front(), POP_EXTRA);

    const HMENU before = tess::tk().menus.rootMenu;
    id = 999;
    yymnroot_(id);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(tess::tk().menus.rootMenu, before);
    EXPECT_EQ(GetMenu(frame), before);

    id = 0;
    yymnroot_(id);
    EXPECT_EQ(tess::tk().menus.rootMenu, nullptr);
    EXPECT_EQ(GetMenu(frame), nullptr);
    EXPECT_FALSE(IsMenu(before));
    WMenuSetState(CMD_BARE, 1, 0);
    EXPECT_EQ(InfoError(1), tess::ErrorMenuItem);
}

// Tables as the resource compiler would never write them.
TEST_F(MenuState, TablesCutShortOrWithEmptyPathsNameNothingBeyondTheirData) {
    tess::tk().menus.rootTable = {POP_FILE, 1, 0, POP_HELP, 3}; // no terminator after the last path
    EXPECT_EQ(yymnhpos(POP_HELP), 2);
    EXPECT_EQ(yymnhpos(POP_CALC), -1);
    tess::tk().menus.rootTable = {POP_CALC, 0, POP_HELP, 3, 0, 0}; // an empty path
    EXPECT_EQ(yymnhpos(POP_CALC), -1);
    EXPECT_EQ(yymnhpos(POP_HELP), 2);
    tess::tk().menus.rootTable = {0, POP_HELP, 3, 0}; // ends before any entry
    EXPECT_EQ(yymnhpos(POP_HELP), -1);
    tess::tk().menus.rootTable = {POP_HELP};
    EXPECT_EQ(yymnhpos(POP_HELP), -1);
}

} // namespace
