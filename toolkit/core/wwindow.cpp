// The window table: the root window, the child windows, the current window and shutdown.
#include "core/wwindow.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include <windows.h>

#include <commctrl.h>
#include <platform_start.h>

#include "core/context.h"
#include "core/media.h"
#include "core/textout.h"
#include "core/wmessage_state.h"
#include "core/wmiscel.h"
#include "core/wwindow_ops.h"
#include "core/wwndproc.h"
#include "graphics/oswin.h"
#include "graphics/palette.h"
#include "graphics/screen_driver.h"

using namespace tess;

namespace {

constexpr DWORD ClientStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// Registration and creation failures of the root end the program: nothing can be shown. The
// exit code is not 0, so that a script or a parent process sees the failure.
constexpr int StartFailureExitCode = 1;

[[noreturn]] void fatal(const char* text) {
    // A user sees the box; the line stays for scripts and for screens nobody looks at.
    if (plat::backend_shows_windows()) xxmwinmessagebox_("Tessaramond Window", text);
    std::fprintf(stderr, "Tessaramond Window: %s\n", text);
    std::fflush(nullptr);
    std::exit(StartFailureExitCode);
}

bool class_known(const char* name) {
    WNDCLASSEXA existing;
    return GetClassInfoExA(tk().core.wInstance, name, &existing) != FALSE;
}

ATOM register_class(const char* name, WNDPROC proc, UINT style, bool icon, int menuId) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = tk().core.wInstance;
    if (icon) wc.hIcon = LoadIconA(tk().core.wInstance, "icon1");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = menuId ? MAKEINTRESOURCEA(static_cast<WORD>(menuId)) : nullptr;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc);
}

DWORD flag_styles(int systemMenu, int minimiseBox, int maximiseBox, int fixedSize) {
    DWORD style = 0;
    if (systemMenu) style |= WS_SYSMENU;
    if (minimiseBox) style |= WS_MINIMIZEBOX;
    if (maximiseBox) style |= WS_MAXIMIZEBOX;
    if (!fixedSize) style |= WS_THICKFRAME;
    return style;
}

// A status bar along the frame's bottom; the frame grows by its height so that the client
// area keeps the size asked for.
HWND add_status_bar(HWND frame, int clientWidth, bool root, bool fixedSize) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (root) style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!fixedSize) style |= SBARS_SIZEGRIP;
    HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", style, 0, 0, clientWidth, 10, frame,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusBarId)),
                               tk().core.wInstance, nullptr);
    if (!bar) return nullptr;
    RECT outer;
    GetWindowRect(frame, &outer);
    SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left,
                 outer.bottom - outer.top + height_of(bar),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    SendMessageA(bar, WM_SIZE, 0, 0);
    return bar;
}

HWND add_client(HWND frame, HWND statusBar) {
    RECT r;
    GetClientRect(frame, &r);
    r.bottom -= height_of(statusBar);
    return CreateWindowExA(0, szClientName, "", ClientStyle, 0, 0, r.right, r.bottom, frame,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), tk().core.wInstance,
                           nullptr);
}

void forget_slot(int n) {
    window(n) = WindowRecord{};
}

// The window system keeps window geometry in 16-bit coordinates; a request beyond them is cut
// there rather than overflowing the sums that make the rectangle.
constexpr int CoordinateLimit = 32767;

struct Placement {
    int left, top, width, height;
};

Placement within_limits(int left, int top, int width, int height) {
    return {std::clamp(left, -CoordinateLimit, CoordinateLimit),
            std::clamp(top, -CoordinateLimit, CoordinateLimit),
            std::clamp(width, 0, CoordinateLimit), std::clamp(height, 0, CoordinateLimit)};
}

void release_held_dc() {
    WindowRecord& w = current_window();
    if (w.dc) ReleaseDC(w.client, w.dc);
    w.dc = nullptr;
}

// The graphics driver draws into the root's client area through its held context.
void start_screen_graphics(const WindowRecord& root, int colours) {
    ScreenDriver& d = graphics().driver;
    d.ngColours = tk().display.ngColours;
    d.gRegion = nullptr;
    d.gFont = nullptr;
    d.gLinetype = PS_SOLID;
    d.gPlotmode = R2_COPYPEN;
    d.WinWidth = root.width;
    d.WinHeight = root.height;
    xxmwinselectdc(root.client, root.dc);
    if (tk().display.wScreenCols == 256) {
        // A palette screen shows the count of colours the program asked for.
        tk().display.ngColours = d.ngColours = colours;
        graphics().state.deviceColours = colours;
        xxmwindefinepalette(1);
    }
    tk().dialogs.hGraphicsField = nullptr;
}

} // namespace

int yygetnextfree() {
    for (int i = 1; i <= MaxWindow; ++i)
        if (!window(i).frame) return i;
    return -1;
}

void yycreaterootwindow_(const int& left, const int& top, int& width, int& height,
                         const int& minimiseBox, const int& maximiseBox, const int& menuId,
                         const int& systemMenu, const int& maximised, const int& statusBar,
                         const int& fixedSize, const int& hidden, const int& topmost,
                         const int& colours, const char* title) {
    tk().core.wInstance = nullptr; // the program's own module
    tk().core.wWinX = left;
    tk().core.wWinY = top;
    tk().core.wIndex = 0;

    // The root class is registered afresh for each root: it carries the menu asked for.
    UnregisterClassA(szAppName, tk().core.wInstance);
    const bool rootClass = register_class(szAppName, yyWndProc, 0, true, menuId) != 0;
    if (!class_known(szClientName))
        register_class(szClientName, yyWndProcClient, CS_HREDRAW | CS_VREDRAW, false, 0);
    if (!rootClass || !class_known(szClientName)) fatal("Failed to register class - aborting.");

    const DWORD style =
        WS_CAPTION | WS_CLIPCHILDREN | flag_styles(systemMenu, minimiseBox, maximiseBox, fixedSize);
    const DWORD exStyle = topmost ? WS_EX_TOPMOST : 0;
    const Placement p = within_limits(left, top, width, height);
    RECT r{p.left, p.top, p.left + p.width, p.top + p.height};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    AdjustWindowRectEx(&r, ClientStyle, menuId != 0, 0);
    HWND frame = CreateWindowExA(exStyle, szAppName, title ? title : "", style, p.left, p.top,
                                 r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                 tk().core.wInstance, nullptr);
    WindowRecord& root = window(0);
    root.frame = frame;
    if (frame && statusBar) window(0).statusBar = add_status_bar(frame, p.width, true, fixedSize);
    if (frame) window(0).client = add_client(frame, window(0).statusBar);
    if (!frame || !window(0).client) fatal("Failed to create window - aborting.");

    tk().core.wHideRoot = 0;
    if (hidden) {
        ShowWindow(frame, SW_HIDE);
        tk().core.wHideRoot = 1;
    } else {
        ShowWindow(frame, maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        // Showing a maximised frame resizes it before the procedures take part: fit the
        // client window here so that the size handed back is the real one.
        layout_frame(frame);
        ValidateRect(window(0).client, nullptr);
    }
    root.dc = GetDC(root.client);
    SetBkMode(root.dc, TRANSPARENT);
    client_size(0, root.width, root.height);
    width = root.width;
    height = root.height;

    yymnloadresources_(menuId);
    yyregistersubclass();
    yygetatoms();

    yyinittextcolours_();
    start_screen_graphics(root, colours);
    tk().core.wWindowOpen = 1;
    for (WindowRecord& w : tk().core.slots)
        w.pending = PendingEvent{};
    if (!hidden) SetFocus(window(0).client);
    tk().core.hWinCur = frame;
}

void yyopenchild_(const int& left, const int& top, const int& width, const int& height,
                  const int& maximised, const int& minimiseBox, const int& maximiseBox,
                  const int& systemMenu, const int& insideRoot, int& number, const int& statusBar,
                  const int& fixedSize, const int& ownedByRoot, const int& topmost,
                  const char* title) {
    const int n = yygetnextfree();
    if (n < 0) {
        number = -1;
        return;
    }
    if (tk().core.wHideRoot == 1 && insideRoot) {
        number = -2;
        return;
    }
    DWORD style = WS_CAPTION | flag_styles(systemMenu, minimiseBox, maximiseBox, fixedSize);
    style |= insideRoot ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_APPWINDOW | (topmost ? WS_EX_TOPMOST : 0);
    const HWND parent = insideRoot ? window(0).client : ownedByRoot ? window(0).frame : nullptr;

    if (!class_known(szChildName)) register_class(szChildName, yyWndProc, 0, true, 0);

    const Placement p = within_limits(left, top, width, height);
    RECT r{p.left, p.top, p.left + p.width, p.top + p.height};
    AdjustWindowRectEx(&r, ClientStyle, FALSE, 0);
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    // While semi-modeless dialogs are on display every frame stays disabled.
    if (tk().dialogs.nSemi > 0) style |= WS_DISABLED;
    // Left and top are the frame's own corner, as for the root: the client area lies inside
    // it below the caption, which thus stays in view at the parent's edge.
    HWND frame = CreateWindowExA(exStyle, szChildName, title ? title : "", style, p.left, p.top,
                                 r.right - r.left, r.bottom - r.top, parent, nullptr,
                                 tk().core.wInstance, nullptr);
    window(n).frame = frame;
    if (frame) {
        window(n).savedRect.left = NoChildRect;
        if (statusBar) window(n).statusBar = add_status_bar(frame, p.width, false, fixedSize);
        window(n).client = add_client(frame, window(n).statusBar);
    }
    if (!frame || !window(n).client) {
        if (frame) DestroyWindow(frame);
        forget_slot(n);
        number = -1;
        return;
    }
    ShowWindow(frame, maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    layout_frame(frame);
    // The program draws a new child's contents itself after opening it: its first appearance
    // leaves nothing to redraw, and the paint the layout produced is not handed on.
    ValidateRect(window(n).client, nullptr);
    window(n).pending = PendingEvent{};
    window(n).savedRect.left = NoChildRect;
    number = n;
    for (int i = 1; i <= MaxWindow; ++i)
        if (i != n && window(i).frame) SendMessageA(window(i).frame, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
    SetFocus(window(n).client);
}

void yyselectfocus_(int& width, int& height, int& number) {
    if (!valid_window_number(number) || !window(number).frame) {
        number = -1;
        return;
    }
    release_held_dc();
    tk().core.wIndex = number;
    WindowRecord& next = current_window();
    next.dc = GetDC(next.client);
    SetBkMode(next.dc, TRANSPARENT);
    const CoreDialogs& d = tk().dialogs;
    xxmwinselectdc(next.client,
                   d.hGraphicsField && d.graphicsFieldDC ? d.graphicsFieldDC : next.dc);
    client_size(number, next.width, next.height);
    graphics().driver.WinWidth = next.width;
    graphics().driver.WinHeight = next.height;
    width = next.width;
    height = next.height;
}

void yyclosechild_(int& number) {
    if (number < 1 || number > MaxWindow || !window(number).frame) {
        number = -1;
        return;
    }
    yyclosemcidevice(number);
    if (number == tk().core.wIndex) release_held_dc();
    const HWND frame = window(number).frame;
    // The owner of the next dialog is usually the client that last had the focus: it must not
    // be left naming a window that is gone.
    HWND& winCur = tk().core.hWinCur;
    if (winCur == frame || IsChild(frame, winCur)) winCur = window(0).frame;
    if (IsWindow(window(number).client)) DestroyWindow(window(number).client);
    if (IsWindow(frame)) DestroyWindow(frame);
    forget_slot(number);
}

void yywindowtitle_(const char* title) {
    if (valid_window_number(tk().core.wIndex))
        SetWindowTextA(window(tk().core.wIndex).frame, title ? title : "");
}

void yysetstatuspart_(const int& part, const int& rightEdge) {
    if (part >= 1 && part <= StatusParts)
        tk().core.statusParts[static_cast<std::size_t>(part - 1)] = rightEdge;
}

void yysetstatusbar_(const int& parts) {
    if (!valid_window_number(tk().core.wIndex)) return;
    const HWND bar = window(tk().core.wIndex).statusBar;
    if (!bar || parts < 1 || parts > StatusParts) return;
    SendMessageA(bar, SB_SETPARTS, static_cast<WPARAM>(parts),
                 reinterpret_cast<LPARAM>(tk().core.statusParts.data()));
}

void yywindowraise_() {
    if (!valid_window_number(tk().core.wIndex)) return;
    const HWND frame = window(tk().core.wIndex).frame;
    if (!frame) return;
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;
    if (GetParent(frame) == window(0).client && window(0).frame)
        SetWindowPos(window(0).frame, HWND_TOP, 0, 0, 0, 0, flags);
    yytitlecolour(frame);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, flags);
}

void yyshutdown_() {
    xxmwinremoveg();
    for (int i = 0; i <= MaxWindow; ++i)
        yyclosemcidevice(i);
    release_held_dc();
    // The procedures fall back to default handling while the windows go.
    tk().core.wWindowOpen = 0;
    yydialogshutdown_();
    for (int i = MaxWindow; i >= 0; --i)
        if (IsWindow(window(i).frame)) DestroyWindow(window(i).frame);
    yymnshutdown_();
    yyreleasefont_();
    tk().reset();
}

void yyscrollarea_(const int& dx, const int& dy) {
    if (!valid_window_number(tk().core.wIndex) || !current_window().dc) return;
    const HWND client = window(tk().core.wIndex).client;
    HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
    const auto background = static_cast<std::size_t>(tk().text.wBackCol);
    const COLORREF colour =
        background < tk().text.wColour.size() ? tk().text.wColour[background] : RGB(255, 255, 255);
    HBRUSH brush = CreateSolidBrush(GetNearestColor(current_window().dc, colour));
    ScrollWindowEx(client, dx, dy, nullptr, nullptr, uncovered, nullptr, SW_INVALIDATE);
    FillRgn(current_window().dc, uncovered, brush);
    // Only a band along one edge is taken as drawn: a scroll in both directions leaves the rest
    // of the uncovered area to redraw events.
    RECT valid;
    GetClientRect(client, &valid);
    if (dx > 0) valid.right = dx;
    if (dx < 0) valid.left = valid.right + dx;
    if (dy > 0) valid.bottom = dy;
    if (dy < 0) valid.top = valid.bottom + dy;
    ValidateRect(client, &valid);
    DeleteObject(brush);
    DeleteObject(uncovered);
}
