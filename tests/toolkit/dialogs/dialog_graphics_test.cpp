// A dialog chosen as graphics area: the graphics driver draws into it with its mode, pen and
// transparent background, and goes back to the current window when the area is given up.
#include "dialog_fixture.h"
#include "graphics/graphics_state.h"
#include "graphics/screen_driver.h"
#include "support/presented.h"

namespace {

class DialogGraphics : public dlgtest::DialogTest {};

TEST_F(DialogGraphics, TheDriverDrawsIntoTheChosenDialog) {
    const HWND d = load(DLG_PLAIN);
    WDialogShow(100, 100, 0, 2);
    drain();
    tess::xxmwinplotmode_(3);
    IGrColourN(223);
    auto& driver = tess::graphics().driver;
    int f = 0, w = 0, h = 0;
    yygetdialogdc_(f, 1, w, h);
    ASSERT_EQ(f, 0);
    const HDC field = table().graphicsFieldDC;
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(driver.hdc, field);
    EXPECT_EQ(driver.WinWidth, w);
    EXPECT_EQ(driver.WinHeight, h);
    EXPECT_EQ(GetCurrentObject(field, OBJ_PEN), driver.gPen);
    EXPECT_EQ(GetROP2(field), R2_XORPEN);
    EXPECT_EQ(GetBkMode(field), TRANSPARENT);

    // A line through the driver's context shows in the dialog.
    tess::xxmwinplotmode_(0);
    PatBlt(field, 0, 0, w, h, WHITENESS);
    MoveToEx(field, 2, 5, nullptr);
    LineTo(field, 30, 5);
    POINT p{10, 5};
    ClientToScreen(d, &p);
    RECT frame;
    GetWindowRect(d, &frame);
    EXPECT_EQ(testsupport::presented_pixel(d, p.x - frame.left, p.y - frame.top), 0x000000u);

    yygetdialogdc_(f, 2, w, h);
    EXPECT_EQ(driver.hdc, tess::window(0).dc);
    EXPECT_EQ(GetCurrentObject(driver.hdc, OBJ_PEN), driver.gPen);
    // The pen can be replaced again: it is not held by the released context.
    const HGDIOBJ before = driver.gPen;
    IGrColourN(16);
    EXPECT_NE(driver.gPen, before);
    EXPECT_EQ(GetObjectA(before, 0, nullptr), 0);
}

} // namespace
