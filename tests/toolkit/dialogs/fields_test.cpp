// The field routines on a loaded dialog with one control of every kind (fields.rc).
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "dialogs/wfield.h"
#include "dialogs/dialog_table.h"
#include "toolkit/dialogs/field_ids.h"
#include "toolkit/windows/window_fixture.h"

namespace {

class Fields : public testtk::ToolkitWindows {
protected:
    void SetUp() override {
        ToolkitWindows::SetUp();
        open_root(500, 400);
        WDialogLoad(IDD_FIELDS);
        dialog = tess::current_dialog();
        ASSERT_NE(dialog, nullptr);
        for (const char* item : {"Alpha", "Beta", "Gamma"}) {
            int f = FLD_COMBO;
            yyfieldputmenu_(2, f, item);
            f = FLD_LIST;
            yyfieldputmenu_(1, f, item);
        }
        for (const char* item : {"a", "b", "c", "d", "e"}) {
            int f = FLD_MULTILIST;
            yyfieldputmenu_(1, f, item);
        }
        InfoError(1); // start from no recorded error
    }

    HWND item(int id) const { return GetDlgItem(dialog, id); }
    std::string text_of(int id) const {
        char buffer[256] = {};
        GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
        return buffer;
    }

    HWND dialog = nullptr;
};

// ---- reading texts

struct StringCase {
    const char* what;
    int field;
    std::size_t length; // of the variable
    std::string expected;
    int error;
};

TEST_F(Fields, GetStringCutsPadsAndReports) {
    SendDlgItemMessageA(dialog, FLD_COMBO, CB_SETCURSEL, 1, 0);
    const StringCase cases[] = {
        {"edit", FLD_EDIT, 6, "1.0   ", 0},
        {"two characters", FLD_EDIT, 2, "1.", 0},
        {"one character", FLD_EDIT, 1, "1", 0},
        {"static", FLD_TEXT, 10, "Statisch  ", 0},
        {"combo box selection", FLD_COMBO, 8, "Beta    ", 0},
        {"missing field", FLD_NO_SUCH, 4, "    ", 1006},
        {"empty memo", FLD_MEMO, 3, "   ", 0},
    };
    for (const auto& c : cases) {
        std::string variable(c.length, '#');
        WDialogGetString(c.field, variable);
        EXPECT_EQ(variable, c.expected) << c.what;
        EXPECT_EQ(InfoError(1), c.error) << c.what;
    }
}

TEST_F(Fields, TextLongerThanItsVariableOrField) {
    const std::string longText(1000, 'x');
    int f = FLD_EDIT;
    SendDlgItemMessageA(dialog, FLD_EDIT, EM_LIMITTEXT, 5, 0);
    yyfieldputtext_(f, longText.c_str());
    EXPECT_EQ(f, FLD_EDIT);
    std::string variable(12, ' ');
    WDialogGetString(FLD_EDIT, variable);
    EXPECT_EQ(variable, std::string(12, 'x'));
    int length = 0;
    yyfieldgetlength_(f, length);
    EXPECT_EQ(length, 1000); // the limit holds typing back, not the program
    char small[4] = {'?', '?', '?', '?'};
    yyfieldgetstring_(f, small, 4);
    EXPECT_STREQ(small, "xxx");
}

// ---- radio groups and check boxes

TEST_F(Fields, RadioGroups) {
    struct RadioCase {
        const char* what;
        int checkFirst; // 0: none
        int field;
        int position;
        int error;
    };
    const RadioCase cases[] = {
        {"first of three", FLD_PLUS, FLD_PLUS, 1, 0},
        {"asked through another member", FLD_PLUS, FLD_TIMES, 1, 0},
        {"second", FLD_MINUS, FLD_PLUS, 2, 0},
        {"third", FLD_TIMES, FLD_MINUS, 3, 0},
        {"none checked", 0, FLD_EAST, -999, 1010},
        {"check box", 0, FLD_CHECK, 0, 1006},
        {"missing", 0, FLD_NO_SUCH, 0, 1006},
        {"push button", 0, FLD_PUSH, 0, 1006},
    };
    for (const auto& c : cases) {
        if (c.checkFirst) {
            int f = c.checkFirst;
            yyfieldputradio_(f);
            ASSERT_EQ(f, c.checkFirst) << c.what;
        }
        int position = 12345;
        WDialogGetRadioButton(c.field, position);
        EXPECT_EQ(position, c.position) << c.what;
        EXPECT_EQ(InfoError(1), c.error) << c.what;
    }
    // Setting one unchecks the rest of its group only.
    int f = FLD_EAST;
    yyfieldputradio_(f);
    EXPECT_EQ(IsDlgButtonChecked(dialog, FLD_TIMES), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, FLD_EAST), BST_CHECKED);
    int first = 0, last = 0;
    yyfieldgroup(FLD_MINUS, first, last);
    EXPECT_EQ(first, FLD_PLUS);
    EXPECT_EQ(last, FLD_TIMES);
    f = FLD_CHECK;
    yyfieldputradio_(f);
    EXPECT_EQ(f, -1);
}

TEST_F(Fields, CheckBoxAndClearing) {
    int f = FLD_CHECK, state = -5;
    yyfieldputcheck_(f, 1);
    yyfieldgetcheck_(f, state);
    EXPECT_EQ(state, 1);
    f = FLD_PLUS;
    yyfieldputradio_(f);
    struct ClearCase {
        int field;
        std::string text; // afterwards
        UINT check;       // afterwards, for buttons
    };
    const ClearCase cases[] = {
        {FLD_EDIT, "", 0},
        {FLD_TEXT, "", 0},
        {FLD_PUSH, "", 0},
        {FLD_CHECK, "Merken", BST_UNCHECKED},
        {FLD_MINUS, "-", BST_UNCHECKED},
        {FLD_GROUPBOX, "", 0},
    };
    for (const auto& c : cases) {
        f = c.field;
        yyfieldclear_(f);
        EXPECT_EQ(f, c.field);
        EXPECT_EQ(text_of(c.field), c.text) << c.field;
        EXPECT_EQ(IsDlgButtonChecked(dialog, c.field), c.check) << c.field;
    }
    EXPECT_EQ(IsDlgButtonChecked(dialog, FLD_PLUS), BST_UNCHECKED); // the whole group
    f = FLD_COMBO;
    yyfieldclear_(f);
    EXPECT_EQ(SendDlgItemMessageA(dialog, FLD_COMBO, CB_GETCOUNT, 0, 0), 0);
}

// ---- combo boxes and lists

TEST_F(Fields, ComboReading) {
    struct ComboCase {
        const char* what;
        int field;
        const char* put;   // through yyfieldputcombo_, or null
        const char* typed; // as the user's text, or null
        int index;
        const char* text;
    };
    const ComboCase cases[] = {
        {"item chosen", FLD_COMBO, "Beta", nullptr, 2, "Beta"},
        {"text matching no item", FLD_COMBO, "Delta", nullptr, 0, "Delta"},
        {"typed text naming an item", FLD_COMBO, nullptr, "Gamma", 3, "Gamma"},
        {"empty drop-down list", FLD_DROPLIST, nullptr, nullptr, -999, ""},
        {"missing", FLD_NO_SUCH, nullptr, nullptr, -999, ""},
    };
    for (const auto& c : cases) {
        int f = c.field;
        if (c.put) yyfieldputcombo_(f, c.put);
        if (c.typed) {
            SendDlgItemMessageA(dialog, c.field, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            SetDlgItemTextA(dialog, c.field, c.typed);
        }
        int index = 12345;
        char buffer[16] = "stale";
        yyfieldgetcombo_(f, index, buffer, sizeof buffer);
        EXPECT_EQ(index, c.index) << c.what;
        EXPECT_STREQ(buffer, c.text) << c.what;
    }
}

TEST_F(Fields, ListsAndOptions) {
    int f = FLD_LIST, index = 0;
    char buffer[3] = "zz";
    yyfieldgetlist_(f, index, buffer, sizeof buffer);
    EXPECT_EQ(index, -999);
    EXPECT_STREQ(buffer, "zz"); // left as it was
    yyfieldputoption_(1, f, 2);
    EXPECT_EQ(f, FLD_LIST);
    yyfieldgetlist_(f, index, buffer, sizeof buffer);
    EXPECT_EQ(index, 3);
    EXPECT_STREQ(buffer, "Ga"); // cut to the buffer
    yyfieldputoption_(1, f, -1);
    EXPECT_EQ(f, -1); // none selected is reported as a failure
    f = FLD_DROPLIST;
    yyfieldputoption_(2, f, 0);
    EXPECT_EQ(f, -1); // no items

    struct TypeCase {
        int field;
        int type; // -1: not a menu field
    };
    const TypeCase types[] = {{FLD_LIST, 1},      {FLD_DROPLIST, 2}, {FLD_COMBO, 3},
                              {FLD_MULTILIST, 4}, {FLD_EDIT, -1},    {FLD_NO_SUCH, -1}};
    for (const auto& t : types) {
        int g = t.field, type = 0;
        yygetmenutype_(g, type);
        EXPECT_EQ(t.type == -1 ? g : type, t.type) << t.field;
    }

    f = FLD_MULTILIST;
    int count = 0;
    yygetoptioncount_(f, count);
    EXPECT_EQ(count, 5);
    yyfieldputopt2_(f, 1, 2, 1);
    // A last index far beyond the items ends at the last item.
    yyfieldputopt2_(f, 3, 2000000000, 1);
    yyfieldputopt_(f, 2, 0);
    const int expected[] = {0, 1, 0, 1, 1};
    for (int i = 0; i < 5; ++i) {
        int state = -1;
        yyfieldgetopt_(f, i, state);
        EXPECT_EQ(state, expected[i]) << i;
    }
}

// ---- kinds, states, positions

TEST_F(Fields, Kinds) {
    const std::pair<int, int> kinds[] = {
        {FLD_EDIT, 4},     {FLD_TEXT, 1},  {FLD_COMBO, 11},   {FLD_DROPLIST, 11}, {FLD_PLUS, 10},
        {FLD_CHECK, 9},    {FLD_LIST, 12}, {FLD_TRACK, 16},   {FLD_PROGRESS, 14}, {FLD_RIGHT, 2},
        {FLD_GROUPBOX, 3}, {FLD_MEMO, 4},  {FLD_NOPREFIX, 2}, {FLD_PUSH, 8},      {1, 8},
        {FLD_TAB, 13},
    };
    for (const auto& [field, kind] : kinds) {
        int f = field, k = -1;
        yygetfieldtype_(f, k);
        EXPECT_EQ(k, kind) << field;
        EXPECT_EQ(f, field);
    }
    int f = FLD_NO_SUCH, k = 77;
    yygetfieldtype_(f, k);
    EXPECT_EQ(f, -1);
    EXPECT_EQ(k, 77);
}

TEST_F(Fields, EnableStates) {
    struct StateCase {
        int field;
        int set;
        int state;
        bool enabled;
    };
    const StateCase cases[] = {
        {FLD_EDIT, 2, 2, true},   {FLD_EDIT, 1, 1, true},  {FLD_EDIT, 0, 0, false},
        {FLD_CHECK, 2, 0, false}, {FLD_CHECK, 1, 1, true}, {FLD_TEXT, 0, 0, false},
    };
    for (const auto& c : cases) {
        int f = c.field, state = -1;
        yyfieldenable_(f, c.set);
        yygetfieldstate_(f, state);
        EXPECT_EQ(state, c.state) << c.field << " " << c.set;
        EXPECT_EQ(IsWindowEnabled(item(c.field)) != 0, c.enabled) << c.field << " " << c.set;
    }
}

TEST_F(Fields, PositionsInTheDialog) {
    RECT r{4, 4, 64, 16}; // the edit field's template rectangle
    MapDialogRect(dialog, &r);
    int f = FLD_EDIT, x = 0, y = 0, w = 0, h = 0;
    yygetfieldinfo_(f, x, y, w, h, 0);
    EXPECT_EQ(x, r.left);
    EXPECT_EQ(y, r.top);
    EXPECT_EQ(w, r.right - r.left);
    EXPECT_EQ(h, r.bottom - r.top);
    int cx = 0, cy = 0, cw = 0, ch = 0;
    yygetfieldinfo_(f, cx, cy, cw, ch, 1); // inside the border
    EXPECT_GT(cx, x);
    EXPECT_LT(cw, w);
    EXPECT_EQ(cx - x, x + w - (cx + cw));
}

// ---- ranges, trackbars, progress bars

TEST_F(Fields, RangeChecks) {
    struct RangeCase {
        bool setRange;
        double lower, upper, value;
        int result; // f afterwards
    };
    const RangeCase cases[] = {
        {false, 0, 0, -1.0e300, FLD_EDIT}, // never set: everything goes
        {true, 0, 10, 0, FLD_EDIT},        {true, 0, 10, 10, FLD_EDIT},
        {true, 0, 10, 10.000001, -2},      {true, 0, 10, -0.0000001, -2},
        {true, 5, 1, 1000, FLD_EDIT}, // lower above upper: no range
    };
    for (const auto& c : cases) {
        int f = FLD_EDIT;
        if (c.setRange) yyfieldrange_(f, c.lower, c.upper);
        yyfieldrangecheck_(f, c.value);
        EXPECT_EQ(f, c.result) << c.lower << ".." << c.upper << " " << c.value;
    }
}

TEST_F(Fields, TrackbarAndProgress) {
    int f = FLD_TRACK, pos = 0, start = 0, end = 0;
    yyrangetrack_(f, 0, 50, 10);
    yyfieldputtrack_(f, 20, 5, 15, 0);
    yyfieldgettrack_(f, pos, start, end);
    EXPECT_EQ(f, FLD_TRACK);
    EXPECT_EQ(pos, 20);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 15);
    yyfieldputtrack_(f, 60, 0, 0, 2); // beyond the range; selection cleared
    yyfieldgettrack_(f, pos, start, end);
    EXPECT_EQ(pos, 50);
    EXPECT_EQ(start, -999);
    EXPECT_EQ(end, -999);
    yyfieldtrackstep_(f, 3, 0);
    EXPECT_EQ(SendMessageA(item(FLD_TRACK), TBM_GETPAGESIZE, 0, 0), 3);

    f = FLD_PROGRESS;
    yyrangeprogress_(f, 0, 200);
    yyfieldputprogress_(f, 40, 0);
    yyfieldputprogress_(f, 15, 1);
    EXPECT_EQ(SendMessageA(item(FLD_PROGRESS), PBM_GETPOS, 0, 0), 55);

    struct WrongCase {
        void (*call)(int&);
    };
    const WrongCase wrong[] = {
        {[](int& g) {
            int a, b, c;
            yyfieldgettrack_(g, a, b, c);
        }},
        {[](int& g) { yyfieldputtrack_(g, 1, 1, 1, 0); }},
        {[](int& g) { yyrangetrack_(g, 0, 1, 0); }},
        {[](int& g) { yyfieldtrackstep_(g, 1, 1); }},
        {[](int& g) { yyfieldputprogress_(g, 1, 0); }},
        {[](int& g) { yyrangeprogress_(g, 0, 1); }},
    };
    for (const auto& w : wrong) {
        int g = FLD_EDIT;
        w.call(g);
        EXPECT_EQ(g, -1);
    }
}

// ---- colours, tab stops, images

TEST_F(Fields, Colours) {
    struct ColourCase {
        int fr, fg, fb, br, bg, bb;
        COLORREF foreground, background;
    };
    const ColourCase cases[] = {
        {255, 0, 0, 0, 0, 255, RGB(255, 0, 0), RGB(0, 0, 255)},
        {-1, 9, 9, 256, 0, 0, RGB(255, 0, 0), CLR_INVALID},    // kept; system default
        {256, 0, 0, 300, 2, -1, CLR_INVALID, RGB(44, 2, 255)}, // components modulo 256
    };
    for (const auto& c : cases) {
        int f = FLD_TEXT;
        yyfieldcolour_(f, c.fr, c.fg, c.fb, c.br, c.bg, c.bb);
        const tess::FieldRecord* record = tess::field_record(item(FLD_TEXT));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(static_cast<COLORREF>(record->Foreground), c.foreground);
        EXPECT_EQ(static_cast<COLORREF>(record->Background), c.background);
    }
}

TEST_F(Fields, TabStops) {
    const int stops[] = {10, 40, 80};
    struct TabCase {
        int field;
        int result;
    };
    const TabCase cases[] = {{FLD_MEMO, FLD_MEMO},
                             {FLD_LIST, FLD_LIST},
                             {FLD_EDIT, -1},
                             {FLD_COMBO, -1},
                             {FLD_NO_SUCH, -1}};
    for (const auto& c : cases) {
        int f = c.field;
        yydialogtabstops_(f, stops, 3);
        EXPECT_EQ(f, c.result) << c.field;
        if (c.result == -1) continue;
        const tess::FieldRecord* record = tess::field_record(item(c.field));
        EXPECT_EQ(record->TabCount, 3);
        EXPECT_EQ(std::vector<int>(record->TabStops.begin(), record->TabStops.end()),
                  std::vector<int>(stops, stops + 3));
    }
}

TEST_F(Fields, Images) {
    struct ImageCase {
        const char* what;
        int field;
        int image;
        int result;
        LONG_PTR typeMask, type; // of the style afterwards
    };
    const ImageCase cases[] = {
        {"no such image", FLD_IMAGE, 397, -2, SS_TYPEMASK, SS_LEFT},
        {"bitmap on a static", FLD_IMAGE, FLD_PICTURE, FLD_IMAGE, SS_TYPEMASK, SS_BITMAP},
        {"bitmap on a button", FLD_PUSH, FLD_PICTURE, FLD_PUSH, BS_BITMAP | BS_ICON, BS_BITMAP},
        {"edit field", FLD_EDIT, FLD_PICTURE, -1, 0, 0},
        {"missing field", FLD_NO_SUCH, FLD_PICTURE, -1, 0, 0},
    };
    for (const auto& c : cases) {
        int f = c.field;
        yyfieldimage_(f, c.image, 1);
        EXPECT_EQ(f, c.result) << c.what;
        if (c.typeMask) {
            EXPECT_EQ(GetWindowLongPtrA(item(c.field), GWL_STYLE) & c.typeMask, c.type) << c.what;
        }
    }
}

TEST_F(Fields, TransparentBitmapTakesTheButtonFace) {
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, MAKEINTRESOURCEA(FLD_PICTURE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    ASSERT_NE(bitmap, nullptr);
    yymakebitmaptransparent(bitmap);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inner = x >= 2 && x < 6 && y >= 2 && y < 6;
            EXPECT_EQ(GetPixel(dc, x, y), inner ? RGB(255, 0, 0) : face) << x << "," << y;
        }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

// ---- bad identifiers and no current dialog

using FieldCall = void (*)(int&);
const FieldCall EveryReportingRoutine[] = {
    [](int& f) {
        char b[4];
        yyfieldgetstring_(f, b, 4);
    },
    [](int& f) { yyfieldputtext_(f, "x"); },
    [](int& f) {
        int n;
        yyfieldgetlength_(f, n);
    },
    [](int& f) { yyfieldputcheck_(f, 1); },
    [](int& f) {
        int p;
        yyfieldgetradio_(f, p);
    },
    [](int& f) { yyfieldputradio_(f); },
    [](int& f) {
        int t;
        yygetmenutype_(f, t);
    },
    [](int& f) { yyfieldputoption_(1, f, 0); },
    [](int& f) { yyfieldenable_(f, 1); },
    [](int& f) {
        int s;
        yygetfieldstate_(f, s);
    },
    [](int& f) {
        int k;
        yygetfieldtype_(f, k);
    },
    [](int& f) {
        int a, b, c, d;
        yygetfieldinfo_(f, a, b, c, d, 0);
    },
    [](int& f) { yyfieldimage_(f, FLD_PICTURE, 1); },
    [](int& f) { yyfieldcolour_(f, 1, 2, 3, 4, 5, 6); },
    [](int& f) { yyfieldrange_(f, 0, 1); },
    [](int& f) { yyfieldrangecheck_(f, 0.5); },
    [](int& f) { yyfieldspinstep_(f, 1, 2); },
    [](int& f) {
        const int s[] = {8};
        yydialogtabstops_(f, s, 1);
    },
};

TEST_F(Fields, MissingFieldsGiveMinusOne) {
    for (std::size_t i = 0; i < std::size(EveryReportingRoutine); ++i) {
        for (int id : {FLD_NO_SUCH, 0, -5, 70000}) {
            int f = id;
            EveryReportingRoutine[i](f);
            EXPECT_EQ(f, -1) << "routine " << i << " field " << id;
        }
    }
}

TEST_F(Fields, SpinStepsNeedASpinControl) {
    int f = FLD_EDIT;
    yyfieldspinstep_(f, 1, 5);
    EXPECT_EQ(f, -1);
}

// After an unload the public record may still name the dialog; nothing is touched then.
TEST_F(Fields, NoCurrentDialogActsOnNothing) {
    const std::string before = text_of(FLD_EDIT);
    WDialogUnload();
    ASSERT_EQ(tess::current_dialog(), nullptr);
    for (std::size_t i = 0; i < std::size(EveryReportingRoutine); ++i) {
        int f = FLD_EDIT;
        EveryReportingRoutine[i](f);
        EXPECT_EQ(f, -1) << "routine " << i;
    }
    std::string variable = "kept";
    WDialogGetString(FLD_EDIT, variable);
    EXPECT_EQ(variable, "kept");
    EXPECT_EQ(InfoError(1), 1005);
    int position = 7;
    WDialogGetRadioButton(FLD_PLUS, position);
    EXPECT_EQ(position, 7);
    EXPECT_EQ(InfoError(1), 1005);
}

} // namespace
