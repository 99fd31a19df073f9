#include "calc/reference/conversion_model.h"

#include <cmath>

namespace tv {

DistanceResults convertDistance(double x, bool metric) {
    if (metric) return {x / 25.4 * 1000, x * 1000, x / 25.4};
    return {x * 0.001 * 25.4, x / 1000, x * 0.001 * 25.4 * 1000};
}

double convertTemperature(double t, bool metric) {
    return metric ? t * 1.8 + 32 : (t - 32) * 0.55555555555;
}

GainResults convertGain(double gainDb, double dbmIn, double voltsIn) {
    const double a = std::pow(10.0, gainDb / 20);
    return {a, dbmIn + gainDb, voltsIn * a};
}

ComplexResults rectangularToPolar(double a, double b) {
    const double magnitude = std::sqrt(a * a + b * b);
    double angle;
    if (a == 0) angle = b > 0 ? 90 : b < 0 ? -90 : 0;
    else angle = std::atan(b / a) * kDegreesPerRadian;
    // A zero angle of a negative real part (0 / -50) shows as 0, not -0.
    return {magnitude, angle + 0.0};
}

ComplexResults polarToRectangular(double magnitude, double degrees) {
    return {std::cos(degrees * kRadiansPerDegree) * magnitude, std::sin(degrees * kRadiansPerDegree) * magnitude};
}

double convertAngle(double x, bool fromRadians) {
    return fromRadians ? x * kDegreesPerRadian : x * kRadiansPerDegree;
}

}  // namespace tv
