#include "calc/lines/bandwidth_model.h"

#include <cmath>
#include <limits>

namespace tv::lines {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}

BandwidthResult bandwidth(const BandwidthInput& in) {
    BandwidthResult r{kNaN, kNaN, kNaN, kNaN, kNaN};
    // The speed uses the dielectric constant itself, whatever the layer.
    r.speed = kSpeedOfLight / std::sqrt(in.er);
    // A rise time or frequency of zero or below has no bandwidth and no
    // wavelength.
    if (!(in.value > 0)) return r;

    const double mhz = in.frequency ? in.value : 0.35 / in.value * 1000;
    double wavelength = kSpeedOfLight / mhz * 0.0001;  // cm
    if (!in.metric) wavelength /= 2.54;                // inches
    r.wavelength = wavelength;
    r.maxLengthWave = wavelength * in.wavelengthFactor;
    if (in.frequency) return r;

    r.bandwidthMHz = mhz;
    // Microstrip: the edge runs partly in air (0.457 er + 0.67).
    const double erEff = in.stripline ? in.er : 0.457 * in.er + 0.67;
    const double riseDistance = in.value * 1e-9 * kSpeedOfLight / std::sqrt(erEff);  // m
    const double maxLength = riseDistance * in.riseDistanceFactor;
    r.maxLengthRise = in.metric ? maxLength * 100 : maxLength / 0.0000254 / 1000;
    return r;
}

}  // namespace tv::lines
