// "msctls_progress32": the answers of its messages, bad values, and the fill the user sees.
#include <array>

#include "dialog_parent.h"

namespace ctltest {
namespace {

constexpr RECT Place{10, 10, 210, 30}; // 200 x 20

class ProgressTest : public DialogControlsTest {
protected:
    HWND bar(DWORD style = PBS_SMOOTH) { return make(PROGRESS_CLASSA, style, Place); }
    LRESULT pos(HWND p) { return SendMessageA(p, PBM_GETPOS, 0, 0); }
};

// Each message in turn with what it answers (the previous value) and the position after it.
TEST_F(ProgressTest, MessagesAnswerThePreviousValue) {
    const HWND p = bar();
    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT answer;
        LRESULT after;
    };
    const std::array<Row, 11> rows{{
        {PBM_SETRANGE, 0, MAKELPARAM(0, 200), MAKELONG(0, 100), 0},
        {PBM_SETPOS, 50, 0, 0, 50},
        {PBM_DELTAPOS, 25, 0, 50, 75},
        {PBM_SETSTEP, 30, 0, 10, 75},
        {PBM_STEPIT, 0, 0, 75, 105},
        {PBM_DELTAPOS, static_cast<WPARAM>(-5), 0, 105, 100},
        {PBM_SETPOS, 9999, 0, 100, 200},  // beyond the range: its end
        {PBM_DELTAPOS, 500, 0, 200, 200}, // likewise
        {PBM_SETPOS, static_cast<WPARAM>(-3), 0, 200, 0},
        {PBM_SETRANGE32, static_cast<WPARAM>(-50), 50, MAKELONG(0, 200), 0},
        {PBM_SETPOS, static_cast<WPARAM>(-80), 0, 0, -50},
    }};
    for (const Row& row : rows) {
        EXPECT_EQ(SendMessageA(p, row.message, row.wParam, row.lParam), row.answer)
            << std::hex << row.message;
        EXPECT_EQ(pos(p), row.after) << std::hex << row.message;
    }
    PBRANGE range{};
    EXPECT_EQ(SendMessageA(p, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), -50);
    EXPECT_EQ(range.iLow, -50);
    EXPECT_EQ(range.iHigh, 50);
    EXPECT_EQ(SendMessageA(p, PBM_GETRANGE, FALSE, 0), 50); // a NULL PBRANGE is allowed
    EXPECT_EQ(SendMessageA(p, WM_GETDLGCODE, 0, 0), 0);
}

// PBM_STEPIT past the maximum starts over from the beginning.
TEST_F(ProgressTest, StepItStartsOverPastTheEnd) {
    const HWND p = bar();
    SendMessageA(p, PBM_SETSTEP, 30, 0);
    SendMessageA(p, PBM_SETPOS, 90, 0);
    EXPECT_EQ(SendMessageA(p, PBM_STEPIT, 0, 0), 90);
    EXPECT_LT(pos(p), 90);
    EXPECT_GE(pos(p), 0);
}

TEST_F(ProgressTest, ColoursAnswerThePreviousOne) {
    const HWND p = bar();
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(p, PBM_SETBARCOLOR, 0, RGB(255, 0, 0))),
              CLR_DEFAULT);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(p, PBM_SETBARCOLOR, 0, CLR_DEFAULT)),
              RGB(255, 0, 0));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(p, PBM_SETBKCOLOR, 0, RGB(0, 0, 255))),
              CLR_DEFAULT);
}

// A reversed range and a range of one value draw without a crash and keep the position inside.
TEST_F(ProgressTest, ReversedAndEmptyRanges) {
    const HWND p = bar(0);
    SendMessageA(p, PBM_SETRANGE32, 100, 0);
    SendMessageA(p, PBM_SETPOS, 50, 0);
    EXPECT_EQ(pos(p), 50);
    SendMessageA(p, PBM_STEPIT, 0, 0);
    pump();
    SendMessageA(p, PBM_SETRANGE32, 7, 7);
    EXPECT_EQ(pos(p), 7);
    SendMessageA(p, PBM_STEPIT, 0, 0);
    pump();
    EXPECT_EQ(pos(p), 7);
}

// The share done filled in the highlight colour (or the bar colour), the rest the face (or the
// background colour); without PBS_SMOOTH the fill is blocks with gaps of the background.
TEST_F(ProgressTest, FillPixels) {
    const HWND p = bar();
    const int y = 10;
    const auto check = [&](plat::Pixel done, plat::Pixel rest) {
        pump();
        EXPECT_EQ(pixel(p, 20, y), done);
        EXPECT_EQ(pixel(p, 95, y), done);
        EXPECT_EQ(pixel(p, 105, y), rest);
        EXPECT_EQ(pixel(p, 190, y), rest);
    };
    SendMessageA(p, PBM_SETPOS, 50, 0);
    check(colour(COLOR_HIGHLIGHT), colour(COLOR_BTNFACE));
    SendMessageA(p, PBM_SETBARCOLOR, 0, RGB(255, 0, 0));
    SendMessageA(p, PBM_SETBKCOLOR, 0, RGB(0, 0, 255));
    check(plat::pixel_from_colorref(RGB(255, 0, 0)), plat::pixel_from_colorref(RGB(0, 0, 255)));
    EXPECT_EQ(pixel(p, 0, 0), colour(COLOR_BTNSHADOW)); // the sunken frame
    EXPECT_EQ(pixel(p, 199, 19), colour(COLOR_BTNHIGHLIGHT));
}

// The same fill on every depth the screen reports.
TEST_F(ProgressTest, FillOnEveryDepth) {
    for (int bits : {1, 4, 8, 24}) {
        screen = &plat::use_headless_backend({1024, 768}, bits);
        parentWindow = nullptr;
        const HWND p = bar();
        SendMessageA(p, PBM_SETPOS, 30, 0);
        pump();
        EXPECT_EQ(pixel(p, 50, 10), colour(COLOR_HIGHLIGHT)) << bits;
        EXPECT_EQ(pixel(p, 70, 10), colour(COLOR_BTNFACE)) << bits;
        DestroyWindow(parentWindow);
    }
}

TEST_F(ProgressTest, BlocksWithoutSmooth) {
    const HWND blocks = make(PROGRESS_CLASSA, 0, RECT{10, 40, 210, 60}, 31);
    SendMessageA(blocks, PBM_SETPOS, 100, 0);
    pump();
    int filled = 0, gaps = 0;
    for (int x = 2; x < 198; ++x) {
        const plat::Pixel px = pixel(blocks, x, 10);
        filled += px == colour(COLOR_HIGHLIGHT);
        gaps += px == colour(COLOR_BTNFACE);
    }
    EXPECT_GT(filled, 150);
    EXPECT_GT(gaps, 10);
}

} // namespace
} // namespace ctltest
