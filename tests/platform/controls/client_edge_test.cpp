// WS_EX_CLIENTEDGE on controls: the two-pixel sunken edge around the client area and its scroll
// bars, shadow outside and darkest line inside, lit at the bottom right.
#include "controls_fixture.h"

namespace ctltest {
namespace {

class ClientEdgeTest : public ControlsTest {};

TEST_F(ClientEdgeTest, SunkenEdgeAroundClientAndBars) {
    struct Row {
        const char* className;
        DWORD style;
    };
    const Row rows[] = {
        {"STATIC", SS_LEFT},
        {"EDIT", ES_AUTOHSCROLL},
        {"LISTBOX", LBS_NOINTEGRALHEIGHT | WS_VSCROLL},
        {"LISTBOX", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL},
    };
    const HWND parent = frame();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.className) + " style " + std::to_string(row.style));
        const HWND c =
            CreateWindowExA(WS_EX_CLIENTEDGE, row.className, "", WS_CHILD | WS_VISIBLE | row.style,
                            20, 20, 120, 80, parent, nullptr, nullptr, nullptr);
        ASSERT_NE(c, nullptr);
        pump();
        // Window corners in client coordinates: the edge is the band just outside the client
        // area, which here reaches over the scroll bars too.
        RECT w;
        GetWindowRect(c, &w);
        POINT origin{0, 0};
        ClientToScreen(c, &origin);
        const int left = w.left - origin.x, top = w.top - origin.y;
        const int right = w.right - origin.x - 1, bottom = w.bottom - origin.y - 1;
        EXPECT_EQ(left, -2);
        EXPECT_EQ(top, -2);
        const int midX = (left + right) / 2, midY = (top + bottom) / 2;
        const struct {
            int x, y, colour;
        } checks[] = {
            {midX, top, COLOR_BTNSHADOW},       {left, midY, COLOR_BTNSHADOW},
            {midX, top + 1, COLOR_3DDKSHADOW},  {left + 1, midY, COLOR_3DDKSHADOW},
            {midX, bottom, COLOR_BTNHIGHLIGHT}, {right, midY, COLOR_BTNHIGHLIGHT},
            {midX, bottom - 1, COLOR_3DLIGHT},  {right - 1, midY, COLOR_3DLIGHT},
        };
        for (const auto& check : checks)
            EXPECT_EQ(pixel(c, check.x, check.y), colour(check.colour))
                << "at " << check.x << "," << check.y;
        DestroyWindow(c);
        pump();
    }
}

} // namespace
} // namespace ctltest
