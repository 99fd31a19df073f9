#pragma once
// A transmission-line cross-section: ground planes, horizontal dielectric
// layers and conductors of trapezoidal section. Lengths are in any one unit;
// every result per unit length is independent of it.
#include <vector>

namespace tv::solver {

struct Point {
    double x = 0, y = 0;
};

// The reference planes: none, one at y = 0, or one at y = 0 and one at
// y = planeGap. Conductors and layers lie above y = 0 when there is a plane.
enum class Planes { None, Below, Both };

// A dielectric slab between two heights; outside every slab is vacuum.
struct Layer {
    double bottom = 0, top = 0;
    double er = 1;
};

// A conductor: a trapezoid with a horizontal base at y = base and the other
// horizontal side at y = base + thickness (thickness 0: a flat strip). The
// side at y = base is baseWidth wide, the other side farWidth wide, both
// centred on x = centre. net 0 and 1 are the signal conductors, -1 a ground.
struct Conductor {
    double centre = 0;
    double base = 0;
    double baseWidth = 0;
    double farWidth = 0;
    double thickness = 0;
    int net = 0;

    double bottom() const { return base; }
    double top() const { return base + thickness; }
    // The half widths at the bottom and at the top.
    double halfBottom() const { return baseWidth / 2; }
    double halfTop() const { return farWidth / 2; }
    // The x range the conductor covers at height y (empty when outside).
    bool spanAt(double y, double& left, double& right) const;
};

// A mirror line the cross-section is symmetric about: the solver keeps one
// half and takes the other as the mirror image with the same or the opposite
// charge.
enum class Mirror { None, Vertical, Horizontal };

struct CrossSection {
    Planes planes = Planes::Below;
    double planeGap = 0;  // the height of the upper plane (Planes::Both)
    std::vector<Layer> layers;
    std::vector<Conductor> conductors;
    Mirror mirror = Mirror::None;
    double mirrorAt = 0;  // x of a vertical mirror line, y of a horizontal one

    // The relative permittivity at a point (1 outside every layer).
    double erAt(double y) const;
    // The heights where the permittivity changes, between the planes.
    std::vector<double> interfaces() const;
    // Number of signal conductors (1 or 2).
    int signalCount() const;
};

}  // namespace tv::solver
