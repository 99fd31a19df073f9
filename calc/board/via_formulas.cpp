#include "calc/board/via_formulas.h"

#include <cmath>

namespace tv::via {

double barrelArea(double hole, double plating) {
    double outer = hole + 2 * plating;
    return kPi / 4 * (outer * outer - hole * hole);
}

double capacitance(double er, double height, double pad, double opening) {
    double c = 1.41 * er * height * pad / (opening - pad);
    return c < 0 ? 0 : c;
}

double inductance(double height, double hole) {
    double l = 5.08 * height * (std::log(4 * height / hole) + 1);
    return l < 0 ? 0 : l;
}

double resonantFrequency(double nH, double pF) {
    return 1 / (kTwoPi * std::sqrt(nH * 1e-9 * pF * 1e-12)) / 1000000;
}

double impedance(double nH, double pF) { return std::sqrt(nH / (pF * 0.001)); }

// The via's charge time against the line on either side: 2.2 RC with the
// via's own impedance halved.
double stepResponse(double pF, double ohms) { return 2.2 * pF * (ohms / 2); }

double thermalResistance(double heightMils, double areaSqMils) {
    return heightMils / (areaSqMils / 1000 * 10.008);
}

DifferentialVia differentialVia(double hole, double spacing, double h, double w, double er,
                                double anisotropy, double gbaud) {
    DifferentialVia v{};
    v.erAverage = (er + (anisotropy / 100 + 1) * er) / 2;
    double x = spacing / hole;
    double k = std::log(x + std::sqrt(x * x - 1));  // acosh(x)
    double g = std::log((h + w) / (2 * hole));
    v.oddMode = 60 / std::sqrt(v.erAverage) * std::sqrt(g * k);
    v.differential = 2 * v.oddMode;
    v.erEffective = k / g * v.erAverage;
    v.stubInches = 0.84 / (std::sqrt(v.erEffective) * gbaud);
    return v;
}

}  // namespace tv::via
