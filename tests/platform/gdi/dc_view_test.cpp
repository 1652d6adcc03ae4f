// Window device contexts held across geometry changes, what reaches the presented image and
// when, and the handle rules for contexts and the objects selected into them.
#include <gtest/gtest.h>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "gdi/damage.h"
#include "gdi/objects.h"
#include "support/pump.h"
#include "window/message_queue.h"

namespace {

constexpr plat::Pixel Red = 0xFF0000, Blue = 0x0000FF;

LRESULT CALLBACK plain(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class DcViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = &plat::use_headless_backend({640, 480});
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = plain;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "DcViewWindow";
        RegisterClassExA(&wc);
    }
    void TearDown() override {
        for (HWND h : made)
            if (IsWindow(h)) DestroyWindow(h);
        plat::reset_queue();
        UnregisterClassA("DcViewWindow", nullptr);
    }
    HWND window(DWORD style, int x, int y, int w, int h, HWND parent = nullptr) {
        const HWND hwnd = CreateWindowExA(0, "DcViewWindow", "", style, x, y, w, h, parent, nullptr,
                                          nullptr, nullptr);
        made.push_back(hwnd);
        return hwnd;
    }
    // The presented pixel at a client point of hwnd, without flushing anything first.
    plat::Pixel shown(HWND hwnd, POINT client) {
        HWND top = hwnd;
        while (GetParent(top))
            top = GetParent(top);
        ClientToScreen(hwnd, &client);
        RECT w;
        GetWindowRect(top, &w);
        return screen->presented_pixel(top, client.x - w.left, client.y - w.top);
    }
    static void fill(HDC dc, const RECT& r, COLORREF colour) {
        const HBRUSH brush = CreateSolidBrush(colour);
        EXPECT_TRUE(FillRect(dc, &r, brush));
        DeleteObject(brush);
    }

    plat::HeadlessBackend* screen = nullptr;
    std::vector<HWND> made;
};

TEST_F(DcViewTest, AHeldDcFillsTheWholeClientAreaAfterMaximising) {
    const HWND frame = window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 150);
    testsupport::pump_messages();
    HDC dc = GetDC(frame);
    ShowWindow(frame, SW_MAXIMIZE);
    testsupport::pump_messages();
    RECT client;
    GetClientRect(frame, &client);
    ASSERT_GT(client.right, 400);
    fill(dc, client, RGB(255, 0, 0));
    testsupport::pump_messages();
    for (const POINT p : {POINT{0, 0}, POINT{client.right / 2, client.bottom / 2},
                          POINT{client.right - 1, client.bottom - 1}})
        EXPECT_EQ(shown(frame, p), Red) << p.x << "," << p.y;
    ReleaseDC(frame, dc);
}

TEST_F(DcViewTest, AChildsHeldDcDrawsWhereTheChildIsNow) {
    const HWND top = window(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 120, 100);
    const HWND child = window(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, top);
    testsupport::pump_messages();
    HDC dc = GetDC(child);
    MoveWindow(child, 60, 50, 20, 20, TRUE);
    testsupport::pump_messages();
    fill(dc, RECT{0, 0, 20, 20}, RGB(0, 0, 255));
    testsupport::pump_messages();
    EXPECT_EQ(shown(top, {60, 50}), Blue);
    EXPECT_EQ(shown(top, {79, 69}), Blue);
    EXPECT_NE(shown(top, {15, 15}), Blue); // the old place keeps the parent's background
    EXPECT_NE(shown(top, {80, 70}), Blue); // nor does the drawing spill out of the child
    ReleaseDC(child, dc);
}

TEST_F(DcViewTest, DrawingThroughAHeldDcIsShownAtTheNextWaitAndNotBefore) {
    const HWND top = window(WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
    testsupport::pump_messages();
    const plat::Pixel before = shown(top, {5, 5});
    ASSERT_NE(before, Red);
    HDC dc = GetDC(top);
    const int presents = screen->presents();
    fill(dc, RECT{0, 0, 10, 10}, RGB(255, 0, 0));
    EXPECT_EQ(shown(top, {5, 5}), before);
    // Releasing the context shows nothing by itself either: only waiting does.
    ReleaseDC(top, dc);
    EXPECT_EQ(shown(top, {5, 5}), before);
    EXPECT_EQ(screen->presents(), presents);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(shown(top, {5, 5}), Red);
    EXPECT_EQ(shown(top, {10, 10}), before);
    EXPECT_EQ(screen->presents(), presents + 1);
    // Nothing new drawn: the next wait presents nothing.
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(screen->presents(), presents + 1);
}

TEST_F(DcViewTest, GdiFlushPresentsWithoutWaiting) {
    const HWND top = window(WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
    testsupport::pump_messages();
    HDC dc = GetDC(top);
    SetBkColor(dc, RGB(0, 0, 255));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, nullptr, "", 0, nullptr);
    const RECT r{30, 20, 40, 30};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
    EXPECT_NE(shown(top, {35, 25}), Blue);
    EXPECT_TRUE(GdiFlush());
    EXPECT_EQ(shown(top, {35, 25}), Blue);
    ReleaseDC(top, dc);
}

// Every call through a handle that no longer names a context fails, and a released value is
// not handed out again.
TEST_F(DcViewTest, StaleDcHandlesAreRefused) {
    const HWND top = window(WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
    const HWND child = window(WS_CHILD | WS_VISIBLE, 5, 5, 10, 10, top);
    testsupport::pump_messages();
    HDC released = GetDC(top);
    ASSERT_EQ(ReleaseDC(top, released), 1);
    HDC again = GetDC(top);
    EXPECT_NE(again, released);
    HDC orphan = GetDC(child);
    DestroyWindow(child);
    HDC memory = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(memory));
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const RECT r{0, 0, 5, 5};
    for (HDC stale : {released, orphan, memory}) {
        SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(stale));
        EXPECT_FALSE(FillRect(stale, &r, brush));
        EXPECT_FALSE(TextOutA(stale, 0, 0, "x", 1));
        EXPECT_EQ(SetTextColor(stale, RGB(1, 1, 1)), CLR_INVALID);
        EXPECT_EQ(SelectObject(stale, brush), nullptr);
        EXPECT_EQ(SaveDC(stale), 0);
        EXPECT_EQ(ReleaseDC(top, stale), 0);
        EXPECT_FALSE(DeleteDC(stale));
    }
    EXPECT_TRUE(FillRect(again, &r, brush));
    ReleaseDC(top, again);
    DeleteObject(brush);
}

// Window, object and context handles come from one scheme with separate tags: one kind of
// handle is never taken for another.
TEST_F(DcViewTest, HandlesOfOneKindAreRefusedAsAnother) {
    const HWND top = window(WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
    HDC dc = GetDC(top);
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const RECT r{0, 0, 5, 5};
    EXPECT_FALSE(FillRect(reinterpret_cast<HDC>(top), &r, brush));
    EXPECT_FALSE(FillRect(reinterpret_cast<HDC>(brush), &r, brush));
    EXPECT_FALSE(FillRect(dc, &r, reinterpret_cast<HBRUSH>(dc)));
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(dc)));
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(dc)));
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(brush)));
    EXPECT_TRUE(FillRect(dc, &r, brush));
    ReleaseDC(top, dc);
    DeleteObject(brush);
}

TEST_F(DcViewTest, DeleteObjectRefusesWhatIsSelected) {
    const HWND top = window(WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
    HDC windowDc = GetDC(top);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    LOGFONTA lf{};
    lf.lfHeight = -12;
    struct Case {
        const char* what;
        HGDIOBJ object;
        HDC dc;
    };
    const Case cases[] = {
        {"bitmap", CreateCompatibleBitmap(windowDc, 8, 8), memoryDc},
        {"pen", CreatePen(PS_SOLID, 1, RGB(1, 2, 3)), windowDc},
        {"brush", CreateSolidBrush(RGB(1, 2, 3)), windowDc},
        {"font", CreateFontIndirectA(&lf), windowDc},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const HGDIOBJ previous = SelectObject(c.dc, c.object);
        ASSERT_NE(previous, nullptr);
        EXPECT_FALSE(DeleteObject(c.object));
        EXPECT_NE(plat::find_object(c.object), nullptr); // still there for the context
        SelectObject(c.dc, previous);
        EXPECT_TRUE(DeleteObject(c.object));
    }
    // Selected into two contexts, it stays until both let go; releasing a context lets go.
    const HBRUSH shared = CreateSolidBrush(RGB(4, 5, 6));
    HDC second = GetDC(top);
    SelectObject(windowDc, shared);
    SelectObject(second, shared);
    ReleaseDC(top, second);
    EXPECT_FALSE(DeleteObject(shared));
    ReleaseDC(top, windowDc);
    EXPECT_TRUE(DeleteObject(shared));
    DeleteDC(memoryDc);
}

// A state restored after its bitmap was deleted draws nowhere, not into the bitmap that took
// the deleted one's place.
TEST_F(DcViewTest, RestoringAStateWhoseBitmapWasDeletedDrawsNowhere) {
    HDC memory = CreateCompatibleDC(nullptr);
    const HBITMAP first = CreateBitmap(4, 4, 1, 32, nullptr);
    const HGDIOBJ own = SelectObject(memory, first);
    ASSERT_NE(SaveDC(memory), 0);
    SelectObject(memory, own);
    ASSERT_TRUE(DeleteObject(first));
    const HBITMAP next = CreateBitmap(4, 4, 1, 32, nullptr);
    ASSERT_TRUE(RestoreDC(memory, -1));
    fill(memory, RECT{0, 0, 4, 4}, RGB(255, 0, 0));
    const auto* b = plat::find<plat::BitmapObject>(next);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->pixels.at(1, 1), 0u);
    DeleteDC(memory);
    DeleteObject(next);
}

TEST_F(DcViewTest, SelectedClipFollowsAMovedChild) {
    const HWND top = window(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 120, 100);
    const HWND child = window(WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, top);
    testsupport::pump_messages();
    HDC dc = GetDC(child);
    const HRGN region = CreateRectRgn(0, 0, 10, 10);
    SelectClipRgn(dc, region);
    DeleteObject(region);
    MoveWindow(child, 50, 40, 30, 30, TRUE);
    testsupport::pump_messages();
    fill(dc, RECT{0, 0, 30, 30}, RGB(255, 0, 0));
    testsupport::pump_messages();
    EXPECT_EQ(shown(top, {55, 45}), Red);
    EXPECT_NE(shown(top, {65, 55}), Red); // outside the selected clip
    ReleaseDC(child, dc);
}

// The damage record: a handful of rectangles covering at least everything added.
TEST(Damage, CoversEveryAddedRectangleWithFewRectangles) {
    struct Case {
        const char* what;
        std::vector<RECT> added;
        std::size_t most;
    };
    std::vector<RECT> many;
    for (int i = 0; i < 50; ++i)
        many.push_back(
            RECT{(i * 37) % 300, (i * 53) % 200, (i * 37) % 300 + 5, (i * 53) % 200 + 3});
    std::vector<RECT> line;
    for (int i = 0; i < 30; ++i)
        line.push_back(RECT{i * 7, 10, i * 7 + 7, 24}); // one text run after another
    const Case cases[] = {
        {"empty rectangles are ignored", {RECT{5, 5, 5, 9}, RECT{3, 3, 1, 8}}, 0},
        {"a contained rectangle adds nothing", {RECT{0, 0, 10, 10}, RECT{2, 2, 4, 4}}, 1},
        {"a containing one replaces", {RECT{2, 2, 4, 4}, RECT{8, 8, 9, 9}, RECT{0, 0, 10, 10}}, 1},
        {"a text line stays one box", line, 1},
        {"scattered rectangles are merged", many, plat::Damage::MaxRects},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        plat::Damage d;
        for (const RECT& r : c.added)
            d.add(r);
        EXPECT_LE(d.rects().size(), c.most);
        for (const RECT& r : c.added) {
            if (r.left >= r.right || r.top >= r.bottom) continue;
            for (const POINT p : {POINT{r.left, r.top}, POINT{r.right - 1, r.bottom - 1}}) {
                bool covered = false;
                for (const RECT& have : d.rects())
                    covered |= PtInRect(&have, p) != FALSE;
                EXPECT_TRUE(covered) << p.x << "," << p.y;
            }
        }
        const std::vector<RECT> taken = d.take();
        EXPECT_EQ(taken.size(), std::min(c.most, taken.size()));
        EXPECT_TRUE(d.empty());
    }
}

} // namespace
