// Coordinates far outside the window convert without overflow and change nothing; without a
// window both conversions give 0. Already covered in wunits_test.cpp: windows of 0 or 1
// pixel, INT_MIN and INT_MAX in windows of 2 and 60000 pixels.
#include "public/wunits.h"

#include <climits>

#include "support/state_snapshot.h"
#include "toolkit/windows/window_fixture.h"

namespace {

class BadUnitsInput : public testtk::ToolkitWindows {};

TEST_F(BadUnitsInput, FarCoordinatesSaturateAndChangeNothing) {
    const struct {
        const char* what;
        bool open; // with the 600 × 400 root, else after WindowClose
        bool toPixels;
        int x, y, outX, outY;
    } rows[] = {
        {"-1 unit is less than a pixel", true, true, -1, -1, 0, 0},
        {"-9999 units, one window to the left", true, true, -9999, -9999, -600, -400},
        {"ten windows to the right", true, true, 99990, 99990, 6000, 4000},
        {"INT_MAX units", true, true, INT_MAX, INT_MIN, 128861906, -85907937},
        {"INT_MAX pixels saturate", true, false, INT_MAX, INT_MIN, INT_MAX, INT_MIN},
        {"-1 pixel", true, false, -1, -1, -16, -25},
        {"no window: units", false, true, 9999, INT_MAX, 0, 0},
        {"no window: pixels", false, false, 599, INT_MIN, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        if (r.open && !tess::tk().tessar01.rootOpen) open_root(600, 400);
        if (!r.open && tess::tk().tessar01.rootOpen) WindowClose();
        int outX = 7, outY = 7;
        const testsupport::BadCall call{r.what,
                                        [&] {
                                            if (r.toPixels)
                                                WindowUnitsToPixels(r.x, r.y, outX, outY);
                                            else
                                                WindowUnitsFromPixels(r.x, r.y, outX, outY);
                                        },
                                        0};
        testsupport::expect_only_errors(std::span(&call, 1));
        EXPECT_EQ(outX, r.outX);
        EXPECT_EQ(outY, r.outY);
    }
}

} // namespace
