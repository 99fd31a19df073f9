#pragma once
// Fusing current of a bare copper conductor after Onderdonk's equation in its
// reduced form, I = 0.188 * A / sqrt(t), A in square mils, t in seconds.
#include <cmath>

namespace tv {

// Amperes that fuse a cross-section of `sqMils` square mils in `seconds`;
// not finite for a time of zero or below.
inline double fusingCurrent(double sqMils, double seconds) {
    if (!(seconds > 0)) return NAN;
    return sqMils * 0.188 / std::pow(seconds, 0.5);
}

}  // namespace tv
