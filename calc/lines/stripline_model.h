#pragma once
// Closed-form model of a rectangular conductor buried between two reference
// planes at unequal distances (offset stripline). Narrow conductors are
// replaced by an equivalent round conductor; wide ones take the parallel-plate
// capacitance to each plane plus a fringing term. The model picks the form
// from W/(H1 + H2) and reports which one it used. Window-free.
//
// Constants as the calculators have always used them: pi 3.14159, 2 pi 6.28318,
// free-space impedance 376.9908.
namespace tv::lines {

struct StriplineInput {
    double W;   // conductor width; any length unit, the same for W, T, H1, H2 (callers use mils)
    double T;   // conductor thickness, same unit
    double H1;  // distance from the conductor to the plane on one side, same unit
    double H2;  // distance from the conductor to the plane on the other side, same unit
    double er;  // relative permittivity of the dielectric, > 1
};

enum class StriplineMode { Narrow, Wide };

struct StriplineResult {
    double Z0;           // characteristic impedance, ohms
    StriplineMode mode;  // Narrow when W/(H1 + H2) < 0.35, otherwise Wide
};

// No side effects; H1 and H2 may be swapped. Outside the forms' domain (narrow:
// a conductor so close to a plane that the arccosh argument drops below 1;
// wide: T = 0 or T = W) Z0 is not a finite number.
StriplineResult offsetStripline(const StriplineInput& in);

}  // namespace tv::lines
