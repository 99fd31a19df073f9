#pragma once
// The cross-sections of the impedance calculators, built from the symbols
// their panels use. Lengths in one unit (any); the symbols mean:
//
//   microstrip            W, H (height above the plane), T
//   embedded-microstrip   W, H1 (dielectric thickness), H2 (conductor height above the plane), T
//   stripline             W, H (each plane to the conductor: planes 2H + T apart), T
//   asymmetric-stripline  W, H1 (to the plane below), H2 (to the plane above), T
//   dual-stripline        W, H (conductor to its plane), C (between the two signal layers), T;
//                         the other signal layer is left empty
//   cpwg                  W, H (height above the plane), G (gap to the coplanar grounds), T
//   edge-external         W, S (edge to edge), H (height above the plane), T
//   edge-internal         W, S, H (between the planes), T
//   edge-internal-asym    W, S, H1 (to the plane below), H2 (to the plane above), T
//   edge-embedded         W, S, H1 (conductor height above the plane), H2 (dielectric thickness), T
//   broadside-shielded    W, S (between the conductors), H (between the planes), T
//   broadside-unshielded  W, S (between the conductors), H (dielectric thickness), T
//
// Er fills the dielectric; everything else is vacuum. A conductor is a
// rectangle of thickness T, or with an etch factor the trapezoid whose
// narrow side is W - 2 etch T wide (etch 1: the 1:1 etch), the full width W
// on the laminate it was etched on.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/geometry.h"

namespace tv::solver {

enum class LineType {
    Microstrip,
    EmbeddedMicrostrip,
    Stripline,
    AsymmetricStripline,
    DualStripline,
    Cpwg,
    EdgeExternal,
    EdgeInternal,
    EdgeInternalAsym,
    EdgeEmbedded,
    BroadsideShielded,
    BroadsideUnshielded,
};

inline constexpr int kLineTypes = 12;

struct SectionInput {
    double w = 0, s = 0, h = 0, h1 = 0, h2 = 0, c = 0, g = 0, t = 0;
    double er = 1;
    double etch = 0;
};

// The type's name as the command line spells it ("edge-internal-asym").
std::string_view typeName(LineType type);
std::optional<LineType> typeFromName(std::string_view name);
bool isPair(LineType type);
// The symbols the type reads, in lower case ("w", "h1", "er").
const std::vector<std::string>& typeKeys(LineType type);

// The cross-section; throws std::invalid_argument with a message for the
// user when the inputs describe none (a length of zero, conductors that
// overlap or leave their planes, Er below 1).
CrossSection crossSection(LineType type, const SectionInput& in);

}  // namespace tv::solver
