#pragma once
// Single-conductor and differential impedance of a pair of equal conductors
// in six coupling geometries, the tolerance band around the differential
// impedance and the range check of the geometry ratios.
namespace tv::lines {

// In the order of the " Differential Layer " items.
enum class PairGeometry {
    EdgeExternal,      // "Edge Cpld Ext": edge-coupled microstrip
    EdgeInternalSym,   // "Edge Cpld Int Sym": edge-coupled stripline, centred
    EdgeInternalAsym,  // "Edge Cpld Int Asym": edge-coupled stripline, off centre
    EdgeEmbedded,      // "Edge Cpld Embed": edge-coupled embedded microstrip
    BroadShielded,     // "Broad Cpld Shld": stacked pair between two planes
    BroadUnshielded,   // "Broad Cpld NShld": stacked pair without planes
};

inline bool isBroadside(PairGeometry g) {
    return g == PairGeometry::BroadShielded || g == PairGeometry::BroadUnshielded;
}

struct PairInput {
    PairGeometry geometry = PairGeometry::EdgeExternal;
    // Lengths in mils, or in millimetres when `metric`.
    double w = 0;   // conductor width W
    double s = 0;   // spacing S: edge to edge, or between the stacked conductors
    double h = 0;   // H, or H1 for the asymmetric and embedded geometries
    double h2 = 0;  // H2 for the asymmetric and embedded geometries
    double t = 0;   // conductor thickness T
    double er = 0;
    bool metric = false;
};

// Impedances in ohms; NaN where there is no finite value (a length of zero
// or below, a dielectric constant without a real square root). `zo` is NaN
// for the broadside geometries, which have no single-conductor value.
struct PairResult {
    double zo;
    double zdiff;
    double widthRatio;    // W over the geometry's reference height
    double spacingRatio;  // S over the same height
};

PairResult differentialPair(const PairInput& in);

// Broadside pairs need room for both conductors and their spacing between
// the planes; the height offered instead is 4T + S.
inline bool broadsideHeightTooSmall(double h, double t, double s) { return h <= 2 * t + s; }
inline double broadsideHeight(double t, double s) { return 4 * t + s; }

// The "+/- Tolerance" slider, positions 0..9: the label text and the
// factors of the band, stored exactly as written.
struct ToleranceStep {
    const char* text;
    double plus, minus;
};
constexpr ToleranceStep kToleranceSteps[] = {
    {"2.5%", 1.025, 0.975}, {"5%", 1.05, 0.95},   {"7.5%", 1.075, 0.925}, {"10%", 1.1, 0.9},
    {"12.5%", 1.125, 0.875}, {"15%", 1.15, 0.85}, {"17.5%", 1.175, 0.825}, {"20%", 1.2, 0.8},
    {"22.5%", 1.225, 0.775}, {"25%", 1.25, 0.75},
};

// The band is taken around the computed impedance; its edges are inside.
inline bool targetInBand(double zdiff, double target, const ToleranceStep& tol) {
    return zdiff * tol.minus <= target && target <= zdiff * tol.plus;
}

// The closed forms hold for ratios from 0.1 to 3.
inline bool ratioInRange(double ratio) { return ratio >= 0.1 && ratio <= 3; }

}  // namespace tv::lines
