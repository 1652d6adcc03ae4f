// Lines, points and filled shapes of the screen driver.
#include "graphics/driver_draw.h"

#include <algorithm>
#include <cmath>

#include "graphics/graphics_state.h"

namespace tess {

namespace {

// Drawing is cut to the window widened by this margin before it becomes integer pixels.
constexpr double ClipMargin = 16;

struct Bounds {
    double left, top, right, bottom;
};

// Callers keep v within the window's margin.
LONG rounded(double v) {
    return static_cast<LONG>(std::lround(v));
}

Bounds window_bounds() {
    const GraphicsAttributes& s = graphics().state;
    return {-ClipMargin, -ClipMargin, s.deviceSize[0] + ClipMargin, s.deviceSize[1] + ClipMargin};
}

// Selects a brush of the pen colour and no pen for the lifetime of a fill, so that the
// interior goes through the mix mode once and the line type does not show on its edge.
class FillObjects {
public:
    explicit FillObjects(HDC hdc)
        : hdc_(hdc), brush_(CreateSolidBrush(graphics().driver.penColour)),
          oldBrush_(SelectObject(hdc, brush_)),
          oldPen_(SelectObject(hdc, GetStockObject(NULL_PEN))) {}
    ~FillObjects() {
        SelectObject(hdc_, oldPen_);
        SelectObject(hdc_, oldBrush_);
        DeleteObject(brush_);
    }
    FillObjects(const FillObjects&) = delete;
    FillObjects& operator=(const FillObjects&) = delete;

private:
    HDC hdc_;
    HBRUSH brush_;
    HGDIOBJ oldBrush_, oldPen_;
};

} // namespace

DevicePoint xxu2p_(float x, float y) {
    const Graphics& g = graphics();
    const GraphicsAttributes& s = g.state;
    // The viewport's corners are counted upwards from the bottom edge; the platform's rows
    // downwards from the top.
    const double up =
        g.driver.viewport[1] + (static_cast<double>(y) - s.units[1]) * s.pixelsPerUnit[1];
    return {g.driver.viewport[0] + (static_cast<double>(x) - s.units[0]) * s.pixelsPerUnit[0],
            s.lastPixel[1] + 1 - up};
}

double xxsaturate_(double pixels) {
    if (std::isnan(pixels)) return 0;
    return std::clamp(pixels, -PixelLimit, PixelLimit);
}

POINT xxpixel_(DevicePoint p) {
    // A position counted upwards falls in the pixel below it once the rows are flipped: y up
    // 0 to 1 is the last row.
    return {static_cast<LONG>(std::floor(xxsaturate_(p.x))),
            static_cast<LONG>(std::ceil(xxsaturate_(p.y))) - 1};
}

bool xxcandraw_() {
    const Graphics& g = graphics();
    return g.state.screenGraphics > 0 && g.driver.hdc != nullptr;
}

void xxmwinmoveto_(float x, float y) {
    graphics().state.position = {x, y};
}

void xxmwinlineto_(float x, float y) {
    GraphicsAttributes& s = graphics().state;
    DevicePoint a = xxu2p_(s.position[0], s.position[1]), b = xxu2p_(x, y);
    s.position = {x, y};
    if (!xxcandraw_()) return;
    const Bounds w = window_bounds();
    // A line cut at the margin ends outside the window, where its left-out end pixel is
    // never seen anyway.
    if (!xxclipline_(a, b, w.left, w.top, w.right, w.bottom)) return;
    const HDC hdc = graphics().driver.hdc;
    const POINT from = xxpixel_(a), to = xxpixel_(b);
    MoveToEx(hdc, from.x, from.y, nullptr);
    LineTo(hdc, to.x, to.y);
}

void xxmwinpoint_(float x, float y) {
    GraphicsAttributes& s = graphics().state;
    s.position = {x, y};
    if (!xxcandraw_()) return;
    const DevicePoint d = xxu2p_(x, y);
    const Bounds w = window_bounds();
    if (d.x < w.left || d.x > w.right || d.y < w.top || d.y > w.bottom) return;
    // A line of one pixel rather than SetPixel, which would ignore the mix mode.
    const HDC hdc = graphics().driver.hdc;
    const POINT p = xxpixel_(d);
    MoveToEx(hdc, p.x, p.y, nullptr);
    LineTo(hdc, p.x + 1, p.y);
}

void xxmwinfillrect_(float x1, float y1, float x2, float y2) {
    if (!xxcandraw_()) return;
    const Bounds w = window_bounds();
    auto clamped = [&](DevicePoint d) {
        return DevicePoint{std::clamp(d.x, w.left, w.right), std::clamp(d.y, w.top, w.bottom)};
    };
    const DevicePoint a = clamped(xxu2p_(x1, y1)), b = clamped(xxu2p_(x2, y2));
    // The pixels whose centres lie inside, as for polygons.
    const RECT r{rounded(std::min(a.x, b.x)), rounded(std::min(a.y, b.y)),
                 rounded(std::max(a.x, b.x)), rounded(std::max(a.y, b.y))};
    if (r.left >= r.right || r.top >= r.bottom) return;
    const HDC hdc = graphics().driver.hdc;
    FillObjects objects(hdc);
    // Without a pen the platform leaves out the last column and row of the rectangle.
    Rectangle(hdc, r.left, r.top, r.right + 1, r.bottom + 1);
}

void xxmwinfillpoly_(std::span<const float> x, std::span<const float> y) {
    if (!xxcandraw_()) return;
    const std::size_t n = std::min(x.size(), y.size());
    if (n < 3) return;
    std::vector<DevicePoint> device(n);
    for (std::size_t i = 0; i < n; ++i)
        device[i] = xxu2p_(x[i], y[i]);
    const Bounds w = window_bounds();
    const std::vector<DevicePoint> cut = xxclippoly_(device, w.left, w.top, w.right, w.bottom);
    if (cut.size() < 3) return;
    // The platform samples pixel centres against integer corners; handing it each corner's
    // pixel shifts the outline by less than a pixel, the same way for every edge.
    std::vector<POINT> points(cut.size());
    for (std::size_t i = 0; i < cut.size(); ++i)
        points[i] = {rounded(cut[i].x), rounded(cut[i].y)};
    const HDC hdc = graphics().driver.hdc;
    FillObjects objects(hdc);
    Polygon(hdc, points.data(), static_cast<int>(points.size()));
}

// Liang and Barsky: the part of a to b inside the rectangle, or false when none is.
bool xxclipline_(DevicePoint& a, DevicePoint& b, double left, double top, double right,
                 double bottom) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const DevicePoint from = a;
    if (t1 < 1) b = {from.x + t1 * dx, from.y + t1 * dy};
    if (t0 > 0) a = {from.x + t0 * dx, from.y + t0 * dy};
    return true;
}

// Sutherland and Hodgman: the polygon cut by each side of the rectangle in turn.
std::vector<DevicePoint> xxclippoly_(std::span<const DevicePoint> points, double left, double top,
                                     double right, double bottom) {
    std::vector<DevicePoint> in(points.begin(), points.end()), out;
    auto cut = [&](auto inside, auto cross) {
        out.clear();
        for (std::size_t i = 0; i < in.size(); ++i) {
            const DevicePoint& cur = in[i];
            const DevicePoint& prev = in[(i + in.size() - 1) % in.size()];
            const bool ci = inside(cur), pi = inside(prev);
            if (ci != pi) out.push_back(cross(prev, cur));
            if (ci) out.push_back(cur);
        }
        std::swap(in, out);
    };
    auto at_x = [](double x) {
        return [x](const DevicePoint& p, const DevicePoint& q) {
            const double t = (x - p.x) / (q.x - p.x);
            return DevicePoint{x, p.y + t * (q.y - p.y)};
        };
    };
    auto at_y = [](double y) {
        return [y](const DevicePoint& p, const DevicePoint& q) {
            const double t = (y - p.y) / (q.y - p.y);
            return DevicePoint{p.x + t * (q.x - p.x), y};
        };
    };
    cut([&](const DevicePoint& p) { return p.x >= left; }, at_x(left));
    cut([&](const DevicePoint& p) { return p.x <= right; }, at_x(right));
    cut([&](const DevicePoint& p) { return p.y >= top; }, at_y(top));
    cut([&](const DevicePoint& p) { return p.y <= bottom; }, at_y(bottom));
    return in;
}

} // namespace tess
