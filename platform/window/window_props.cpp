// Window attributes: longs, text, relations, enabling.
#include <algorithm>
#include <cstring>

#include "backend/backend.h"
#include "window/window_internal.h"
#include "window/window_table.h"

using namespace plat;

namespace {

// Non-negative indices address the class's extra bytes, a LONG_PTR at a byte offset.
bool in_extra(const Window& w, int index) {
    return index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w.extra.size();
}

} // namespace

BOOL IsWindow(HWND hwnd) {
    return lookup(hwnd) != nullptr;
}

BOOL IsWindowVisible(HWND hwnd) {
    for (const Window* w = lookup(hwnd); w; w = lookup(w->parent)) {
        if (!(w->style & WS_VISIBLE)) return FALSE;
        if (!(w->style & WS_CHILD)) return TRUE;
    }
    return FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const Window* w = lookup(hwnd);
    return w && !(w->style & WS_DISABLED);
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = lookup(hwnd);
    if (!w) return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessageA(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
        if (!(w = lookup(hwnd))) return FALSE;
        w->style |= WS_DISABLED;
        // A disabled window cannot keep the keyboard, nor can its children; the windows it
        // owns can (a modal dialog over its disabled owner).
        const HWND focus = GetFocus();
        if (focus == hwnd || IsChild(hwnd, focus)) SetFocus(nullptr);
        SendMessageA(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    const Window* w = lookup(hwnd);
    while (w && (w->style & WS_CHILD)) {
        if (w->parent == parent) return parent != nullptr;
        w = lookup(w->parent);
    }
    return FALSE;
}

HWND GetParent(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w) return nullptr;
    return (w->style & WS_CHILD) ? w->parent : w->owner;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    const Window* w = lookup(hwnd);
    if (!w) return nullptr;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER) return (w->style & WS_CHILD) ? nullptr : w->owner;
    const Window* p = lookup(w->parent);
    const std::vector<HWND>& siblings = p ? p->children : top_level_order();
    const auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    if (it == siblings.end()) return nullptr;
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return it == siblings.begin() ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

int GetDlgCtrlID(HWND hwnd) {
    const Window* w = lookup(hwnd);
    return w && (w->style & WS_CHILD) ? static_cast<int>(w->id) : 0;
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    const Window* w = lookup(hwnd);
    if (!w) return 0;
    if (in_extra(*w, index)) {
        LONG_PTR v;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    case GWLP_ID:
        return w->id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(w->exStyle));
    case GWLP_USERDATA:
        return w->userData;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = lookup(hwnd);
    if (!w) return 0;
    const LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    if (in_extra(*w, index)) {
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
    }
    switch (index) {
    case GWLP_WNDPROC:
        if (value) w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWLP_HWNDPARENT:
        if (!(w->style & WS_CHILD)) w->owner = reinterpret_cast<HWND>(value);
        break;
    case GWLP_ID:
        w->id = value;
        break;
    case GWL_STYLE:
        w->style = static_cast<DWORD>(value);
        geometry_changed(); // visibility and the clipping styles shape what contexts see
        break;
    case GWL_EXSTYLE:
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    default:
        return 0;
    }
    if (index == GWL_STYLE || index == GWLP_HWNDPARENT) describe_surface(hwnd);
    return old;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!lookup(hwnd)) return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    if (!lookup(hwnd)) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

namespace plat {

// The default text handling of DefWindowProcA.
LRESULT default_text_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = lookup(hwnd);
    if (!w) return 0;
    switch (message) {
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        describe_surface(hwnd);
        return TRUE;
    case WM_GETTEXT: {
        if (wParam == 0 || !lParam) return 0;
        char* out = reinterpret_cast<char*>(lParam);
        const std::size_t n = std::min<std::size_t>(w->text.size(), wParam - 1);
        std::memcpy(out, w->text.data(), n);
        out[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    default:
        return 0;
    }
}

} // namespace plat
