// PDN Calculator: the target impedance of a supply rail from its voltage,
// noise margin and transient current, and the capacitance of a pair of planes
// (with the shared Er) and its reactance at a frequency.
#include <cmath>

#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"
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

void unitCaptions(App& app, bool metric) {
    PdnPanel& p = app.panel<PdnPanel>();
    unitCaption(p.Edit231, metric, "Sq.In", "Sq.mm");
    unitCaption(p.Edit232, metric);
}

void unitConversions(App& app, bool metric) {
    PdnPanel& p = app.panel<PdnPanel>();
    const double area = app.num(p.Edit228);
    app.writeNumber(p.Edit228, metric ? pdn::squareInchesToSquareMm(area) : pdn::squareMmToSquareInches(area));
    convertLength(app, p.Edit229, metric);
}

void install(App& app) {
    PdnPanel& p = app.bindPanel<PdnPanel>();
    App* a = &app;
    p.CheckBox4.onClick = [a] { CheckBox4Click(*a); };
}

}  // namespace

const CalculatorModule pdnModule{
    .panel = "panels/pdn.win",
    .install = install,
    .compute = ComputePdn,
    .unitCaptions = unitCaptions,
    .unitConversions = unitConversions,
};

}  // namespace tv
