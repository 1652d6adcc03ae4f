// The graphics routines called from Fortran (fb_graphics in binding_calls.f90) and from C++ give
// the same graphics state, the same error and the same presented image. Each row is a short
// sequence of calls run from a fresh state once through each language.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "graphics/graphics_state.h"
#include "toolkit/graphics/draw_fixture.h"

extern "C" void fb_graphics(int routine, const int* ints, const float* reals, const char* text,
                            int n);

namespace {

// The routine numbers of fb_graphics.
enum Routine : int {
    Init = 1,
    Area,
    Units,
    ColourN,
    CharSet,
    CharJustify,
    CharSpacing,
    CharSize,
    PlotMode,
    LineType,
    MoveTo,
    LineTo,
    Point,
    FillRectangle,
    FillPolygon,
    CharOut
};

constexpr std::size_t PolygonY = 8; // where a polygon's y values start in reals

struct Call {
    Routine routine;
    std::array<int, 4> ints{};
    std::array<float, 16> reals{};
    std::string text;
};

Call whole(Routine r, int a, int b = 0, int c = 0) {
    return {r, {a, b, c, 0}, {}, {}};
}
Call real(Routine r, float a, float b, float c = 0, float d = 0) {
    return {r, {}, {a, b, c, d}, {}};
}
Call text(Routine r, std::string t, float x = 0, float y = 0) {
    return {r, {}, {x, y}, std::move(t)};
}
Call init(std::string device) {
    return {Init, {1, 2, 3, 0}, {}, std::move(device)};
}
Call polygon(int n, std::vector<std::array<float, 2>> points) {
    Call c{FillPolygon, {n, 0, 0, 0}, {}, {}};
    for (std::size_t i = 0; i < points.size() && i < PolygonY; ++i) {
        c.reals[i] = points[i][0];
        c.reals[PolygonY + i] = points[i][1];
    }
    return c;
}

void call_cpp(const Call& c) {
    const auto& i = c.ints;
    const auto& r = c.reals;
    const tess::TextRef t(c.text);
    switch (c.routine) {
    case Init:
        return IGrInit(t, i[0], i[1], i[2]);
    case Area:
        return IGrArea(r[0], r[1], r[2], r[3]);
    case Units:
        return IGrUnits(r[0], r[1], r[2], r[3]);
    case ColourN:
        return IGrColourN(i[0]);
    case CharSet:
        return IGrCharSet(t);
    case CharJustify:
        return IGrCharJustify(t);
    case CharSpacing:
        return IGrCharSpacing(t);
    case CharSize:
        return IGrCharSize(r[0], r[1]);
    case PlotMode:
        return IGrPlotMode(i[0]);
    case LineType:
        return IGrLineType(i[0]);
    case MoveTo:
        return IGrMoveTo(r[0], r[1]);
    case LineTo:
        return IGrLineTo(r[0], r[1]);
    case Point:
        return IGrPoint(r[0], r[1]);
    case FillRectangle:
        return IGrFillRectangle(r[0], r[1], r[2], r[3]);
    case FillPolygon:
        return IGrFillPolygon(i[0], std::span(r).first(PolygonY), std::span(r).last(PolygonY));
    case CharOut:
        return IGrCharOut(r[0], r[1], t);
    }
}

// What the calls leave behind: the graphics state the routines set, the error, and the image.
struct Outcome {
    std::vector<float> state;
    std::string charset;
    int error = 0;
    std::vector<plat::Pixel> image;
    bool operator==(const Outcome&) const = default;
};

class FortranGraphics : public drawtest::Drawing {
protected:
    // The state every row starts from: the screen device, one unit per pixel, a white window.
    void fresh() {
        IGrInit(" ", 0, 0, 0);
        IGrUnits(0.0f, 0.0f, static_cast<float>(W), static_cast<float>(H));
        background(0);
        InfoError(1);
    }
    Outcome outcome() {
        const tess::GraphicsAttributes& s = tess::graphics().state;
        Outcome o;
        o.state = {s.area[0],
                   s.area[1],
                   s.area[2],
                   s.area[3],
                   s.units[0],
                   s.units[1],
                   s.units[2],
                   s.units[3],
                   static_cast<float>(s.screenGraphics),
                   static_cast<float>(s.colour),
                   static_cast<float>(s.plotMode),
                   static_cast<float>(s.lineType),
                   s.position[0],
                   s.position[1],
                   static_cast<float>(s.justify),
                   static_cast<float>(s.spacing),
                   s.charFactor[0],
                   s.charFactor[1],
                   static_cast<float>(tess::graphics().charsets.current.kind)};
        const auto& name = tess::graphics().charsets.nameStore;
        o.charset.assign(name.data(), name.size());
        o.error = InfoError(1);
        const plat::Surface shown = testsupport::presented_surface(frame(0));
        o.image.assign(shown.pixels.begin(), shown.pixels.end());
        return o;
    }
};

std::size_t differing_pixels(const Outcome& a, const Outcome& b) {
    if (a.image.size() != b.image.size()) return std::max(a.image.size(), b.image.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.image.size(); ++i)
        n += a.image[i] != b.image[i];
    return n;
}

TEST_F(FortranGraphics, EachRoutineLeavesWhatTheCppCallLeaves) {
    open();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        std::vector<Call> calls;
        bool changes; // anything differs from the fresh state
    } rows[] = {
        {"area and units", {real(Area, 0.1f, 0.2f, 0.9f, 0.8f), real(Units, -5, -5, 5, 5)}, true},
        {"area repaired", {real(Area, 0.5f, 0.5f, 0.2f, 1.5f)}, true},
        {"units reversed", {real(Units, 10, 0, 0, 10)}, true},
        {"colour number", {whole(ColourN, 200)}, true},
        {"colour number out of range", {whole(ColourN, 300)}, true},
        {"justify, spacing, size",
         {text(CharJustify, "L"), text(CharSpacing, "P"), real(CharSize, 2.0f, 0.5f)},
         true},
        {"right, hardware, repaired size",
         {text(CharJustify, "r"), text(CharSpacing, "h"), real(CharSize, 0, 2.5f)},
         true},
        {"hardware characters", {text(CharSet, "H")}, false},
        {"missing character file", {text(CharSet, "fehlt.chr")}, true},
        {"plot mode and line type", {whole(PlotMode, 3), whole(LineType, 4)}, true},
        {"plot mode and line type ignored", {whole(PlotMode, 7), whole(LineType, -1)}, false},
        {"dotted line",
         {whole(ColourN, 176), whole(LineType, 1), real(MoveTo, 10.5f, 20.5f),
          real(LineTo, 150.5f, 90.5f)},
         true},
        {"points",
         {whole(ColourN, 32), real(Point, 5.5f, 5.5f), real(Point, 190.5f, 100.5f)},
         true},
        {"rectangle", {whole(ColourN, 100), real(FillRectangle, 20, 20, 80, 60)}, true},
        {"polygon over a rectangle, exclusive or",
         {whole(ColourN, 100), real(FillRectangle, 20, 20, 120, 90), whole(PlotMode, 3),
          whole(ColourN, 150), polygon(5, {{10, 10}, {150, 30}, {170, 100}, {60, 110}, {30, 60}})},
         true},
        {"polygon of three of eight points",
         {whole(ColourN, 200), polygon(3, {{10, 10}, {100, 10}, {55, 100}, {190, 110}, {190, 10}})},
         true},
        {"polygon with a negative count", {polygon(-1, {{10, 10}, {100, 10}, {55, 100}})}, true},
        {"text",
         {whole(ColourN, 223), text(CharJustify, "L"), text(CharOut, "Fortran 77", 10, 60)},
         true},
        {"text centred, large", {real(CharSize, 2, 2), text(CharOut, "Mitte", 100, 40)}, true},
        {"blank text", {text(CharOut, "   ", 10, 60)}, true},
        {"position not a number", {real(MoveTo, nan, 5)}, true},
        {"graphics off the screen",
         {init("h"), whole(ColourN, 50), real(FillRectangle, 0, 0, 50, 50)},
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fresh();
        const Outcome before = outcome();
        for (const Call& c : row.calls)
            fb_graphics(c.routine, c.ints.data(), c.reals.data(), c.text.data(),
                        static_cast<int>(c.text.size()));
        const Outcome fortran = outcome();

        fresh();
        for (const Call& c : row.calls)
            call_cpp(c);
        const Outcome cpp = outcome();

        EXPECT_EQ(fortran.state, cpp.state);
        EXPECT_EQ(fortran.charset, cpp.charset);
        EXPECT_EQ(fortran.error, cpp.error);
        EXPECT_EQ(differing_pixels(fortran, cpp), 0u);
        EXPECT_EQ(fortran != before, row.changes);
    }
}

} // namespace
