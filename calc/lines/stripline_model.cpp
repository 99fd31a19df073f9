#include "calc/lines/stripline_model.h"

#include <cmath>

namespace tv::lines {
namespace {

constexpr double kPi = 3.14159;
constexpr double kTwoPi = 6.28318;
constexpr double kEta0 = 376.9908;

double coth(double y) { return (std::exp(y) + std::exp(-y)) / (std::exp(y) - std::exp(-y)); }

}  // namespace

StriplineResult offsetStripline(const StriplineInput& in) {
    const double W = in.W, T = in.T, er = in.er;
    const double b = in.H1 + in.H2 + T;    // plane separation
    const double s = std::fabs(in.H1 - in.H2);  // offset from the centre
    const double d = (b - s) / 2;          // nearer plane to the conductor's centre line
    const double p = d / b - T / (2 * b);  // min(H1, H2) / b
    const double q = 1 - T / b;
    const double rho = T <= W ? T / W : W / T;

    if (W / (in.H1 + in.H2) < 0.35) {
        // Equivalent diameter of the rectangular conductor.
        double d0 = W * (0.5008 + 1.0235 * rho - 1.023 * rho * rho + 1.1564 * std::pow(rho, 3) -
                         0.4749 * std::pow(rho, 4));
        double x = std::sin(kPi * d / b) * coth(kPi * d0 / (2 * b));
        double z = kEta0 / (std::sqrt(er) * kTwoPi) * std::log(x + std::sqrt(x * x - 1));
        return {z, StriplineMode::Narrow};
    }

    double F = ((1 - rho) * std::log(1 - rho) - rho * std::log(rho)) * (1 - 2 * rho);
    double B = 1 / (p * (q - p));
    double A = 2 * std::log(B);
    double c1 = T / (2 * b) * F;
    double c2 = d / b * F;
    double fringe = 2 / kPi * ((c1 - c2) * B + A);
    double z = kEta0 / std::sqrt(er) / (W / (b * p) + W / (b * (q - p)) + fringe);
    return {z, StriplineMode::Wide};
}

}  // namespace tv::lines
