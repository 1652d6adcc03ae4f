// The static control, "STATIC": text, icons, bitmaps, frames and rectangles.
//
// Styles: SS_LEFT, SS_CENTER and SS_RIGHT (wrapped at word breaks, tabs expanded), SS_SIMPLE
// (the first line), SS_LEFTNOWORDWRAP (one line per line of text, clipped), SS_NOPREFIX ('&'
// shown as it is; otherwise it underlines the mnemonic), SS_EDITCONTROL (a word wider than the
// control is broken, a partly visible last line is not shown), SS_ENDELLIPSIS (one line ending
// in "..." when it does not fit), all laid out by DrawTextA; SS_ICON and SS_BITMAP (the
// control takes the image's size unless SS_CENTERIMAGE or SS_REALSIZEIMAGE asks to centre it in the
// control as it is), SS_BLACKRECT/GRAYRECT/WHITERECT, SS_BLACKFRAME/GRAYFRAME/WHITEFRAME,
// SS_ETCHEDHORZ/VERT/FRAME, SS_OWNERDRAW (WM_DRAWITEM), SS_NOTIFY (clicks reach the control
// and STN_CLICKED, STN_DBLCLK, STN_ENABLE and STN_DISABLE reach the parent; without it the hit
// test answers HTTRANSPARENT).
// Messages: STM_SETIMAGE, STM_GETIMAGE, STM_SETICON, STM_GETICON, WM_SETTEXT (an icon static
// loads the icon the text names), WM_SETFONT, WM_GETFONT, WM_GETDLGCODE (DLGC_STATIC).
// Text kinds and images ask WM_CTLCOLORSTATIC; a disabled static draws grey text.
// Gaps: SS_SUNKEN, SS_ENHMETAFILE, SS_PATHELLIPSIS and SS_WORDELLIPSIS, SS_USERITEM.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int IconSize = 32; // the size DrawIcon draws at

struct Static {
    HFONT font = nullptr;
    HICON icon = nullptr;
    HBITMAP bitmap = nullptr;
};

DWORD kind_of(HWND hwnd) {
    return style_of(hwnd) & SS_TYPEMASK;
}
bool is_text_kind(DWORD kind) {
    return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_SIMPLE ||
           kind == SS_LEFTNOWORDWRAP;
}

HFONT font_of(const Static& s) {
    return s.font ? s.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

std::string text_of(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// ---- text

// The DrawTextA format for a text kind. SS_ENDELLIPSIS keeps the text on one line.
UINT text_format(DWORD style) {
    const DWORD kind = style & SS_TYPEMASK;
    UINT format = DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0u) |
                  ((style & SS_EDITCONTROL) ? DT_EDITCONTROL : 0u);
    if (kind == SS_SIMPLE) return format | DT_SINGLELINE;
    if (kind == SS_CENTER)
        format |= DT_CENTER;
    else if (kind == SS_RIGHT)
        format |= DT_RIGHT;
    if ((style & SS_ELLIPSISMASK) == SS_ENDELLIPSIS)
        return format | DT_SINGLELINE | DT_END_ELLIPSIS;
    if (kind != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
    return format;
}

void draw_text(HWND hwnd, HDC hdc, const Static& s, RECT client) {
    const DWORD style = style_of(hwnd);
    if (!IsWindowEnabled(hwnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    // The text is opaque in the background colour the parent chose.
    const HGDIOBJ oldFont = SelectObject(hdc, font_of(s));
    std::string text = text_of(hwnd);
    // A simple static shows the first line of its text.
    if ((style & SS_TYPEMASK) == SS_SIMPLE) text = text.substr(0, text.find_first_of("\r\n"));
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &client, text_format(style));
    SelectObject(hdc, oldFont);
}

// ---- images

SIZE image_size(const Static& s, DWORD kind) {
    if (kind == SS_ICON && s.icon) return {IconSize, IconSize};
    if (kind == SS_BITMAP && s.bitmap) {
        BITMAP bm{};
        if (GetObjectA(s.bitmap, sizeof bm, &bm)) return {bm.bmWidth, bm.bmHeight};
    }
    return {0, 0};
}

void draw_image(HWND hwnd, HDC hdc, const Static& s, RECT client) {
    const DWORD style = style_of(hwnd), kind = style & SS_TYPEMASK;
    const SIZE size = image_size(s, kind);
    if (size.cx == 0) return;
    int x = 0, y = 0;
    if (style & (SS_CENTERIMAGE | SS_REALSIZEIMAGE)) {
        x = (client.right - size.cx) / 2;
        y = (client.bottom - size.cy) / 2;
    }
    if (kind == SS_ICON) {
        DrawIcon(hdc, x, y, s.icon);
        return;
    }
    HDC mem = CreateCompatibleDC(hdc);
    const HGDIOBJ old = SelectObject(mem, s.bitmap);
    BitBlt(hdc, x, y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

// An image static takes the image's size, unless asked to centre the image in its own.
void fit_to_image(HWND hwnd, const Static& s) {
    const DWORD style = style_of(hwnd);
    const SIZE size = image_size(s, style & SS_TYPEMASK);
    if (size.cx == 0 || (style & (SS_CENTERIMAGE | SS_REALSIZEIMAGE))) return;
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// An icon's name in the window text: "#12" or the resource template's 0xFF, low, high form
// stand for a number.
HICON load_named_icon(HINSTANCE instance, const char* name) {
    if (!name || !*name) return nullptr;
    if (static_cast<unsigned char>(name[0]) == 0xFF)
        return LoadIconA(instance, MAKEINTRESOURCEA(static_cast<WORD>(
                                       static_cast<unsigned char>(name[1]) |
                                       (static_cast<unsigned char>(name[1] ? name[2] : 0) << 8))));
    if (name[0] == '#') {
        const long id = std::strtol(name + 1, nullptr, 10);
        if (id > 0 && id <= 0xFFFF)
            return LoadIconA(instance, MAKEINTRESOURCEA(static_cast<WORD>(id)));
    }
    HICON icon = LoadIconA(instance, name);
    return icon ? icon : LoadIconA(nullptr, name);
}

LRESULT set_image(HWND hwnd, Static& s, WPARAM type, HANDLE image) {
    HANDLE previous;
    if (type == IMAGE_ICON) {
        previous = s.icon;
        s.icon = static_cast<HICON>(image);
    } else if (type == IMAGE_BITMAP) {
        previous = s.bitmap;
        s.bitmap = static_cast<HBITMAP>(image);
    } else {
        return 0;
    }
    fit_to_image(hwnd, s);
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT get_image(const Static& s, WPARAM type) {
    if (type == IMAGE_ICON) return reinterpret_cast<LRESULT>(s.icon);
    if (type == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(s.bitmap);
    return 0;
}

// ---- frames and rectangles

struct Shape {
    DWORD kind;
    int colour; // COLOR_... of the fill or the frame
    bool frame;
};
constexpr std::array<Shape, 6> shapes{{
    {SS_BLACKRECT, COLOR_3DDKSHADOW, false},
    {SS_GRAYRECT, COLOR_BTNSHADOW, false},
    {SS_WHITERECT, COLOR_BTNHIGHLIGHT, false},
    {SS_BLACKFRAME, COLOR_3DDKSHADOW, true},
    {SS_GRAYFRAME, COLOR_BTNSHADOW, true},
    {SS_WHITEFRAME, COLOR_BTNHIGHLIGHT, true},
}};

bool draw_shape(HDC hdc, DWORD kind, RECT client) {
    for (const Shape& sh : shapes)
        if (sh.kind == kind) {
            if (sh.frame)
                FrameRect(hdc, &client, GetSysColorBrush(sh.colour));
            else
                FillRect(hdc, &client, GetSysColorBrush(sh.colour));
            return true;
        }
    RECT r = client;
    switch (kind) {
    case SS_ETCHEDHORZ:
        DrawEdge(hdc, &r, EDGE_ETCHED, BF_TOP | BF_BOTTOM);
        return true;
    case SS_ETCHEDVERT:
        DrawEdge(hdc, &r, EDGE_ETCHED, BF_LEFT | BF_RIGHT);
        return true;
    case SS_ETCHEDFRAME:
        DrawEdge(hdc, &r, EDGE_ETCHED, BF_RECT);
        return true;
    default:
        return false;
    }
}

void draw_owner(HWND hwnd, HDC hdc) {
    ask_owner_to_draw(hwnd, hdc, ODT_STATIC, ODA_DRAWENTIRE, 0);
}

// All drawing happens in WM_PAINT, the background included, so that a parent's brush shows.
LRESULT on_paint(HWND hwnd, Static& s) {
    const void* self = &s;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    const DWORD kind = kind_of(hwnd);
    const int saved = SaveDC(hdc);
    if (kind == SS_OWNERDRAW) {
        draw_owner(hwnd, hdc);
    } else if (!draw_shape(hdc, kind, client)) {
        const HBRUSH background = control_colours(hwnd, hdc, WM_CTLCOLORSTATIC);
        if (background && control_alive(hwnd, self)) {
            FillRect(hdc, &client, background);
            if (is_text_kind(kind))
                draw_text(hwnd, hdc, s, client);
            else
                draw_image(hwnd, hdc, s, client);
        }
    }
    RestoreDC(hdc, saved);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT on_create(HWND hwnd, Static& s, const CREATESTRUCTA* cs) {
    if (!cs) return 0;
    const DWORD kind = static_cast<DWORD>(cs->style) & SS_TYPEMASK;
    if (kind == SS_ICON) {
        s.icon = load_named_icon(cs->hInstance, cs->lpszName);
        fit_to_image(hwnd, s);
    } else if (kind == SS_BITMAP && cs->lpszName && *cs->lpszName) {
        s.bitmap = LoadBitmapA(cs->hInstance, cs->lpszName);
        fit_to_image(hwnd, s);
    }
    return 0;
}

LRESULT static_proc(HWND hwnd, Static& s, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return on_create(hwnd, s, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_PAINT:
        return on_paint(hwnd, s);
    case WM_ERASEBKGND:
        return 1; // painting fills the whole control
    case WM_NCHITTEST:
        if (!(style_of(hwnd) & SS_NOTIFY)) return HTTRANSPARENT;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        if (style_of(hwnd) & SS_NOTIFY) notify_parent(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        if (style_of(hwnd) & SS_NOTIFY) notify_parent(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        if (style_of(hwnd) & SS_NOTIFY) notify_parent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcA(hwnd, message, wParam, lParam);
        if (kind_of(hwnd) == SS_ICON) {
            s.icon = load_named_icon(
                reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)),
                reinterpret_cast<const char*>(lParam));
            fit_to_image(hwnd, s);
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.font);
    case STM_SETIMAGE:
        return set_image(hwnd, s, wParam, reinterpret_cast<HANDLE>(lParam));
    case STM_GETIMAGE:
        return get_image(s, wParam);
    case STM_SETICON:
        return set_image(hwnd, s, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
    case STM_GETICON:
        return get_image(s, IMAGE_ICON);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass static_class{
    "STATIC", control_proc<Static, static_proc>, CS_DBLCLKS, StateBytes, -1, SurfaceKind::Child};

} // namespace plat
