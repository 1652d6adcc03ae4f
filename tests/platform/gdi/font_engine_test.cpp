#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "gdi/font_engine.h"

namespace plat {
namespace {

class FontEnvironment : public ::testing::Environment {
public:
    void TearDown() override { shutdown_fonts(); }
};
const auto* const g_env = ::testing::AddGlobalTestEnvironment(new FontEnvironment);

LOGFONTA desc(const char* face, LONG height, LONG weight = FW_NORMAL) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

// Expected values worked out from each face's head, hhea and OS/2 tables (usWinAscent,
// usWinDescent, xAvgCharWidth, the bounding box, hhea line gap; 2048 units per em):
// ascent = round(winAscent * ppem / 2048), and so on, with ppem = 16 for a height of -16 and
// ppem = 20 * 2048 / (winAscent + winDescent) for a cell height of 20.
struct MetricCase {
    const char* face;
    const char* file;
    LONG height;
    LONG ascent, descent, internal, external, average, maximum;
};

constexpr MetricCase kMetrics[] = {
    {"Courier New", "LiberationMono-Regular", -16, 13, 5, 2, 0, 10, 20},
    {"Courier New", "LiberationMono-Regular", 20, 15, 5, 2, 0, 11, 22},
    {"Arial", "LiberationSans-Regular", -16, 14, 3, 1, 1, 9, 30},
    {"Arial", "LiberationSans-Regular", 20, 16, 4, 2, 1, 10, 33},
    {"Times New Roman", "LiberationSerif-Regular", -16, 14, 3, 1, 1, 9, 29},
    {"Times New Roman", "LiberationSerif-Regular", 20, 16, 4, 2, 1, 10, 33},
};

// Whether a file is mapped into this process.
bool mapped(const std::string& path) {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.ends_with(" " + path)) return true;
    return false;
}

TEST(FontEngine, LiberationFacesReportTableMetrics) {
    for (const MetricCase& c : kMetrics) {
        auto font = create_font(desc(c.face, c.height));
        ASSERT_TRUE(font) << c.face;
        EXPECT_NE(font->file().find(c.file), std::string::npos) << font->file();
        // Read as a stream: the whole file mapped would cost start-up memory for nothing.
        EXPECT_FALSE(mapped(font->file())) << font->file();
        const TEXTMETRICA& tm = font->metrics();
        SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.height));
        EXPECT_EQ(tm.tmAscent, c.ascent);
        EXPECT_EQ(tm.tmDescent, c.descent);
        EXPECT_EQ(tm.tmHeight, c.ascent + c.descent);
        EXPECT_EQ(tm.tmInternalLeading, c.internal);
        EXPECT_EQ(tm.tmExternalLeading, c.external);
        EXPECT_EQ(tm.tmAveCharWidth, c.average);
        EXPECT_EQ(tm.tmMaxCharWidth, c.maximum);
        if (c.height > 0) {
            EXPECT_EQ(tm.tmHeight, c.height); // a cell height is kept exactly
        }
    }
}

TEST(FontEngine, FaceResolution) {
    EXPECT_EQ(resolve_family("COURIER NEW", 0), "Liberation Mono");
    EXPECT_EQ(resolve_family("", FIXED_PITCH | FF_MODERN), "Liberation Mono");
    EXPECT_EQ(resolve_family("", FF_ROMAN), "Liberation Serif");
    EXPECT_EQ(resolve_family("", FF_SWISS), "Liberation Sans");
    for (const char* face : {"Symbol", "Wingdings"}) {
        auto font = create_font(desc(face, -14));
        ASSERT_TRUE(font) << face;
        EXPECT_GT(font->advance('A'), 0) << face;
    }
    auto bold = create_font(desc("Arial", -16, FW_BOLD));
    ASSERT_TRUE(bold);
    EXPECT_NE(bold->file().find("LiberationSans-Bold"), std::string::npos) << bold->file();
    EXPECT_GE(bold->metrics().tmWeight, FW_BOLD);
    auto mono = create_font(desc("Courier New", -16));
    EXPECT_EQ(mono->metrics().tmPitchAndFamily & TMPF_FIXED_PITCH, 0); // set means variable
    EXPECT_NE(bold->metrics().tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    // A width request scales the average character width.
    LOGFONTA wide = desc("Arial", -16);
    wide.lfWidth = 18;
    EXPECT_NEAR(create_font(wide)->metrics().tmAveCharWidth, 18, 1);
}

TEST(FontEngine, StockFontsAreFixedChoices) {
    auto fixed = stock_font(StockFont::system_fixed);
    auto dialog = stock_font(StockFont::dialog);
    ASSERT_TRUE(fixed && dialog);
    EXPECT_EQ(fixed->family(), "Liberation Mono");
    EXPECT_EQ(dialog->family(), "Liberation Sans");
    EXPECT_EQ(fixed, stock_font(StockFont::system_fixed));
    EXPECT_EQ(fixed->metrics().tmHeight, 16);
}

TEST(FontEngine, ExtentIsSumOfAdvances) {
    auto font = create_font(desc("Arial", -16));
    const std::string text = "Hello, W\xe9rld \x80 1";
    LONG sum = 0;
    for (char c : text)
        sum += font->advance(static_cast<unsigned char>(c));
    const SIZE e = font->extent(text);
    EXPECT_EQ(e.cx, sum);
    EXPECT_EQ(e.cy, font->metrics().tmHeight);
    EXPECT_EQ(font->extent("").cx, 0);
    auto mono = create_font(desc("Courier New", -16));
    EXPECT_EQ(mono->extent("iiiii").cx, mono->extent("WWWWW").cx);
    EXPECT_EQ(mono->extent("abc").cx, 3 * mono->advance('x'));
}

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

Ink ink_of(const Surface& s, Pixel bg) {
    Ink k;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (s.at(x, y) != bg) {
                k.left = std::min(k.left, x);
                k.right = std::max(k.right, x + 1);
                k.top = std::min(k.top, y);
                k.bottom = std::max(k.bottom, y + 1);
                ++k.count;
            }
    return k;
}

TEST(FontEngine, InkStaysInsideTheExtentBox) {
    for (const char* face : {"Courier New", "Arial", "Times New Roman"}) {
        auto font = create_font(desc(face, -16));
        const std::string text = "Quick brown fox, 1234 \xe4g";
        Surface s(300, 40, 0xFFFFFF);
        Painter p(s);
        p.set_origin(POINT{3, 2});
        const int x = 10, y = 20;
        const POINT adv = font->draw(p, x, y, text, 0x000080);
        const SIZE e = font->extent(text);
        EXPECT_EQ(adv.x, e.cx) << face;
        const Ink k = ink_of(s, 0xFFFFFF);
        ASSERT_GT(k.count, 50) << face;
        const int left = x + 3, base = y + 2;
        EXPECT_GE(k.left, left) << face;
        EXPECT_LE(k.right, left + e.cx) << face;
        EXPECT_GE(k.top, base - font->metrics().tmAscent) << face;
        EXPECT_LE(k.bottom, base + font->metrics().tmDescent) << face;
        EXPECT_GT(k.bottom, base) << face; // the descender of g goes below the baseline
    }
}

TEST(FontEngine, DrawingHonoursClipAndMapsCodePage) {
    auto font = create_font(desc("Arial", -20));
    Surface s(100, 30, 0);
    Painter p(s);
    p.set_clip({RECT{0, 0, 20, 30}});
    font->draw(p, 2, 22, "MMMMMMMM", 0xFFFFFF);
    const Ink k = ink_of(s, 0);
    EXPECT_GT(k.count, 0);
    EXPECT_LE(k.right, 20);
    // 0x80 is the euro sign in Windows-1252: it has a glyph, unlike the C1 control U+0080.
    Surface a(30, 30, 0), b(30, 30, 0);
    Painter pa(a), pb(b);
    font->draw(pa, 2, 22, "\x80", 0xFFFFFF);
    font->draw(pb, 2, 22, "?", 0xFFFFFF);
    EXPECT_GT(ink_of(a, 0).count, 10);
    EXPECT_NE(a.pixels, b.pixels);
}

TEST(FontEngine, BlendingKeepsChannelsApart) {
    auto font = create_font(desc("Times New Roman", -18));
    // Same colour as the background: nothing may change, whatever the coverage.
    Surface same(60, 30, 0x3C9A11);
    Painter ps(same);
    font->draw(ps, 2, 20, "Wag&%", 0x3C9A11);
    EXPECT_EQ(ink_of(same, 0x3C9A11).count, 0);
    // White on black gives greys only, with full white where coverage is complete.
    Surface grey(60, 30, 0);
    Painter pg(grey);
    font->draw(pg, 2, 20, "Wag&%", 0xFFFFFF);
    bool full = false;
    for (Pixel p : grey.pixels) {
        const Pixel r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
        ASSERT_TRUE(r == g && g == b) << std::hex << p;
        full = full || p == 0xFFFFFF;
    }
    EXPECT_TRUE(full);
}

} // namespace
} // namespace plat
