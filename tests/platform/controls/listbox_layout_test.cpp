// "LISTBOX" layout: columns at LB_SETTABSTOPS's stops (dialog units in a dialog, quarters of the
// average character width elsewhere), the height cut to whole rows unless
// LBS_NOINTEGRALHEIGHT, and LBN_SELCANCEL when the user leaves nothing selected.
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "controls_fixture.h"

namespace ctltest {
namespace {

constexpr int Id = 72;
constexpr int TextIndent = 2; // where a row's text starts

class ListBoxLayoutTest : public ControlsTest {
protected:
    HWND list(HWND parent, DWORD style, RECT r, std::initializer_list<const char*> items) {
        const HWND lb = control(parent, "LISTBOX", "", style, r, Id);
        for (const char* s : items)
            SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        pump();
        return lb;
    }
    // A modeless dialog of 8-point "MS Shell Dlg", without items, to hold a list.
    HWND dialog() {
        // style, extended style, no items, x, y, cx, cy, no menu, the dialog class, no
        // title, the point size and the face.
        const DWORD style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
        std::vector<WORD> t = {LOWORD(style), HIWORD(style), 0, 0, 0, 0, 0, 200, 120, 0, 0, 0, 8};
        for (char c : std::string("MS Shell Dlg"))
            t.push_back(static_cast<WORD>(c));
        t.push_back(0);
        const HWND d = CreateDialogIndirectParamA(
            nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        pump();
        return d;
    }
    int average_width() {
        HDC hdc = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(hdc, GetStockObject(SYSTEM_FONT));
        TEXTMETRICA tm{};
        GetTextMetricsA(hdc, &tm);
        SelectObject(hdc, old);
        ReleaseDC(nullptr, hdc);
        return tm.tmAveCharWidth;
    }
    // The leftmost column in [from, to) of a row that is not the list's background.
    int first_ink(HWND lb, int row, int from, int to) {
        RECT r{};
        SendMessageA(lb, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        for (int x = from; x < to; ++x)
            for (int y = r.top; y < r.bottom; ++y)
                if (pixel(lb, x, y) != colour(COLOR_WINDOW)) return x;
        return -1;
    }
    std::vector<WORD> codes() const {
        std::vector<WORD> out;
        for (WPARAM w : frame_log().commands)
            if (LOWORD(w) == Id) out.push_back(HIWORD(w));
        return out;
    }
};

// Each column starts at the same pixel in every row, whatever the first column holds, and that
// is the stop give or take a glyph's side bearing.
TEST_F(ListBoxLayoutTest, TabStopsLineUpTheColumns) {
    const int ave = average_width();
    struct Row {
        const char* name;
        std::vector<INT> units; // sent with LB_SETTABSTOPS; empty: the default stops
        bool inDialog;
        std::array<int, 2> stopUnits; // where the second and third columns start
    };
    const Row rows[] = {
        {"default", {}, false, {32, 64}},
        {"one value repeats", {40}, false, {40, 80}},
        {"listed", {30, 100}, false, {30, 100}},
        {"in a dialog", {30, 100}, true, {30, 100}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const HWND parent = row.inDialog ? dialog() : frame();
        const HWND lb = list(parent, LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, RECT{5, 5, 395, 105},
                             {"a\tX1\tX5", "iii\tX2\tX6", "mm\tX3\tX7"});
        if (!row.units.empty()) {
            EXPECT_EQ(SendMessageA(lb, LB_SETTABSTOPS, row.units.size(),
                                   reinterpret_cast<LPARAM>(row.units.data())),
                      TRUE);
        }
        pump();
        std::array<int, 2> expected{};
        for (std::size_t c = 0; c < 2; ++c) {
            RECT mapped{row.stopUnits[c], 0, 0, 0};
            if (!row.inDialog || !MapDialogRect(parent, &mapped))
                mapped.left = row.stopUnits[c] * ave / 4;
            expected[c] = TextIndent + mapped.left;
        }
        for (std::size_t c = 0; c < 2; ++c) {
            const int from = expected[c] - 1, to = c == 0 ? expected[1] - 1 : 390;
            const int first = first_ink(lb, 0, from, to);
            EXPECT_NEAR(first, expected[c], 2) << "column " << c + 1;
            for (int item = 1; item < 3; ++item)
                EXPECT_EQ(first_ink(lb, item, from, to), first) << "row " << item;
        }
        // Saved to be looked at.
        const char* dir = std::getenv("TESS_PNG_DIR");
        const std::string folder = dir ? dir : std::filesystem::temp_directory_path().string();
        EXPECT_TRUE(screen->save_window_png(parent, folder + "/listbox_tabs_" +
                                                        std::to_string(&row - rows) + ".png"));
        DestroyWindow(row.inDialog ? parent : lb);
    }
}

TEST_F(ListBoxLayoutTest, SetTabStopsAnswers) {
    const HWND f = frame();
    const HWND plain = list(f, 0, RECT{5, 5, 100, 100}, {});
    const HWND tabbed = list(f, LBS_USETABSTOPS, RECT{105, 5, 200, 100}, {});
    const INT stops[] = {10, 20};
    struct Row {
        HWND lb;
        WPARAM count;
        const INT* stops;
        LRESULT answer;
    };
    const Row rows[] = {
        {plain, 2, stops, FALSE}, // the list must have LBS_USETABSTOPS
        {tabbed, 2, stops, TRUE},         {tabbed, 0, nullptr, TRUE}, // back to the default
        {tabbed, 3, nullptr, FALSE},                                  // a count without stops
        {tabbed, 1u << 20, stops, FALSE}, // more stops than any list uses
    };
    for (const Row& r : rows)
        EXPECT_EQ(SendMessageA(r.lb, LB_SETTABSTOPS, r.count, reinterpret_cast<LPARAM>(r.stops)),
                  r.answer)
            << r.count;
}

// Without LBS_NOINTEGRALHEIGHT the list is cut to whole rows when it is made, resized and
// given a new font; with it the list keeps the height it was given. The presented image shows
// the bottom border where the list now ends, and the parent below it.
TEST_F(ListBoxLayoutTest, IntegralHeightCutsToWholeRows) {
    const HWND f = frame();
    const HFONT big =
        CreateFontA(-23, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    struct Row {
        DWORD style;
        int height; // asked for, the one-pixel border included
        bool cut;
    };
    const Row rows[] = {
        {WS_BORDER, 121, true},
        {WS_BORDER | LBS_NOINTEGRALHEIGHT, 121, false},
        {WS_BORDER | WS_VSCROLL, 97, true},
        {WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 97, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        const HWND lb = list(f, row.style, RECT{10, 10, 150, 10 + row.height}, {"a", "b", "c"});
        // Checks the client height against the rows and what the user sees at the bottom.
        const auto check = [&](int asked, const char* when) {
            RECT client, window;
            GetClientRect(lb, &client);
            GetWindowRect(lb, &window);
            const auto h = static_cast<int>(SendMessageA(lb, LB_GETITEMHEIGHT, 0, 0));
            const int wanted = asked - 2;
            if (row.cut) {
                EXPECT_EQ(client.bottom % h, 0) << when;
                EXPECT_GT(client.bottom, wanted - h) << when;
                EXPECT_LE(client.bottom, wanted) << when;
            } else {
                EXPECT_EQ(client.bottom, wanted) << when;
            }
            const int end = 10 + static_cast<int>(window.bottom - window.top);
            EXPECT_NE(pixel(f, 60, end - 1), colour(COLOR_WINDOW)) << when << ": the border";
            EXPECT_EQ(pixel(f, 60, end), colour(COLOR_WINDOW)) << when << ": the parent";
        };
        check(row.height, "made");
        SetWindowPos(lb, nullptr, 0, 0, 140, row.height + 13, SWP_NOMOVE | SWP_NOZORDER);
        pump();
        check(row.height + 13, "resized");
        RECT window;
        GetWindowRect(lb, &window);
        SendMessageA(lb, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
        pump();
        check(static_cast<int>(window.bottom - window.top), "new font");
        DestroyWindow(lb);
        pump();
    }
    DeleteObject(big);
}

// LBN_SELCANCEL follows LBN_SELCHANGE when the user's click leaves nothing selected; only with
// LBS_NOTIFY, and never for the program's own messages.
TEST_F(ListBoxLayoutTest, SelCancelWhenTheUserClearsTheSelection) {
    struct Row {
        const char* name;
        DWORD style;
        int modifier; // held for the second click
        std::vector<WORD> expected;
    };
    const Row rows[] = {
        {"multiple",
         LBS_MULTIPLESEL | LBS_NOTIFY,
         0,
         {LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCANCEL}},
        {"extended, Ctrl",
         LBS_EXTENDEDSEL | LBS_NOTIFY,
         VK_CONTROL,
         {LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCANCEL}},
        {"single", LBS_NOTIFY, 0, {LBN_SETFOCUS, LBN_SELCHANGE}},
        {"multiple, quiet", LBS_MULTIPLESEL, 0, {LBN_SETFOCUS}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const HWND f = frame();
        const HWND lb = list(f, row.style, RECT{10, 10, 160, 130}, {"a", "b", "c"});
        frame_log().commands.clear();
        for (int modifier : {0, row.modifier}) {
            RECT r{};
            SendMessageA(lb, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
            const POINT p = screen_point(lb, 20, (r.top + r.bottom) / 2);
            if (modifier) plat::inject_key(modifier, 0, true);
            plat::inject_mouse_move(p);
            plat::inject_mouse(p, 0, true);
            plat::inject_mouse(p, 0, false);
            if (modifier) plat::inject_key(modifier, 0, false);
            pump();
            plat::advance_clock(1000); // no double click
        }
        // The program clearing the selection says nothing.
        SendMessageA(lb, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SendMessageA(lb, LB_SETSEL, FALSE, -1);
        EXPECT_EQ(codes(), row.expected);
        DestroyWindow(f);
    }
}

} // namespace
} // namespace ctltest
