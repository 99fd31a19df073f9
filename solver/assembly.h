#pragma once
// The linear system of the boundary element method: one equation per panel,
// one unknown charge density per panel. On a conductor the panels' potential
// equals the conductor's; on an interface the normal displacement is
// continuous.
#include <Eigen/Dense>
#include <vector>

#include "solver/geometry.h"
#include "solver/mesh.h"

namespace tv::solver {

// The influence of each panel's charge (columns) at each panel (rows),
// from the panel itself and from its mirror image, kept apart so that both
// parities come from one pass.
struct Influence {
    Eigen::MatrixXd direct, mirror;
    // For strips with a different material on each side: the normal field
    // (principal value) at the strip panel, which splits the strip's charge
    // between its two sides.
    Eigen::MatrixXd stripDirect, stripMirror;
    std::vector<int> stripRows;  // the panels those rows belong to
};

Influence influence(const CrossSection& section, const Mesh& mesh);

struct System {
    Eigen::MatrixXd matrix;
    Eigen::MatrixXd stripField;
    std::vector<int> stripRows;
};

// parity: +1 when the mirror half carries the same charge, -1 the opposite
// (ignored without a mirror line).
System assemble(const CrossSection& section, const Mesh& mesh, const Influence& influence, int parity);

}  // namespace tv::solver
