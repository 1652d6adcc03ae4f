// The frame and client window procedures and the translator from messages to events.
#pragma once

#include <windows.h>

#include "core/wwindow.h"

LRESULT CALLBACK yyWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyWndProcClient(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The key code of virtual key k with modifier m (0, 20 Shift, 40 Ctrl).
int yyinterpretkey(int k, int m);

namespace tess {
// The translator: writes the current event for internal code t when that code is enabled, and
// returns whether it did. Inside a nested loop the event is parked, kept or dropped instead
// (see winterpret.cpp) and the result is false.
bool interpret(int t, int a, WPARAM p1, LPARAM p2, HWND hwnd);
// The current event as a record for later delivery.
PendingEvent current_event();
// Parks a redraw or resize in its window's slot; a waiting resize is not displaced by a redraw.
void park_event(const PendingEvent& event);
// Fits a frame's status bar and client window (and the root's toolbar) to its client area.
void layout_frame(HWND frame);
// Paints a window from a bitmap of its client area (a snapshot); nothing without one.
void paint_from_bitmap(HWND window, HBITMAP image);
} // namespace tess
