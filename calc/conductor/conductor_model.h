#pragma once
// The conductor formulas on plain numbers: cross-section with and without the
// 1:1 etch factor, the width that gives an area back, and the skin depth.
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

}  // namespace tv
