#include "calc/lines/wavelength_model.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace tv::lines {

namespace {
constexpr double kLightSpeed = 299792458;  // m/s
constexpr double kToMHz[] = {1, 0.001, 0.000001};
}  // namespace

const WavelengthFraction& wavelengthFraction(int position) {
    const int last = static_cast<int>(std::size(kWavelengthFractions)) - 1;
    return kWavelengthFractions[position < 0 ? 0 : position > last ? last : position];
}

double signalFrequencyMHz(SignalEntry entry, int unit, double value) {
    switch (entry) {
        case SignalEntry::Period: return 1 / (value / (unit == 1 ? 1e12 : 1e9)) / 1e6;
        case SignalEntry::Frequency: return value * kToMHz[unit >= 0 && unit <= 2 ? unit : 0];
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double wavelengthCm(double fMHz, double erEff) {
    if (!(fMHz > 0 && std::isfinite(fMHz) && erEff > 0)) return std::numeric_limits<double>::quiet_NaN();
    return kLightSpeed / (std::sqrt(erEff) * fMHz) * 0.0001;
}

double shownWavelength(double fMHz, double erEff, double fraction, bool metric) {
    const double cm = wavelengthCm(fMHz, erEff);
    return (metric ? cm : cm / 2.54) * fraction;
}

}  // namespace tv::lines
