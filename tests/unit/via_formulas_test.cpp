// The via field quantities and the differential-via model on their own.
#include "calc/board/via_formulas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/board/via.h"

using namespace tv::via;

namespace {

// The start-up via: hole 10, pad 20, opening 40, height 62, plating 1 (mils), Er 4.6.
constexpr double kHole = 0.010, kPad = 0.020, kOpening = 0.040, kHeight = 0.062;

TEST(ViaFormulas, StartUpVia) {
    EXPECT_NEAR(barrelArea(10, 1), 34.5575, 5e-5);
    double c = capacitance(4.6, kHeight, kPad, kOpening);
    double l = inductance(kHeight, kHole);
    EXPECT_NEAR(c, 0.4021, 5e-5);
    EXPECT_NEAR(l, 1.3262, 5e-5);
    // Worked by hand: Z = sqrt(L / C), f = 1 / (2 pi sqrt(LC)), T10-90 = 1.1 C Z.
    double z = impedance(l, c);
    EXPECT_NEAR(z, 57.429, 5e-4);
    EXPECT_NEAR(resonantFrequency(l, c), 6891.661, 5e-4);
    EXPECT_NEAR(stepResponse(c, z), 25.4032, 5e-5);
    EXPECT_NEAR(thermalResistance(62, 34.5575), 179.3, 0.05);
}

TEST(ViaFormulas, CapacitanceIsClampedWhenTheOpeningIsNotWiderThanThePad) {
    EXPECT_EQ(capacitance(4.6, kHeight, 0.300, 0.282), 0);
    EXPECT_TRUE(std::isinf(capacitance(4.6, kHeight, 0.300, 0.300)));
}

// Below a height of hole / (4e) the logarithm is under -1 and the formula
// goes negative; the inductance stops at 0.
TEST(ViaFormulas, InductanceOfAVeryShortViaIsZero) {
    double edge = kHole / (4 * std::exp(1.0));
    struct Case {
        double height;
        bool zero;
    } cases[] = {{edge * 0.5, true}, {edge * 0.999, true}, {edge * 1.001, false}, {kHeight, false}};
    for (const auto& c : cases) {
        double l = inductance(c.height, kHole);
        EXPECT_GE(l, 0) << c.height;
        EXPECT_EQ(l == 0, c.zero) << c.height;
    }
}

// Without inductance or capacitance the derived quantities have no finite value
// (the panel shows "N/A" for them).
TEST(ViaFormulas, DerivedQuantitiesOfAZeroLOrC) {
    EXPECT_TRUE(std::isinf(resonantFrequency(0, 0.4)));
    EXPECT_TRUE(std::isinf(resonantFrequency(1.3, 0)));
    EXPECT_TRUE(std::isinf(impedance(1.3, 0)));
    EXPECT_TRUE(std::isnan(stepResponse(0, impedance(1.3, 0))));
    EXPECT_EQ(impedance(0, 0.4), 0);
}

TEST(DifferentialVia, Defaults) {
    DifferentialVia v = differentialVia(10, 60, 40, 62, 4.6, 18, 1);
    EXPECT_NEAR(v.erAverage, 5.014, 1e-12);
    EXPECT_NEAR(v.oddMode, 53.838, 5e-4);
    EXPECT_NEAR(v.differential, 107.677, 5e-4);
    EXPECT_NEAR(v.erEffective, 7.626, 5e-4);
    EXPECT_NEAR(v.stubInches * 1000, 304.186, 5e-4);
    EXPECT_NEAR(v.stubInches * 25.4, 7.726, 5e-4);
}

TEST(DifferentialVia, OnlyRatiosOfLengthsEnter) {
    DifferentialVia mils = differentialVia(10, 60, 40, 62, 4.6, 18, 1);
    DifferentialVia mm = differentialVia(0.254, 1.524, 1.016, 1.5748, 4.6, 18, 1);
    EXPECT_NEAR(mils.differential, mm.differential, 1e-9);
    EXPECT_NEAR(mils.erEffective, mm.erEffective, 1e-12);
}

TEST(DifferentialVia, StubLengthFollowsTheBaudRate) {
    double one = differentialVia(10, 60, 40, 62, 4.6, 18, 1).stubInches;
    EXPECT_NEAR(differentialVia(10, 60, 40, 62, 4.6, 18, 2).stubInches, one / 2, 1e-12);
    EXPECT_TRUE(std::isinf(differentialVia(10, 60, 40, 62, 4.6, 18, 0).stubInches));
}

}  // namespace
