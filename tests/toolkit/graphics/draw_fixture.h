// The root window open on a headless screen with graphics units of one per pixel, y upwards:
// pixel column c and row r (from the top) are the user position (c + 0.5, H - r - 0.5).
#pragma once

#include <string>
#include <vector>

#include "core/context.h"
#include "public/grdraw.h"
#include "public/grinit.h"
#include "toolkit/windows/window_fixture.h"

namespace drawtest {

class Drawing : public testtk::ToolkitWindows {
protected:
    static constexpr int W = 200, H = 120;

    // colours: what the program asks of a palette screen (WindowOpen's second argument).
    void open(int bits = 24, int colours = 16) {
        if (bits != 24) {
            // The display's colours are read once per process, at start-up.
            screen = &plat::use_headless_backend({1024, 768}, bits);
            tess::tk().settings.initialised = 0;
            WInitialise(" ");
            reread_ = true;
        }
        tess::WindowDescription d;
        d.Flags = 7;
        d.Left = d.Top = 10;
        d.Width = W;
        d.Height = H;
        d.Title = "Grafik";
        WindowOpen(d, colours);
        drain();
        IGrUnits(0.0f, 0.0f, static_cast<float>(W), static_cast<float>(H));
        InfoError(1);
    }
    void TearDown() override {
        ToolkitWindows::TearDown();
        if (reread_) tess::tk().settings.initialised = 0;
    }
    static float ux(int column) { return column + 0.5f; }
    static float uy(int row) { return H - row - 0.5f; }
    // Fills the whole window in a colour number, in copy mode.
    void background(int colour) {
        const int copy = 0;
        IGrPlotMode(copy);
        IGrColourN(colour);
        IGrFillRectangle(0.0f, 0.0f, static_cast<float>(W), static_cast<float>(H));
    }
    plat::Pixel at(int column, int row) const { return client_pixel(0, column, row); }
    // The presented row from column a to b (exclusive), as 1 where it has ink, 0 where not.
    std::string row_marks(int row, int a, int b, plat::Pixel ink) const {
        std::string s;
        for (int c = a; c < b; ++c)
            s += at(c, row) == ink ? '1' : '0';
        return s;
    }

private:
    bool reread_ = false;
};

// The full table's colour of a colour number, from the toolkit's colour scheme.
inline plat::Pixel scheme_colour(int n) {
    const int band = n / 16, j = n % 16;
    auto rgb = [](int r, int g, int b) { return static_cast<plat::Pixel>(r << 16 | g << 8 | b); };
    const int bright = 195 + 4 * j, dark = 131 + 4 * j;
    switch (band) {
    case 0:
        return rgb(255 - 4 * j, 255 - 4 * j, 255 - 4 * j);
    case 1:
        return rgb(bright, 0, 0);
    case 2:
        return rgb(dark, 0, 0);
    case 3:
        return rgb(bright, bright, 0);
    case 4:
        return rgb(dark, dark, 0);
    case 5:
        return rgb(0, bright, 0);
    case 6:
        return rgb(0, dark, 0);
    case 7:
        return rgb(0, bright, bright);
    case 8:
        return rgb(0, dark, dark);
    case 9:
        return rgb(0, 0, bright);
    case 10:
        return rgb(0, 0, dark);
    case 11:
        return rgb(bright, 0, bright);
    case 12:
        return rgb(dark, 0, dark);
    case 13:
        return rgb(60 - 4 * j, 60 - 4 * j, 60 - 4 * j);
    case 14:
        return rgb(124 - 4 * j, 124 - 4 * j, 124 - 4 * j);
    default:
        return rgb(191 - 4 * j, 191 - 4 * j, 191 - 4 * j);
    }
}

// The 16-colour table's colour of a colour number on a 16-colour device: each band of 32
// numbers centred on a multiple of 32 is one hue, bright below the multiple, dark above.
inline plat::Pixel sixteen_colour(int n) {
    constexpr int table0[8] = {0, 4, 6, 2, 3, 1, 5, 7};
    constexpr plat::Pixel sixteen[16] = {0xFFFFFF, 0x0000BF, 0x00BF00, 0x00BFBF, 0xBF0000, 0xBF00BF,
                                         0xBFBF00, 0x404040, 0xBFBFBF, 0x0000FF, 0x00FF00, 0x00FFFF,
                                         0xFF0000, 0xFF00FF, 0xFFFF00, 0x000000};
    if (n == 0) return sixteen[0];
    const int k = ((n + 16) / 32) % 8;
    return sixteen[table0[k] + ((n + 16) % 32 < 16 ? 8 : 0)];
}

} // namespace drawtest
