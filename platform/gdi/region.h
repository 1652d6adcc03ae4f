// Regions as lists of disjoint rectangles, and the set operations on them.
#pragma once

#include <vector>

#include <windows.h>

namespace plat {

using RectList = std::vector<RECT>;

// Cuts r out of every rectangle of the list.
void subtract_rect(RectList& list, const RECT& r);
RectList region_and(const RectList& a, const RectList& b);
RectList region_or(const RectList& a, const RectList& b);
RectList region_diff(const RectList& a, const RectList& b);
RectList region_xor(const RectList& a, const RectList& b);
RECT region_box(const RectList& list);

} // namespace plat
