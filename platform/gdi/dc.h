// Device contexts: where drawing goes (a surface, an origin, a clip) and the selected state.
#pragma once

#include <optional>
#include <vector>

#include <windows.h>

#include "gdi/painter.h"
#include "gdi/surface.h"

namespace plat {

struct DeviceContext {
    HWND hwnd = nullptr;
    Surface* surface = nullptr;
    POINT origin{};            // of the drawing coordinates, in the surface
    std::vector<RECT> clip;    // window contexts: surface coordinates; empty means nothing is drawn
    std::vector<RECT> visible; // what of the window can be seen; the clip never exceeds it
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = 2;     // OPAQUE
    int rop2 = 13;      // R2_COPYPEN
    UINT textAlign = 0; // TA_TOP | TA_LEFT | TA_NOUPDATECP
    POINT position{};   // the current position, logical
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ palette = nullptr;   // null: the default palette
    HGDIOBJ bitmap = nullptr;    // memory contexts draw into the selected bitmap
    HGDIOBJ ownBitmap = nullptr; // the one-pixel bitmap a memory context starts with
    bool memory = false;
    bool paintDC = false;
    std::vector<DeviceContext> saved; // SaveDC states, innermost last
};

DeviceContext* dc_of(HDC hdc);
// A context drawing into hwnd's client area (or whole window), clipped to what is visible of it
// and, when given, to a rectangle in the window's client coordinates.
HDC create_window_dc(HWND hwnd, bool wholeWindow, const RECT* limit);
HDC create_screen_dc();
HDC create_memory_dc();
void release_dc(HDC hdc);

// A painter set up with the context's surface, origin, clip and raster operation; nothing for
// a context without a surface.
std::optional<Painter> painter_for(DeviceContext& dc);

// The device colour a COLORREF (plain, PALETTEINDEX or PALETTERGB) gives in this context. On
// an 8-bit screen every colour becomes the nearest the system palette holds.
Pixel resolve_color(const DeviceContext& dc, COLORREF color);
// On a screen of 256 colours, pixels copied into a window take the nearest colour the screen
// shows; elsewhere nothing changes.
void limit_to_screen_colors(const DeviceContext& dc, Painter& painter, const RECT& logical);

// Narrows a context's clip to a logical rectangle for as long as it lives.
class ClipScope {
public:
    ClipScope(DeviceContext& dc, const RECT& logical);
    ~ClipScope() { dc_.clip = std::move(saved_); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    DeviceContext& dc_;
    std::vector<RECT> saved_;
};

} // namespace plat
