// Crosstalk Calculator: the coupling between two parallel conductors over one
// plane (Microstrip) or between two planes (Stripline), as a coefficient in
// decibels and as the voltage coupled onto the quiet conductor.
#include "core/app.h"
#include "core/checks.h"
#include "calc/lines/crosstalk_model.h"
#include "calc/modules.h"
#include "core/stackup.h"

namespace tv {

namespace {

struct CrosstalkPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Edit146);  // rise time, ns
    TV_COMPONENT(Edit148);  // signal voltage
    TV_COMPONENT(Edit195);  // coupled length
    TV_COMPONENT(Edit203);  // spacing S
    TV_COMPONENT(Edit197);  // height H
    TV_COMPONENT(Edit199);  // H1, stripline
    TV_COMPONENT(Edit201);  // H2, stripline
    TV_COMPONENT(Edit196);
    TV_COMPONENT(Edit204);
    TV_COMPONENT(Edit198);
    TV_COMPONENT(Edit200);
    TV_COMPONENT(Edit202);
    TV_COMPONENT(Label152);
    TV_COMPONENT(Label153);
    TV_COMPONENT(Edit205);  // coefficient
    TV_COMPONENT(Edit207);  // coupled voltage
    TV_COMPONENT(Image29);
    TV_COMPONENT(Image30);
};

bool striplineSelected(App& app) { return app.shared().RadioGroup3.itemIndex() == 1; }

void ComputeCrosstalk(App& app) {
    CrosstalkPanel& p = app.panel<CrosstalkPanel>();
    // The rejected value is used for this pass; "1" counts from the next.
    const double er = app.num(app.shared().Edit7);
    correctLowEr(app, er);
    lines::CrosstalkInput in;
    in.er = er;
    in.riseNs = app.num(p.Edit146);
    in.volts = app.num(p.Edit148);

    const double perInch = metricUnits(app) ? 25.4 : 1000;
    in.length = app.num(p.Edit195) / perInch;
    in.spacing = app.num(p.Edit203) / perInch;
    in.height = app.num(p.Edit197) / perInch;
    const double h1 = app.num(p.Edit199), h2 = app.num(p.Edit201);
    in.h1 = h1 / perInch;
    in.h2 = h2 / perInch;
    in.stripline = striplineSelected(app);
    if (in.stripline && lines::stripHeightTooSmall(in.height, in.h1, in.h2)) {
        app.message("Conductor height (H) can't be less than others (H1 or H2)");
        app.writeNumber(p.Edit197, h1 + h2);
        in.height = app.num(p.Edit197) / perInch;
    }

    const lines::CrosstalkResult r = lines::crosstalk(in);
    showResult(p.Edit205, "%.5f dB", r.dB);
    showResult(p.Edit207, "%.5f Volts", r.volts);
}

// Microstrip or Stripline: the drawing and the two conductor heights.
void layerBranch(App& app) {
    CrosstalkPanel& p = app.panel<CrosstalkPanel>();
    const bool stripline = striplineSelected(app);
    p.Image29.setVisible(!stripline);
    for (Component* c : {&p.Image30, &p.Label152, &p.Edit199, &p.Edit200, &p.Label153, &p.Edit201, &p.Edit202})
        c->setVisible(stripline);
}

// The types: microstrip, stripline (the shared layer group). The lengths
// are listed in the order the units switch converts them.
int fieldType(App& app) { return striplineSelected(app) ? 1 : 0; }
constexpr std::uint32_t kStripline = typeBits({1});
constexpr Field kFields[] = {
    {"rise_time", "Edit146", "Signal Rise Time", Role::Input, Quantity::Time, {"ns"}},
    {"voltage", "Edit148", "Signal Voltage", Role::Input, Quantity::Voltage, {"V"}},
    {"coupled_length", "Edit195", "Coupled Length", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit196"},
    {"height", "Edit197", "Conductor Height (H)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit198"},
    {"height1", "Edit199", "Conductor Height (H1)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kStripline, "Edit200"},
    {"height2", "Edit201", "Conductor Height (H2)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kStripline, "Edit202"},
    {"spacing", "Edit203", "Conductor Spacing (S)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit204"},
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"coupled_voltage", "Edit207", "Coupled Voltage", Role::Result, Quantity::Voltage, {"Volts"}, "%.5f Volts"},
    {"coefficient", "Edit205", "Crosstalk Coefficient", Role::Result, Quantity::Number, {"dB"}, "%.5f dB"},
};
constexpr FieldTable kFieldTable{kFields, fieldType};

void install(App& app) { app.bindPanel<CrosstalkPanel>(); }

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kTypeOptions[] = {{"microstrip", 0}, {"stripline", 1}};
constexpr Choice kChoices[] = {{"type", "RadioGroup3", kTypeOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule crosstalkModule;
const CalculatorModule crosstalkModule{
    .id = "crosstalk",
    .panel = "panels/crosstalk.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = ComputeCrosstalk,
    .layerBranch = layerBranch,
    .layers = {.items = {"Microstrip", "Stripline"}, .selection = 0, .enabled = true},
    .inputs = {.materialLabel = Enable::On, .erLabel = Enable::On, .material = Enable::On, .er = Enable::On},
};

}  // namespace tv
