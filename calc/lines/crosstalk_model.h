#pragma once
// Crosstalk between two parallel conductors: the geometric coupling factor
// 1 / (1 + (D/H)^2), scaled down while the coupled section is electrically
// short (its out-and-back delay shorter than the rise time).
namespace tv::lines {

struct CrosstalkInput {
    double riseNs = 0;   // signal rise time, ns
    double volts = 0;    // signal voltage
    // Lengths in inches.
    double length = 0;   // coupled length
    double spacing = 0;  // edge-to-edge spacing S
    double height = 0;   // microstrip: height over the plane; stripline: plane separation
    double h1 = 0, h2 = 0;  // stripline: heights of the two conductors from the same plane
    double er = 0;
    bool stripline = false;
};

// Values without a finite number are NaN: a rise time, coupled length or
// height of zero or below, a negative spacing, a stripline conductor on or
// outside a plane, a dielectric constant without a real square root.
struct CrosstalkResult {
    double roundTripNs;  // out-and-back delay of the coupled section
    double coupling;     // coupled fraction of the signal
    double dB;           // 20 log10(coupling)
    double volts;        // coupled voltage
};

// The stripline plane separation must exceed both conductor heights.
inline bool stripHeightTooSmall(double h, double h1, double h2) { return h <= h1 || h <= h2; }

CrosstalkResult crosstalk(const CrosstalkInput& in);

}  // namespace tv::lines
