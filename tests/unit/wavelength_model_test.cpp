// The wavelength of a signal on its own.
#include "calc/lines/wavelength_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tv::lines;

namespace {

TEST(Wavelength, SignalEnteredByPeriodOrFrequency) {
    struct Case {
        SignalEntry entry;
        int unit;
        double value, mhz;
    } cases[] = {
        {SignalEntry::Period, 0, 10, 100},         // 10 ns
        {SignalEntry::Period, 1, 500, 2000},       // 500 ps
        {SignalEntry::Frequency, 0, 250, 250},     // MHz
        {SignalEntry::Frequency, 1, 250, 0.25},    // KHz
        {SignalEntry::Frequency, 2, 2.5e6, 2.5},   // Hz
        {SignalEntry::Frequency, 7, 40, 40},       // an unknown unit counts as MHz
    };
    for (const Case& c : cases) EXPECT_NEAR(signalFrequencyMHz(c.entry, c.unit, c.value), c.mhz, c.mhz * 1e-12);
}

// 100 MHz in Er Eff 4: c / (2 * 100 MHz) = 149.896229 cm = 59.0142633 in.
TEST(Wavelength, FullWaveAndFractionsInBothUnits) {
    EXPECT_NEAR(wavelengthCm(100, 4), 149.896229, 1e-6);
    EXPECT_NEAR(shownWavelength(100, 4, 1, false), 59.0142633, 1e-6);
    EXPECT_NEAR(shownWavelength(100, 4, 0.25, true), 37.4740573, 1e-6);
    // In air a 1 GHz signal is 29.98 cm long.
    EXPECT_NEAR(wavelengthCm(1000, 1), 29.9792458, 1e-9);
    EXPECT_DOUBLE_EQ(wavelengthFraction(6).factor, 0.06666);
    EXPECT_STREQ(wavelengthFraction(-3).caption, "Full Wave Length");
    EXPECT_STREQ(wavelengthFraction(42).caption, "1/20 Wave Length");
}

TEST(Wavelength, NoWavelengthWithoutAFrequencyOrAMedium) {
    for (auto [f, er] : {std::pair{0.0, 4.0}, {-100.0, 4.0}, {100.0, 0.0}, {100.0, -4.0}, {INFINITY, 4.0}})
        EXPECT_TRUE(std::isnan(shownWavelength(f, er, 1, false))) << f << " MHz, Er " << er;
    // A zero period is an infinite frequency: no wavelength either.
    EXPECT_TRUE(std::isnan(wavelengthCm(signalFrequencyMHz(SignalEntry::Period, 0, 0), 4)));
}

}  // namespace
