// Item texts, inserting and deleting items of the root menu.
#include "menu_fixture.h"

using namespace menutest;

namespace {

using MenuItems = MenuTest;

std::vector<UINT> ids_of(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        ids.push_back(GetMenuItemID(menu, i));
    return ids;
}

TEST_F(MenuItems, ANewTextForACommandKeepsItsStates) {
    WMenuSetState(CMD_SAVE, 1, 0);
    WMenuSetState(CMD_SAVE, 2, 1);
    int id = CMD_SAVE;
    const int redraws = bar_redraws([&] { yymntext_(id, "&Sichern"); });
    EXPECT_EQ(id, CMD_SAVE);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(text(file(), 1), "&Sichern");
    EXPECT_EQ(GetMenuItemID(file(), 1), static_cast<UINT>(CMD_SAVE));
    EXPECT_TRUE(state(file(), 1) & MF_GRAYED);
    EXPECT_TRUE(state(file(), 1) & MF_CHECKED);
}

TEST_F(MenuItems, ANewTextForAPopupKeepsItsItemsAndRedrawsTheBar) {
    const HMENU help = GetSubMenu(bar(), 2);
    WMenuSetState(POP_HELP, 1, 0);
    int id = POP_HELP;
    const int redraws = bar_redraws([&] { yymntext_(id, "&Hilfe!"); });
    EXPECT_EQ(id, POP_HELP);
    EXPECT_GE(redraws, 1);
    EXPECT_EQ(text(bar(), 2), "&Hilfe!");
    EXPECT_EQ(GetSubMenu(bar(), 2), help);
    EXPECT_EQ(GetMenuItemCount(help), 1);
    EXPECT_TRUE(state(bar(), 2) & MF_GRAYED);

    id = 12345;
    yymntext_(id, "nichts");
    EXPECT_EQ(id, -1);
}

TEST_F(MenuItems, DeletingRemovesTheCommandOnceWhereverItIs) {
    int id = CMD_END;
    yymndel_(id);
    EXPECT_EQ(id, CMD_END);
    EXPECT_EQ(ids_of(file()), (std::vector<UINT>{CMD_LOAD, CMD_SAVE, 0}));
    yymndel_(id);
    EXPECT_EQ(id, -1);
    // Pop-ups have no command identifier, so their table identifier deletes nothing.
    id = POP_CALC;
    yymndel_(id);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(GetMenuItemCount(bar()), 3);
}

TEST_F(MenuItems, InsertingBeforeAfterAndBeyondTheEndOfThePopup) {
    int ref = CMD_SAVE;
    yymnins_(ref, 1, 47001, "Vorher");
    EXPECT_EQ(ref, 1);
    ref = CMD_SAVE;
    yymnins_(ref, 2, 47002, "Nachher");
    EXPECT_EQ(ref, 2);
    ref = CMD_LOAD;
    yymnins_(ref, 40, 47003, "Am Ende");
    EXPECT_EQ(ref, 0);
    ref = CMD_LOAD;
    yymnins_(ref, 2, 0, nullptr);
    EXPECT_EQ(ids_of(file()),
              (std::vector<UINT>{CMD_LOAD, 0, 47001, CMD_SAVE, 47002, 0, CMD_END, 47003}));
    EXPECT_EQ(text(file(), 2), "Vorher");
    EXPECT_EQ(text(file(), 7), "Am Ende");
    EXPECT_TRUE(state(file(), 1) & MF_SEPARATOR);

    ref = 12345;
    yymnins_(ref, 1, 47004, "nichts");
    EXPECT_EQ(ref, -1);
    ref = POP_FILE; // a pop-up is no reference
    yymnins_(ref, 1, 47004, "nichts");
    EXPECT_EQ(ref, -1);
    EXPECT_EQ(GetMenuItemCount(file()), 8);
}

TEST_F(MenuItems, InsertingOnTheBarRedrawsIt) {
    int id = IDM_OTHER;
    yymnroot_(id);
    int ref = CMD_DIRECT;
    const int redraws = bar_redraws([&] { yymnins_(ref, 2, 47010, "&Neu"); });
    EXPECT_EQ(ref, 1);
    EXPECT_GE(redraws, 1);
    EXPECT_EQ(GetMenuItemID(bar(), 2), 47010u);
    // Deleting it from the bar redraws the bar too.
    id = 47010;
    EXPECT_GE(bar_redraws([&] { yymndel_(id); }), 1);
    EXPECT_EQ(GetMenuItemCount(bar()), 2);
}

TEST_F(MenuItems, PositionsAreFoundInNestedPopups) {
    int id = IDM_OTHER;
    yymnroot_(id);
    HMENU holder = nullptr;
    EXPECT_EQ(yymngetpos(bar(), CMD_TWO, &holder), 0);
    EXPECT_EQ(holder, GetSubMenu(GetSubMenu(bar(), 0), 1));
    EXPECT_EQ(yymngetpos(bar(), CMD_DIRECT, &holder), 1);
    EXPECT_EQ(holder, bar());
    EXPECT_EQ(yymngetpos(bar(), 12345, &holder), -1);
}

} // namespace
