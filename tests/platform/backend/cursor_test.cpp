// Cursor resources: LoadCursorA reads them, SetCursor hands them to the backend.
#include <gtest/gtest.h>

#include <memory>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "gdi/bitmap_dib.h"

namespace {

constexpr int IdcProbe = 300; // cursor.rc

class CursorProbe : public plat::HeadlessBackend {
public:
    void cursor_changed(HCURSOR c) override { last = c; }
    HCURSOR last = nullptr;
};

TEST(CursorResources, LoadCursorReadsTheImageAndHotspot) {
    const HCURSOR c = LoadCursorA(nullptr, MAKEINTRESOURCEA(IdcProbe));
    ASSERT_NE(c, nullptr);
    const plat::IconImage* image = plat::icon_image(c);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->image.width, 16);
    EXPECT_EQ(image->image.height, 16);
    EXPECT_EQ(image->hotspot.x, 3);
    EXPECT_EQ(image->hotspot.y, 5);
    EXPECT_EQ(image->image.at(2, 2), 0xFFFFFFu); // white, top left
    EXPECT_EQ(image->image.at(2, 12), 0u);       // black, bottom left
    EXPECT_EQ(image->mask.at(2, 2), 0u);         // opaque
    EXPECT_EQ(image->mask.at(12, 2), 0xFFFFFFu); // clear
}

TEST(CursorResources, StandardShapesAndMissingResources) {
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HCURSOR>(32512));
    EXPECT_EQ(plat::icon_image(LoadCursorA(nullptr, IDC_ARROW)), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(301)), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, "NOSUCHCURSOR"), nullptr);
}

TEST(CursorResources, SetCursorTellsTheBackend) {
    auto b = std::make_unique<CursorProbe>();
    CursorProbe* probe = b.get();
    plat::set_backend(std::move(b));
    const HCURSOR c = LoadCursorA(nullptr, MAKEINTRESOURCEA(IdcProbe));
    SetCursor(c);
    EXPECT_EQ(probe->last, c);
    EXPECT_EQ(GetCursor(), c);
    SetCursor(nullptr);
    EXPECT_EQ(probe->last, nullptr);
    plat::set_backend(nullptr);
}

} // namespace
