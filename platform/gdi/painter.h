// The painter: every drawing primitive of the layer, over one Surface.
//
// Coordinates given to primitives are logical: they are translated by the state's origin into
// surface coordinates, then intersected with the clip. A primitive whose clipped area is empty
// returns. Blits and scrolling live in rop3.h and use the same state.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "gdi/damage.h"
#include "gdi/rop.h"
#include "gdi/surface.h"
#include "win/gdi.h"

namespace plat {

struct Pen {
    int style = PS_SOLID; // PS_SOLID … PS_DASHDOTDOT, PS_NULL
    int width = 1;
    Pixel color = 0;
    // The gaps of a styled pen take this colour when set: the OPAQUE background mode.
    std::optional<Pixel> gap_color;

    constexpr Pen() = default;
    constexpr Pen(int s, int w, Pixel c, std::optional<Pixel> gap = std::nullopt)
        : style(s), width(w), color(c), gap_color(gap) {}
};

struct Brush {
    enum class Kind { solid, null, pattern };
    Kind kind = Kind::solid;
    Pixel color = 0;
    const Surface* pattern = nullptr; // colour pixels (8x8 for pattern brushes), tiled
    POINT origin{0, 0};               // brush origin, relative to the painter's origin

    static Brush solid(Pixel c) { return Brush{Kind::solid, c, nullptr, {0, 0}}; }
    static Brush none() { return Brush{Kind::null, 0, nullptr, {0, 0}}; }
    static Brush tiled(const Surface& s, POINT org = {0, 0}) {
        return Brush{Kind::pattern, 0, &s, org};
    }
    // Colour of the brush at surface position (x, y) when the painter's origin is painter_org.
    Pixel at(int x, int y, POINT painter_org) const;
};

class Painter {
public:
    struct State {
        POINT origin{0, 0};
        // Disjoint rectangles in surface coordinates, inside the surface; empty means the whole
        // surface. A clip that lets nothing through is one empty rectangle.
        std::vector<RECT> clip;
        int rop2 = R2_COPYPEN;
    };

    // Brushes (FillRect, FrameRect, PatBlt) copy; pens and the inside of filled shapes go
    // through the binary raster operation.
    enum class FillMode { brush, pen };

    explicit Painter(Surface& target) : target_(target), stack_(1) {}

    // Where the rectangles that primitives change are reported (window surfaces); none for
    // bitmaps.
    void set_damage(Damage* damage) { damage_ = damage; }
    // Every primitive calls this with the part of the surface it wrote (surface coordinates).
    void report(const RECT& written) {
        if (damage_) damage_->add(written);
    }

    Surface& target() { return target_; }
    const Surface& target() const { return target_; }
    const State& state() const { return stack_.back(); }

    void save() { stack_.push_back(stack_.back()); }
    void restore() {
        if (stack_.size() > 1) stack_.pop_back();
    }

    void set_origin(POINT o) { state_().origin = o; }
    void translate(int dx, int dy);
    void set_rop2(int rop2) { state_().rop2 = rop2; }
    // Replaces the clip by the union of rects (surface coordinates, may overlap); an empty
    // list means the whole surface.
    void set_clip(const std::vector<RECT>& rects);
    // Intersects the clip with r (logical coordinates).
    void intersect_clip(const RECT& r);
    void reset_clip() { state_().clip.clear(); }
    // The rectangles drawing may touch: disjoint, inside the surface, possibly all empty.
    std::span<const RECT> clip_rects() const;
    RECT to_surface(const RECT& r) const;

    // Right and bottom exclusive.
    void fill_rect(const RECT& r, Pixel color, FillMode mode = FillMode::brush);
    void fill_rect(const RECT& r, const Brush& brush, FillMode mode = FillMode::brush);
    // A one-pixel frame just inside r, painted with the brush.
    void frame_rect(const RECT& r, const Brush& brush);

    // SetPixel ignores the binary raster operation.
    void set_pixel(int x, int y, Pixel color);
    // Nothing outside the clip.
    std::optional<Pixel> get_pixel(int x, int y) const;

    // A line from a to b, excluding b, through the binary raster operation. Returns the
    // pattern phase after the line so that polylines keep their dash pattern going.
    int line(POINT a, POINT b, const Pen& pen, int phase = 0);
    // Outline with the pen along the edges of r (right and bottom exclusive), interior filled
    // with the brush; both through the binary raster operation.
    void rectangle(const RECT& r, const Pen& pen, const Brush& brush);
    // The closed polygon: the pixels whose centres lie inside it (ALTERNATE: an odd number of
    // edges crossed; WINDING: a non-zero winding number) filled with the brush, then the
    // outline with the pen; both through the binary raster operation.
    void polygon(std::span<const POINT> points, const Pen& pen, const Brush& brush, int fill_mode);

private:
    State& state_() { return stack_.back(); }
    // Callers must do clipping: r lies inside the surface and the clip.
    void fill_clipped(const RECT& r, const Brush& brush, int rop2);
    void wide_line(int x0, int y0, int x1, int y1, const Pen& pen);

    Surface& target_;
    Damage* damage_ = nullptr;
    std::vector<State> stack_;
    mutable RECT whole_{0, 0, 0, 0};
};

// Saves the painter's state on construction and restores it on destruction.
class PainterStateSaver {
public:
    explicit PainterStateSaver(Painter& p) : painter_(p) { painter_.save(); }
    ~PainterStateSaver() { painter_.restore(); }
    PainterStateSaver(const PainterStateSaver&) = delete;
    PainterStateSaver& operator=(const PainterStateSaver&) = delete;

private:
    Painter& painter_;
};

// Rectangle helpers (right and bottom exclusive).
constexpr bool rect_empty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}
RECT rect_intersect(const RECT& a, const RECT& b);
constexpr bool rect_contains(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace plat
