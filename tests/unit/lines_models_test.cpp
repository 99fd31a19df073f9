// The microstrip and offset-stripline models on their own.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "calc/lines/microstrip_model.h"
#include "calc/lines/stripline_model.h"

using namespace tv::lines;

namespace {

// W 5, H 10, T 2.1 (mils), Er 4.6 at 500 MHz: fn = 0.5 GHz * 0.254 mm.
constexpr MicrostripInput kLine{5, 10, 2.1, 4.6, 0.5 * 0.254};

TEST(Microstrip, WorkedExample) {
    MicrostripResult r = microstrip(kLine);
    EXPECT_NEAR(r.u1, 0.758024, 5e-7);
    EXPECT_NEAR(r.ur, 0.666855, 5e-7);
    EXPECT_NEAR(r.eeUr, 3.214067, 5e-7);
    EXPECT_NEAR(r.Z01u1, 142.4212, 5e-5);
    EXPECT_NEAR(r.Z01ur, 149.8838, 5e-5);
    EXPECT_NEAR(r.Z0s, 83.6041, 5e-5);
    EXPECT_NEAR(r.ee0, 2.901981, 5e-7);
    EXPECT_NEAR(r.eef, 2.902171, 5e-7);
    EXPECT_NEAR(r.Z0f, 83.6097, 5e-5);
}

// Only the ratios W/H and T/H enter: the same line in millimetres gives the
// same numbers.
TEST(Microstrip, LengthUnitIsFree) {
    MicrostripInput mm = kLine;
    mm.W *= 0.0254, mm.H *= 0.0254, mm.T *= 0.0254;
    MicrostripResult a = microstrip(kLine), b = microstrip(mm);
    EXPECT_NEAR(a.Z0f, b.Z0f, 1e-9);
    EXPECT_NEAR(a.eef, b.eef, 1e-12);
}

TEST(Microstrip, ZeroFrequencyIsTheStaticLine) {
    MicrostripInput in = kLine;
    in.f = 0;
    MicrostripResult r = microstrip(in);
    EXPECT_EQ(r.eef, r.ee0);
    EXPECT_DOUBLE_EQ(r.Z0f, r.Z0s);
    EXPECT_NEAR(r.Z0s, 83.6041, 5e-5);
}

// For every fn >= 0 the effective permittivity lies in [ee0, er), and it
// never falls as the frequency rises.
TEST(Microstrip, DispersionStaysBetweenStaticAndSubstrate) {
    for (double er : {1.01, 2.2, 4.6, 10.2}) {
        for (double w : {0.5, 5.0, 50.0}) {
            double last = 0;
            for (double fn : {0.0, 0.01, 0.127, 1.0, 10.0, 100.0, 1000.0}) {
                MicrostripResult r = microstrip({w, 10, 1.4, er, fn});
                EXPECT_GE(r.eef, r.ee0) << er << " " << w << " " << fn;
                EXPECT_LT(r.eef, er) << er << " " << w << " " << fn;
                EXPECT_GE(r.eef, last);
                last = r.eef;
            }
        }
    }
}

// A thicker conductor changes the static line but not the dispersion terms,
// which take W/H before any correction.
TEST(Microstrip, ThicknessLowersTheImpedance) {
    MicrostripInput thick = kLine;
    thick.T = 4.2;
    EXPECT_LT(microstrip(thick).Z0s, microstrip(kLine).Z0s);
}

// Outside the model (no conductor thickness, no width) nothing finite comes back.
TEST(Microstrip, OutsideTheModelIsNotFinite) {
    MicrostripInput in = kLine;
    in.T = 0;
    EXPECT_FALSE(std::isfinite(microstrip(in).Z0f));
    in = kLine;
    in.W = 0;
    EXPECT_FALSE(std::isfinite(microstrip(in).Z0f));
}

// W 5, T 0.7, H1 10, H2 8 (mils), Er 4.6: 5/18 is narrow; W 10 is wide.
TEST(OffsetStripline, NarrowAndWideExamples) {
    StriplineResult narrow = offsetStripline({5, 0.7, 10, 8, 4.6});
    EXPECT_EQ(narrow.mode, StriplineMode::Narrow);
    EXPECT_NEAR(narrow.Z0, 56.467, 5e-4);
    StriplineResult wide = offsetStripline({10, 0.7, 10, 8, 4.6});
    EXPECT_EQ(wide.mode, StriplineMode::Wide);
    EXPECT_NEAR(wide.Z0, 43.871, 5e-4);
}

// The threshold compares W with H1 + H2 (not the plane separation), and
// exactly 0.35 is wide.
TEST(OffsetStripline, ModeThreshold) {
    struct Case {
        double W, T, H1, H2;
        StriplineMode mode;
    } cases[] = {
        {7, 0.7, 10, 10, StriplineMode::Wide},      // 7/20 = 0.35
        {6.99, 0.7, 10, 10, StriplineMode::Narrow},
        {3.5, 5, 5, 5, StriplineMode::Wide},        // 3.5/10 although 3.5/15 < 0.35
    };
    for (const auto& c : cases)
        EXPECT_EQ(offsetStripline({c.W, c.T, c.H1, c.H2, 4.6}).mode, c.mode) << c.W;
}

TEST(OffsetStripline, HeightsAreSwapSymmetric) {
    for (double w : {2.0, 5.0, 10.0, 30.0}) {
        StriplineResult a = offsetStripline({w, 1.4, 12, 5, 3.8});
        StriplineResult b = offsetStripline({w, 1.4, 5, 12, 3.8});
        EXPECT_DOUBLE_EQ(a.Z0, b.Z0) << w;
        EXPECT_EQ(a.mode, b.mode);
    }
}

// In the wide form a thicker conductor lowers the impedance.
TEST(OffsetStripline, ThicknessLowersTheWideImpedance) {
    EXPECT_LT(offsetStripline({10, 1.4, 10, 8, 4.6}).Z0, offsetStripline({10, 0.7, 10, 8, 4.6}).Z0);
}

// Edges of the forms' domain: no finite number, never a crash.
TEST(OffsetStripline, OutsideTheFormsIsNotFinite) {
    struct Case {
        double W, T, H1, H2;
    } cases[] = {
        {10, 0, 10, 8},     // wide, rho = 0
        {10, 10, 10, 8},    // wide, rho = 1
        {1, 0.7, 0.01, 8},  // narrow, conductor on top of a plane (x < 1)
        {5, 0.7, 0, 0},     // no heights at all
    };
    for (const auto& c : cases)
        EXPECT_FALSE(std::isfinite(offsetStripline({c.W, c.T, c.H1, c.H2, 4.6}).Z0))
            << c.W << " " << c.T << " " << c.H1;
}

}  // namespace
