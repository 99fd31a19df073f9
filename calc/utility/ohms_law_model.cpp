#include "calc/utility/ohms_law_model.h"

#include <cmath>

namespace tv::ohms {

Eir solveEir(SolveFor solveFor, double first, double second) {
    switch (solveFor) {
        case SolveFor::Volts: {
            double v = first * second;
            return {v, v * first};
        }
        case SolveFor::Amps: {
            double i = first / second;
            return {i, first * i};
        }
        case SolveFor::Ohms: return {first / second, first * second};
    }
    return {NAN, NAN};
}

LedBias ledResistor(double supply, double drop, double milliamps) {
    double amps = milliamps / 1000;
    return {(supply - drop) / amps, (supply - drop) * amps};
}

LedBias ledCurrent(double supply, double drop, double ohms) {
    double milliamps = (supply - drop) / ohms * 1000;
    return {milliamps, (supply - drop) * (milliamps / 1000)};
}

Network series(double volts, std::span<const double> ohms) {
    Network n{};
    n.total = 0;
    for (double r : ohms) n.total += r;
    n.current = volts / n.total;
    for (size_t k = 0; k < ohms.size() && k < n.branch.size(); ++k) {
        n.branch[k] = ohms[k] * n.current;
        n.watts[k] = n.branch[k] * n.current;
    }
    return n;
}

Network parallel(double volts, std::span<const double> ohms) {
    Network n{};
    double conductance = 0;
    for (double r : ohms) conductance += 1 / r;
    n.total = 1 / conductance;
    n.current = volts / n.total;
    for (size_t k = 0; k < ohms.size() && k < n.branch.size(); ++k) {
        n.branch[k] = volts / ohms[k];
        n.watts[k] = volts * n.branch[k];
    }
    return n;
}

namespace {

struct PadTerms {
    double k;       // voltage ratio 10^(dB/20)
    double z1, z2;  // larger and smaller impedance
};

PadTerms padTerms(double dB, double zin, double zout) {
    return {std::pow(10.0, dB / 20), zin >= zout ? zin : zout, zin >= zout ? zout : zin};
}

}  // namespace

Pad piPad(double dB, double zin, double zout) {
    const auto [k, z1, z2] = padTerms(dB, zin, zout);
    const double k2 = k * k;
    const double ratio = std::sqrt(z1 / z2);
    return {
        z1 * (k2 - 1) / (k2 - 2 * k * ratio + 1),
        z2 * (k2 - 1) / (k2 - 2 * k / ratio + 1),
        ((k2 - 1) / k) * std::sqrt(z1 * z2) / 2,
    };
}

Pad tPad(double dB, double zin, double zout) {
    const auto [k, z1, z2] = padTerms(dB, zin, zout);
    const double k2 = k * k;
    const double shunt = 2 * std::sqrt(z1 * z2) * k / (k2 - 1);
    return {
        z1 * (k2 + 1) / (k2 - 1) - shunt,
        z2 * (k2 + 1) / (k2 - 1) - shunt,
        shunt,
    };
}

}  // namespace tv::ohms
