// The translator's dialog codes: each field of the event record, from a dialog record.
#include "core/wwndproc.h"
#include "dialog_fixture.h"

namespace dlgtest {
namespace {

using TranslateTest = DialogTest;

struct Expected {
    int type, win, value1, value2, value3, value4, x, y;
};

TEST_F(TranslateTest, DialogCodes) {
    const HWND d = load(DLG_PLAIN);
    yyenablemessage_(tess::EventMouseMove, 1);
    yyenablemessage_(tess::EventButtonUp, 1);
    yyenablemessage_(tess::EventFieldFocus, 1);
    tess::DialogRecord& r = record(1);
    r.PreviousField = 11;
    r.CurrentField = 12;
    r.MouseButton = 3;
    r.GraphicsField = 13;
    r.LastFieldHandle = reinterpret_cast<HWND>(static_cast<std::intptr_t>(4321));
    const WPARAM command = MAKEWPARAM(IDOK, 0);
    const LPARAM control = 777, at = MAKELPARAM(30, 40);
    struct Row {
        int code;
        WPARAM p1;
        LPARAM p2;
        Expected e;
    };
    const int id = DLG_PLAIN;
    for (const Row& row : {
             Row{tess::CodeDialogCommand, command, control, {3, id, IDOK, 11, -1, -1, -1, -1}},
             Row{tess::CodeFieldFocus, 0, control, {10, id, 11, 12, -1, -1, 4321, 777}},
             Row{tess::CodeFieldButtonDown, 0, at, {4, id, 3, -2, 1, 13, 30, 40}},
             Row{tess::CodeFieldButtonUp, 0, at, {5, id, 3, -2, 1, 13, 30, 40}},
             Row{tess::CodeFieldMouseMove, 0, at, {6, id, -1, -2, 1, 13, 30, 40}},
             Row{tess::CodeFieldRedraw, 0, at, {7, id, -1, -1, 1, 13, -1, -1}},
         }) {
        SCOPED_TRACE(row.code);
        ASSERT_TRUE(tess::interpret(row.code, 1, row.p1, row.p2, d));
        const tess::CoreEvents& e = tess::tk().events;
        EXPECT_EQ(e.wMessageType, row.e.type);
        EXPECT_EQ(e.wMessageWin, row.e.win);
        EXPECT_EQ(e.wMessageValue1, row.e.value1);
        // -2 stands for the message time in units of 10 ms.
        EXPECT_EQ(e.wMessageValue2, row.e.value2 == -2 ? e.wMessageTime / 10 : row.e.value2);
        EXPECT_EQ(e.wMessageValue3, row.e.value3);
        EXPECT_EQ(e.wMessageValue4, row.e.value4);
        EXPECT_EQ(e.wMessageX, row.e.x);
        EXPECT_EQ(e.wMessageY, row.e.y);
    }
    // The field-focus event handed its control on as the next one's X.
    EXPECT_EQ(r.LastFieldHandle, reinterpret_cast<HWND>(control));
    yyenablemessage_(tess::EventMouseMove, 0);
    yyenablemessage_(tess::EventButtonUp, 0);
    yyenablemessage_(tess::EventFieldFocus, 0);
}

TEST_F(TranslateTest, DisabledCodesWriteNothing) {
    const HWND d = load(DLG_PLAIN);
    record(1).LastFieldHandle = nullptr;
    EXPECT_FALSE(tess::interpret(tess::CodeFieldFocus, 1, 0, 99, d));
    EXPECT_FALSE(tess::interpret(tess::CodeFieldMouseMove, 1, 0, 0, d));
    EXPECT_EQ(record(1).LastFieldHandle, nullptr);
}

TEST_F(TranslateTest, QueriesOfTheCurrentDialog) {
    const HWND d = load(DLG_PLAIN);
    record(1).CurrentField = 5;
    record(1).PreviousField = 6;
    table().iDlgAct = 7;
    for (auto [selector, expected] : {std::pair{1, 5}, {2, 6}, {3, 7}, {0, 0}, {4, 0}}) {
        int result = -9;
        yywinfodialog_(selector, result);
        EXPECT_EQ(result, expected) << selector;
    }
    RECT units{0, 0, 4, 8};
    MapDialogRect(d, &units);
    int x = 0, y = 0;
    yygetdlgfactor_(x, y);
    EXPECT_EQ(x, units.right);
    EXPECT_EQ(y, units.bottom);
    EXPECT_GT(x, 0);
}

// A dialog without caption shown as a tab page: its title labels the tab items that carry its
// identifier.
TEST_F(TranslateTest, TitleOfAPageLabelsItsTabs) {
    const HWND all = load(DLG_ALL);
    const HWND tab = item(all, ID_TAB);
    for (int i = 0; i < 2; ++i) {
        TCITEMA t{};
        t.mask = TCIF_TEXT | TCIF_PARAM;
        t.pszText = const_cast<char*>("alt");
        t.lParam = i == 0 ? DLG_PAGE : DLG_CHILD;
        SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&t));
    }
    load(DLG_PAGE);
    WDialogTitle("Seite");
    char buffer[32] = {};
    for (auto [i, expected] : {std::pair{0, "Seite"}, {1, "alt"}}) {
        TCITEMA t{};
        t.mask = TCIF_TEXT;
        t.pszText = buffer;
        t.cchTextMax = sizeof buffer;
        SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&t));
        EXPECT_STREQ(buffer, expected) << i;
    }
}

} // namespace
} // namespace dlgtest
