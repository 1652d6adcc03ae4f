// The commands inside the running program: OK evaluates and shows, or leaves everything as it
// was; loading shows what a file holds, or nothing changes; saving writes the shown results.
#include <gtest/gtest.h>

#include <string>

#include "commands.h"
#include "demo_fixture.h"
#include "support/presented.h"
#include "support/temp_dir.h"

namespace {

using demotest::Demo;
using formaldrix::FileError;
using formaldrix::general;

const formaldrix::FormulaTexts Defaults{"1.0", "2.0", "2", "4", "-12.0", "12.0", 1};

// The result window's client area as the user sees it.
plat::Surface shown_results() {
    const HWND root = tess::window(0).frame;
    const plat::Surface all = testsupport::presented_surface(root);
    RECT c, f;
    GetWindowRect(tess::window(general.resultWindow).client, &c);
    GetWindowRect(root, &f);
    plat::Surface part(c.right - c.left, c.bottom - c.top);
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x)
            part.row(y)[x] = all.at(c.left - f.left + x, c.top - f.top + y);
    return part;
}

// Texts that do not convert leave the results and what the window shows as they were.
TEST_F(Demo, OkWithTextsThatDoNotConvertKeepsThePreviousResults) {
    const struct {
        const char* name;
        formaldrix::FormulaTexts texts;
    } cases[] = {
        {"abc in a", {"abc", "2.0", "2", "4", "-12.0", "12.0", 1}},
        {"abc in x (max.)", {"1.0", "2.0", "2", "4", "-12.0", "abc", 2}},
        {"4.5 in n", {"1.0", "2.0", "2", "4.5", "-12.0", "12.0", 1}},
        {"m = 0", {"1.0", "2.0", "0", "4", "-12.0", "12.0", 1}},
        {"an empty field", {"", "2.0", "2", "4", "-12.0", "12.0", 1}},
    };
    plat::Surface first;
    formaldrix::Points xs{}, ys{};
    at_start([&] {
        ASSERT_TRUE(formaldrix::evaluate_and_show(Defaults));
        xs = general.xs;
        ys = general.ys;
    });
    then([&] { first = shown_results(); });
    for (const auto& c : cases) {
        then([&] { EXPECT_FALSE(formaldrix::evaluate_and_show(c.texts)) << c.name; });
        then([&] {
            EXPECT_EQ(general.xs, xs) << c.name;
            EXPECT_EQ(general.ys, ys) << c.name;
            EXPECT_TRUE(shown_results().pixels == first.pixels) << c.name;
        });
    }
    run();
    EXPECT_EQ(ys[1], -0.8626814706838392);
}

TEST_F(Demo, OkTwiceShowsTheSameAndOtherValuesChangeIt) {
    plat::Surface first, again, other;
    at_start([&] { formaldrix::evaluate_and_show(Defaults); });
    then([&] {
        first = shown_results();
        formaldrix::evaluate_and_show(Defaults);
    });
    then([&] {
        again = shown_results();
        formaldrix::evaluate_and_show({"1.0", "2.0", "2", "4", "-12.0", "12.0", 2});
    });
    then([&] { other = shown_results(); });
    run();
    EXPECT_TRUE(again.pixels == first.pixels);
    EXPECT_FALSE(other.pixels == first.pixels);
}

// Saved results load back into a program that shows other ones, and the window opens for them
// if it was closed.
TEST_F(Demo, SaveThenLoadShowsTheSavedResults) {
    const std::string file = dir.file("ergebnis.dat");
    plat::Surface saved, loaded;
    FileError saving = FileError::CannotWrite, loading = FileError::CannotRead;
    at_start([&] { formaldrix::evaluate_and_show(Defaults); });
    then([&] {
        saved = shown_results();
        saving = formaldrix::save(file);
        formaldrix::evaluate_and_show({"3", "1", "1", "2", "0", "1", 2});
        PostMessageA(tess::window(general.resultWindow).frame, WM_CLOSE, 0, 0);
    });
    then([&] {
        ASSERT_EQ(general.resultWindow, -1);
        loading = formaldrix::load_and_show(file);
    });
    then([&] { loaded = shown_results(); });
    run();
    EXPECT_EQ(saving, FileError::None);
    EXPECT_EQ(loading, FileError::None);
    EXPECT_TRUE(loaded.pixels == saved.pixels);
    EXPECT_EQ(general.xs[0], 0.0);
}

TEST_F(Demo, ALoadThatFailsChangesNothing) {
    const std::string nineteen = dir.write("kurz.dat", "1 2 \n3 4\n5 6\n7 8\n9 10\n11 12\n13 14\n"
                                                       "15 16\n17 18\n19\n");
    const std::string text = dir.write("text.dat", "1 2\nabc 4\n");
    plat::Surface before;
    formaldrix::Points xs{};
    at_start([&] { formaldrix::evaluate_and_show(Defaults); });
    then([&] {
        before = shown_results();
        xs = general.xs;
        EXPECT_EQ(formaldrix::load_and_show(nineteen), FileError::TooFewNumbers);
        EXPECT_EQ(formaldrix::load_and_show(text), FileError::NotANumber);
        EXPECT_EQ(formaldrix::load_and_show(dir.file("fehlt.dat")), FileError::CannotOpen);
    });
    then([&] {
        EXPECT_EQ(general.xs, xs);
        EXPECT_TRUE(shown_results().pixels == before.pixels);
    });
    run();
}

} // namespace
