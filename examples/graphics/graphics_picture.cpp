#include "graphics/graphics_picture.h"

#include <array>
#include <cmath>

#include "public/tessaramond.h"

namespace graphics_example {

namespace {

void line_types() {
    IGrColourN(223);
    const int copy = 0;
    IGrPlotMode(copy);
    for (int t = 0; t < LineTypes; ++t) {
        IGrLineType(t);
        const float y = LineTypeTop - t * LineTypeStep;
        IGrMoveTo(LineTypeLeft, y);
        IGrLineTo(LineTypeRight, y);
    }
    const int solid = 0;
    IGrLineType(solid);
}

// Each mode draws over a band whose left half is yellow and right half white, so the four
// results differ: a filled strip in the band's lower half, lines in its upper half.
void plot_modes() {
    const int copy = 0;
    for (int m = 0; m < PlotModes; ++m) {
        const float top = ModeTop - m * ModeStep, bottom = top - ModeBandHeight;
        const float middle = (ModeLeft + ModeRight) / 2;
        IGrPlotMode(copy);
        IGrColourN(ModeBackground);
        IGrFillRectangle(ModeLeft, bottom, middle, top);
        IGrPlotMode(m);
        IGrColourN(ModeInk);
        IGrFillRectangle(ModeLeft, bottom, ModeRight, bottom + ModeBandHeight / 2);
        for (float y = bottom + ModeBandHeight / 2 + 0.5f; y < top; y += 0.7f) {
            IGrMoveTo(ModeLeft, y);
            IGrLineTo(ModeRight, y);
        }
    }
    IGrPlotMode(copy);
}

void swatches() {
    for (int n = 0; n < 256; ++n) {
        const float x = SwatchLeft + (n % 16) * SwatchSize,
                    y = SwatchBottom + (n / 16) * SwatchSize;
        IGrColourN(n);
        IGrFillRectangle(x, y, x + SwatchSize * 0.8f, y + SwatchSize * 0.8f);
    }
}

void polygon() {
    // A five-pointed star: its middle is outside by the alternate rule.
    std::array<float, 5> x{}, y{};
    constexpr std::array<int, 5> order{0, 2, 4, 1, 3};
    for (int i = 0; i < 5; ++i) {
        const float a = 1.5708f + order[i] * 1.2566f;
        x[i] = PolygonCentreX + 18 * std::cos(a);
        y[i] = PolygonCentreY + 18 * std::sin(a);
    }
    IGrColourN(16);
    const int n = 5;
    IGrFillPolygon(n, x, y);
}

void texts() {
    IGrColourN(223);
    IGrCharJustify("C");
    IGrCharSet("H");
    IGrCharOut(TextX, HardwareTextY, "Hardware-Zeichen");
    IGrCharSet(StrokeSet);
    const int err = InfoError(1);
    IGrColourN(160);
    const std::string_view text = err == 0 ? "Strichzeichen" : "(keine Strichzeichen)";
    IGrCharOut(TextX, StrokeTextY, text);
    IGrCharSet("H");
}

} // namespace

void draw_picture() {
    IGrUnits(0.0f, 0.0f, 100.0f, 100.0f);
    IGrColourN(0);
    IGrFillRectangle(0.0f, 0.0f, 100.0f, 100.0f);
    line_types();
    plot_modes();
    swatches();
    polygon();
    texts();
    IGrColourN(223);
}

void invert_picture() {
    const int exclusiveOr = 3, copy = 0, white = 0;
    IGrPlotMode(exclusiveOr);
    IGrColourN(white);
    IGrFillRectangle(0.0f, 0.0f, 100.0f, 100.0f);
    IGrPlotMode(copy);
    IGrColourN(223);
}

void open_root_window() {
    tess::WindowDescription root;
    root.Flags = tess::WinFlagSystemMenu | tess::WinFlagMinimiseBox | tess::WinFlagMaximiseBox;
    root.Width = 520;
    root.Height = 400;
    root.Title = "Tessaramond Grafik";
    WindowOpen(root);
}

int open_picture_window() {
    tess::WindowDescription d;
    d.Flags = tess::WinFlagInsideRoot | tess::WinFlagSystemMenu;
    // Window units of the root's client area.
    d.Left = 200;
    d.Top = 200;
    d.Width = 9600;
    d.Height = 9600;
    d.Title = "Grafik";
    int number = -1;
    WindowOpenChild(d, number);
    if (number > 0) draw_picture();
    return number;
}

} // namespace graphics_example
