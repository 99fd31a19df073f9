// Embedded Resistors: PTF resistors in the board. The rectangular processes
// give the resistance and area of a strip; the annular type the outer
// diameter of a ring that reaches a target resistance.
#include "core/app.h"
#include "calc/board/embedded_resistor_model.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace {

enum ResistorType { Additive = 0, Subtractive = 1, Annular = 2 };

struct ResistorPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(RadioGroup11);  // type
    TV_COMPONENT(Edit154);       // sheet resistance
    TV_COMPONENT(Label251);
    TV_COMPONENT(Edit157);  // length / inside diameter
    TV_COMPONENT(Edit164);
    TV_COMPONENT(Label252);
    TV_COMPONENT(Edit158);  // width / target resistance
    TV_COMPONENT(Edit165);
    TV_COMPONENT(Edit161);  // area
    TV_COMPONENT(Label255);
    TV_COMPONENT(Edit163);  // resistance / outer diameter
    TV_COMPONENT(Label254);
    TV_COMPONENT(Edit162);  // ring thickness
    TV_COMPONENT(Shape4);
    TV_COMPONENT(Shape5);
    TV_COMPONENT(Label248);
    TV_COMPONENT(Label249);
    TV_COMPONENT(Image25);
    TV_COMPONENT(Image26);
    TV_COMPONENT(Image27);
};

bool annular(ResistorPanel& p) { return p.RadioGroup11.itemIndex() == Annular; }

void CalculateEmbeddedResistor(App& app) {
    ResistorPanel& p = app.panel<ResistorPanel>();
    const bool metric = metricUnits(app);
    if (!annular(p)) {
        const double length = app.num(p.Edit157);
        const double width = app.num(p.Edit158);
        const double sheet = app.num(p.Edit154);
        const resistor::Strip r = resistor::strip(sheet, length, width, metric);
        showResult(p.Edit163, "%.3f Ohms", r.ohms);
        showResult(p.Edit161, metric ? "%.3f Sq.mm" : "%.2f Sq.mils", r.area);
        return;
    }
    const double sheet = app.num(p.Edit154);
    const double inner = app.num(p.Edit157);
    const double target = app.num(p.Edit158);
    const resistor::Ring r = resistor::ring(sheet, inner, target);
    showResult(p.Edit163, metric ? "%.3f mm" : "%.3f mils", r.outer);
    showResult(p.Edit162, metric ? "%.3f mm" : "%.3f mils", r.thickness);
    showResult(p.Edit161, metric ? "%.2f Sq.mm" : "%.1f Sq.mils", r.area);
}

void widthCaption(ResistorPanel& p, bool metric) {
    if (annular(p)) {
        p.Edit165.setText("Ohms");
        p.Edit165.setGeometry(124, p.Edit165.top(), 53, p.Edit165.height());
    } else {
        unitCaption(p.Edit165, metric);
        p.Edit165.setGeometry(140, p.Edit165.top(), 37, p.Edit165.height());
    }
}

void RadioGroup11Click(App& app) {
    ResistorPanel& p = app.panel<ResistorPanel>();
    const int type = p.RadioGroup11.itemIndex();
    const bool ring = type == Annular;
    p.Image25.setVisible(type == Additive);
    p.Image26.setVisible(type == Subtractive);
    p.Image27.setVisible(ring);
    p.Edit162.setVisible(ring);
    p.Label254.setVisible(ring);
    p.Label248.setVisible(!ring);
    p.Shape4.setVisible(!ring);
    if (type == Subtractive) p.Label248.setCaption("Soldermask overlap area");
    else if (type == Additive) p.Label248.setCaption("Material overlap area");
    p.Label251.setCaption(ring ? "Inside Diameter" : "Length (L)");
    p.Label252.setCaption(ring ? "Target Resistance" : "Width (W)");
    p.Label255.setCaption(ring ? "Outer Diameter" : "Ohms");
    p.Label254.setCaption(ring ? "Resistor Thickness" : "Power");
    widthCaption(p, metricUnits(app));
    p.Edit158.setHint(ring ? "Enter the target resistor value in ohms." : "Enter the width of the resistive material.");
    // The resistor swatch moves up into the place of the hidden overlap swatch.
    p.Shape5.setTop(ring ? 64 : 96);
    p.Label249.setTop(ring ? 72 : 104);
    if (ring) {
        p.Edit157.setText("20");
        p.Edit158.setText("10");
    }
    app.Button1Click();
}

// The width's unit box shows "Ohms" on the annular type.
void unitCaptions(App& app, bool metric) { widthCaption(app.panel<ResistorPanel>(), metric); }

int fieldType(App& app) { return app.panel<ResistorPanel>().RadioGroup11.itemIndex(); }
// The target resistance of the annular type is no length.
bool stripType(App& app, const Component&) { return !annular(app.panel<ResistorPanel>()); }

constexpr std::uint32_t kStrip = typeBits({Additive, Subtractive}), kRing = typeBits({Annular});
constexpr Field kFields[] = {
    {"sheet_resistance", "Edit154", "Resistance/Sq.", Role::Input, Quantity::Resistance, {"Ohms"}},
    {"length", "Edit157", "Length (L)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kStrip, "Edit164"},
    {"inside_diameter", "Edit157", "Inside Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kRing},
    {"width", "Edit158", "Width (W)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kStrip, nullptr, stripType},
    {"target_resistance", "Edit158", "Target Resistance", Role::Input, Quantity::Resistance, {"Ohms"}, nullptr, nullptr, kRing},
    {"resistance", "Edit163", "Ohms", Role::Result, Quantity::Resistance, {"Ohms"}, "%.3f Ohms", nullptr, kStrip},
    {"outer_diameter", "Edit163", "Outer Diameter", Role::Result, Quantity::Length, kMilsMm, "%.3f mils", "%.3f mm", kRing},
    {"area", "Edit161", "Resistor Area", Role::Result, Quantity::Area, {"Sq.mils", "Sq.mm"}, "%.2f Sq.mils", "%.3f Sq.mm", kStrip},
    {"thickness", "Edit162", "Resistor Thickness", Role::Result, Quantity::Length, kMilsMm, "%.3f mils", "%.3f mm", kRing},
    {"ring_area", "Edit161", "Resistor Area", Role::Result, Quantity::Area, {"Sq.mils", "Sq.mm"}, "%.1f Sq.mils", "%.2f Sq.mm", kRing},
};
constexpr FieldTable kFieldTable{kFields, fieldType};

void install(App& app) {
    ResistorPanel& p = app.bindPanel<ResistorPanel>();
    App* a = &app;
    p.RadioGroup11.onClick = [a] { RadioGroup11Click(*a); };
}

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kTypeOptions[] = {{"additive", 0}, {"subtractive", 1}, {"annular", 2}};
constexpr Choice kChoices[] = {{"type", "RadioGroup11", kTypeOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule embeddedResistorsModule;
const CalculatorModule embeddedResistorsModule{
    .id = "embedded-resistors",
    .panel = "panels/embedded_resistor.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = CalculateEmbeddedResistor,
    .unitCaptions = unitCaptions,
};

}  // namespace tv
