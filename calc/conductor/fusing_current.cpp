// Fusing Current: the current that fuses a bare copper conductor of the
// panel's width and the shared copper thickness after the given time.
#include <cmath>

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
    showResult(p.Edit159, metric ? "%.3f Sq.mm" : "%.2f Sq.mils", area ? s.A : NAN);
    showResult(p.Edit160, "%.4f Amps", area ? s.I : NAN);
}

void unitCaptions(App& app, bool metric) {
    FusingPanel& p = app.panel<FusingPanel>();
    p.Image24.setPicture(metric ? "pictures/fusing_conductor_metric.svg" : "pictures/fusing_conductor.svg");
}

constexpr Field kFields[] = {
    {"width", "Edit140", "Conductor Width", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit155"},
    {"time", "Edit153", "Time", Role::Input, Quantity::Time, {"Seconds"}},
    {"current", "Edit160", "Conductor Current", Role::Result, Quantity::Current, {"Amps"}, "%.4f Amps"},
    {"cross_section", "Edit159", "Conductor Cross Section", Role::Result, Quantity::Area, {"Sq.mils", "Sq.mm"}, "%.2f Sq.mils", "%.3f Sq.mm"},
};
constexpr FieldTable kFieldTable{kFields};

// The fusing current does not depend on the ambient temperature.
void onSelect(App& app) { app.shared().GroupBox4.setEnabled(false); }

void install(App& app) { app.bindPanel<FusingPanel>(); }

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule fusingCurrentModule;
const CalculatorModule fusingCurrentModule{
    .id = "fusing-current",
    .panel = "panels/fusing.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputeFusing,
    .unitCaptions = unitCaptions,
    .onSelect = onSelect,
    .inputs = {.baseCopper = Enable::On, .plating = Enable::On, .manualCopper = Enable::On},
    .manualFrames = {.apply = true, .base = true, .plating = true},
};

}  // namespace tv
