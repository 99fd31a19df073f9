#pragma once
// Power delivery network: the target impedance of a supply rail and the
// capacitance of a pair of parallel planes with its reactance.
namespace tv::pdn {

// Target impedance in ohms; the percentages are taken as typed (5 = 5 %).
double targetImpedance(double volts, double maxAmps, double marginPct, double acPct,
                       double transientPct);

// Capacitance in pF of two planes of `area` at `distance` in a dielectric of
// `er` (0.225 pF per inch is the permittivity of free space). Imperial: square
// inches and mils; metric: square millimetres and millimetres.
double planeCapacitance(double er, double area, double distance, bool metric);

// Reactance in ohms of `pF` at `mhz`, with 2 pi taken as 6.28318.
double planeReactance(double mhz, double pF);

// The plane area across the units switch, taken to the nearest 0.01 with
// halves away from zero.
double squareMmToSquareInches(double sqmm);
double squareInchesToSquareMm(double sqin);

}  // namespace tv::pdn
