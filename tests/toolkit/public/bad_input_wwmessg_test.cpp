// Bad event records: the post-processing selects only window numbers that exist (error 1003
// otherwise, as for a dialog's graphics field) and leaves types it does not know alone.
// WMessage itself only writes its arguments: garbage in them is overwritten.
#include "public/wwmessg.h"

#include <climits>
#include <cmath>
#include <limits>

#include "support/state_snapshot.h"
#include "toolkit/windows/window_fixture.h"

using testsupport::StateSnapshot;

namespace {

class BadEventInput : public testtk::ToolkitWindows {
protected:
    void SetUp() override {
        ToolkitWindows::SetUp();
        open_root(600, 400);
        WindowOutString(1000, 1000, "x");
        drain();
    }
};

bool same(const tess::EventRecord& a, const tess::EventRecord& b) {
    return a.Win == b.Win && a.Value1 == b.Value1 && a.Value2 == b.Value2 && a.Value3 == b.Value3 &&
           a.Value4 == b.Value4 && a.X == b.X && a.Y == b.Y && a.Time == b.Time;
}

tess::EventRecord record(int win, int value3, int x, int y) {
    tess::EventRecord m;
    m.Win = win;
    m.Value1 = 7;
    m.Value2 = 9;
    m.Value3 = value3;
    m.X = x;
    m.Y = y;
    return m;
}

TEST_F(BadEventInput, PostProcessingOfEventsForNoWindow) {
    const struct {
        const char* what;
        int type;
        tess::EventRecord in;
        int error;
        int x, y; // expected position afterwards
    } rows[] = {
        {"no event", -1, record(-1, -1, -1, -1), 0, -1, -1},
        {"type 0", 0, record(1000, 0, 5, 5), 0, 5, 5},
        {"type 11, unused", 11, record(21, 0, 5, 5), 0, 5, 5},
        {"type INT_MAX", INT_MAX, record(INT_MIN, 0, 5, 5), 0, 5, 5},
        {"internal field mouse move", tess::EventFieldMouseMove, record(101, 0, 5, 5), 0, 5, 5},
        {"dialog command, dialog 101", tess::EventDialogCommand, record(101, 0, 5, 5), 0, 5, 5},
        {"timer for window 1000", tess::EventTimer, record(1000, 0, 5, 5), 0, 5, 5},
        {"graphics-field redraw of dialog 101", tess::EventRedraw, record(101, 1, -1, -1), 1003, -1,
         -1},
        {"close request of window -5", tess::EventCloseRequest, record(-5, 0, 5, 5), 1003, 5, 5},
        {"menu of the free window 3", tess::EventMenu, record(3, 0, 5, 5), 1003, 5, 5},
        // The position is converted with the current window, the root: 600 × 400 pixels.
        {"key of window 21", tess::EventKey, record(21, 0, 300, 200), 1003, 5007, 5012},
        {"mouse move of window INT_MIN, raw pixels kept", tess::EventMouseMove,
         record(INT_MIN, 1, 300, 200), 1003, 300, 200},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        InfoError(1);
        const StateSnapshot before = StateSnapshot::take();
        int type = r.type;
        tess::EventRecord m = r.in;
        yyevent_(type, m);
        EXPECT_EQ(InfoError(1), r.error);
        EXPECT_EQ(type, r.type);
        tess::EventRecord expected = r.in;
        expected.X = r.x;
        expected.Y = r.y;
        EXPECT_TRUE(same(m, expected)) << m.X << ' ' << m.Y;
        EXPECT_EQ(differences(before, StateSnapshot::take()), "");
    }
}

TEST_F(BadEventInput, WMessageOverwritesAGarbageRecord) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    tess::EventRecord m;
    m.Win = m.Value1 = m.Value2 = m.Value3 = m.Value4 = m.X = m.Y = m.Time = INT_MIN;
    m.GX = m.GY = m.GWidth = m.GHeight = nan;
    int type = INT_MAX;
    POINT p{300, 200};
    ClientToScreen(client(0), &p);
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, 0, true);
    WMessage(type, m);
    EXPECT_EQ(type, tess::EventButtonDown);
    EXPECT_EQ(m.Win, 0);
    EXPECT_EQ(m.Value1, 1);
    EXPECT_EQ(m.X, 5007);
    EXPECT_EQ(m.Y, 5012);
    EXPECT_FALSE(std::isnan(m.GX));
    EXPECT_FALSE(std::isnan(m.GY));
    EXPECT_EQ(InfoError(1), 0);
}

} // namespace
