#pragma once
// Bandwidth of a signal edge, its rise distance in the substrate and the
// longest conductor that need not be treated as a transmission line, by the
// IPC-2251 rise-distance rule and by a fraction of the wavelength in air.
namespace tv::lines {

constexpr double kSpeedOfLight = 299792458;  // m/s

// The fraction of the rise distance Sr picked by the "Sr Divide by Factor"
// slider (positions 0..6) and the text shown for it ("0.25Sr").
struct SliderStep {
    double factor;
    const char* text;
};
constexpr SliderStep kRiseDistanceSteps[] = {
    {0.2, "0.2Sr"}, {0.25, "0.25Sr"}, {0.3, "0.3Sr"}, {0.35, "0.35Sr"},
    {0.4, "0.4Sr"}, {0.45, "0.45Sr"}, {0.5, "0.5Sr"},
};
// The fraction of the wavelength picked by the "Lambda Divide by Factor"
// slider (positions 0..3). 1/7 is stored rounded, as it always was.
constexpr SliderStep kWavelengthSteps[] = {
    {0.25, "1/4"}, {0.142857, "1/7"}, {0.1, "1/10"}, {0.05, "1/20"},
};

// Frequency units of the "f Units" group, as factors to MHz.
constexpr double kFrequencyToMHz[] = {1, 0.001, 0.000001};

struct BandwidthInput {
    double value = 0;         // rise time in ns, or frequency in MHz
    bool frequency = false;   // `value` is a frequency
    double er = 0;
    bool stripline = false;   // the edge travels in stripline rather than microstrip
    bool metric = false;      // lengths in centimetres rather than inches
    double riseDistanceFactor = 0.25;
    double wavelengthFactor = 0.142857;
};

// Values without a finite number (a rise time or frequency of zero or below,
// a dielectric constant without a real square root) are NaN.
struct BandwidthResult {
    double bandwidthMHz;     // rise-time input only
    double wavelength;       // full wavelength in air at the bandwidth or frequency
    double maxLengthRise;    // IPC-2251: a fraction of the rise distance; rise-time input only
    double speed;            // propagation speed c / sqrt(er), m/s
    double maxLengthWave;    // a fraction of the wavelength
};

BandwidthResult bandwidth(const BandwidthInput& in);

}  // namespace tv::lines
