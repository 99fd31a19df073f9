#pragma once
// The via field quantities as plain functions on numbers. Lengths passed to
// the field formulas are in inches; the cross-section takes any one length unit
// and returns its square. Constants are the ones the calculator has always
// used (pi as 3.14159, 2 pi as 6.28318).
namespace tv::via {

constexpr double kPi = 3.14159;
constexpr double kTwoPi = 6.28318;

// Copper area of the barrel: a tube of inner diameter `hole` and wall `plating`.
double barrelArea(double hole, double plating);

// Capacitance in pF of a via through a reference-plane opening (Multi Layer),
// clamped at 0 when the opening is not larger than the pad.
double capacitance(double er, double height, double pad, double opening);
// Inductance in nH, clamped at 0 for a via shorter than about hole / (4e).
double inductance(double height, double hole);

// Resonant frequency (MHz), impedance (ohms) and the 10-90 % step response
// (ps) of the via's L and C. They have no finite value when L or C is 0.
double resonantFrequency(double nH, double pF);
double impedance(double nH, double pF);
double stepResponse(double pF, double ohms);

// Thermal resistance in degrees C per watt of a copper barrel of `heightMils`
// and cross-section `areaSqMils` (copper conducts 10.008 W/(in * degC)).
double thermalResistance(double heightMils, double areaSqMils);

// A pair of signal vias of drill `hole`, centre spacing `spacing`, passing a
// plane opening of height h and width w (all in one length unit), in a
// substrate of dielectric constant `er` with `anisotropy` percent.
struct DifferentialVia {
    double erAverage;   // Er averaged over the in-plane and normal directions
    double oddMode;     // ohms
    double differential;  // ohms
    double erEffective;
    double stubInches;  // longest stub whose resonance stays clear of the baud rate
};
DifferentialVia differentialVia(double hole, double spacing, double h, double w, double er,
                                double anisotropy, double gbaud);

}  // namespace tv::via
