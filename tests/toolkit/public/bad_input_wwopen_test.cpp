// Bad window numbers and window descriptions: the error number the window routines name, and
// nothing else changes. Already covered in tests/toolkit/windows/window_table_test.cpp: -1, 5,
// 21, 1000 to WindowSelect and 0, -3, 21, 4 to WindowCloseChild; a hidden root refusing
// inside-root children (1016); the 21st child refused.
#include "public/wwopen.h"

#include <climits>
#include <vector>

#include "support/state_snapshot.h"
#include "toolkit/windows/window_fixture.h"

using testsupport::BadCall;

namespace {

tess::WindowDescription description(int flags, int left, int top, int width, int height) {
    tess::WindowDescription d;
    d.Flags = flags;
    d.Left = left;
    d.Top = top;
    d.Width = width;
    d.Height = height;
    d.Title = "Kind";
    return d;
}

class BadWindowInput : public testtk::ToolkitWindows {};

// A root with child 1 current and child 2 closed again, so that slot 2 is free.
TEST_F(BadWindowInput, WindowNumbersOutOfRangeOrFree) {
    open_root(600, 400);
    ASSERT_EQ(open_child(17, 100, 100, 3000, 3000), 1);
    ASSERT_EQ(open_child(1, 10, 10, 200, 100), 2);
    WindowCloseChild(2);
    WindowSelect(1);
    WindowOutString(500, 500, "x"); // a cursor a reselection would reset
    drain();
    const BadCall rows[] = {
        {"select the free slot 2", [] { WindowSelect(2); }, 1003},
        {"select INT_MIN", [] { WindowSelect(INT_MIN); }, 1003},
        {"select INT_MAX", [] { WindowSelect(INT_MAX); }, 1003},
        {"select 20, never opened", [] { WindowSelect(20); }, 1003},
        {"close the free slot 2", [] { WindowCloseChild(2); }, 1003},
        {"close -1", [] { WindowCloseChild(-1); }, 1003},
        {"close 1000", [] { WindowCloseChild(1000); }, 1003},
        {"close INT_MIN", [] { WindowCloseChild(INT_MIN); }, 1003},
        {"close 20, never opened", [] { WindowCloseChild(20); }, 1003},
        {"open the root again",
         [] {
             auto d = description(7, -1, -1, -5, -5);
             WindowOpen(d, -1);
         },
         0},
    };
    testsupport::expect_only_errors(rows);
}

// With every slot in use a free-standing child is refused with -1 and no error; the current
// window and its recorded size stay.
TEST_F(BadWindowInput, ChildrenBeyondTheTwentiethChangeNothing) {
    open_root(600, 400);
    for (int n = 1; n <= 20; ++n)
        ASSERT_EQ(open_child(1, 0, 0, 50, 40), n);
    WindowSelect(7);
    const auto refused = [](tess::WindowDescription d) {
        return [d]() mutable {
            int number = 99;
            WindowOpenChild(d, number);
            EXPECT_EQ(number, -1);
        };
    };
    const BadCall rows[] = {
        {"a 21st child", refused(description(1, 0, 0, 50, 40)), 0},
        {"negative sizes", refused(description(1, -7, -7, -50, -40)), 0},
        {"huge sizes", refused(description(1, INT_MAX, INT_MAX, INT_MAX, INT_MAX)), 0},
        {"every flag bit", refused(description(-1 & ~16, INT_MIN, INT_MIN, INT_MIN, 0)), 0},
    };
    testsupport::expect_only_errors(rows);
}

// Sizes that are not positive take the defaults, negative positions centre, flag bits above
// 9 are not looked at; sizes beyond the screen must not break the window system. Each row
// opens one child and checks its client size in pixels.
TEST_F(BadWindowInput, DescriptionsOutOfRangeTakeTheDefaults) {
    open_root(600, 400); // client 600 × 400 on a 1024 × 768 screen
    const struct {
        const char* what;
        tess::WindowDescription d;
        int width, height; // expected client size, pixels
    } rows[] = {
        {"zero sizes: 80 % of the screen", description(1, 0, 0, 0, 0), 819, 614},
        {"negative sizes", description(1, -1, -1, -1, INT_MIN), 819, 614},
        {"flag bits above 9 only", description(~0x3FF, 0, 0, 200, 150), 200, 150},
        {"inside root, zero sizes: 8000 units", description(17, -5, -5, 0, 0), 480, 320},
        {"inside root, negative sizes", description(17, INT_MIN, 0, INT_MIN, -1), 480, 320},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        InfoError(1);
        auto d = r.d;
        int number = -1;
        WindowOpenChild(d, number);
        ASSERT_EQ(number, 1);
        EXPECT_EQ(InfoError(1), 0);
        RECT c{};
        GetClientRect(client(1), &c);
        EXPECT_EQ(c.right, r.width);
        EXPECT_EQ(c.bottom, r.height);
        EXPECT_EQ(tess::tk().tessar01.windowWidth, r.width);
        WindowCloseChild(1);
    }
}

// Sizes and positions far beyond the screen: no crash, no sanitizer report, no error.
// (Free-standing frames are kept to sizes the headless screen can afford.)
TEST_F(BadWindowInput, HugeDescriptionsAreHarmless) {
    open_root(600, 400);
    const std::vector<tess::WindowDescription> rows{
        description(1, INT_MAX - 5, INT_MAX - 5, 100, 100),
        description(1, INT_MIN, 0, 5000, 100),
        description(17, INT_MAX, INT_MAX, INT_MAX, INT_MAX),
        description(17, 9999, 9999, 9999, 9999),
        description(17 | 32, 0, 0, 1, 1),
    };
    for (auto d : rows) {
        int number = -1;
        WindowOpenChild(d, number);
        ASSERT_EQ(number, 1);
        WindowCloseChild(number);
        EXPECT_EQ(InfoError(1), 0);
    }
    WindowClose();
    auto root = description(7, INT_MAX - 5, INT_MAX - 5, 100, 100);
    WindowOpen(root);
    EXPECT_NE(frame(0), nullptr);
    EXPECT_EQ(InfoError(1), 0);
}

} // namespace
