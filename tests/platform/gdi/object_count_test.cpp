// The count of live GDI objects follows creation and deletion, and a refused deletion leaves it.
#include <gtest/gtest.h>

#include <windows.h>

#include "gdi/objects.h"

namespace {

TEST(GdiObjectCount, FollowsCreationAndDeletionOnly) {
    GetStockObject(BLACK_PEN); // stock objects are made at first use
    const int before = plat::live_object_count();
    const HGDIOBJ made[] = {CreatePen(PS_SOLID, 1, RGB(1, 2, 3)), CreateSolidBrush(RGB(4, 5, 6)),
                            CreateBitmap(4, 4, 1, 32, nullptr), CreateRectRgn(0, 0, 2, 2)};
    EXPECT_EQ(plat::live_object_count(), before + 4);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, made[2]);
    EXPECT_FALSE(DeleteObject(made[2])); // still selected
    EXPECT_FALSE(DeleteObject(GetStockObject(BLACK_PEN)));
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(plat::live_object_count(), before + 4);
    for (HGDIOBJ o : made)
        EXPECT_TRUE(DeleteObject(o));
    EXPECT_EQ(plat::live_object_count(), before);
}

} // namespace
