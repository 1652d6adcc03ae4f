// Every control class paints with the system colours on every depth the screen reports: the
// pixel a user sees in a known part of each control, at 1, 4, 8 and 24 bits.
#include <functional>

#include "dialog_parent.h"

namespace ctltest {
namespace {

struct Row {
    const char* what;
    const char* cls;
    DWORD style;
    RECT place;
    std::function<void(HWND)> setup; // may be empty
    POINT at;                        // client point of the control
    int sysColor;
};

class ColourDepthTest : public DialogControlsTest {};

TEST_F(ColourDepthTest, EachClassPaintsTheSystemColoursOnEveryDepth) {
    const Row rows[] = {
        {"empty edit", "EDIT", WS_BORDER, {10, 10, 110, 34}, {}, {50, 12}, COLOR_WINDOW},
        {"selected list item",
         "LISTBOX",
         WS_BORDER | LBS_NOINTEGRALHEIGHT,
         {10, 10, 110, 110},
         [](HWND h) {
             SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
             SendMessageA(h, LB_SETCURSEL, 0, 0);
         },
         {80, 5},
         COLOR_HIGHLIGHT},
        {"list below its items",
         "LISTBOX",
         WS_BORDER | LBS_NOINTEGRALHEIGHT,
         {10, 10, 110, 110},
         {},
         {50, 80},
         COLOR_WINDOW},
        {"black rectangle",
         "STATIC",
         SS_BLACKRECT,
         {10, 10, 50, 50},
         {},
         {20, 20},
         COLOR_3DDKSHADOW},
        {"push button face",
         "BUTTON",
         BS_PUSHBUTTON,
         {10, 10, 110, 34},
         {},
         {20, 10},
         COLOR_BTNFACE},
        {"drop-down list field",
         "COMBOBOX",
         CBS_DROPDOWNLIST,
         {10, 10, 160, 110},
         {},
         {10, 8},
         COLOR_WINDOW},
        {"progress fill",
         PROGRESS_CLASSA,
         PBS_SMOOTH,
         {10, 10, 210, 30},
         [](HWND h) { SendMessageA(h, PBM_SETPOS, 50, 0); },
         {40, 10},
         COLOR_HIGHLIGHT},
    };
    for (int bits : {1, 4, 8, 24}) {
        screen = &plat::use_headless_backend({1024, 768}, bits);
        parentWindow = nullptr;
        for (const Row& row : rows) {
            const HWND h = make(row.cls, WS_VISIBLE | row.style, row.place);
            ASSERT_NE(h, nullptr) << row.what;
            if (row.setup) row.setup(h);
            pump();
            // What the screen can show of the system colour: on 8 bits, the nearest entry of
            // the system palette.
            HDC screenDc = GetDC(h);
            const COLORREF shown = GetNearestColor(screenDc, GetSysColor(row.sysColor));
            ReleaseDC(h, screenDc);
            EXPECT_EQ(pixel(h, row.at.x, row.at.y), plat::pixel_from_colorref(shown))
                << row.what << " at " << bits << " bits";
            DestroyWindow(h);
        }
        DestroyWindow(parentWindow);
    }
}

} // namespace
} // namespace ctltest
