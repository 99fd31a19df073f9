#pragma once
// The field of a straight panel carrying a uniform charge per unit length,
// in units where the potential of a line charge q in vacuum is -q ln r (that
// is, potentials times 2 pi eps0). The ground planes enter through the
// Green's function: images for one plane, the closed form of the parallel
// plate region for two.
#include "solver/geometry.h"

namespace tv::solver {

// Potential and field at a point due to a panel.
struct PanelField {
    double potential = 0;
    double ex = 0, ey = 0;
};

// A panel of unit charge per unit length from a to b, in vacuum without
// planes. onPanel: the point is the panel's own midpoint; its field then is
// the principal value (the jump across the sheet is accounted separately).
PanelField freeSpacePanel(Point p, Point a, Point b, bool onPanel);

class Kernel {
public:
    // planeGap is used for Planes::Both only.
    Kernel(Planes planes, double planeGap);

    // The panel's potential, and its field when wantField, at p, with the
    // planes' contribution.
    PanelField panel(Point p, Point a, Point b, bool onPanel, bool wantField) const;

    // The part of the two-plane Green's function that is left once the
    // source and its nearest image on either plane are taken out: smooth
    // in the region between the planes. Potential of a unit line charge at s.
    double parallelPlateRemainder(Point p, Point s) const;

private:
    Planes planes_;
    double gap_;
};

}  // namespace tv::solver
