#pragma once
// Ohm's law and the small resistor circuits of the Ohm's Law panel as plain
// functions on numbers (volts, amps, ohms, watts). Nothing is guarded: a zero
// divisor gives an infinite or NaN value, which the panel shows as "N/A".
#include <array>
#include <span>

namespace tv::ohms {

// The quantity the E-I-R group solves for (the order of its items).
enum class SolveFor { Volts = 0, Amps = 1, Ohms = 2 };

struct Eir {
    double value;  // the solved quantity
    double watts;  // V * I
};
// Volts: first = I, second = R. Amps: first = V, second = R.
// Ohms: first = V, second = I.
Eir solveEir(SolveFor solveFor, double first, double second);

// The series resistor of an LED on a supply: its value for a current in mA
// (result in ohms), or the current through a given resistor (result in mA).
struct LedBias {
    double result;
    double watts;  // dissipated in the resistor
};
LedBias ledResistor(double supply, double drop, double milliamps);
LedBias ledCurrent(double supply, double drop, double ohms);

// A chain or a parallel set of up to four resistors on one voltage.
struct Network {
    double total;    // total resistance
    double current;  // series current, or the total current of the parallel set
    std::array<double, 4> branch{};  // series: voltage drops; parallel: branch currents
    std::array<double, 4> watts{};
};
Network series(double volts, std::span<const double> ohms);
Network parallel(double volts, std::span<const double> ohms);

// Resistive attenuator pads between two impedances. r1 belongs to the larger
// impedance Z1, r2 to the smaller Z2 (Z1 = Zin when they are equal); r3 is the
// series arm of the PI pad and the shunt arm of the T pad.
struct Pad {
    double r1, r2, r3;
};
Pad piPad(double dB, double zin, double zout);
Pad tPad(double dB, double zin, double zout);

}  // namespace tv::ohms
