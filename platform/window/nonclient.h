// Frame metrics: how much of a window the caption, borders and menu bar take.
#pragma once

#include <windows.h>

namespace plat {

constexpr int CaptionHeight = 18;
constexpr int MenuBarHeight = 19;
constexpr int ThickFrame = 4;
constexpr int DialogFrame = 3;
constexpr int ThinBorder = 1;
constexpr int ClientEdge = 2;

// The widths of the non-client area on each side.
RECT frame_insets(DWORD style, DWORD exStyle, bool hasMenu);
RECT client_from_window(const RECT& window, DWORD style, DWORD exStyle, bool hasMenu);

} // namespace plat
