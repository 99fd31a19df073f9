#pragma once
// Inductance of a flat spiral coil after the modified Wheeler expression
// (Mohan et al., "Simple Accurate Expressions for Planar Spiral Inductances",
// IEEE JSSC 34(10), 1999):
//   L = K1 * mu0 * n^2 * davg / (1 + K2 * rho)
// with davg the average diameter and rho the fill factor.
#include <string>

namespace tv::inductor {

// Items of the shared layer group while the inductor tab is shown.
enum class Shape { Square = 0, Hexagonal = 1, Octagonal = 2, Circular = 3 };

struct Coil {
    double turns;
    double width;    // micrometres
    double spacing;  // micrometres
    double outer;    // outer diameter, micrometres
};

struct Result {
    double inner;  // inner diameter, micrometres (negative when the turns do not fit)
    double fill;   // (dout - din) / (dout + din)
    double nH;
};

Result planarInductor(Shape shape, const Coil& coil);

// Reads a coil field: a point or a comma both serve as the decimal separator
// (the text is spelled with the user's separator first). Under another
// separator a comma still reads as a point. Throws ConversionError with the
// field's own text.
double readCoilNumber(const std::string& text, const std::string& separator);

}  // namespace tv::inductor
