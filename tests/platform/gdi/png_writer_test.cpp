#include <gtest/gtest.h>

#include <png.h>

#include <filesystem>
#include <vector>

#include "gdi/png_writer.h"
#include "pixel_check.h"
#include "support/temp_dir.h"

using namespace plat;

namespace {

// Reads an RGB PNG back with libpng's own reader.
bool read_png(const std::string& path, Surface& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> buffer(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) return false;
    out = Surface(static_cast<int>(image.width), static_cast<int>(image.height));
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const png_byte* px = buffer.data() + (static_cast<std::size_t>(y) * out.width + x) * 3;
            out.row(y)[x] = (Pixel{px[0]} << 16) | (Pixel{px[1]} << 8) | px[2];
        }
    return true;
}

std::size_t entries(const std::filesystem::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

TEST(PngWriter, RoundTripKeepsEveryPixelAndLeavesNoTemporaryFile) {
    testsupport::TempDir dir;
    const Surface s = gditest::numbered(7, 5, 0xF01020);
    const std::string path = dir.file("shot.png");
    std::string error;
    ASSERT_TRUE(save_png(s, path, &error)) << error;
    // Saving again replaces the file.
    ASSERT_TRUE(save_png(s, path, &error)) << error;
    Surface back;
    ASSERT_TRUE(read_png(path, back));
    ASSERT_EQ(back.width, 7);
    ASSERT_EQ(back.height, 5);
    EXPECT_TRUE(gditest::pixels_match(back, [&](int x, int y) { return s.at(x, y); }));
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(PngWriter, FailuresAreReportedAndCleanedUp) {
    testsupport::TempDir dir;
    const Surface s(4, 4, 0xFFFFFF);
    std::string error;
    EXPECT_FALSE(save_png(s, dir.file("missing/shot.png"), &error));
    EXPECT_FALSE(error.empty());
    // A folder in the way: the encoding succeeds but the rename cannot.
    std::filesystem::create_directory(dir.path() / "taken");
    std::filesystem::create_directory(dir.path() / "taken" / "x");
    error.clear();
    EXPECT_FALSE(save_png(s, dir.file("taken"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(entries(dir.path()), 1u);
    EXPECT_FALSE(save_png(Surface{}, dir.file("empty.png")));
}

} // namespace
