// Event positions in graphics units, and the graphics state following a resized window.
#include <array>
#include <vector>

#include "core/wmessage.h"
#include "grstate_fixture.h"

namespace {

using grtest::GraphicsWindow;
using Quad = std::array<float, 4>;

class GraphicsEvents : public GraphicsWindow {
protected:
    // The next event, post-processed as WMessage does; type -1 when none.
    int next_event(tess::EventRecord& m) {
        int type = 0, keep = 1;
        yydispatchpeekmessage_(type, m.Value1, m.Value2, m.Value3, m.Value4, m.X, m.Y, m.Win,
                               m.Time, keep);
        if (type > 0) yyevent_(type, m);
        return type;
    }
    // The first event of a type, reading past others.
    bool event_of(int type, tess::EventRecord& m) {
        for (int guard = 0; guard < 100; ++guard) {
            m = tess::EventRecord{};
            const int t = next_event(m);
            if (t == type) return true;
            if (t < 0) return false;
        }
        return false;
    }
    void click(int x, int y) {
        POINT p{x, y};
        ClientToScreen(tess::window(0).client, &p);
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
    }
};

struct PositionCase {
    Quad area, units;
    POINT pixel; // client pixel, y down
    float gx, gy;
};

TEST_F(GraphicsEvents, MousePositionsArriveInGraphicsUnits) {
    open(200, 100);
    const std::vector<PositionCase> cases{
        // Pixel centres, y counted upwards from the bottom row, over the window's extent.
        {{0, 0, 1, 1}, {0, 0, 1, 1}, {19, 9}, 19.5f / 199.99f, 90.5f / 99.99f},
        {{0, 0, 1, 1}, {0, 0, 100, 50}, {19, 9}, 9.750487f, 45.25452f},
        {{0, 0, 1, 1}, {0, 0, 100, 50}, {0, 99}, 0.5f / 1.9999f, 0.5f / 1.9998f},
        {{0.5f, 0.5f, 1, 1}, {-1, -1, 1, 1}, {150, 10}, 0.0101505f, 0.5803580f},
        {{0.5f, 0.5f, 1, 1}, {-1, -1, 1, 1}, {10, 90}, -2.7899895f, -2.6199620f},
    };
    for (const PositionCase& c : cases) {
        IGrArea(c.area[0], c.area[1], c.area[2], c.area[3]);
        IGrUnits(c.units[0], c.units[1], c.units[2], c.units[3]);
        click(c.pixel.x, c.pixel.y);
        tess::EventRecord m;
        ASSERT_TRUE(event_of(tess::EventButtonDown, m));
        EXPECT_NEAR(m.GX, c.gx, 1e-4f) << c.pixel.x << ',' << c.pixel.y;
        EXPECT_NEAR(m.GY, c.gy, 1e-4f) << c.pixel.x << ',' << c.pixel.y;
        // Window units are still what X and Y carry.
        EXPECT_EQ(m.X, c.pixel.x * 9999 / 199);
        plat::inject_mouse({0, 0}, 0, false);
        while (next_event(m) > 0) {
        }
    }
}

TEST_F(GraphicsEvents, RedrawsCarryTheirRectangleInGraphicsUnits) {
    open(200, 100);
    IGrUnits(0, 0, 100, 50);
    while (true) {
        tess::EventRecord m;
        if (next_event(m) < 0) break;
    }
    const RECT dirty{20, 10, 60, 30};
    InvalidateRect(tess::window(0).client, &dirty, FALSE);
    tess::EventRecord m;
    ASSERT_TRUE(event_of(tess::EventRedraw, m));
    EXPECT_NEAR(m.GX, 20.5f / 1.9999f, 1e-4f);
    EXPECT_NEAR(m.GY, 89.5f / 1.9998f, 1e-4f);
    EXPECT_NEAR(m.GWidth, 40.5f / 1.9999f, 1e-4f);
    EXPECT_NEAR(m.GHeight, 20.5f / 1.9998f, 1e-4f);
}

TEST_F(GraphicsEvents, AResizeBringsTheAreaAndClipUpToDate) {
    open(200, 100);
    IGrArea(0, 0, 0.5f, 0.5f);
    const HWND frame = tess::window(0).frame;
    RECT outer, inner;
    GetWindowRect(frame, &outer);
    GetClientRect(tess::window(0).client, &inner);
    SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left + 100,
                 outer.bottom - outer.top + 100, SWP_NOMOVE | SWP_NOZORDER);
    tess::EventRecord m;
    ASSERT_TRUE(event_of(tess::EventResize, m));
    ASSERT_EQ(m.Value1, 300);
    ASSERT_EQ(m.Value2, 200);
    const auto& s = tess::graphics().state;
    EXPECT_EQ(s.deviceSize, (std::array<int, 2>{300, 200}));
    EXPECT_NEAR(s.areaPixels[0], 299.99f * 0.5f, 1e-3f);
    const RECT box = clip_box();
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 100);
    EXPECT_EQ(box.right, 150);
    EXPECT_EQ(box.bottom, 200);
}

} // namespace
