#include "calc/board/planar_inductor_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/numbertext.h"

namespace tv::inductor {

namespace {

struct Coefficients {
    double k1, k2;
};

Coefficients coefficients(Shape shape) {
    switch (shape) {
        case Shape::Hexagonal: return {2.33, 3.82};
        case Shape::Octagonal: return {2.25, 3.55};
        case Shape::Circular: return {2.275, 3.575};
        case Shape::Square: break;
    }
    return {2.34, 2.75};
}

// mu0 in nH per micrometre.
constexpr double kMu0 = 0.001256;

}  // namespace

Result planarInductor(Shape shape, const Coil& c) {
    const Coefficients k = coefficients(shape);
    Result r{};
    r.inner = c.outer - (2 * (c.turns - 1) * c.spacing + 2 * c.turns * c.width);
    const double average = (c.outer + r.inner) * 0.5;
    r.fill = (c.outer - r.inner) / (c.outer + r.inner);
    r.nH = c.turns * c.turns * average / (k.k2 * r.fill + 1) * (k.k1 * kMu0);
    // With dout + din = 0 the average diameter is 0 as well and the quotient
    // would read 0 nH; a coil without a fill factor has no inductance.
    if (!std::isfinite(r.fill)) r.nH = std::numeric_limits<double>::quiet_NaN();
    return r;
}

double readCoilNumber(const std::string& text, const std::string& separator) {
    std::string t = text;
    if (separator == ",") std::replace(t.begin(), t.end(), '.', ',');
    else std::replace(t.begin(), t.end(), ',', '.');
    try {
        return readFloat(t, separator);
    } catch (const ConversionError&) {
        throw ConversionError("'" + text + "' is not a valid floating point value");
    }
}

}  // namespace tv::inductor
