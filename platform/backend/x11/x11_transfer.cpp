#include "backend/x11/x11_transfer.h"

#include <algorithm>

namespace plat::x11 {
namespace {

bool row_is_one_colour(const Pixel* row, int left, int right) {
    const Pixel first = row[left];
    return std::all_of(row + left + 1, row + right, [first](Pixel p) { return p == first; });
}

void add_image_rows(std::vector<Transfer>& out, LONG left, LONG right, LONG top, LONG bottom) {
    if (!out.empty() && !out.back().fill && out.back().rect.bottom == top)
        out.back().rect.bottom = bottom;
    else
        out.push_back({{left, top, right, bottom}, false, 0});
}

} // namespace

std::vector<Transfer> plan_transfers(const Surface& surface, const RECT& r) {
    std::vector<Transfer> out;
    const LONG left = std::max<LONG>(r.left, 0), right = std::min<LONG>(r.right, surface.width);
    const LONG top = std::max<LONG>(r.top, 0), bottom = std::min<LONG>(r.bottom, surface.height);
    if (left >= right || top >= bottom) return out;
    for (LONG y = top; y < bottom;) {
        const Pixel* row = surface.row(y);
        if (!row_is_one_colour(row, left, right)) {
            add_image_rows(out, left, right, y, y + 1);
            ++y;
            continue;
        }
        // The run of rows of this one colour.
        const Pixel colour = row[left];
        LONG end = y + 1;
        while (end < bottom && surface.row(end)[left] == colour &&
               row_is_one_colour(surface.row(end), left, right))
            ++end;
        if (end - y >= MinFillRows || (y == top && end == bottom))
            out.push_back({{left, y, right, end}, true, colour});
        else
            add_image_rows(out, left, right, y, end);
        y = end;
    }
    return out;
}

} // namespace plat::x11
