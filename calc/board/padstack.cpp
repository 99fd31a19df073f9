// Padstack Calculator: thru-hole pads with their thermal relief, BGA lands,
// the pad between two conductors, the conductor between two BGA lands and
// the drill for a square pin, on one set of fields.
#include "calc/board/padstack.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace padstack {

namespace {

// The drill of a thru-hole pad within its limits. An imperial correction
// recalculates at once; a metric one goes on with the corrected text.
double checkedDrill(App& app, PadstackPanel& p, bool metric) {
    if (!metric) {
        if (app.num(p.Edit33) < 1) {
            app.message("Drill diameter can't be less than 1mil...");
            p.Edit33.setText("1");
            app.Button1Click();
        }
        if (app.num(p.Edit33) > 250) {
            app.message("Drill diameter can't be greater than 250mils. Holes larger the 250mils need to be routed out");
            p.Edit33.setText("250");
            app.Button1Click();
        }
    } else {
        if (app.num(p.Edit33) < 0.0254)
            correct(app, p.Edit33, "Drill diameter can't be less than 0.0254mm", "0.0254");
        if (app.num(p.Edit33) > 6.35)
            correct(app, p.Edit33,
                    "Drill diameter can't be greater than 6.35mm. Holes larger the 6.35mm need to be routed out",
                    "6.35");
    }
    return app.num(p.Edit33);
}

void thruHole(App& app, PadstackPanel& p, PadstackState& s, bool metric) {
    const double drill = checkedDrill(app, p, metric);
    const char* format = metric ? "%.3f mm" : "%.1f mils";
    const bool withCopper = plated(p);
    p.Label69.setCaption(withCopper ? "Outer Diameter" : "Pad Diameter");
    if (!withCopper) {
        p.Edit34.setText("N/A");
        p.Edit35.setText("N/A");
    }
    for (Component* c : {&p.Edit34, &p.Edit35}) c->setEnabled(withCopper);
    for (Component* c : {&p.Edit39, &p.Edit40, &p.Label64, &p.Label65}) c->setVisible(withCopper);

    const ThruHole pad = withCopper ? platedPad(drill, s.lastAnnularRing, s.lastIsolation)
                                    : nonPlatedPad(drill, s.lastAnnularRing, s.lastIsolation, metric);
    showResult(p.Edit36, format, pad.external);
    showResult(p.Edit37, format, pad.internal);
    showResult(p.Edit39, format, pad.thermalInner);
    showResult(p.Edit38, format, pad.thermalOuter);
    if (withCopper) p.Edit40.setText(spokeWidth(drill, metric));
}

void conductorBetweenPads(App& app, PadstackPanel& p, bool metric) {
    const double pitch = app.num(p.Edit33);
    const double width = app.num(p.Edit34);
    const double spacing = app.num(p.Edit35);
    const double drill = app.num(p.Edit211);
    const double minRing = app.num(p.Edit213);
    const ConductorPad r = conductorPad(pitch, width, spacing, drill, minRing);
    const Color color = r.tooSmall ? colors::Red : colors::Navy;
    showResult(p.Edit36, metric ? "%.3f mm" : "%.2f mils", r.padMax, color);
    for (Component* c : {&p.Label175, &p.Label176, &p.Label177}) c->setVisible(r.tooSmall);
    showResult(p.Edit37, metric ? "%.4f mm" : "%.2f mils", r.ring, color);
}

void conductorBetweenLands(App& app, PadstackPanel& p, bool metric) {
    const double pitch = app.num(p.Edit33);
    const double land = app.num(p.Edit34);
    const double spacing = app.num(p.Edit35);
    showResult(p.Edit36, metric ? "%.4f mm" : "%.3f mils", bgaConductorWidth(pitch, land, spacing));
}

void cornerToCorner(App& app, PadstackPanel& p, bool metric) {
    const double a = app.num(p.Edit33);
    const double b = app.num(p.Edit34);
    const CornerToCorner r = padstack::cornerToCorner(a, b, metric);
    showResult(p.Edit36, metric ? "%.3f mm" : "%.2f mils", r.diagonal);
    showResult(p.Edit37, metric ? "%0.3f mm" : "%0.2f mils", r.minDrill);
    showResult(p.Edit38, metric ? "%0.3f mm" : "%0.2f mils", r.maxDrill);
}

void CalculatePadstack(App& app) {
    PadstackPanel& p = app.panel<PadstackPanel>();
    PadstackState& s = app.state<PadstackState>();
    const bool metric = metricUnits(app);
    // A field holding "N/A" (non-plated) keeps the last number it held.
    if (p.Edit34.text() != "N/A") s.lastAnnularRing = app.num(p.Edit34);
    if (p.Edit35.text() != "N/A") s.lastIsolation = app.num(p.Edit35);
    switch (selectedType(p)) {
        case Type::ThruHole: thruHole(app, p, s, metric); break;
        case Type::BgaLand:
            // The lands come from the ball list.
            if (plated(p)) {
                p.Label64.setVisible(false);
                p.Label65.setVisible(false);
            }
            break;
        case Type::ConductorPad: conductorBetweenPads(app, p, metric); break;
        case Type::ConductorPadBga: conductorBetweenLands(app, p, metric); break;
        case Type::CornerToCorner: cornerToCorner(app, p, metric); break;
    }
}

// The kept ring and isolation follow the units too, or a non-plated pad and
// the texts restored for "Plated" would mix mils and millimetres. They go
// before the fields: a field that does not read stops the switch.
void unitConversions(App& app, bool metric) {
    PadstackState& s = app.state<PadstackState>();
    s.lastAnnularRing = convertedLength(s.lastAnnularRing, metric);
    s.lastIsolation = convertedLength(s.lastIsolation, metric);
    s.savedAnnularRing = convertedLength(s.savedAnnularRing, metric);
    s.savedIsolation = convertedLength(s.savedIsolation, metric);
}

// A non-plated pad shows "N/A" in its ring and isolation.
bool holdsNumber(App&, const Component& c) { return c.text() != "N/A"; }

int fieldType(App& app) { return static_cast<int>(selectedType(app.panel<PadstackPanel>())); }

// The types in the order of " Pad Calculator Type "; the lengths in the
// order the units switch converts them.
constexpr std::uint32_t kThru = typeBits({0}), kBga = typeBits({1}), kPad = typeBits({2}), kPadBga = typeBits({3}),
                        kCorner = typeBits({4});
constexpr Field kFields[] = {
    {"drill_diameter", "Edit33", "Drill Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kThru, "Edit59", holdsNumber},
    {"ball_diameter", "Edit33", "Nominal Ball Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kBga},
    {"pad_pitch", "Edit33", "Distance Between Pads", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kPad},
    {"land_pitch", "Edit33", "Distance Between Lands", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kPadBga},
    {"side_a", "Edit33", "Length of side a", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kCorner},
    {"pad_drill_diameter", "Edit211", "Drill Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kPad, "Edit212", holdsNumber},
    {"minimum_annular_ring", "Edit213", "Minimum Annular Ring", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kPad, "Edit214", holdsNumber},
    {"annular_ring", "Edit34", "Annular Ring", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kThru, "Edit60", holdsNumber},
    {"conductor_width", "Edit34", "Conductor Width", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kPad},
    {"land_diameter", "Edit34", "Land Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kPadBga},
    {"side_b", "Edit34", "Length of side b", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kCorner},
    {"isolation_width", "Edit35", "Isolation Width", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kThru, "Edit61", holdsNumber},
    {"spacing", "Edit35", "Spacing Constriant", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kPad | kPadBga},
    // Thru-hole pads.
    {"external_pad", "Edit36", "External Layers Pad Diameter", Role::Result, Quantity::Length, kMilsMm, "%.1f mils", "%.3f mm", kThru},
    {"internal_pad", "Edit37", "Internal Signal Layers Pad Diameter", Role::Result, Quantity::Length, kMilsMm, "%.1f mils", "%.3f mm", kThru},
    {"thermal_outer", "Edit38", "Internal Plane Layers Outer Diameter", Role::Result, Quantity::Length, kMilsMm, "%.1f mils", "%.3f mm", kThru},
    {"thermal_inner", "Edit39", "Inner Diameter", Role::Result, Quantity::Length, kMilsMm, "%.1f mils", "%.3f mm", kThru},
    {"spoke_width", "Edit40", "Spoke Width", Role::Result, Quantity::Length, kMilsMm, nullptr, nullptr, kThru},
    // BGA lands, from the ball list.
    {"land_nominal", "Edit36", "Nominal Land Diameter", Role::Result, Quantity::Length, kMilsMm, nullptr, nullptr, kBga},
    {"land_variation", "Edit37", "Land Variation", Role::Result, Quantity::Length, kMilsMm, nullptr, nullptr, kBga},
    // A conductor between pads, between BGA lands.
    {"max_pad_diameter", "Edit36", "Maximum Pad Diameter", Role::Result, Quantity::Length, kMilsMm, "%.2f mils", "%.3f mm", kPad},
    {"annular_ring_result", "Edit37", "Calculated Annular Ring", Role::Result, Quantity::Length, kMilsMm, "%.2f mils", "%.4f mm", kPad},
    {"max_conductor_width", "Edit36", "Maximum Conductor Width", Role::Result, Quantity::Length, kMilsMm, "%.3f mils", "%.4f mm", kPadBga},
    // Corner to corner.
    {"corner_distance", "Edit36", "Distance Between Corners", Role::Result, Quantity::Length, kMilsMm, "%.2f mils", "%.3f mm", kCorner},
    {"min_drill", "Edit37", "Suggested Min Drill", Role::Result, Quantity::Length, kMilsMm, "%0.2f mils", "%0.3f mm", kCorner},
    {"max_drill", "Edit38", "Suggested Max Drill", Role::Result, Quantity::Length, kMilsMm, "%0.2f mils", "%0.3f mm", kCorner},
};
constexpr FieldTable kFieldTable{kFields, fieldType};

// Selecting the function enables "Solve!" only for the two types that read
// their fields on every run (a type click has its own rule).
void onSelect(App& app) {
    const Type t = selectedType(app.panel<PadstackPanel>());
    app.shared().Button1.setEnabled(t == Type::ThruHole || t == Type::ConductorPad);
}

void install(App& app) {
    PadstackPanel& p = app.bindPanel<PadstackPanel>();
    App* a = &app;
    p.RadioGroup14.onClick = [a] { RadioGroup14Click(*a); };
    p.RadioGroup7.onClick = [a] { RadioGroup7Click(*a); };
    p.ComboBox2.onChange = [a] { ComboBox2Change(*a); };
    p.ComboBox4.onChange = [a] { ComboBox4Change(*a); };
}

}  // namespace
}  // namespace padstack

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kTypeOptions[] = {{"thru-hole", 0}, {"bga-land", 1}, {"conductor-pad", 2},
    {"conductor-pad-bga", 3}, {"corner-to-corner", 4}};
constexpr ChoiceOption kStyleOptions[] = {{"plated", 0}, {"non-plated", 1}};
constexpr Choice kChoices[] = {{"type", "RadioGroup14", kTypeOptions}, {"style", "RadioGroup7", kStyleOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule padstackModule;
const CalculatorModule padstackModule{
    .id = "padstack",
    .panel = "panels/padstack.win",
    .fields = &padstack::kFieldTable,
    .choices = kChoices,
    .install = padstack::install,
    .compute = padstack::CalculatePadstack,
    .unitConversions = padstack::unitConversions,
    .onSelect = padstack::onSelect,
    .manualFrames = {.apply = true},
};

}  // namespace tv
