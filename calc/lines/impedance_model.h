#pragma once
// The closed-form impedance formulas of the buried and coplanar line types
// (IPC-2141 embedded microstrip, stripline and dual stripline; the
// conductor-backed coplanar waveguide by conformal mapping), and the values
// per unit length every type derives from its impedance. Window-free: lengths
// in one unit as each function says, no checks.
namespace tv::lines {

// Embedded microstrip: W, T, H1 (substrate thickness) and H2 (conductor height
// above the plane) in one length unit.
struct EmbeddedMicrostrip {
    double erPrime;  // Er corrected for the dielectric above the conductor
    double Z0;       // ohms
};
EmbeddedMicrostrip embeddedMicrostrip(double W, double T, double H1, double H2, double er);

// Centred stripline: H from the conductor to each plane; one length unit.
double striplineZ0(double W, double T, double H, double er);

// Dual stripline: H from the conductor to its plane, C between the two signal
// conductors; one length unit.
double dualStriplineZ0(double W, double T, double H, double C, double er);

// Complete elliptic integral of the first kind after seven steps of the
// arithmetic-geometric mean, with pi as 3.14159.
double ellipticK(double k);

// Conductor-backed coplanar waveguide: W, the gap G to the grounds on either
// side and the height H above the plane, in one length unit.
struct Coplanar {
    double erEff;
    double Z0;  // ohms
};
Coplanar coplanarWaveguide(double W, double H, double G, double er);

// Propagation delay per inch in ps: of a microstrip from its effective Er,
// of the embedded microstrip from its corrected Er, of the striplines from Er.
double microstripDelay(double erEff);
double embeddedDelay(double erPrime);
double striplineDelay(double er);

// Capacitance and inductance per unit length from the delay per unit length
// (ps) and the impedance: pF and nH per that length. Nothing finite for an
// impedance that is not finite.
struct PerLength {
    double Tpd, Co, Lo;
};
PerLength perLength(double Tpd, double Z0);

}  // namespace tv::lines
