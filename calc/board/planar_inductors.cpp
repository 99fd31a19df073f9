// Planar Inductors: inductance, inner diameter and fill factor of a flat
// spiral coil in one of four shapes (the shared layer group's items).
#include "core/app.h"
#include "calc/board/planar_inductor_model.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace {

// The paper the formula comes from.
constexpr const char* kPaperAddress = "https://doi.org/10.1109/4.792620";
constexpr double kUmPerMil = 25.4;

struct InductorPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Label161);  // link to the paper
    TV_COMPONENT(Edit88);    // turns
    TV_COMPONENT(Edit89);    // width
    TV_COMPONENT(Edit91);    // spacing
    TV_COMPONENT(Edit92);    // outer diameter
    TV_COMPONENT(Edit94);    // inner diameter
    TV_COMPONENT(Edit93);    // fill factor
    TV_COMPONENT(Edit90);    // inductance
    TV_COMPONENT(Edit96);
    TV_COMPONENT(Edit97);
    TV_COMPONENT(Edit98);
    TV_COMPONENT(Edit100);
    TV_COMPONENT(Edit101);
    TV_COMPONENT(Image13);
    TV_COMPONENT(Image33);
    TV_COMPONENT(Image34);
    TV_COMPONENT(Image35);
};

double coilNumber(App& app, Component& field) {
    return inductor::readCoilNumber(field.text(), app.userSeparator());
}

inductor::Shape shape(App& app) {
    const int i = app.shared().RadioGroup3.itemIndex();
    return i >= 0 && i <= 3 ? static_cast<inductor::Shape>(i) : inductor::Shape::Square;
}

void CalculatePlanarInductor(App& app) {
    InductorPanel& p = app.panel<InductorPanel>();
    const bool metric = metricUnits(app);
    // Lengths enter the formula in micrometres.
    const double scale = metric ? 1 : kUmPerMil;
    inductor::Coil coil{};
    coil.turns = coilNumber(app, p.Edit88);
    coil.width = coilNumber(app, p.Edit89) * scale;
    coil.spacing = coilNumber(app, p.Edit91) * scale;
    coil.outer = coilNumber(app, p.Edit92) * scale;
    const inductor::Result r = inductor::planarInductor(shape(app), coil);
    if (r.inner <= 0) app.message("Inner diameter too small");
    showResult(p.Edit94, "%.3f", r.inner / scale);
    showResult(p.Edit93, "%.4f", r.fill);
    showResult(p.Edit90, "%.4f", r.nH);
}

// The tab's branch of the shared layer group: the picture of the shape.
void layerBranch(App& app) {
    InductorPanel& p = app.panel<InductorPanel>();
    const int i = static_cast<int>(shape(app));
    Component* pictures[] = {&p.Image13, &p.Image33, &p.Image34, &p.Image35};
    for (int k = 0; k < 4; ++k) pictures[k]->setVisible(k == i);
}

// The box beside the fill factor follows the length units too.
void unitCaptions(App& app, bool metric) { unitCaption(app.panel<InductorPanel>().Edit100, metric, "mils", "um"); }

// The coil's lengths read as the calculation reads them (coilNumber).
void unitConversions(App& app, bool metric) {
    InductorPanel& p = app.panel<InductorPanel>();
    for (Component* c : {&p.Edit89, &p.Edit91, &p.Edit92}) {
        const double v = coilNumber(app, *c);
        app.writeNumber(*c, metric ? v * kUmPerMil : v / kUmPerMil);
    }
}

constexpr Field kFields[] = {
    {"turns", "Edit88", "Turns (n)", Role::Input},
    {"width", "Edit89", "Conductor Width (w)", Role::Input, Quantity::Length, kMilsUm, nullptr, nullptr, 0, "Edit96", nullptr, Conversion::Hook},
    {"spacing", "Edit91", "Conductor Spacing (s)", Role::Input, Quantity::Length, kMilsUm, nullptr, nullptr, 0, "Edit97", nullptr, Conversion::Hook},
    {"outer_diameter", "Edit92", "Outer Diameter (dout)", Role::Input, Quantity::Length, kMilsUm, nullptr, nullptr, 0, "Edit98", nullptr, Conversion::Hook},
    {"inductance", "Edit90", "Inductance", Role::Result, Quantity::Inductance, {"nH"}, "%.4f"},
    {"inner_diameter", "Edit94", "Inner Diameter", Role::Result, Quantity::Length, kMilsUm, "%.3f", nullptr, 0, "Edit101"},
    {"fill_factor", "Edit93", "Fill Factor", Role::Result, Quantity::Number, {}, "%.4f"},
};
constexpr FieldTable kFieldTable{kFields};

void install(App& app) {
    InductorPanel& p = app.bindPanel<InductorPanel>();
    App* a = &app;
    Component* link = &p.Label161;
    p.Label161.onClick = [a] { a->platform.open(kPaperAddress); };
    p.Label161.onMouseEnter = [link] { link->setColor(colors::Red); };
    p.Label161.onMouseLeave = [link] { link->setColor(colors::Blue); };
}

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kGeometryOptions[] = {{"square", 0}, {"hexagonal", 1}, {"octagonal", 2}, {"circular", 3}};
constexpr Choice kChoices[] = {{"geometry", "RadioGroup3", kGeometryOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule planarInductorsModule;
const CalculatorModule planarInductorsModule{
    .id = "planar-inductors",
    .panel = "panels/planar_inductor.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = CalculatePlanarInductor,
    .layerBranch = layerBranch,
    .unitCaptions = unitCaptions,
    .unitConversions = unitConversions,
    .layers = {.caption = " Inductor Geometry ", .items = {"Square", "Hexagonal", "Octagonal", "Circular"},
               .selection = 0, .enabled = true, .tall = true},
    .manualFrames = {.apply = true},
};

}  // namespace tv
