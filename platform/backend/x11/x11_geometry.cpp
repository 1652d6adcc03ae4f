#include "backend/x11/x11_geometry.h"

#include <algorithm>

#include "window/nonclient.h"

namespace plat::x11 {

bool is_managed(DWORD style) {
    return !(style & WS_POPUP) || (style & WS_CAPTION) == WS_CAPTION;
}

RECT native_part(const RECT& window, DWORD style, DWORD exStyle, bool hasMenu) {
    const int width = window.right - window.left, height = window.bottom - window.top;
    if (!is_managed(style)) return {0, 0, width, height};
    RECT in = frame_insets(style, exStyle, hasMenu);
    if (hasMenu) in.top -= MenuBarHeight;
    // A window too small for its own frame still shows one pixel, as X has no empty windows.
    RECT r{in.left, in.top, std::max<LONG>(in.left + 1, width - in.right),
           std::max<LONG>(in.top + 1, height - in.bottom)};
    return r;
}

RECT window_rect_for(const RECT& native, const RECT& window, DWORD style, DWORD exStyle,
                     bool hasMenu) {
    const RECT part = native_part(window, style, exStyle, hasMenu);
    const int width = window.right - window.left, height = window.bottom - window.top;
    // The frame keeps its widths: what the native part gained or lost, the window does too.
    const int extraW = width - (part.right - part.left), extraH = height - (part.bottom - part.top);
    const LONG left = native.left - part.left, top = native.top - part.top;
    return {left, top, left + (native.right - native.left) + extraW,
            top + (native.bottom - native.top) + extraH};
}

} // namespace plat::x11
