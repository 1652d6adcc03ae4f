// The result window inside the running program: the table it shows, its redraw on every event,
// and "&Speichern" enabled exactly while it is open.
#include <gtest/gtest.h>

#include <vector>

#include "demo_fixture.h"
#include "formula.h"
#include "result_window.h"
#include "support/presented.h"

namespace {

using demotest::Demo;
using formaldrix::general;

// Runs of rows of the window's client area that hold ink: anything but the colour of its
// bottom-right corner, which no line reaches.
struct Band {
    int top, bottom; // client pixels, bottom exclusive
};

std::vector<Band> text_bands(int number) {
    const HWND root = tess::window(0).frame;
    const HWND client = tess::window(number).client;
    const plat::Surface shown = testsupport::presented_surface(root);
    RECT c, f;
    GetWindowRect(client, &c);
    GetWindowRect(root, &f);
    const int left = c.left - f.left, top = c.top - f.top;
    const int width = c.right - c.left, height = c.bottom - c.top;
    const plat::Pixel paper = shown.at(left + width - 2, top + height - 2);
    std::vector<Band> bands;
    bool inBand = false;
    for (int y = 0; y < height; ++y) {
        bool ink = false;
        for (int x = 0; x < width && !ink; ++x)
            ink = shown.at(left + x, top + y) != paper;
        if (ink && !inBand) bands.push_back({y, y + 1});
        if (ink) bands.back().bottom = y + 1;
        inBand = ink;
    }
    return bands;
}

int client_height(int number) {
    RECT r;
    GetClientRect(tess::window(number).client, &r);
    return r.bottom;
}

UINT save_state() {
    return GetMenuState(GetMenu(tess::window(0).frame), 40011, MF_BYCOMMAND) & MF_GRAYED;
}

void show_default_results() {
    formaldrix::evaluate({1.0, 2.0, 1.0, 2, 4, -12.0, 12.0}, general.xs, general.ys);
    formaldrix::zeigergebnis(0);
}

TEST_F(Demo, ResultWindowShowsTwelveLinesAndEnablesSave) {
    UINT before = 0, after = 0;
    int number = -1;
    std::vector<Band> bands;
    at_start([&] {
        before = save_state();
        show_default_results();
        number = general.resultWindow;
        after = save_state();
    });
    then([&] { bands = text_bands(number); });
    run();
    EXPECT_EQ(before, static_cast<UINT>(MF_GRAYED));
    EXPECT_GT(number, 0);
    EXPECT_EQ(after, 0u);
    ASSERT_EQ(bands.size(), 12u);
    // Lines 3 to 12 are digits on one baseline each, one line spacing apart.
    const int spacing = bands[3].bottom - bands[2].bottom;
    EXPECT_GT(spacing, 0);
    for (std::size_t i = 3; i < bands.size(); ++i)
        EXPECT_NEAR(bands[i].bottom - bands[i - 1].bottom, spacing, 1) << i;
}

// A resize redraws all twelve lines at the same places in window units: the pixel rows scale
// with the client height.
TEST_F(Demo, ResultWindowKeepsItsLinesOverAResize) {
    int number = -1, heightBefore = 0, heightAfter = 0;
    std::vector<Band> before, after;
    at_start([&] {
        show_default_results();
        number = general.resultWindow;
    });
    then([&] {
        before = text_bands(number);
        heightBefore = client_height(number);
        RECT r;
        GetWindowRect(tess::window(number).frame, &r);
        SetWindowPos(tess::window(number).frame, nullptr, 0, 0, r.right - r.left,
                     (r.bottom - r.top) * 3 / 2, SWP_NOMOVE | SWP_NOZORDER);
    });
    then([] {}); // the resize and the redraw come as separate events
    then([&] {
        after = text_bands(number);
        heightAfter = client_height(number);
    });
    run();
    ASSERT_EQ(before.size(), 12u);
    ASSERT_EQ(after.size(), 12u);
    ASSERT_GT(heightAfter, heightBefore);
    const double scale = static_cast<double>(heightAfter) / heightBefore;
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_NEAR(after[i].bottom, before[i].bottom * scale, 3.0) << "line " << i + 1;
}

// A close request closes it and greys "&Speichern"; the next results open it again.
TEST_F(Demo, ClosingTheResultWindowGreysSaveAndNewResultsReopenIt) {
    int first = -1, second = -1;
    UINT greyed = 0, enabled = MF_GRAYED;
    bool closedWindowGone = false;
    at_start([&] {
        show_default_results();
        first = general.resultWindow;
        PostMessageA(tess::window(first).frame, WM_CLOSE, 0, 0);
    });
    then([&] {
        greyed = save_state();
        closedWindowGone = general.resultWindow == -1;
        show_default_results();
        second = general.resultWindow;
        enabled = save_state();
    });
    then([&] { EXPECT_EQ(text_bands(second).size(), 12u); });
    run();
    EXPECT_GT(first, 0);
    EXPECT_TRUE(closedWindowGone);
    EXPECT_EQ(greyed, static_cast<UINT>(MF_GRAYED));
    EXPECT_GT(second, 0);
    EXPECT_EQ(enabled, 0u);
}

} // namespace
