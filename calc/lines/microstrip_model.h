#pragma once
// Closed-form model of a surface conductor over one reference plane: static
// impedance and effective permittivity (Hammerstad and Jensen) with the
// conductor-thickness correction, and the frequency dependence of the
// effective permittivity (Kirschning and Jansen). Window-free; the callers
// convert, validate and format.
//
// The constants are the ones the calculators have always used (pi as 3.14159,
// 2 pi as 6.28318, the free-space impedance as 376.9908, every e^x as
// 2.7182818^x); the last digits of the results depend on them.
namespace tv::lines {

struct MicrostripInput {
    double W;   // conductor width; any length unit, the same for W, H and T
    double H;   // height above the reference plane (substrate thickness), same unit
    double T;   // conductor thickness (base copper plus plating), same unit
    double er;  // relative permittivity of the substrate, > 1
    double f;   // normalised frequency fn in GHz*mm: frequency in GHz times H in millimetres
};

struct MicrostripResult {
    double ee0;  // static effective permittivity, thickness-corrected
    double Z0s;  // static characteristic impedance, ohms
    double eef;  // effective permittivity at the frequency fn
    double Z0f;  // characteristic impedance at the frequency fn, ohms
    // Working values, for checking the model against hand calculations.
    double u1;   // W/H corrected for thickness in a homogeneous medium
    double ur;   // W/H corrected for thickness on the mixed dielectric
    double eeUr; // effective permittivity at ur before the thickness correction
    double Z01u1;  // impedance in air at u1, ohms
    double Z01ur;  // impedance in air at ur, ohms
};

// No side effects. Needs W > 0 and T > 0; outside that the numbers that come
// back are not finite.
MicrostripResult microstrip(const MicrostripInput& in);

}  // namespace tv::lines
