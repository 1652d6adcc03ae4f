// "EDIT": what the parent hears while the user types, the caret and the selection by keys and
// mouse, the limit and its beep, undo, lines, the clipboard within the program, and bad input.
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "platform/window/message_recorder.h"

namespace ctltest {
namespace {

using testmsg::Message;
using testmsg::parent;
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

constexpr int Id = 40;

class EditTest : public ControlsTest {
protected:
    HWND edit(DWORD style = ES_AUTOHSCROLL, const char* text = "", RECT r = RECT{10, 10, 210, 34},
              int id = Id) {
        if (!parentFrame) parentFrame = frame();
        return control(parentFrame, "EDIT", text, style | WS_BORDER, r, id);
    }
    void key(int vk, char ch = 0) {
        plat::inject_key(vk, ch, true);
        plat::inject_key(vk, ch, false);
        pump();
    }
    void with(int modifier, int vk, char ch = 0) {
        plat::inject_key(modifier, 0, true);
        key(vk, ch);
        plat::inject_key(modifier, 0, false);
        pump();
    }
    void type(const std::string& s) {
        for (char c : s)
            key(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c, c);
    }
    std::string text(HWND e) {
        std::string s(static_cast<std::size_t>(GetWindowTextLengthA(e)) + 1, '\0');
        s.resize(static_cast<std::size_t>(GetWindowTextA(e, s.data(), static_cast<int>(s.size()))));
        return s;
    }
    std::pair<DWORD, DWORD> selection(HWND e) {
        DWORD a = 0, b = 0;
        SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        return {a, b};
    }
    POINT char_point(HWND e, int index) {
        const LRESULT p = SendMessageA(e, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
        return {GET_X_LPARAM(p), GET_Y_LPARAM(p)};
    }
    std::vector<WORD> codes() const {
        std::vector<WORD> out;
        for (WPARAM w : frame_log().commands)
            if (LOWORD(w) == Id) out.push_back(HIWORD(w));
        return out;
    }
    HWND parentFrame = nullptr;
};

// A click into the field while the frame has the focus, then one typed letter.
const std::vector<Message> ClickThenTypeSeq{
    {WM_LBUTTONDOWN, posted},
    {WM_KILLFOCUS, sent | parent},
    {WM_SETFOCUS, sent},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, EN_SETFOCUS)},
    {WM_LBUTTONUP, posted},
    {WM_KEYDOWN, posted | wparam, 'A'},
    {WM_CHAR, posted | wparam, 'a'},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, EN_UPDATE)},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, EN_CHANGE)},
    {WM_KEYUP, posted | wparam, 'A'},
};

TEST_F(EditTest, ClickAndTypingNotifyUpdateThenChange) {
    const HWND e = edit();
    testmsg::Recorder r;
    r.watch(e, parentFrame);
    for (UINT m : {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_PAINT,
                   WM_ERASEBKGND, WM_NCPAINT, WM_CTLCOLOREDIT, WM_CAPTURECHANGED})
        r.ignore(m);
    r.clear();
    const POINT p = screen_point(e, 5, 5);
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse(p, 0, false);
    pump();
    type("a");
    CHECK_SEQUENCE(r, ClickThenTypeSeq);
    SetFocus(parentFrame);
    EXPECT_EQ(codes().back(), EN_KILLFOCUS);
}

// The caret after typing, where EM_POSFROMCHAR says, drawn inverted on the paper.
TEST_F(EditTest, CaretFollowsTyping) {
    const HWND e = edit();
    SetFocus(e);
    type("abc");
    EXPECT_EQ(text(e), "abc");
    EXPECT_EQ(selection(e), std::make_pair(DWORD{3}, DWORD{3}));
    const POINT c = char_point(e, 3);
    EXPECT_GT(c.x, char_point(e, 2).x);
    EXPECT_EQ(pixel(e, c.x, c.y + 2), 0x000000u); // white inverted
    EXPECT_EQ(pixel(e, c.x + 2, c.y + 2), colour(COLOR_WINDOW));
    key(VK_LEFT);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{2}, DWORD{2}));
    type("X");
    EXPECT_EQ(text(e), "abXc");
}

TEST_F(EditTest, ShiftArrowsAndWordMovesSelect) {
    const HWND e = edit(ES_AUTOHSCROLL, "one two three");
    SetFocus(e);
    SendMessageA(e, EM_SETSEL, 13, 13);
    with(VK_SHIFT, VK_LEFT);
    with(VK_SHIFT, VK_LEFT);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{11}, DWORD{13}));
    with(VK_CONTROL, VK_LEFT);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{8}, DWORD{8}));
    with(VK_CONTROL, VK_LEFT);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{4}, DWORD{4}));
    with(VK_CONTROL, VK_RIGHT);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{8}, DWORD{8}));
    with(VK_SHIFT, VK_HOME);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{0}, DWORD{8}));
    key(VK_DELETE);
    EXPECT_EQ(text(e), "three");
    key(VK_END);
    key(VK_BACK, '\b');
    EXPECT_EQ(text(e), "thre");
    key(VK_HOME);
    key(VK_DELETE);
    EXPECT_EQ(text(e), "hre");
    key('A', 0x01); // Ctrl+A
    EXPECT_EQ(selection(e), std::make_pair(DWORD{0}, DWORD{3}));
}

// A drag from inside "b" to inside "d" selects them; the selection shows highlighted.
TEST_F(EditTest, DragSelectsAndDoubleClickTakesAWord) {
    const HWND e = edit(ES_AUTOHSCROLL, "abcdef ghi");
    const POINT b = char_point(e, 1), d = char_point(e, 4);
    plat::inject_mouse(screen_point(e, b.x + 1, b.y + 3), 0, true);
    plat::inject_mouse_move(screen_point(e, (b.x + d.x) / 2, b.y + 3));
    plat::inject_mouse_move(screen_point(e, d.x + 1, b.y + 3));
    plat::inject_mouse(screen_point(e, d.x + 1, b.y + 3), 0, false);
    pump();
    EXPECT_EQ(selection(e), std::make_pair(DWORD{1}, DWORD{4}));
    int highlighted = 0;
    for (int x = b.x; x < d.x; ++x)
        highlighted += pixel(e, x, b.y + 1) == colour(COLOR_HIGHLIGHT);
    EXPECT_GT(highlighted, (d.x - b.x) / 2);
    EXPECT_EQ(pixel(e, char_point(e, 6).x + 1, b.y + 1), colour(COLOR_WINDOW));
    plat::advance_clock(1000);
    const POINT g = char_point(e, 8);
    const POINT at = screen_point(e, g.x + 1, g.y + 3);
    for (int i = 0; i < 2; ++i) {
        plat::inject_mouse(at, 0, true);
        plat::inject_mouse(at, 0, false);
    }
    pump();
    EXPECT_EQ(selection(e), std::make_pair(DWORD{7}, DWORD{10}));
}

// Typing past the limit: the character is refused, the parent hears EN_MAXTEXT and the user a
// beep; a paste is cut at the limit.
TEST_F(EditTest, LimitRefusesAndBeeps) {
    const HWND e = edit();
    SendMessageA(e, EM_LIMITTEXT, 3, 0);
    EXPECT_EQ(SendMessageA(e, EM_GETLIMITTEXT, 0, 0), 3);
    SetFocus(e);
    type("abc");
    frame_log().commands.clear();
    const int bells = screen->bells();
    type("d");
    EXPECT_EQ(text(e), "abc");
    EXPECT_EQ(screen->bells(), bells + 1);
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_MAXTEXT}));
    SendMessageA(e, EM_SETSEL, 1, 1);
    frame_log().commands.clear();
    SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("xyz"));
    EXPECT_EQ(text(e), "abc");             // nothing fits
    EXPECT_EQ(screen->bells(), bells + 1); // not typed: no beep
    SendMessageA(e, EM_LIMITTEXT, 5, 0);
    SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("xyz"));
    EXPECT_EQ(text(e), "axybc");
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_MAXTEXT, EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));
}

// A field without ES_AUTOHSCROLL holds only what fits its width.
TEST_F(EditTest, NoAutoScrollStopsAtTheRightEdge) {
    const HWND e = edit(0, "", RECT{10, 10, 60, 34});
    SetFocus(e);
    const int bells = screen->bells();
    type("mmmmmmmmmmmmmmmmmmmm");
    EXPECT_LT(text(e).size(), 20u);
    EXPECT_GT(text(e).size(), 0u);
    EXPECT_GT(screen->bells(), bells);
    const POINT last = char_point(e, static_cast<int>(text(e).size()));
    EXPECT_LE(last.x, 50);
}

TEST_F(EditTest, UndoTakesBackARunOfTypingAndRedoes) {
    const HWND e = edit();
    SetFocus(e);
    EXPECT_FALSE(SendMessageA(e, EM_CANUNDO, 0, 0));
    type("ab");
    key(VK_SPACE, ' ');
    type("cd");
    EXPECT_TRUE(SendMessageA(e, EM_CANUNDO, 0, 0));
    EXPECT_TRUE(SendMessageA(e, EM_GETMODIFY, 0, 0));
    key('Z', 0x1A);
    EXPECT_EQ(text(e), "");
    key('Z', 0x1A);
    EXPECT_EQ(text(e), "ab cd");
    key(VK_BACK, '\b');
    SendMessageA(e, EM_UNDO, 0, 0);
    EXPECT_EQ(text(e), "ab cd");
    SendMessageA(e, EM_SETMODIFY, FALSE, 0);
    EXPECT_FALSE(SendMessageA(e, EM_GETMODIFY, 0, 0));
    SendMessageA(e, EM_EMPTYUNDOBUFFER, 0, 0);
    EXPECT_FALSE(SendMessageA(e, EM_UNDO, 0, 0));
}

TEST_F(EditTest, MultiLineCountsIndicesAndLengths) {
    const HWND e =
        edit(ES_MULTILINE | ES_AUTOVSCROLL, "one\r\ntwo words\r\n\r\nx", RECT{10, 10, 210, 110});
    EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 4);
    struct Row {
        int line, index, length;
    };
    const Row rows[] = {{0, 0, 3}, {1, 5, 9}, {2, 16, 0}, {3, 18, 1}};
    for (const Row& row : rows) {
        EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, static_cast<WPARAM>(row.line), 0), row.index);
        EXPECT_EQ(SendMessageA(e, EM_LINELENGTH, static_cast<WPARAM>(row.index), 0), row.length);
        EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, static_cast<WPARAM>(row.index), 0), row.line);
    }
    char buffer[16] = {};
    *reinterpret_cast<WORD*>(buffer) = 5; // room for five characters
    EXPECT_EQ(SendMessageA(e, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 5);
    EXPECT_EQ(std::string(buffer, 5), "two w");
    SetFocus(e);
    SendMessageA(e, EM_SETSEL, 3, 3);
    key(VK_RETURN, '\r');
    EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 5);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{5}, DWORD{5}));
    key(VK_DOWN);
    EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 2);
    key(VK_LEFT);
    key(VK_LEFT);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{3}, DWORD{3})); // "\r\n" is one step
    EXPECT_EQ(SendMessageA(e, WM_GETDLGCODE, 0, 0),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS);
    // WM_SETTEXT of a multi-line field is silent; of a single-line one it is not.
    frame_log().commands.clear();
    SetWindowTextA(e, "new");
    EXPECT_TRUE(codes().empty());
    const HWND single = edit(ES_AUTOHSCROLL, "", RECT{10, 120, 210, 144}, Id);
    SetWindowTextA(single, "new");
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(SendMessageA(single, WM_GETDLGCODE, 0, 0),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
}

TEST_F(EditTest, ClipboardWithinTheProgram) {
    const HWND a = edit(ES_AUTOHSCROLL, "copy me");
    const HWND b = edit(ES_AUTOHSCROLL, "", RECT{10, 50, 210, 74}, Id + 1);
    SetFocus(a);
    SendMessageA(a, EM_SETSEL, 5, 7);
    key('C', 0x03);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GetClipboardOwner(), a);
    SetFocus(b);
    key('V', 0x16);
    key('V', 0x16);
    EXPECT_EQ(text(b), "meme");
    SetFocus(a);
    SendMessageA(a, EM_SETSEL, 0, 5);
    key('X', 0x18);
    EXPECT_EQ(text(a), "me");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "copy ");
    GlobalUnlock(data);
    CloseClipboard();
    // A password field gives nothing away; a read-only field takes nothing in.
    const HWND secret = edit(ES_PASSWORD | ES_AUTOHSCROLL, "secret", RECT{10, 80, 210, 104}, 50);
    SendMessageA(secret, EM_SETSEL, 0, -1);
    SendMessageA(secret, WM_COPY, 0, 0);
    SendMessageA(b, EM_SETSEL, 0, -1);
    SendMessageA(b, EM_SETREADONLY, TRUE, 0);
    SendMessageA(b, WM_PASTE, 0, 0);
    SendMessageA(b, WM_CUT, 0, 0);
    EXPECT_EQ(text(b), "meme");
    SendMessageA(b, EM_SETREADONLY, FALSE, 0);
    SendMessageA(b, WM_PASTE, 0, 0);
    EXPECT_EQ(text(b), "copy ");
}

// The clipboard's own rules: open before use, one opener at a time, emptied before filled.
TEST_F(EditTest, ClipboardRefusesOutOfTurn) {
    HGLOBAL m = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_EQ(SetClipboardData(CF_TEXT, m), nullptr);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_FALSE(CloseClipboard());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, m), m);
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(GlobalLock(reinterpret_cast<HGLOBAL>(0x1234)), nullptr);
    EXPECT_EQ(GlobalSize(reinterpret_cast<HGLOBAL>(0x1234)), 0u);
}

TEST_F(EditTest, StylesFilterInput) {
    const HWND number = edit(ES_NUMBER | ES_AUTOHSCROLL);
    SetFocus(number);
    const int bells = screen->bells();
    type("1a2");
    EXPECT_EQ(text(number), "12");
    EXPECT_EQ(screen->bells(), bells + 1);
    const HWND upper = edit(ES_UPPERCASE | ES_AUTOHSCROLL, "", RECT{10, 50, 210, 74}, 51);
    SetFocus(upper);
    type("ab");
    EXPECT_EQ(text(upper), "AB");
    const HWND readOnly = edit(ES_READONLY | ES_AUTOHSCROLL, "fixed", RECT{10, 80, 210, 104}, 52);
    frame_log().ctlAsked.clear();
    SetFocus(readOnly);
    type("x");
    key(VK_BACK, '\b');
    EXPECT_EQ(text(readOnly), "fixed");
    pump();
    frame_log().ctlAsked.clear();
    InvalidateRect(readOnly, nullptr, TRUE);
    pump();
    ASSERT_FALSE(frame_log().ctlAsked.empty());
    EXPECT_EQ(frame_log().ctlAsked.back(), WM_CTLCOLORSTATIC);
}

// A disabled field draws grey; the parent's edit colours are used when it answers.
TEST_F(EditTest, ColoursOfTheParentAndOfDisabledFields) {
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    frame_log().ctlBrush = green;
    const HWND e = edit(ES_AUTOHSCROLL, "text");
    EXPECT_EQ(frame_log().ctlAsked.back(), WM_CTLCOLOREDIT);
    EXPECT_EQ(pixel(e, 150, 10), 0x00FF00u);
    frame_log().ctlBrush = nullptr;
    EnableWindow(e, FALSE);
    pump();
    EXPECT_EQ(frame_log().ctlAsked.back(), WM_CTLCOLORSTATIC);
    EXPECT_EQ(pixel(e, 150, 10), colour(COLOR_BTNFACE));
    DestroyWindow(e);
    DeleteObject(green);
}

// Out-of-range indices, NULL buffers, 100,000 characters on one line, 10,000 lines.
TEST_F(EditTest, BadInputGetsThePlatformsAnswers) {
    const HWND e = edit(ES_AUTOHSCROLL, "short");
    SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(-5), 1000);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{5}, DWORD{5}));
    SendMessageA(e, EM_SETSEL, 3, 1);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{1}, DWORD{3}));
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 1, 0), -1);
    EXPECT_EQ(SendMessageA(e, EM_LINELENGTH, 999, 0), 0);
    EXPECT_EQ(SendMessageA(e, EM_GETLINE, 0, 0), 0);
    EXPECT_EQ(SendMessageA(e, EM_POSFROMCHAR, 999, 0), -1);
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 10, 0), 0);
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(e, EM_GETSEL, 0, 0), MAKELONG(1, 3));
    SendMessageA(e, EM_REPLACESEL, FALSE, 0);
    EXPECT_EQ(text(e), "srt");
    EXPECT_FALSE(SendMessageA(e, EM_SETTABSTOPS, 2, 0)); // single-line, no array

    const std::string longText(100000, 'w');
    SendMessageA(e, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(e, longText.c_str());
    SetFocus(e);
    key(VK_END);
    type("z");
    pump();
    EXPECT_EQ(GetWindowTextLengthA(e), 100001);
    const POINT caret = char_point(e, 100001);
    EXPECT_GT(caret.x, 0);
    EXPECT_LT(caret.x, 200); // scrolled into view
    with(VK_SHIFT, VK_HOME);
    EXPECT_EQ(selection(e), std::make_pair(DWORD{0}, DWORD{100001}));

    std::string many;
    for (int i = 0; i < 10000; ++i)
        many += "line " + std::to_string(i) + "\r\n";
    const HWND m = edit(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, many.c_str(),
                        RECT{10, 50, 210, 150}, 60);
    EXPECT_EQ(SendMessageA(m, EM_GETLINECOUNT, 0, 0), 10001);
    EXPECT_EQ(SendMessageA(m, EM_LINEINDEX, 9999, 0),
              static_cast<LRESULT>(many.rfind("line 9999")));
    EXPECT_EQ(SendMessageA(m, EM_LINEINDEX, 10001, 0), -1);
    SetFocus(m);
    with(VK_CONTROL, VK_END);
    pump();
    EXPECT_GT(SendMessageA(m, EM_GETFIRSTVISIBLELINE, 0, 0), 9990);
    const int stops[] = {0};
    EXPECT_FALSE(SendMessageA(m, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stops)));
    EXPECT_FALSE(SendMessageA(m, EM_LINESCROLL, 0, 0) == FALSE);
}

} // namespace
} // namespace ctltest
