// The steps of a sweep at the ends of the numbers, and what a goal seek
// counts as showing its target.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shell/goal_seek.h"

using namespace tv;

TEST(SweepSteps, NeverLeaveTheRangeOfNumbers) {
    const double most = std::numeric_limits<double>::max();
    struct Case {
        double from, to;
        int steps;
        bool log;
        std::vector<double> expected;  // empty: only finite, in order
    };
    const std::vector<Case> cases = {
        {-1e308, 1e308, 4, false, {-1e308, -5e307, 0, 5e307, 1e308}},
        {-most, most, 2, false, {-most, 0, most}},
        {most, most, 3, false, {most, most, most, most}},
        {1e-200, 1e200, 4, true, {1e-200, 1e-100, 1, 1e100, 1e200}},
        {-1, -1000, 3, true, {-1, -10, -100, -1000}},
        {5, 50, 2, true, {5, std::sqrt(250.0), 50}},
        {1e-5, 1e-320, 4, true, {}},
        {4.9e-324, most, 7, true, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sweepRangeProblem(c.from, c.to, c.steps, c.log), "") << c.from << " " << c.to;
        const std::vector<double> xs = sweepInputs(c.from, c.to, c.steps, c.log);
        ASSERT_EQ(xs.size(), static_cast<size_t>(c.steps + 1));
        EXPECT_EQ(xs.front(), c.from);
        EXPECT_EQ(xs.back(), c.to);
        for (size_t i = 0; i < xs.size(); ++i) {
            ASSERT_TRUE(std::isfinite(xs[i])) << c.from << " " << c.to << " step " << i;
            if (!c.expected.empty()) {
                EXPECT_NEAR(xs[i], c.expected[i], std::fabs(c.expected[i]) * 1e-13);
            }
            if (i > 0 && c.from != c.to) {
                EXPECT_EQ(xs[i] > xs[i - 1], c.to > c.from);
            }
        }
    }
}

TEST(SweepSteps, RangesThatCannotBeSweptSayWhy) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(sweepRangeProblem(1e-5, 1e-320, 4, true), "");  // the product of the ends underflows
    EXPECT_EQ(sweepRangeProblem(-1, 1, 4, true),
              "A logarithmic sweep needs two ends of the same sign, neither of them zero.");
    EXPECT_EQ(sweepRangeProblem(0, 1, 4, true),
              "A logarithmic sweep needs two ends of the same sign, neither of them zero.");
    EXPECT_EQ(sweepRangeProblem(1, inf, 4, false), "The ends of a sweep must be finite numbers.");
    EXPECT_EQ(sweepRangeProblem(std::nan(""), 1, 4, true), "The ends of a sweep must be finite numbers.");
}

TEST(GoalSeekTarget, ShownToThePrecisionOfTheResult) {
    struct Case {
        const char* text;
        double value;
        bool shown;
    };
    const Case cases[] = {
        {"229.3650 Volts", 229.365, true},     {"229.3650 Volts", 229.36504, true},
        {"229.3650 Volts", 229.3656, false},   {"2266.9297 Volts", 229.365, false},
        {"1.50E+03 Hz", 1504, true},           {"1.50E+03 Hz", 1506, false},
        {"12 Ohms", 12.4, true},               {"12 Ohms", 12.6, false},
        {"N/A", 0, false},                     {"-0.0001 A", -0.0001, true},
        {"0.0000 A", 0.00004, true},           {"0.0000 A", 0.0001, false},
    };
    for (const Case& c : cases) EXPECT_EQ(showsValue(c.text, c.value), c.shown) << c.text << " / " << c.value;
}
