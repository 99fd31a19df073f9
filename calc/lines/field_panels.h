#pragma once
// The cross-section that the Conductor Impedance and Differential Pairs
// panels describe, for the field solver: the type selected in the layer
// group, the panel's lengths with the copper the panel counts (plating on
// the outer-layer types) and the substrate's Er.
#include <optional>

#include "core/app.h"
#include "solver/sections.h"

namespace tv::lines {

struct PanelSection {
    solver::LineType type;
    solver::SectionInput input;  // in the panel's units (mils or mm)
};

// nullopt unless one of the two calculators is current; throws
// ConversionError for a field that does not read as a number.
std::optional<PanelSection> panelSection(App& app);

}  // namespace tv::lines
