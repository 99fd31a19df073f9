#pragma once
// The conductor formulas on plain numbers: cross-section with and without the
// 1:1 etch factor, the width that gives an area back, the skin depth, and the
// copper's resistivity and DC losses (shared with the via calculator).
// The IPC power law and the modifier charts are in ipc_charts.h.
#include <cmath>

namespace tv {

// Cross-section of a conductor of width W and thickness T: the 1:1 etch
// factor takes T off the top width (a trapezoid of mean width W - T).
inline double crossSection(double W, double T, bool etch1to1) { return etch1to1 ? (W - T) * T : W * T; }

// The width whose cross-section is A: the inverse of crossSection.
inline double widthForArea(double A, double T, bool etch1to1) { return etch1to1 ? (T * T + A) / T : A / T; }

// Skin depth of copper in micrometres at fMHz megahertz, with the panel's
// pi = 3.14159 and mu0 = 1.256636e-6 (the 1e-5 of mu0 and the 1e5 on the
// frequency cancel).
inline double skinDepthMicrons(double fMHz) {
    return std::sqrt(1.72e-8 / (3.14159 * 1.256636e-05 * fMHz * 1e5)) * 1e6;
}

// Resistivity of copper at 20 degrees C: ohm * sq mil per mil (imperial), and
// per mm for a length in millimetres over an area in square mils (metric,
// 39.37 times the imperial figure).
constexpr double kCopperResistivity20Imperial = 0.0006787;
constexpr double kCopperResistivity20Metric = 0.02672;
// Temperature coefficient of copper's resistance, per degree C about 20 C.
constexpr double kCopperTempCoefficient = 0.00393;

// Resistivity of copper at the conductor temperature (degrees C): the 20 C
// figure of the unit system raised or lowered linearly, once.
double copperResistivity(double conductorTemp, bool metric);

// DC losses of a conductor: resistance, power and voltage drop at a current,
// and the power in dBm (0 dBm = 1 mW).
struct ConductorLosses {
    double resistance = 0;  // ohms
    double power = 0;       // watts
    double voltage = 0;     // volts
    double dBm = 0;
};

// The losses of a conductor of the given length (mils with the imperial
// resistivity, mm with the metric one) and cross-section in square mils.
ConductorLosses conductorLosses(double resistivity, double length, double areaSqMils, double current);

}  // namespace tv
