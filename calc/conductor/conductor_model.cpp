#include "calc/conductor/conductor_model.h"

#include <cmath>

namespace tv {

double copperResistivity(double conductorTemp, bool metric) {
    const double at20 = metric ? kCopperResistivity20Metric : kCopperResistivity20Imperial;
    return at20 * (1 + kCopperTempCoefficient * (conductorTemp - 20));
}

ConductorLosses conductorLosses(double resistivity, double length, double areaSqMils, double current) {
    ConductorLosses out;
    out.resistance = resistivity * length / areaSqMils;
    out.power = current * current * out.resistance;
    out.voltage = current * out.resistance;
    out.dBm = 10 * std::log10(out.power / 0.001);
    return out;
}

}  // namespace tv
