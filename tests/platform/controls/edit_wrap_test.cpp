// "EDIT", multi-line: word wrap at the field's width and again after a resize or a font change,
// the caret on wrapped lines, the window's scroll bars kept in step with the text (the thumb as
// the user sees it), EN_VSCROLL, ES_AUTOVSCROLL and the lines a field without it holds, and
// long texts.
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "platform/window/message_recorder.h"

namespace ctltest {
namespace {

using testmsg::Message;
using testmsg::parent;
using testmsg::sent;
using testmsg::wparam;

constexpr int Id = 41;
constexpr int Border = 1, Margin = 2, BarSize = 16;
const char* const Fox = "The quick brown fox jumps over the lazy dog";

class EditWrapTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH,
                           "Courier New");
        parentFrame = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 440);
    }
    void TearDown() override {
        ControlsTest::TearDown();
        DeleteObject(font);
    }
    // A field whose text area holds `columns` characters a line and `rows` lines.
    HWND field(DWORD style, const char* text, int columns, int rows, int id = Id) {
        const HWND e = control(parentFrame, "EDIT", text, style | ES_MULTILINE | WS_BORDER,
                               RECT{10, 10, 200, 200}, id);
        SendMessageA(e, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        measure(e);
        resize(e, style, columns, rows);
        return e;
    }
    void measure(HWND e) {
        TEXTMETRICA tm{};
        SIZE m{};
        HDC dc = GetDC(e);
        SelectObject(dc, font);
        GetTextMetricsA(dc, &tm);
        GetTextExtentPoint32A(dc, "M", 1, &m);
        ReleaseDC(e, dc);
        charWidth = m.cx;
        lineHeight = tm.tmHeight;
    }
    // Half a character to spare on the right, a few pixels below the last row.
    void resize(HWND e, DWORD style, int columns, int rows) {
        const int bar = (style & WS_VSCROLL) ? BarSize : 0;
        const int width = 2 * Border + 2 * Margin + columns * charWidth + charWidth / 2 + bar;
        const int height =
            2 * Border + 1 + rows * lineHeight + 3 + ((style & WS_HSCROLL) ? BarSize : 0);
        SetWindowPos(e, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        pump();
    }
    void key(int vk, char ch = 0) {
        plat::inject_key(vk, ch, true);
        plat::inject_key(vk, ch, false);
        pump();
    }
    void with(int modifier, int vk) {
        plat::inject_key(modifier, 0, true);
        key(vk);
        plat::inject_key(modifier, 0, false);
        pump();
    }
    void type(const std::string& s) {
        for (char c : s)
            key(c == '\r' ? VK_RETURN : c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c, c);
    }
    static LRESULT lines(HWND e) { return SendMessageA(e, EM_GETLINECOUNT, 0, 0); }
    static LRESULT first(HWND e) { return SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0); }
    static std::string text(HWND e) {
        std::string s(static_cast<std::size_t>(GetWindowTextLengthA(e)) + 1, '\0');
        s.resize(static_cast<std::size_t>(GetWindowTextA(e, s.data(), static_cast<int>(s.size()))));
        return s;
    }
    static DWORD caret(HWND e) {
        DWORD a = 0, b = 0;
        SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        return b;
    }
    static std::string line(HWND e, int index, WORD room = 200) {
        std::string buffer(room < 2 ? 2 : room, '\0');
        *reinterpret_cast<WORD*>(buffer.data()) = room;
        const LRESULT n = SendMessageA(e, EM_GETLINE, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(buffer.data()));
        return buffer.substr(0, static_cast<std::size_t>(n));
    }
    std::vector<WORD> codes() const {
        std::vector<WORD> out;
        for (WPARAM w : frame_log().commands)
            if (LOWORD(w) == Id) out.push_back(HIWORD(w));
        return out;
    }
    // The rows of the field's vertical bar that the thumb covers in the presented image: those
    // between the arrows where the track's checker is not drawn.
    std::pair<int, int> thumb_rows(HWND e) {
        RECT c;
        GetClientRect(e, &c);
        const int x = c.right + BarSize / 2;
        const auto track = [&](int y) {
            const plat::Pixel a = pixel(e, x, y), b = pixel(e, x + 1, y);
            const plat::Pixel bar = colour(COLOR_SCROLLBAR), light = colour(COLOR_BTNHIGHLIGHT);
            return (a == bar && b == light) || (a == light && b == bar);
        };
        int top = -1, bottom = -1;
        for (int y = BarSize; y < c.bottom - BarSize; ++y)
            if (!track(y)) {
                if (top < 0) top = y;
                bottom = y + 1;
            }
        return {top, bottom};
    }
    HFONT font = nullptr;
    HWND parentFrame = nullptr;
    int charWidth = 0, lineHeight = 0;
};

// Lines break after the blanks before a word that does not fit, inside a word longer than the
// line; a resize wraps them again, and so do a larger font and typed text.
TEST_F(EditWrapTest, WrappedLineCountsAtWidthsAndAfterResize) {
    struct Row {
        int columns;
        LRESULT lines;
        std::vector<std::string> first; // the first lines as EM_GETLINE gives them
    };
    const std::vector<Row> rows{
        {50, 1, {Fox}},
        {20, 3, {"The quick brown fox ", "jumps over the lazy ", "dog"}},
        {10, 5, {"The quick ", "brown fox ", "jumps over ", "the lazy ", "dog"}},
        {4, 12, {"The ", "quic", "k ", "brow", "n ", "fox "}},
        {50, 1, {Fox}},
    };
    const HWND e = field(0, Fox, 50, 8);
    ASSERT_GT(charWidth, 0);
    for (const Row& row : rows) {
        resize(e, 0, row.columns, 8);
        EXPECT_EQ(lines(e), row.lines) << row.columns << " columns";
        for (std::size_t i = 0; i < row.first.size(); ++i)
            EXPECT_EQ(line(e, static_cast<int>(i)), row.first[i]) << row.columns << " columns";
    }
    // ES_AUTOHSCROLL or WS_HSCROLL: no wrapping, whatever the width.
    for (const DWORD style : {DWORD{ES_AUTOHSCROLL}, DWORD{WS_HSCROLL}}) {
        const HWND wide = field(style, Fox, 10, 3, Id + 1);
        EXPECT_EQ(lines(wide), 1) << style;
        DestroyWindow(wide);
    }
    // Twice the font: twice the width of each character, so about twice the lines.
    resize(e, 0, 20, 8);
    const HFONT large = CreateFontA(-32, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                    FIXED_PITCH, "Courier New");
    SendMessageA(e, WM_SETFONT, reinterpret_cast<WPARAM>(large), TRUE);
    EXPECT_EQ(lines(e), 5);
    EXPECT_EQ(line(e, 1), "brown fox ");
    SendMessageA(e, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    DeleteObject(large);
    EXPECT_EQ(lines(e), 3);
    // Typed at the start, "quick" no longer fits the first line.
    SetFocus(e);
    SendMessageA(e, EM_SETSEL, 0, 0);
    type("A ");
    EXPECT_EQ(line(e, 0), "A The quick brown ");
    EXPECT_EQ(line(e, 1), "fox jumps over the ");
    EXPECT_EQ(lines(e), 3);
}

// The line messages count the lines as shown.
TEST_F(EditWrapTest, LineMessagesTakeWrappedLines) {
    const HWND e = field(0, Fox, 10, 8);
    struct Row {
        int line;
        LRESULT index, length;
    };
    const std::vector<Row> rows{{0, 0, 10}, {1, 10, 10}, {2, 20, 11}, {3, 31, 9}, {4, 40, 3}};
    for (const Row& row : rows) {
        EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, static_cast<WPARAM>(row.line), 0), row.index);
        EXPECT_EQ(SendMessageA(e, EM_LINELENGTH, static_cast<WPARAM>(row.index), 0), row.length);
        EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, static_cast<WPARAM>(row.index), 0), row.line);
        EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, static_cast<WPARAM>(row.index + 1), 0),
                  row.line);
    }
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 5, 0), -1);
    EXPECT_EQ(line(e, 5), "");
    // EM_CHARFROMPOS right of a wrapped line's end: its end, on that line.
    const LRESULT hit =
        SendMessageA(e, EM_CHARFROMPOS, 0, MAKELPARAM(Margin + 14 * charWidth, 1 + lineHeight + 2));
    EXPECT_EQ(LOWORD(hit), 20);
    EXPECT_EQ(HIWORD(hit), 1);
}

// Down keeps the column; End leaves the caret at the end of its wrapped line (the next line's
// first position, drawn where the line ends), and Home and Up go from there.
TEST_F(EditWrapTest, CaretMovesOnWrappedLines) {
    const HWND e = field(0, Fox, 10, 8);
    SetFocus(e);
    SendMessageA(e, EM_SETSEL, 0, 0);
    struct Row {
        int vk;
        bool ctrl;
        DWORD caret;
        LRESULT line;
    };
    const std::vector<Row> rows{
        {VK_DOWN, false, 10, 1},  {VK_END, false, 20, 1},  {VK_DOWN, false, 30, 2},
        {VK_END, false, 31, 2},   {VK_HOME, false, 20, 2}, {VK_UP, false, 10, 1},
        {VK_RIGHT, false, 11, 1}, {VK_END, true, 43, 4},   {VK_HOME, true, 0, 0},
    };
    for (const Row& row : rows) {
        if (row.ctrl)
            with(VK_CONTROL, row.vk);
        else
            key(row.vk);
        EXPECT_EQ(caret(e), row.caret) << row.vk;
        EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), row.line) << row.vk;
        EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, static_cast<WPARAM>(-1), 0),
                  SendMessageA(e, EM_LINEINDEX, static_cast<WPARAM>(row.line), 0));
    }
    // The caret after End on the second line is drawn at that line's end, not on the third.
    key(VK_DOWN);
    key(VK_END);
    pump();
    const int x = Margin + 10 * charWidth, y = 1 + lineHeight + lineHeight / 2;
    EXPECT_EQ(pixel(e, x, y), 0x000000u);
    int dark = 0; // a caret would darken the whole height of the third line's first column
    for (int row = 0; row < lineHeight; ++row)
        dark += pixel(e, Margin, 1 + 2 * lineHeight + row) == 0x000000u;
    EXPECT_LT(dark, lineHeight);
}

// The bar counts lines with a page of the lines shown and follows every way of scrolling; the
// thumb the user sees moves with it, from the track's top to its bottom.
TEST_F(EditWrapTest, ScrollBarFollowsTheTextAndTheThumbIsWhereItSays) {
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "line " + std::to_string(i) + (i < 99 ? "\r\n" : "");
    const int shown = 10;
    const HWND e = field(WS_VSCROLL | ES_AUTOVSCROLL, many.c_str(), 20, shown);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(e, SB_VERT, &si));
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 99);
    EXPECT_EQ(si.nPage, static_cast<UINT>(shown));
    const int last = 100 - shown;
    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int first;
    };
    const std::vector<Row> rows{
        {WM_VSCROLL, SB_LINEDOWN, 0, 1},
        {WM_VSCROLL, SB_PAGEDOWN, 0, 1 + shown},
        {WM_VSCROLL, SB_LINEUP, 0, shown},
        {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 45), 0, 45},
        {WM_VSCROLL, SB_BOTTOM, 0, last},
        {WM_VSCROLL, SB_LINEDOWN, 0, last}, // the bar stops at the last page
        {WM_VSCROLL, SB_PAGEUP, 0, last - shown},
        {WM_VSCROLL, SB_TOP, 0, 0},
        {EM_LINESCROLL, 0, 30, 30},
        {EM_SCROLL, SB_PAGEDOWN, 0, 30 + shown},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0, 30 + shown - 3},
        {EM_LINESCROLL, 0, -1000, 0},
    };
    for (const Row& row : rows) {
        SendMessageA(e, row.message, row.wParam, row.lParam);
        pump();
        EXPECT_EQ(first(e), row.first) << std::hex << row.message << " " << row.wParam;
        EXPECT_EQ(GetScrollPos(e, SB_VERT), row.first) << std::hex << row.message;
        // The thumb: its share of the track is the page's share of the lines, and it sits
        // as far down the rest of the track as the first line is down the positions.
        RECT c;
        GetClientRect(e, &c);
        const int track = c.bottom - 2 * BarSize;
        const int thumb = track * shown / 100;
        const int top = BarSize + (track - thumb) * row.first / last;
        const auto [shownTop, shownBottom] = thumb_rows(e);
        EXPECT_NEAR(shownTop, top, 1) << row.first;
        EXPECT_NEAR(shownBottom - shownTop, thumb, 1) << row.first;
    }
    // Ctrl+End shows the last line; the bar follows the keys too.
    SetFocus(e);
    with(VK_CONTROL, VK_END);
    EXPECT_EQ(first(e), last);
    EXPECT_EQ(GetScrollPos(e, SB_VERT), last);
    // Emptied, everything fits: the bar stays, disabled, with no thumb.
    SetWindowTextA(e, "");
    pump();
    EXPECT_TRUE(GetWindowLongPtrA(e, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(thumb_rows(e).first, -1);
    EXPECT_EQ(first(e), 0);
}

// The mouse on the bar: an arrow scrolls a line, the track below the thumb a page, the thumb
// dragged to the bottom shows the last page.
TEST_F(EditWrapTest, TheBarWorksByMouse) {
    std::string many;
    for (int i = 0; i < 60; ++i)
        many += "row " + std::to_string(i) + "\r\n";
    const HWND e = field(WS_VSCROLL | ES_AUTOVSCROLL, many.c_str(), 20, 8);
    RECT c;
    GetClientRect(e, &c);
    const int x = c.right + BarSize / 2;
    const auto click = [&](int y, int releaseY) {
        plat::inject_mouse_move(screen_point(e, x, y));
        plat::inject_mouse(screen_point(e, x, y), 0, true);
        plat::inject_mouse_move(screen_point(e, x, releaseY));
        plat::inject_mouse(screen_point(e, x, releaseY), 0, false);
        pump();
        plat::advance_clock(1000);
    };
    click(c.bottom - BarSize / 2, c.bottom - BarSize / 2);
    EXPECT_EQ(first(e), 1);
    click(c.bottom - BarSize - 2, c.bottom - BarSize - 2);
    EXPECT_EQ(first(e), 1 + 8);
    const int thumbTop = thumb_rows(e).first;
    click(thumbTop + 2, c.bottom + 200);
    EXPECT_EQ(first(e), 61 - 8);
    EXPECT_EQ(GetCapture(), nullptr);
}

// What the parent hears while the user scrolls: EN_VSCROLL for an arrow of the bar (before the
// SB_ENDSCROLL that ends the click), for the wheel and for keys that move the view; nothing for
// the thumb.
const std::vector<Message> ArrowClickSeq{
    {WM_SYSCOMMAND, sent | wparam, SC_VSCROLL},
    {WM_VSCROLL, sent | wparam, SB_LINEDOWN},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, EN_VSCROLL)},
    {WM_VSCROLL, sent | wparam, SB_ENDSCROLL},
};
const std::vector<Message> WheelSeq{
    {WM_MOUSEWHEEL, testmsg::posted},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, EN_VSCROLL)},
};
const std::vector<Message> PageDownKeySeq{
    {WM_KEYDOWN, testmsg::posted | wparam, VK_NEXT},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, EN_VSCROLL)},
    {WM_KEYUP, testmsg::posted | wparam, VK_NEXT},
};
const std::vector<Message> ThumbSeq{
    {WM_VSCROLL, sent | wparam, MAKEWPARAM(SB_THUMBTRACK, 7)},
    {WM_VSCROLL, sent | wparam, MAKEWPARAM(SB_THUMBPOSITION, 7)},
    {WM_VSCROLL, sent | wparam, SB_ENDSCROLL},
};

TEST_F(EditWrapTest, ScrollingNotifiesTheParent) {
    std::string many;
    for (int i = 0; i < 40; ++i)
        many += "row " + std::to_string(i) + "\r\n";
    const HWND e = field(WS_VSCROLL | ES_AUTOVSCROLL, many.c_str(), 20, 8);
    SetFocus(e);
    pump();
    testmsg::Recorder r;
    r.watch(e, parentFrame);
    for (UINT m : {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_NCMOUSEMOVE,
                   WM_NCLBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT,
                   WM_CTLCOLOREDIT, WM_CAPTURECHANGED, WM_TIMER, WM_GETDLGCODE})
        r.ignore(m);
    RECT c;
    GetClientRect(e, &c);
    const POINT arrow = screen_point(e, c.right + BarSize / 2, c.bottom - BarSize / 2);
    r.clear();
    plat::inject_mouse_move(arrow);
    plat::inject_mouse(arrow, 0, true);
    plat::inject_mouse(arrow, 0, false);
    pump();
    CHECK_SEQUENCE(r, ArrowClickSeq);
    EXPECT_EQ(first(e), 1);
    plat::advance_clock(1000);

    r.clear();
    plat::inject_wheel(screen_point(e, 20, 20), -WHEEL_DELTA);
    pump();
    CHECK_SEQUENCE(r, WheelSeq);
    EXPECT_EQ(first(e), 4);

    r.clear();
    key(VK_NEXT);
    CHECK_SEQUENCE(r, PageDownKeySeq);

    // A key that moves the caret within the lines shown tells nothing.
    r.clear();
    key(VK_DOWN);
    for (const testmsg::Received& m : r.log())
        EXPECT_NE(m.message, WM_COMMAND);

    SendMessageA(e, WM_VSCROLL, SB_TOP, 0);
    r.clear();
    SendMessageA(e, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 7), 0);
    SendMessageA(e, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
    SendMessageA(e, WM_VSCROLL, SB_ENDSCROLL, 0);
    CHECK_SEQUENCE(r, ThumbSeq);
    EXPECT_EQ(first(e), 7);
}

// The horizontal bar counts the pixels of the widest line with a page of the view's width; its
// arrows and track scroll and tell EN_HSCROLL, as Home and End do when they move the view.
TEST_F(EditWrapTest, HorizontalBarScrollsSideways) {
    const std::string longLine(60, 'w');
    const std::string text = "short\r\n" + longLine + "\r\nend";
    const DWORD style = WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL;
    const HWND e = field(style, text.c_str(), 20, 4);
    RECT c;
    GetClientRect(e, &c);
    const int view = c.right - 2 * Margin;
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(e, SB_HORZ, &si));
    EXPECT_EQ(si.nMax, 60 * charWidth);
    EXPECT_EQ(si.nPage, static_cast<UINT>(view));
    const int last = 60 * charWidth + 1 - view;
    const auto shift = [&] { return Margin - GET_X_LPARAM(SendMessageA(e, EM_POSFROMCHAR, 0, 0)); };
    struct Row {
        WPARAM code;
        int x;
        bool told;
    };
    const std::vector<Row> rows{
        {SB_LINERIGHT, charWidth, true},
        {SB_PAGERIGHT, charWidth + view, true},
        {SB_RIGHT, last, false},
        {SB_LINERIGHT, last, false}, // at the end: nothing moves, nothing told
        {SB_LINELEFT, last - charWidth, true},
        {MAKEWPARAM(SB_THUMBPOSITION, 17), 17, false},
        {SB_LEFT, 0, false},
    };
    for (const Row& row : rows) {
        frame_log().commands.clear();
        SendMessageA(e, WM_HSCROLL, row.code, 0);
        EXPECT_EQ(shift(), row.x) << row.code;
        EXPECT_EQ(GetScrollPos(e, SB_HORZ), row.x) << row.code;
        EXPECT_EQ(codes(), row.told ? std::vector<WORD>{EN_HSCROLL} : std::vector<WORD>{})
            << row.code;
    }
    // The keys: End on the long line scrolls to its end, Home back; each tells EN_HSCROLL.
    SetFocus(e);
    SendMessageA(e, EM_SETSEL, 7, 7);
    frame_log().commands.clear();
    key(VK_END);
    EXPECT_GT(shift(), 0);
    EXPECT_EQ(GetScrollPos(e, SB_HORZ), std::min(shift(), last));
    key(VK_HOME);
    EXPECT_EQ(shift(), 0);
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_HSCROLL, EN_HSCROLL}));
}

// With ES_AUTOVSCROLL the field scrolls to keep the caret in view while the user types; without
// it the field holds the lines it shows: what would go beyond is refused with a beep and
// EN_MAXTEXT, a paste is cut at the last line.
TEST_F(EditWrapTest, AutoVScrollOrTheLinesShown) {
    struct Row {
        DWORD style;
        const char* typed; // "\r" is Enter
        const char* pasted;
        std::string text;
        LRESULT first;
        int beeps;
        bool maxText;
    };
    const std::vector<Row> rows{
        {ES_AUTOVSCROLL, "a\rb\rc\rd", nullptr, "a\r\nb\r\nc\r\nd", 1, 0, false},
        {0, "a\rb\rc\rd", nullptr, "a\r\nb\r\ncd", 0, 1, true},
        // Wrapped lines count: the fourth line a word would start is refused too.
        {0, "aaaa bbbb cccc dddd", nullptr, "aaaa bbbb cccc d", 0, 3, true},
        {ES_AUTOVSCROLL, "aaaa bbbb cccc dddd", nullptr, "aaaa bbbb cccc dddd", 1, 0, false},
        {0, "", "1\r\n2\r\n3\r\n4\r\n5", "1\r\n2\r\n3", 0, 0, true},
        {ES_AUTOVSCROLL, "", "1\r\n2\r\n3\r\n4\r\n5", "1\r\n2\r\n3\r\n4\r\n5", 2, 0, false},
        {WS_VSCROLL, "a\rb\rc\rd", nullptr, "a\r\nb\r\ncd", 0, 1, true},
    };
    int id = Id;
    for (const Row& row : rows) {
        const HWND e = field(row.style, "", 6, 3, id);
        SetFocus(e);
        frame_log().commands.clear();
        const int bells = screen->bells();
        type(row.typed);
        if (row.pasted) SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(row.pasted));
        EXPECT_EQ(text(e), row.text) << row.style << " " << row.typed;
        EXPECT_EQ(first(e), row.first) << row.style << " " << row.typed;
        EXPECT_EQ(screen->bells() - bells, row.beeps) << row.style << " " << row.typed;
        bool maxText = false;
        for (WPARAM w : frame_log().commands)
            maxText |= HIWORD(w) == EN_MAXTEXT;
        EXPECT_EQ(maxText, row.maxText) << row.style << " " << row.typed;
        DestroyWindow(e);
    }
}

// Tabs of a multi-line field reach the stops EM_SETTABSTOPS gives in dialog units (a quarter of
// the average character width): none for every 32, one for every so many, more for each. The
// field draws them once the program invalidates it, as the platform leaves that to the program.
TEST_F(EditWrapTest, TabsGoToTheStopsSet) {
    const HWND e = field(ES_AUTOHSCROLL, "a\tb\tc", 40, 2);
    TEXTMETRICA tm{};
    HDC dc = GetDC(e);
    SelectObject(dc, font);
    GetTextMetricsA(dc, &tm);
    ReleaseDC(e, dc);
    const int unit = tm.tmAveCharWidth;
    const auto x_of = [&](int index) {
        return GET_X_LPARAM(SendMessageA(e, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0));
    };
    // Glyph pixels in columns from..to of the first line.
    const auto inked = [&](int from, int to) {
        int n = 0;
        for (int x = from; x < to; ++x)
            for (int y = 2; y < lineHeight; ++y)
                n += pixel(e, x, y) != colour(COLOR_WINDOW);
        return n;
    };
    struct Row {
        std::vector<int> stops;
        int b, c; // dialog units where "b" and "c" start
    };
    const std::vector<Row> rows{
        {{}, 32, 64},
        {{12}, 12, 24},
        {{20, 44}, 20, 44},
        {{24, 30}, 24, 30},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(SendMessageA(e, EM_SETTABSTOPS, row.stops.size(),
                                 reinterpret_cast<LPARAM>(row.stops.data())));
        InvalidateRect(e, nullptr, TRUE);
        pump();
        const int b = Margin + row.b * unit / 4;
        EXPECT_EQ(x_of(2), b) << row.b;
        EXPECT_EQ(x_of(4), Margin + row.c * unit / 4) << row.c;
        EXPECT_EQ(inked(Margin + charWidth + 1, b - 1), 0) << "blank up to the stop " << row.b;
        EXPECT_GT(inked(b, b + charWidth), 0) << "b at its stop " << row.b;
    }
    // Refused: a stop not after the one before it, or none given; the stops stay.
    const int bad[] = {8, 8};
    EXPECT_FALSE(SendMessageA(e, EM_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(bad)));
    EXPECT_FALSE(SendMessageA(e, EM_SETTABSTOPS, 1, 0));
    EXPECT_EQ(x_of(2), Margin + 24 * unit / 4);
    // Not drawn again by itself: the old place shows until the program invalidates.
    const int forty[] = {40};
    ASSERT_TRUE(SendMessageA(e, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(forty)));
    pump();
    EXPECT_GT(inked(Margin + 24 * unit / 4, Margin + 24 * unit / 4 + charWidth), 0);
    InvalidateRect(e, nullptr, TRUE);
    pump();
    EXPECT_EQ(inked(Margin + 24 * unit / 4, Margin + 24 * unit / 4 + charWidth), 0);
}

// EM_SETMARGINS moves the text in from the edges, and the lines wrap at the width left.
TEST_F(EditWrapTest, MarginsNarrowTheLines) {
    const HWND e = field(0, Fox, 20, 6);
    const int five = 5 * charWidth;
    struct Row {
        WPARAM which;
        WORD left, right;
        int wantLeft, wantRight;
        LRESULT lines;
    };
    const std::vector<Row> rows{
        {EC_LEFTMARGIN | EC_RIGHTMARGIN, static_cast<WORD>(Margin + five),
         static_cast<WORD>(Margin + five), Margin + five, Margin + five, 5},
        {EC_LEFTMARGIN, static_cast<WORD>(Margin + 2 * five), 0, Margin + 2 * five, Margin + five,
         9 /* five columns: a word a line */},
        {EC_RIGHTMARGIN, 999, Margin, Margin + 2 * five, Margin, 5},
        {EC_LEFTMARGIN | EC_RIGHTMARGIN, Margin, Margin, Margin, Margin, 3},
    };
    for (const Row& row : rows) {
        SendMessageA(e, EM_SETMARGINS, row.which, MAKELONG(row.left, row.right));
        pump();
        EXPECT_EQ(SendMessageA(e, EM_GETMARGINS, 0, 0), MAKELONG(row.wantLeft, row.wantRight));
        RECT view{};
        SendMessageA(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&view));
        RECT c;
        GetClientRect(e, &c);
        EXPECT_EQ(view.left, row.wantLeft);
        EXPECT_EQ(view.right, c.right - row.wantRight);
        EXPECT_EQ(GET_X_LPARAM(SendMessageA(e, EM_POSFROMCHAR, 0, 0)), row.wantLeft);
        EXPECT_EQ(lines(e), row.lines) << row.wantLeft << " " << row.wantRight;
        // Nothing drawn in the left margin, the first letter right of it.
        int inked = 0, first = 0;
        for (int y = 2; y < lineHeight; ++y) {
            for (int x = 0; x < row.wantLeft; ++x)
                inked += pixel(e, x, y) != colour(COLOR_WINDOW);
            for (int x = row.wantLeft; x < row.wantLeft + charWidth; ++x)
                first += pixel(e, x, y) != colour(COLOR_WINDOW);
        }
        EXPECT_EQ(inked, 0) << row.wantLeft;
        EXPECT_GT(first, 0) << row.wantLeft;
    }
    // A narrow margin from the font, none for a field without one.
    TEXTMETRICA tm{};
    HDC dc = GetDC(e);
    SelectObject(dc, font);
    GetTextMetricsA(dc, &tm);
    ReleaseDC(e, dc);
    SendMessageA(e, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELONG(EC_USEFONTINFO, EC_USEFONTINFO));
    EXPECT_EQ(SendMessageA(e, EM_GETMARGINS, 0, 0),
              MAKELONG(tm.tmAveCharWidth / 2, tm.tmAveCharWidth / 2));
    const HWND plain = control(parentFrame, "EDIT", "", WS_BORDER, RECT{10, 300, 200, 324}, 77);
    SendMessageA(plain, EM_SETMARGINS, EC_LEFTMARGIN, MAKELONG(EC_USEFONTINFO, 0));
    EXPECT_EQ(LOWORD(SendMessageA(plain, EM_GETMARGINS, 0, 0)), 0);
}

// In a dialog, Enter in a multi-line field presses the default button (IDOK here, the frame
// naming none) unless the field has ES_WANTRETURN or Ctrl is down; then it starts a new line.
TEST_F(EditWrapTest, EnterInADialogWithoutWantReturnIsTheDialogs) {
    struct Row {
        DWORD style;
        bool ctrl;
        const char* text;
        bool ok;
    };
    const std::vector<Row> rows{
        {0, false, "ab", true},
        {ES_WANTRETURN, false, "a\r\nb", false},
        {0, true, "a\r\nb", false},
    };
    for (const Row& row : rows) {
        const HWND e = field(row.style | ES_AUTOVSCROLL, "ab", 20, 3);
        SetFocus(e);
        SendMessageA(e, EM_SETSEL, 1, 1);
        frame_log().commands.clear();
        if (row.ctrl) plat::inject_key(VK_CONTROL, 0, true);
        plat::inject_key(VK_RETURN, '\r', true);
        plat::inject_key(VK_RETURN, '\r', false);
        if (row.ctrl) plat::inject_key(VK_CONTROL, 0, false);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(parentFrame, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        EXPECT_EQ(text(e), row.text) << row.style << " " << row.ctrl;
        bool ok = false;
        for (WPARAM w : frame_log().commands)
            ok |= LOWORD(w) == IDOK;
        EXPECT_EQ(ok, row.ok) << row.style << " " << row.ctrl;
        DestroyWindow(e);
    }
}

// A single-line field answers EM_GETFIRSTVISIBLELINE with the first character in view.
TEST_F(EditWrapTest, SingleLineFirstVisibleIsACharacter) {
    const std::string digits = "0123456789012345678901234567890123456789";
    const HWND e = control(parentFrame, "EDIT", digits.c_str(), ES_AUTOHSCROLL | WS_BORDER,
                           RECT{10, 300, 110, 324}, 78);
    SendMessageA(e, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    measure(e);
    EXPECT_EQ(first(e), 0);
    SetFocus(e);
    key(VK_END);
    const LRESULT visible = first(e);
    EXPECT_GT(visible, 0);
    // The character there starts at the text's left edge or just right of it.
    const int x = GET_X_LPARAM(SendMessageA(e, EM_POSFROMCHAR, static_cast<WPARAM>(visible), 0));
    EXPECT_GE(x, Margin);
    EXPECT_LT(x, Margin + charWidth);
    EXPECT_EQ(SendMessageA(e, EM_GETTHUMB, 0, 0), 0);
    EXPECT_FALSE(SendMessageA(e, EM_SCROLL, SB_LINEDOWN, 0));
}

// Long texts wrapped: 100,000 characters in 5,000 lines of 20, scrolled to the end and typed
// into at the start; a too small buffer gets the start of the line.
TEST_F(EditWrapTest, LongTextsWrapAndScroll) {
    std::string words;
    for (int i = 0; i < 20000; ++i)
        words += "word ";
    const HWND e = field(WS_VSCROLL | ES_AUTOVSCROLL, "", 20, 10);
    SendMessageA(e, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(e, words.c_str());
    EXPECT_EQ(lines(e), 5000);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 4999, 0), 99980);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 5000, 0), -1);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, static_cast<WPARAM>(-7), 0), -1);
    EXPECT_EQ(line(e, 4999, 3), "wor");
    EXPECT_EQ(line(e, 4999), "word word word word ");
    EXPECT_EQ(line(e, 5000), "");
    SendMessageA(e, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(first(e), 5000 - 10);
    EXPECT_EQ(GetScrollPos(e, SB_VERT), 5000 - 10);
    SetFocus(e);
    with(VK_CONTROL, VK_HOME);
    type("x");
    EXPECT_EQ(lines(e), 5000);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 1, 0), 21);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 4999, 0), 99981);
    with(VK_CONTROL, VK_END);
    EXPECT_EQ(first(e), 5000 - 10);
    EXPECT_EQ(caret(e), 100001u);
}

} // namespace
} // namespace ctltest
