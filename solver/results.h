#pragma once
// Transmission-line parameters from capacitances per unit length: with the
// dielectrics C and in vacuum C0, L = 1/(c^2 C0), Z0 = 1/(c sqrt(C C0)),
// eeff = C/C0. SI units throughout (ohms, F/m, H/m, s/m).
#include <Eigen/Dense>

namespace tv::solver {

inline constexpr double kEps0 = 8.8541878128e-12;      // F/m
inline constexpr double kLightSpeed = 299792458.0;     // m/s

struct LineResult {
    double z0 = 0;
    double eeff = 0;
    double inductance = 0;   // H/m
    double capacitance = 0;  // F/m
    double delay = 0;        // s/m
    int unknowns = 0;
};

struct PairResult {
    double zodd = 0, zeven = 0, zdiff = 0, zcommon = 0;
    double eeffOdd = 0, eeffEven = 0;
    double coupling = 0;  // (Zeven - Zodd)/(Zeven + Zodd)
    // One conductor of the pair on its own, the other taken away.
    LineResult single;
    // Maxwell capacitance matrices of the pair (F/m).
    Eigen::Matrix2d capacitance, vacuumCapacitance;
    int unknowns = 0;  // the largest system solved
};

// The line with capacitance c (F/m) that has c0 in vacuum.
LineResult lineFromCapacitance(double c, double c0);

// The pair from its even- and odd-mode capacitances per line (F/m), with
// the dielectrics and in vacuum. An even mode of zero capacitance (no
// ground) gives infinite even and common impedances.
PairResult pairFromModes(double even, double evenVacuum, double odd, double oddVacuum);

}  // namespace tv::solver
