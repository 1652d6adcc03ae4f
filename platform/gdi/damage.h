// What changed on a top-level surface since the backend was last shown it: a few rectangles in
// surface coordinates, merged when there would be too many.
#pragma once

#include <cstddef>
#include <vector>

#include "win/types.h"

namespace plat {

class Damage {
public:
    // Enough for a status line, a text row and a few controls without merging them into one
    // box that would resend most of the window.
    static constexpr std::size_t MaxRects = 8;

    // In surface coordinates and already inside the surface; empty rectangles are ignored.
    void add(const RECT& added);
    bool empty() const { return rects_.empty(); }
    const std::vector<RECT>& rects() const { return rects_; }
    // Hands the rectangles over and starts afresh.
    std::vector<RECT> take();
    void clear() { rects_.clear(); }

private:
    std::vector<RECT> rects_;
};

} // namespace plat
