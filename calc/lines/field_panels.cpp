#include "calc/lines/field_panels.h"

#include "core/stackup.h"

namespace tv::lines {

namespace {

using solver::LineType;

// What a panel's second and third length fields mean for each type, in the
// layer group's item order.
struct Fields {
    LineType type;
    double solver::SectionInput::*height;  // Edit68 / Edit27
    double solver::SectionInput::*second;  // Edit74 / Edit32, or nullptr
    bool plated;                           // outer layer: base plus plating
};

using In = solver::SectionInput;

constexpr Fields kImpedance[] = {
    {LineType::Microstrip, &In::h, nullptr, true},
    {LineType::EmbeddedMicrostrip, &In::h1, &In::h2, false},
    {LineType::Stripline, &In::h, nullptr, false},
    {LineType::AsymmetricStripline, &In::h1, &In::h2, false},
    {LineType::DualStripline, &In::h, &In::c, false},
    {LineType::Cpwg, &In::h, &In::g, true},
};

constexpr Fields kPairs[] = {
    {LineType::EdgeExternal, &In::h, nullptr, true},
    {LineType::EdgeInternal, &In::h, nullptr, false},
    {LineType::EdgeInternalAsym, &In::h1, &In::h2, false},
    {LineType::EdgeEmbedded, &In::h1, &In::h2, false},
    {LineType::BroadsideShielded, &In::h, nullptr, false},
    {LineType::BroadsideUnshielded, &In::h, nullptr, false},
};

}  // namespace

std::optional<PanelSection> panelSection(App& app) {
    const bool impedance = app.currentIs(Fn::Impedance);
    if (!impedance && !app.currentIs(Fn::DifferentialPairs)) return std::nullopt;
    const int index = app.shared().RadioGroup3.itemIndex();
    if (index < 0 || index >= 6) return std::nullopt;
    const Fields& f = impedance ? kImpedance[index] : kPairs[index];
    PanelSection p{f.type, {}};
    In& in = p.input;
    in.er = app.num(app.shared().Edit7);
    in.w = app.num(impedance ? "Edit67" : "Edit21");
    if (!impedance) in.s = app.num("Edit26");
    in.*f.height = app.num(impedance ? "Edit68" : "Edit27");
    if (f.second) in.*f.second = app.num(impedance ? "Edit74" : "Edit32");
    const CopperThicknessResult copper = CopperThickness(app);
    in.t = f.plated ? copper.base + copper.plating : copper.base;
    return p;
}

}  // namespace tv::lines
