// The formula's evaluation and the conversion of the dialog's texts into its parameters.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "formula.h"
#include "general.h"

namespace {

using formaldrix::evaluate;
using formaldrix::Parameters;
using formaldrix::Points;

// The dialog's initial contents: a 1.0, b 2.0, "+", m 2, n 4, range -12.0 to 12.0.
const Parameters Defaults{1.0, 2.0, 1.0, 2, 4, -12.0, 12.0};

TEST(Formula, DefaultsGiveTheKnownPointsToTheLastDigit) {
    Points xs{}, ys{};
    evaluate(Defaults, xs, ys);
    const struct {
        int i;
        double x, y;
    } known[] = {
        {1, -12.0, -0.8626814706838392},
        {6, 1.3333333333333313, 8.675036340189203},
        {10, 11.999999999999996, 0.6714111660537121}, // short of 12 by the repeated addition
    };
    for (const auto& k : known) {
        EXPECT_EQ(xs[k.i], k.x) << k.i;
        EXPECT_EQ(ys[k.i], k.y) << k.i;
    }
    EXPECT_EQ(xs[0], 0.0); // index 0 is not a point
}

// Each case changes the defaults and says what every point must then satisfy.
TEST(Formula, EdgesOfTheParameters) {
    Points base_x{}, base_y{};
    evaluate(Defaults, base_x, base_y);
    const auto with = [](auto change) {
        Parameters p = Defaults;
        change(p);
        return p;
    };
    const struct {
        const char* name;
        Parameters p;
        double (*expected_x)(int);
        bool y_zero;
    } cases[] = {
        {"n = 0", with([](Parameters& p) { p.n = 0; }), nullptr, true},
        {"n < 0", with([](Parameters& p) { p.n = -3; }), nullptr, true},
        {"xmin = xmax", with([](Parameters& p) { p.xmin = p.xmax = 2.5; }), [](int) { return 2.5; },
         false},
    };
    for (const auto& c : cases) {
        Points xs{}, ys{};
        ys.fill(7.0);
        evaluate(c.p, xs, ys);
        for (int i = 1; i <= 10; ++i) {
            // x is filled whatever n is.
            const double x = c.expected_x ? c.expected_x(i) : base_x[i];
            EXPECT_EQ(xs[i], x) << c.name << " " << i;
            if (c.y_zero) {
                EXPECT_EQ(ys[i], 0.0) << c.name << " " << i;
            }
        }
    }
}

TEST(Formula, ARangeGivenBackwardsRunsDownwards) {
    Points xs{}, ys{};
    evaluate({1.0, 2.0, 1.0, 2, 4, 12.0, -12.0}, xs, ys);
    EXPECT_EQ(xs[1], 12.0);
    for (int i = 2; i <= 10; ++i)
        EXPECT_LT(xs[i], xs[i - 1]) << i;
    EXPECT_NEAR(xs[10], -12.0, 1e-14);
}

TEST(Formula, MinusSignTurnsTheCosineTerms) {
    Points xs{}, plus{}, minus{}, sines{}, cosines{};
    evaluate(Defaults, xs, plus);
    Parameters p = Defaults;
    p.s = -1.0;
    evaluate(p, xs, minus);
    p.b = 0.0;
    evaluate(p, xs, sines);
    p = Defaults;
    p.a = 0.0;
    evaluate(p, xs, cosines);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_NEAR(plus[i], sines[i] + cosines[i], 1e-12) << i;
        EXPECT_NEAR(minus[i], sines[i] - cosines[i], 1e-12) << i;
    }
    EXPECT_NE(plus[1], minus[1]);
}

// Texts as the dialog holds them: a, b, m, n, xmin, xmax and the checked sign button.
struct ConvertCase {
    const char* name;
    formaldrix::FormulaTexts texts;
    bool ok;
    Parameters expected; // the state afterwards, values converted before a failure included
};

TEST(Formula, ConversionStoresInOrderAndStopsAtTheFirstFailure) {
    const Parameters before{9, 9, 1, 9, 9, 9, 9};
    const ConvertCase cases[] = {
        {"defaults", {"1.0", "2.0", "2", "4", "-12.0", "12.0", 1}, true, Defaults},
        {"minus", {"1.0", "2.0", "2", "4", "-12.0", "12.0", 2}, true, {1, 2, -1, 2, 4, -12, 12}},
        {"no button counts as plus",
         {"1", "2", "2", "4", "0", "1", 0},
         true,
         {1, 2, 1, 2, 4, 0, 1}},
        {"trailing words and a comma",
         {"2.0 abc", "2,5", "3", "1", "0", "1", 1},
         true,
         {2, 2, 1, 3, 1, 0, 1}},
        {"abc in a", {"abc", "2.0", "2", "4", "-12.0", "12.0", 1}, false, {9, 9, 1, 9, 9, 9, 9}},
        {"abc in b", {"5", "abc", "2", "4", "-12.0", "12.0", 1}, false, {5, 9, 1, 9, 9, 9, 9}},
        {"m = 0", {"5", "6", "0", "4", "-12.0", "12.0", 1}, false, {5, 6, 1, 9, 9, 9, 9}},
        {"4.5 in n", {"5", "6", "3", "4.5", "-12.0", "12.0", 1}, false, {5, 6, 1, 3, 9, 9, 9}},
        {"empty xmax", {"5", "6", "3", "4", "1", "", 2}, false, {5, 6, -1, 3, 4, 1, 9}},
    };
    for (const auto& c : cases) {
        formaldrix::General g;
        g.a = before.a, g.b = before.b, g.m = before.m, g.n = before.n, g.xmin = before.xmin,
        g.xmax = before.xmax;
        g.xs.fill(5.0);
        g.ys.fill(6.0);
        EXPECT_EQ(formaldrix::convert_parameters(c.texts, g), c.ok) << c.name;
        const Parameters got{g.a, g.b, g.s, g.m, g.n, g.xmin, g.xmax};
        const Parameters& e = c.expected;
        EXPECT_EQ(got.a, e.a) << c.name;
        EXPECT_EQ(got.b, e.b) << c.name;
        EXPECT_EQ(got.s, e.s) << c.name;
        EXPECT_EQ(got.m, e.m) << c.name;
        EXPECT_EQ(got.n, e.n) << c.name;
        EXPECT_EQ(got.xmin, e.xmin) << c.name;
        EXPECT_EQ(got.xmax, e.xmax) << c.name;
        for (int i = 0; i <= 10; ++i) { // the results are not the conversion's business
            EXPECT_EQ(g.xs[i], 5.0) << c.name;
            EXPECT_EQ(g.ys[i], 6.0) << c.name;
        }
    }
}

} // namespace
