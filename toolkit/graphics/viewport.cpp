// The viewport of the graphics area and the clip region that keeps drawing inside it.
#include "graphics/graphics_state.h"
#include "graphics/grstate.h"
#include "graphics/screen_driver.h"
#include "graphics/screen_driver_internal.h"

namespace tess {

void xxwing_(float x1, float y1, float x2, float y2) {
    const GraphicsAttributes& s = graphics().state;
    ScreenDriver& d = graphics().driver;
    if (x1 <= 0) x1 = 0;
    if (y1 <= 0) y1 = 0;
    if (x2 >= s.deviceExtent[0]) x2 = s.deviceExtent[0];
    if (y2 >= s.deviceExtent[1]) y2 = s.deviceExtent[1];
    d.viewport = {x1, y1, x2, y2};
    d.viewportWide = {x1 - 0.001f, y1 - 0.001f, x2 + 0.001f, y2 + 0.001f};
    d.viewportPixels = {static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
                        static_cast<int>(y2)};
    d.viewportSize = {d.viewportPixels[2] - d.viewportPixels[0] + 1,
                      d.viewportPixels[3] - d.viewportPixels[1] + 1};
    graphics().state.areaPixels = {x2 - x1, y2 - y1};
    xxgdrv_(24);
}

void apply_area_clip() {
    const GraphicsAttributes& s = graphics().state;
    const auto& v = graphics().driver.viewportPixels;
    const int lastColumn = s.lastPixel[0], lastRow = s.lastPixel[1];
    if (v[0] <= 0 && v[2] >= lastColumn && v[1] <= 0 && v[3] >= lastRow) {
        xxmwinclip_(0, 0, 0, -1);
        return;
    }
    // The area counts y upwards from the bottom edge, the platform downwards from the top.
    xxmwinclip_(v[0], lastRow - v[3], v[2], lastRow - v[1]);
}

void xxmwinclip_(int left, int top, int right, int bottom) {
    ScreenDriver& d = graphics().driver;
    if (d.gRegion) DeleteObject(d.gRegion);
    d.gRegion = nullptr;
    if (bottom != -1) {
        // The corners are pixels of the area: the region includes the right column and the
        // bottom row.
        d.gRegion = CreateRectRgn(left, top, right + 1, bottom + 1);
    }
    if (d.hdc) SelectClipRgn(d.hdc, d.gRegion);
}

} // namespace tess
