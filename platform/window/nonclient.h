// Frame metrics: how much of a window the caption, borders and menu bar take.
#pragma once

#include <windows.h>

#include "window/scrollbar_parts.h"

namespace plat {

constexpr int CaptionHeight = 18;
constexpr int MenuBarHeight = 19;
constexpr int ThickFrame = 4;
constexpr int DialogFrame = 3;
constexpr int ThinBorder = 1;
constexpr int ClientEdge = 2;
// The width of an upright scroll bar, the height of a level one, and the side of their arrows.
constexpr int ScrollBarSize = 16;
// The shortest thumb a bar draws, however large its range.
constexpr int MinThumb = 8;

// The widths of the non-client area on each side.
RECT frame_insets(DWORD style, DWORD exStyle, bool hasMenu);
// The client area inside the frame and the scroll bars the style shows.
RECT client_from_window(const RECT& window, DWORD style, DWORD exStyle, bool hasMenu);

// A shown scroll bar (SB_HORZ, SB_VERT) in window coordinates; empty when the style hides it.
RECT scroll_bar_rect(HWND hwnd, int bar);
// The parts of a bar along its length, in window coordinates.
ScrollBarParts scroll_bar_parts(HWND hwnd, int bar);
// Draws the window's shown scroll bars (and the corner between them) into its window DC.
void paint_scroll_bars(HWND hwnd, HDC windowDC);
// Follows a press on a window scroll bar until the release, sending WM_HSCROLL/WM_VSCROLL.
void track_scroll_bar(HWND hwnd, int bar, POINT screen);

} // namespace plat
