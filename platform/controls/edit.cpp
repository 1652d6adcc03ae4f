// The edit control, "EDIT": single-line and multi-line text fields.
//
// Styles: ES_MULTILINE (lines end in "\r\n"), ES_AUTOHSCROLL (without it a single-line field
// refuses text wider than itself), ES_AUTOVSCROLL, ES_READONLY, ES_PASSWORD, ES_NUMBER,
// ES_UPPERCASE, ES_LOWERCASE, ES_LEFT/CENTER/RIGHT, ES_NOHIDESEL.
// Keys: arrows, Home/End (with Ctrl the whole text), Ctrl+Left/Right by words, Up/Down and
// Page Up/Down between lines, Shift with any of them extends the selection; Backspace, Delete
// (Shift+Delete cuts), Ctrl+Insert copies, Shift+Insert pastes; Ctrl+A, C, X, V, Z.
// Mouse: a press places the caret (Shift extends), a drag selects, a double click selects a
// word, the wheel scrolls a multi-line field.
// Messages: EM_GETSEL, SETSEL, REPLACESEL, LIMITTEXT/SETLIMITTEXT, GETLIMITTEXT, SCROLLCARET,
// SETREADONLY, SETTABSTOPS, GETLINECOUNT, LINEINDEX, LINELENGTH, LINEFROMCHAR, GETLINE,
// CANUNDO, UNDO, EMPTYUNDOBUFFER, GETMODIFY, SETMODIFY, SETPASSWORDCHAR, GETPASSWORDCHAR,
// GETFIRSTVISIBLELINE, LINESCROLL, POSFROMCHAR, CHARFROMPOS, GETRECT; WM_CUT, COPY, PASTE,
// CLEAR, UNDO; WM_SETTEXT, GETTEXT, GETTEXTLENGTH, SETFONT, GETFONT; WM_GETDLGCODE.
// Notifications (WM_COMMAND): EN_SETFOCUS, EN_KILLFOCUS, EN_UPDATE then EN_CHANGE after each
// change (WM_SETTEXT of a multi-line field sends neither), EN_MAXTEXT when input is cut at the
// limit (typing beyond it also beeps).
// Painting asks WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC when read-only or disabled. The caret is
// drawn inverted where the caret is, without blinking.
// Gaps: word wrap of multi-line fields without ES_AUTOHSCROLL (lines break only at line
// ends), the scroll bars of WS_VSCROLL/WS_HSCROLL, EN_HSCROLL/EN_VSCROLL, EM_SETMARGINS,
// EM_GETHANDLE/SETHANDLE.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr std::size_t DefaultLimit = 32767;
constexpr int Margin = 2;           // between the client edge and the text
constexpr int DefaultTabUnits = 32; // dialog units between tab stops
constexpr int WheelLines = 3;

struct Snapshot {
    std::string text;
    std::size_t caret = 0, anchor = 0;
};

struct Edit {
    std::string text;
    std::size_t caret = 0, anchor = 0; // the selection runs between them
    std::size_t limit = DefaultLimit;
    bool modified = false;
    bool focused = false;
    bool tracking = false; // the left button is down in the field
    bool typing = false;   // the last change was typed at the caret: one undo for the run
    char password = '*';
    HFONT font = nullptr;
    int scrollX = 0;   // pixels scrolled off to the left
    int firstLine = 0; // the top visible line of a multi-line field
    Snapshot undo;
    bool canUndo = false;
    std::vector<int> tabUnits; // tab stops in dialog units; empty for the default
    std::array<int, 256> widths{};
    HFONT measured = nullptr; // the font widths belongs to
    int lineHeight = 0;
    int averageWidth = 0;
};

bool multiline(HWND hwnd) {
    return style_of(hwnd) & ES_MULTILINE;
}

HFONT font_of(const Edit& e) {
    return e.font ? e.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// Character widths of the font: positions are sums of them, so every 100,000-character line
// is measured in one pass.
void measure(HWND hwnd, Edit& e) {
    if (e.measured == font_of(e) && e.lineHeight > 0) return;
    HDC hdc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(hdc, font_of(e));
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        SIZE size{};
        GetTextExtentPoint32A(hdc, &ch, 1, &size);
        e.widths[static_cast<std::size_t>(c)] = size.cx;
    }
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    e.lineHeight = std::max<int>(1, tm.tmHeight);
    e.averageWidth = std::max<int>(1, tm.tmAveCharWidth);
    e.measured = font_of(e);
}

RECT view_of(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    InflateRect(&r, -Margin, 0);
    r.top += 1;
    if (r.right < r.left) r.right = r.left;
    return r;
}

// ---- lines

struct Line {
    std::size_t start, length;
};

std::vector<Line> lines_of(HWND hwnd, const Edit& e) {
    std::vector<Line> lines;
    if (!multiline(hwnd)) return {{0, e.text.size()}};
    std::size_t start = 0;
    for (;;) {
        const std::size_t nl = e.text.find('\n', start);
        if (nl == std::string::npos) {
            lines.push_back({start, e.text.size() - start});
            return lines;
        }
        const std::size_t end = nl > start && e.text[nl - 1] == '\r' ? nl - 1 : nl;
        lines.push_back({start, end - start});
        start = nl + 1;
    }
}

std::size_t line_of(const std::vector<Line>& lines, std::size_t pos) {
    auto it = std::upper_bound(lines.begin(), lines.end(), pos,
                               [](std::size_t p, const Line& l) { return p < l.start; });
    return it == lines.begin() ? 0 : static_cast<std::size_t>(it - lines.begin() - 1);
}

char shown(HWND hwnd, const Edit& e, char c) {
    return (style_of(hwnd) & ES_PASSWORD) && !multiline(hwnd) ? e.password : c;
}

int tab_after(const Edit& e, int x) {
    const int unit = e.averageWidth;
    if (e.tabUnits.size() > 1)
        for (int stop : e.tabUnits)
            if (stop * unit / 4 > x) return stop * unit / 4;
    const int every =
        std::max(1, (e.tabUnits.empty() ? DefaultTabUnits : e.tabUnits.back()) * unit / 4);
    return (x / every + 1) * every;
}

// The x offset, from the line's start, of each position from start to start + count.
int advance(HWND hwnd, const Edit& e, std::size_t from, std::size_t to) {
    int x = 0;
    for (std::size_t i = from; i < to; ++i) {
        const char c = shown(hwnd, e, e.text[i]);
        x = c == '\t' && multiline(hwnd) ? tab_after(e, x)
                                         : x + e.widths[static_cast<unsigned char>(c)];
    }
    return x;
}

// Where a line starts in client coordinates, alignment and scrolling included.
int line_left(HWND hwnd, const Edit& e, const Line& l) {
    const RECT view = view_of(hwnd);
    const int width = advance(hwnd, e, l.start, l.start + l.length);
    const DWORD align = style_of(hwnd) & (ES_CENTER | ES_RIGHT);
    int x = view.left;
    if (width < view.right - view.left) {
        if (align == ES_CENTER)
            x += (view.right - view.left - width) / 2;
        else if (align == ES_RIGHT)
            x = view.right - width;
    }
    return x - e.scrollX;
}

POINT pos_to_point(HWND hwnd, const Edit& e, std::size_t pos) {
    const std::vector<Line> lines = lines_of(hwnd, e);
    const std::size_t i = line_of(lines, pos);
    const Line& l = lines[i];
    const int x =
        line_left(hwnd, e, l) + advance(hwnd, e, l.start, std::min(pos, l.start + l.length));
    const int y = view_of(hwnd).top + (static_cast<int>(i) - e.firstLine) * e.lineHeight;
    return {x, y};
}

std::size_t point_to_pos(HWND hwnd, const Edit& e, POINT p) {
    const std::vector<Line> lines = lines_of(hwnd, e);
    const int row =
        (p.y - view_of(hwnd).top) / e.lineHeight + e.firstLine - (p.y < view_of(hwnd).top ? 1 : 0);
    const std::size_t i =
        static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(lines.size()) - 1));
    const Line& l = lines[i];
    int x = line_left(hwnd, e, l);
    for (std::size_t k = l.start; k < l.start + l.length; ++k) {
        const int next = x + advance(hwnd, e, k, k + 1);
        if (p.x < (x + next) / 2) return k;
        x = next;
    }
    return l.start + l.length;
}

int visible_lines(HWND hwnd, const Edit& e) {
    const RECT view = view_of(hwnd);
    return std::max(1, (view.bottom - view.top) / e.lineHeight);
}

// Scrolls so that the caret is in view: a quarter of the width at a time sideways.
void scroll_to_caret(HWND hwnd, Edit& e) {
    measure(hwnd, e);
    const DWORD style = style_of(hwnd);
    const RECT view = view_of(hwnd);
    const int width = view.right - view.left;
    if (multiline(hwnd)) {
        const std::vector<Line> lines = lines_of(hwnd, e);
        const int line = static_cast<int>(line_of(lines, e.caret));
        if (line < e.firstLine) e.firstLine = line;
        if (line >= e.firstLine + visible_lines(hwnd, e))
            e.firstLine = line - visible_lines(hwnd, e) + 1;
    }
    if (!(style & ES_AUTOHSCROLL) && !multiline(hwnd)) {
        e.scrollX = 0;
        return;
    }
    const std::vector<Line> lines = lines_of(hwnd, e);
    const Line& l = lines[line_of(lines, e.caret)];
    const int x = advance(hwnd, e, l.start, e.caret);
    if (x < e.scrollX) e.scrollX = std::max(0, x - width / 4);
    if (x >= e.scrollX + width) e.scrollX = x - width + width / 4 + 1;
}

void redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// ---- painting

void draw_run(HWND hwnd, HDC hdc, const Edit& e, std::size_t from, std::size_t to, int x, int y,
              bool selected) {
    if (from >= to) return;
    std::string run;
    run.reserve(to - from);
    for (std::size_t i = from; i < to; ++i)
        run += shown(hwnd, e, e.text[i]);
    const int width = advance(hwnd, e, from, to);
    COLORREF oldText = 0, oldBack = 0;
    if (selected) {
        oldText = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        oldBack = SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        RECT r{x, y, x + width, y + e.lineHeight};
        FillRect(hdc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    // Tabs are spaces up to the next stop: the text is drawn piece by piece.
    int at = x;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= run.size(); ++i) {
        if (i < run.size() && !(run[i] == '\t' && multiline(hwnd))) continue;
        if (i > start) TextOutA(hdc, at, y, run.data() + start, static_cast<int>(i - start));
        at = x + advance(hwnd, e, from, from + i + (i < run.size() ? 1 : 0));
        start = i + 1;
    }
    if (selected) {
        SetTextColor(hdc, oldText);
        SetBkColor(hdc, oldBack);
    }
}

void draw_line(HWND hwnd, HDC hdc, const Edit& e, const Line& l, int y, const RECT& view) {
    const std::size_t selFrom = std::min(e.caret, e.anchor), selTo = std::max(e.caret, e.anchor);
    const bool showSel = e.focused || (style_of(hwnd) & ES_NOHIDESEL);
    int x = line_left(hwnd, e, l);
    // Characters wholly left of the view are skipped, and drawing stops at its right side.
    std::size_t from = l.start;
    const std::size_t end = l.start + l.length;
    while (from < end) {
        const int w = advance(hwnd, e, from, from + 1);
        if (x + w >= view.left) break;
        x += w;
        ++from;
    }
    std::size_t to = from;
    for (int right = x; to < end && right <= view.right; ++to)
        right += advance(hwnd, e, to, to + 1);
    const std::size_t a = std::clamp(selFrom, from, to), b = std::clamp(selTo, from, to);
    draw_run(hwnd, hdc, e, from, a, x, y, false);
    const int xa = x + advance(hwnd, e, from, a);
    draw_run(hwnd, hdc, e, a, b, xa, y, showSel);
    draw_run(hwnd, hdc, e, b, to, xa + advance(hwnd, e, a, b), y, false);
}

LRESULT on_paint(HWND hwnd, Edit& e) {
    const void* self = &e;
    measure(hwnd, e);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const int saved = SaveDC(hdc);
    const bool greyed = (style_of(hwnd) & ES_READONLY) || !IsWindowEnabled(hwnd);
    const HBRUSH background =
        control_colours(hwnd, hdc, greyed ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    if (background && control_alive(hwnd, self)) {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(hdc, &client, background);
        if (!IsWindowEnabled(hwnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        // Text cells are opaque in the background colour the parent chose.
        SelectObject(hdc, font_of(e));
        const RECT view = view_of(hwnd);
        const HRGN clip = CreateRectRgn(view.left, 0, view.right, client.bottom);
        SelectClipRgn(hdc, clip);
        const std::vector<Line> lines = lines_of(hwnd, e);
        const int shownLines = visible_lines(hwnd, e) + 1;
        for (int i = e.firstLine;
             i < static_cast<int>(lines.size()) && i < e.firstLine + shownLines; ++i)
            draw_line(hwnd, hdc, e, lines[static_cast<std::size_t>(i)],
                      view.top + (i - e.firstLine) * e.lineHeight, view);
        SelectClipRgn(hdc, nullptr);
        DeleteObject(clip);
        if (e.focused) {
            const POINT c = pos_to_point(hwnd, e, e.caret);
            PatBlt(hdc, std::min(c.x, static_cast<int>(client.right) - 1), c.y, 1, e.lineHeight,
                   DSTINVERT);
        }
    }
    RestoreDC(hdc, saved);
    EndPaint(hwnd, &ps);
    return 0;
}

// ---- changes

bool notify(HWND hwnd, const Edit& e, WORD code) {
    return notify_parent(hwnd, code) && control_alive(hwnd, &e);
}

// The text the rules of the field let through from s.
std::string filtered(HWND hwnd, std::string_view s) {
    const DWORD style = style_of(hwnd);
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (!multiline(hwnd) && (c == '\r' || c == '\n')) break; // one line only
        if (style & ES_UPPERCASE)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (style & ES_LOWERCASE)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        out += c;
    }
    return out;
}

void remember(Edit& e) {
    e.undo = {e.text, e.caret, e.anchor};
    e.canUndo = true;
}

// Replaces the selection with s. Input beyond the limit, or wider than a field without
// ES_AUTOHSCROLL, is cut off; EN_MAXTEXT then tells the parent (and the user hears a beep).
// Returns false when the field is gone.
bool replace_selection(HWND hwnd, Edit& e, std::string_view input, bool byUser, bool undoable,
                       bool typed = false) {
    measure(hwnd, e);
    std::string s = filtered(hwnd, input);
    const std::size_t from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
    const std::size_t kept = e.text.size() - (to - from);
    bool cut = false;
    if (kept + s.size() > e.limit) {
        s.resize(e.limit > kept ? e.limit - kept : 0);
        cut = true;
    }
    if (!multiline(hwnd) && !(style_of(hwnd) & ES_AUTOHSCROLL)) {
        // Without sideways scrolling the field holds what fits in it.
        const RECT view = view_of(hwnd);
        int room = view.right - view.left - advance(hwnd, e, 0, from) -
                   advance(hwnd, e, to, e.text.size());
        std::size_t fits = 0;
        while (fits < s.size()) {
            room -= e.widths[static_cast<unsigned char>(shown(hwnd, e, s[fits]))];
            if (room < 0) break;
            ++fits;
        }
        if (fits < s.size()) {
            s.resize(fits);
            cut = true;
        }
    }
    const bool changes = !s.empty() || from != to;
    if (changes) {
        if (undoable && !(typed && e.typing)) remember(e);
        e.typing = typed;
        e.text.replace(from, to - from, s);
        e.caret = e.anchor = from + s.size();
        e.modified = true;
        scroll_to_caret(hwnd, e);
        redraw(hwnd);
    }
    if (cut) {
        if (!notify(hwnd, e, EN_MAXTEXT)) return false;
        if (byUser) MessageBeep(0);
    }
    if (!changes) return true;
    return notify(hwnd, e, EN_UPDATE) && notify(hwnd, e, EN_CHANGE);
}

void set_selection(HWND hwnd, Edit& e, std::size_t anchor, std::size_t caret) {
    anchor = std::min(anchor, e.text.size());
    caret = std::min(caret, e.text.size());
    // A "\r\n" is one step: positions never fall between its two characters.
    const auto fix = [&](std::size_t p) {
        return p > 0 && p < e.text.size() && e.text[p - 1] == '\r' && e.text[p] == '\n' ? p - 1 : p;
    };
    anchor = fix(anchor);
    caret = fix(caret);
    if (anchor == e.anchor && caret == e.caret) return;
    e.anchor = anchor;
    e.caret = caret;
    e.typing = false;
    scroll_to_caret(hwnd, e);
    redraw(hwnd);
}

void set_text(HWND hwnd, Edit& e, const char* text) {
    e.text = text ? text : "";
    e.caret = e.anchor = 0;
    e.scrollX = 0;
    e.firstLine = 0;
    e.modified = false;
    e.canUndo = false;
    e.typing = false;
    redraw(hwnd);
}

// ---- the clipboard

std::string selected_text(const Edit& e) {
    const std::size_t from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
    return e.text.substr(from, to - from);
}

void copy(HWND hwnd, const Edit& e) {
    // A password is never copied out of its field.
    if ((style_of(hwnd) & ES_PASSWORD) || e.caret == e.anchor) return;
    if (!OpenClipboard(hwnd)) return;
    EmptyClipboard();
    const std::string s = selected_text(e);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, s.size() + 1);
    std::memcpy(GlobalLock(memory), s.c_str(), s.size() + 1);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

bool read_only(HWND hwnd) {
    return style_of(hwnd) & ES_READONLY;
}

bool paste(HWND hwnd, Edit& e) {
    if (read_only(hwnd) || !OpenClipboard(hwnd)) return true;
    std::string text;
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {
        if (const auto* p = static_cast<const char*>(GlobalLock(memory))) {
            text.assign(p, strnlen(p, GlobalSize(memory)));
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    if (text.empty()) return true;
    return replace_selection(hwnd, e, text, true, true);
}

bool clear(HWND hwnd, Edit& e) {
    if (read_only(hwnd) || e.caret == e.anchor) return true;
    return replace_selection(hwnd, e, "", true, true);
}

bool undo(HWND hwnd, Edit& e) {
    if (!e.canUndo || read_only(hwnd)) return false;
    // Undoing again redoes: the state undone becomes the one to go back to.
    Snapshot now{e.text, e.caret, e.anchor};
    e.text = e.undo.text;
    e.caret = std::min(e.undo.caret, e.text.size());
    e.anchor = std::min(e.undo.anchor, e.text.size());
    e.undo = std::move(now);
    e.typing = false;
    e.modified = true;
    scroll_to_caret(hwnd, e);
    redraw(hwnd);
    return notify(hwnd, e, EN_UPDATE) && notify(hwnd, e, EN_CHANGE);
}

// ---- keys

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t word_left(const Edit& e, std::size_t p) {
    while (p > 0 && is_space(e.text[p - 1]))
        --p;
    while (p > 0 && !is_space(e.text[p - 1]))
        --p;
    return p;
}

std::size_t word_right(const Edit& e, std::size_t p) {
    while (p < e.text.size() && !is_space(e.text[p]))
        ++p;
    while (p < e.text.size() && is_space(e.text[p]))
        ++p;
    return p;
}

std::size_t char_left(const Edit& e, std::size_t p) {
    if (p >= 2 && e.text[p - 1] == '\n' && e.text[p - 2] == '\r') return p - 2;
    return p > 0 ? p - 1 : 0;
}

std::size_t char_right(const Edit& e, std::size_t p) {
    if (p + 1 < e.text.size() && e.text[p] == '\r' && e.text[p + 1] == '\n') return p + 2;
    return std::min(p + 1, e.text.size());
}

// The position on another line, nearest the caret's x.
std::size_t line_step(HWND hwnd, const Edit& e, int lines) {
    const POINT at = pos_to_point(hwnd, e, e.caret);
    return point_to_pos(hwnd, e, {at.x, at.y + lines * e.lineHeight + e.lineHeight / 2});
}

std::size_t home(HWND hwnd, const Edit& e, bool ctrl) {
    if (ctrl) return 0;
    const std::vector<Line> lines = lines_of(hwnd, e);
    return lines[line_of(lines, e.caret)].start;
}

std::size_t end(HWND hwnd, const Edit& e, bool ctrl) {
    if (ctrl) return e.text.size();
    const std::vector<Line> lines = lines_of(hwnd, e);
    const Line& l = lines[line_of(lines, e.caret)];
    return l.start + l.length;
}

LRESULT on_key_down(HWND hwnd, Edit& e, WPARAM vk) {
    measure(hwnd, e);
    const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool collapse = !shift && e.caret != e.anchor;
    const std::size_t lo = std::min(e.caret, e.anchor), hi = std::max(e.caret, e.anchor);
    std::size_t to = e.caret;
    switch (vk) {
    case VK_LEFT:
        to = ctrl ? word_left(e, e.caret) : collapse ? lo : char_left(e, e.caret);
        break;
    case VK_RIGHT:
        to = ctrl ? word_right(e, e.caret) : collapse ? hi : char_right(e, e.caret);
        break;
    case VK_HOME:
        to = home(hwnd, e, ctrl);
        break;
    case VK_END:
        to = end(hwnd, e, ctrl);
        break;
    case VK_UP:
    case VK_DOWN:
        if (!multiline(hwnd)) {
            to = vk == VK_UP ? char_left(e, e.caret) : char_right(e, e.caret);
            break;
        }
        to = line_step(hwnd, e, vk == VK_UP ? -1 : 1);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (!multiline(hwnd)) return 0;
        to = line_step(hwnd, e, (vk == VK_PRIOR ? -1 : 1) * visible_lines(hwnd, e));
        break;
    case VK_DELETE:
        if (read_only(hwnd)) return 0;
        if (shift) {
            copy(hwnd, e);
            if (!control_alive(hwnd, &e)) return 0;
            clear(hwnd, e);
            return 0;
        }
        if (e.caret == e.anchor) {
            if (e.caret >= e.text.size()) return 0;
            e.anchor = char_right(e, e.caret);
        }
        replace_selection(hwnd, e, "", true, true);
        return 0;
    case VK_INSERT:
        if (ctrl)
            copy(hwnd, e);
        else if (shift)
            paste(hwnd, e);
        return 0;
    default:
        return 0;
    }
    set_selection(hwnd, e, shift ? e.anchor : to, to);
    return 0;
}

LRESULT on_char(HWND hwnd, Edit& e, WPARAM wParam) {
    const char c = static_cast<char>(wParam);
    switch (static_cast<unsigned char>(c)) {
    case 0x01: // Ctrl+A
        set_selection(hwnd, e, 0, e.text.size());
        return 0;
    case 0x03: // Ctrl+C
        copy(hwnd, e);
        return 0;
    case 0x16: // Ctrl+V
        paste(hwnd, e);
        return 0;
    case 0x18: // Ctrl+X
        if (read_only(hwnd)) return 0;
        copy(hwnd, e);
        if (control_alive(hwnd, &e)) clear(hwnd, e);
        return 0;
    case 0x1A: // Ctrl+Z
        undo(hwnd, e);
        return 0;
    case VK_BACK:
        if (read_only(hwnd)) return 0;
        if (e.caret == e.anchor) {
            if (e.caret == 0) return 0;
            e.anchor = char_left(e, e.caret);
        }
        replace_selection(hwnd, e, "", true, true);
        return 0;
    case VK_RETURN:
        if (multiline(hwnd) && !read_only(hwnd)) replace_selection(hwnd, e, "\r\n", true, true);
        return 0;
    case VK_TAB:
        if (multiline(hwnd) && !read_only(hwnd)) replace_selection(hwnd, e, "\t", true, true, true);
        return 0;
    default:
        break;
    }
    if (static_cast<unsigned char>(c) < 0x20 || read_only(hwnd)) return 0;
    if ((style_of(hwnd) & ES_NUMBER) && (c < '0' || c > '9')) {
        MessageBeep(0);
        return 0;
    }
    replace_selection(hwnd, e, std::string_view(&c, 1), true, true, true);
    return 0;
}

// ---- the mouse

std::size_t word_start(const Edit& e, std::size_t p) {
    while (p > 0 && !is_space(e.text[p - 1]))
        --p;
    return p;
}

std::size_t word_end(const Edit& e, std::size_t p) {
    while (p < e.text.size() && !is_space(e.text[p]))
        ++p;
    return p;
}

POINT point_of(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LRESULT on_button_down(HWND hwnd, Edit& e, WPARAM keys, LPARAM lParam) {
    const void* self = &e;
    if (GetFocus() != hwnd) SetFocus(hwnd);
    if (!control_alive(hwnd, self)) return 0;
    measure(hwnd, e);
    const std::size_t p = point_to_pos(hwnd, e, point_of(lParam));
    set_selection(hwnd, e, (keys & MK_SHIFT) ? e.anchor : p, p);
    e.tracking = true;
    SetCapture(hwnd);
    return 0;
}

LRESULT on_double_click(HWND hwnd, Edit& e, LPARAM lParam) {
    measure(hwnd, e);
    const std::size_t p = point_to_pos(hwnd, e, point_of(lParam));
    set_selection(hwnd, e, word_start(e, p), word_end(e, p));
    return 0;
}

LRESULT on_mouse_move(HWND hwnd, Edit& e, LPARAM lParam) {
    if (!e.tracking || GetCapture() != hwnd) return 0;
    set_selection(hwnd, e, e.anchor, point_to_pos(hwnd, e, point_of(lParam)));
    return 0;
}

LRESULT on_button_up(HWND hwnd, Edit& e) {
    if (!e.tracking) return 0;
    e.tracking = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    return 0;
}

// ---- messages

LRESULT on_get_line(HWND hwnd, const Edit& e, WPARAM index, char* buffer) {
    if (!buffer) return 0;
    WORD size = 0;
    std::memcpy(&size, buffer, sizeof size); // the first word gives the buffer's size
    const std::vector<Line> lines = lines_of(hwnd, e);
    if (!multiline(hwnd)) index = 0;
    if (index >= lines.size()) return 0;
    const Line& l = lines[index];
    const std::size_t n = std::min<std::size_t>(l.length, size);
    std::memcpy(buffer, e.text.data() + l.start, n); // not terminated, as on the platform
    return static_cast<LRESULT>(n);
}

LRESULT on_line_index(HWND hwnd, const Edit& e, WPARAM wParam) {
    const std::vector<Line> lines = lines_of(hwnd, e);
    const auto index = static_cast<INT_PTR>(wParam);
    if (index == -1) return static_cast<LRESULT>(lines[line_of(lines, e.caret)].start);
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) return -1;
    return static_cast<LRESULT>(lines[static_cast<std::size_t>(index)].start);
}

// EM_LINELENGTH takes a character index; -1 measures what the selection leaves of its lines.
LRESULT on_line_length(HWND hwnd, const Edit& e, WPARAM wParam) {
    const std::vector<Line> lines = lines_of(hwnd, e);
    const auto index = static_cast<INT_PTR>(wParam);
    if (index == -1) {
        const std::size_t lo = std::min(e.caret, e.anchor), hi = std::max(e.caret, e.anchor);
        const Line& first = lines[line_of(lines, lo)];
        const Line& last = lines[line_of(lines, hi)];
        return static_cast<LRESULT>((lo - first.start) + (last.start + last.length - hi));
    }
    if (index < 0 || static_cast<std::size_t>(index) > e.text.size()) return 0;
    return static_cast<LRESULT>(lines[line_of(lines, static_cast<std::size_t>(index))].length);
}

LRESULT on_get_sel(const Edit& e, WPARAM start, LPARAM end) {
    const std::size_t lo = std::min(e.caret, e.anchor), hi = std::max(e.caret, e.anchor);
    if (start) *reinterpret_cast<DWORD*>(start) = static_cast<DWORD>(lo);
    if (end) *reinterpret_cast<DWORD*>(end) = static_cast<DWORD>(hi);
    return MAKELONG(static_cast<WORD>(std::min<std::size_t>(lo, 0xFFFF)),
                    static_cast<WORD>(std::min<std::size_t>(hi, 0xFFFF)));
}

// EM_SETSEL: a start of -1 removes the selection, an end of -1 (or past the text) runs to the
// end; the caret goes to the end given.
LRESULT on_set_sel(HWND hwnd, Edit& e, WPARAM wStart, LPARAM lEnd) {
    const auto start = static_cast<int>(static_cast<INT_PTR>(wStart));
    const auto finish = static_cast<int>(lEnd);
    const std::size_t size = e.text.size();
    if (start == -1) {
        set_selection(hwnd, e, e.caret, e.caret);
        return 0;
    }
    const std::size_t a =
        start < 0 ? size : std::min<std::size_t>(static_cast<std::size_t>(start), size);
    const std::size_t b =
        finish < 0 ? size : std::min<std::size_t>(static_cast<std::size_t>(finish), size);
    set_selection(hwnd, e, a, b);
    return 0;
}

LRESULT on_set_tab_stops(HWND hwnd, Edit& e, WPARAM count, const int* stops) {
    if (!multiline(hwnd) || (count > 0 && !stops)) return FALSE;
    e.tabUnits.assign(stops, stops + count);
    if (std::any_of(e.tabUnits.begin(), e.tabUnits.end(), [](int s) { return s <= 0; })) {
        e.tabUnits.clear();
        return FALSE;
    }
    redraw(hwnd);
    return TRUE;
}

LRESULT on_focus(HWND hwnd, Edit& e, bool gained) {
    e.focused = gained;
    e.tracking = e.tracking && gained;
    redraw(hwnd);
    notify_parent(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

LRESULT on_line_scroll(HWND hwnd, Edit& e, int columns, int lines) {
    if (!multiline(hwnd)) return FALSE;
    measure(hwnd, e);
    const int count = static_cast<int>(lines_of(hwnd, e).size());
    e.firstLine = std::clamp(e.firstLine + lines, 0, std::max(0, count - 1));
    e.scrollX = std::max(0, e.scrollX + columns * e.averageWidth);
    redraw(hwnd);
    return TRUE;
}

LRESULT on_get_text(const Edit& e, WPARAM size, char* buffer) {
    if (!buffer || size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(e.text.size(), size - 1);
    std::memcpy(buffer, e.text.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT edit_proc(HWND hwnd, Edit& e, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName) e.text = cs->lpszName;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (multiline(hwnd)) code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_PAINT:
        return on_paint(hwnd, e);
    case WM_ERASEBKGND:
        return 1; // painting fills the whole field
    case WM_SETFOCUS:
        return on_focus(hwnd, e, true);
    case WM_KILLFOCUS:
        return on_focus(hwnd, e, false);
    case WM_ENABLE:
        redraw(hwnd);
        return 0;
    case WM_KEYDOWN:
        return on_key_down(hwnd, e, wParam);
    case WM_CHAR:
        return on_char(hwnd, e, wParam);
    case WM_LBUTTONDOWN:
        return on_button_down(hwnd, e, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        return on_double_click(hwnd, e, lParam);
    case WM_MOUSEMOVE:
        return on_mouse_move(hwnd, e, lParam);
    case WM_LBUTTONUP:
        return on_button_up(hwnd, e);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) e.tracking = false;
        return 0;
    case WM_MOUSEWHEEL:
        if (!multiline(hwnd)) return 0;
        return on_line_scroll(hwnd, e, 0,
                              -static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA * WheelLines);
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
            return TRUE;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETTEXT:
        set_text(hwnd, e, reinterpret_cast<const char*>(lParam));
        if (!multiline(hwnd) && notify(hwnd, e, EN_UPDATE)) notify(hwnd, e, EN_CHANGE);
        return TRUE;
    case WM_GETTEXT:
        return on_get_text(e, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(e.text.size());
    case WM_SETFONT:
        e.font = reinterpret_cast<HFONT>(wParam);
        e.measured = nullptr;
        measure(hwnd, e);
        scroll_to_caret(hwnd, e);
        if (LOWORD(lParam)) redraw(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(e.font);
    case WM_SIZE:
        if (e.lineHeight > 0) scroll_to_caret(hwnd, e);
        return 0;
    case WM_CUT:
        if (read_only(hwnd)) return 0;
        copy(hwnd, e);
        if (control_alive(hwnd, &e)) clear(hwnd, e);
        return 0;
    case WM_COPY:
        copy(hwnd, e);
        return 0;
    case WM_PASTE:
        paste(hwnd, e);
        return 0;
    case WM_CLEAR:
        clear(hwnd, e);
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        return undo(hwnd, e);
    case EM_CANUNDO:
        return e.canUndo;
    case EM_EMPTYUNDOBUFFER:
        e.canUndo = false;
        return 0;
    case EM_GETSEL:
        return on_get_sel(e, wParam, lParam);
    case EM_SETSEL:
        return on_set_sel(hwnd, e, wParam, lParam);
    case EM_REPLACESEL:
        replace_selection(hwnd, e, lParam ? reinterpret_cast<const char*>(lParam) : "", false,
                          wParam != 0);
        return 0;
    case EM_LIMITTEXT: {
        const std::size_t none = multiline(hwnd) ? 0xFFFFFFFFu : 0x7FFFFFFEu;
        e.limit = wParam == 0 ? none : static_cast<std::size_t>(wParam);
        return 0;
    }
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(e.limit);
    case EM_SCROLLCARET:
        scroll_to_caret(hwnd, e);
        redraw(hwnd);
        return TRUE;
    case EM_SETREADONLY: {
        const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
        SetWindowLongPtrA(hwnd, GWL_STYLE,
                          wParam ? (style | ES_READONLY)
                                 : (style & ~static_cast<LONG_PTR>(ES_READONLY)));
        redraw(hwnd);
        return TRUE;
    }
    case EM_SETTABSTOPS:
        return on_set_tab_stops(hwnd, e, wParam, reinterpret_cast<const int*>(lParam));
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(lines_of(hwnd, e).size());
    case EM_LINEINDEX:
        return on_line_index(hwnd, e, wParam);
    case EM_LINELENGTH:
        return on_line_length(hwnd, e, wParam);
    case EM_LINEFROMCHAR: {
        const std::vector<Line> lines = lines_of(hwnd, e);
        const auto index = static_cast<INT_PTR>(wParam);
        const std::size_t p =
            index < 0 ? std::min(e.caret, e.anchor)
                      : std::min<std::size_t>(static_cast<std::size_t>(index), e.text.size());
        return static_cast<LRESULT>(line_of(lines, p));
    }
    case EM_GETLINE:
        return on_get_line(hwnd, e, wParam, reinterpret_cast<char*>(lParam));
    case EM_GETMODIFY:
        return e.modified;
    case EM_SETMODIFY:
        e.modified = wParam != 0;
        return 0;
    case EM_SETPASSWORDCHAR:
        e.password = static_cast<char>(wParam);
        if (!multiline(hwnd)) {
            const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
            SetWindowLongPtrA(hwnd, GWL_STYLE,
                              wParam ? (style | ES_PASSWORD)
                                     : (style & ~static_cast<LONG_PTR>(ES_PASSWORD)));
        }
        redraw(hwnd);
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<unsigned char>(e.password);
    case EM_GETFIRSTVISIBLELINE:
        return multiline(hwnd) ? e.firstLine : 0;
    case EM_LINESCROLL:
        return on_line_scroll(hwnd, e, static_cast<int>(wParam), static_cast<int>(lParam));
    case EM_POSFROMCHAR: {
        if (wParam > e.text.size()) return -1;
        measure(hwnd, e);
        const POINT p = pos_to_point(hwnd, e, wParam);
        return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
    }
    case EM_CHARFROMPOS: {
        measure(hwnd, e);
        const std::size_t p = point_to_pos(hwnd, e, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        const std::vector<Line> lines = lines_of(hwnd, e);
        return MAKELONG(static_cast<WORD>(std::min<std::size_t>(p, 0xFFFF)),
                        static_cast<WORD>(line_of(lines, p)));
    }
    case EM_GETRECT:
        if (lParam) *reinterpret_cast<RECT*>(lParam) = view_of(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass edit_class{
    "EDIT", control_proc<Edit, edit_proc>, CS_DBLCLKS, StateBytes, -1, SurfaceKind::Child,
    32513}; // IDC_IBEAM

} // namespace plat
