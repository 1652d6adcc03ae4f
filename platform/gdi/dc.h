// Device contexts: where drawing goes (a surface, an origin, a clip) and the selected state.
#pragma once

#include <vector>

#include <windows.h>

#include "gdi/surface.h"

namespace plat {

struct DeviceContext {
    HWND hwnd = nullptr;
    Surface* surface = nullptr;
    POINT origin{};         // of the drawing coordinates, in the surface
    std::vector<RECT> clip; // in surface coordinates; empty means nothing is drawn
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = 2; // OPAQUE
    HBRUSH brush = nullptr;
    bool paintDC = false;
};

DeviceContext* dc_of(HDC hdc);
// A context drawing into hwnd's client area (or whole window), clipped to what is visible of it
// and, when given, to a rectangle in the window's client coordinates.
HDC create_window_dc(HWND hwnd, bool wholeWindow, const RECT* limit);
void release_dc(HDC hdc);

} // namespace plat
