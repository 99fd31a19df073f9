#include "core/unit_text.h"

#include <gtest/gtest.h>

namespace {

using tv::Quantity;

TEST(UnitText, NumbersWithUnitsInTheFieldsUnit) {
    struct Case {
        const char* text;
        Quantity quantity;
        const char* fieldUnit;
        const char* separator;
        double expected;
    };
    const Case cases[] = {
        {"12 mil", Quantity::Length, "mils", ".", 12},
        {"0.127mm", Quantity::Length, "mils", ".", 5},
        {"0,127 mm", Quantity::Length, "mils", ",", 5},
        {"0.3 mm", Quantity::Length, "mm", ".", 0.3},
        {"5 mils", Quantity::Length, "mm", ".", 0.127},
        {"1 in", Quantity::Length, "mils", ".", 1000},
        {"25.4 um", Quantity::Length, "mils", ".", 1},
        {"25.4 \u00B5m", Quantity::Length, "mils", ".", 1},
        {"25.4\u03BCm", Quantity::Length, "mm", ".", 0.0254},
        {"2.4 GHz", Quantity::Frequency, "MHz", ".", 2400},
        {"100 kHz", Quantity::Frequency, "MHz", ".", 0.1},
        {"1e3 Hz", Quantity::Frequency, "kHz", ".", 1},
        {"500 mhz", Quantity::Frequency, "MHz", ".", 500},
        {"1 ns", Quantity::Time, "ps", ".", 1000},
        {"4.7 kOhm", Quantity::Resistance, "Ohms", ".", 4700},
        {"100 nF", Quantity::Capacitance, "uF", ".", 0.1},
        {"10 nH", Quantity::Inductance, "uH", ".", 0.01},
        {"500 mA", Quantity::Current, "Amps", ".", 0.5},
        {"3.3 V", Quantity::Voltage, "mV", ".", 3300},
        {"250 mW", Quantity::Power, "Watts", ".", 0.25},
        {"212 \u00B0F", Quantity::Temperature, "\u00B0C", ".", 100},
        {"300 K", Quantity::Temperature, "C", ".", 26.85},
        {"-40 C", Quantity::Temperature, "F", ".", -40},
        {"1 sq.mm", Quantity::Area, "sq.mils", ".", 1550.0031000062},
    };
    for (const Case& c : cases) {
        auto v = tv::readWithUnit(c.text, c.quantity, c.fieldUnit, c.separator);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_NEAR(*v, c.expected, 1e-9 * std::max(1.0, std::abs(c.expected))) << c.text;
    }
}

TEST(UnitText, AnythingElseIsLeftToTheFieldsOwnReading) {
    struct Case {
        const char* text;
        Quantity quantity;
        const char* fieldUnit;
        const char* separator;
    };
    const Case cases[] = {
        {"12", Quantity::Length, "mils", "."},            // no unit: an ordinary number
        {"abc", Quantity::Length, "mils", "."},
        {"mm", Quantity::Length, "mils", "."},
        {"12 MHz", Quantity::Length, "mils", "."},        // another quantity's unit
        {"0.3 mm", Quantity::Length, "mils", ","},        // not the user's separator
        {"12 parsecs", Quantity::Length, "mils", "."},
        {"1 2 mm", Quantity::Length, "mils", "."},
        {"5 mOHM", Quantity::Resistance, "Ohms", "."},    // milli or mega: not guessed
        {"12 mil", Quantity::Length, "furlongs", "."},    // the field's unit unknown
    };
    for (const Case& c : cases)
        EXPECT_FALSE(tv::readWithUnit(c.text, c.quantity, c.fieldUnit, c.separator).has_value()) << c.text;
    EXPECT_TRUE(tv::isUnitOf("mils", Quantity::Length));
    EXPECT_FALSE(tv::isUnitOf("mils", Quantity::Time));
}

}  // namespace
