#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

using namespace tv;

TEST(ReadFloat, AcceptsOnlyTheUsersSeparator) {
    EXPECT_DOUBLE_EQ(readFloat("0.5", "."), 0.5);
    EXPECT_DOUBLE_EQ(readFloat("0,5", ","), 0.5);
    EXPECT_DOUBLE_EQ(readFloat("-1.5E3", "."), -1500);
    EXPECT_DOUBLE_EQ(readFloat(" 12 ", "."), 12);
    EXPECT_DOUBLE_EQ(readFloat("+.5", "."), 0.5);
    EXPECT_DOUBLE_EQ(readFloat("1'5", "'"), 1.5);
}

TEST(ReadFloat, RefusesTextWithTheConversionMessage) {
    struct Case {
        const char* text;
        const char* sep;
    } cases[] = {{"0.5", ","}, {"0,5", "."}, {"", "."}, {"abc", "."}, {"1.2.3", "."},
                 {"1e", "."},  {"1,000.5", "."}, {"-", "."}, {"1e999", "."}, {"N/A", "."}};
    for (const auto& c : cases) {
        try {
            readFloat(c.text, c.sep);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid floating point value");
        }
    }
}

TEST(ReadInt, RefusesFractionsAndEmptyText) {
    EXPECT_EQ(readInt("18"), 18);
    EXPECT_EQ(readInt("-3"), -3);
    for (const char* t : {"", "1.5", "x", "1 "}) {
        try {
            readInt(t);
            ADD_FAILURE() << "accepted " << t;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + t + "' is not a valid integer value");
        }
    }
}

TEST(GeneralText, ShortestFormUpToFifteenDigits) {
    struct Case {
        double v;
        const char* text;
    } cases[] = {
        {25.4, "25.4"},         {1000, "1000"},          {0, "0"},
        {0.7 + 1.4, "2.1"},     {1000 / 25.4 * 25.4 / 1000 * 1000, "1000"},
        {0.00001, "0.00001"},   {0.000001, "1E-6"},      {1.5e20, "1.5E20"},
        {123456789012345.0, "123456789012345"}, {1e15, "1E15"}, {-0.25, "-0.25"},
        {1.0 / 3, "0.333333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(generalText(c.v, "."), c.text) << c.v;
    EXPECT_EQ(generalText(25.4, ","), "25,4");
    EXPECT_EQ(generalText(std::numeric_limits<double>::infinity(), "."), "INF");
}

TEST(CFormat, PrintfFormatsAlwaysWithAPoint) {
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // must not matter
    EXPECT_EQ(cformat("%.4f Amps", {1.45855}), "1.4586 Amps");
    EXPECT_EQ(cformat("%0.1f", {107.6}), "107.6");
    EXPECT_EQ(cformat("%3.0f um", {53.0}), " 53 um");
    EXPECT_EQ(cformat("%.2f %", {24.954}), "24.95 %");
    EXPECT_EQ(cformat("%i", {18}), "18");
    EXPECT_EQ(cformat("%.2f:1", {6.2}), "6.20:1");
    EXPECT_EQ(cformat("%5.1f|%-5d|", {2.25, 7}), "  2.2|7    |");
    EXPECT_EQ(cformat("%.3e", {12345.678}), "1.235e+04");
    EXPECT_EQ(cformat("%.4f Amps", {std::numeric_limits<double>::infinity()}), "INF Amps");
    EXPECT_EQ(cformat("100%%", {}), "100%");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(CommaForm, ReplacesDecimalPointsOnly) {
    struct Case {
        const char* point;
        const char* comma;
    } cases[] = {
        {"0.0254", "0,0254"},
        {"Minimum plating thickness can't be less than 0.0025mm",
         "Minimum plating thickness can't be less than 0,0025mm"},
        {"10", "10"},
        {"Via hole diameter can't be empty, using default of 10mils",
         "Via hole diameter can't be empty, using default of 10mils"},
        {"34.5575 Sq.mils", "34,5575 Sq.mils"},
        {"below 0.1mils. Try 2.", "below 0,1mils. Try 2."},
    };
    for (const auto& c : cases) EXPECT_EQ(tv::commaForm(c.point), c.comma);
}

