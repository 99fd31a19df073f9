#include "calc/lines/impedance_model.h"

#include <cmath>
#include <limits>

namespace tv::lines {
namespace {
constexpr double kPi = 3.14159;
}

EmbeddedMicrostrip embeddedMicrostrip(double W, double T, double H1, double H2, double er) {
    double erPrime = er * (1 - std::exp(-1.55 * H1 / H2));
    return {erPrime, 60 / std::sqrt(erPrime) * std::log(5.98 * H2 / (0.8 * W + T))};
}

double striplineZ0(double W, double T, double H, double er) {
    return 60 / std::sqrt(er) * std::log(1.9 * (2 * H + T) / (0.8 * W + T));
}

double dualStriplineZ0(double W, double T, double H, double C, double er) {
    return 80 / std::sqrt(er) * std::log(1.9 * (2 * H + T) / (0.8 * W + T)) * (1 - H / (4 * (H + C + T)));
}

double ellipticK(double k) {
    double a = 1, b = std::sqrt(1 - k * k);
    for (int i = 0; i < 7; ++i) {
        double next = (a + b) / 2;
        b = std::sqrt(a * b);
        a = next;
    }
    return kPi / (2 * a);
}

Coplanar coplanarWaveguide(double W, double H, double G, double er) {
    double k = W / (W + 2 * G);
    double kp = std::sqrt(1 - k * k);
    double k1 = std::tanh(kPi * W / (4 * H)) / std::tanh(kPi * (W + 2 * G) / (4 * H));
    double k1p = std::sqrt(1 - k1 * k1);
    double Kk = ellipticK(k), Kkp = ellipticK(kp), Kk1 = ellipticK(k1), Kk1p = ellipticK(k1p);
    double r = (Kkp / Kk) * (Kk1 / Kk1p);
    double erEff = (1 + er * r) / (1 + r);
    // 188.4954 is 60 pi with pi as 3.14159.
    return {erEff, (188.4954 / std::sqrt(erEff)) / (Kk / Kkp + Kk1 / Kk1p)};
}

double microstripDelay(double erEff) { return 1000 / (11.8 / std::sqrt(erEff)); }
double embeddedDelay(double erPrime) { return 0.08457 * std::sqrt(erPrime) * 1000; }
double striplineDelay(double er) { return std::sqrt(er) * 1.017 / 12 * 1000; }

PerLength perLength(double Tpd, double Z0) {
    if (!std::isfinite(Z0)) {
        constexpr double none = std::numeric_limits<double>::quiet_NaN();
        return {Tpd, none, none};
    }
    double Co = Tpd / Z0;
    return {Tpd, Co, Z0 * Z0 * Co / 1000};
}

}  // namespace tv::lines
