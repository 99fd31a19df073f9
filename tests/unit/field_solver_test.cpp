// The field solver against exact and trusted results, and its own
// consistency: mesh refinement, symmetry, scale and the limits of coupling.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "solver/sections.h"
#include "solver/solve.h"

using namespace tv::solver;

namespace {

// The free-space wave impedance mu0 c. Textbook formulas write 120 pi
// (376.99 ohms) for it, so "30 pi" below stands for eta0 / 4 rounded that way.
constexpr double kEta0 = 376.730313668;
constexpr double kPi = 3.14159265358979323846;

double ellipticK(double k) { return std::comp_ellint_1(k); }

// K(k')/K(k) with k' = sqrt(1 - k^2), by the complement given directly to
// keep precision when k is close to 1.
double ratio(double k, double kPrime) { return ellipticK(kPrime) / ellipticK(k); }

SectionInput input(double w, double h, double t, double er) {
    SectionInput in;
    in.w = w;
    in.h = in.h1 = h;
    in.t = t;
    in.er = er;
    return in;
}

double deviation(double value, double reference) { return value / reference - 1; }

// ---- Exact results ----

// The centred strip of no thickness between planes B apart: Z0 =
// eta0/(4 sqrt(er)) K(k)/K(k'), k = sech(pi W / 2B).
TEST(FieldSolverExact, CentredStripline) {
    for (double er : {1.0, 4.4})
        for (double wb : {0.05, 0.1, 0.25, 0.5, 1.0, 1.5, 2.0}) {
            SCOPED_TRACE("W/B " + std::to_string(wb) + ", Er " + std::to_string(er));
            const double b = 10;
            SectionInput in = input(wb * b, b / 2, 0, er);
            const LineResult r = solveLine(crossSection(LineType::Stripline, in));
            const double x = kPi * wb / 2;
            const double k = 1 / std::cosh(x), kPrime = std::tanh(x);
            const double exact = kEta0 / 4 / std::sqrt(er) / ratio(k, kPrime);
            const double thirtyPi = 30 * kPi / std::sqrt(er) / ratio(k, kPrime);
            EXPECT_NEAR(deviation(r.z0, thirtyPi), 0, 1e-3);
            EXPECT_NEAR(deviation(r.z0, exact), 0, 2e-4);
            EXPECT_NEAR(r.eeff, er, 1e-12);
        }
}

// Cohn's even- and odd-mode impedances of two strips of no thickness,
// centred between planes b apart: ke = tanh(pi W/2b) tanh(pi (W+S)/2b),
// ko = tanh(pi W/2b) coth(pi (W+S)/2b), Z = eta0/(4 sqrt(er)) K(k')/K(k).
TEST(FieldSolverExact, CohnEdgeCoupledStripline) {
    const double b = 10, er = 3.5;
    for (double wb : {0.1, 0.5, 1.0})
        for (double sb : {0.05, 0.2, 1.0}) {
            SCOPED_TRACE("W/b " + std::to_string(wb) + ", S/b " + std::to_string(sb));
            SectionInput in = input(wb * b, b, 0, er);
            in.s = sb * b;
            const PairResult r = solvePair(crossSection(LineType::EdgeInternal, in));
            const double a = std::tanh(kPi * wb / 2), c = std::tanh(kPi * (wb + sb) / 2);
            const double ke = a * c, ko = a / c;
            const double scale = kEta0 / 4 / std::sqrt(er);
            const double zeven = scale * ratio(ke, std::sqrt((1 - ke) * (1 + ke)));
            const double zodd = scale * ratio(ko, std::sqrt((1 - ko) * (1 + ko)));
            EXPECT_NEAR(deviation(r.zeven, zeven), 0, 2e-3);
            EXPECT_NEAR(deviation(r.zodd, zodd), 0, 2e-3);
            EXPECT_NEAR(r.zdiff, 2 * r.zodd, 1e-9);
            EXPECT_NEAR(r.zcommon, r.zeven / 2, 1e-9);
        }
}

// Hammerstad and Jensen's microstrip (no thickness), accurate to 0.2 % in
// the effective permittivity and 0.03 % in the vacuum impedance.
double hammerstadJensen(double u, double er, double& eeff) {
    const double f = 6 + (2 * kPi - 6) * std::exp(-std::pow(30.666 / u, 0.7528));
    const double z01 = kEta0 / (2 * kPi) * std::log(f / u + std::sqrt(1 + 4 / (u * u)));
    const double a = 1 + std::log((std::pow(u, 4) + std::pow(u / 52, 2)) / (std::pow(u, 4) + 0.432)) / 49 +
                     std::log(1 + std::pow(u / 18.1, 3)) / 18.7;
    const double b = 0.564 * std::pow((er - 0.9) / (er + 3), 0.053);
    eeff = (er + 1) / 2 + (er - 1) / 2 * std::pow(1 + 10 / u, -a * b);
    return z01 / std::sqrt(eeff);
}

TEST(FieldSolverExact, MicrostripAgainstHammerstadJensen) {
    for (double er : {2.2, 4.6, 10.0})
        for (double u : {0.1, 0.5, 1.0, 2.0, 5.0, 10.0}) {
            SCOPED_TRACE("W/H " + std::to_string(u) + ", Er " + std::to_string(er));
            const double h = 10;
            const LineResult r = solveLine(crossSection(LineType::Microstrip, input(u * h, h, 0, er)));
            double eeff = 0;
            const double z0 = hammerstadJensen(u, er, eeff);
            EXPECT_NEAR(deviation(r.z0, z0), 0, 3e-3);
            EXPECT_NEAR(deviation(r.eeff, eeff), 0, 3e-3);
        }
}

// Conductor-backed coplanar waveguide of no thickness: the conformal-map
// result holds where the backing plane is far compared with the gaps.
TEST(FieldSolverExact, CoplanarWithFarBackingPlane) {
    const double er = 4.6, h = 20;
    for (double w : {2.0, 5.0, 20.0}) {
        SCOPED_TRACE("W " + std::to_string(w));
        SectionInput in = input(w, h, 0, er);
        in.g = 2;
        const LineResult r = solveLine(crossSection(LineType::Cpwg, in));
        const double k = w / (w + 2 * in.g);
        const double k1 = std::tanh(kPi * w / (4 * h)) / std::tanh(kPi * (w + 2 * in.g) / (4 * h));
        const double top = 1 / ratio(k, std::sqrt(1 - k * k)), bottom = 1 / ratio(k1, std::sqrt(1 - k1 * k1));
        const double q = bottom / top;
        const double eeff = (1 + er * q) / (1 + q);
        EXPECT_NEAR(deviation(r.z0, kEta0 / 2 / std::sqrt(eeff) / (top + bottom)), 0, 1e-3);
        EXPECT_NEAR(deviation(r.eeff, eeff), 0, 1e-3);
    }
}

// ---- Every cross-section ----

struct Case {
    LineType type;
    SectionInput in;
};

SectionInput full(double w, double s, double h, double h1, double h2, double c, double g, double t, double er,
                  double etch = 0) {
    SectionInput in;
    in.w = w, in.s = s, in.h = h, in.h1 = h1, in.h2 = h2, in.c = c, in.g = g, in.t = t, in.er = er, in.etch = etch;
    return in;
}

// One practical cross-section of each type (mils, copper of the panels'
// defaults), one with an etched trapezoid.
const Case kCases[] = {
    {LineType::Microstrip, full(5, 0, 10, 0, 0, 0, 0, 2.1, 4.6)},
    {LineType::EmbeddedMicrostrip, full(5, 0, 0, 10, 8, 0, 0, 0.7, 4.6)},
    {LineType::Stripline, full(5, 0, 10, 0, 0, 0, 0, 0.7, 4.6)},
    {LineType::AsymmetricStripline, full(5, 0, 0, 10, 8, 0, 0, 0.7, 4.6)},
    {LineType::DualStripline, full(5, 0, 10, 0, 0, 8, 0, 0.7, 4.6)},
    {LineType::Cpwg, full(5, 0, 10, 0, 0, 0, 8, 2.1, 4.6)},
    {LineType::EdgeExternal, full(10, 5, 15, 0, 0, 0, 0, 2.1, 4.6, 1)},
    {LineType::EdgeInternal, full(10, 5, 15, 0, 0, 0, 0, 0.7, 4.6)},
    {LineType::EdgeInternalAsym, full(10, 5, 0, 15, 5, 0, 0, 0.7, 4.6)},
    {LineType::EdgeEmbedded, full(10, 5, 0, 5, 15, 0, 0, 0.7, 4.6)},
    {LineType::BroadsideShielded, full(10, 5, 15, 0, 0, 0, 0, 0.7, 4.6)},
    {LineType::BroadsideUnshielded, full(10, 5, 15, 0, 0, 0, 0, 0.7, 4.6)},
};

// The headline figure: Zdiff for a pair, Z0 for a line.
double headline(LineType type, const SectionInput& in, double density) {
    MeshOptions options;
    options.density = density;
    const CrossSection cs = crossSection(type, in);
    return isPair(type) ? solvePair(cs, options).zdiff : solveLine(cs, options).z0;
}

TEST(FieldSolverMesh, RefiningChangesLittle) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(typeName(c.type)));
        const double coarse = headline(c.type, c.in, 1), fine = headline(c.type, c.in, 2);
        EXPECT_LT(std::fabs(deviation(coarse, fine)), 5e-4);
    }
}

// Lengths in millimetres instead of mils: the same line.
TEST(FieldSolverMesh, UnitOfLengthDoesNotMatter) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(typeName(c.type)));
        SectionInput mm = c.in;
        for (double* v : {&mm.w, &mm.s, &mm.h, &mm.h1, &mm.h2, &mm.c, &mm.g, &mm.t}) *v *= 0.0254;
        EXPECT_NEAR(deviation(headline(c.type, mm, 1), headline(c.type, c.in, 1)), 0, 1e-6);
    }
}

// The half cross-section with its mirror image is the whole one.
TEST(FieldSolverMesh, MirrorHalfMatchesWholeSection) {
    for (LineType type : {LineType::Microstrip, LineType::Cpwg, LineType::Stripline}) {
        SCOPED_TRACE(std::string(typeName(type)));
        SectionInput in = full(5, 0, 10, 0, 0, 0, 4, 1.4, 4.6, 1);
        CrossSection cs = crossSection(type, in);
        const LineResult half = solveLine(cs);
        cs.mirror = Mirror::None;
        const LineResult whole = solveLine(cs);
        EXPECT_NEAR(deviation(half.z0, whole.z0), 0, 1e-4);
        EXPECT_NEAR(deviation(half.eeff, whole.eeff), 0, 1e-4);
    }
    // The pair's modes against its full capacitance matrix.
    CrossSection cs = crossSection(LineType::EdgeExternal, full(10, 5, 15, 0, 0, 0, 0, 2.1, 4.6));
    const PairResult pair = solvePair(cs);
    cs.mirror = Mirror::None;
    const Capacitances c = capacitances(cs, 1);
    ASSERT_EQ(c.withDielectric.rows(), 2);
    EXPECT_NEAR(deviation(c.withDielectric(0, 0), pair.capacitance(0, 0)), 0, 1e-4);
    EXPECT_NEAR(deviation(c.withDielectric(0, 1), pair.capacitance(0, 1)), 0, 1e-3);
    EXPECT_NEAR(deviation(c.vacuum(1, 0), pair.vacuumCapacitance(1, 0)), 0, 1e-3);
}

// ---- Physics that must hold ----

TEST(FieldSolverPhysics, LineParametersAgree) {
    for (const Case& c : kCases) {
        if (isPair(c.type)) continue;
        SCOPED_TRACE(std::string(typeName(c.type)));
        const LineResult r = solveLine(crossSection(c.type, c.in));
        EXPECT_GT(r.eeff, 1);
        EXPECT_LE(r.eeff, c.in.er + 1e-9);
        EXPECT_NEAR(r.z0, std::sqrt(r.inductance / r.capacitance), 1e-9 * r.z0);
        EXPECT_NEAR(r.delay, std::sqrt(r.inductance * r.capacitance), 1e-9 * r.delay);
        EXPECT_GT(r.unknowns, 10);
    }
}

TEST(FieldSolverPhysics, PairsCoupleLessWhenApart) {
    for (const Case& c : kCases) {
        if (!isPair(c.type)) continue;
        SCOPED_TRACE(std::string(typeName(c.type)));
        const PairResult r = solvePair(crossSection(c.type, c.in));
        EXPECT_GT(r.zdiff, 0);
        EXPECT_NEAR(r.zdiff, 2 * r.zodd, 1e-9);
        EXPECT_GT(r.eeffOdd, 1);
        if (c.type == LineType::BroadsideUnshielded) {
            // No ground: no common mode, and no single line.
            EXPECT_TRUE(std::isinf(r.zeven));
            EXPECT_TRUE(std::isinf(r.single.z0));
            continue;
        }
        EXPECT_LT(r.zodd, r.single.z0);
        EXPECT_GT(r.zeven, r.single.z0);
        EXPECT_GT(r.coupling, 0);
        EXPECT_LT(r.capacitance(0, 1), 0);
        if (c.type == LineType::BroadsideShielded) continue;
        // Far apart the pair is two single lines.
        SectionInput apart = c.in;
        apart.s = 40 * (c.in.w + c.in.h + c.in.h1 + c.in.h2);
        const PairResult far = solvePair(crossSection(c.type, apart));
        EXPECT_NEAR(deviation(far.zodd, far.single.z0), 0, 2e-3);
        EXPECT_NEAR(deviation(far.zeven, far.single.z0), 0, 2e-3);
        EXPECT_LT(far.coupling, r.coupling);
    }
}

TEST(FieldSolverPhysics, ThicknessAndEtch) {
    // Copper thickness lowers the impedance; an etched trapezoid lies between
    // the rectangles of its two widths.
    SectionInput in = full(8, 0, 10, 0, 0, 0, 0, 0, 4.6);
    const double flat = headline(LineType::Microstrip, in, 1);
    in.t = 1.4;
    const double thick = headline(LineType::Microstrip, in, 1);
    in.etch = 1;
    const double etched = headline(LineType::Microstrip, in, 1);
    in.etch = 0;
    in.w = 8 - 2 * 1.4;
    const double narrow = headline(LineType::Microstrip, in, 1);
    EXPECT_LT(thick, flat);
    EXPECT_GT(etched, thick);
    EXPECT_LT(etched, narrow);
}

TEST(FieldSolverPhysics, VacuumEverywhereGivesUnitPermittivity) {
    for (LineType type : {LineType::Microstrip, LineType::EmbeddedMicrostrip, LineType::Cpwg}) {
        SectionInput in = full(5, 0, 10, 10, 5, 0, 4, 0.7, 1);
        EXPECT_NEAR(solveLine(crossSection(type, in)).eeff, 1, 1e-12) << typeName(type);
    }
}

// A buried line under a dielectric far thicker than its height is a line
// in that dielectric; a dielectric that barely covers it is close to a
// microstrip.
TEST(FieldSolverPhysics, EmbeddedMicrostripLimits) {
    SectionInput in = full(5, 0, 0, 400, 5, 0, 0, 0, 4.6);
    const LineResult deep = solveLine(crossSection(LineType::EmbeddedMicrostrip, in));
    EXPECT_NEAR(deep.eeff, 4.6, 4.6 * 2e-3);
    in.h1 = 5;
    const LineResult bare = solveLine(crossSection(LineType::EmbeddedMicrostrip, in));
    const LineResult microstrip = solveLine(crossSection(LineType::Microstrip, input(5, 5, 0, 4.6)));
    EXPECT_NEAR(deviation(bare.z0, microstrip.z0), 0, 1e-4);
}

TEST(FieldSolverSections, NamesAndKeys) {
    int pairs = 0;
    for (int i = 0; i < kLineTypes; ++i) {
        const auto type = static_cast<LineType>(i);
        EXPECT_EQ(typeFromName(typeName(type)), type);
        pairs += isPair(type);
        const auto& keys = typeKeys(type);
        EXPECT_EQ(keys.front(), "w");
        EXPECT_EQ(keys.back(), "er");
    }
    EXPECT_EQ(pairs, 6);
    EXPECT_FALSE(typeFromName("coplanar").has_value());
}

TEST(FieldSolverSections, ImpossibleGeometriesAreRefused) {
    const Case bad[] = {
        {LineType::Microstrip, full(0, 0, 10, 0, 0, 0, 0, 1, 4)},             // no width
        {LineType::Microstrip, full(5, 0, -1, 0, 0, 0, 0, 1, 4)},             // below the plane
        {LineType::Stripline, full(5, 0, 5, 0, 0, 0, 0, 1, 0.5)},             // Er below 1
        {LineType::Cpwg, full(5, 0, 10, 0, 0, 0, 0, 1, 4)},                   // no gap
        {LineType::DualStripline, full(5, 0, 5, 0, 0, 0, 0, 1, 4)},           // no spacing C
        {LineType::EdgeExternal, full(5, 0, 10, 0, 0, 0, 0, 1, 4)},           // pair without spacing
        {LineType::EdgeInternal, full(5, 3, 1, 0, 0, 0, 0, 1.4, 4)},          // planes closer than T
        {LineType::BroadsideShielded, full(5, 5, 6.4, 0, 0, 0, 0, 0.7, 4)},   // H = 2T + S
        {LineType::BroadsideUnshielded, full(5, 5, 5, 0, 0, 0, 0, 0, 4)},     // H = S
        {LineType::Microstrip, full(2, 0, 10, 0, 0, 0, 0, 1, 4, 1)},          // etched away on top
        {LineType::Stripline, full(5, 0, 5, 0, 0, 0, 0, -1, 4)},              // negative thickness
    };
    for (const Case& c : bad) EXPECT_THROW(crossSection(c.type, c.in), std::invalid_argument) << typeName(c.type);
}

}  // namespace
