// The conductor formulas against numbers worked by hand.
#include "calc/conductor/conductor_model.h"

#include <gtest/gtest.h>

#include "calc/conductor/fusing_model.h"

using namespace tv;

TEST(ConductorModel, CrossSectionAndItsInverse) {
    // The start-up conductor: 10 mils wide, 2.1 mils of copper.
    EXPECT_NEAR(crossSection(10, 2.1, true), 16.59, 1e-12);
    EXPECT_NEAR(crossSection(10, 2.1, false), 21.0, 1e-12);
    EXPECT_NEAR(widthForArea(16.59, 2.1, true), 10.0, 1e-12);
    EXPECT_NEAR(widthForArea(21.0, 2.1, false), 10.0, 1e-12);
}

TEST(ConductorModel, SkinDepthOfCopper) {
    // sqrt(rho / (pi f mu0)) with rho 1.72e-8: 66.006 um at 1 MHz, a tenth of
    // it at 100 MHz.
    EXPECT_NEAR(skinDepthMicrons(1), 66.006, 5e-4);
    EXPECT_NEAR(skinDepthMicrons(100), 6.6006, 5e-5);
    EXPECT_FALSE(std::isfinite(skinDepthMicrons(0)));
}

TEST(FusingModel, ReducedOnderdonk) {
    // 10 mils x 2.1 mils = 21 sq mils: 0.188 * 21 = 3.948 A in one second.
    EXPECT_NEAR(fusingCurrent(21, 1), 3.948, 1e-12);
    EXPECT_NEAR(fusingCurrent(21, 4), 1.974, 1e-12);
    EXPECT_FALSE(std::isfinite(fusingCurrent(21, 0)));
    EXPECT_FALSE(std::isfinite(fusingCurrent(21, -1)));
}
