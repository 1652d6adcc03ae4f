// The toolbar: layout, images, states, clicks.
#include "controls_fixture.h"

using namespace ctltest;

namespace {

constexpr plat::Pixel Red = 0xFF0000, Green = 0x00A000, Blue = 0x0000FF;

class ToolbarTest : public ControlsTest {
protected:
    // Where a button's image starts: centred in the button, one further when pressed in.
    POINT image_origin(HWND tb, int index, int shift = 0) {
        const RECT r = item(tb, index);
        return {r.left + (r.right - r.left - 16) / 2 + shift,
                r.top + (r.bottom - r.top - 15) / 2 + shift};
    }
    // Every pixel of an image: its square (x 4..11, y 3..10) in the colour, the rest face.
    ::testing::AssertionResult image_is(HWND tb, POINT o, plat::Pixel square) {
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool in = x >= 4 && x < 12 && y >= 3 && y < 11;
                const plat::Pixel want = in ? square : colour(COLOR_BTNFACE);
                const plat::Pixel got = pixel(tb, o.x + x, o.y + y);
                if (got != want)
                    return ::testing::AssertionFailure()
                           << "image pixel (" << x << "," << y << ") is " << std::hex << got
                           << ", not " << want;
            }
        return ::testing::AssertionSuccess();
    }
    void click(POINT p) {
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
        pump();
    }
};

TEST_F(ToolbarTest, ButtonsAndSeparatorsLieSideBySideAlongTheTop) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    ASSERT_TRUE(tb);
    EXPECT_EQ(SendMessageA(tb, TB_BUTTONCOUNT, 0, 0), 4);
    const RECT b0 = item(tb, 0), sep = item(tb, 1), b2 = item(tb, 2), b3 = item(tb, 3);
    EXPECT_EQ(b0.left, 0);
    EXPECT_EQ(b0.right - b0.left, 22);
    EXPECT_EQ(b0.bottom - b0.top, 21);
    EXPECT_EQ(sep.left, b0.right);
    EXPECT_EQ(sep.right - sep.left, 8); // the default separator width
    EXPECT_EQ(b2.left, sep.right);
    EXPECT_EQ(b3.left, b2.right);
    EXPECT_EQ(b3.right, 3 * 22 + 8);
    EXPECT_EQ(b2.top, b0.top);

    // The bar spans the frame's client width at its top, the buttons inside it.
    RECT bar, client;
    GetWindowRect(tb, &bar);
    GetClientRect(f, &client);
    POINT origin{0, 0};
    ClientToScreen(f, &origin);
    EXPECT_EQ(bar.left, origin.x);
    EXPECT_EQ(bar.top, origin.y);
    EXPECT_EQ(bar.right - bar.left, client.right);
    EXPECT_GE(b0.top, 0);
    EXPECT_LE(b0.bottom, bar.bottom - bar.top);
    EXPECT_LE(bar.bottom - bar.top, 21 + 8);

    // A wider frame: TB_AUTOSIZE, sent from the frame's WM_SIZE, follows it.
    SetWindowPos(f, nullptr, 0, 0, 600, 240, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(tb, TB_AUTOSIZE, 0, 0);
    GetWindowRect(tb, &bar);
    GetClientRect(f, &client);
    EXPECT_EQ(bar.right - bar.left, client.right);

    RECT none;
    EXPECT_FALSE(SendMessageA(tb, TB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&none)));
    EXPECT_FALSE(SendMessageA(tb, TB_GETITEMRECT, 0, 0));
}

TEST_F(ToolbarTest, ButtonsAreFoundByCommandAndReadBack) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    EXPECT_EQ(SendMessageA(tb, TB_COMMANDTOINDEX, 202, 0), 2);
    EXPECT_EQ(SendMessageA(tb, TB_COMMANDTOINDEX, 999, 0), -1);
    TBBUTTON b{};
    ASSERT_TRUE(SendMessageA(tb, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&b)));
    EXPECT_EQ(b.iBitmap, 2);
    EXPECT_EQ(b.idCommand, 203);
    EXPECT_EQ(b.fsState, TBSTATE_ENABLED);
    EXPECT_EQ(b.fsStyle, TBSTYLE_CHECK);
    EXPECT_FALSE(SendMessageA(tb, TB_GETBUTTON, 4, reinterpret_cast<LPARAM>(&b)));

    EXPECT_EQ(SendMessageA(tb, TB_GETSTATE, 201, 0), TBSTATE_ENABLED);
    EXPECT_EQ(SendMessageA(tb, TB_GETSTATE, 999, 0), -1);
    EXPECT_TRUE(SendMessageA(tb, TB_SETSTATE, 201, MAKELONG(TBSTATE_CHECKED, 0)));
    EXPECT_EQ(SendMessageA(tb, TB_GETSTATE, 201, 0), TBSTATE_CHECKED);
    EXPECT_FALSE(SendMessageA(tb, TB_ISBUTTONENABLED, 201, 0));
    EXPECT_TRUE(SendMessageA(tb, TB_ISBUTTONCHECKED, 201, 0));
    EXPECT_FALSE(SendMessageA(tb, TB_SETSTATE, 999, 0));
    EXPECT_FALSE(SendMessageA(tb, TB_ENABLEBUTTON, 999, TRUE));
    EXPECT_FALSE(SendMessageA(tb, TB_ISBUTTONENABLED, 999, 0));

    // A hidden button takes no room and has no rectangle.
    const RECT before = item(tb, 2);
    EXPECT_TRUE(SendMessageA(tb, TB_HIDEBUTTON, 201, TRUE));
    RECT r;
    EXPECT_FALSE(SendMessageA(tb, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)));
    EXPECT_EQ(item(tb, 2).left, before.left - 22);
    SendMessageA(tb, TB_HIDEBUTTON, 201, FALSE);
    EXPECT_EQ(item(tb, 2).left, before.left);
}

TEST_F(ToolbarTest, ButtonsShowTheirImagesFromTheStrip) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    EXPECT_TRUE(image_is(tb, image_origin(tb, 0), Red));
    EXPECT_TRUE(image_is(tb, image_origin(tb, 2), Green));
    EXPECT_TRUE(image_is(tb, image_origin(tb, 3), Blue));
    // Raised: light along the top, dark along the bottom. The separator is bare face.
    const RECT b0 = item(tb, 0), sep = item(tb, 1);
    EXPECT_EQ(pixel(tb, b0.left + 5, b0.top), colour(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(tb, b0.left + 5, b0.bottom - 1), colour(COLOR_3DDKSHADOW));
    for (int y = sep.top; y < sep.bottom; ++y)
        for (int x = sep.left; x < sep.right; ++x)
            ASSERT_EQ(pixel(tb, x, y), colour(COLOR_BTNFACE)) << x << "," << y;
}

TEST_F(ToolbarTest, StripsAddUpAndAMissingBitmapIsRefused) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    TBADDBITMAP strip{plat::default_module(), IDB_STRIP};
    EXPECT_EQ(SendMessageA(tb, TB_ADDBITMAP, 3, reinterpret_cast<LPARAM>(&strip)), 4);
    TBADDBITMAP missing{plat::default_module(), 4711};
    EXPECT_EQ(SendMessageA(tb, TB_ADDBITMAP, 3, reinterpret_cast<LPARAM>(&missing)), -1);
    EXPECT_EQ(SendMessageA(tb, TB_ADDBITMAP, 3, 0), -1);
    // A bitmap handle, and an image of the second strip.
    const HBITMAP handle = LoadBitmapA(plat::default_module(), MAKEINTRESOURCEA(IDB_STRIP));
    TBADDBITMAP byHandle{nullptr, reinterpret_cast<UINT_PTR>(handle)};
    EXPECT_EQ(SendMessageA(tb, TB_ADDBITMAP, 3, reinterpret_cast<LPARAM>(&byHandle)), 7);
    DeleteObject(handle);
    const TBBUTTON more{9, 204, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0};
    SendMessageA(tb, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&more));
    pump();
    EXPECT_TRUE(image_is(tb, image_origin(tb, 4), Blue));
}

TEST_F(ToolbarTest, AClickOnAnEnabledButtonSendsItsCommand) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    click(centre(tb, 2));
    ASSERT_EQ(frame_log().commands.size(), 1u);
    EXPECT_EQ(frame_log().commands[0], MAKEWPARAM(202, 0));
    EXPECT_EQ(frame_log().commandSenders[0], reinterpret_cast<LPARAM>(tb));
    // A press on the separator, and a press released elsewhere, give nothing.
    click(centre(tb, 1));
    const POINT p = centre(tb, 0);
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse_move({p.x + 60, p.y});
    plat::inject_mouse({p.x + 60, p.y}, 0, false);
    pump();
    EXPECT_EQ(frame_log().commands.size(), 1u);
}

TEST_F(ToolbarTest, AHeldButtonIsDrawnPressedWhileThePointerIsOnIt) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    const RECT b = item(tb, 0);
    const POINT p = centre(tb, 0);
    plat::inject_mouse(p, 0, true);
    pump();
    EXPECT_TRUE(is_shadow(pixel(tb, b.left + 5, b.top)));
    EXPECT_TRUE(image_is(tb, image_origin(tb, 0, 1), Red));
    plat::inject_mouse_move({p.x, p.y + 100});
    pump();
    EXPECT_EQ(pixel(tb, b.left + 5, b.top), colour(COLOR_3DLIGHT));
    plat::inject_mouse({p.x, p.y + 100}, 0, false);
    pump();
    EXPECT_TRUE(frame_log().commands.empty());
}

TEST_F(ToolbarTest, ADisabledButtonIsGreyedAndSendsNothing) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    EXPECT_TRUE(SendMessageA(tb, TB_ENABLEBUTTON, 202, FALSE));
    EXPECT_FALSE(SendMessageA(tb, TB_ISBUTTONENABLED, 202, 0));
    pump();
    // Embossed: the square in shadow, its highlight one below right, no green anywhere.
    const POINT o = image_origin(tb, 2);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 17; ++x) {
            const bool square = x >= 4 && x < 12 && y >= 3 && y < 11;
            const bool highlight = !square && x >= 5 && x < 13 && y >= 4 && y < 12;
            const plat::Pixel want = square      ? colour(COLOR_BTNSHADOW)
                                     : highlight ? colour(COLOR_BTNHIGHLIGHT)
                                                 : colour(COLOR_BTNFACE);
            ASSERT_EQ(pixel(tb, o.x + x, o.y + y), want) << x << "," << y;
        }
    click(centre(tb, 2));
    EXPECT_TRUE(frame_log().commands.empty());
    // Enabled again, it works and looks as before.
    SendMessageA(tb, TB_ENABLEBUTTON, 202, TRUE);
    pump();
    EXPECT_TRUE(image_is(tb, o, Green));
    click(centre(tb, 2));
    EXPECT_EQ(frame_log().commands.size(), 1u);
}

TEST_F(ToolbarTest, ACheckedButtonIsDrawnPressedIn) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    const RECT b = item(tb, 2);
    EXPECT_TRUE(SendMessageA(tb, TB_CHECKBUTTON, 202, TRUE));
    EXPECT_TRUE(SendMessageA(tb, TB_ISBUTTONCHECKED, 202, 0));
    pump();
    // Sunken: dark along the top and left, light along the bottom; the image one pixel further.
    EXPECT_TRUE(is_shadow(pixel(tb, b.left + 5, b.top)));
    EXPECT_TRUE(is_shadow(pixel(tb, b.left, b.top + 5)));
    EXPECT_TRUE(is_highlight(pixel(tb, b.left + 5, b.bottom - 1)));
    EXPECT_TRUE(is_highlight(pixel(tb, b.right - 1, b.top + 5)));
    EXPECT_TRUE(image_is(tb, image_origin(tb, 2, 1), Green));
    SendMessageA(tb, TB_CHECKBUTTON, 202, FALSE);
    pump();
    EXPECT_EQ(pixel(tb, b.left + 5, b.top), colour(COLOR_3DLIGHT));
    EXPECT_TRUE(image_is(tb, image_origin(tb, 2), Green));
}

TEST_F(ToolbarTest, ACheckButtonTogglesOnEachClick) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    click(centre(tb, 3));
    EXPECT_TRUE(SendMessageA(tb, TB_ISBUTTONCHECKED, 203, 0));
    click(centre(tb, 3));
    EXPECT_FALSE(SendMessageA(tb, TB_ISBUTTONCHECKED, 203, 0));
    EXPECT_EQ(frame_log().commands, (std::vector<WPARAM>{MAKEWPARAM(203, 0), MAKEWPARAM(203, 0)}));
    // A plain button does not stay in.
    click(centre(tb, 0));
    EXPECT_FALSE(SendMessageA(tb, TB_ISBUTTONCHECKED, 201, 0));
}

TEST_F(ToolbarTest, TheParentMayDestroyTheBarInItsCommand) {
    const HWND f = frame();
    const HWND tb = toolbar(f);
    const HWND tip = reinterpret_cast<HWND>(SendMessageA(tb, TB_GETTOOLTIPS, 0, 0));
    ASSERT_TRUE(IsWindow(tip));
    frame_log().destroyOnCommand = true;
    click(centre(tb, 3));
    EXPECT_EQ(frame_log().commands.size(), 1u);
    EXPECT_FALSE(IsWindow(tb));
    EXPECT_FALSE(IsWindow(tip)); // the bar's tooltip went with it
    EXPECT_TRUE(IsWindow(f));
}

TEST_F(ToolbarTest, WithoutTheTooltipsStyleThereIsNoTooltip) {
    const HWND f = frame();
    const HWND tb = toolbar(f, 0);
    EXPECT_EQ(SendMessageA(tb, TB_GETTOOLTIPS, 0, 0), 0);
    click(centre(tb, 0));
    EXPECT_EQ(frame_log().commands.size(), 1u);
}

} // namespace
