// The differential pair impedances on their own.
#include "calc/lines/differential_pair_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tv::lines;

namespace {

// The panel defaults (W 10, S 5, H 15, H2 5 mils), er 4.6, base copper
// 0.7 mils, plating 1.4 mils (counted on the external layer only).
PairInput defaults(PairGeometry g) {
    PairInput in;
    in.geometry = g;
    in.w = 10;
    in.s = 5;
    in.h = 15;
    in.h2 = 5;
    in.t = g == PairGeometry::EdgeExternal ? 2.1 : 0.7;
    in.er = 4.6;
    return in;
}

PairInput inMillimetres(PairInput in) {
    for (double* v : {&in.w, &in.s, &in.h, &in.h2, &in.t}) *v = *v * 25.4 / 1000;
    in.metric = true;
    return in;
}

struct Golden {
    PairGeometry geometry;
    double zo, zdiff, widthRatio, spacingRatio;
};
const Golden kGolden[] = {
    {PairGeometry::EdgeExternal, 77.504, 100.979, 0.667, 0.333},
    {PairGeometry::EdgeInternalSym, 33.200, 56.955, 0.667, 0.333},
    {PairGeometry::EdgeInternalAsym, 36.650, 59.693, 0.483, 0.242},
    {PairGeometry::EdgeEmbedded, 102.753, 167.737, 2.000, 1.000},
    {PairGeometry::BroadShielded, NAN, 43.730, 0.667, 0.333},
    {PairGeometry::BroadUnshielded, NAN, 47.315, 0.667, 0.333},
};

void expectGolden(const Golden& g, const PairResult& r, double zTolerance, const char* units) {
    SCOPED_TRACE(testing::Message() << units << " geometry " << static_cast<int>(g.geometry));
    if (std::isnan(g.zo))
        EXPECT_TRUE(std::isnan(r.zo));
    else
        EXPECT_NEAR(r.zo, g.zo, zTolerance);
    EXPECT_NEAR(r.zdiff, g.zdiff, zTolerance);
    EXPECT_NEAR(r.widthRatio, g.widthRatio, 5e-4);
    EXPECT_NEAR(r.spacingRatio, g.spacingRatio, 5e-4);
}

TEST(DifferentialPair, ReferencePairs) {
    for (const auto& g : kGolden) expectGolden(g, differentialPair(defaults(g.geometry)), 5e-4, "mils");
}

// The same pair in millimetres: the same impedances, except the centred
// stripline, whose metric form uses 1.9 for 4 / (0.67 pi) (about 0.02 % apart
// in the logarithm's argument).
TEST(DifferentialPair, MetricGivesTheSamePair) {
    for (const auto& g : kGolden) {
        const bool own = g.geometry == PairGeometry::EdgeInternalSym;
        expectGolden(g, differentialPair(inMillimetres(defaults(g.geometry))), own ? 0.02 : 5e-4, "mm");
    }
    PairResult sym = differentialPair(inMillimetres(defaults(PairGeometry::EdgeInternalSym)));
    EXPECT_NEAR(sym.zo, 60 / std::sqrt(4.6) * std::log(1.9 * 15 / 8.7), 1e-9);
}

TEST(DifferentialPair, BroadsideHeightCheck) {
    EXPECT_TRUE(broadsideHeightTooSmall(6, 0.7, 5));
    EXPECT_TRUE(broadsideHeightTooSmall(6.4, 0.7, 5));
    EXPECT_FALSE(broadsideHeightTooSmall(6.5, 0.7, 5));
    EXPECT_NEAR(broadsideHeight(0.7, 5), 7.8, 1e-12);
}

TEST(DifferentialPair, ToleranceBand) {
    ASSERT_EQ(std::size(kToleranceSteps), 10u);
    EXPECT_STREQ(kToleranceSteps[0].text, "2.5%");
    EXPECT_EQ(kToleranceSteps[0].plus, 1.025);
    EXPECT_EQ(kToleranceSteps[0].minus, 0.975);
    EXPECT_STREQ(kToleranceSteps[9].text, "25%");
    EXPECT_EQ(kToleranceSteps[9].minus, 0.75);
    const ToleranceStep& ten = kToleranceSteps[3];
    const double z = 100.97918299506952;
    EXPECT_TRUE(targetInBand(z, 100, ten));
    EXPECT_TRUE(targetInBand(z, z * 1.1, ten));
    EXPECT_TRUE(targetInBand(z, z * 0.9, ten));
    EXPECT_FALSE(targetInBand(z, z * 1.1 * 1.000001, ten));
    EXPECT_FALSE(targetInBand(56.955, 100, ten));
    EXPECT_FALSE(targetInBand(NAN, 100, ten));
}

TEST(DifferentialPair, RatioRange) {
    EXPECT_TRUE(ratioInRange(1.5 / 15));
    EXPECT_TRUE(ratioInRange(45.0 / 15));
    EXPECT_FALSE(ratioInRange(45.015 / 15));
    EXPECT_FALSE(ratioInRange(0.0999));
    EXPECT_FALSE(ratioInRange(NAN));
}

// A length of zero or below gives no impedance, whatever the geometry.
TEST(DifferentialPair, NoImpedanceForLengthsOfZeroOrBelow) {
    for (int g = 0; g < 6; ++g) {
        for (double PairInput::*field : {&PairInput::w, &PairInput::s, &PairInput::h, &PairInput::h2}) {
            for (double v : {0.0, -5.0}) {
                PairInput in = defaults(static_cast<PairGeometry>(g));
                in.*field = v;
                PairResult r = differentialPair(in);
                const bool usesH2 = g == 2 || g == 3;
                if (field == &PairInput::h2 && !usesH2) {
                    EXPECT_TRUE(std::isfinite(r.zdiff)) << g;
                } else {
                    EXPECT_TRUE(std::isnan(r.zdiff) && std::isnan(r.zo)) << g << " " << v;
                }
            }
        }
    }
    PairInput in = defaults(PairGeometry::EdgeExternal);
    in.er = -2;
    EXPECT_FALSE(std::isfinite(differentialPair(in).zdiff));
    // A conductor without thickness still has an impedance; a negative one not.
    in = defaults(PairGeometry::EdgeExternal);
    in.t = 0;
    EXPECT_TRUE(std::isfinite(differentialPair(in).zdiff));
    in.t = -0.7;
    EXPECT_TRUE(std::isnan(differentialPair(in).zdiff));
}

}  // namespace
