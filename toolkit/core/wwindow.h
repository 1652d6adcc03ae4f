// The window-system core's window table and current-window state: frames, their client windows
// and status bars by window number (0 the root, 1 to 20 the children).
#pragma once

#include <array>

#include <windows.h>

namespace tess {

constexpr int MaxWindow = 20; // window numbers 0 to 20
constexpr int WindowSlots = MaxWindow + 1;
constexpr int StatusBarId = 999;
constexpr LONG NoChildRect = -999; // wChildRect left when nothing is saved

struct CoreWindows {
    // The window table, indexed by window number.
    std::array<HWND, WindowSlots> wWindow{};   // frames; null = slot free
    std::array<HWND, WindowSlots> hClient{};   // client windows
    std::array<HWND, WindowSlots> wMessLine{}; // status bars
    std::array<int, WindowSlots> wDevice{};    // media devices (none is ever opened)
    std::array<RECT, WindowSlots> wChildRect{};

    int wIndex = 0;         // the current window
    HDC wDC = nullptr;      // the current client window's context, held while it is current
    int wWindowOpen = 0;    // 1 while the root exists
    int wHideRoot = 0;      // 1 when the root was created hidden
    HWND hWinCur = nullptr; // owner of modal dialogs and message boxes
    HINSTANCE wInstance = nullptr;
    HMENU wRootMenu = nullptr;
    HACCEL wAccel = nullptr;
    int wWinX = 0, wWinY = 0;          // root frame position, screen pixels
    int wWinWidth = 0, wWinHeight = 0; // client size of the current window, pixels
    ATOM atomRoot = 0, atomChild = 0, atomClient = 0;
    HCURSOR wCursor = nullptr; // the pointer shape chosen for client windows; null = class arrow
    int wCursorCode = 0;
};

inline CoreWindows core{};

// Display and platform information, gathered by WInitialise.
struct DisplayInfo {
    int wScreenWidth = 0, wScreenHeight = 0;
    int wScreenCols = 0; // 2^(planes × bits per pixel), bits capped at 24
    int ngColours = 0;   // the graphics colour count
    int Win32s = 0, Win9x = 0, WinNT = 0, WinVer = 0;
};

inline DisplayInfo display{};

// The window number whose frame or client window hwnd is, or -1.
int yygetwindowindex(HWND hwnd);

// Window numbers that come from outside are checked with this before any table is indexed.
constexpr bool valid_window_number(int n) {
    return n >= 0 && n <= MaxWindow;
}

} // namespace tess
