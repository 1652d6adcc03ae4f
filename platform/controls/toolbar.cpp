// The toolbar, "ToolbarWindow32": a row of image buttons along the top of its parent.
//
// Styles: TBSTYLE_TOOLTIPS (makes a tooltip window with one tool per command, TB_GETTOOLTIPS),
// CCS_NODIVIDER, CCS_NORESIZE, CCS_NOPARENTALIGN. Buttons: TBSTYLE_BUTTON, TBSTYLE_SEP (iBitmap
// is its width, 0 for the default 8), TBSTYLE_CHECK; states TBSTATE_ENABLED, TBSTATE_CHECKED,
// TBSTATE_PRESSED, TBSTATE_HIDDEN.
// Messages: TB_BUTTONSTRUCTSIZE, TB_SETBITMAPSIZE, TB_SETBUTTONSIZE, TB_GETBUTTONSIZE,
// TB_ADDBITMAP (a bitmap resource or a bitmap handle, images side by side, the button-face grey
// RGB 192,192,192 drawn in COLOR_BTNFACE), TB_ADDBUTTONSA, TB_INSERTBUTTONA, TB_DELETEBUTTON,
// TB_AUTOSIZE, TB_ENABLEBUTTON, TB_CHECKBUTTON, TB_PRESSBUTTON, TB_HIDEBUTTON, TB_ISBUTTON*
// (enabled, checked, pressed, hidden), TB_SETSTATE, TB_GETSTATE, TB_COMMANDTOINDEX,
// TB_GETITEMRECT, TB_BUTTONCOUNT, TB_GETBUTTON, TB_GETTOOLTIPS, TB_SETPARENT.
// Notifications: WM_COMMAND (idCommand, 0) to the parent when a press is released on the same
// enabled button; the tooltip's WM_NOTIFY messages are passed on to the parent.
// Gaps: button texts (iString), TBSTYLE_FLAT, TBSTYLE_LIST, TBSTYLE_WRAPABLE and wrapping, check
// groups, TBSTATE_INDETERMINATE, customisation, the system image lists (HINST_COMMCTRL), hot
// tracking, TB_SETTOOLTIPS, keyboard use, TBN_ notifications, CCS_BOTTOM; checked buttons are not
// dithered.
#include <algorithm>
#include <cstring>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int DividerHeight = 2;    // the etched line along the top
constexpr int ButtonTop = 2;        // from the top of the bar to the buttons
constexpr int BottomMargin = 2;     // below the buttons
constexpr int DefaultSeparator = 8; // the width of a separator that gives none
constexpr int MaxButtons = 4096;    // more than any bar has room for
constexpr int MaxImages = 4096;     // per TB_ADDBITMAP
constexpr int MaxSize = 1024;       // of an image or a button, each way
constexpr COLORREF BitmapFace = RGB(192, 192, 192);

struct Button {
    int image = 0;
    int command = 0;
    BYTE state = 0;
    BYTE style = 0;
    DWORD_PTR data = 0;
    INT_PTR string = 0;
    RECT rect{};
};

// The images of one TB_ADDBITMAP: as drawn, and embossed for disabled buttons.
struct Strip {
    HBITMAP normal = nullptr;
    HBITMAP grey = nullptr;
    int first = 0;     // the index of its first image
    int count = 0;     // images it was added with
    int available = 0; // images the bitmap really holds
};

struct Toolbar {
    std::vector<Button> buttons;
    std::vector<Strip> strips;
    int imageCount = 0;
    UINT recordSize = sizeof(TBBUTTON);
    SIZE bitmap{16, 15};
    SIZE button{23, 22};
    HWND notify = nullptr; // WM_COMMAND and WM_NOTIFY go here
    HWND tooltip = nullptr;
    int held = -1; // the button the left button went down on
    bool heldInside = false;
};

Toolbar* state_of(HWND hwnd) {
    return control_state<Toolbar>(hwnd);
}

bool is_separator(const Button& b) {
    return b.style & TBSTYLE_SEP;
}
bool is_hidden(const Button& b) {
    return b.state & TBSTATE_HIDDEN;
}
bool is_enabled(const Button& b) {
    return b.state & TBSTATE_ENABLED;
}

int height_of(const Toolbar& tb) {
    return ButtonTop + tb.button.cy + BottomMargin;
}

int index_of(const Toolbar& tb, WPARAM command) {
    for (std::size_t i = 0; i < tb.buttons.size(); ++i)
        if (tb.buttons[i].command == static_cast<int>(command)) return static_cast<int>(i);
    return -1;
}

Button* by_command(Toolbar& tb, WPARAM command) {
    const int i = index_of(tb, command);
    return i < 0 ? nullptr : &tb.buttons[static_cast<std::size_t>(i)];
}

// ---- tooltips: one tool per command, over the first button that has it

bool first_with_command(const Toolbar& tb, std::size_t i) {
    const Button& b = tb.buttons[i];
    if (is_separator(b)) return false;
    for (std::size_t k = 0; k < i; ++k)
        if (!is_separator(tb.buttons[k]) && tb.buttons[k].command == b.command) return false;
    return true;
}

TOOLINFOA tool_for(HWND hwnd, const Button& b) {
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = hwnd;
    ti.uId = static_cast<UINT_PTR>(static_cast<UINT>(b.command));
    if (!is_hidden(b)) ti.rect = b.rect;
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    return ti;
}

void sync_tools(HWND hwnd, const Toolbar& tb) {
    if (!IsWindow(tb.tooltip)) return;
    const HWND tip = tb.tooltip;
    const std::vector<Button> buttons = tb.buttons; // the tooltip may not call back, but be safe
    for (const Button& b : buttons) {
        if (is_separator(b)) continue;
        TOOLINFOA ti = tool_for(hwnd, b);
        SendMessageA(tip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void add_tool(HWND hwnd, const Toolbar& tb, std::size_t i) {
    if (!IsWindow(tb.tooltip) || !first_with_command(tb, i)) return;
    TOOLINFOA ti = tool_for(hwnd, tb.buttons[i]);
    SendMessageA(tb.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

// ---- layout

void layout(HWND hwnd, Toolbar& tb) {
    int x = 0;
    for (Button& b : tb.buttons) {
        int width = 0;
        if (!is_hidden(b))
            width = is_separator(b) ? (b.image > 0 ? std::min(b.image, MaxSize) : DefaultSeparator)
                                    : tb.button.cx;
        b.rect = RECT{x, ButtonTop, x + width, ButtonTop + tb.button.cy};
        x += width;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    sync_tools(hwnd, tb);
}

LRESULT on_auto_size(HWND hwnd, Toolbar& tb) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    RECT parent;
    if ((style & CCS_NORESIZE) || !(style & WS_CHILD) || !GetClientRect(GetParent(hwnd), &parent))
        return 0;
    const UINT keep = (style & CCS_NOPARENTALIGN) ? SWP_NOMOVE : 0;
    SetWindowPos(hwnd, nullptr, 0, 0, parent.right, height_of(tb),
                 SWP_NOZORDER | SWP_NOACTIVATE | keep);
    return 0;
}

// ---- images

// Copies images from source with the bitmap's face grey mapped, and makes the embossed copy:
// every pixel that is neither face nor white becomes shadow, with a highlight below right.
Strip make_strip(HBITMAP source, const BITMAP& info, SIZE image, int count) {
    Strip s;
    s.count = count;
    s.available = std::min(count, static_cast<int>(info.bmWidth / image.cx));
    const int w = info.bmWidth, h = info.bmHeight;
    s.normal = CreateBitmap(w, h, 1, 32, nullptr);
    s.grey = CreateBitmap(w, h, 1, 32, nullptr);
    if (!s.normal || !s.grey) return s;
    HDC src = CreateCompatibleDC(nullptr), normal = CreateCompatibleDC(nullptr),
        grey = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldSrc = SelectObject(src, source);
    const HGDIOBJ oldNormal = SelectObject(normal, s.normal);
    const HGDIOBJ oldGrey = SelectObject(grey, s.grey);
    BitBlt(normal, 0, 0, w, h, src, 0, 0, SRCCOPY);
    const COLORREF face = GetSysColor(COLOR_BTNFACE), white = RGB(255, 255, 255);
    const RECT all{0, 0, w, h};
    FillRect(grey, &all, GetSysColorBrush(COLOR_BTNFACE));
    std::vector<bool> ink(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = GetPixel(normal, x, y);
            if (c == BitmapFace) SetPixel(normal, x, y, face);
            ink[static_cast<std::size_t>(y * w + x)] = c != BitmapFace && c != face && c != white;
        }
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!ink[static_cast<std::size_t>(y * w + x)]) continue;
                // Highlights stay inside their own image.
                if (pass == 0 && (x + 1) % image.cx != 0 && y + 1 < h)
                    SetPixel(grey, x + 1, y + 1, light);
                if (pass == 1) SetPixel(grey, x, y, dark);
            }
    SelectObject(src, oldSrc);
    SelectObject(normal, oldNormal);
    SelectObject(grey, oldGrey);
    DeleteDC(src);
    DeleteDC(normal);
    DeleteDC(grey);
    return s;
}

LRESULT on_add_bitmap(Toolbar& tb, WPARAM count, const TBADDBITMAP* add) {
    if (!add || count == 0 || count > static_cast<WPARAM>(MaxImages) ||
        add->hInst == HINST_COMMCTRL || tb.imageCount > MaxImages * 16)
        return -1;
    HBITMAP source = nullptr;
    const bool fromResource = add->hInst != nullptr;
    if (fromResource) {
        if (add->nID > 0xFFFF) return -1;
        source = LoadBitmapA(add->hInst, MAKEINTRESOURCEA(static_cast<WORD>(add->nID)));
    } else {
        source = reinterpret_cast<HBITMAP>(add->nID);
    }
    BITMAP info{};
    if (!source || GetObjectA(source, sizeof info, &info) != static_cast<int>(sizeof info)) {
        if (fromResource && source) DeleteObject(source);
        return -1;
    }
    Strip s = make_strip(source, info, tb.bitmap, static_cast<int>(count));
    if (fromResource) DeleteObject(source);
    if (!s.normal || !s.grey) {
        DeleteObject(s.normal);
        DeleteObject(s.grey);
        return -1;
    }
    s.first = tb.imageCount;
    tb.imageCount += s.count;
    tb.strips.push_back(s);
    return s.first;
}

void draw_image(HDC hdc, const Toolbar& tb, int index, int x, int y, bool enabled) {
    for (const Strip& s : tb.strips) {
        if (index < s.first || index >= s.first + s.available) continue;
        HDC mem = CreateCompatibleDC(hdc);
        const HGDIOBJ old = SelectObject(mem, enabled ? s.normal : s.grey);
        BitBlt(hdc, x, y, tb.bitmap.cx, tb.bitmap.cy, mem, (index - s.first) * tb.bitmap.cx, 0,
               SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
        return;
    }
}

// ---- painting

void draw_button(HDC hdc, const Toolbar& tb, const Button& b, bool held) {
    RECT r = b.rect;
    const bool sunken = held || (b.state & (TBSTATE_PRESSED | TBSTATE_CHECKED));
    DrawEdge(hdc, &r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    // A pressed-in button shows its image one pixel down and to the right.
    const int shift = sunken ? 1 : 0;
    const int x = b.rect.left + (b.rect.right - b.rect.left - tb.bitmap.cx) / 2 + shift;
    const int y = b.rect.top + (b.rect.bottom - b.rect.top - tb.bitmap.cy) / 2 + shift;
    draw_image(hdc, tb, b.image, x, y, is_enabled(b));
}

LRESULT on_paint(HWND hwnd, const Toolbar& tb) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & CCS_NODIVIDER)) {
        RECT line{0, 0, client.right, DividerHeight / 2};
        FillRect(hdc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
        line = {0, DividerHeight / 2, client.right, DividerHeight};
        FillRect(hdc, &line, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    }
    for (std::size_t i = 0; i < tb.buttons.size(); ++i) {
        const Button& b = tb.buttons[i];
        if (is_separator(b) || is_hidden(b)) continue;
        draw_button(hdc, tb, b, tb.held == static_cast<int>(i) && tb.heldInside);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

void invalidate_button(HWND hwnd, const Button& b) {
    InvalidateRect(hwnd, &b.rect, TRUE);
}

// ---- buttons

Button from_record(const TBBUTTON& r) {
    Button b;
    b.image = r.iBitmap;
    b.command = r.idCommand;
    b.state = r.fsState;
    b.style = r.fsStyle;
    b.data = r.dwData;
    b.string = r.iString;
    return b;
}

// Records are recordSize apart, as TB_BUTTONSTRUCTSIZE said; what a shorter record lacks is 0.
TBBUTTON read_record(const Toolbar& tb, const BYTE* records, std::size_t i) {
    TBBUTTON r{};
    std::memcpy(&r, records + i * tb.recordSize, std::min<std::size_t>(tb.recordSize, sizeof r));
    return r;
}

LRESULT on_insert_buttons(HWND hwnd, Toolbar& tb, std::size_t at, WPARAM count,
                          const BYTE* records) {
    if (!records || count == 0 || at > tb.buttons.size() ||
        count > static_cast<WPARAM>(MaxButtons) - tb.buttons.size())
        return FALSE;
    if (tb.held >= static_cast<int>(at)) tb.held += static_cast<int>(count);
    for (std::size_t i = 0; i < count; ++i)
        tb.buttons.insert(tb.buttons.begin() + static_cast<std::ptrdiff_t>(at + i),
                          from_record(read_record(tb, records, i)));
    layout(hwnd, tb);
    for (std::size_t i = 0; i < count; ++i)
        add_tool(hwnd, tb, at + i);
    return TRUE;
}

LRESULT on_delete_button(HWND hwnd, Toolbar& tb, WPARAM index) {
    if (index >= tb.buttons.size()) return FALSE;
    const Button gone = tb.buttons[index];
    tb.buttons.erase(tb.buttons.begin() + static_cast<std::ptrdiff_t>(index));
    if (tb.held == static_cast<int>(index))
        tb.held = -1;
    else if (tb.held > static_cast<int>(index))
        --tb.held;
    if (!is_separator(gone) && IsWindow(tb.tooltip)) {
        TOOLINFOA ti = tool_for(hwnd, gone);
        SendMessageA(tb.tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        // Another button with the command takes the tool over.
        for (std::size_t i = 0; i < tb.buttons.size(); ++i)
            if (!is_separator(tb.buttons[i]) && tb.buttons[i].command == gone.command) {
                add_tool(hwnd, tb, i);
                break;
            }
    }
    layout(hwnd, tb);
    return TRUE;
}

// Gives a button a new state: hiding or showing it moves the buttons after it.
void set_state(HWND hwnd, Toolbar& tb, Button& b, BYTE next) {
    if (next == b.state) return;
    const bool relayout = (next ^ b.state) & TBSTATE_HIDDEN;
    b.state = next;
    if (relayout)
        layout(hwnd, tb);
    else
        invalidate_button(hwnd, b);
}

// Sets or clears state bits of the button with a command; FALSE when there is none.
LRESULT change_state(HWND hwnd, Toolbar& tb, WPARAM command, BYTE bits, bool on) {
    Button* b = by_command(tb, command);
    if (!b) return FALSE;
    set_state(hwnd, tb, *b, static_cast<BYTE>(on ? (b->state | bits) : (b->state & ~bits)));
    return TRUE;
}

LRESULT on_set_state(HWND hwnd, Toolbar& tb, WPARAM command, BYTE state) {
    Button* b = by_command(tb, command);
    if (!b) return FALSE;
    set_state(hwnd, tb, *b, state);
    return TRUE;
}

LRESULT has_state(Toolbar& tb, WPARAM command, BYTE bits) {
    const Button* b = by_command(tb, command);
    return b && (b->state & bits);
}

LRESULT on_get_button(const Toolbar& tb, WPARAM index, TBBUTTON* out) {
    if (!out || index >= tb.buttons.size()) return FALSE;
    const Button& b = tb.buttons[index];
    *out = TBBUTTON{};
    out->iBitmap = b.image;
    out->idCommand = b.command;
    out->fsState = b.state;
    out->fsStyle = b.style;
    out->dwData = b.data;
    out->iString = b.string;
    return TRUE;
}

LRESULT on_get_item_rect(const Toolbar& tb, WPARAM index, RECT* out) {
    if (!out || index >= tb.buttons.size() || is_hidden(tb.buttons[index])) return FALSE;
    *out = tb.buttons[index].rect;
    return TRUE;
}

bool valid_size(LPARAM size) {
    const int cx = LOWORD(size), cy = HIWORD(size);
    return cx > 0 && cy > 0 && cx <= MaxSize && cy <= MaxSize;
}

// ---- the pointer

int button_at(const Toolbar& tb, POINT p) {
    for (std::size_t i = 0; i < tb.buttons.size(); ++i) {
        const Button& b = tb.buttons[i];
        if (!is_separator(b) && !is_hidden(b) && PtInRect(&b.rect, p)) return static_cast<int>(i);
    }
    return -1;
}

// The tooltip sees the bar's pointer messages before the bar acts on them.
void relay(HWND hwnd, const Toolbar& tb, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(tb.tooltip)) return;
    MSG msg{hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageA(tb.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

POINT point_of(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LRESULT on_button_down(HWND hwnd, Toolbar& tb, POINT p) {
    const int i = button_at(tb, p);
    if (i < 0 || !is_enabled(tb.buttons[static_cast<std::size_t>(i)])) return 0;
    tb.held = i;
    tb.heldInside = true;
    SetCapture(hwnd);
    if (Toolbar* again = state_of(hwnd); again && again->held == i)
        invalidate_button(hwnd, again->buttons[static_cast<std::size_t>(i)]);
    return 0;
}

LRESULT on_mouse_move(HWND hwnd, Toolbar& tb, POINT p) {
    if (tb.held < 0) return 0;
    const bool inside = button_at(tb, p) == tb.held;
    if (inside == tb.heldInside) return 0;
    tb.heldInside = inside;
    invalidate_button(hwnd, tb.buttons[static_cast<std::size_t>(tb.held)]);
    return 0;
}

LRESULT on_button_up(HWND hwnd, Toolbar& tb) {
    if (tb.held < 0) return 0;
    const auto i = static_cast<std::size_t>(tb.held);
    const bool inside = tb.heldInside;
    tb.held = -1;
    ReleaseCapture();
    Toolbar* again = state_of(hwnd);
    if (!again || i >= again->buttons.size()) return 0;
    Button& b = again->buttons[i];
    invalidate_button(hwnd, b);
    if (!inside || !is_enabled(b)) return 0;
    if (b.style & TBSTYLE_CHECK) b.state ^= TBSTATE_CHECKED;
    const int command = b.command;
    SendMessageA(again->notify, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0),
                 reinterpret_cast<LPARAM>(hwnd));
    return 0; // the parent may have destroyed the bar: nothing of it is touched after this
}

LRESULT on_capture_changed(HWND hwnd, Toolbar& tb, HWND next) {
    if (tb.held < 0 || next == hwnd) return 0;
    const auto i = static_cast<std::size_t>(tb.held);
    tb.held = -1;
    if (i < tb.buttons.size()) invalidate_button(hwnd, tb.buttons[i]);
    return 0;
}

// ---- life

LRESULT on_nc_create(HWND hwnd, Toolbar& tb, const CREATESTRUCTA* cs) {
    if (cs) tb.notify = cs->hwndParent;
    return DefWindowProcA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(cs));
}

LRESULT on_create(HWND hwnd, const CREATESTRUCTA* cs) {
    if (cs && (cs->style & TBSTYLE_TOOLTIPS)) {
        const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, hwnd,
                                         nullptr, cs->hInstance, nullptr);
        Toolbar* tb = state_of(hwnd);
        if (!tb) return -1;
        tb->tooltip = tip;
    }
    if (Toolbar* tb = state_of(hwnd)) on_auto_size(hwnd, *tb);
    return 0;
}

LRESULT on_destroy(Toolbar& tb) {
    const HWND tip = tb.tooltip;
    tb.tooltip = nullptr;
    if (IsWindow(tip)) DestroyWindow(tip);
    return 0;
}

LRESULT on_nc_destroy(Toolbar& tb) {
    for (const Strip& s : tb.strips) {
        DeleteObject(s.normal);
        DeleteObject(s.grey);
    }
    return 0;
}

LRESULT on_notify(HWND hwnd, Toolbar& tb, WPARAM wParam, LPARAM lParam) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr || hdr->hwndFrom != tb.tooltip || !IsWindow(tb.notify))
        return DefWindowProcA(hwnd, WM_NOTIFY, wParam, lParam);
    return SendMessageA(tb.notify, WM_NOTIFY, wParam, lParam);
}

LRESULT toolbar_proc(HWND hwnd, Toolbar& tbRef, UINT message, WPARAM wParam, LPARAM lParam) {
    Toolbar* tb = &tbRef;
    switch (message) {
    case WM_NCCREATE:
        return on_nc_create(hwnd, *tb, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_CREATE:
        return on_create(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
        return on_destroy(*tb);
    case WM_NCDESTROY:
        return on_nc_destroy(*tb);
    case WM_PAINT:
        return on_paint(hwnd, *tb);
    case WM_ERASEBKGND:
        return 1; // painting fills the whole bar
    case WM_NOTIFY:
        return on_notify(hwnd, *tb, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        relay(hwnd, *tb, message, wParam, lParam);
        if (!(tb = state_of(hwnd))) return 0;
        return on_button_down(hwnd, *tb, point_of(lParam));
    case WM_MOUSEMOVE:
        relay(hwnd, *tb, message, wParam, lParam);
        if (!(tb = state_of(hwnd))) return 0;
        return on_mouse_move(hwnd, *tb, point_of(lParam));
    case WM_LBUTTONUP:
        relay(hwnd, *tb, message, wParam, lParam);
        if (!(tb = state_of(hwnd))) return 0;
        return on_button_up(hwnd, *tb);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        relay(hwnd, *tb, message, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        return on_capture_changed(hwnd, *tb, reinterpret_cast<HWND>(lParam));
    case TB_BUTTONSTRUCTSIZE:
        // Records shorter than the state and style cannot describe a button.
        if (wParam >= offsetof(TBBUTTON, bReserved) && wParam <= 4 * sizeof(TBBUTTON))
            tb->recordSize = static_cast<UINT>(wParam);
        return 0;
    case TB_SETBITMAPSIZE:
        if (!valid_size(lParam)) return FALSE;
        tb->bitmap = {LOWORD(lParam), HIWORD(lParam)};
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case TB_SETBUTTONSIZE:
        if (!valid_size(lParam)) return FALSE;
        tb->button = {LOWORD(lParam), HIWORD(lParam)};
        layout(hwnd, *tb);
        return TRUE;
    case TB_GETBUTTONSIZE:
        return MAKELONG(static_cast<WORD>(tb->button.cx), static_cast<WORD>(tb->button.cy));
    case TB_ADDBITMAP:
        return on_add_bitmap(*tb, wParam, reinterpret_cast<const TBADDBITMAP*>(lParam));
    case TB_ADDBUTTONSA:
        return on_insert_buttons(hwnd, *tb, tb->buttons.size(), wParam,
                                 reinterpret_cast<const BYTE*>(lParam));
    case TB_INSERTBUTTONA:
        // An index past the end (or -1) appends.
        return on_insert_buttons(hwnd, *tb, std::min<std::size_t>(wParam, tb->buttons.size()), 1,
                                 reinterpret_cast<const BYTE*>(lParam));
    case TB_DELETEBUTTON:
        return on_delete_button(hwnd, *tb, wParam);
    case TB_AUTOSIZE:
        return on_auto_size(hwnd, *tb);
    case TB_ENABLEBUTTON:
        return change_state(hwnd, *tb, wParam, TBSTATE_ENABLED, LOWORD(lParam) != 0);
    case TB_CHECKBUTTON:
        return change_state(hwnd, *tb, wParam, TBSTATE_CHECKED, LOWORD(lParam) != 0);
    case TB_PRESSBUTTON:
        return change_state(hwnd, *tb, wParam, TBSTATE_PRESSED, LOWORD(lParam) != 0);
    case TB_HIDEBUTTON:
        return change_state(hwnd, *tb, wParam, TBSTATE_HIDDEN, LOWORD(lParam) != 0);
    case TB_ISBUTTONENABLED:
        return has_state(*tb, wParam, TBSTATE_ENABLED);
    case TB_ISBUTTONCHECKED:
        return has_state(*tb, wParam, TBSTATE_CHECKED);
    case TB_ISBUTTONPRESSED:
        return has_state(*tb, wParam, TBSTATE_PRESSED);
    case TB_ISBUTTONHIDDEN:
        return has_state(*tb, wParam, TBSTATE_HIDDEN);
    case TB_SETSTATE:
        return on_set_state(hwnd, *tb, wParam, static_cast<BYTE>(LOWORD(lParam)));
    case TB_GETSTATE: {
        const Button* b = by_command(*tb, wParam);
        return b ? b->state : -1;
    }
    case TB_COMMANDTOINDEX:
        return index_of(*tb, wParam);
    case TB_GETITEMRECT:
        return on_get_item_rect(*tb, wParam, reinterpret_cast<RECT*>(lParam));
    case TB_BUTTONCOUNT:
        return static_cast<LRESULT>(tb->buttons.size());
    case TB_GETBUTTON:
        return on_get_button(*tb, wParam, reinterpret_cast<TBBUTTON*>(lParam));
    case TB_GETTOOLTIPS:
        return reinterpret_cast<LRESULT>(IsWindow(tb->tooltip) ? tb->tooltip : nullptr);
    case TB_SETPARENT: {
        const HWND previous = tb->notify;
        tb->notify = reinterpret_cast<HWND>(wParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass toolbar_class{
    TOOLBARCLASSNAMEA, control_proc<Toolbar, toolbar_proc>, 0, StateBytes, COLOR_BTNFACE,
    SurfaceKind::Child};

} // namespace plat
