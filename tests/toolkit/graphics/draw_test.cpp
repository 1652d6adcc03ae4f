// Lines, points, fills and text of the graphics routines, read from the presented image.
#include <cmath>
#include <limits>

#include "charfile_writer.h"
#include "draw_fixture.h"

using namespace drawtest;

namespace {

constexpr plat::Pixel White = 0xFFFFFF, Black = 0x000000;

// The on and off runs of a line type's dashes from its first pixel, as a string of marks.
std::string dashes(std::vector<int> runs, int length) {
    std::string s;
    if (runs.empty()) return std::string(length, '1');
    for (std::size_t i = 0; static_cast<int>(s.size()) < length; i = (i + 1) % runs.size())
        s += std::string(runs[i], i % 2 == 0 ? '1' : '0');
    return s.substr(0, length);
}

// Marks with one unmarked pixel on either side.
std::string framed(const std::string& marks) {
    std::string s(1, '0');
    s.append(marks);
    s.push_back('0');
    return s;
}

TEST_F(Drawing, EachLineTypeDrawsItsDashPattern) {
    open();
    const std::vector<int> solid{}, dot{3, 3}, dash{18, 6}, dashDot{9, 6, 3, 6},
        dashDotDot{9, 3, 3, 3, 3, 3};
    const struct {
        int type;
        const std::vector<int>& runs;
    } rows[] = {{0, solid},      {1, dot},     {2, dash}, {3, dashDot},
                {4, dashDotDot}, {5, dashDot}, {6, dash}, {7, dash} /* kept from 6 */};
    background(0);
    IGrColourN(223);
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        SCOPED_TRACE(rows[i].type);
        IGrLineType(rows[i].type);
        const int row = 10 + 10 * i;
        IGrMoveTo(ux(20), uy(row));
        IGrLineTo(ux(120), uy(row));
        // The end pixel is left out; nothing is drawn above or below.
        EXPECT_EQ(row_marks(row, 19, 121, Black), framed(dashes(rows[i].runs, 100)));
        EXPECT_EQ(row_marks(row - 1, 19, 121, Black), std::string(102, '0'));
        EXPECT_EQ(row_marks(row + 1, 19, 121, Black), std::string(102, '0'));
    }
}

// Lines, points and fills through each plot mode over a known background: magenta ink over
// bright cyan.
TEST_F(Drawing, EachPlotModeCombinesTheInkWithTheBackground) {
    open();
    constexpr plat::Pixel Cyan = 0x00FFFF, Magenta = 0xC300C3;
    const struct {
        int mode;
        plat::Pixel result;
    } rows[] = {{0, Magenta},
                {1, Cyan | Magenta},
                {2, Cyan & Magenta},
                {3, Cyan ^ Magenta},
                {4, Cyan ^ Magenta} /* ignored: stays exclusive or */,
                {-1, Cyan ^ Magenta}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        background(127);
        ASSERT_EQ(at(5, 5), Cyan);
        const int copy = 0;
        IGrPlotMode(copy);
        IGrPlotMode(3);
        IGrPlotMode(r.mode);
        IGrColourN(176);
        IGrMoveTo(ux(10), uy(10));
        IGrLineTo(ux(30), uy(10));
        IGrPoint(ux(40), uy(10));
        IGrFillRectangle(50.0f, uy(20), 60.0f, uy(10) + 0.5f);
        const int n = 3;
        const float px[] = {70.0f, 90.0f, 70.0f}, py[] = {uy(10) + 0.5f, uy(10) + 0.5f, 90.0f};
        IGrFillPolygon(n, px, py);
        for (const POINT p : {POINT{10, 10}, POINT{29, 10}, POINT{40, 10}, POINT{50, 10},
                              POINT{59, 19}, POINT{70, 10}, POINT{71, 11}}) {
            SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
            EXPECT_EQ(at(p.x, p.y), r.result);
        }
        for (const POINT p : {POINT{9, 10}, POINT{30, 10}, POINT{41, 10}, POINT{60, 10},
                              POINT{50, 9}, POINT{90, 10}})
            EXPECT_EQ(at(p.x, p.y), Cyan) << p.x << "," << p.y;
    }
}

// Every colour number fills in its colour: on a true-colour screen the full table's, on a palette
// screen the 16-colour table's entry for the number's device colour. A window asked for 256
// colours gets the default of 16, as the window takes only 16, 32, 64 or 128.
TEST_F(Drawing, FillsInEveryColourOfTheTable) {
    struct Screen {
        int bits, colours;
        plat::Pixel (*expected)(int);
    };
    const Screen screens[] = {
        {24, 16, scheme_colour},
        {8, 16, sixteen_colour},
        {8, 256, sixteen_colour},
    };
    for (const Screen& s : screens) {
        SCOPED_TRACE(std::to_string(s.bits) + " bits, " + std::to_string(s.colours) + " colours");
        open(s.bits, s.colours);
        for (int n = 0; n < 256; ++n) {
            const int column = (n % 32) * 6, row = (n / 32) * 12;
            IGrColourN(n);
            IGrFillRectangle(ux(column), uy(row + 4), ux(column + 4), uy(row));
        }
        for (int n = 0; n < 256; ++n) {
            const int column = (n % 32) * 6, row = (n / 32) * 12;
            EXPECT_EQ(at(column + 2, row + 2), s.expected(n)) << "colour " << n;
        }
        WindowClose();
    }
}

// The graphics area clips everything: fills, lines and text stop at its edges, y counted
// upwards from the bottom of the window.
TEST_F(Drawing, DrawingStaysInsideTheArea) {
    open();
    background(0);
    // The area's corners in pixels are truncated: 0.25 of 199.99 is column 49, 0.75 column
    // 149; upwards 29 and 89 of 119.99, which are rows 90 and 30 from the top.
    IGrArea(0.25f, 0.25f, 0.75f, 0.75f);
    IGrUnits(0.0f, 0.0f, 1.0f, 1.0f);
    IGrColourN(223);
    IGrFillRectangle(-1.0f, -1.0f, 2.0f, 0.5f);
    IGrMoveTo(-5.0f, 0.75f);
    IGrLineTo(5.0f, 0.75f);
    IGrCharOut(0.5f, 0.9f, "WWWWWWWWWWWWWWWWWWWW");
    auto inside = [](int c, int r) { return c >= 49 && c <= 149 && r >= 30 && r <= 90; };
    int inked = 0;
    for (int r = 0; r < H; ++r)
        for (int c = 0; c < W; ++c) {
            const plat::Pixel p = at(c, r);
            if (!inside(c, r)) {
                ASSERT_EQ(p, White) << c << "," << r;
            } else {
                inked += p != White;
            }
        }
    // The lower half filled, the line across at three quarters, some text near the top.
    EXPECT_EQ(at(49, 90), Black);
    EXPECT_EQ(at(149, 61), Black);
    EXPECT_EQ(at(100, 59), White);
    EXPECT_EQ(row_marks(45, 48, 151, Black), framed(std::string(101, '1')));
    EXPECT_GT(inked, 101 * 30);
}

TEST_F(Drawing, FarCoordinatesDrawTheVisiblePart) {
    open();
    background(0);
    IGrColourN(223);
    IGrMoveTo(ux(10), uy(50));
    IGrLineTo(1e30f, uy(50));
    EXPECT_EQ(row_marks(50, 10, W, Black), std::string(W - 10, '1'));
    const int n = 3;
    const float x[] = {-1e20f, 1e20f, ux(100)}, y[] = {uy(100), uy(100), -1e20f};
    IGrFillPolygon(n, x, y);
    EXPECT_EQ(at(100, 110), Black);
    EXPECT_EQ(at(100, 99), White);
}

// Text is drawn with the hardware font in the current colour, justified on x and centred
// vertically on y.
TEST_F(Drawing, HardwareTextIsJustifiedOnThePoint) {
    open();
    const struct {
        const char* letter;
        int inkLeft, inkRight; // ink wanted left and right of x = 100
    } rows[] = {{"L", 0, 1}, {"R", 1, 0}, {"C", 1, 1}};
    IGrCharSize(4.0f, 4.0f);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.letter);
        background(0);
        IGrColourN(16);
        IGrCharJustify(std::string_view(r.letter));
        IGrCharOut(ux(100), uy(60), "MMMM");
        int left = 0, right = 0, above = 0, below = 0;
        for (int row = 0; row < H; ++row)
            for (int c = 0; c < W; ++c) {
                const plat::Pixel p = at(c, row);
                if (p == White) continue;
                // Red ink, its edges blended with the white background.
                EXPECT_TRUE((p >> 16 & 0xFF) >= (p >> 8 & 0xFF) && (p >> 8 & 0xFF) == (p & 0xFF))
                    << std::hex << p << " at " << std::dec << c << "," << row;
                (c < 100 ? left : right)++;
                (row < 60 ? above : below)++;
            }
        EXPECT_EQ(left > 0, r.inkLeft == 1) << left;
        EXPECT_EQ(right > 0, r.inkRight == 1) << right;
        EXPECT_GT(above, 0);
        EXPECT_GT(below, 0);
    }
}

// Stroke text: a set of two glyphs built here, a dash across the cell's middle and a bar up
// its centre, drawn with the pen at the character size, justified on x and centred on y.
TEST_F(Drawing, StrokeTextIsScaledToTheCharacterCell) {
    charfile::Spec spec;
    spec.cells = {6, 8};
    spec.glyphs['-'] = {{{{0, 4}, {6, 4}}}, 6};
    spec.glyphs['I'] = {{{{3, 0}, {3, 8}}}, 6};
    dir.write("strich.chr", charfile::build(spec));
    open();
    IGrCharSet("strich.chr");
    ASSERT_EQ(InfoError(1), 0);
    // Cells of 16 by 24 pixels: 12.5 characters across 200 pixels, 5 down 120.
    IGrCharSize(6.0f, 5.0f);
    const struct {
        const char* letter;
        int left; // the dash's first column; it is 16 pixels long, its end included
    } rows[] = {{"L", 50}, {"R", 34}, {"C", 42}};
    constexpr plat::Pixel Blue = 0x0000C3;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.letter);
        background(0);
        IGrColourN(144);
        IGrCharJustify(std::string_view(r.letter));
        IGrCharOut(ux(50), uy(60), "-");
        std::string expected(W, '0');
        for (int c = r.left; c <= r.left + 16; ++c)
            expected[c] = '1';
        EXPECT_EQ(row_marks(60, 0, W, Blue), expected);
        EXPECT_EQ(row_marks(59, 0, W, Blue), std::string(W, '0'));
        EXPECT_EQ(row_marks(61, 0, W, Blue), std::string(W, '0'));
    }
    // The bar of the second character: the cell's centre column, from the baseline half a
    // cell below y to a whole cell above it.
    background(0);
    IGrColourN(144);
    IGrCharJustify("L");
    IGrCharOut(ux(50), uy(60), "-I");
    for (int row = 40; row < 80; ++row)
        EXPECT_EQ(at(74, row) == Blue, row >= 48 && row <= 72) << row;
}

// Drawing between events goes through the held context and is shown at the next wait.
TEST_F(Drawing, DrawingIsShownAtTheNextWait) {
    open();
    background(0);
    GdiFlush();
    POINT p{20, 20};
    ClientToScreen(client(0), &p);
    RECT w;
    GetWindowRect(frame(0), &w);
    IGrColourN(223);
    IGrFillRectangle(ux(10), uy(30), ux(30), uy(10));
    EXPECT_EQ(screen->presented(frame(0))->at(p.x - w.left, p.y - w.top), White);
    drain();
    EXPECT_EQ(screen->presented(frame(0))->at(p.x - w.left, p.y - w.top), Black);
}

// Bad arguments record an error number and change neither the picture nor the position.
TEST_F(Drawing, BadInputChangesNothing) {
    open();
    const float nan = std::numeric_limits<float>::quiet_NaN(),
                inf = std::numeric_limits<float>::infinity();
    const float x3[] = {10, 50, 90}, y3[] = {10, 90, 10};
    const float xnan[] = {10, nan, 90};
    const std::string longText(GrCharOutMax + 1, 'A');
    const struct {
        const char* what;
        std::function<void()> call;
        int error;
    } rows[] = {
        {"move to NaN", [&] { IGrMoveTo(nan, 5.0f); }, 16},
        {"line to infinity", [&] { IGrLineTo(5.0f, inf); }, 16},
        {"point at NaN", [&] { IGrPoint(nan, nan); }, 16},
        {"rectangle corner NaN", [&] { IGrFillRectangle(1.0f, 1.0f, nan, 50.0f); }, 16},
        {"polygon n < 0",
         [&] {
             const int n = -1;
             IGrFillPolygon(n, x3, y3);
         },
         16},
        {"polygon n beyond x",
         [&] {
             const int n = 4;
             IGrFillPolygon(n, x3, y3);
         },
         16},
        {"polygon n beyond y",
         [&] {
             const float y4[] = {1, 2, 3, 4}, x4[] = {1, 2, 3, 4};
             const int n = 4;
             IGrFillPolygon(n, x4, std::span<const float>(y4, 3));
         },
         16},
        {"polygon NaN point",
         [&] {
             const int n = 3;
             IGrFillPolygon(n, xnan, y3);
         },
         16},
        {"text at NaN", [&] { IGrCharOut(nan, 5.0f, "Text"); }, 16},
        {"blank text", [&] { IGrCharOut(50.0f, 50.0f, "    "); }, 10},
        {"empty text", [&] { IGrCharOut(50.0f, 50.0f, ""); }, 10},
        {"text too long", [&] { IGrCharOut(50.0f, 50.0f, longText); }, 4},
    };
    background(0);
    IGrColourN(223);
    IGrMoveTo(ux(60), uy(60));
    const plat::Surface before = testsupport::presented_surface(frame(0));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        InfoError(1);
        r.call();
        EXPECT_EQ(InfoError(1), r.error);
        EXPECT_EQ(tess::graphics().state.position, (std::array<float, 2>{ux(60), uy(60)}));
    }
    const plat::Surface after = testsupport::presented_surface(frame(0));
    int changed = 0;
    for (int y = 0; y < before.height; ++y)
        for (int x = 0; x < before.width; ++x)
            changed += before.at(x, y) != after.at(x, y);
    EXPECT_EQ(changed, 0);
    // n of 0 to 2 is a polygon of nothing, without an error.
    for (int n : {0, 1, 2}) {
        IGrFillPolygon(n, x3, y3);
        EXPECT_EQ(InfoError(1), 0) << n;
    }
}

} // namespace
