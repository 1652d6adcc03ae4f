// Helpers for pixel tests: compare a whole surface against a predicate.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gdi/surface.h"

namespace plat::test {

// Checks every pixel; reports the first few mismatches with their coordinates.
inline ::testing::AssertionResult pixels_are(const Surface& s,
                                             const std::function<Pixel(int, int)>& expected) {
    int bad = 0;
    std::string msg;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (s.at(x, y) != expected(x, y) && bad++ < 5) {
                char buf[96];
                std::snprintf(buf, sizeof buf, " (%d,%d)=%06X want %06X", x, y, s.at(x, y),
                              expected(x, y));
                msg += buf;
            }
    if (bad == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << bad << " wrong pixels:" << msg;
}

inline bool inside(int x, int y, int l, int t, int r, int b) {
    return x >= l && x < r && y >= t && y < b;
}

} // namespace plat::test
