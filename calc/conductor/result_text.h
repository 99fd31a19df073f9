#pragma once
// Result text of a computed value: the printf format with its unit, or "N/A"
// when the value is not a finite number (a zero time, width or frequency).
#include <cmath>
#include <string>

#include "numbertext.h"

namespace tv {

inline std::string resultText(const char* format, double value) {
    if (!std::isfinite(value)) return "N/A";
    return cformat(format, {value});
}

}  // namespace tv
