#pragma once
// Capacitance per unit length from the boundary element system, with the
// dielectrics in place and in vacuum, and the line parameters that follow.
// Every function here is reentrant: no state outlives a call.
#include <Eigen/Dense>

#include "solver/geometry.h"
#include "solver/mesh.h"
#include "solver/results.h"

namespace tv::solver {

struct Capacitances {
    // Maxwell capacitance matrices (F/m) of the signal conductors in the
    // meshed half, each at 1 V in turn with the others and the grounds at 0
    // (and the mirror half at +1 V or -1 V by the parity).
    Eigen::MatrixXd withDielectric, vacuum;
    int unknowns = 0;  // charge values solved for
};

Capacitances capacitances(const CrossSection& section, int parity, const MeshOptions& options = {});

// One signal conductor (net 0) over its grounds.
LineResult solveLine(const CrossSection& section, const MeshOptions& options = {});

// Two equal signal conductors (nets 0 and 1) that the cross-section's mirror
// line maps onto each other.
PairResult solvePair(const CrossSection& section, const MeshOptions& options = {});

}  // namespace tv::solver
