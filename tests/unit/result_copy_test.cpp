#include "shell/result_copy.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultCopy, NumberAloneOrWithItsUnitInTheUsersSeparator) {
    struct Case {
        const char* shown;
        const char* separator;
        const char* number;
        const char* withUnit;
    };
    const Case cases[] = {
        {"1.4692 Amps", ",", "1,4692", "1,4692 Amps"},
        {"1.4692 Amps", ".", "1.4692", "1.4692 Amps"},
        {"-3.5 dBm", ",", "-3,5", "-3,5 dBm"},
        {"6.20:1", ",", "6,20", "6,20:1"},
        {"1.5E-6 H", ",", "1,5E-6", "1,5E-6 H"},
        {"42", ",", "42", "42"},
        {"17.9 °C/W per via", "'", "17'9", "17'9 °C/W per via"},
        {"N/A", ",", "N/A", "N/A"},
        {"mils", ",", "mils", "mils"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tv::copiedNumber(c.shown, c.separator), c.number) << c.shown;
        EXPECT_EQ(tv::copiedWithUnit(c.shown, c.separator), c.withUnit) << c.shown;
    }
    EXPECT_TRUE(tv::showsResult("N/A"));
    EXPECT_TRUE(tv::showsResult("0.00153 Ohms"));
    EXPECT_FALSE(tv::showsResult("mils"));
    EXPECT_FALSE(tv::showsResult(""));
}

}  // namespace
