#include <array>
#include <gtest/gtest.h>

#include "charfile_writer.h"
#include "graphics/charset.h"
#include "grstate_fixture.h"

namespace {

using CharacterSetOnScreen = grtest::GraphicsWindow;

// With screen graphics on, the text attributes reach the driver's font; with them off the
// cells come out the same.
TEST_F(CharacterSetOnScreen, SizeSpacingAndSetReachTheDriver) {
    open(600, 400);
    auto& s = tess::graphics().state;
    auto& d = tess::graphics().driver;
    struct Step {
        const char* what;
        void (*apply)();
        std::array<float, 2> cells;
        std::array<int, 5> request; // typeface, width, height, angle, family
    };
    const Step steps[] = {
        {"hardware set", [] { IGrCharSet("H"); }, {75, 25}, {1, 8, 16, 0, 0}},
        {"twice the size", [] { IGrCharSize(2, 2); }, {37.5f, 12.5f}, {1, 16, 32, 0, 0}},
        {"proportional", [] { IGrCharSpacing("p"); }, {37.5f, 12.5f}, {1, 9, 26, 0, 1}},
        {"half the area",
         [] {
             IGrArea(0, 0, 0.5f, 1);
             IGrCharSize(2, 2);
         },
         {75, 12.5f},
         {1, 4, 26, 0, 1}},
        {"fixed, size 1",
         [] {
             IGrCharSpacing("f");
             IGrCharSize(0, 0);
         },
         {150, 25},
         {1, 4, 16, 0, 0}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.apply();
        EXPECT_NEAR(s.charCells[0], step.cells[0], 0.01);
        EXPECT_NEAR(s.charCells[1], step.cells[1], 0.01);
        EXPECT_EQ(d.fontRequest, step.request);
        EXPECT_EQ(error(), 0);
        s.screenGraphics = 0;
        s.charCells = {};
        tess::xxcharcells_();
        EXPECT_NEAR(s.charCells[0], step.cells[0], 0.01);
        EXPECT_NEAR(s.charCells[1], step.cells[1], 0.01);
        s.screenGraphics = 1;
    }
}

} // namespace

namespace {

// The first window of the process probes the standard files; a broken or missing one leaves
// no error behind, and the hardware characters are in use afterwards.
TEST_F(CharacterSetOnScreen, FirstWindowProbesTheStandardFilesWithoutAnError) {
    dir.write("swiss.chr", charfile::build(charfile::standard_font(false)));
    dir.write("roman.chr", "broken");
    dir.write("fixed.chr", charfile::build(charfile::standard_font(true)));
    tess::graphics_process() = {};
    plat::use_headless_backend({1024, 768}, 24);
    tess::tk().settings.initialised = 0;
    WInitialise(" ");
    InfoError(1);
    tess::WindowDescription d;
    d.Flags = 7;
    d.Width = 200;
    d.Height = 100;
    d.Title = "Probe";
    WindowOpen(d, 16);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(tess::graphics_process().charFileAvailable, (std::array<int, 6>{1, 0, 0, 0, 1, 0}));
    EXPECT_EQ(tess::graphics().charsets.current.kind, 0);
    tess::graphics_process() = {};
}

} // namespace
