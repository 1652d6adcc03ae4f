#include "backend/x11/x11_damage.h"

#include <algorithm>
#include <cstring>

namespace plat::x11 {
namespace {

bool tile_differs(const Surface& a, const Surface& b, const RECT& t) {
    const auto bytes = static_cast<std::size_t>(t.right - t.left) * sizeof(Pixel);
    for (int y = t.top; y < t.bottom; ++y)
        if (std::memcmp(a.row(y) + t.left, b.row(y) + t.left, bytes) != 0) return true;
    return false;
}

void copy_rect(const Surface& from, Surface& to, const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y)
        std::copy(from.row(y) + r.left, from.row(y) + r.right, to.row(y) + r.left);
}

} // namespace

std::vector<RECT> take_damage(const Surface& current, Surface& shown, const RECT& dirty) {
    std::vector<RECT> out;
    if (current.width != shown.width || current.height != shown.height) return out;
    const RECT area{std::max<LONG>(dirty.left, 0), std::max<LONG>(dirty.top, 0),
                    std::min<LONG>(dirty.right, current.width),
                    std::min<LONG>(dirty.bottom, current.height)};
    if (area.left >= area.right || area.top >= area.bottom) return out;
    std::size_t previousRow = 0; // where the runs of the tile row above begin in out
    for (LONG top = area.top; top < area.bottom; top += DamageTile) {
        const LONG bottom = std::min<LONG>(top + DamageTile, area.bottom);
        const std::size_t rowStart = out.size();
        for (LONG left = area.left; left < area.right;) {
            const RECT tile{left, top, std::min<LONG>(left + DamageTile, area.right), bottom};
            left = tile.right;
            if (!tile_differs(current, shown, tile)) continue;
            copy_rect(current, shown, tile);
            if (out.size() > rowStart && out.back().right == tile.left)
                out.back().right = tile.right;
            else
                out.push_back(tile);
        }
        // A row whose runs match the row above, one for one, extends those rectangles down.
        const std::size_t above = rowStart - previousRow, here = out.size() - rowStart;
        bool same = above == here && here > 0;
        for (std::size_t i = 0; same && i < here; ++i)
            same = out[previousRow + i].left == out[rowStart + i].left &&
                   out[previousRow + i].right == out[rowStart + i].right &&
                   out[previousRow + i].bottom == top;
        if (same) {
            for (std::size_t i = 0; i < here; ++i)
                out[previousRow + i].bottom = bottom;
            out.resize(rowStart);
        } else {
            previousRow = rowStart;
        }
    }
    return out;
}

} // namespace plat::x11
