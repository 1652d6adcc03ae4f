// Cursor images as the two bitmaps of an X pixmap cursor.
#include <gtest/gtest.h>

#include "backend/x11/x11_cursor.h"

using namespace plat;

namespace {

TEST(X11Cursor, StandardIdentifiersHaveFontShapes) {
    for (std::uintptr_t id : {32512u, 32513u, 32514u, 32515u, 32516u, 32642u, 32643u, 32644u,
                              32645u, 32646u, 32648u, 32650u})
        EXPECT_GE(x11::cursor_font_shape(id), 0) << id;
    EXPECT_EQ(x11::cursor_font_shape(32517), -1);
}

TEST(X11Cursor, MaskFromTheAndMaskSourceFromLightPixels) {
    // 10 wide, so rows take two bytes; pixel 9 sits in bit 1 of the second byte.
    IconImage image{Surface(10, 2, 0), Surface(10, 2, 0xFFFFFF), {}};
    image.mask.row(0)[0] = 0; // opaque black
    image.mask.row(0)[9] = 0; // opaque white
    image.image.row(0)[9] = 0xFFFFFF;
    image.mask.row(1)[1] = 0; // opaque mid grey, a little dark
    image.image.row(1)[1] = 0x7F7F7F;
    image.image.row(1)[2] = 0xFFFFFF; // white but clear: not drawn
    const auto b = x11::cursor_bitmaps(image);
    ASSERT_EQ(b.width, 10);
    ASSERT_EQ(b.mask.size(), 4u);
    EXPECT_EQ(b.mask, (std::vector<unsigned char>{0x01, 0x02, 0x02, 0x00}));
    EXPECT_EQ(b.source, (std::vector<unsigned char>{0x00, 0x02, 0x00, 0x00}));
}

} // namespace
