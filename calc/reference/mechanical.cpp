// Mechanical Info: a wire-gauge look-up beside fixed drill and screw-thread
// charts; the units switch chooses the thread chart.
#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "calc/reference/reference_charts.h"
#include "calc/reference/wire_gauge.h"
#include "core/stackup.h"

namespace tv {

namespace {

struct MechanicalPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(ComboBox3);  // gauge
    TV_COMPONENT(Edit41);     // diameter
    TV_COMPONENT(Label200);   // resistance caption
    TV_COMPONENT(Edit95);     // resistance
    TV_COMPONENT(Edit102);    // chassis wiring current
    TV_COMPONENT(Edit141);    // power transmission current
    TV_COMPONENT(Memo1);      // drill chart
    TV_COMPONENT(GroupBox19); // imperial thread chart
    TV_COMPONENT(Memo2);
    TV_COMPONENT(GroupBox46); // metric thread chart
    TV_COMPONENT(Memo4);
};

// The diameter of the last look-up, kept across recalculations and function
// switches (none before the first pick: 0.000 Amps).
struct MechanicalState {
    WireDiameter diameter;
};

// The picked gauge; a text typed into the box selects nothing.
int pickedGauge(const Component& box) {
    const int i = box.itemIndex();
    if (i < 0 || static_cast<size_t>(i) >= box.items().size()) return -1;
    return box.text() == box.items()[static_cast<size_t>(i)] ? i : -1;
}

void ComputeMechanical(App& app) {
    MechanicalPanel& p = app.panel<MechanicalPanel>();
    MechanicalState& s = app.state<MechanicalState>();
    const int i = pickedGauge(p.ComboBox3);
    const auto gauges = wireGauges();
    if (i >= 0 && static_cast<size_t>(i) < gauges.size()) {
        const bool metric = metricUnits(app);
        const WireResults r = wireResults(gauges[static_cast<size_t>(i)], metric);
        p.Edit41.setText(r.diameter);
        p.Edit95.setText(r.resistance);
        p.Edit102.setText(r.chassisAmps);
        s.diameter = wireDiameter(gauges[static_cast<size_t>(i)], metric);
    }
    showResult(p.Edit141, "%0.3f Amps", powerTransmissionAmps(s.diameter));
}

void unitCaptions(App& app, bool metric) {
    MechanicalPanel& p = app.panel<MechanicalPanel>();
    p.GroupBox19.setVisible(!metric);
    p.GroupBox46.setVisible(metric);
    p.Label200.setCaption(metric ? "Ohms per km" : "Ohms per 1000'");
}

void install(App& app) {
    MechanicalPanel& p = app.bindPanel<MechanicalPanel>();
    p.Memo1.setText(drillChart());
    p.Memo2.setText(unifiedThreadChart());
    p.Memo4.setText(metricScrewChart());
    App* a = &app;
    p.ComboBox3.onChange = [a] { a->Button1Click(); };
}

// The wire gauge is picked from a list; its figures are texts of a chart
// except the power transmission current.
constexpr Field kFields[] = {
    {"power_transmission_amps", "Edit141", "Max amps, power tx", Role::Result, Quantity::Current, {"Amps"}, "%0.3f Amps"},
};
constexpr FieldTable kFieldTable{kFields};

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule mechanicalModule;
const CalculatorModule mechanicalModule{
    .id = "mechanical",
    .panel = "panels/mechanical.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputeMechanical,
    .unitCaptions = unitCaptions,
    .manualFrames = {.apply = true},
};

}  // namespace tv
