// Which part of a layer window an X window shows, and back.
#include <gtest/gtest.h>

#include <windows.h>

#include "backend/x11/x11_geometry.h"
#include "window/nonclient.h"

using namespace plat;
using namespace plat::x11;

namespace {

bool same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(X11Geometry, CaptionlessPopupsAreOverrideRedirectAndShowEverything) {
    EXPECT_FALSE(is_managed(WS_POPUP | WS_BORDER));
    EXPECT_TRUE(is_managed(WS_POPUP | WS_CAPTION)); // a dialog
    EXPECT_TRUE(is_managed(WS_OVERLAPPEDWINDOW));
    EXPECT_TRUE(
        same(native_part({10, 20, 110, 70}, WS_POPUP | WS_BORDER, 0, false), {0, 0, 100, 50}));
}

TEST(X11Geometry, FramesShowTheMenuBarAndClientArea) {
    const RECT window{100, 100, 500, 400};
    const RECT part = native_part(window, WS_OVERLAPPEDWINDOW, 0, true);
    EXPECT_TRUE(
        same(part, {ThickFrame, ThickFrame + CaptionHeight, 400 - ThickFrame, 300 - ThickFrame}));
    // Without a menu the client area alone, below the caption of a dialog frame.
    const DWORD dialog = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
    EXPECT_TRUE(
        same(native_part(window, dialog, 0, false),
             {DialogFrame, DialogFrame + CaptionHeight, 400 - DialogFrame, 300 - DialogFrame}));
}

TEST(X11Geometry, TheWindowFollowsWhereTheNativePartWent) {
    const RECT window{100, 100, 500, 400};
    const RECT part = native_part(window, WS_OVERLAPPEDWINDOW, 0, true);
    // Moved by the window manager to (300, 250) and made 50 wider and 20 lower.
    const RECT native{300, 250, 300 + (part.right - part.left) + 50,
                      250 + (part.bottom - part.top) + 20};
    const RECT r = window_rect_for(native, window, WS_OVERLAPPEDWINDOW, 0, true);
    EXPECT_TRUE(
        same(r, {300 - part.left, 250 - part.top, 300 - part.left + 450, 250 - part.top + 320}));
    // And back: the new rectangle puts the native part exactly there.
    RECT again = native_part(r, WS_OVERLAPPEDWINDOW, 0, true);
    OffsetRect(&again, r.left, r.top);
    EXPECT_TRUE(same(again, native));
}

TEST(X11Geometry, ATinyFrameStillHasAPixel) {
    const RECT part = native_part({0, 0, 6, 6}, WS_OVERLAPPEDWINDOW, 0, false);
    EXPECT_GE(part.right - part.left, 1);
    EXPECT_GE(part.bottom - part.top, 1);
}

} // namespace
