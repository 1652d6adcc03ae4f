// The graphics example's picture on headless screens of 24 and 8 bits: what the user sees,
// read from the presented image, and saved as PNG (in TESS_PNG_DIR when set) to be looked at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "core/wwindow.h"
#include "graphics/driver_draw.h"
#include "graphics/graphics_picture.h"
#include "public/tessaramond.h"
#include "support/presented.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace {

using namespace graphics_example;

class GraphicsPicture : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        // The stroke set the build made, where the example looks for it.
        std::filesystem::copy_file(GRAPHICS_CHARFILE, dir.file(StrokeSet));
        screen = &plat::use_headless_backend({1024, 768}, GetParam());
        // The display's colours are read once per process, at start-up.
        tess::tk().settings.initialised = 0;
        WInitialise(" ");
        open_root_window();
        picture = open_picture_window();
        ASSERT_GT(picture, 0);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        GdiFlush();
    }
    void TearDown() override {
        WindowClose();
        plat::reset_queue();
        plat::reset_input();
        tess::tk().settings.initialised = 0;
    }
    // The presented pixel of the picture at a position in its user units.
    plat::Pixel at(float x, float y) const {
        WindowSelect(picture);
        const POINT p = tess::xxpixel_(tess::xxu2p_(x, y));
        return pixel(p.x, p.y);
    }
    plat::Pixel pixel(int x, int y) const {
        POINT s{x, y};
        ClientToScreen(tess::window(picture).client, &s);
        RECT w;
        GetWindowRect(root(), &w);
        return testsupport::presented_pixel(root(), s.x - w.left, s.y - w.top);
    }
    HWND root() const { return tess::window(0).frame; }

    testsupport::TempDir dir{true};
    plat::HeadlessBackend* screen = nullptr;
    int picture = -1;
};

plat::Pixel rgb(int r, int g, int b) {
    return static_cast<plat::Pixel>(r << 16 | g << 8 | b);
}

TEST_P(GraphicsPicture, ShowsEveryPart) {
    const char* folder = std::getenv("TESS_PNG_DIR");
    const std::string path =
        (folder ? std::string(folder) : std::filesystem::temp_directory_path().string()) +
        "/graphics_example_" + std::to_string(GetParam()) + ".png";
    std::string error;
    GdiFlush();
    EXPECT_TRUE(screen->save_window_png(root(), path, &error)) << error;

    // A palette screen shows the 16 colours the example asks for: its colours are checked on
    // the true-colour screen only.
    if (GetParam() == 8) return;
    // The swatches: colour numbers 0, 16, 31, 32, 144, 223 in their scheme colours.
    const struct {
        int n;
        plat::Pixel colour;
    } swatches[] = {{0, rgb(255, 255, 255)}, {16, rgb(195, 0, 0)},  {31, rgb(255, 0, 0)},
                    {32, rgb(131, 0, 0)},    {144, rgb(0, 0, 195)}, {223, rgb(0, 0, 0)},
                    {63, rgb(255, 255, 0)},  {100, rgb(0, 147, 0)}};
    for (const auto& s : swatches) {
        const float x = SwatchLeft + (s.n % 16) * SwatchSize + SwatchSize * 0.4f,
                    y = SwatchBottom + (s.n / 16) * SwatchSize + SwatchSize * 0.4f;
        EXPECT_EQ(at(x, y), s.colour) << "swatch " << s.n;
    }
    // The plot modes over yellow (left) and white (right), blue ink 0, 0, 195.
    const struct {
        int mode;
        plat::Pixel overYellow, overWhite;
    } modes[] = {{0, rgb(0, 0, 195), rgb(0, 0, 195)},
                 {1, rgb(255, 255, 195), rgb(255, 255, 255)},
                 {2, rgb(0, 0, 0), rgb(0, 0, 195)},
                 {3, rgb(255, 255, 195), rgb(255, 255, 60)}};
    for (const auto& m : modes) {
        const float y = ModeTop - m.mode * ModeStep - ModeBandHeight * 0.75f; // the strip
        EXPECT_EQ(at(ModeLeft + 2, y), m.overYellow) << "mode " << m.mode;
        EXPECT_EQ(at(ModeRight - 2, y), m.overWhite) << "mode " << m.mode;
    }
    // Every line type drew black ink along its line, the solid one without gaps.
    for (int t = 0; t < LineTypes; ++t) {
        int ink = 0, all = 0;
        for (float x = LineTypeLeft; x < LineTypeRight; x += 0.2f, ++all)
            ink += at(x, LineTypeTop - t * LineTypeStep) == 0;
        if (t == 0)
            EXPECT_EQ(ink, all);
        else
            EXPECT_TRUE(ink > all / 3 && ink < all) << "line type " << t << ": " << ink;
    }
    // Hardware text in black and stroke text in dark blue, each across the middle.
    int hardware = 0, strokes = 0;
    for (float x = 30; x < 70; x += 0.25f)
        for (float d = -2; d <= 2; d += 0.25f) {
            hardware += at(x, HardwareTextY + d) == 0;
            strokes += at(x, StrokeTextY + d) == rgb(0, 0, 131);
        }
    EXPECT_GT(hardware, 10);
    EXPECT_GT(strokes, 10);
    // The star's points are red, its middle is not.
    EXPECT_EQ(at(PolygonCentreX, PolygonCentreY + 14), rgb(195, 0, 0));
    EXPECT_NE(at(PolygonCentreX, PolygonCentreY), rgb(195, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Screens, GraphicsPicture, ::testing::Values(24, 8));

} // namespace
