// Damaged rectangles split into one-colour fills and image bands.
#include <gtest/gtest.h>

#include <string>

#include "backend/x11/x11_transfer.h"

using plat::Pixel;
using plat::Surface;
using plat::x11::MinFillRows;
using plat::x11::plan_transfers;
using plat::x11::Transfer;

namespace {

constexpr Pixel Paper = 0xFFFFFF, Ink = 0x000000, Bar = 0xC0C0C0;

// The plan as text, one band per item: F<top>-<bottom>:<colour> or I<top>-<bottom>, with the
// columns when they are not the whole request.
std::string describe(const std::vector<Transfer>& plan, const RECT& asked) {
    std::string out;
    for (const Transfer& t : plan) {
        char item[64];
        if (t.fill)
            std::snprintf(item, sizeof item, "F%ld-%ld:%06X", static_cast<long>(t.rect.top),
                          static_cast<long>(t.rect.bottom), t.colour);
        else
            std::snprintf(item, sizeof item, "I%ld-%ld", static_cast<long>(t.rect.top),
                          static_cast<long>(t.rect.bottom));
        if (!out.empty()) out += ' ';
        out += item;
        if (t.rect.left != std::max<LONG>(asked.left, 0) ||
            t.rect.right != std::min<LONG>(asked.right, 40)) {
            std::snprintf(item, sizeof item, "[%ld,%ld)", static_cast<long>(t.rect.left),
                          static_cast<long>(t.rect.right));
            out += item;
        }
    }
    return out;
}

struct Row {
    const char* name;
    void (*paint)(Surface&);
    RECT asked;
    const char* expected;
};

void nothing(Surface&) {}
// A window: a 4-row bar on top, paper below, a line of text at rows 10-13.
void window(Surface& s) {
    s.fill({0, 0, 40, 4}, Bar);
    s.fill({2, 10, 12, 14}, Ink);
}
void dot(Surface& s) {
    s.fill({5, 7, 6, 8}, Ink);
}
// Two text lines with a two-row gap: the gap is too thin to be a fill of its own.
void two_lines(Surface& s) {
    s.fill({2, 2, 30, 5}, Ink);
    s.fill({2, 7, 30, 10}, Ink);
}
void stripes(Surface& s) {
    for (int y = 0; y < 30; y += 10)
        s.fill({0, y, 40, y + 5}, Bar);
}

const Row rows[] = {
    {"one colour is one fill", nothing, {0, 0, 40, 30}, "F0-30:FFFFFF"},
    {"a window: bar, paper, text, paper",
     window,
     {0, 0, 40, 30},
     "F0-4:C0C0C0 F4-10:FFFFFF I10-14 F14-30:FFFFFF"},
    {"columns outside the ink make the band solid",
     window,
     {20, 0, 40, 30},
     "F0-4:C0C0C0 F4-30:FFFFFF"},
    {"one pixel of ink is one image row", dot, {0, 0, 40, 30}, "F0-7:FFFFFF I7-8 F8-30:FFFFFF"},
    {"thin gaps join the image band", two_lines, {0, 0, 40, 12}, "I0-12"},
    {"a short rectangle of one colour is still a fill", nothing, {0, 5, 40, 7}, "F5-7:FFFFFF"},
    {"alternating colours",
     stripes,
     {0, 0, 40, 30},
     "F0-5:C0C0C0 F5-10:FFFFFF F10-15:C0C0C0 F15-20:FFFFFF F20-25:C0C0C0 F25-30:FFFFFF"},
    {"clipped to the surface", nothing, {-5, 25, 50, 40}, "F25-30:FFFFFF"},
    {"outside the surface: nothing", nothing, {40, 0, 60, 10}, ""},
    {"empty: nothing", nothing, {10, 10, 10, 20}, ""},
};

TEST(X11Transfer, BandsForEachPicture) {
    static_assert(MinFillRows == 4, "the table's gaps assume four rows");
    for (const Row& row : rows) {
        Surface s(40, 30, Paper);
        row.paint(s);
        EXPECT_EQ(describe(plan_transfers(s, row.asked), row.asked), row.expected) << row.name;
    }
}

// Whatever the picture, the bands tile the request exactly, in order, and a fill's colour is
// every pixel's colour in it.
TEST(X11Transfer, BandsCoverTheRequestOnceAndFillsAreTrue) {
    Surface s(40, 30, Paper);
    unsigned seed = 7;
    for (int i = 0; i < 60; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>(seed >> 8) % 40, y = static_cast<int>(seed >> 16) % 30;
        s.fill({x, y, x + 3, y + 1 + static_cast<int>(seed % 3)}, (seed >> 4) & 1 ? Ink : Bar);
    }
    const RECT asked{3, 2, 37, 29};
    LONG next = asked.top;
    for (const Transfer& t : plan_transfers(s, asked)) {
        EXPECT_EQ(t.rect.top, next);
        EXPECT_EQ(t.rect.left, asked.left);
        EXPECT_EQ(t.rect.right, asked.right);
        next = t.rect.bottom;
        if (!t.fill) continue;
        for (int y = t.rect.top; y < t.rect.bottom; ++y)
            for (int x = t.rect.left; x < t.rect.right; ++x)
                ASSERT_EQ(s.at(x, y), t.colour) << x << "," << y;
    }
    EXPECT_EQ(next, asked.bottom);
}

} // namespace
