// Bad arguments to the text routines: none of them records an error, and out-of-range values
// change nothing. Already covered in wwtext_test.cpp: colours 17 and -1, typeface 7 with the
// other settings recorded, output before WindowOpen.
#include "public/wwtext.h"

#include <climits>
#include <string>

#include "core/textout.h"
#include "support/state_snapshot.h"
#include "toolkit/windows/window_fixture.h"

using testsupport::BadCall;
using testsupport::StateSnapshot;

namespace {

class BadTextInput : public testtk::ToolkitWindows {
protected:
    void SetUp() override {
        ToolkitWindows::SetUp();
        open_root(600, 400);
        FontDescription f;
        f.Typeface = 4;
        f.CharWidth = 150;
        f.CharHeight = 400;
        f.Bold = 1;
        f.Underline = 1;
        f.Foreground = 5;
        f.Background = 10;
        WindowFont(f);
        WindowOutString(1000, 2000, "Formel");
        drain();
    }
    // The description the text state stands at, so that one bad field is all that differs.
    static FontDescription current() {
        FontDescription f;
        f.Typeface = WInfoFont(8);
        f.CharWidth = tess::tk().tessar03.charWidth;
        f.CharHeight = tess::tk().tessar03.charHeight;
        f.Bold = WInfoFont(3);
        f.Italic = WInfoFont(4);
        f.Underline = WInfoFont(5);
        f.Foreground = WInfoFont(6);
        f.Background = WInfoFont(7);
        return f;
    }
};

TEST_F(BadTextInput, QueriesAndRefusedSettingsChangeNothing) {
    const auto font = [](int FontDescription::*field, int value) {
        return [field, value] {
            FontDescription f = current();
            f.*field = value;
            // The typeface is refused too, so that no font is made afresh.
            if (field != &FontDescription::Typeface) f.Typeface = 7;
            WindowFont(f);
        };
    };
    const auto info = [](int item) { return [item] { EXPECT_EQ(WInfoFont(item), 0); }; };
    const BadCall rows[] = {
        {"WInfoFont 0", info(0), 0},
        {"WInfoFont 11", info(11), 0},
        {"WInfoFont -1", info(-1), 0},
        {"WInfoFont INT_MIN", info(INT_MIN), 0},
        {"typeface -1", font(&FontDescription::Typeface, -1), 0},
        {"typeface 7", font(&FontDescription::Typeface, 7), 0},
        {"typeface INT_MAX", font(&FontDescription::Typeface, INT_MAX), 0},
        {"foreground INT_MIN", font(&FontDescription::Foreground, INT_MIN), 0},
        {"foreground 18", font(&FontDescription::Foreground, 18), 0},
        {"background INT_MAX", font(&FontDescription::Background, INT_MAX), 0},
        {"background -16", font(&FontDescription::Background, -16), 0},
        {"colours of the core's table only", [] { yyfntcol_(17, -1); }, 0},
        {"typeface alone out of range", [] { yyfntsty_(-7); }, 0},
        {"underline INT_MIN counts as on",
         [] {
             yyfntund_(INT_MIN);
             yyfntund_(1);
         },
         0},
    };
    testsupport::expect_only_errors(rows);
}

// Sizes that are zero, negative or far too large make some font and draw no further than
// the window; the toolkit records no error for them.
TEST_F(BadTextInput, FontSizesOutOfRangeAreHarmless) {
    const struct {
        const char* what;
        int width, height; // window units
    } rows[] = {
        {"zero: the font's own size", 0, 0},
        {"negative", -150, -400},
        {"most negative", INT_MIN, INT_MIN},
        {"huge", INT_MAX, INT_MAX},
        {"one pixel", 1, 1},
        {"wide and flat", 9999, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        for (int typeface : {0, 2, 4, 6}) {
            FontDescription f = current();
            f.Typeface = typeface;
            f.CharWidth = r.width;
            f.CharHeight = r.height;
            WindowFont(f);
            EXPECT_EQ(WInfoFont(8), typeface);
            yyfntsiz_(r.height, r.width);
            WindowClear();
            WindowOutString(0, 5000, "Wg");
            EXPECT_GE(WInfoFont(1), 0);
            drain();
        }
        EXPECT_EQ(InfoError(1), 0);
    }
}

// Strings far outside the window, empty strings and strings longer than any buffer draw
// nothing outside the window and move the cursor only.
TEST_F(BadTextInput, StringsOutsideTheWindowDrawNothing) {
    const std::string overlong(100000, 'W');
    const std::string blanks(300, ' ');
    const struct {
        const char* what;
        int x, y;
        std::string_view text;
    } rows[] = {
        {"far left", INT_MIN, 5000, "Sin+Cos"},
        {"far right", INT_MAX, 5000, "Sin+Cos"},
        {"far above", 5000, INT_MIN, "Sin+Cos"},
        {"far below", 5000, INT_MAX, "Sin+Cos"},
        {"just right of the window", 10000, 5000, "Sin+Cos"},
        {"empty text", 5000, 5000, ""},
        {"long text beyond the right edge", 10000, 5000, overlong},
        {"blanks beyond the bottom", 0, 20000, blanks},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const int cursorX = WInfoFont(1), cursorY = WInfoFont(2);
        const testsupport::StateSnapshot before = StateSnapshot::take();
        const plat::Surface shown = testsupport::presented_surface(frame(0));
        WindowOutString(r.x, r.y, r.text);
        drain();
        EXPECT_TRUE(testsupport::presented_surface(frame(0)).pixels == shown.pixels);
        EXPECT_EQ(InfoError(1), 0);
        // Everything but the cursor stays.
        tess::tk().tessar03.cursorX = cursorX;
        tess::tk().tessar03.cursorY = cursorY;
        EXPECT_EQ(differences(before, StateSnapshot::take()), "");
    }
}

// A long text written inside the window is drawn to the window's edge and no further.
TEST_F(BadTextInput, OverlongTextsAreCutAtTheWindowEdge) {
    WindowOutString(0, 5000, std::string(70000, 'M'));
    EXPECT_GT(WInfoFont(1), 9999); // the cursor far beyond the window, not wrapped round
    EXPECT_EQ(InfoError(1), 0);
}

// Without a window the text routines do nothing.
TEST_F(BadTextInput, WithoutAWindowNothingHappens) {
    WindowClose();
    const BadCall rows[] = {
        {"clear", [] { WindowClear(); }, 0},
        {"query", [] { EXPECT_EQ(WInfoFont(77), 0); }, 0},
    };
    testsupport::expect_only_errors(rows);
}

} // namespace
