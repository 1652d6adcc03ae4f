// A frame on the headless screen that behaves as the toolkit's frames do towards their bars:
// it forwards WM_SIZE to its status bar, takes WM_COMMAND from the toolbar and answers tip
// requests. What it receives is kept for the tests to look at.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "backend/headless/headless_backend.h"
#include "test_ids.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace ctltest {

struct Notification {
    WPARAM wParam;
    HWND from;
    UINT_PTR id;
    UINT code;
};

// What the frame's window procedure reads and records; one frame per test.
struct FrameLog {
    HWND statusBar = nullptr;
    std::vector<WPARAM> commands;       // wParam of each WM_COMMAND
    std::vector<LPARAM> commandSenders; // lParam of each WM_COMMAND
    std::vector<Notification> notifies; // every WM_NOTIFY
    std::string tipText;                // copied into szText on a tip request
    LPSTR tipPointer = nullptr;         // when set, handed back in lpszText instead
    HINSTANCE tipInstance = nullptr;
    bool destroyOnCommand = false; // the frame destroys the sender of a WM_COMMAND
    // When set, the frame answers every WM_CTLCOLOR* with this brush and text colour.
    HBRUSH ctlBrush = nullptr;
    COLORREF ctlText = 0;
    std::vector<UINT> ctlAsked; // the WM_CTLCOLOR* messages received
};
FrameLog& frame_log();

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible top-level frame with a sizing border (unless style says otherwise).
    HWND frame(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, int width = 400, int height = 240);
    // Dispatches everything waiting, paints included.
    void pump();
    // Lets the clock run on by ms and serves the timers that come due.
    void wait(DWORD ms);

    // A toolbar as the toolkit makes one, from the test strip: buttons 201, a separator, 202
    // and the check button 203, with 16 x 15 images in 22 x 21 buttons.
    HWND toolbar(HWND parent, DWORD style = TBSTYLE_TOOLTIPS);
    RECT item(HWND tb, int index);
    POINT centre(HWND tb, int index);

    // A child control of the frame.
    HWND control(HWND parent, const char* cls, const char* text, DWORD style, RECT r, int id = 10);

    // A pixel of a window's client area as the user sees it.
    plat::Pixel pixel(HWND hwnd, int x, int y);
    // A client point of a window, on the screen.
    POINT screen_point(HWND hwnd, int x, int y);

    plat::HeadlessBackend* screen = nullptr;
};

inline plat::Pixel colour(int sysColor) {
    return plat::pixel_from_colorref(GetSysColor(sysColor));
}

// Sums of the channels, to tell shadows (below the face) from highlights (above it) whatever
// grey each edge line uses.
inline unsigned brightness(plat::Pixel p) {
    return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF);
}
inline bool is_shadow(plat::Pixel p) {
    return brightness(p) < brightness(colour(COLOR_BTNFACE));
}
inline bool is_highlight(plat::Pixel p) {
    return brightness(p) > brightness(colour(COLOR_BTNFACE));
}

} // namespace ctltest
