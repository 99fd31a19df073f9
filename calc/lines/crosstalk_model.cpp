#include "calc/lines/crosstalk_model.h"

#include <cmath>
#include <limits>

namespace tv::lines {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool geometryHasValue(const CrosstalkInput& in) {
    if (!(in.riseNs > 0 && in.length > 0 && in.height > 0 && in.spacing >= 0)) return false;
    if (!in.stripline) return true;
    return in.h1 > 0 && in.h2 > 0 && !stripHeightTooSmall(in.height, in.h1, in.h2);
}

// Geometric coupling factor.
double couplingFactor(const CrosstalkInput& in) {
    if (!in.stripline) {
        const double r = in.spacing / in.height;
        return 1 / (1 + r * r);
    }
    // Each conductor's distance to one plane in parallel with its distance
    // to the other.
    const double d2 = in.spacing * in.spacing + (in.h1 - in.h2) * (in.h1 - in.h2);
    const double h = in.height;
    const double h1 = (h - in.h1) * in.h1 / ((h - in.h1) + in.h1);
    const double h2 = (h - in.h2) * in.h2 / ((h - in.h2) + in.h2);
    return 1 / (d2 / (h1 * h2) + 1);
}

}  // namespace

CrosstalkResult crosstalk(const CrosstalkInput& in) {
    CrosstalkResult r{kNaN, kNaN, kNaN, kNaN};
    // 1.017 sqrt(0.475 er + 0.67) ns per foot is the microstrip delay; the
    // stripline item keeps the same delay.
    r.roundTripNs = 2 * in.length * 1.017 * std::sqrt(0.475 * in.er + 0.67) / 12;
    if (!std::isfinite(r.roundTripNs) || !geometryHasValue(in)) return r;
    const double k = r.roundTripNs / in.riseNs;
    const double c = couplingFactor(in);
    r.coupling = k <= 1 ? c * k : c;
    r.dB = 20 * std::log10(r.coupling);
    if (std::isfinite(r.dB)) r.volts = r.coupling * in.volts;
    return r;
}

}  // namespace tv::lines
