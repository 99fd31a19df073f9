#include "calc/utility/pdn_model.h"

#include <cmath>

namespace tv::pdn {

namespace {

constexpr double kSqInPerSqMm = 0.00155;

double hundredths(double v) { return std::round(v * 100) / 100; }

}  // namespace

double targetImpedance(double volts, double maxAmps, double marginPct, double acPct,
                       double transientPct) {
    return (marginPct / 100 * volts * acPct / 100) / (transientPct / 100 * maxAmps);
}

double planeCapacitance(double er, double area, double distance, bool metric) {
    if (metric) return 0.225 * er * (area * kSqInPerSqMm) / (distance / 25.4);
    return 0.225 * er * area / (distance / 1000);
}

double planeReactance(double mhz, double pF) {
    return 1 / (mhz * 1000000 * 6.28318 * pF / 1e12);
}

double squareMmToSquareInches(double sqmm) { return hundredths(sqmm * kSqInPerSqMm); }
double squareInchesToSquareMm(double sqin) { return hundredths(sqin / kSqInPerSqMm); }

}  // namespace tv::pdn
