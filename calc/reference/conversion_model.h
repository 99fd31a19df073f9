#pragma once
// The unit conversions of the conversion sheet. The constants are the sheet's
// own: 25.4 mm per inch, 0.55555555555 for 5/9, and degrees and radians
// based on pi taken as 3.14159.
namespace tv {

constexpr double kRadiansPerDegree = 0.017453277777777776;  // 3.14159 / 180
constexpr double kDegreesPerRadian = 57.295827908797776;    // 180 / 3.14159

// Distance: from mils (imperial) to mm, inches and micrometres, or from mm
// (metric) to mils, micrometres and inches, in the order of the three result
// fields.
struct DistanceResults {
    double first, second, third;
};
DistanceResults convertDistance(double x, bool metric);

// Temperature: °F to °C (imperial) or °C to °F (metric).
double convertTemperature(double t, bool metric);

// Decibel gain: voltage gain, dBm out, volts out.
struct GainResults {
    double voltageGain, dbmOut, voltsOut;
};
GainResults convertGain(double gainDb, double dbmIn, double voltsIn);

// Complex numbers: rectangular (a + jb) to polar (magnitude, angle in
// degrees), or polar (a at b degrees) to rectangular (real, j).
struct ComplexResults {
    double first, second;
};
// The angle is the single-argument arctangent of b/a (between -90 and +90
// degrees whatever the sign of a); a real part of 0 gives +90 or -90 degrees
// by the sign of b, and 0 + j0 gives 0.
ComplexResults rectangularToPolar(double a, double b);
ComplexResults polarToRectangular(double magnitude, double degrees);

// Angle: degrees to radians, or radians to degrees when `fromRadians`.
double convertAngle(double x, bool fromRadians);

}  // namespace tv
