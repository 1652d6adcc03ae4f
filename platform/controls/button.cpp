// The button, "BUTTON": push and default push buttons, check boxes (two- and three-state, plain
// and automatic), radio buttons (plain and automatic: an automatic one unchecks the automatic
// ones of its group), group boxes and owner-drawn buttons.
//
// Styles: BS_LEFTTEXT, BS_LEFT/RIGHT/CENTER, BS_TOP/BOTTOM/VCENTER, BS_PUSHLIKE, BS_NOTIFY,
// BS_BITMAP and BS_ICON (the image stands in for the text).
// Messages: BM_GETCHECK, BM_SETCHECK (a checked radio button takes WS_TABSTOP, an unchecked one
// loses it), BM_GETSTATE, BM_SETSTATE, BM_SETSTYLE, BM_CLICK, BM_SETIMAGE, BM_GETIMAGE,
// WM_GETDLGCODE, WM_SETFONT, WM_GETFONT, WM_SETTEXT, WM_ENABLE.
// Notifications (WM_COMMAND): BN_CLICKED; BN_DBLCLK for radio, user and owner-drawn buttons and
// any with BS_NOTIFY; BN_SETFOCUS and BN_KILLFOCUS with BS_NOTIFY.
// Input: the left button presses while the pointer stays inside, Space presses while held; the
// click happens on release. Mnemonics are the dialog manager's (it sends BM_CLICK).
// Painting asks WM_CTLCOLORBTN (push and owner-drawn buttons, whose brush the face ignores) or
// WM_CTLCOLORSTATIC (boxes, radios, group boxes). Gaps: BS_FLAT and BS_MULTILINE draw as
// without them; BN_HILITE/BN_UNHILITE are not sent; split buttons and command links.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int BoxSize = 13;  // the square of a check box, the circle of a radio button
constexpr int BoxGap = 4;    // between box and text
constexpr int IconSize = 32; // the size DrawIcon draws at

struct Button {
    LRESULT check = BST_UNCHECKED;
    bool pushed = false;   // drawn pressed (BST_PUSHED)
    bool focused = false;  // has the focus (BST_FOCUS)
    bool tracking = false; // a press by mouse or Space is under way
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;
    HICON icon = nullptr;
};

DWORD type_of(HWND hwnd) {
    return style_of(hwnd) & BS_TYPEMASK;
}
bool is_radio(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
bool is_check(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}
bool is_push(DWORD type) {
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON ||
           type == BS_PUSHBOX;
}
bool looks_pushed(HWND hwnd) {
    return is_push(type_of(hwnd)) || (style_of(hwnd) & BS_PUSHLIKE);
}

HFONT font_of(const Button& b) {
    return b.font ? b.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

std::string text_of(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// ---- painting

UINT text_format(DWORD style, bool pushLike) {
    UINT format = DT_SINGLELINE;
    const DWORD h = style & BS_CENTER, v = style & BS_VCENTER;
    if (h == BS_LEFT)
        format |= DT_LEFT;
    else if (h == BS_RIGHT)
        format |= DT_RIGHT;
    else if (h == BS_CENTER || (h == 0 && pushLike))
        format |= DT_CENTER;
    if (v == BS_TOP)
        format |= DT_TOP;
    else if (v == BS_BOTTOM)
        format |= DT_BOTTOM;
    else
        format |= DT_VCENTER;
    return format;
}

// The label: the image when the style asks for one and it is set, the text otherwise. Returns
// the rectangle it covers, for the focus frame.
RECT draw_label(HWND hwnd, HDC hdc, const Button& b, RECT r, UINT format) {
    const DWORD style = style_of(hwnd);
    const bool enabled = IsWindowEnabled(hwnd);
    SIZE image{0, 0};
    if ((style & BS_BITMAP) && b.bitmap) {
        BITMAP bm{};
        GetObjectA(b.bitmap, sizeof bm, &bm);
        image = {bm.bmWidth, bm.bmHeight};
    } else if ((style & BS_ICON) && b.icon) {
        image = {IconSize, IconSize};
    }
    if (image.cx > 0) {
        int x = r.left + (r.right - r.left - image.cx) / 2;
        if (format & DT_RIGHT)
            x = r.right - image.cx;
        else if (!(format & DT_CENTER))
            x = r.left;
        const int y = r.top + (r.bottom - r.top - image.cy) / 2;
        if (b.icon && (style & BS_ICON)) {
            DrawIcon(hdc, x, y, b.icon);
        } else {
            HDC mem = CreateCompatibleDC(hdc);
            const HGDIOBJ old = SelectObject(mem, b.bitmap);
            BitBlt(hdc, x, y, image.cx, image.cy, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteDC(mem);
        }
        return RECT{x, y, x + image.cx, y + image.cy};
    }
    const std::string text = text_of(hwnd);
    if (text.empty()) return RECT{r.left, r.top, r.left, r.top};
    const HGDIOBJ oldFont = SelectObject(hdc, font_of(b));
    RECT box = r;
    DrawTextA(hdc, text.c_str(), -1, &box, (format & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    const int w = box.right - box.left, h = box.bottom - box.top;
    int x = r.left, y = r.top;
    if (format & DT_CENTER)
        x = r.left + (r.right - r.left - w) / 2;
    else if (format & DT_RIGHT)
        x = r.right - w;
    if (format & DT_VCENTER)
        y = r.top + (r.bottom - r.top - h) / 2;
    else if (format & DT_BOTTOM)
        y = r.bottom - h;
    RECT at{x, y, x + w, y + h};
    // Opaque in the DC's background colour: the parent's for boxes, the face for push buttons.
    if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(hdc, text.c_str(), -1, &at, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOCLIP);
    SelectObject(hdc, oldFont);
    return at;
}

void draw_push(HWND hwnd, HDC hdc, const Button& b, RECT client) {
    const DWORD style = style_of(hwnd);
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const bool down = b.pushed || ((style & BS_PUSHLIKE) && b.check == BST_CHECKED);
    RECT r = client;
    FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (isDefault) {
        FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    if (b.pushed) {
        // Pressed: one shadow line around a flat face.
        FrameRect(hdc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        RECT edge = r;
        DrawEdge(hdc, &edge, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    RECT inside = r;
    InflateRect(&inside, -2, -2);
    if (down) OffsetRect(&inside, 1, 1);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    draw_label(hwnd, hdc, b, inside, text_format(style, true));
    if (b.focused) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(hdc, &focus);
    }
}

// The check mark: three strokes, seven pixels wide, inside the box's white square.
void draw_check_mark(HDC hdc, int left, int top, COLORREF colour) {
    // Down from (3,5) to (5,7), then up to (9,3); three pixels thick.
    const std::array<POINT, 7> spine{{{3, 5}, {4, 6}, {5, 7}, {6, 6}, {7, 5}, {8, 4}, {9, 3}}};
    for (const POINT& p : spine)
        for (int t = 0; t < 3; ++t)
            SetPixel(hdc, left + p.x, top + p.y + t, colour);
}

void draw_box(HWND hwnd, HDC hdc, const Button& b, RECT box) {
    const bool enabled = IsWindowEnabled(hwnd);
    const bool paper = enabled && !b.pushed && b.check != BST_INDETERMINATE;
    RECT r = box;
    FillRect(hdc, &r, GetSysColorBrush(paper ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawEdge(hdc, &r, EDGE_SUNKEN, BF_RECT);
    if (b.check == BST_CHECKED || b.check == BST_INDETERMINATE)
        draw_check_mark(
            hdc, box.left, box.top,
            GetSysColor(b.check == BST_CHECKED && enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
}

// A circle drawn row by row: its outer ring shadowed above and lit below, a paper inside and a
// dot when checked.
void draw_radio(HWND hwnd, HDC hdc, const Button& b, RECT box) {
    const bool enabled = IsWindowEnabled(hwnd);
    const int size = BoxSize - 1, cx = box.left + size / 2, cy = box.top + size / 2;
    const auto span = [&](int y, int radius, int colour) {
        const int dy = y - cy;
        if (dy * dy > radius * radius) return;
        int dx = 0;
        while ((dx + 1) * (dx + 1) + dy * dy <= radius * radius)
            ++dx;
        RECT row{cx - dx, y, cx + dx + 1, y + 1};
        FillRect(hdc, &row, GetSysColorBrush(colour));
    };
    for (int y = cy - 6; y <= cy + 6; ++y) {
        span(y, 6, y <= cy ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        span(y, 5, y <= cy ? COLOR_3DDKSHADOW : COLOR_3DLIGHT);
        span(y, 4, enabled && !b.pushed ? COLOR_WINDOW : COLOR_BTNFACE);
        if (b.check == BST_CHECKED) span(y, 2, enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
    }
}

void draw_check_or_radio(HWND hwnd, HDC hdc, const Button& b, RECT client, HBRUSH background) {
    const DWORD style = style_of(hwnd);
    FillRect(hdc, &client, background);
    RECT box{client.left, 0, client.left + BoxSize, 0};
    RECT label = client;
    if (style & BS_LEFTTEXT) {
        box.left = client.right - BoxSize;
        box.right = client.right;
        label.right = box.left - BoxGap;
    } else {
        label.left = box.right + BoxGap;
    }
    box.top = client.top + (client.bottom - client.top - BoxSize) / 2;
    box.bottom = box.top + BoxSize;
    if (is_radio(style & BS_TYPEMASK))
        draw_radio(hwnd, hdc, b, box);
    else
        draw_box(hwnd, hdc, b, box);
    UINT format = text_format(style, false);
    if (!(format & (DT_CENTER | DT_RIGHT))) format |= DT_LEFT;
    const RECT at = draw_label(hwnd, hdc, b, label, format);
    if (b.focused && at.right > at.left) {
        RECT focus{at.left - 1, at.top - 1, at.right + 1, at.bottom + 1};
        IntersectRect(&focus, &focus, &client);
        DrawFocusRect(hdc, &focus);
    }
}

void draw_group(HWND hwnd, HDC hdc, const Button& b, RECT client, HBRUSH background) {
    const HGDIOBJ oldFont = SelectObject(hdc, font_of(b));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, oldFont);
    RECT frame = client;
    frame.top += tm.tmHeight / 2;
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    const std::string text = text_of(hwnd);
    if (text.empty()) return;
    // The caption interrupts the frame's top line.
    RECT label{client.left + 8, client.top, client.right - 8, client.top + tm.tmHeight};
    SelectObject(hdc, font_of(b));
    RECT size = label;
    DrawTextA(hdc, text.c_str(), -1, &size, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(hdc, oldFont);
    label.right = std::min(label.right, size.right + 2);
    label.left -= 2;
    FillRect(hdc, &label, background);
    label.left += 2;
    draw_label(hwnd, hdc, b, label, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void draw_owner(HWND hwnd, HDC hdc, const Button& b, UINT action) {
    ask_owner_to_draw(hwnd, hdc, ODT_BUTTON, action,
                      (b.pushed ? ODS_SELECTED : 0) | (b.focused ? ODS_FOCUS : 0));
}

LRESULT on_paint(HWND hwnd, Button& b) {
    const void* self = &b;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    const DWORD type = type_of(hwnd);
    const bool pushLike = looks_pushed(hwnd);
    const int saved = SaveDC(hdc);
    const HBRUSH background = control_colours(
        hwnd, hdc, pushLike || type == BS_OWNERDRAW ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
    if (background && control_alive(hwnd, self)) {
        if (type == BS_OWNERDRAW)
            draw_owner(hwnd, hdc, b, ODA_DRAWENTIRE);
        else if (pushLike)
            draw_push(hwnd, hdc, b, client);
        else if (type == BS_GROUPBOX)
            draw_group(hwnd, hdc, b, client, background);
        else
            draw_check_or_radio(hwnd, hdc, b, client, background);
    }
    RestoreDC(hdc, saved);
    EndPaint(hwnd, &ps);
    return 0;
}

void redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
}

// ---- state

LRESULT on_set_check(HWND hwnd, Button& b, WPARAM value);

// The automatic radio buttons of the group around hwnd: from the sibling that starts the group
// (WS_GROUP) to the one before the next start.
void uncheck_group(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    if (!parent) return;
    HWND first = hwnd;
    while (!(GetWindowLongPtrA(first, GWL_STYLE) & WS_GROUP)) {
        const HWND prev = GetWindow(first, GW_HWNDPREV);
        if (!prev) break;
        first = prev;
    }
    std::vector<HWND> group;
    for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h != first && (GetWindowLongPtrA(h, GWL_STYLE) & WS_GROUP)) break;
        group.push_back(h);
    }
    for (HWND h : group)
        if (h != hwnd && IsWindow(h) && (SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
            (GetWindowLongPtrA(h, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
}

LRESULT on_set_check(HWND hwnd, Button& b, WPARAM value) {
    const DWORD type = type_of(hwnd);
    if (!is_check(type) && !is_radio(type)) return 0;
    LRESULT next = static_cast<LRESULT>(value & 3);
    if (next == 3 || (next == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE))
        next = BST_CHECKED;
    if (is_radio(type)) {
        // The checked radio button is where Tab enters its group.
        LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
        style = next ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrA(hwnd, GWL_STYLE, style);
    }
    if (b.check != next) {
        b.check = next;
        redraw(hwnd);
    }
    if (type == BS_AUTORADIOBUTTON && next == BST_CHECKED &&
        (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD))
        uncheck_group(hwnd);
    return 0;
}

LRESULT on_set_state(HWND hwnd, Button& b, bool pushed) {
    if (b.pushed == pushed) return 0;
    b.pushed = pushed;
    if (type_of(hwnd) == BS_OWNERDRAW) {
        HDC hdc = GetDC(hwnd);
        draw_owner(hwnd, hdc, b, ODA_SELECT);
        ReleaseDC(hwnd, hdc);
    } else {
        redraw(hwnd);
    }
    return 0;
}

LRESULT state_of(const Button& b) {
    return b.check | (b.pushed ? BST_PUSHED : 0) | (b.focused ? BST_FOCUS : 0);
}

LRESULT dialog_code(HWND hwnd) {
    switch (type_of(hwnd)) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_USERBUTTON:
    case BS_PUSHBOX:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

LRESULT on_set_image(HWND hwnd, Button& b, WPARAM type, LPARAM image) {
    HANDLE previous = nullptr;
    if (type == IMAGE_BITMAP) {
        previous = b.bitmap;
        b.bitmap = reinterpret_cast<HBITMAP>(image);
    } else if (type == IMAGE_ICON) {
        previous = b.icon;
        b.icon = reinterpret_cast<HICON>(image);
    } else {
        return 0;
    }
    redraw(hwnd);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT on_get_image(const Button& b, WPARAM type) {
    if (type == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(b.bitmap);
    if (type == IMAGE_ICON) return reinterpret_cast<LRESULT>(b.icon);
    return 0;
}

// ---- input

void press(HWND hwnd, Button& b) {
    SetCapture(hwnd);
    if (!control_alive(hwnd, &b)) return;
    b.tracking = true;
    SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
}

// The end of a press: the click when it ended over the button (a key release always does).
LRESULT release(HWND hwnd, Button& b, bool inside) {
    if (!b.tracking) return 0;
    b.tracking = false;
    if (!b.pushed) {
        ReleaseCapture();
        return 0;
    }
    const void* self = &b;
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    if (!control_alive(hwnd, self)) return 0;
    if (!inside) {
        ReleaseCapture();
        return 0;
    }
    switch (type_of(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageA(hwnd, BM_SETCHECK, b.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageA(hwnd, BM_SETCHECK, static_cast<WPARAM>((b.check + 1) % 3), 0);
        break;
    default:
        break;
    }
    if (!control_alive(hwnd, self)) return 0;
    ReleaseCapture();
    notify_parent(hwnd, BN_CLICKED);
    return 0; // the parent may have destroyed the button
}

bool inside_client(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    return PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

LRESULT on_button_down(HWND hwnd, Button& b) {
    const void* self = &b;
    SetFocus(hwnd);
    if (!control_alive(hwnd, self)) return 0;
    press(hwnd, b);
    return 0;
}

LRESULT on_double_click(HWND hwnd, Button& b) {
    const DWORD type = type_of(hwnd);
    if (type == BS_RADIOBUTTON || type == BS_USERBUTTON || type == BS_OWNERDRAW ||
        (style_of(hwnd) & BS_NOTIFY)) {
        notify_parent(hwnd, BN_DBLCLK);
        return 0;
    }
    return on_button_down(hwnd, b);
}

LRESULT on_mouse_move(HWND hwnd, Button& b, LPARAM lParam) {
    if (b.tracking && GetCapture() == hwnd)
        SendMessageA(hwnd, BM_SETSTATE, inside_client(hwnd, lParam), 0);
    return 0;
}

LRESULT on_capture_changed(HWND hwnd, Button& b, HWND next) {
    if (next == hwnd || !b.tracking) return 0;
    // Capture taken away in the middle of a press: no click.
    b.tracking = false;
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    return 0;
}

LRESULT on_focus(HWND hwnd, Button& b, bool gained) {
    const void* self = &b;
    b.focused = gained;
    redraw(hwnd);
    if (!gained && b.tracking) {
        b.tracking = false;
        ReleaseCapture();
        if (!control_alive(hwnd, self)) return 0;
        SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
        if (!control_alive(hwnd, self)) return 0;
    }
    if (style_of(hwnd) & BS_NOTIFY) notify_parent(hwnd, gained ? BN_SETFOCUS : BN_KILLFOCUS);
    return 0;
}

LRESULT on_click(HWND hwnd, Button& b) {
    if (!IsWindowEnabled(hwnd)) return 0;
    const void* self = &b;
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    if (!control_alive(hwnd, self)) return 0;
    SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    return 0;
}

LRESULT button_proc(HWND hwnd, Button& b, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return dialog_code(hwnd);
    case WM_PAINT:
        return on_paint(hwnd, b);
    case WM_ERASEBKGND:
        return 1; // painting fills the whole button
    case WM_NCHITTEST:
        // A group box lets the pointer through to what it frames.
        if (type_of(hwnd) == BS_GROUPBOX) return HTTRANSPARENT;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
        return on_button_down(hwnd, b);
    case WM_LBUTTONDBLCLK:
        return on_double_click(hwnd, b);
    case WM_LBUTTONUP:
        return release(hwnd, b, inside_client(hwnd, lParam));
    case WM_MOUSEMOVE:
        return on_mouse_move(hwnd, b, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !b.tracking) press(hwnd, b);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) return release(hwnd, b, true);
        return 0;
    case WM_CAPTURECHANGED:
        return on_capture_changed(hwnd, b, reinterpret_cast<HWND>(lParam));
    case WM_SETFOCUS:
        return on_focus(hwnd, b, true);
    case WM_KILLFOCUS:
        return on_focus(hwnd, b, false);
    case WM_ENABLE:
        redraw(hwnd);
        return 0;
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcA(hwnd, message, wParam, lParam);
        redraw(hwnd);
        return r;
    }
    case WM_SETFONT:
        b.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) redraw(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(b.font);
    case BM_GETCHECK:
        return b.check;
    case BM_SETCHECK:
        return on_set_check(hwnd, b, wParam);
    case BM_GETSTATE:
        return state_of(b);
    case BM_SETSTATE:
        return on_set_state(hwnd, b, wParam != 0);
    case BM_SETSTYLE: {
        const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
        SetWindowLongPtrA(hwnd, GWL_STYLE,
                          (style & ~static_cast<LONG_PTR>(0xFFFF)) | LOWORD(wParam));
        if (LOWORD(lParam)) redraw(hwnd);
        return 0;
    }
    case BM_CLICK:
        return on_click(hwnd, b);
    case BM_SETIMAGE:
        return on_set_image(hwnd, b, wParam, lParam);
    case BM_GETIMAGE:
        return on_get_image(b, wParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass button_class{"BUTTON",
                                control_proc<Button, button_proc>,
                                CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                StateBytes,
                                -1,
                                SurfaceKind::Child};

} // namespace plat
