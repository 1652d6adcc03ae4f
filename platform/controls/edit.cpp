// The edit control, "EDIT": single-line and multi-line text fields.
//
// Styles: ES_MULTILINE (lines end in "\r\n"; without ES_AUTOHSCROLL and WS_HSCROLL lines also
// wrap at the field's width, after the blanks before a word that does not fit, inside a word
// longer than the line, again whenever the text, the size or the font changes), ES_AUTOHSCROLL
// (without it a single-line field refuses text wider than itself), ES_AUTOVSCROLL (without it a
// multi-line field refuses an insertion that would make more lines than it shows), ES_READONLY,
// ES_PASSWORD, ES_NUMBER, ES_UPPERCASE, ES_LOWERCASE, ES_LEFT/CENTER/RIGHT, ES_NOHIDESEL;
// WS_VSCROLL and WS_HSCROLL give a multi-line field the window's scroll bars, kept shown and
// disabled while everything fits.
// Keys: arrows, Home/End (with Ctrl the whole text), Ctrl+Left/Right by words, Up/Down and
// Page Up/Down between the lines shown (End on a wrapped line leaves the caret at its end),
// Shift with any of them extends the selection; Backspace, Delete (Shift+Delete cuts),
// Ctrl+Insert copies, Shift+Insert pastes; Ctrl+A, C, X, V, Z.
// Mouse: a press places the caret (Shift extends), a drag selects, a double click selects a
// word, the wheel scrolls a multi-line field; the scroll bars' arrows, track and thumb scroll it.
// Messages: EM_GETSEL, SETSEL, REPLACESEL, LIMITTEXT/SETLIMITTEXT, GETLIMITTEXT, SCROLLCARET,
// SETREADONLY, SETTABSTOPS, GETLINECOUNT, LINEINDEX, LINELENGTH, LINEFROMCHAR, GETLINE (all on
// the lines as shown, wrapped ones included), CANUNDO, UNDO, EMPTYUNDOBUFFER, GETMODIFY,
// SETMODIFY, SETPASSWORDCHAR, GETPASSWORDCHAR, GETFIRSTVISIBLELINE, LINESCROLL, SCROLL,
// GETTHUMB, POSFROMCHAR, CHARFROMPOS, GETRECT, SETMARGINS, GETMARGINS; WM_VSCROLL, HSCROLL,
// MOUSEWHEEL; WM_CUT, COPY, PASTE, CLEAR, UNDO; WM_SETTEXT, GETTEXT, GETTEXTLENGTH, SETFONT,
// GETFONT; WM_GETDLGCODE.
// Notifications (WM_COMMAND): EN_SETFOCUS, EN_KILLFOCUS, EN_UPDATE then EN_CHANGE after each
// change (WM_SETTEXT of a multi-line field sends neither), EN_MAXTEXT when input is cut at the
// limit, the width or the lines shown (typing beyond them also beeps), EN_VSCROLL/EN_HSCROLL
// when the bar's arrows or track, the wheel or a key move the view (not the thumb).
// Painting asks WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC when read-only or disabled. The caret is
// drawn inverted where the caret is, without blinking.
// In a dialog Enter presses the default button unless ES_WANTRETURN (or Ctrl) makes it a new
// line.
// Gaps: EM_SETRECT, EM_GETHANDLE/SETHANDLE, EM_FMTLINES (no soft break characters), a size box
// where both bars meet.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "controls/edit_state.h"
#include "controls/system_classes.h"

namespace plat {
namespace edit {

bool read_only(HWND hwnd) {
    return style_of(hwnd) & ES_READONLY;
}

bool notify(HWND hwnd, const Edit& e, WORD code) {
    return notify_parent(hwnd, code) && control_alive(hwnd, &e);
}

namespace {
// ---- changes

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

// The lines the text would have with from..to replaced by s.
std::size_t lines_after(HWND hwnd, Edit& e, std::size_t from, std::size_t to, std::string_view s) {
    std::string text = e.text;
    text.replace(from, to - from, s);
    EditLayout trial = layout(hwnd, e);
    trial.replace(text, e.measure, from, to - from, s.size());
    return trial.count();
}

// Cuts s to what a field without ES_AUTOVSCROLL holds: no more lines than it shows (or has
// already); true when something was cut.
bool fit_lines(HWND hwnd, Edit& e, std::size_t from, std::size_t to, std::string& s) {
    if (!multiline(hwnd) || (style_of(hwnd) & ES_AUTOVSCROLL) || s.empty()) return false;
    const std::size_t room = std::max<std::size_t>(static_cast<std::size_t>(visible_lines(hwnd, e)),
                                                   layout(hwnd, e).count());
    if (lines_after(hwnd, e, from, to, s) <= room) return false;
    std::size_t fits = 0, fails = s.size();
    while (fails - fits > 1) {
        const std::size_t mid = fits + (fails - fits) / 2;
        if (lines_after(hwnd, e, from, to, std::string_view(s).substr(0, mid)) <= room)
            fits = mid;
        else
            fails = mid;
    }
    if (fits > 0 && fits < s.size() && s[fits - 1] == '\r' && s[fits] == '\n') --fits;
    s.resize(fits);
    return true;
}

// Replaces the selection with s. Input beyond the limit, wider than a single-line field
// without ES_AUTOHSCROLL or longer than a multi-line one without ES_AUTOVSCROLL is cut off;
// EN_MAXTEXT then tells the parent (and the user hears a beep). Returns false when the field
// is gone.
bool replace_selection(HWND hwnd, Edit& e, std::string_view input, bool byUser, bool undoable,
                       bool typed = false) {
    layout(hwnd, e);
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
        const RECT view = view_of(hwnd, e);
        int room = view.right - view.left - advance(e, 0, from) - advance(e, to, e.text.size());
        std::size_t fits = 0;
        while (fits < s.size()) {
            room -= e.measure.after(0, s[fits]);
            if (room < 0) break;
            ++fits;
        }
        if (fits < s.size()) {
            s.resize(fits);
            cut = true;
        }
    }
    cut = fit_lines(hwnd, e, from, to, s) || cut;
    const bool changes = !s.empty() || from != to;
    if (changes) {
        if (undoable && !(typed && e.typing)) remember(e);
        e.typing = typed;
        e.text.replace(from, to - from, s);
        e.layout.replace(e.text, e.measure, from, to - from, s.size());
        e.caret = e.anchor = from + s.size();
        e.caretAtLineEnd = false;
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

// atLineEnd: a caret where a wrapped line ends stays at that line's end.
void set_selection(HWND hwnd, Edit& e, std::size_t anchor, std::size_t caret,
                   bool atLineEnd = false) {
    anchor = std::min(anchor, e.text.size());
    caret = std::min(caret, e.text.size());
    // A "\r\n" is one step: positions never fall between its two characters.
    const auto fix = [&](std::size_t p) {
        return p > 0 && p < e.text.size() && e.text[p - 1] == '\r' && e.text[p] == '\n' ? p - 1 : p;
    };
    anchor = fix(anchor);
    caret = fix(caret);
    if (anchor == e.anchor && caret == e.caret && atLineEnd == e.caretAtLineEnd) return;
    e.anchor = anchor;
    e.caret = caret;
    e.caretAtLineEnd = atLineEnd;
    e.typing = false;
    scroll_to_caret(hwnd, e);
    redraw(hwnd);
}

void set_text(HWND hwnd, Edit& e, const char* text) {
    e.text = text ? text : "";
    e.relayout = true;
    e.caret = e.anchor = 0;
    e.caretAtLineEnd = false;
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
    e.relayout = true;
    e.caretAtLineEnd = false;
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
std::size_t line_step(HWND hwnd, Edit& e, int lines, bool& atLineEnd) {
    const POINT at = pos_to_point(hwnd, e, e.caret, e.caretAtLineEnd);
    return point_to_pos(hwnd, e, {at.x, at.y + lines * e.lineHeight + e.lineHeight / 2},
                        &atLineEnd);
}

std::size_t home(HWND hwnd, Edit& e, bool ctrl) {
    if (ctrl) return 0;
    return e.layout.lines()[caret_line(hwnd, e)].start;
}

std::size_t end(HWND hwnd, Edit& e, bool ctrl, bool& atLineEnd) {
    if (ctrl) return e.text.size();
    const EditLine& l = e.layout.lines()[caret_line(hwnd, e)];
    atLineEnd = l.wrapped;
    return l.start + l.length;
}

LRESULT on_key_down(HWND hwnd, Edit& e, WPARAM vk) {
    layout(hwnd, e);
    const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool collapse = !shift && e.caret != e.anchor;
    const std::size_t lo = std::min(e.caret, e.anchor), hi = std::max(e.caret, e.anchor);
    std::size_t to = e.caret;
    bool atLineEnd = false;
    const int firstLine = e.firstLine, scrollX = e.scrollX;
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
        to = end(hwnd, e, ctrl, atLineEnd);
        break;
    case VK_UP:
    case VK_DOWN:
        if (!multiline(hwnd)) {
            to = vk == VK_UP ? char_left(e, e.caret) : char_right(e, e.caret);
            break;
        }
        to = line_step(hwnd, e, vk == VK_UP ? -1 : 1, atLineEnd);
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        // The view moves a page and the caret with it.
        if (!multiline(hwnd)) return 0;
        const int page = (vk == VK_PRIOR ? -1 : 1) * visible_lines(hwnd, e);
        to = line_step(hwnd, e, page, atLineEnd);
        const int last = static_cast<int>(e.layout.count()) - visible_lines(hwnd, e);
        e.firstLine = std::clamp(e.firstLine + page, 0, std::max(0, last));
        if (e.firstLine != firstLine) redraw(hwnd);
        break;
    }
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
    // A key that moves the view tells the parent, as the scroll bar's arrows do.
    set_selection(hwnd, e, shift ? e.anchor : to, to, atLineEnd);
    if (multiline(hwnd) && e.firstLine != firstLine && !notify(hwnd, e, EN_VSCROLL)) return 0;
    if (multiline(hwnd) && e.scrollX != scrollX) notify(hwnd, e, EN_HSCROLL);
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
    bool atLineEnd = false;
    const std::size_t p = point_to_pos(hwnd, e, point_of(lParam), &atLineEnd);
    set_selection(hwnd, e, (keys & MK_SHIFT) ? e.anchor : p, p, atLineEnd);
    e.tracking = true;
    SetCapture(hwnd);
    return 0;
}

LRESULT on_double_click(HWND hwnd, Edit& e, LPARAM lParam) {
    const std::size_t p = point_to_pos(hwnd, e, point_of(lParam));
    set_selection(hwnd, e, word_start(e, p), word_end(e, p));
    return 0;
}

LRESULT on_mouse_move(HWND hwnd, Edit& e, LPARAM lParam) {
    if (!e.tracking || GetCapture() != hwnd) return 0;
    bool atLineEnd = false;
    const std::size_t p = point_to_pos(hwnd, e, point_of(lParam), &atLineEnd);
    set_selection(hwnd, e, e.anchor, p, atLineEnd);
    return 0;
}

LRESULT on_button_up(HWND hwnd, Edit& e) {
    if (!e.tracking) return 0;
    e.tracking = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    return 0;
}

// ---- messages

LRESULT on_get_line(HWND hwnd, Edit& e, WPARAM index, char* buffer) {
    if (!buffer) return 0;
    WORD size = 0;
    std::memcpy(&size, buffer, sizeof size); // the first word gives the buffer's size
    const std::vector<EditLine>& lines = layout(hwnd, e).lines();
    if (!multiline(hwnd)) index = 0;
    if (index >= lines.size()) return 0;
    const EditLine& l = lines[index];
    const std::size_t n = std::min<std::size_t>(l.length, size);
    std::memcpy(buffer, e.text.data() + l.start, n); // not terminated, as on the platform
    return static_cast<LRESULT>(n);
}

LRESULT on_line_index(HWND hwnd, Edit& e, WPARAM wParam) {
    const std::vector<EditLine>& lines = layout(hwnd, e).lines();
    const auto index = static_cast<INT_PTR>(wParam);
    if (index == -1) return static_cast<LRESULT>(lines[caret_line(hwnd, e)].start);
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) return -1;
    return static_cast<LRESULT>(lines[static_cast<std::size_t>(index)].start);
}

// EM_LINELENGTH takes a character index; -1 measures what the selection leaves of its lines.
LRESULT on_line_length(HWND hwnd, Edit& e, WPARAM wParam) {
    const EditLayout& lay = layout(hwnd, e);
    const std::vector<EditLine>& lines = lay.lines();
    const auto index = static_cast<INT_PTR>(wParam);
    if (index == -1) {
        const std::size_t lo = std::min(e.caret, e.anchor), hi = std::max(e.caret, e.anchor);
        const EditLine& first = lines[lay.line_of(lo)];
        const EditLine& last = lines[lay.line_of(hi)];
        return static_cast<LRESULT>((lo - first.start) + (last.start + last.length - hi));
    }
    if (index < 0 || static_cast<std::size_t>(index) > e.text.size()) return 0;
    return static_cast<LRESULT>(lines[lay.line_of(static_cast<std::size_t>(index))].length);
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

// EM_SETTABSTOPS: none for every 32 dialog units, one for every so many, more for each. The
// field does not redraw itself: the program invalidates it, as on the platform.
LRESULT on_set_tab_stops(HWND hwnd, Edit& e, WPARAM count, const int* stops) {
    if (!multiline(hwnd) || (count > 0 && !stops) || count > 0x7FFF) return FALSE;
    const std::vector<int> units(stops, stops + count);
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i] <= 0 || (i > 0 && units[i] <= units[i - 1])) return FALSE;
    e.tabUnits = units;
    measure(hwnd, e);
    return TRUE;
}

// EM_SETMARGINS: pixels, or EC_USEFONTINFO for a narrow margin from the font set (none
// without one); the lines wrap anew at the width left.
LRESULT on_set_margins(HWND hwnd, Edit& e, WPARAM which, LPARAM lParam) {
    measure(hwnd, e);
    const auto margin = [&](WORD value) {
        if (value != EC_USEFONTINFO) return static_cast<int>(value);
        return e.font ? e.averageWidth / 2 : 0;
    };
    if (which & EC_LEFTMARGIN) e.leftMargin = margin(LOWORD(lParam));
    if (which & EC_RIGHTMARGIN) e.rightMargin = margin(HIWORD(lParam));
    keep_first_visible(hwnd, e);
    scroll_to_caret(hwnd, e);
    redraw(hwnd);
    return 0;
}

LRESULT on_focus(HWND hwnd, Edit& e, bool gained) {
    e.focused = gained;
    e.tracking = e.tracking && gained;
    redraw(hwnd);
    notify_parent(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

LRESULT on_get_text(const Edit& e, WPARAM size, char* buffer) {
    if (!buffer || size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(e.text.size(), size - 1);
    std::memcpy(buffer, e.text.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

// A multi-line field takes every key but Enter, which without ES_WANTRETURN (and without Ctrl)
// is the dialog's: it presses the default button.
LRESULT dialog_code(HWND hwnd, const MSG* msg) {
    const LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (!multiline(hwnd)) return code;
    const bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
    if (enter && !(style_of(hwnd) & ES_WANTRETURN) && GetKeyState(VK_CONTROL) >= 0) return code;
    return code | DLGC_WANTALLKEYS;
}

// The first visible character of a single-line field.
LRESULT first_visible_char(HWND hwnd, Edit& e) {
    layout(hwnd, e);
    int x = 0;
    std::size_t i = 0;
    while (i < e.text.size() && x < e.scrollX)
        x = e.measure.after(x, e.text[i++]);
    return static_cast<LRESULT>(i);
}

LRESULT edit_messages(HWND hwnd, Edit& e, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName) e.text = cs->lpszName;
        e.vbar = cs && (cs->style & WS_VSCROLL);
        e.hbar = cs && (cs->style & WS_HSCROLL);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_GETDLGCODE:
        return dialog_code(hwnd, reinterpret_cast<const MSG*>(lParam));
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
        wheel(hwnd, e, static_cast<SHORT>(HIWORD(wParam)));
        return 0;
    case WM_VSCROLL:
        on_scroll(hwnd, e, SB_VERT, wParam);
        return 0;
    case WM_HSCROLL:
        on_scroll(hwnd, e, SB_HORZ, wParam);
        return 0;
    case EM_SCROLL: {
        const WORD code = LOWORD(wParam);
        if (!multiline(hwnd) || code > SB_PAGEDOWN) return FALSE;
        const int lines = on_scroll(hwnd, e, SB_VERT, code);
        return MAKELONG(static_cast<WORD>(static_cast<SHORT>(lines)), TRUE);
    }
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
        keep_first_visible(hwnd, e);
        scroll_to_caret(hwnd, e);
        if (LOWORD(lParam)) redraw(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(e.font);
    case WM_SIZE:
        // The lines wrap anew; the text at the top stays there.
        if (e.lineHeight > 0) {
            keep_first_visible(hwnd, e);
            scroll_to_caret(hwnd, e);
        }
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
        return static_cast<LRESULT>(layout(hwnd, e).count());
    case EM_LINEINDEX:
        return on_line_index(hwnd, e, wParam);
    case EM_LINELENGTH:
        return on_line_length(hwnd, e, wParam);
    case EM_LINEFROMCHAR: {
        // -1: the caret's line, or the line where the selection starts.
        const EditLayout& lay = layout(hwnd, e);
        const auto index = static_cast<INT_PTR>(wParam);
        if (index < 0 && e.caret == e.anchor) return static_cast<LRESULT>(caret_line(hwnd, e));
        const std::size_t p =
            index < 0 ? std::min(e.caret, e.anchor)
                      : std::min<std::size_t>(static_cast<std::size_t>(index), e.text.size());
        return static_cast<LRESULT>(lay.line_of(p));
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
        if (!multiline(hwnd)) return first_visible_char(hwnd, e);
        layout(hwnd, e);
        return e.firstLine;
    case EM_LINESCROLL:
        return line_scroll(hwnd, e, static_cast<int>(wParam), static_cast<int>(lParam));
    case EM_POSFROMCHAR: {
        if (wParam > e.text.size()) return -1;
        const POINT p = pos_to_point(hwnd, e, wParam);
        return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
    }
    case EM_CHARFROMPOS: {
        bool atLineEnd = false;
        const std::size_t p =
            point_to_pos(hwnd, e, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &atLineEnd);
        const std::size_t line = e.layout.line_of(p) - (atLineEnd ? 1 : 0);
        return MAKELONG(static_cast<WORD>(std::min<std::size_t>(p, 0xFFFF)),
                        static_cast<WORD>(line));
    }
    case EM_SETMARGINS:
        return on_set_margins(hwnd, e, wParam, lParam);
    case EM_GETMARGINS:
        return MAKELONG(static_cast<WORD>(e.leftMargin), static_cast<WORD>(e.rightMargin));
    case EM_GETTHUMB:
        return multiline(hwnd) ? (layout(hwnd, e), e.firstLine) : 0;
    case EM_GETRECT:
        if (lParam) *reinterpret_cast<RECT*>(lParam) = view_of(hwnd, e);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// Messages after which the text, its lines or the view may have changed.
bool may_move_view(UINT message) {
    return (message >= EM_GETSEL && message <= EM_GETLIMITTEXT) || message == WM_CREATE ||
           message == WM_SIZE || message == WM_SETTEXT || message == WM_SETFONT ||
           message == WM_KEYDOWN || message == WM_CHAR || message == WM_LBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_MOUSEMOVE || message == WM_MOUSEWHEEL ||
           message == WM_VSCROLL || message == WM_HSCROLL || message == WM_CUT ||
           message == WM_PASTE || message == WM_CLEAR || message == WM_UNDO;
}

LRESULT edit_proc(HWND hwnd, Edit& e, UINT message, WPARAM wParam, LPARAM lParam) {
    const void* self = &e;
    const LRESULT r = edit_messages(hwnd, e, message, wParam, lParam);
    if (may_move_view(message) && control_alive(hwnd, self)) sync_scroll_bars(hwnd, e);
    return r;
}

} // namespace
} // namespace edit

const ControlClass edit_class{"EDIT",     control_proc<edit::Edit, edit::edit_proc>,
                              CS_DBLCLKS, StateBytes,
                              -1,         SurfaceKind::Child,
                              32513}; // IDC_IBEAM

} // namespace plat
