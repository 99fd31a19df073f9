#pragma once
// The wavelength of a signal, given by its period or its frequency, in a
// medium of a given effective dielectric constant, and the fractions of it the
// wavelength calculator offers.
namespace tv::lines {

// A fraction of the wavelength picked by the slider (positions 0..8) and its
// caption. 1/15 is stored as 0.06666, as it always was.
struct WavelengthFraction {
    double factor;
    const char* caption;
};
constexpr WavelengthFraction kWavelengthFractions[] = {
    {1, "Full Wave Length"},      {0.75, "3/4 Wave Length"},   {0.625, "5/8 Wave Length"},
    {0.5, "1/2 Wave Length"},     {0.25, "1/4 Wave Length"},   {0.1, "1/10 Wave Length"},
    {0.06666, "1/15 Wave Length"}, {0.0625, "1/16 Wave Length"}, {0.05, "1/20 Wave Length"},
};
// The fraction at a slider position; a position outside the slider takes the
// nearer end.
const WavelengthFraction& wavelengthFraction(int position);

// How the signal is entered: its period (unit 0 ns, 1 ps) or its frequency
// (unit 0 MHz, 1 KHz, 2 Hz; another unit counts as MHz).
enum class SignalEntry { Period, Frequency };
double signalFrequencyMHz(SignalEntry entry, int unit, double value);

// The full wavelength in centimetres of a signal of fMHz in a medium of Er
// effective erEff; NaN when there is none (a frequency or Er effective that is
// zero, negative or not finite).
double wavelengthCm(double fMHz, double erEff);

// The wavelength as the calculator shows it: the fraction of it, in
// centimetres when metric, else in inches.
double shownWavelength(double fMHz, double erEff, double fraction, bool metric);

}  // namespace tv::lines
