// The painter: every drawing primitive of the layer, over one Surface.
//
// Coordinates given to primitives are logical: they are translated by the state's origin into
// surface coordinates, then intersected with the clip (a list of disjoint rectangles in surface
// coordinates, always inside the surface). A primitive whose clipped area is empty returns.
#pragma once

#include <optional>
#include <vector>

#include "gdi/rop.h"
#include "gdi/surface.h"
#include "win/gdi_types.h"

namespace plat {

struct Pen {
    int style = PS_SOLID; // PS_SOLID … PS_DASHDOTDOT, PS_NULL
    int width = 1;
    Pixel color = 0;
};

struct Brush {
    enum class Kind { solid, null, pattern };
    Kind kind = Kind::solid;
    Pixel color = 0;
    const Surface* pattern = nullptr; // colour pixels, tiled from the brush origin
    POINT origin{0, 0};               // surface coordinates of the pattern's top-left

    static Brush solid(Pixel c) { return Brush{Kind::solid, c, nullptr, {0, 0}}; }
    static Brush none() { return Brush{Kind::null, 0, nullptr, {0, 0}}; }
    static Brush tiled(const Surface& s, POINT org = {0, 0}) {
        return Brush{Kind::pattern, 0, &s, org};
    }
    // Colour of the brush at surface position (x, y).
    Pixel at(int x, int y) const;
};

// How a blit converts between colour and monochrome surfaces, as device contexts do: a colour
// source pixel equal to src_background becomes white (1) in a monochrome destination, others
// black (0); a monochrome source's 0 pixels become dst_text and its 1 pixels dst_background.
struct BlitFormat {
    bool src_mono = false;
    bool dst_mono = false;
    Pixel src_background = 0xFFFFFF;
    Pixel dst_text = 0x000000;
    Pixel dst_background = 0xFFFFFF;
};

class Painter {
public:
    struct State {
        POINT origin{0, 0};
        std::vector<RECT> clip; // surface coordinates, inside the surface
        int rop2 = R2_COPYPEN;
    };

    // Saves the painter's state on construction and restores it on destruction.
    class Saver {
    public:
        explicit Saver(Painter& p) : painter_(p) { painter_.save(); }
        ~Saver() { painter_.restore(); }
        Saver(const Saver&) = delete;
        Saver& operator=(const Saver&) = delete;

    private:
        Painter& painter_;
    };

    explicit Painter(Surface& target);

    Surface& target() { return target_; }
    const State& state() const { return stack_.back(); }

    void save() { stack_.push_back(stack_.back()); }
    void restore() {
        if (stack_.size() > 1) stack_.pop_back();
    }

    void set_origin(POINT o) { state_().origin = o; }
    void translate(int dx, int dy);
    void set_rop2(int rop2) { state_().rop2 = rop2; }
    // Replaces the clip by the given rectangles (surface coordinates), cut to the surface.
    void set_clip(const std::vector<RECT>& rects);
    // Intersects the clip with r (logical coordinates).
    void intersect_clip(const RECT& r);
    void reset_clip();

    // Area fills, right and bottom exclusive; they ignore the binary raster operation.
    void fill_rect(const RECT& r, Pixel color);
    void fill_rect(const RECT& r, const Brush& brush);
    // A one-pixel frame just inside r, painted with the brush.
    void frame_rect(const RECT& r, const Brush& brush);

    void set_pixel(int x, int y, Pixel color);
    std::optional<Pixel> get_pixel(int x, int y) const;

    // A line from a to b, excluding b, through the binary raster operation. Returns the
    // pattern phase after the line so that polylines keep their dash pattern going.
    int line(POINT a, POINT b, const Pen& pen, int phase = 0);
    // Outline with the pen on l..r-1, t..b-1; interior filled with the brush.
    void rectangle(const RECT& r, const Pen& pen, const Brush& brush);

    // Pattern-only and destination-only ternary raster operations over r.
    void pat_blt(const RECT& r, const Brush& brush, DWORD rop);
    // Copies the rectangle dst (logical) from src at src_pt (source surface coordinates).
    void bit_blt(const RECT& dst, const Surface& src, POINT src_pt, DWORD rop,
                 const BlitFormat& format = {}, const Brush& brush = Brush::none());
    // Scales src_rect (source surface coordinates) onto dst (logical), nearest pixel.
    void stretch_blt(const RECT& dst, const Surface& src, const RECT& src_rect, DWORD rop,
                     const BlitFormat& format = {}, const Brush& brush = Brush::none());
    // Moves the pixels of area (logical) by (dx, dy), keeping the result inside area.
    void scroll(const RECT& area, int dx, int dy);

private:
    State& state_() { return stack_.back(); }
    RECT to_surface(const RECT& r) const;
    // Callers must do clipping: these write inside the surface without checks; blit_rows
    // reads src, which must not be the target.
    void plot(int x, int y, Pixel color, int rop2);
    void blit_rows(const RECT& clipped, const Surface& src, int sx0, int sy0, std::uint8_t op,
                   const BlitFormat& format, const Brush& brush);

    Surface& target_;
    std::vector<State> stack_;
};

// Rectangle helpers (right and bottom exclusive).
constexpr bool rect_empty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}
RECT rect_intersect(const RECT& a, const RECT& b);

} // namespace plat
