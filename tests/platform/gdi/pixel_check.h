// Whole-surface pixel comparison for painter tests: every pixel is checked, not just samples.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "gdi/surface.h"

namespace gditest {

using plat::Pixel;
using plat::Surface;

inline std::string hex(Pixel p) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(p));
    return buf;
}

// Compares every pixel of s with expected(x, y); reports the first few differences.
inline ::testing::AssertionResult pixels_match(const Surface& s,
                                               const std::function<Pixel(int, int)>& expected) {
    int bad = 0;
    std::string report;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const Pixel want = expected(x, y), got = s.at(x, y);
            if (want == got) continue;
            if (++bad <= 8)
                report += " (" + std::to_string(x) + "," + std::to_string(y) + ") got " + hex(got) +
                          " want " + hex(want) + ";";
        }
    }
    if (bad == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << bad << " pixels differ:" << report;
}

inline bool inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// A surface whose every pixel differs, so that misplaced copies show.
inline Surface numbered(int w, int h, Pixel base = 0x102030) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.row(y)[x] = (base + static_cast<Pixel>(y * 0x010700 + x * 0x000911)) & 0xFFFFFF;
    return s;
}

} // namespace gditest
