#include "calc/board/embedded_resistor_model.h"

#include <cmath>

namespace tv::resistor {

namespace {
constexpr double kPi = 3.14159;
constexpr double kTwoPi = 6.28318;
constexpr double kSqMilsPerSqMm = 1550;
}  // namespace

Strip strip(double sheetOhms, double length, double width, bool metric) {
    // Both lengths in inches first.
    const double l = metric ? length / 25.4 : length * 0.001;
    const double w = metric ? width / 25.4 : width * 0.001;
    Strip s{};
    s.ohms = l / w * sheetOhms;
    const double sqMils = l * w * 1000000;
    s.area = metric ? sqMils / kSqMilsPerSqMm : sqMils;
    return s;
}

Ring ring(double sheetOhms, double inner, double targetOhms) {
    Ring r{};
    r.outer = inner * std::exp(kTwoPi * targetOhms / sheetOhms);
    r.thickness = r.outer - inner;
    r.area = kPi * r.outer * r.outer - kPi * inner * inner;
    return r;
}

}  // namespace tv::resistor
