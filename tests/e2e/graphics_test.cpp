// The graphics example on a real X server: its picture is drawn between events, through the
// context the toolkit holds, and must be on the server without any expose or repaint; the key
// I inverts it the same way. The program notes every redraw event on standard output.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "harness.h"
#include "support/temp_dir.h"
#include "xvfb_test.h"

using namespace e2e;

namespace {

const std::string Program = GRAPHICS_PATH;
const std::string CharFile = GRAPHICS_CHARFILE;
const std::string Tool = X11_TOOL_PATH;

constexpr plat::Pixel Red = 0xC30000;              // colour 16, in the star and its swatch
constexpr plat::Pixel YellowAndBlue = 0xFFFF3C;    // blue exclusive-or white, in mode 3's band
constexpr plat::Pixel InverseRed = 0xFFFFFF ^ Red; // after the key I

class GraphicsOnXvfb : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped()) return;
        Env env = xvfb->program_env();
        // The stroke set beside the program's working folder, as a user installs it.
        dir.write("swiss.chr", read_file(CharFile));
        program = std::make_unique<Process>(
            std::vector<std::string>{"/bin/sh", "-c", "cd \"$0\" && exec \"$1\" >\"$2\"",
                                     dir.file(""), Program, log},
            env, dir.file("stderr.txt"));
        ASSERT_TRUE(wait_until([&] {
            const auto found = lines_of(
                run({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(program->pid()),
                     "--all", "--name", "^Tessaramond Grafik$"},
                    xvfb->env())
                    .out);
            window = found.empty() ? "" : found[0];
            return !window.empty();
        })) << "no window; stderr: "
            << read_file(dir.file("stderr.txt"));
        frame = window_geometry(xvfb->env(), window);
    }

    // Pixels of the frame on the server's screen that have the colour.
    int count(plat::Pixel colour) {
        const std::string path = dir.file("shot.png");
        if (run({Tool, "shot", path}, xvfb->env()).status != 0) return -1;
        const plat::Surface shot = read_png(path);
        int n = 0;
        for (int y = frame.y; y < frame.y + frame.height; ++y)
            for (int x = frame.x; x < frame.x + frame.width; ++x)
                n += shot.contains(x, y) && shot.at(x, y) == colour;
        return n;
    }

    testsupport::TempDir dir;
    std::string log = dir.file("stdout.txt");
    std::unique_ptr<Process> program;
    std::string window;
    Geometry frame;
};

TEST_F(GraphicsOnXvfb, PictureAndInversionShowWithoutARepaint) {
    int red = 0, mixed = 0;
    EXPECT_TRUE(wait_until([&] {
        red = count(Red);
        mixed = count(YellowAndBlue);
        return red > 300 && mixed > 100;
    })) << red
        << " red pixels, " << mixed << " of blue exclusive-or white";

    ASSERT_EQ(xdotool(xvfb->env(), {"windowfocus", "--sync", window}), 0);
    ASSERT_EQ(xdotool(xvfb->env(), {"key", "i"}), 0);
    int inverse = 0;
    EXPECT_TRUE(wait_until([&] { return (inverse = count(InverseRed)) == red; }))
        << inverse << " inverted red pixels of " << red;
    EXPECT_EQ(count(Red), 0);
    EXPECT_EQ(read_file(log), "") << "the picture was redrawn on request";
}

} // namespace
