// Bandwidth, rise distance and maximum conductor lengths on their own.
#include "calc/lines/bandwidth_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tv::lines;

namespace {

BandwidthInput riseTime(double ns, bool metric = false, bool stripline = false) {
    BandwidthInput in;
    in.value = ns;
    in.er = 4.6;
    in.metric = metric;
    in.stripline = stripline;
    return in;
}

// A 1 ns edge in FR-4 (er 4.6) with the slider defaults 0.25 Sr and 1/7.
TEST(Bandwidth, RiseTimeOfOneNanosecond) {
    struct Case {
        bool metric, stripline;
        double wavelength, maxRise, maxWave;
    } cases[] = {
        {false, false, 33.72244, 1.77221, 4.81749},
        {false, true, 33.72244, 1.37578, 4.81749},
        {true, false, 85.65499, 4.50141, 12.23641},
    };
    for (const auto& c : cases) {
        BandwidthResult r = bandwidth(riseTime(1, c.metric, c.stripline));
        EXPECT_NEAR(r.bandwidthMHz, 350, 5e-6);
        EXPECT_NEAR(r.wavelength, c.wavelength, 5e-6) << c.metric;
        EXPECT_NEAR(r.maxLengthRise, c.maxRise, 5e-6) << c.metric << c.stripline;
        EXPECT_NEAR(r.maxLengthWave, c.maxWave, 5e-6) << c.metric;
        EXPECT_NEAR(r.speed, 139778954.280, 5e-4);
    }
}

TEST(Bandwidth, FrequencyGivesOnlyTheWavelengthMethod) {
    BandwidthInput in = riseTime(100);
    in.frequency = true;
    BandwidthResult r = bandwidth(in);
    EXPECT_NEAR(r.wavelength, 118.02853, 5e-6);
    EXPECT_NEAR(r.maxLengthWave, 16.86120, 5e-6);
    EXPECT_TRUE(std::isnan(r.bandwidthMHz));
    EXPECT_TRUE(std::isnan(r.maxLengthRise));
}

TEST(Bandwidth, SliderTables) {
    EXPECT_EQ(std::size(kRiseDistanceSteps), 7u);
    EXPECT_EQ(kRiseDistanceSteps[0].factor, 0.2);
    EXPECT_STREQ(kRiseDistanceSteps[6].text, "0.5Sr");
    EXPECT_EQ(std::size(kWavelengthSteps), 4u);
    EXPECT_EQ(kWavelengthSteps[1].factor, 0.142857);
    EXPECT_STREQ(kWavelengthSteps[3].text, "1/20");
}

// A rise time or frequency of zero or below has no bandwidth or length; a
// dielectric constant of zero or below has no speed. Nothing is infinite.
TEST(Bandwidth, NoFiniteValue) {
    for (double v : {0.0, -1.0}) {
        for (bool frequency : {false, true}) {
            BandwidthInput in = riseTime(v);
            in.frequency = frequency;
            BandwidthResult r = bandwidth(in);
            EXPECT_TRUE(std::isnan(r.bandwidthMHz) && std::isnan(r.wavelength) &&
                        std::isnan(r.maxLengthRise) && std::isnan(r.maxLengthWave))
                << v << frequency;
            EXPECT_TRUE(std::isfinite(r.speed));
        }
    }
    for (double er : {0.0, -3.0}) {
        BandwidthInput in = riseTime(1, false, true);
        in.er = er;
        BandwidthResult r = bandwidth(in);
        EXPECT_FALSE(std::isfinite(r.speed)) << er;
        EXPECT_FALSE(std::isfinite(r.maxLengthRise)) << er;
        EXPECT_TRUE(std::isfinite(r.maxLengthWave)) << er;
    }
}

}  // namespace
