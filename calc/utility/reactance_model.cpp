#include "calc/utility/reactance_model.h"

#include <cmath>

namespace tv::reactance {

double capacitive(double hertz, double farads) { return 1 / (hertz * kTwoPi * farads); }

double inductive(double hertz, double henries) { return hertz * kTwoPi * henries; }

double resonantFrequency(double farads, double henries) {
    return 1 / (std::sqrt(farads * henries) * kTwoPi);
}

}  // namespace tv::reactance
