// Fusing Current: the current that fuses a bare copper conductor of the
// panel's width and the shared copper thickness after the given time.
#include "core/app.h"
#include "core/checks.h"
#include "calc/conductor/fusing_model.h"
#include "calc/conductor/ipc_charts.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace {

struct FusingPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Edit140);  // width
    TV_COMPONENT(Edit155);  // width unit
    TV_COMPONENT(Edit153);  // time
    TV_COMPONENT(Edit159);  // cross-section
    TV_COMPONENT(Edit160);  // current
    TV_COMPONENT(Image24);
};

struct FusingState {
    double W = 0, t = 0, base = 0, plating = 0, T = 0, halfT = 0, A = 0, I = 0;
};

void ComputeFusing(App& app) {
    FusingPanel& p = app.panel<FusingPanel>();
    FusingState& s = app.state<FusingState>();
    const bool metric = metricUnits(app);
    // The plating always counts: the fusing conductor is bare copper on
    // whatever layer.
    const CopperThicknessResult copper = CopperThickness(app);
    s.base = copper.base;
    s.plating = copper.plating;
    s.T = s.base + s.plating;
    s.halfT = s.T / 2;
    showResult(app.shared().Label56, metric ? "%3.0f um" : "%.2f mils", metric ? s.T * 1000 : s.T);

    s.W = app.num(p.Edit140);
    s.t = app.num(p.Edit153);
    s.A = s.W * s.T;
    s.I = fusingCurrent(metric ? s.A * kSqMilsPerSqMm : s.A, s.t);
    // A negative width (or copper) has no cross-section.
    const bool area = s.A >= 0;
    p.Edit159.setText(area ? resultText(metric ? "%.3f Sq.mm" : "%.2f Sq.mils", s.A) : "N/A");
    p.Edit160.setText(area ? resultText("%.4f Amps", s.I) : "N/A");
}

void unitCaptions(App& app, bool metric) {
    FusingPanel& p = app.panel<FusingPanel>();
    unitCaption(p.Edit155, metric);
    p.Image24.setPicture(metric ? "pictures/fusing_conductor_metric.svg" : "pictures/fusing_conductor.svg");
}

void unitConversions(App& app, bool metric) { convertLength(app, app.panel<FusingPanel>().Edit140, metric); }

// The fusing current does not depend on the ambient temperature.
void onSelect(App& app) { app.shared().GroupBox4.setEnabled(false); }

void install(App& app) { app.bindPanel<FusingPanel>(); }

}  // namespace

const CalculatorModule fusingCurrentModule{
    .panel = "panels/fusing.win",
    .install = install,
    .compute = ComputeFusing,
    .unitCaptions = unitCaptions,
    .unitConversions = unitConversions,
    .onSelect = onSelect,
};

}  // namespace tv
