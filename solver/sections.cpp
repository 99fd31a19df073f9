#include "solver/sections.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace tv::solver {

namespace {

struct TypeInfo {
    LineType type;
    const char* name;
    bool pair;
    std::vector<std::string> keys;
};

const std::array<TypeInfo, kLineTypes>& types() {
    static const std::array<TypeInfo, kLineTypes> table{{
        {LineType::Microstrip, "microstrip", false, {"w", "h", "t", "er"}},
        {LineType::EmbeddedMicrostrip, "embedded-microstrip", false, {"w", "h1", "h2", "t", "er"}},
        {LineType::Stripline, "stripline", false, {"w", "h", "t", "er"}},
        {LineType::AsymmetricStripline, "asymmetric-stripline", false, {"w", "h1", "h2", "t", "er"}},
        {LineType::DualStripline, "dual-stripline", false, {"w", "h", "c", "t", "er"}},
        {LineType::Cpwg, "cpwg", false, {"w", "h", "g", "t", "er"}},
        {LineType::EdgeExternal, "edge-external", true, {"w", "s", "h", "t", "er"}},
        {LineType::EdgeInternal, "edge-internal", true, {"w", "s", "h", "t", "er"}},
        {LineType::EdgeInternalAsym, "edge-internal-asym", true, {"w", "s", "h1", "h2", "t", "er"}},
        {LineType::EdgeEmbedded, "edge-embedded", true, {"w", "s", "h1", "h2", "t", "er"}},
        {LineType::BroadsideShielded, "broadside-shielded", true, {"w", "s", "h", "t", "er"}},
        {LineType::BroadsideUnshielded, "broadside-unshielded", true, {"w", "s", "h", "t", "er"}},
    }};
    return table;
}

const TypeInfo& info(LineType type) { return types()[static_cast<size_t>(type)]; }

void require(bool ok, const char* message) {
    if (!ok) throw std::invalid_argument(message);
}

// A conductor etched on the laminate below it (full width at the bottom),
// or, with down set, on the laminate above it.
Conductor trace(double centre, double bottom, const SectionInput& in, int net, bool down = false) {
    Conductor c;
    c.centre = centre;
    c.base = bottom;
    c.thickness = in.t;
    const double narrow = in.w - 2 * in.etch * in.t;
    require(in.t == 0 || narrow > 0, "the etch factor leaves no copper on top of the conductor");
    c.baseWidth = down ? narrow : in.w;
    c.farWidth = down ? in.w : narrow;
    if (in.t == 0) c.baseWidth = c.farWidth = in.w;
    c.net = net;
    return c;
}

CrossSection overPlane(double dielectric, double er) {
    CrossSection cs;
    cs.planes = Planes::Below;
    cs.layers.push_back({0, dielectric, er});
    cs.mirror = Mirror::Vertical;
    return cs;
}

CrossSection betweenPlanes(double gap, double er) {
    CrossSection cs;
    cs.planes = Planes::Both;
    cs.planeGap = gap;
    cs.layers.push_back({0, gap, er});
    cs.mirror = Mirror::Vertical;
    return cs;
}

// Two traces side by side, S apart, with their bottoms at y.
void sideBySide(CrossSection& cs, double y, const SectionInput& in) {
    const double offset = (in.w + in.s) / 2;
    cs.conductors.push_back(trace(-offset, y, in, 0));
    cs.conductors.push_back(trace(offset, y, in, 1));
}

}  // namespace

std::string_view typeName(LineType type) { return info(type).name; }

std::optional<LineType> typeFromName(std::string_view name) {
    for (const TypeInfo& t : types())
        if (name == t.name) return t.type;
    return std::nullopt;
}

bool isPair(LineType type) { return info(type).pair; }

const std::vector<std::string>& typeKeys(LineType type) { return info(type).keys; }

CrossSection crossSection(LineType type, const SectionInput& in) {
    for (double v : {in.w, in.s, in.h, in.h1, in.h2, in.c, in.g, in.t, in.er, in.etch})
        require(std::isfinite(v), "every length and Er must be a finite number");
    require(in.er >= 1, "Er must be 1 or more");
    require(in.w > 0, "the width W must be more than zero");
    require(in.t >= 0, "the thickness T must not be negative");
    require(in.etch >= 0, "the etch factor must not be negative");
    const bool pair = isPair(type);
    if (pair) require(in.s > 0, "the spacing S must be more than zero");

    CrossSection cs;
    switch (type) {
    case LineType::Microstrip:
        require(in.h > 0, "the height H must be more than zero");
        cs = overPlane(in.h, in.er);
        cs.conductors.push_back(trace(0, in.h, in, 0));
        break;
    case LineType::EmbeddedMicrostrip:
        require(in.h1 > 0 && in.h2 > 0, "the heights H1 and H2 must be more than zero");
        cs = overPlane(in.h1, in.er);
        cs.conductors.push_back(trace(0, in.h2, in, 0));
        break;
    case LineType::Stripline:
        require(in.h > 0, "the height H must be more than zero");
        cs = betweenPlanes(2 * in.h + in.t, in.er);
        cs.conductors.push_back(trace(0, in.h, in, 0));
        break;
    case LineType::AsymmetricStripline:
        require(in.h1 > 0 && in.h2 > 0, "the heights H1 and H2 must be more than zero");
        cs = betweenPlanes(in.h1 + in.h2 + in.t, in.er);
        cs.conductors.push_back(trace(0, in.h1, in, 0));
        break;
    case LineType::DualStripline:
        require(in.h > 0, "the height H must be more than zero");
        require(in.c > 0, "the spacing C must be more than zero");
        cs = betweenPlanes(2 * in.h + 2 * in.t + in.c, in.er);
        cs.conductors.push_back(trace(0, in.h, in, 0));
        break;
    case LineType::Cpwg: {
        require(in.h > 0, "the height H must be more than zero");
        require(in.g > 0, "the gap G must be more than zero");
        cs = overPlane(in.h, in.er);
        cs.conductors.push_back(trace(0, in.h, in, 0));
        // The coplanar grounds reach far enough that their ends no longer
        // matter; their inner edges are etched like the conductor's.
        const double reach = 20 * std::max(in.w + 2 * in.g, in.h);
        SectionInput ground = in;
        ground.w = reach;
        const double centre = in.w / 2 + in.g + reach / 2;
        Conductor right = trace(centre, in.h, ground, -1);
        Conductor left = right;
        left.centre = -centre;
        cs.conductors.push_back(left);
        cs.conductors.push_back(right);
        break;
    }
    case LineType::EdgeExternal:
        require(in.h > 0, "the height H must be more than zero");
        cs = overPlane(in.h, in.er);
        sideBySide(cs, in.h, in);
        break;
    case LineType::EdgeInternal:
        require(in.h > in.t, "the planes must be farther apart than the thickness T");
        cs = betweenPlanes(in.h, in.er);
        sideBySide(cs, (in.h - in.t) / 2, in);
        break;
    case LineType::EdgeInternalAsym:
        require(in.h1 > 0 && in.h2 > 0, "the heights H1 and H2 must be more than zero");
        cs = betweenPlanes(in.h1 + in.h2 + in.t, in.er);
        sideBySide(cs, in.h1, in);
        break;
    case LineType::EdgeEmbedded:
        require(in.h1 > 0 && in.h2 > 0, "the heights H1 and H2 must be more than zero");
        cs = overPlane(in.h2, in.er);
        sideBySide(cs, in.h1, in);
        break;
    case LineType::BroadsideShielded: {
        const double gap = (in.h - 2 * in.t - in.s) / 2;
        require(gap > 0, "the planes must be farther apart than both thicknesses T and the spacing S");
        cs = betweenPlanes(in.h, in.er);
        cs.conductors.push_back(trace(0, gap, in, 0, true));
        cs.conductors.push_back(trace(0, gap + in.t + in.s, in, 1));
        cs.mirror = Mirror::Horizontal;
        cs.mirrorAt = in.h / 2;
        break;
    }
    case LineType::BroadsideUnshielded: {
        require(in.h > 2 * in.t + in.s, "the dielectric must be thicker than both thicknesses T and the spacing S");
        cs.planes = Planes::None;
        cs.layers.push_back({0, in.h, in.er});
        const double middle = in.h / 2;
        cs.conductors.push_back(trace(0, middle - in.s / 2 - in.t, in, 0, true));
        cs.conductors.push_back(trace(0, middle + in.s / 2, in, 1));
        cs.mirror = Mirror::Horizontal;
        cs.mirrorAt = middle;
        break;
    }
    }
    if (pair && cs.mirror == Mirror::Vertical) cs.mirrorAt = 0;
    return cs;
}

}  // namespace tv::solver
