#pragma once
// Reactances of a capacitor and an inductor and the resonant frequency of the
// pair, with 2 pi taken as 6.28318 as the calculator has always done. Values in
// hertz, farads, henries and ohms; a zero value gives an infinite result.
namespace tv::reactance {

constexpr double kTwoPi = 6.28318;

// The unit choices of the three selectors, in the order of their items.
// Frequency is multiplied (MHz, KHz, Hz); capacitance (uF, nF, pF) and
// inductance (mH, uH, nH) are divided.
constexpr double kFrequencyFactor[3] = {1000000, 1000, 1};
constexpr double kCapacitanceDivisor[3] = {1e6, 1e9, 1e12};
constexpr double kInductanceDivisor[3] = {1000, 1e6, 1e9};

double capacitive(double hertz, double farads);
double inductive(double hertz, double henries);
double resonantFrequency(double farads, double henries);

}  // namespace tv::reactance
