#include "calc/lines/differential_pair_model.h"

#include <cmath>
#include <limits>

#include "calc/lines/stripline_model.h"

namespace tv::lines {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A length of the pair in mils.
double mils(const PairInput& in, double v) { return in.metric ? v / 25.4 * 1000 : v; }

// IPC-2141 coupling terms of the edge-coupled microstrip and stripline.
double microstripCoupling(double s, double h) { return 1 - 0.48 * std::exp(-0.96 * s / h); }
double striplineCoupling(double s, double h) { return 1 - 0.374 * std::exp(-2.9 * s / h); }

PairResult edgeExternal(const PairInput& in) {
    const double zo = 87 / std::sqrt(in.er + 1.41) * std::log(5.98 * in.h / (0.8 * in.w + in.t));
    return {zo, 2 * zo * microstripCoupling(in.s, in.h), in.w / in.h, in.s / in.h};
}

PairResult edgeInternalSym(const PairInput& in) {
    // Each unit system keeps its own constant: 4 / (0.67 pi) in mils, 1.9 in mm.
    const double arg = in.metric ? 1.9 * in.h / (0.8 * in.w + in.t)
                                 : 4 * in.h / (2.1048653 * (0.8 * in.w + in.t));
    const double zo = 60 / std::sqrt(in.er) * std::log(arg);
    return {zo, 2 * zo * striplineCoupling(in.s, in.h), in.w / in.h, in.s / in.h};
}

PairResult edgeInternalAsym(const PairInput& in) {
    // The offset stripline model takes mils; the coupling term and the
    // ratios use the plane separation b in the unit entered.
    const double zo = offsetStripline({mils(in, in.w), mils(in, in.t), mils(in, in.h), mils(in, in.h2), in.er}).Z0;
    const double b = in.h + in.h2 + in.t;
    return {zo, 2 * zo * striplineCoupling(in.s, b), in.w / b, in.s / b};
}

PairResult edgeEmbedded(const PairInput& in) {
    // The formula's constants are for mils.
    const double w = mils(in, in.w), s = mils(in, in.s), h1 = mils(in, in.h), h2 = mils(in, in.h2),
                 t = mils(in, in.t);
    const double erCovered = in.er * (1 - std::exp(-1.55 * h2 / h1));
    const double zo = 60 / std::sqrt(erCovered) * std::log(5.98 * h1 / (0.8 * w + t));
    return {zo, 2 * zo * microstripCoupling(s, h2), w / h2, s / h2};
}

PairResult broadside(const PairInput& in) {
    double zdiff = 82.2 / std::sqrt(in.er) * std::log(5.98 * in.s / (0.8 * in.w + in.t));
    if (in.geometry == PairGeometry::BroadShielded) {
        // Distance from each conductor to its plane; the exponent wants mils.
        const double h = (in.h - 2 * in.t - in.s) / 2;
        zdiff *= 1 - std::exp(-0.6 * mils(in, h));
    }
    return {kNaN, zdiff, in.w / in.h, in.s / in.h};
}

bool twoHeights(PairGeometry g) {
    return g == PairGeometry::EdgeInternalAsym || g == PairGeometry::EdgeEmbedded;
}

}  // namespace

PairResult differentialPair(const PairInput& in) {
    PairResult r;
    switch (in.geometry) {
        case PairGeometry::EdgeExternal: r = edgeExternal(in); break;
        case PairGeometry::EdgeInternalSym: r = edgeInternalSym(in); break;
        case PairGeometry::EdgeInternalAsym: r = edgeInternalAsym(in); break;
        case PairGeometry::EdgeEmbedded: r = edgeEmbedded(in); break;
        default: r = broadside(in); break;
    }
    // A width, spacing or height of zero or below (or a negative copper
    // thickness) describes no pair; the ratios still tell the user what was
    // entered.
    const bool lengths = in.w > 0 && in.s > 0 && in.h > 0 && in.t >= 0 &&
                         (!twoHeights(in.geometry) || in.h2 > 0);
    if (!lengths) r.zo = r.zdiff = kNaN;
    return r;
}

}  // namespace tv::lines
