#include "gdi/region.h"

#include <algorithm>

namespace plat {

void subtract_rect(RectList& list, const RECT& r) {
    RectList out;
    for (const RECT& c : list) {
        RECT i;
        if (!IntersectRect(&i, &c, &r)) {
            out.push_back(c);
            continue;
        }
        if (c.top < i.top) out.push_back({c.left, c.top, c.right, i.top});
        if (i.bottom < c.bottom) out.push_back({c.left, i.bottom, c.right, c.bottom});
        if (c.left < i.left) out.push_back({c.left, i.top, i.left, i.bottom});
        if (i.right < c.right) out.push_back({i.right, i.top, c.right, i.bottom});
    }
    list = std::move(out);
}

RectList region_and(const RectList& a, const RectList& b) {
    RectList out;
    for (const RECT& x : a)
        for (const RECT& y : b) {
            RECT i;
            if (IntersectRect(&i, &x, &y)) out.push_back(i);
        }
    return out;
}

RectList region_diff(const RectList& a, const RectList& b) {
    RectList out = a;
    for (const RECT& r : b)
        subtract_rect(out, r);
    return out;
}

RectList region_or(const RectList& a, const RectList& b) {
    RectList out = region_diff(a, b);
    for (const RECT& r : b)
        if (!IsRectEmpty(&r)) out.push_back(r);
    return out;
}

RectList region_xor(const RectList& a, const RectList& b) {
    RectList out = region_diff(a, b);
    const RectList rest = region_diff(b, a);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

RECT region_box(const RectList& list) {
    RECT box{};
    for (const RECT& r : list)
        UnionRect(&box, &box, &r);
    return box;
}

} // namespace plat
