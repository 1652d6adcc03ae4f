// fontconfig's answers kept between runs: the file's format, its stamp, and the font engine
// taking its faces from it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "gdi/face_cache.h"
#include "gdi/font_engine.h"
#include "support/temp_dir.h"

namespace plat {
namespace {

const std::vector<FaceAnswer> answers = {
    {{"Liberation Sans", true, false}, {"/fonts/LiberationSans-Bold.ttf", 0, "Liberation Sans"}},
    {{"Liberation Mono", false, true}, {"/fonts/LiberationMono-Italic.ttf", 2, "Liberation Mono"}},
};

bool same(const std::vector<FaceAnswer>& a, const std::vector<FaceAnswer>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].query.family != b[i].query.family || a[i].query.bold != b[i].query.bold ||
            a[i].query.italic != b[i].query.italic || a[i].face.path != b[i].face.path ||
            a[i].face.index != b[i].face.index || a[i].face.family != b[i].face.family)
            return false;
    return true;
}

TEST(FaceCache, FormatReadsBackUnderItsOwnStampOnly) {
    const std::string text = format_face_cache("stamp A", answers);
    EXPECT_TRUE(same(parse_face_cache(text, "stamp A"), answers));
    EXPECT_TRUE(parse_face_cache(text, "stamp B").empty());
    EXPECT_TRUE(parse_face_cache("", "stamp A").empty());
    EXPECT_TRUE(parse_face_cache("something else\nstamp A\n", "stamp A").empty());
}

// Lines that are not answers are skipped; the good ones around them are kept.
TEST(FaceCache, DamagedLinesAreSkipped) {
    const char* damaged[] = {
        "Liberation Sans\t1\t0\t/f.ttf\t0",               // a field short
        "Liberation Sans\t1\t0\t/f.ttf\t0\tx\ty",         // a field over
        "Liberation Sans\t2\t0\t/f.ttf\t0\tLiberation",   // weight not 0 or 1
        "Liberation Sans\t1\tyes\t/f.ttf\t0\tLiberation", // slant not 0 or 1
        "Liberation Sans\t1\t0\t/f.ttf\t-1\tLiberation",  // negative index
        "Liberation Sans\t1\t0\t/f.ttf\t3x\tLiberation",  // index not a number
        "Liberation Sans\t1\t0\t\t0\tLiberation",         // no path
        "\t1\t0\t/f.ttf\t0\tLiberation",                  // no family asked for
    };
    const std::string good = format_face_cache("s", answers);
    const std::size_t cut = good.find('\n', good.find('\n') + 1) + 1; // after the stamp
    for (const char* line : damaged) {
        const std::string text = good.substr(0, cut) + line + "\n" + good.substr(cut);
        EXPECT_TRUE(same(parse_face_cache(text, "s"), answers)) << line;
    }
    // Names that would break the format are not written.
    const std::vector<FaceAnswer> odd = {{{"Tab\tFamily", false, false}, {"/f.ttf", 0, "F"}}};
    EXPECT_TRUE(parse_face_cache(format_face_cache("s", odd), "s").empty());
}

TEST(FaceCache, RememberedAnswersAreFoundByTheNextRun) {
    testsupport::TempDir dir;
    const std::string path = dir.file("cache/tessaramond/faces");
    {
        FaceCache first(path, "s1");
        EXPECT_FALSE(first.find(answers[0].query));
        first.remember(answers[0].query, answers[0].face, "s1");
        first.remember(answers[1].query, answers[1].face, "s1");
        // A second answer to the same question replaces the first.
        first.remember(answers[1].query, answers[0].face, "s1");
    }
    const FaceCache next(path, "s1");
    ASSERT_TRUE(next.find(answers[1].query));
    EXPECT_EQ(next.find(answers[1].query)->path, answers[0].face.path);
    EXPECT_FALSE(next.find({"Liberation Sans", false, false})); // another weight
    EXPECT_FALSE(FaceCache(path, "s2").find(answers[0].query)); // fonts changed since
    // Only the file itself is left, no temporary beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.file("cache/tessaramond")))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

// The font engine, with the cache in a folder of the test's own.
class FaceCacheInUse : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* v = std::getenv("XDG_CACHE_HOME")) saved_ = v, hadSaved_ = true;
        ::setenv("XDG_CACHE_HOME", dir.path().c_str(), 1);
        shutdown_fonts();
    }
    void TearDown() override {
        shutdown_fonts();
        if (hadSaved_)
            ::setenv("XDG_CACHE_HOME", saved_.c_str(), 1);
        else
            ::unsetenv("XDG_CACHE_HOME");
    }
    std::shared_ptr<Font> arial() {
        LOGFONTA lf{};
        lf.lfHeight = -16;
        std::strcpy(lf.lfFaceName, "Arial");
        return create_font(lf);
    }

    testsupport::TempDir dir;
    std::string saved_;
    bool hadSaved_ = false;
};

TEST_F(FaceCacheInUse, AnswersAreWrittenAndThenUsed) {
    const auto first = arial();
    ASSERT_TRUE(first);
    const FaceQuery query{"Liberation Sans", false, false};
    const auto written = FaceCache(face_cache_path(), fontconfig_stamp()).find(query);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->path, first->file());

    // A remembered answer is taken as it is: here another face the machine has.
    LOGFONTA dejavu{};
    std::strcpy(dejavu.lfFaceName, "DejaVu Sans");
    const auto other = create_font(dejavu);
    ASSERT_TRUE(other);
    FaceCache(face_cache_path(), "unused")
        .remember(query, {other->file(), 0, other->family()}, fontconfig_stamp());
    shutdown_fonts();
    EXPECT_EQ(arial()->file(), other->file());
}

TEST_F(FaceCacheInUse, AFaceThatIsGoneIsAskedForAgain) {
    const FaceQuery query{"Liberation Sans", false, false};
    FaceCache(face_cache_path(), "unused")
        .remember(query, {dir.file("gone.ttf"), 0, "Gone"}, fontconfig_stamp());
    const auto font = arial();
    ASSERT_TRUE(font);
    EXPECT_NE(font->file().find("LiberationSans-Regular"), std::string::npos);
    const auto mended = FaceCache(face_cache_path(), fontconfig_stamp()).find(query);
    ASSERT_TRUE(mended);
    EXPECT_EQ(mended->path, font->file());
}

} // namespace
} // namespace plat
