#pragma once
// The boundary mesh: straight panels of constant charge density on the
// conductors' surfaces and on the dielectric interfaces, fine at edges and
// corners where the charge crowds and growing geometrically away from them.
// Only the half that a mirror line leaves is meshed.
#include <vector>

#include "solver/geometry.h"

namespace tv::solver {

enum class PanelKind {
    Face,       // a face of a conductor, field on one side only
    Strip,      // a flat conductor of no thickness, field on both sides
    Interface,  // between two dielectrics
};

struct Panel {
    Point a, b, mid;
    double length = 0;
    Point normal;  // out of the conductor; for strips and interfaces towards erPlus
    PanelKind kind = PanelKind::Face;
    int net = 0;            // conductors: the conductor's net (-1 ground)
    bool selfMirrored = false;  // the conductor lies across the mirror line
    double erPlus = 1;      // material on the normal's side (for a face: outside)
    double erMinus = 1;     // material on the other side (strips, interfaces)

    bool onConductor() const { return kind != PanelKind::Interface; }
};

struct MeshOptions {
    // Scales the number of panels: 2 halves every panel's size.
    double density = 1;
    // How far the interfaces reach to either side, in multiples of the
    // cross-section's size.
    double reach = 100;
};

struct Mesh {
    std::vector<Panel> panels;
};

Mesh buildMesh(const CrossSection& section, const MeshOptions& options = {});

}  // namespace tv::solver
