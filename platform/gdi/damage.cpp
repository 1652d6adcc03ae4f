#include "gdi/damage.h"

#include <algorithm>
#include <utility>

namespace plat {
namespace {

bool contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

RECT bounds(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

long long area(const RECT& r) {
    return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

bool touch(const RECT& a, const RECT& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

} // namespace

void Damage::add(const RECT& added) {
    RECT r = added;
    if (r.left >= r.right || r.top >= r.bottom) return;
    // Text output writes one run after another into the same line: the last box usually
    // already holds or touches the new one.
    if (!rects_.empty()) {
        RECT& last = rects_.back();
        if (contains(last, r)) return;
        if (touch(last, r) && area(bounds(last, r)) <= area(last) + area(r)) {
            r = bounds(last, r);
            rects_.pop_back();
        }
    }
    for (const RECT& have : rects_)
        if (contains(have, r)) return;
    std::erase_if(rects_, [&](const RECT& have) { return contains(r, have); });
    if (rects_.size() < MaxRects) {
        rects_.push_back(r);
        return;
    }
    // Too many: the new rectangle joins the one it grows least.
    std::size_t best = 0;
    long long growth = -1;
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        const long long g = area(bounds(rects_[i], r)) - area(rects_[i]);
        if (growth < 0 || g < growth) {
            growth = g;
            best = i;
        }
    }
    rects_[best] = bounds(rects_[best], r);
}

std::vector<RECT> Damage::take() {
    return std::exchange(rects_, {});
}

} // namespace plat
