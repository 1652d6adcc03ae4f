#include "core/wmiscel.h"

#include <array>

#include "core/context.h"
#include "core/dialog_state.h"
#include "core/wwindow.h"

using namespace tess;

void yygetdisplayinfo_(int& screenWidth, int& screenHeight, int& graphicsColours,
                       int& screenColours) {
    HDC screen = GetDC(nullptr);
    const int planes = screen ? GetDeviceCaps(screen, PLANES) : 1;
    int bits = screen ? GetDeviceCaps(screen, BITSPIXEL) : 24;
    screenWidth = screen ? GetDeviceCaps(screen, HORZRES) : 0;
    screenHeight = screen ? GetDeviceCaps(screen, VERTRES) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    if (bits > 24) bits = 24;

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version)) {
        tk().display.Win32s = version.dwPlatformId == VER_PLATFORM_WIN32s;
        tk().display.Win9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
        tk().display.WinNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
        tk().display.WinVer = static_cast<int>(version.dwMajorVersion);
    }

    const int power = std::min(planes * bits, 24);
    tk().display.wScreenCols = 1 << power;
    screenColours = tk().display.wScreenCols;
    switch (tk().display.wScreenCols) {
    case 2:
        graphicsColours = 2;
        break;
    case 16:
        graphicsColours = 8;
        break;
    case 256:
        graphicsColours = 16;
        break;
    default:
        graphicsColours = 256;
        break;
    }
    tk().display.ngColours = graphicsColours;
    tk().display.wScreenWidth = screenWidth;
    tk().display.wScreenHeight = screenHeight;
}

void yysetbell_(const int& flag) {
    tk().bell = flag;
}

void yyringbell2() {
    if (tk().bell == 1) MessageBeep(0);
}

void yyringbell_() {
    yyringbell2();
}

void yychangecursor_(const int& code) {
    static const std::array<LPCSTR, 12> system = {
        IDC_ARROW,   IDC_WAIT,   IDC_APPSTARTING, IDC_CROSS,    IDC_IBEAM,    IDC_NO,
        IDC_SIZEALL, IDC_SIZENS, IDC_SIZEWE,      IDC_SIZENESW, IDC_SIZENWSE, IDC_UPARROW};
    const bool own = code < 0 || code >= static_cast<int>(system.size());
    const HCURSOR shape = own ? LoadCursorA(tk().core.wInstance,
                                            MAKEINTRESOURCEA(static_cast<unsigned>(code) % 65536))
                              : LoadCursorA(nullptr, system[static_cast<std::size_t>(code)]);
    if (!shape) {
        tk().core.wCursor = nullptr;
        tk().core.wCursorCode = 0;
        return;
    }
    tk().core.wCursor = shape;
    tk().core.wCursorCode = code;
    SetCursor(shape);
}

void yysetcursorpos_(const int& x, const int& y) {
    if (!valid_window_number(tk().core.wIndex)) return;
    POINT p{x, y};
    ClientToScreen(window(tk().core.wIndex).client, &p);
    SetCursorPos(p.x, p.y);
}

int yyAsciiToInt(const char* text) {
    int value = 0;
    if (!text) return 0;
    // No sign and no overflow check: the numbers it reads are small and unsigned.
    for (; *text >= '0' && *text <= '9'; ++text)
        value = static_cast<int>(static_cast<unsigned>(value) * 10u +
                                 static_cast<unsigned>(*text - '0'));
    return value;
}

void yytitlecolour(HWND hwnd) {
    if (yygetwindowindex(hwnd) != -1) SetFocus(hwnd);
    for (int i = 1; i <= MaxWindow; ++i) {
        const HWND frame = window(i).frame;
        if (frame) SendMessageA(frame, WM_NCACTIVATE, frame == hwnd, 0);
    }
    const CoreDialogs& d = tk().dialogs;
    for (int i = 0; i <= d.nDialogs; ++i) {
        const HWND dialog = dialog_record(i).Handle;
        if (dialog) SendMessageA(dialog, WM_NCACTIVATE, dialog == hwnd, 0);
    }
}

int tess::yygetwindowindex(HWND hwnd) {
    if (!hwnd) return -1;
    for (int i = 0; i <= MaxWindow; ++i) {
        const auto s = static_cast<std::size_t>(i);
        if (window(s).frame == hwnd || window(s).client == hwnd) return i;
    }
    return -1;
}
