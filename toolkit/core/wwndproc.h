// The frame and client window procedures and the translator from messages to events.
#pragma once

#include <windows.h>

LRESULT CALLBACK yyWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yyWndProcClient(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Writes the current event for internal code t when that code is enabled.
void yyinterpretmessage(int t, int a, WPARAM p1, LPARAM p2, HWND hwnd);
// The key code of virtual key k with modifier m (0, 20 Shift, 40 Ctrl).
int yyinterpretkey(int k, int m);

namespace tess {
// The translator's work; true when it wrote an event.
bool interpret(int t, int a, WPARAM p1, LPARAM p2, HWND hwnd);
// Fits a frame's status bar and client window (and the root's toolbar) to its client area.
void layout_frame(HWND frame);
} // namespace tess
