// Device contexts: where drawing goes (a surface, an origin, a clip) and the selected state.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <windows.h>

#include "gdi/damage.h"
#include "gdi/painter.h"
#include "gdi/surface.h"

namespace plat {

// A window context is a view of its window: what it was made for (window, whole window or
// client area, BeginPaint's limit, the selected clip region) is kept, and surface, origin,
// visible region and clip are worked out again whenever the window geometry changed since.
struct DeviceContext {
    HWND hwnd = nullptr;
    bool wholeWindow = false;
    std::optional<RECT> limit;                 // client coordinates
    std::optional<std::vector<RECT>> userClip; // SelectClipRgn's region, logical coordinates
    std::uint64_t geometry = 0;                // the geometry serial the view was made at
    Damage* damage = nullptr;                  // the top-level surface's record of changes
    Surface* surface = nullptr;
    POINT origin{};            // of the drawing coordinates, in the surface
    std::vector<RECT> clip;    // window contexts: surface coordinates; empty means nothing is drawn
    std::vector<RECT> visible; // what of the window can be seen; the clip never exceeds it
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = 2;       // OPAQUE
    int rop2 = 13;        // R2_COPYPEN
    int polyFillMode = 1; // ALTERNATE
    UINT textAlign = 0;   // TA_TOP | TA_LEFT | TA_NOUPDATECP
    POINT position{};     // the current position, logical
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ palette = nullptr;      // null: the default palette
    bool paletteBackground = false; // SelectPalette's bForceBackground
    HGDIOBJ bitmap = nullptr;       // memory contexts draw into the selected bitmap
    HGDIOBJ ownBitmap = nullptr;    // the one-pixel bitmap a memory context starts with
    bool memory = false;
    bool paintDC = false;
    std::vector<DeviceContext> saved; // SaveDC states, innermost last
};

// The context a handle names, its view brought up to date; null for a stale handle and for a
// context whose window is gone.
DeviceContext* dc_of(HDC hdc);
// A context drawing into hwnd's client area (or whole window), clipped to what is visible of it
// and, when given, to a rectangle in the window's client coordinates.
HDC create_window_dc(HWND hwnd, bool wholeWindow, const RECT* limit);
HDC create_screen_dc();
HDC create_memory_dc();
void release_dc(HDC hdc);
// A window being destroyed takes its contexts with it.
void release_window_dcs(HWND hwnd);
// The selected objects of a context change: keeps the objects' selection counts.
void set_selected(DeviceContext& dc, HGDIOBJ DeviceContext::*field, HGDIOBJ object);
// Recomputes the clip from the visible region and the selected clip region.
void apply_user_clip(DeviceContext& dc);

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
