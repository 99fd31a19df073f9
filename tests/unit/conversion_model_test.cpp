// The conversion sheet's formulas against the worked numbers of the sheet.
#include <gtest/gtest.h>

#include <cmath>

#include "core/numbertext.h"
#include "calc/reference/conversion_model.h"

using namespace tv;

namespace {

std::string f4(double v) { return cformat("%.4f", {v}); }

TEST(ConversionModel, DistanceInBothUnitSystems) {
    DistanceResults mils = convertDistance(10, false);
    EXPECT_EQ(f4(mils.first), "0.2540");    // mm
    EXPECT_EQ(f4(mils.second), "0.0100");   // in
    EXPECT_EQ(f4(mils.third), "254.0000");  // um
    DistanceResults mm = convertDistance(0.254, true);
    EXPECT_EQ(f4(mm.first), "10.0000");   // mils
    EXPECT_EQ(f4(mm.second), "254.0000"); // um
    EXPECT_EQ(f4(mm.third), "0.0100");    // in
}

TEST(ConversionModel, TemperatureUsesElevenFivesForFiveNinths) {
    EXPECT_EQ(cformat("%0.2f", {convertTemperature(72, false)}), "22.22");
    EXPECT_EQ(cformat("%0.2f", {convertTemperature(22.22, true)}), "72.00");
    // 212 F is 180 * 0.55555555555, a hair under 100 C.
    EXPECT_LT(convertTemperature(212, false), 100.0);
}

TEST(ConversionModel, DecibelGain) {
    GainResults g = convertGain(1, 0, 1);
    EXPECT_EQ(f4(g.voltageGain), "1.1220");
    EXPECT_EQ(g.dbmOut, 1.0);
    EXPECT_EQ(f4(g.voltsOut), "1.1220");
    EXPECT_EQ(f4(convertGain(-6, 10, 2).voltsOut), "1.0024");
    EXPECT_FALSE(std::isfinite(convertGain(1e6, 0, 1).voltageGain));
}

TEST(ConversionModel, RectangularToPolarKeepsTheAngleWithinNinetyDegrees) {
    struct Case {
        double a, b;
        const char* magnitude;
        const char* angle;
    } cases[] = {
        {50, 0, "50.0000", "0.0000"},      {40, 30, "50.0000", "36.8699"},
        {-40, 30, "50.0000", "-36.8699"},  {-50, 0, "50.0000", "0.0000"},
        {0, 5, "5.0000", "90.0000"},       {0, -5, "5.0000", "-90.0000"},
        {0, 0, "0.0000", "0.0000"},        {-40, -30, "50.0000", "36.8699"},
    };
    for (const Case& c : cases) {
        ComplexResults r = rectangularToPolar(c.a, c.b);
        EXPECT_EQ(f4(r.first), c.magnitude) << c.a << " " << c.b;
        EXPECT_EQ(f4(r.second), c.angle) << c.a << " " << c.b;
    }
}

TEST(ConversionModel, PolarToRectangularTakesPiAsThreePointOneFourOneFiveNine) {
    ComplexResults r = polarToRectangular(50, 45);
    EXPECT_EQ(f4(r.first), "35.3554");
    EXPECT_EQ(f4(r.second), "35.3553");
}

TEST(ConversionModel, Angles) {
    EXPECT_EQ(f4(convertAngle(1, false)), "0.0175");
    EXPECT_EQ(f4(convertAngle(1, true)), "57.2958");
    EXPECT_EQ(f4(convertAngle(180, false)), "3.1416");
}

}  // namespace
