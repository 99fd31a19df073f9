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

TEST(ConductorModel, ResistivityRisesOnceFromTwentyDegrees) {
    // A 10 x 1.4 mil trace (14 sq mils) 1000 mils long, or 25.4 mm in metric,
    // where the resistivity takes mm over sq mils. No steps between degrees.
    const double areaMetric = 0.254 * 0.03556 * 1550;
    struct Case {
        double tc, rhoImperial, ohms;
    } cases[] = {
        {20, 0.0006787, 0.04848}, {21, 0.00068137, 0.04867}, {41, 0.00073471, 0.05248},
        {61, 0.00078806, 0.05629}, {-40, 0.00051866, 0.03705},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(copperResistivity(c.tc, false), c.rhoImperial, 5e-9) << c.tc;
        EXPECT_NEAR(copperResistivity(c.tc, true), c.rhoImperial * 39.37, 1e-6) << c.tc;
        EXPECT_NEAR(conductorLosses(copperResistivity(c.tc, false), 1000, 14, 1).resistance, c.ohms, 5e-6) << c.tc;
        EXPECT_NEAR(conductorLosses(copperResistivity(c.tc, true), 25.4, areaMetric, 1).resistance, c.ohms, 5e-6)
            << c.tc;
    }
    EXPECT_EQ(copperResistivity(20, false), 0.0006787);
    EXPECT_EQ(copperResistivity(20, true), 0.02672);
}

TEST(ConductorModel, LossesAtACurrent) {
    // The 14 sq mil trace at 42 degrees C carrying 2 A: R 0.052670 ohms,
    // P = 4 R, V = 2 R, and 210.68 mW is 23.2362 dBm.
    const ConductorLosses l = conductorLosses(copperResistivity(42, false), 1000, 14, 2);
    EXPECT_NEAR(l.resistance, 0.0526700, 5e-8);
    EXPECT_NEAR(l.power, 0.2106801, 5e-8);
    EXPECT_NEAR(l.voltage, 0.1053401, 5e-8);
    EXPECT_NEAR(l.dBm, 23.23624, 5e-6);
    // The start-up via: 34.5575 sq mils of barrel, 62 mils high, 1.1698 A.
    const double barrel = 3.14159265358979 / 4 * (12 * 12 - 10 * 10);
    const ConductorLosses via = conductorLosses(copperResistivity(42, false), 62, barrel, 1.16979);
    EXPECT_NEAR(via.resistance, 0.00132294, 5e-9);
    EXPECT_NEAR(via.voltage * 1000, 1.54756, 5e-5);
    // No current, no power: minus infinity dBm, which the panel shows as N/A.
    EXPECT_TRUE(std::isinf(conductorLosses(0.0006787, 1000, 14, 0).dBm));
}
