// The colour tables and the device palette of a 256-colour screen.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "graphics/palette.h"
#include "graphics/screen_driver.h"
#include "window/message_queue.h"

namespace {

using tess::graphics;

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Colour& c) {
    return os << '(' << c.r << ", " << c.g << ", " << c.b << ')';
}

Colour full(int n) {
    Colour c{-1, -1, -1};
    tess::xxpalg_(n, c.r, c.g, c.b);
    return c;
}
Colour sixteen(int i) {
    Colour c{-1, -1, -1};
    tess::xxpalg16_(i, c.r, c.g, c.b);
    return c;
}
Colour reduced(int i) {
    Colour c{-1, -1, -1};
    tess::xxpalg32_(i, c.r, c.g, c.b);
    return c;
}
Colour grey(int v) {
    return {v, v, v};
}

class ColourTables : public ::testing::Test {
protected:
    void SetUp() override { tess::tk().reset(); }
    void TearDown() override { tess::tk().reset(); }
    void fill(int nc) {
        graphics().state.deviceColours = nc;
        tess::xxpali_();
    }
};

TEST_F(ColourTables, FullTableFollowsTheBands) {
    fill(256);
    const std::vector<std::pair<int, Colour>> cases = {
        {0, grey(255)},       {15, grey(195)},    {16, {195, 0, 0}},   {31, {255, 0, 0}},
        {32, {131, 0, 0}},    {47, {191, 0, 0}},  {48, {195, 195, 0}}, {95, {0, 255, 0}},
        {112, {0, 195, 195}}, {159, {0, 0, 255}}, {160, {0, 0, 131}},  {191, {255, 0, 255}},
        {207, {191, 0, 191}}, {208, grey(60)},    {223, grey(0)},      {224, grey(124)},
        {239, grey(64)},      {240, grey(191)},   {255, grey(131)}};
    for (const auto& [n, expected] : cases)
        EXPECT_EQ(full(n), expected) << n;
}

TEST_F(ColourTables, SixteenColourTableByDeviceIndex) {
    fill(16);
    const std::array<Colour, 16> expected = {{grey(255),
                                              {0, 0, 191},
                                              {0, 191, 0},
                                              {0, 191, 191},
                                              {191, 0, 0},
                                              {191, 0, 191},
                                              {191, 191, 0},
                                              grey(64),
                                              grey(191),
                                              {0, 0, 255},
                                              {0, 255, 0},
                                              {0, 255, 255},
                                              {255, 0, 0},
                                              {255, 0, 255},
                                              {255, 255, 0},
                                              grey(0)}};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(sixteen(i), expected[static_cast<std::size_t>(i)]) << i;
}

TEST_F(ColourTables, ReducedTablesSampleTheScheme) {
    struct Case {
        int nc;
        int first;
        std::vector<Colour> run;
    };
    const std::vector<Case> cases = {
        {32, 0, {grey(255), grey(223), {223, 0, 0}, {255, 0, 0}, {159, 0, 0}, {191, 0, 0}}},
        {32, 26, {grey(32), grey(0), grey(96), grey(64), grey(191), grey(159)}},
        {64,
         0,
         {grey(255),
          grey(239),
          grey(223),
          grey(207),
          {207, 0, 0},
          {223, 0, 0},
          {239, 0, 0},
          {255, 0, 0}}},
        {128, 8, {{199, 0, 0}, {207, 0, 0}}},
        {128, 126, {grey(143), grey(135)}}};
    for (const Case& c : cases) {
        tess::tk().reset();
        fill(c.nc);
        for (std::size_t k = 0; k < c.run.size(); ++k)
            EXPECT_EQ(reduced(c.first + static_cast<int>(k)), c.run[k]) << c.nc << " at " << k;
    }
}

TEST_F(ColourTables, SixteenAndTwoHundredFiftySixColoursLeaveTheReducedTableAlone) {
    for (int nc : {16, 256, 8, 2}) {
        tess::tk().reset();
        graphics().colours.reduced.fill({7, 8, 9});
        fill(nc);
        for (int k : {0, 31, 127})
            EXPECT_EQ(reduced(k), (Colour{7, 8, 9})) << nc << " at " << k;
    }
}

TEST_F(ColourTables, SettingAColourReachesEveryTableThatHoldsIt) {
    struct Case {
        int nc, colour, sixteenIndex, reducedIndex; // -1: that table keeps its colour
    };
    const std::vector<Case> cases = {
        {256, 16, 12, -1}, {16, 47, 4, -1}, {64, 16, 12, 4}, {32, 0, 0, 0}, {128, 223, 15, 111}};
    for (const Case& c : cases) {
        tess::tk().reset();
        fill(c.nc);
        const Colour before32 = reduced(c.colour * c.nc / 256 % 128);
        tess::xxpals_(c.colour, 10 + 256, 20, 30); // only the low byte is kept
        EXPECT_EQ(full(c.colour), (Colour{10, 20, 30})) << c.colour;
        EXPECT_EQ(sixteen(c.sixteenIndex), (Colour{10, 20, 30})) << c.colour;
        if (c.reducedIndex >= 0)
            EXPECT_EQ(reduced(c.reducedIndex), (Colour{10, 20, 30})) << c.colour;
        else
            EXPECT_EQ(reduced(c.colour * c.nc / 256 % 128), before32) << c.colour;
    }
}

TEST_F(ColourTables, IndicesOutsideATableAreRefused) {
    fill(64);
    const Colour untouched{-1, -1, -1};
    for (int n : {-1, 256, 1000})
        EXPECT_EQ(full(n), untouched) << n;
    for (int i : {-1, 16})
        EXPECT_EQ(sixteen(i), untouched) << i;
    for (int i : {-1, 128})
        EXPECT_EQ(reduced(i), untouched) << i;
    tess::xxpals_(256, 1, 2, 3);
    tess::xxpals_(-1, 1, 2, 3);
    EXPECT_EQ(full(255), grey(131));
    EXPECT_EQ(full(0), grey(255));
}

// An 8-bit headless screen with the toolkit's drawing context on a visible window.
class DevicePalette : public ::testing::Test {
protected:
    void SetUp() override {
        tess::tk().reset();
        plat::use_headless_backend({320, 240}, 8);
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr,
                                 nullptr, nullptr, nullptr);
        graphics().driver.hdc = GetDC(window);
        graphics().state.deviceColours = 256;
    }
    void TearDown() override {
        if (graphics().driver.hdc) {
            SelectPalette(graphics().driver.hdc,
                          static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
            ReleaseDC(window, graphics().driver.hdc);
        }
        if (graphics().colours.gPal256) DeleteObject(graphics().colours.gPal256);
        DestroyWindow(window);
        plat::reset_queue();
        tess::tk().reset();
        plat::use_headless_backend(); // the other tests expect the usual true-colour screen
    }
    std::vector<PALETTEENTRY> object_entries() {
        const HPALETTE pal = graphics().colours.gPal256;
        std::vector<PALETTEENTRY> v(GetPaletteEntries(pal, 0, 0, nullptr));
        GetPaletteEntries(pal, 0, static_cast<UINT>(v.size()), v.data());
        return v;
    }
    static Colour of(const PALETTEENTRY& e) { return {e.peRed, e.peGreen, e.peBlue}; }
    static Colour system(int index) {
        const COLORREF c = GetSysColor(index);
        return {GetRValue(c), GetGValue(c), GetBValue(c)};
    }
    HWND window = nullptr;
};

TEST_F(DevicePalette, HoldsTheSchemeTheStandardColoursAndTwoSystemColours) {
    // Either order of defining the palette and filling the tables gives the same colours.
    for (bool definedFirst : {true, false}) {
        if (definedFirst) {
            tess::xxmwindefinepalette(1);
            tess::xxpali_();
        } else {
            tess::xxpali_();
            tess::xxmwindefinepalette(1);
        }
        const std::vector<PALETTEENTRY> entries = object_entries();
        ASSERT_EQ(entries.size(), 274u) << definedFirst;
        ASSERT_EQ(graphics().colours.device.size(), 274u);
        const std::vector<std::pair<std::size_t, Colour>> cases = {{0, grey(255)},
                                                                   {16, {195, 0, 0}},
                                                                   {223, grey(0)},
                                                                   {255, grey(131)},
                                                                   {256, grey(0)},
                                                                   {257, {191, 0, 0}},
                                                                   {263, grey(191)},
                                                                   {264, grey(64)},
                                                                   {266, {255, 255, 0}},
                                                                   {271, grey(255)},
                                                                   {272, system(COLOR_WINDOWTEXT)},
                                                                   {273, system(COLOR_WINDOW)}};
        for (const auto& [i, expected] : cases)
            EXPECT_EQ(of(entries[i]), expected) << i;
        for (const PALETTEENTRY& e : entries)
            EXPECT_EQ(e.peFlags, 0);
        const HPALETTE pal = graphics().colours.gPal256;
        EXPECT_EQ(SelectPalette(graphics().driver.hdc, pal, FALSE), pal) << "selected";
    }
}

TEST_F(DevicePalette, IsCreatedOnceAndOnlyAfterItWasBuilt) {
    tess::xxmwindefinepalette(0);
    EXPECT_EQ(graphics().colours.gPal256, nullptr);
    tess::xxpali_();
    tess::xxmwindefinepalette(1);
    const HPALETTE first = graphics().colours.gPal256;
    ASSERT_NE(first, nullptr);
    tess::xxmwindefinepalette(1);
    tess::xxmwindefinepalette(0);
    EXPECT_EQ(graphics().colours.gPal256, first);
    // Another colour count: the same object, sized for it.
    for (const auto& [nc, size, last] : {std::tuple{16, 34u, grey(255)}, {256, 274u, grey(131)}}) {
        graphics().state.deviceColours = nc;
        tess::xxmwindefinepalette(1);
        EXPECT_EQ(graphics().colours.gPal256, first);
        const std::vector<PALETTEENTRY> entries = object_entries();
        ASSERT_EQ(entries.size(), size) << nc;
        EXPECT_EQ(of(entries[static_cast<std::size_t>(nc - 1)]), nc == 16 ? grey(0) : last);
        EXPECT_EQ(of(entries[static_cast<std::size_t>(nc + 15)]), grey(255)) << nc;
    }
}

// A dialog's graphics field takes the driver over and hands it back: the palette goes with the
// driver, so at the end it is selected nowhere and can be deleted.
TEST_F(DevicePalette, LeavesTheContextsTheDriverLeftAndIsDeletedAtTheEnd) {
    tess::xxpali_();
    tess::xxmwindefinepalette(1);
    const HPALETTE pal = graphics().colours.gPal256;
    ASSERT_NE(pal, nullptr);
    const HDC own = graphics().driver.hdc;
    const HWND field = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 50, 0, 20, 20,
                                       nullptr, nullptr, nullptr, nullptr);
    const HDC fieldDc = GetDC(field);
    tess::xxmwinselectdc(field, fieldDc);
    EXPECT_EQ(GetCurrentObject(fieldDc, OBJ_PAL), pal) << "the field draws in the palette";
    tess::xxmwinselectdc(window, own);
    EXPECT_NE(GetCurrentObject(fieldDc, OBJ_PAL), pal) << "the field let it go";
    tess::xxmwinremoveg();
    EXPECT_EQ(graphics().colours.gPal256, nullptr);
    EXPECT_FALSE(DeleteObject(pal)) << "deleted at the end";
    ReleaseDC(field, fieldDc);
    DestroyWindow(field);
}

TEST_F(DevicePalette, ChangedEntriesReachThePaletteObjectInEveryMode) {
    tess::xxpali_();
    tess::xxmwindefinepalette(1);
    for (int mode = 0; mode < 4; ++mode) {
        tess::xxmwinpalette256(256 + 2 + mode, 1, 2 + mode, 3, mode);
        EXPECT_EQ(of(object_entries()[static_cast<std::size_t>(258 + mode)]),
                  (Colour{1, 2 + mode, 3}))
            << mode;
    }
    const std::vector<PALETTEENTRY> before = object_entries();
    tess::xxmwinpalette256(274, 9, 9, 9, 0);
    tess::xxmwinpalette256(-1, 9, 9, 9, 0);
    const std::vector<PALETTEENTRY> after = object_entries();
    EXPECT_TRUE(
        std::equal(before.begin(), before.end(), after.begin(), after.end(),
                   [](const PALETTEENTRY& a, const PALETTEENTRY& b) { return of(a) == of(b); }));
}

} // namespace
