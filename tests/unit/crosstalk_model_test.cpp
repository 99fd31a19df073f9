// The crosstalk coefficient and coupled voltage on their own.
#include "calc/lines/crosstalk_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tv::lines;

namespace {

// The panel defaults in inches: 1 ns, 5 V, L 250, S 10, H 30, H1 20, H2 10 mils.
CrosstalkInput defaults(bool stripline) {
    CrosstalkInput in;
    in.riseNs = 1;
    in.volts = 5;
    in.length = 0.25;
    in.spacing = 0.010;
    in.height = 0.030;
    in.h1 = 0.020;
    in.h2 = 0.010;
    in.er = 4.6;
    in.stripline = stripline;
    return in;
}

TEST(Crosstalk, Defaults) {
    CrosstalkResult m = crosstalk(defaults(false));
    EXPECT_NEAR(m.roundTripNs, 0.071600, 5e-7);
    EXPECT_NEAR(m.dB, -23.81689, 5e-6);
    EXPECT_NEAR(m.volts, 0.32220, 5e-6);
    CrosstalkResult s = crosstalk(defaults(true));
    EXPECT_NEAR(s.coupling, 0.0716 / 5.5, 1e-5);
    EXPECT_NEAR(s.dB, -37.70900, 5e-6);
    EXPECT_NEAR(s.volts, 0.06509, 5e-6);
}

// A long coupled section saturates at the geometric factor; k exactly 1 is
// the same value from the scaled side.
TEST(Crosstalk, SaturatesWhenTheSectionIsElectricallyLong) {
    CrosstalkInput in = defaults(false);
    in.length = 10;
    CrosstalkResult r = crosstalk(in);
    EXPECT_NEAR(r.dB, -0.91515, 5e-6);
    EXPECT_NEAR(r.volts, 4.5, 1e-12);
    in.riseNs = crosstalk(in).roundTripNs;  // k = 1
    EXPECT_NEAR(crosstalk(in).coupling, 0.9, 1e-12);
}

TEST(Crosstalk, ZeroSpacingCouplesFully) {
    CrosstalkInput in = defaults(false);
    in.spacing = 0;
    EXPECT_NEAR(crosstalk(in).coupling, 0.0716, 1e-6);
    in.length = 10;
    EXPECT_NEAR(crosstalk(in).dB, 0, 1e-12);
}

TEST(Crosstalk, StripHeightCheck) {
    EXPECT_TRUE(stripHeightTooSmall(15, 20, 10));
    EXPECT_TRUE(stripHeightTooSmall(20, 20, 10));
    EXPECT_TRUE(stripHeightTooSmall(10, 5, 10));
    EXPECT_FALSE(stripHeightTooSmall(30, 20, 10));
}

// Inputs that describe no coupled pair give neither coefficient nor voltage.
TEST(Crosstalk, NoFiniteValue) {
    struct Case {
        const char* what;
        bool stripline;
        void (*change)(CrosstalkInput&);
    } cases[] = {
        {"zero rise time", false, [](CrosstalkInput& in) { in.riseNs = 0; }},
        {"negative rise time", false, [](CrosstalkInput& in) { in.riseNs = -1; }},
        {"zero length", false, [](CrosstalkInput& in) { in.length = 0; }},
        {"negative length", true, [](CrosstalkInput& in) { in.length = -0.25; }},
        {"zero height", false, [](CrosstalkInput& in) { in.height = 0; }},
        {"negative spacing", false, [](CrosstalkInput& in) { in.spacing = -0.01; }},
        {"H1 = H", true, [](CrosstalkInput& in) { in.h1 = in.height; }},
        {"H2 zero", true, [](CrosstalkInput& in) { in.h2 = 0; }},
        {"er without a root", false, [](CrosstalkInput& in) { in.er = -2; }},
    };
    for (const auto& c : cases) {
        CrosstalkInput in = defaults(c.stripline);
        c.change(in);
        CrosstalkResult r = crosstalk(in);
        EXPECT_TRUE(std::isnan(r.dB) && std::isnan(r.volts)) << c.what;
    }
    // A microstrip ignores the stripline heights.
    CrosstalkInput in = defaults(false);
    in.h1 = in.h2 = 0;
    EXPECT_TRUE(std::isfinite(crosstalk(in).volts));
}

}  // namespace
