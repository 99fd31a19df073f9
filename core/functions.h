#pragma once
// The twenty program functions by name, in menu and tab order. The number of
// a function is its tab index and the value stored under "Program"; only the
// catalogue and this enum know the numbers.
namespace tv {

enum class Fn : int {
    Via,                // Via Properties
    Conductor,          // Conductor Properties
    Bandwidth,          // Bandwidth & Max Conductor Length
    DifferentialPairs,  // Differential Pairs
    Padstack,           // Padstack Calculator
    Mechanical,         // Mechanical Information
    Spacing,            // Conductor Spacing
    Impedance,          // Conductor Impedance
    Conversion,         // Conversion Data
    PlanarInductors,    // Planar Inductors
    Pdn,                // PDN Calculator
    Thermal,            // Thermal
    Fusing,             // Fusing Current
    EmbeddedResistors,  // Embedded Resistors
    Ppm,                // PPM Calculator
    Crosstalk,          // Crosstalk Calculator
    Wavelength,         // Wavelength Calculator
    ErEffective,        // Er Effective
    OhmsLaw,            // Ohm's Law
    Reactance,          // Reactance
};

constexpr int kFunctionCount = 20;

constexpr int indexOf(Fn f) { return static_cast<int>(f); }

}  // namespace tv
