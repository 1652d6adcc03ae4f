// The graphics state: area and unit repairs, colour numbers on every device, the screen
// set-up and what a device text with H keeps from the screen.
#include <array>
#include <string_view>
#include <vector>

#include "graphics/grstate.h"
#include "grstate_fixture.h"

namespace {

using grtest::GraphicsWindow;
using Quad = std::array<float, 4>;

class GraphicsState : public GraphicsWindow {};

struct AreaCase {
    Quad given;
    Quad kept;
    int error;
};

TEST_F(GraphicsState, BadAreaRangesAreRepairedWithError44) {
    open(200, 100);
    const std::vector<AreaCase> cases{
        {{0.5f, 0.5f, 0.5f, 1.0f}, {0.0f, 0.5f, 1.0f, 1.0f}, 44}, // empty x range
        {{0.0f, 0.0f, 1.0f, 1.0f}, {0.0f, 0.0f, 1.0f, 1.0f}, 0},
        {{0.0f, 0.0f, 1.01f, 1.0f}, {0.0f, 0.0f, 1.0f, 1.0f}, 44},
        {{0.2f, 0.1f, 0.4f, 0.9f}, {0.2f, 0.1f, 0.4f, 0.9f}, 0},
        {{0.1f, 0.9f, 0.5f, 0.2f}, {0.1f, 0.0f, 0.5f, 1.0f}, 44}, // reversed y
        {{-0.1f, 0.2f, 0.5f, 0.6f}, {0.0f, 0.2f, 1.0f, 0.6f}, 44},
        {{0.3f, 1.0f, 0.6f, 1.0f}, {0.3f, 0.0f, 0.6f, 1.0f}, 44}, // y1 may not be 1
        {{0.3f, 0.0f, 0.6f, 0.0f}, {0.3f, 0.0f, 0.6f, 1.0f}, 44}, // y2 may not be 0
    };
    for (const AreaCase& c : cases) {
        tess::error_record().error = 0;
        IGrArea(c.given[0], c.given[1], c.given[2], c.given[3]);
        const auto& s = tess::graphics().state;
        EXPECT_EQ(s.area, c.kept) << c.given[0] << ' ' << c.given[1] << ' ' << c.given[2];
        EXPECT_EQ(error(), c.error) << c.given[0] << ' ' << c.given[1];
        EXPECT_FLOAT_EQ(s.areaSize[0], c.kept[2] - c.kept[0]);
        // The area in pixels is the window's extent times the fractions.
        EXPECT_NEAR(s.areaPixels[0], 199.99f * (c.kept[2] - c.kept[0]), 1e-3f);
        EXPECT_NEAR(s.areaPixels[1], 99.99f * (c.kept[3] - c.kept[1]), 1e-3f);
    }
}

struct UnitsCase {
    Quad given;
    Quad kept;
    int error;
};

TEST_F(GraphicsState, BadUnitRangesAreRepairedXWithError16YSilently) {
    open(200, 100);
    const std::vector<UnitsCase> cases{
        {{0, 10, 100, 5}, {0, 0, 100, 1}, 0}, // y repaired without an error
        {{5, 0, 5, 1}, {0, 0, 1, 1}, 16},     {{10, 0, -10, 1}, {0, 0, 1, 1}, 16},
        {{10, 3, -10, 3}, {0, 0, 1, 1}, 16},  {{-50, -2, 50, 2}, {-50, -2, 50, 2}, 0},
    };
    for (const UnitsCase& c : cases) {
        tess::error_record().error = 0;
        IGrUnits(c.given[0], c.given[1], c.given[2], c.given[3]);
        const auto& s = tess::graphics().state;
        EXPECT_EQ(s.units, c.kept) << c.given[0] << ' ' << c.given[1];
        EXPECT_EQ(error(), c.error) << c.given[0] << ' ' << c.given[1];
        const float rx = c.kept[2] - c.kept[0], ry = c.kept[3] - c.kept[1];
        EXPECT_FLOAT_EQ(s.pixelsPerUnit[0], s.areaPixels[0] / rx);
        EXPECT_FLOAT_EQ(s.pixelsPerUnit[1], s.areaPixels[1] / ry);
    }
}

struct ColourCase {
    int deviceColours;
    int colour;
    int device;
};

TEST_F(GraphicsState, ColourNumbersMapOntoEveryDevice) {
    const std::vector<ColourCase> cases{
        {16, 16, 12}, {16, 47, 4},     {16, 0, 0},      {16, 240, 8},  {16, 223, 15},
        {16, 15, 0},  {16, 1, 0},      {16, 17, 12},    {16, 255, 8},  {16, 48, 14},
        {256, 0, 0},  {256, 137, 137}, {256, 255, 255}, {2, 0, 0},     {2, 1, 1},
        {2, 255, 1},  {8, 0, 0},       {8, 16, 4},      {8, 47, 4},    {8, 223, 7},
        {8, 240, 0},  {32, 255, 31},   {32, 100, 12},   {64, 255, 63}, {64, 3, 0},
        {64, 4, 1},   {128, 255, 127}, {128, 1, 0},     {128, 2, 1},   {48, 128, 24},
    };
    for (const ColourCase& c : cases) {
        tess::graphics().state.deviceColours = c.deviceColours;
        EXPECT_EQ(tess::xxcnum_(c.colour), c.device) << c.deviceColours << " colours, " << c.colour;
    }
    // The 16-colour table's bright variants sit 8 above the dark ones.
    const std::vector<std::array<int, 3>> table{{0, 0, 0},   {1, 0, 4},   {7, 0, 7}, {8, 0, 8},
                                                {9, 0, 12},  {15, 0, 15}, {1, 1, 5}, {12, 1, 9},
                                                {16, 0, -1}, {-1, 0, -1}, {3, 2, -1}};
    for (const auto& [index, which, device] : table)
        EXPECT_EQ(tess::xxcoln_(index, which), device) << index << ' ' << which;
}

TEST_F(GraphicsState, ScreenSetUpTakesTheDisplaysColourCount) {
    struct Depth {
        int bits, colours, expected;
    };
    for (const Depth& d :
         std::vector<Depth>{{24, 16, 256}, {8, 64, 64}, {8, 5, 16}, {4, 16, 8}, {1, 16, 2}}) {
        open(120, 80, d.bits, d.colours);
        const auto& s = tess::graphics().state;
        EXPECT_EQ(s.deviceColours, d.expected) << d.bits << " bits";
        EXPECT_EQ(s.screenGraphics, 1);
        // The start colour 223 is black wherever colours are mapped.
        EXPECT_EQ(s.colour, 223);
        EXPECT_EQ(s.previousColour, 0);
        EXPECT_EQ(s.deviceColour, tess::xxcnum_(223));
        WindowClose();
    }
}

TEST_F(GraphicsState, ABadColourNumberChangesNothingButTheError) {
    open(200, 100);
    IGrColourN(37);
    const tess::GraphicsAttributes before = tess::graphics().state;
    const HGDIOBJ penBefore = pen();
    const LOGPEN infoBefore = pen_info();
    for (int bad : {256, -1, 1000}) {
        tess::error_record().error = 0;
        IGrColourN(bad);
        EXPECT_EQ(error(), 42) << bad;
        const auto& s = tess::graphics().state;
        EXPECT_EQ(s.colour, before.colour);
        EXPECT_EQ(s.previousColour, before.previousColour);
        EXPECT_EQ(s.deviceColour, before.deviceColour);
        EXPECT_EQ(s.previousDeviceColour, before.previousDeviceColour);
        EXPECT_EQ(pen(), penBefore);
        EXPECT_EQ(pen_info().lopnColor, infoBefore.lopnColor);
    }
    // A bad area changes the error and the area only.
    tess::error_record().error = 0;
    IGrArea(0.0f, 0.0f, 2.0f, 1.0f);
    EXPECT_EQ(error(), 44);
    EXPECT_EQ(tess::graphics().state.colour, before.colour);
    EXPECT_EQ(tess::graphics().state.units, before.units);
    EXPECT_EQ(pen(), penBefore);
}

TEST_F(GraphicsState, DeviceTextWithHSendsNothingToTheDriver) {
    open(200, 100);
    IGrColourN(100);
    const HGDIOBJ penBefore = pen();
    const int ropBefore = GetROP2(dc());
    for (const char* device : {"h", "PostscriptH", " hp"}) {
        IGrInit(std::string_view(device), 0, 0, 0);
        EXPECT_EQ(tess::graphics().state.screenGraphics, 0) << device;
        IGrColourN(5);
        IGrArea(0.1f, 0.1f, 0.5f, 0.5f);
        tess::graphics().state.plotMode = 3;
        tess::xxgdrv_(27);
        EXPECT_EQ(pen(), penBefore) << device;
        EXPECT_EQ(GetROP2(dc()), ropBefore) << device;
        EXPECT_EQ(clip_box().right, 0) << "no clip region";
        // The state itself follows the calls.
        EXPECT_EQ(tess::graphics().state.colour, 5);
        EXPECT_NEAR(tess::graphics().state.areaPixels[0], 199.99f * 0.4f, 1e-3f);
    }
    // A device text without H brings the screen back; the first IGrInit of a process probes
    // the character files and leaves the error as it found it.
    tess::graphics().state.plotMode = 0;
    tess::graphics_process().probed = false;
    tess::error_record().error = 77;
    IGrInit(" ", 0, 0, 0);
    EXPECT_TRUE(tess::graphics_process().probed);
    EXPECT_EQ(error(), 77);
    EXPECT_EQ(tess::graphics().state.screenGraphics, 1);
    EXPECT_NE(pen(), penBefore);
    EXPECT_EQ(tess::graphics().state.area, (Quad{0, 0, 1, 1}));
    EXPECT_EQ(tess::graphics().state.colour, 223);
}

} // namespace
