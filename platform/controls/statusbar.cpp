// The status bar, "msctls_statusbar32": a row of text parts along the bottom of its parent.
//
// Styles: SBARS_SIZEGRIP (a grip in the bottom-right corner that sizes the parent, drawn and
// active only while the parent has a sizing border and is not maximised).
// Messages: SB_SETPARTS (a right edge of -1 reaches the right side), SB_GETPARTS, SB_SETTEXTA
// (part in the low byte of wParam, drawing type 0 sunken, SBT_NOBORDERS or SBT_POPOUT in the
// high byte; tabs split a text into left, centred and right pieces), SB_GETTEXTA,
// SB_GETTEXTLENGTHA, SB_GETRECT, SB_GETBORDERS, SB_SIMPLE, SB_ISSIMPLE, WM_SETTEXT, WM_GETTEXT and
// WM_GETTEXTLENGTH (on the first part), WM_SETFONT, WM_GETFONT; WM_SIZE from the parent fits the
// bar to the parent's bottom edge, its height following from the font. Gaps: SBT_OWNERDRAW
// (refused), SB_SETMINHEIGHT, SB_SETICON, SB_SETBKCOLOR, tip texts, CCS_TOP and the other alignment
// styles; the bar always sits at the bottom.
#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int MaxParts = 256;
constexpr int BorderTop = 2;  // above the parts
constexpr int PartGap = 2;    // between two parts
constexpr int EdgeWidth = 1;  // the thin edge around a part
constexpr int TextPad = 1;    // between the edge and the text, above and below
constexpr int TextIndent = 3; // between the left edge and the text
constexpr int GripSize = 13;  // the width of the grip's corner square

struct Part {
    int right = -1; // as given; -1 reaches the right side
    std::string text;
    WPARAM type = 0; // SBT_NOBORDERS, SBT_POPOUT or 0
};

struct StatusBar {
    std::vector<Part> parts{Part{}};
    bool simple = false;
    Part simplePart;
    HFONT font = nullptr;
    int height = 0;
    bool fitting = false;
};

StatusBar* state_of(HWND hwnd) {
    return control_state<StatusBar>(hwnd);
}

HFONT font_of(const StatusBar& sb) {
    return sb.font ? sb.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int height_for_font(HWND hwnd, HFONT font) {
    HDC hdc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(hdc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return BorderTop + 2 * (EdgeWidth + TextPad) + tm.tmHeight;
}

bool has_grip(HWND hwnd) {
    if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & SBARS_SIZEGRIP)) return false;
    const auto parentStyle = static_cast<DWORD>(GetWindowLongPtrA(GetParent(hwnd), GWL_STYLE));
    return (parentStyle & WS_THICKFRAME) && !(parentStyle & WS_MAXIMIZE);
}

int client_width(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r.right;
}

// In simple mode one part, reaching the right side, stands in for all of them.
std::span<const Part> shown_parts(const StatusBar& sb) {
    if (sb.simple) return {&sb.simplePart, 1};
    return sb.parts;
}

// Part i starts a gap after the previous part's right edge; -1 and edges past the side end at
// the side.
RECT part_rect(HWND hwnd, const StatusBar& sb, std::span<const Part> parts, std::size_t i) {
    const int width = client_width(hwnd);
    const auto edge = [&](std::size_t k) {
        return parts[k].right < 0 ? width : std::min(parts[k].right, width);
    };
    const int left = i == 0 ? 0 : std::min(edge(i - 1) + PartGap, width);
    return RECT{left, BorderTop, std::max(left, edge(i)), sb.height};
}

void fit_to_parent(HWND hwnd, StatusBar& sb) {
    const HWND parent = GetParent(hwnd);
    RECT pc;
    if (sb.fitting || !(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) ||
        !GetClientRect(parent, &pc))
        return;
    sb.fitting = true;
    SetWindowPos(hwnd, nullptr, 0, pc.bottom - sb.height, pc.right, sb.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (StatusBar* again = state_of(hwnd)) again->fitting = false;
}

// A text with tabs: the piece before the first tab on the left, the next centred, the rest on
// the right.
void draw_part_text(HDC hdc, const std::string& text, RECT r) {
    static constexpr std::array<UINT, 3> align = {DT_LEFT, DT_CENTER, DT_RIGHT};
    std::string_view rest = text;
    for (std::size_t piece = 0; piece < align.size() && !rest.empty(); ++piece) {
        std::size_t tab = piece + 1 < align.size() ? rest.find('\t') : std::string_view::npos;
        const std::string_view s = rest.substr(0, tab);
        RECT box = r;
        DrawTextA(hdc, s.data(), static_cast<int>(s.size()), &box,
                  align[piece] | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        rest = tab == std::string_view::npos ? std::string_view{} : rest.substr(tab + 1);
    }
}

void draw_part(HDC hdc, const Part& part, RECT r) {
    if (r.right <= r.left) return;
    if (!(part.type & SBT_NOBORDERS))
        DrawEdge(hdc, &r, (part.type & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&r, -EdgeWidth, -EdgeWidth);
    r.left += TextIndent - EdgeWidth;
    draw_part_text(hdc, part.text, r);
}

// Three ridges across the corner, each a highlight line above two shadow lines.
void draw_grip(HDC hdc, int width, int height) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    for (int y = height - GripSize; y < height; ++y)
        for (int x = width - GripSize; x < width; ++x) {
            const int d = (width - 1 - x) + (height - 1 - y);
            if (d < 1 || d > 12) continue;
            const int m = d % 4;
            if (m == 1) SetPixel(hdc, x, y, light);
            if (m == 2 || m == 3) SetPixel(hdc, x, y, dark);
        }
}

LRESULT on_paint(HWND hwnd, StatusBar& sb) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(hdc, font_of(sb));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    const std::span<const Part> parts = shown_parts(sb);
    for (std::size_t i = 0; i < parts.size(); ++i)
        draw_part(hdc, parts[i], part_rect(hwnd, sb, parts, i));
    if (has_grip(hwnd)) draw_grip(hdc, client.right, client.bottom);
    SelectObject(hdc, oldFont);
    EndPaint(hwnd, &ps);
    return 0;
}

// The part a wParam names: the simple part while simple, else a part index.
Part* part_at(StatusBar& sb, WPARAM index) {
    if (sb.simple) return index == SB_SIMPLEID ? &sb.simplePart : nullptr;
    return index < sb.parts.size() ? &sb.parts[index] : nullptr;
}

void invalidate_part(HWND hwnd, const StatusBar& sb, WPARAM index) {
    if (sb.simple || index >= sb.parts.size()) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    RECT r = part_rect(hwnd, sb, sb.parts, index);
    InvalidateRect(hwnd, &r, TRUE);
}

LRESULT on_set_text(HWND hwnd, StatusBar& sb, WPARAM wParam, LPCSTR text) {
    const WPARAM index = wParam & 0xFF, type = wParam & 0xFF00;
    if (type & SBT_OWNERDRAW) return FALSE;
    Part* part = part_at(sb, index);
    if (!part) return FALSE;
    const std::string next = text ? text : "";
    if (part->text == next && part->type == type) return TRUE;
    part->text = next;
    part->type = type;
    invalidate_part(hwnd, sb, index);
    return TRUE;
}

LRESULT describe_text(const Part* part) {
    if (!part) return 0;
    const auto length = static_cast<WORD>(std::min<std::size_t>(part->text.size(), 0xFFFF));
    return MAKELONG(length, static_cast<WORD>(part->type));
}

// The caller's buffer must hold the whole text, as on the platform: SB_GETTEXTA has no size.
LRESULT on_get_text(StatusBar& sb, WPARAM index, char* buffer) {
    const Part* part = part_at(sb, index);
    if (part && buffer) std::memcpy(buffer, part->text.c_str(), part->text.size() + 1);
    return describe_text(part);
}

LRESULT on_set_parts(HWND hwnd, StatusBar& sb, WPARAM count, const int* edges) {
    if (count == 0 || count > MaxParts || !edges) return FALSE;
    sb.parts.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        sb.parts[i].right = edges[i];
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT on_get_parts(const StatusBar& sb, WPARAM size, int* edges) {
    if (edges)
        for (std::size_t i = 0; i < std::min<std::size_t>(size, sb.parts.size()); ++i)
            edges[i] = sb.parts[i].right;
    return static_cast<LRESULT>(sb.parts.size());
}

LRESULT on_get_rect(HWND hwnd, const StatusBar& sb, WPARAM index, RECT* out) {
    const std::span<const Part> parts = shown_parts(sb);
    if (!out) return FALSE;
    if (sb.simple) index = 0;
    if (index >= parts.size()) return FALSE;
    *out = part_rect(hwnd, sb, parts, index);
    return TRUE;
}

LRESULT on_hit_test(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd, &p);
    RECT client;
    GetClientRect(hwnd, &client);
    if (has_grip(hwnd) && PtInRect(&client, p) && p.x >= client.right - GripSize)
        return HTBOTTOMRIGHT;
    return DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
}

// A press on the grip is a press on the parent's bottom-right corner: its sizing loop runs.
LRESULT on_nc_button_down(HWND hwnd, WPARAM hit, LPARAM where) {
    if (hit == static_cast<WPARAM>(HTBOTTOMRIGHT) && has_grip(hwnd))
        return SendMessageA(GetParent(hwnd), WM_NCLBUTTONDOWN, hit, where);
    return DefWindowProcA(hwnd, WM_NCLBUTTONDOWN, hit, where);
}

LRESULT on_set_cursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (static_cast<SHORT>(LOWORD(lParam)) == HTBOTTOMRIGHT) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZENWSE));
        return TRUE;
    }
    return DefWindowProcA(hwnd, WM_SETCURSOR, wParam, lParam);
}

LRESULT on_set_font(HWND hwnd, StatusBar& sb, HFONT font, BOOL redraw) {
    sb.font = font;
    sb.height = height_for_font(hwnd, font_of(sb));
    fit_to_parent(hwnd, sb);
    if (redraw && IsWindow(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT statusbar_proc(HWND hwnd, StatusBar& sbRef, UINT message, WPARAM wParam, LPARAM lParam) {
    StatusBar* sb = &sbRef;
    switch (message) {
    case WM_CREATE:
        sb->height = height_for_font(hwnd, font_of(*sb));
        fit_to_parent(hwnd, *sb);
        return 0;
    case WM_NCCREATE:
        if (const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam); cs && cs->lpszName)
            sb->parts[0].text = cs->lpszName;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SIZE:
        // The parent forwards its own WM_SIZE; the bar measures the parent itself.
        fit_to_parent(hwnd, *sb);
        if (IsWindow(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        return on_paint(hwnd, *sb);
    case WM_ERASEBKGND:
        return 1; // painting fills the whole bar
    case WM_NCHITTEST:
        return on_hit_test(hwnd, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return on_nc_button_down(hwnd, wParam, lParam);
    case WM_SETCURSOR:
        return on_set_cursor(hwnd, wParam, lParam);
    case WM_SETFONT:
        return on_set_font(hwnd, *sb, reinterpret_cast<HFONT>(wParam), LOWORD(lParam));
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(sb->font);
    case WM_SETTEXT:
        return on_set_text(hwnd, *sb, 0, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: {
        if (wParam == 0 || !lParam || sb->parts.empty()) return 0;
        const std::string& text = sb->parts[0].text;
        const std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
        std::memcpy(reinterpret_cast<char*>(lParam), text.data(), n);
        reinterpret_cast<char*>(lParam)[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(sb->parts[0].text.size());
    case SB_SETTEXTA:
        return on_set_text(hwnd, *sb, wParam, reinterpret_cast<LPCSTR>(lParam));
    case SB_GETTEXTA:
        return on_get_text(*sb, wParam, reinterpret_cast<char*>(lParam));
    case SB_GETTEXTLENGTHA:
        return describe_text(part_at(*sb, wParam));
    case SB_SETPARTS:
        return on_set_parts(hwnd, *sb, wParam, reinterpret_cast<const int*>(lParam));
    case SB_GETPARTS:
        return on_get_parts(*sb, wParam, reinterpret_cast<int*>(lParam));
    case SB_GETRECT:
        return on_get_rect(hwnd, *sb, wParam, reinterpret_cast<RECT*>(lParam));
    case SB_GETBORDERS: {
        if (!lParam) return FALSE;
        int* borders = reinterpret_cast<int*>(lParam);
        borders[0] = 0;
        borders[1] = BorderTop;
        borders[2] = PartGap;
        return TRUE;
    }
    case SB_SIMPLE:
        if (sb->simple != (wParam != 0)) {
            sb->simple = wParam != 0;
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case SB_ISSIMPLE:
        return sb->simple;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass statusbar_class{STATUSCLASSNAMEA, control_proc<StatusBar, statusbar_proc>,
                                   CS_DBLCLKS,       StateBytes,
                                   COLOR_BTNFACE,    SurfaceKind::Child};

} // namespace plat
