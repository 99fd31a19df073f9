#include "calc/lines/microstrip_model.h"

#include <cmath>

namespace tv::lines {
namespace {

constexpr double kPi = 3.14159;
constexpr double kTwoPi = 6.28318;
constexpr double kFourE = 10.8731272;
constexpr double kEta0 = 376.9908;
constexpr double kE = 2.7182818;

// Every exponential of the model has this base.
double ex(double x) { return std::pow(kE, x); }

// Impedance in air of a line of normalised width x.
double z01(double x) {
    double f = 6 + (kTwoPi - 6) * ex(-std::pow(30.666 / x, 0.7528));
    return kEta0 / kTwoPi * std::log(f / x + std::sqrt(1 + 4 / (x * x)));
}

}  // namespace

MicrostripResult microstrip(const MicrostripInput& in) {
    const double er = in.er, fn = in.f;
    MicrostripResult r{};

    // Static part with the thickness correction.
    double u = in.W / in.H;
    double t = in.T / in.H;
    double th = std::tanh(std::sqrt(6.517 * u));
    r.u1 = u + t / kPi * std::log(1 + kFourE / t * th * th);
    r.ur = u + 0.5 * (1 + 1 / std::cosh(std::sqrt(er - 1))) * (r.u1 - u);
    double ur = r.ur, ur2 = ur * ur, ur4 = ur2 * ur2;
    double a = 1 + std::log((ur4 + ur2 / 2704) / (ur4 + 0.432)) / 49 +
               std::log(1 + std::pow(ur / 18.1, 3)) / 18.7;
    double b = 0.564 * std::pow((er - 0.9) / (er + 3), 0.053);
    r.eeUr = (er + 1) / 2 + (er - 1) / 2 * std::pow(1 + 10 / ur, -a * b);
    r.Z01u1 = z01(r.u1);
    r.Z01ur = z01(ur);
    r.Z0s = r.Z01ur / std::sqrt(r.eeUr);
    double ratio = r.Z01u1 / r.Z01ur;
    r.ee0 = r.eeUr * ratio * ratio;

    // Dispersion, on the width ratio before any thickness correction.
    double p1 = 0.27488 + (0.6315 + 0.525 / std::pow(1 + 0.0157 * fn, 20)) * u -
                0.065683 * ex(-8.7513 * u);
    double p2 = 0.33622 * (1 - ex(-0.03442 * er));
    double p3 = 0.0363 * ex(-4.6 * u) * (1 - ex(-std::pow(fn / 38.7, 4.97)));
    double p4 = 1 + 2.751 * (1 - ex(-std::pow(er / 15.916, 8)));
    double p = p1 * p2 * std::pow((0.1844 + p3 * p4) * fn, 1.5763);
    r.eef = er - (er - r.ee0) / (1 + p);

    r.Z0f = r.Z0s * std::sqrt(r.ee0 / r.eef) * (r.eef - 1) / (r.ee0 - 1);
    return r;
}

}  // namespace tv::lines
