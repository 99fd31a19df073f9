#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
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


// Fixed formats and plain decimals take a short way; both must agree to the
// last digit with the exact conversions, ties and near-ties included.
TEST(CFormat, FixedFormatsMatchTheExactConversion) {
    auto exact = [](double v, int prec) {
        char buf[512];
        auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, prec);
        return std::string(buf, r.ptr);
    };
    const double edges[] = {0.0,   -0.0,  0.125, 0.375, 2.5,   0.5,   1.005, 0.045, 1e14 + 0.5, 999999.5,
                            -0.001, 0.0049999999999, 123456789.125, 0.1 + 0.2, 1e-9, 1e15, 9.9999995, -2.5};
    for (double v : edges)
        for (int prec = 0; prec <= 9; ++prec)
            EXPECT_EQ(cformat("%." + std::to_string(prec) + "f", {v}), exact(v, prec)) << v << " %." << prec << "f";
    // Values of every size, from a fixed-seed generator.
    std::uint64_t x = 0x9E3779B97F4A7C15u;
    for (int k = 0; k < 20000; ++k) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        double v = double(x % 100000000) / std::pow(10.0, double(x % 11)) * ((x >> 40) % 2 ? -1 : 1);
        int prec = int((x >> 20) % 10);
        ASSERT_EQ(cformat("%." + std::to_string(prec) + "f", {v}), exact(v, prec)) << v << " %." << prec << "f";
    }
}

TEST(ReadFloat, PlainDecimalsMatchTheExactReading) {
    std::uint64_t x = 0xD1B54A32D192ED03u;
    for (int k = 0; k < 20000; ++k) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        std::string digits = std::to_string(x % 1000000000000000u);
        size_t point = (x >> 50) % (digits.size() + 1);
        std::string text = (x >> 62 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
        if (text.back() == '.' && (x >> 48) % 2) text.pop_back();
        double expected = 0;
        std::from_chars(text.data() + (text[0] == '-'), text.data() + text.size(), expected);
        if (text[0] == '-') expected = -expected;
        ASSERT_EQ(readFloat(text, "."), expected) << text;
    }
    EXPECT_EQ(readFloat("0.1", "."), 0.1);
    EXPECT_EQ(readFloat(" 62 ", "."), 62.0);
    EXPECT_EQ(readFloat("1234567890.12345", "."), 1234567890.12345);
    EXPECT_EQ(readFloat("0,7", ","), 0.7);
}
