// PDN Calculator: the target impedance of a supply rail from its voltage,
// noise margin and transient current, and the capacitance of a pair of planes
// (with the shared Er) and its reactance at a frequency.
#include <cmath>

#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "calc/utility/pdn_model.h"

namespace tv {

namespace {

struct PdnPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Edit105);  // supply voltage
    TV_COMPONENT(Edit108);  // maximum current
    TV_COMPONENT(Edit110);  // transient percentage (UpDown5)
    TV_COMPONENT(Edit106);  // total noise margin (UpDown3)
    TV_COMPONENT(Edit107);  // AC allocation of the margin (UpDown4)
    TV_COMPONENT(Edit109);  // target impedance
    TV_COMPONENT(Edit228);  // plane area
    TV_COMPONENT(Edit231);  // its unit
    TV_COMPONENT(Edit229);  // distance between the planes
    TV_COMPONENT(Edit232);  // its unit
    TV_COMPONENT(Edit230);  // plane capacitance
    TV_COMPONENT(Edit234);  // frequency
    TV_COMPONENT(Edit233);  // its unit
    TV_COMPONENT(Label295);
    TV_COMPONENT(Edit235);  // reactance
    TV_COMPONENT(CheckBox4);  // DC
};

void ComputePdn(App& app) {
    PdnPanel& p = app.panel<PdnPanel>();
    const bool metric = metricUnits(app);
    const double volts = app.num(p.Edit105);
    const double amps = app.num(p.Edit108);
    const double margin = app.num(p.Edit106);
    const double ac = app.num(p.Edit107);
    double transient = app.num(p.Edit110);
    if (transient <= 0) {
        app.message("Transient current percentage can't be <= 0");
        p.Edit110.setText("1");
        transient = 1;
    }
    showResult(p.Edit109, "%.5f Ohms", pdn::targetImpedance(volts, amps, margin, ac, transient));

    Component& erField = app.shared().Edit7;
    double er = app.num(erField);
    if (correctLowEr(app, er)) {
        app.Button1Click();
        // The nested pass has written every result with the corrected Er;
        // this pass goes on with the same text.
        er = app.num(erField);
    }
    const double pF = pdn::planeCapacitance(er, app.num(p.Edit228), app.num(p.Edit229), metric);
    showResult(p.Edit230, "%.2f pF", pF);
    if (!p.CheckBox4.checked()) {
        // A capacitance without a finite value has no reactance either.
        const double xc = std::isfinite(pF) ? pdn::planeReactance(app.num(p.Edit234), pF) : NAN;
        showResult(p.Edit235, "%.4f Ohms", xc);
    }
}

// "DC" takes the reactance off the panel; unticking brings back 1 MHz.
void CheckBox4Click(App& app) {
    PdnPanel& p = app.panel<PdnPanel>();
    const bool dc = p.CheckBox4.checked();
    for (Component* c : {&p.Label295, &p.Edit235, &p.Edit233}) c->setVisible(!dc);
    p.Edit234.setEnabled(!dc);
    p.Edit234.setText(dc ? "DC" : "1");
    if (!dc) app.Button1Click();
}

// The plane's area converts between square inches and square millimetres,
// before the distance.
void unitConversions(App& app, bool metric) {
    PdnPanel& p = app.panel<PdnPanel>();
    const double area = app.num(p.Edit228);
    app.writeNumber(p.Edit228, metric ? pdn::squareInchesToSquareMm(area) : pdn::squareMmToSquareInches(area));
}

constexpr Field kFields[] = {
    {"supply_voltage", "Edit105", "Supply Voltage", Role::Input, Quantity::Voltage, {"VDC"}},
    {"max_current", "Edit108", "Maximum Current", Role::Input, Quantity::Current, {"Amps"}},
    {"transient", "Edit110", "Transient Percentage", Role::Input, Quantity::Percent, {"%"}},
    {"noise_margin", "Edit106", "Total Noise margin", Role::Input, Quantity::Percent, {"%"}},
    {"ac_allocation", "Edit107", "AC Allocation of Margin", Role::Input, Quantity::Percent, {"%"}},
    {"plane_area", "Edit228", "Area of plane", Role::Input, Quantity::Area, {"Sq.In", "Sq.mm"}, nullptr, nullptr, 0, "Edit231", nullptr, Conversion::Hook},
    {"plane_distance", "Edit229", "Distance between planes", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit232"},
    {"frequency", "Edit234", "Frequency", Role::Input, Quantity::Frequency, {"MHz"}},
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"target_impedance", "Edit109", "Target PDN Impedance", Role::Result, Quantity::Impedance, {"Ohms"}, "%.5f Ohms"},
    {"plane_capacitance", "Edit230", "Total Plane Capacitance", Role::Result, Quantity::Capacitance, {"pF"}, "%.2f pF"},
    {"capacitive_reactance", "Edit235", "Capacitive Reactance", Role::Result, Quantity::Impedance, {"Ohms"}, "%.4f Ohms"},
};
constexpr FieldTable kFieldTable{kFields};

void install(App& app) {
    PdnPanel& p = app.bindPanel<PdnPanel>();
    App* a = &app;
    p.CheckBox4.onClick = [a] { CheckBox4Click(*a); };
}

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule pdnModule;
const CalculatorModule pdnModule{
    .id = "pdn",
    .panel = "panels/pdn.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputePdn,
    .unitConversions = unitConversions,
    .inputs = {.erLabel = Enable::On, .tgLabel = Enable::On, .material = Enable::On, .er = Enable::On,
               .tg = Enable::On},
    .manualFrames = {.apply = true},
};

}  // namespace tv
