// The IPC-2141 and coplanar formulas of the conductor impedance calculator,
// against the default line (W 5, H/H1 10, H2/C/G 8 mils, T 0.7 mils, Er 4.6).
#include "calc/lines/impedance_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tv::lines;

namespace {

TEST(ImpedanceModel, DefaultLines) {
    // The embedded microstrip works in inches.
    EmbeddedMicrostrip e = embeddedMicrostrip(0.005, 0.0007, 0.010, 0.008, 4.6);
    EXPECT_NEAR(e.erPrime, 3.9373, 5e-5);
    EXPECT_NEAR(e.Z0, 70.1610, 5e-5);
    EXPECT_NEAR(embeddedDelay(e.erPrime), 167.8093, 5e-5);
    EXPECT_NEAR(striplineZ0(5, 0.7, 10, 4.6), 59.431, 5e-4);
    EXPECT_NEAR(dualStriplineZ0(5, 0.7, 10, 8, 4.6), 68.648, 5e-4);
    EXPECT_NEAR(coplanarWaveguide(5, 10, 8, 4.6).Z0, 86.6408, 5e-5);
    EXPECT_NEAR(striplineDelay(4.6), 181.7685, 5e-5);
}

// Only ratios enter the stripline and coplanar formulas.
TEST(ImpedanceModel, LengthUnitIsFree) {
    const double mm = 0.0254;
    EXPECT_NEAR(striplineZ0(5 * mm, 0.7 * mm, 10 * mm, 4.6), striplineZ0(5, 0.7, 10, 4.6), 1e-9);
    EXPECT_NEAR(coplanarWaveguide(5 * mm, 10 * mm, 8 * mm, 4.6).Z0, coplanarWaveguide(5, 10, 8, 4.6).Z0, 1e-9);
}

// Seven AGM steps: K(0) is pi/2 with pi as 3.14159; K grows towards k = 1,
// where it stays finite (the iteration stops).
TEST(ImpedanceModel, EllipticIntegral) {
    EXPECT_DOUBLE_EQ(ellipticK(0), 3.14159 / 2);
    EXPECT_NEAR(ellipticK(0.5), 1.685749, 5e-6);
    EXPECT_LT(ellipticK(0.9), ellipticK(0.99));
    EXPECT_TRUE(std::isfinite(ellipticK(1)));
    EXPECT_FALSE(std::isfinite(ellipticK(1.5)));
}

// The effective Er of the coplanar line lies between air and the substrate.
TEST(ImpedanceModel, CoplanarEffectiveEr) {
    for (double w : {0.5, 5.0, 20.0}) {
        Coplanar c = coplanarWaveguide(w, 10, 8, 4.6);
        EXPECT_GT(c.erEff, 1) << w;
        EXPECT_LT(c.erEff, 4.6) << w;
    }
}

TEST(ImpedanceModel, PerLength) {
    // The default microstrip: 83.6097 ohms at Er effective 2.902171.
    PerLength v = perLength(microstripDelay(2.902171), 83.6097);
    EXPECT_NEAR(v.Tpd, 144.3708, 5e-5);
    EXPECT_NEAR(v.Co, 1.7267, 5e-5);
    EXPECT_NEAR(v.Lo, 12.0708, 5e-5);
    // No impedance, no capacitance or inductance (not 0 from a division by infinity).
    for (double z : {INFINITY, -INFINITY, NAN}) {
        PerLength none = perLength(181.7685, z);
        EXPECT_FALSE(std::isfinite(none.Co));
        EXPECT_FALSE(std::isfinite(none.Lo));
    }
}

}  // namespace
