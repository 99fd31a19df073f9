// Rectangular and annular embedded resistors.
#include "calc/board/embedded_resistor_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tv::resistor;

namespace {

TEST(EmbeddedResistor, Strip) {
    Strip mils = strip(25, 100, 50, false);
    EXPECT_NEAR(mils.ohms, 50, 1e-9);
    EXPECT_NEAR(mils.area, 5000, 1e-6);
    Strip mm = strip(25, 2.54, 1.27, true);
    EXPECT_NEAR(mm.ohms, 50, 1e-9);
    EXPECT_NEAR(mm.area, 3.226, 5e-4);
}

TEST(EmbeddedResistor, StripWithoutWidthHasNoResistance) {
    EXPECT_FALSE(std::isfinite(strip(25, 100, 0, false).ohms));
    EXPECT_FALSE(std::isfinite(strip(25, 0, 0, true).ohms));
    EXPECT_EQ(strip(25, 100, 0, false).area, 0);
}

// Rs 25, Din 20, Rt 10: Dout = 20 * e^2.513272. The formula knows no unit, so
// millimetres give the same numbers.
TEST(EmbeddedResistor, Ring) {
    Ring r = ring(25, 20, 10);
    EXPECT_NEAR(r.outer, 246.905, 5e-4);
    EXPECT_NEAR(r.thickness, 226.905, 5e-4);
    EXPECT_NEAR(r.area, 190261.46, 5e-3);
}

TEST(EmbeddedResistor, RingEdges) {
    Ring zero = ring(25, 20, 0);
    EXPECT_EQ(zero.outer, 20);
    EXPECT_EQ(zero.thickness, 0);
    EXPECT_EQ(zero.area, 0);
    // A larger target grows the ring exponentially.
    EXPECT_NEAR(ring(25, 20, 20).outer / 20, std::pow(ring(25, 20, 10).outer / 20, 2), 1e-9);
    // Without sheet resistance there is no ring.
    EXPECT_FALSE(std::isfinite(ring(0, 20, 10).outer));
    EXPECT_FALSE(std::isfinite(ring(0, 20, 0).outer));
    EXPECT_FALSE(std::isfinite(ring(0, 0, 10).area));
}

}  // namespace
