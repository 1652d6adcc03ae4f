// WindowOpen, WindowOpenChild, WindowSelect, WindowCloseChild and WindowClose: defaults and
// the public window state over the core's window table.
#include "public/wwopen.h"

#include <array>
#include <string>

#include "core/context.h"
#include "core/textout.h"
#include "core/wwindow.h"
#include "core/wwindow_ops.h"
#include "graphics/grstate.h"
#include "graphics/palette.h"
#include "public/grinit.h"
#include "public/strint.h"
#include "public/wunits.h"
#include "public/wwtext.h"
#include "util/error_record.h"

using namespace tess;

namespace {

struct Options {
    bool systemMenu, minimiseBox, maximiseBox, maximised, insideRoot, statusBar, fixedSize, hidden,
        ownedByRoot, topmost;
};

Options options_of(int flags) {
    auto bit = [flags](int f) { return (flags & f) != 0; };
    return {bit(WinFlagSystemMenu), bit(WinFlagMinimiseBox), bit(WinFlagMaximiseBox),
            bit(WinFlagMaximised),  bit(WinFlagInsideRoot),  bit(WinFlagStatusBar),
            bit(WinFlagFixedSize),  bit(WinFlagHidden),      bit(WinFlagOwnedByRoot),
            bit(WinFlagTopmost)};
}

std::string caption_of(const WindowDescription& w) {
    TextRef title(w.Title);
    return std::string(title.data(), static_cast<std::size_t>(IActualLength(title)));
}

// Width and height 80 % of the screen by default; negative positions centre on the screen.
void screen_geometry(const WindowDescription& w, int& left, int& top, int& width, int& height) {
    width = w.Width > 0 ? w.Width : tk().tessar01.screenWidth * 80 / 100;
    height = w.Height > 0 ? w.Height : tk().tessar01.screenHeight * 80 / 100;
    left = w.Left >= 0 ? w.Left : tk().tessar01.screenWidth / 2 - width / 2;
    top = w.Top >= 0 ? w.Top : tk().tessar01.screenHeight / 2 - height / 2;
}

constexpr bool allowed_colour_count(int n) {
    return n == 16 || n == 32 || n == 64 || n == 128;
}

void open_root(WindowDescription& window, int colours) {
    if (tk().tessar01.rootOpen) return;
    int left, top, width, height;
    screen_geometry(window, left, top, width, height);
    tk().tessar01.windowWidth = width;
    tk().tessar01.windowHeight = height;
    const Options o = options_of(window.Flags & 0x3FF);
    if (!allowed_colour_count(colours)) colours = 16;
    const std::string caption = caption_of(window);
    const int sys = o.systemMenu, mini = o.minimiseBox, maxi = o.maximiseBox, maxd = o.maximised,
              status = o.statusBar, fixed = o.fixedSize, hidden = o.hidden, topmost = o.topmost;
    yycreaterootwindow_(left, top, width, height, mini, maxi, window.MenuId, sys, maxd, status,
                        fixed, hidden, topmost, colours, caption.c_str());
    tk().tessar01.windowWidth = width;
    tk().tessar01.windowHeight = height;
    tk().tessar01.currentWindow = 0;
    tk().tessar01.windowFlags[0] = window.Flags;
    tk().tessar01.rootOpen = 1;
    yytextwindowopen_();
    IGrInit(" ", 0, 0, 0);
    xxpali_();
}

} // namespace

void WindowOpen(WindowDescription& window) {
    open_root(window, 16);
}

void WindowOpen(WindowDescription& window, const int& colours) {
    open_root(window, colours);
}

void WindowOpenChild(WindowDescription& window, int& number) {
    const int savedWidth = tk().tessar01.windowWidth, savedHeight = tk().tessar01.windowHeight;
    const Options o = options_of(window.Flags & 0x3FF);
    int left, top, width, height;
    if (!o.insideRoot) {
        screen_geometry(window, left, top, width, height);
        tk().tessar01.windowWidth = width;
        tk().tessar01.windowHeight = height;
    } else {
        WindowSelect(0);
        const int w = window.Width > 0 ? window.Width : 8000;
        const int h = window.Height > 0 ? window.Height : 8000;
        const int l = window.Left >= 0 ? window.Left : 5000 - w / 2;
        const int t = window.Top >= 0 ? window.Top : 5000 - h / 2;
        WindowUnitsToPixels(w, h, width, height);
        WindowUnitsToPixels(l, t, left, top);
        tk().tessar01.windowWidth = width;
        tk().tessar01.windowHeight = height;
    }
    const std::string caption = caption_of(window);
    int result = -1;
    const int maxd = o.maximised, mini = o.minimiseBox, maxi = o.maximiseBox, sys = o.systemMenu,
              inside = o.insideRoot, status = o.statusBar, fixed = o.fixedSize,
              owned = o.ownedByRoot, topmost = o.topmost;
    yyopenchild_(left, top, width, height, maxd, mini, maxi, sys, inside, result, status, fixed,
                 owned, topmost, caption.c_str());
    if (result < 0) {
        tk().tessar01.windowWidth = savedWidth;
        tk().tessar01.windowHeight = savedHeight;
        number = -1;
        if (result == -2) xxerror_(1016);
        return;
    }
    number = result;
    WindowSelect(result);
    tk().tessar01.windowFlags[static_cast<std::size_t>(result)] = window.Flags;
}

void WindowSelect(const int& number) {
    int n = number, width = 0, height = 0;
    yyselectfocus_(width, height, n);
    if (n == -1) {
        xxerror_(1003);
        return;
    }
    tk().tessar01.windowWidth = width;
    tk().tessar01.windowHeight = height;
    tk().tessar01.currentWindow = number;
    // The text cursor starts afresh and the font follows the new window's size.
    tk().tessar03.cursorX = tk().tessar03.cursorY = 0;
    xxresn_(width, height);
    yyfntsiz_(tk().tessar03.charWidth, tk().tessar03.charHeight);
}

void WindowCloseChild(const int& number) {
    const bool wasCurrent = number == tk().core.wIndex;
    int n = number;
    yyclosechild_(n);
    if (n == -1) {
        xxerror_(1003);
        return;
    }
    if (wasCurrent) {
        tk().tessar01.windowFlags[static_cast<std::size_t>(number)] = -1;
        WindowSelect(0);
    }
}

void WindowClose() {
    yyshutdown_(); // the window session starts afresh, public records included
    tk().tessar01.windowFlags[0] = -1;
}
