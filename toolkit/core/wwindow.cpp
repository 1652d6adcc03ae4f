// The window table: the root window, the child windows, the current window and shutdown.
#include <array>
#include <cstdio>
#include <cstdlib>

#include <windows.h>

#include <commctrl.h>

#include "core/textout.h"
#include "core/wmessage_state.h"
#include "core/wmiscel.h"
#include "core/wwindow.h"
#include "core/wwindow_ops.h"
#include "core/wwndproc.h"
#include "dialogs/wmenu.h"

using namespace tess;

namespace {

constexpr DWORD ClientStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

std::array<int, 255> partlist{};

std::size_t slot(int n) {
    return static_cast<std::size_t>(n);
}

// Registration and creation failures of the root end the program: nothing can be shown.
[[noreturn]] void fatal(const char* text) {
    std::fprintf(stderr, "Tessaramond Window: %s\n", text);
    std::fflush(nullptr);
    std::exit(0);
}

bool class_known(const char* name) {
    WNDCLASSEXA existing;
    return GetClassInfoExA(core.wInstance, name, &existing) != FALSE;
}

ATOM register_class(const char* name, WNDPROC proc, UINT style, bool icon, int menuId) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = core.wInstance;
    if (icon) wc.hIcon = LoadIconA(core.wInstance, "icon1");
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

int height_of(HWND hwnd) {
    RECT r{};
    if (hwnd) GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
}

// A status bar along the frame's bottom; the frame grows by its height so that the client
// area keeps the size asked for.
HWND add_status_bar(HWND frame, int clientWidth, bool root, bool fixedSize) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (root) style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!fixedSize) style |= SBARS_SIZEGRIP;
    HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", style, 0, 0, clientWidth, 10, frame,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusBarId)),
                               core.wInstance, nullptr);
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
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), core.wInstance,
                           nullptr);
}

void client_size(int n, int& width, int& height) {
    RECT r{};
    GetClientRect(core.hClient[slot(n)], &r);
    width = r.right;
    height = r.bottom;
}

void forget_slot(int n) {
    core.wWindow[slot(n)] = nullptr;
    core.hClient[slot(n)] = nullptr;
    core.wMessLine[slot(n)] = nullptr;
}

} // namespace

int yygetnextfree() {
    for (int i = 1; i <= MaxWindow; ++i)
        if (!core.wWindow[slot(i)]) return i;
    return -1;
}

void yycreaterootwindow_(const int& left, const int& top, int& width, int& height,
                         const int& minimiseBox, const int& maximiseBox, const int& menuId,
                         const int& systemMenu, const int& maximised, const int& statusBar,
                         const int& fixedSize, const int& hidden, const int& topmost, const int&,
                         const char* title) {
    core.wInstance = nullptr; // the program's own module
    core.wWinX = left;
    core.wWinY = top;
    core.wWinWidth = width;
    core.wWinHeight = height;

    UnregisterClassA(szAppName, core.wInstance);
    core.atomRoot = register_class(szAppName, yyWndProc, 0, true, menuId);
    if (!class_known(szClientName))
        core.atomClient =
            register_class(szClientName, yyWndProcClient, CS_HREDRAW | CS_VREDRAW, false, 0);
    if (!core.atomRoot || !core.atomClient) fatal("Failed to register class - aborting.");

    const DWORD style =
        WS_CAPTION | WS_CLIPCHILDREN | flag_styles(systemMenu, minimiseBox, maximiseBox, fixedSize);
    const DWORD exStyle = topmost ? WS_EX_TOPMOST : 0;
    RECT r{left, top, left + width, top + height};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    AdjustWindowRectEx(&r, ClientStyle, menuId != 0, 0);
    core.wWinWidth = r.right - r.left;
    core.wWinHeight = r.bottom - r.top;

    HWND frame =
        CreateWindowExA(exStyle, szAppName, title ? title : "", style, left, top, core.wWinWidth,
                        core.wWinHeight, nullptr, nullptr, core.wInstance, nullptr);
    core.wWindow[0] = frame;
    if (frame && statusBar) core.wMessLine[0] = add_status_bar(frame, width, true, fixedSize);
    if (frame) core.hClient[0] = add_client(frame, core.wMessLine[0]);
    if (!frame || !core.hClient[0]) fatal("Failed to create window - aborting.");

    core.wHideRoot = 0;
    if (hidden) {
        ShowWindow(frame, SW_HIDE);
        core.wHideRoot = 1;
    } else {
        ShowWindow(frame, maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        // Showing a maximised frame resizes it before the procedures take part: fit the
        // client window here so that the size handed back is the real one.
        layout_frame(frame);
        ValidateRect(core.hClient[0], nullptr);
    }
    core.wDC = GetDC(core.hClient[0]);
    SetBkMode(core.wDC, TRANSPARENT);
    client_size(0, core.wWinWidth, core.wWinHeight);
    width = core.wWinWidth;
    height = core.wWinHeight;

    yymnloadresources_(menuId);

    yyinittextcolours_();
    core.wWindowOpen = 1;
    for (PendingEvent& p : events.pending)
        p.type = 0;
    if (!hidden) SetFocus(core.hClient[0]);
    core.hWinCur = frame;
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
    if (core.wHideRoot == 1 && insideRoot) {
        number = -2;
        return;
    }
    DWORD style = WS_CAPTION | flag_styles(systemMenu, minimiseBox, maximiseBox, fixedSize);
    style |= insideRoot ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_APPWINDOW | (topmost ? WS_EX_TOPMOST : 0);
    const HWND parent = insideRoot ? core.hClient[0] : ownedByRoot ? core.wWindow[0] : nullptr;

    if (!class_known(szChildName))
        core.atomChild = register_class(szChildName, yyWndProc, 0, true, 0);

    RECT r{left, top, left + width, top + height};
    AdjustWindowRectEx(&r, ClientStyle, FALSE, 0);
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    HWND frame = CreateWindowExA(exStyle, szChildName, title ? title : "", style, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, parent, nullptr,
                                 core.wInstance, nullptr);
    core.wWindow[slot(n)] = frame;
    if (frame) {
        core.wChildRect[slot(n)].left = NoChildRect;
        if (statusBar) core.wMessLine[slot(n)] = add_status_bar(frame, width, false, fixedSize);
        core.hClient[slot(n)] = add_client(frame, core.wMessLine[slot(n)]);
    }
    if (!frame || !core.hClient[slot(n)]) {
        if (frame) DestroyWindow(frame);
        forget_slot(n);
        number = -1;
        return;
    }
    ShowWindow(frame, maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    layout_frame(frame);
    ValidateRect(core.hClient[slot(n)], nullptr);
    core.wChildRect[slot(n)].left = NoChildRect;
    number = n;
    for (int i = 1; i <= MaxWindow; ++i)
        if (i != n && core.wWindow[slot(i)])
            SendMessageA(core.wWindow[slot(i)], WM_NCACTIVATE, FALSE, 0);
    SendMessageA(frame, WM_NCACTIVATE, TRUE, 0);
    SetFocus(core.hClient[slot(n)]);
}

void yyselectfocus_(int& width, int& height, int& number) {
    if (!valid_window_number(number) || !core.wWindow[slot(number)]) {
        number = -1;
        return;
    }
    if (core.wDC) ReleaseDC(core.hClient[slot(core.wIndex)], core.wDC);
    core.wIndex = number;
    core.wDC = GetDC(core.hClient[slot(number)]);
    SetBkMode(core.wDC, TRANSPARENT);
    client_size(number, core.wWinWidth, core.wWinHeight);
    width = core.wWinWidth;
    height = core.wWinHeight;
}

void yyclosemcidevice(int number) {
    // No routine of the toolkit opens a media device; the entry only needs clearing.
    if (valid_window_number(number)) core.wDevice[slot(number)] = 0;
}

void yyclosechild_(int& number) {
    if (number < 1 || number > MaxWindow || !core.wWindow[slot(number)]) {
        number = -1;
        return;
    }
    yyclosemcidevice(number);
    if (number == core.wIndex && core.wDC) {
        ReleaseDC(core.hClient[slot(number)], core.wDC);
        core.wDC = nullptr;
    }
    const HWND frame = core.wWindow[slot(number)];
    if (IsWindow(core.hClient[slot(number)])) DestroyWindow(core.hClient[slot(number)]);
    if (IsWindow(frame)) DestroyWindow(frame);
    if (core.hWinCur == frame) core.hWinCur = core.wWindow[0];
    forget_slot(number);
    core.wChildRect[slot(number)].left = NoChildRect;
}

void yywindowtitle_(const char* title) {
    if (valid_window_number(core.wIndex))
        SetWindowTextA(core.wWindow[slot(core.wIndex)], title ? title : "");
}

void yysetstatuspart_(const int& part, const int& rightEdge) {
    if (part >= 1 && part <= static_cast<int>(partlist.size()))
        partlist[slot(part - 1)] = rightEdge;
}

void yysetstatusbar_(const int& parts) {
    if (!valid_window_number(core.wIndex)) return;
    const HWND bar = core.wMessLine[slot(core.wIndex)];
    if (!bar || parts < 1 || parts > static_cast<int>(partlist.size())) return;
    SendMessageA(bar, SB_SETPARTS, static_cast<WPARAM>(parts),
                 reinterpret_cast<LPARAM>(partlist.data()));
}

void yywindowraise_() {
    if (!valid_window_number(core.wIndex)) return;
    const HWND frame = core.wWindow[slot(core.wIndex)];
    if (!frame) return;
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;
    if (GetParent(frame) == core.hClient[0] && core.wWindow[0])
        SetWindowPos(core.wWindow[0], HWND_TOP, 0, 0, 0, 0, flags);
    yytitlecolour(frame);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, flags);
}

void yyshutdown_() {
    for (int i = 0; i <= MaxWindow; ++i)
        yyclosemcidevice(i);
    if (core.wDC) ReleaseDC(core.hClient[slot(core.wIndex)], core.wDC);
    core.wDC = nullptr;
    core.hWinCur = nullptr;
    for (int i = MaxWindow; i >= 1; --i) {
        if (core.wWindow[slot(i)] && IsWindow(core.wWindow[slot(i)]))
            DestroyWindow(core.wWindow[slot(i)]);
        forget_slot(i);
    }
    core.wIndex = 0;
    coreMenus.hWndToolbar = nullptr;
    core.wMessLine.fill(nullptr);
    events.wMessageEnabled = CoreEvents::StartEnabled;
    core.wWindowOpen = 0;
    if (core.wWindow[0] && IsWindow(core.wWindow[0])) DestroyWindow(core.wWindow[0]);
    forget_slot(0);
    yymnshutdown_();
    yyreleasefont_();
}

void yyscrollarea_(const int& dx, const int& dy) {
    if (!valid_window_number(core.wIndex) || !core.wDC) return;
    const HWND client = core.hClient[slot(core.wIndex)];
    HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
    const auto background = static_cast<std::size_t>(coreText.wBackCol);
    const COLORREF colour =
        background < coreText.wColour.size() ? coreText.wColour[background] : RGB(255, 255, 255);
    HBRUSH brush = CreateSolidBrush(GetNearestColor(core.wDC, colour));
    ScrollWindowEx(client, dx, dy, nullptr, nullptr, uncovered, nullptr, SW_INVALIDATE);
    FillRgn(core.wDC, uncovered, brush);
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
