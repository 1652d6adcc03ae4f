// The window-system core's window table and current-window state: frames, their client windows
// and status bars by window number (0 the root, 1 to 20 the children).
#pragma once

#include <array>

#include <windows.h>

namespace tess {

constexpr int MaxWindow = 20; // window numbers 0 to 20
constexpr int WindowSlots = MaxWindow + 1;
constexpr int StatusBarId = 999;
constexpr LONG NoChildRect = -999; // savedRect.left when nothing is saved
constexpr int StatusParts = 255;

// An event produced while no retrieval loop dispatched it, kept for the window's next retrieval.
struct PendingEvent {
    int type = 0; // 0 = empty
    int win = -1;
    int value1 = 0, value2 = 0, value3 = 0, value4 = 0;
    int x = 0, y = 0;
    int time = 0;
};

// Everything the core keeps about one window number.
struct WindowRecord {
    HWND frame = nullptr;     // null = number free
    HWND client = nullptr;    // the client window text and graphics go to
    HWND statusBar = nullptr; // null = none
    // An inside-root child's normal rectangle while it is maximised.
    RECT savedRect{NoChildRect, 0, 0, 0};
    int width = 0, height = 0; // client size, pixels, as last laid out or resized
    HDC dc = nullptr;          // the client's context, held while the window is current
    int device = 0;            // a media device playing for the window; 0 = none
    PendingEvent pending;      // a parked redraw or resize
};

struct CoreWindows {
    std::array<WindowRecord, WindowSlots> slots{};
    int wIndex = 0;         // the current window
    int wWindowOpen = 0;    // 1 while the root exists
    int wHideRoot = 0;      // 1 when the root was created hidden
    HWND hWinCur = nullptr; // owner of modal dialogs and message boxes
    HINSTANCE wInstance = nullptr;
    int wWinX = 0, wWinY = 0;  // root frame position, screen pixels
    HCURSOR wCursor = nullptr; // the pointer shape chosen for client windows; null = class arrow
    int wCursorCode = 0;
    std::array<int, StatusParts> statusParts{}; // right edges for the next status-bar split
};

// Display and platform information, gathered by WInitialise.
struct DisplayInfo {
    int wScreenWidth = 0, wScreenHeight = 0;
    int wScreenCols = 0; // 2^(planes × bits per pixel), bits capped at 24
    int ngColours = 0;   // the graphics colour count
    int Win32s = 0, Win9x = 0, WinNT = 0, WinVer = 0;
};

// Window numbers that come from outside are checked with this before any table is indexed.
constexpr bool valid_window_number(int n) {
    return n >= 0 && n <= MaxWindow;
}

// The window number whose frame or client window hwnd is, or -1.
int yygetwindowindex(HWND hwnd);

// The record of window number n; numbers outside 0..20 get an empty record that is not kept.
WindowRecord& window(int n);
// The current window's record.
WindowRecord& current_window();

// Outer height of a window in pixels; 0 for none.
int height_of(HWND hwnd);
// Client size of window number n's client window, pixels; 0 × 0 without one.
void client_size(int n, int& width, int& height);

} // namespace tess
