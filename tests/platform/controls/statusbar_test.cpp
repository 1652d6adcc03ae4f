// The status bar: parts and their texts, fitting to the frame, the grip.
#include <string>

#include "controls_fixture.h"

using namespace ctltest;

namespace {

class StatusBarTest : public ControlsTest {
protected:
    // A bar as the toolkit makes one: at (0, 0), the client width wide, 10 high, identifier 999.
    HWND bar(HWND parent, DWORD extraStyle = SBARS_SIZEGRIP) {
        RECT c;
        GetClientRect(parent, &c);
        const HWND sb =
            CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | extraStyle, 0, 0,
                            c.right, 10, parent, reinterpret_cast<HMENU>(999), nullptr, nullptr);
        frame_log().statusBar = sb;
        return sb;
    }
    RECT part(HWND sb, int i) {
        RECT r{};
        EXPECT_TRUE(
            SendMessageA(sb, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)));
        return r;
    }
    void set_parts(HWND sb, std::initializer_list<int> edges) {
        const std::vector<int> v(edges);
        ASSERT_TRUE(SendMessageA(sb, SB_SETPARTS, v.size(), reinterpret_cast<LPARAM>(v.data())));
    }
    // Pixels of the inside of a rectangle of the bar (its edges left out) that are near the
    // text colour.
    int dark_pixels(HWND sb, RECT r) {
        int n = 0;
        for (int y = r.top + 2; y < r.bottom - 2; ++y)
            for (int x = r.left + 2; x < r.right - 2; ++x) {
                const plat::Pixel p = pixel(sb, x, y);
                n += (p & 0xFF) + ((p >> 8) & 0xFF) + (p >> 16) < 3 * 96;
            }
        return n;
    }
};

TEST_F(StatusBarTest, SitsAlongTheBottomOfItsFrameWithAHeightFromItsFont) {
    const HWND f = frame();
    const HWND sb = bar(f);
    ASSERT_TRUE(sb);
    HDC hdc = GetDC(sb);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(sb, hdc);

    // The toolkit reads the height right after creation to enlarge the frame.
    RECT r;
    GetWindowRect(sb, &r);
    const int height = r.bottom - r.top;
    EXPECT_GT(height, tm.tmHeight);
    EXPECT_LE(height, tm.tmHeight + 10);
    RECT client;
    GetClientRect(f, &client);
    POINT origin{0, client.bottom - height};
    ClientToScreen(f, &origin);
    EXPECT_EQ(r.left, origin.x);
    EXPECT_EQ(r.top, origin.y);
    EXPECT_EQ(r.right - r.left, client.right);

    // A larger frame: its WM_SIZE, forwarded, moves the bar to the new bottom edge.
    SetWindowPos(f, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(f, &client);
    GetWindowRect(sb, &r);
    origin = {0, client.bottom - height};
    ClientToScreen(f, &origin);
    EXPECT_EQ(r.top, origin.y);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_EQ(r.right - r.left, client.right);
}

TEST_F(StatusBarTest, PartsEndAtTheirRightEdgesAndMinusOneReachesTheSide) {
    const HWND f = frame();
    const HWND sb = bar(f);
    RECT client;
    GetClientRect(sb, &client);
    set_parts(sb, {100, 250, -1});
    const RECT p0 = part(sb, 0), p1 = part(sb, 1), p2 = part(sb, 2);
    EXPECT_EQ(p0.left, 0);
    EXPECT_EQ(p0.right, 100);
    EXPECT_GT(p1.left, 100); // a gap between parts
    EXPECT_LT(p1.left, 110);
    EXPECT_EQ(p1.right, 250);
    EXPECT_EQ(p2.right, client.right);
    EXPECT_EQ(p0.top, p1.top);
    EXPECT_EQ(p0.bottom, client.bottom);
    RECT none;
    EXPECT_FALSE(SendMessageA(sb, SB_GETRECT, 3, reinterpret_cast<LPARAM>(&none)));

    int edges[4] = {0, 0, 0, 7};
    EXPECT_EQ(SendMessageA(sb, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], 250);
    EXPECT_EQ(edges[2], -1);
    EXPECT_EQ(edges[3], 7);
    EXPECT_EQ(SendMessageA(sb, SB_GETPARTS, 0, 0), 3);

    // The last part follows the frame's width.
    SetWindowPos(f, nullptr, 0, 0, 600, 240, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(sb, &client);
    EXPECT_EQ(part(sb, 2).right, client.right);
    EXPECT_EQ(part(sb, 1).right, 250);

    // Part lists of no part or of more than 256 are refused and change nothing.
    std::vector<int> many(257, -1);
    EXPECT_FALSE(SendMessageA(sb, SB_SETPARTS, 0, reinterpret_cast<LPARAM>(many.data())));
    EXPECT_FALSE(SendMessageA(sb, SB_SETPARTS, 257, reinterpret_cast<LPARAM>(many.data())));
    EXPECT_FALSE(SendMessageA(sb, SB_SETPARTS, 2, 0));
    EXPECT_EQ(SendMessageA(sb, SB_GETPARTS, 0, 0), 3);
}

TEST_F(StatusBarTest, TextsAreDrawnInsideTheirPartsWithTheirEdges) {
    const HWND f = frame();
    const HWND sb = bar(f, 0);
    set_parts(sb, {120, 240, -1});
    SendMessageA(sb, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Ready"));
    SendMessageA(sb, SB_SETTEXTA, 1 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("x = 4"));
    SendMessageA(sb, SB_SETTEXTA, 2 | SBT_POPOUT, reinterpret_cast<LPARAM>(""));
    pump();
    const RECT p0 = part(sb, 0), p1 = part(sb, 1), p2 = part(sb, 2);
    const plat::Pixel face = colour(COLOR_BTNFACE);

    // Text only inside the parts that have some, nothing in the gaps between them.
    EXPECT_GT(dark_pixels(sb, p0), 10);
    EXPECT_GT(dark_pixels(sb, p1), 10);
    EXPECT_EQ(dark_pixels(sb, {p0.left, p0.top, p0.left + 5, p0.bottom}), 0); // the indent
    EXPECT_EQ(dark_pixels(sb, {p0.right - 2, p0.top, p1.left + 2, p0.bottom}), 0);
    EXPECT_EQ(dark_pixels(sb, p2), 0);
    EXPECT_EQ(pixel(sb, p0.right + 1, p0.top + 5), face);
    EXPECT_EQ(pixel(sb, 50, 0), face); // above the parts

    // Sunken: dark at the top left, light at the bottom right. Without borders: face only.
    // Popped out: the other way round.
    EXPECT_TRUE(is_shadow(pixel(sb, p0.left + 50, p0.top)));
    EXPECT_TRUE(is_shadow(pixel(sb, p0.left, p0.top + 5)));
    EXPECT_TRUE(is_highlight(pixel(sb, p0.left + 50, p0.bottom - 1)));
    EXPECT_TRUE(is_highlight(pixel(sb, p0.right - 1, p0.top + 5)));
    EXPECT_EQ(pixel(sb, p1.left + 50, p1.top), face);
    EXPECT_EQ(pixel(sb, p1.right - 1, p1.top + 5), face);
    EXPECT_TRUE(is_highlight(pixel(sb, p2.left + 20, p2.top)));
    EXPECT_TRUE(is_shadow(pixel(sb, p2.left + 20, p2.bottom - 1)));
}

TEST_F(StatusBarTest, TextsAreKeptPerPartWithTheirDrawingTypes) {
    const HWND f = frame();
    const HWND sb = bar(f);
    set_parts(sb, {100, -1});
    EXPECT_TRUE(SendMessageA(sb, SB_SETTEXTA, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>("Zeile 3")));
    char buffer[32] = "?";
    LRESULT r = SendMessageA(sb, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(LOWORD(r), 7);
    EXPECT_EQ(HIWORD(r), SBT_POPOUT);
    EXPECT_STREQ(buffer, "Zeile 3");
    EXPECT_EQ(SendMessageA(sb, SB_GETTEXTLENGTHA, 1, 0), MAKELONG(7, SBT_POPOUT));
    EXPECT_EQ(SendMessageA(sb, SB_GETTEXTLENGTHA, 0, 0), 0);

    // The first part holds the window text.
    SetWindowTextA(sb, "Bereit");
    EXPECT_EQ(LOWORD(SendMessageA(sb, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer))), 6);
    EXPECT_STREQ(buffer, "Bereit");
    SendMessageA(sb, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Fertig"));
    char small[4];
    EXPECT_EQ(GetWindowTextA(sb, small, sizeof small), 3);
    EXPECT_STREQ(small, "Fer");
    EXPECT_EQ(GetWindowTextLengthA(sb), 6);

    // Parts that do not exist, and owner-drawn parts, are refused.
    EXPECT_FALSE(SendMessageA(sb, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("no")));
    EXPECT_FALSE(SendMessageA(sb, SB_SETTEXTA, 1 | SBT_OWNERDRAW, 1234));
    EXPECT_EQ(SendMessageA(sb, SB_GETTEXTA, 5, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_STREQ(buffer, "Bereit"); // untouched

    // Texts of the parts that remain survive a new part list; a null text empties a part.
    set_parts(sb, {50, 100, 150, -1});
    EXPECT_EQ(SendMessageA(sb, SB_GETTEXTLENGTHA, 1, 0), MAKELONG(7, SBT_POPOUT));
    EXPECT_TRUE(SendMessageA(sb, SB_SETTEXTA, 3, 0));
    EXPECT_EQ(SendMessageA(sb, SB_GETTEXTLENGTHA, 3, 0), 0);
}

TEST_F(StatusBarTest, SimpleModeShowsOneTextAndKeepsTheParts) {
    const HWND f = frame();
    const HWND sb = bar(f);
    set_parts(sb, {100, -1});
    SendMessageA(sb, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("part"));
    SendMessageA(sb, SB_SIMPLE, TRUE, 0);
    EXPECT_TRUE(SendMessageA(sb, SB_ISSIMPLE, 0, 0));
    EXPECT_TRUE(SendMessageA(sb, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>("Menu help")));
    EXPECT_FALSE(SendMessageA(sb, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("no")));
    RECT client;
    GetClientRect(sb, &client);
    EXPECT_EQ(part(sb, 0).right, client.right);
    char buffer[32];
    SendMessageA(sb, SB_GETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ(buffer, "Menu help");

    SendMessageA(sb, SB_SIMPLE, FALSE, 0);
    EXPECT_EQ(SendMessageA(sb, SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(part(sb, 0).right, 100);
    SendMessageA(sb, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ(buffer, "part");
}

TEST_F(StatusBarTest, DraggingTheGripSizesTheFrame) {
    const HWND f = frame();
    const HWND sb = bar(f);
    RECT before, bar;
    GetWindowRect(f, &before);
    GetWindowRect(sb, &bar);
    const POINT grab{bar.right - 4, bar.bottom - 4};
    EXPECT_EQ(SendMessageA(sb, WM_NCHITTEST, 0, MAKELPARAM(grab.x, grab.y)), HTBOTTOMRIGHT);
    pump();
    EXPECT_EQ(pixel(sb, bar.right - bar.left - 2, bar.bottom - bar.top - 3),
              colour(COLOR_BTNSHADOW)); // a ridge of the grip
    EXPECT_EQ(SendMessageA(sb, WM_NCHITTEST, 0, MAKELPARAM(bar.left + 30, grab.y)), HTCLIENT);
    plat::inject_mouse(grab, 0, true);
    plat::inject_mouse_move({grab.x + 40, grab.y + 30});
    plat::inject_mouse({grab.x + 40, grab.y + 30}, 0, false);
    pump();
    RECT after;
    GetWindowRect(f, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right + 40);
    EXPECT_EQ(after.bottom, before.bottom + 30);
    // The frame's WM_SIZE brought the bar along.
    GetWindowRect(sb, &bar);
    RECT fc;
    GetClientRect(f, &fc);
    POINT bottom{0, fc.bottom};
    ClientToScreen(f, &bottom);
    EXPECT_EQ(bar.bottom, bottom.y);
}

TEST_F(StatusBarTest, NoGripOnAFrameThatCannotBeSized) {
    const HWND f = frame(WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    const HWND sb = bar(f);
    RECT before, bar;
    GetWindowRect(f, &before);
    GetWindowRect(sb, &bar);
    const POINT grab{bar.right - 4, bar.bottom - 4};
    EXPECT_EQ(SendMessageA(sb, WM_NCHITTEST, 0, MAKELPARAM(grab.x, grab.y)), HTCLIENT);
    plat::inject_mouse(grab, 0, true);
    plat::inject_mouse_move({grab.x + 40, grab.y + 30});
    plat::inject_mouse({grab.x + 40, grab.y + 30}, 0, false);
    pump();
    RECT after;
    GetWindowRect(f, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    // Nor is one drawn: inside the last part's edge is plain face.
    RECT c;
    GetClientRect(sb, &c);
    EXPECT_EQ(pixel(sb, c.right - 2, c.bottom - 3), colour(COLOR_BTNFACE));
}

} // namespace
