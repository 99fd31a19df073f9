// Minimum Conductor Spacing: the IPC-2221B clearance for the selected voltage
// range and device type; above 500 V it grows with the voltage entered.
#include "core/app.h"
#include "calc/board/conductor_spacing_model.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "core/stackup.h"

namespace tv {

namespace {

struct SpacingPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(RadioGroup9);   // voltage range
    TV_COMPONENT(RadioGroup10);  // device type
    TV_COMPONENT(Label21);
    TV_COMPONENT(Edit79);  // voltage above 500 V
    TV_COMPONENT(Edit51);  // spacing
    TV_COMPONENT(Image37);
    TV_COMPONENT(Image38);
    TV_COMPONENT(Image39);
    TV_COMPONENT(Image40);
    TV_COMPONENT(Image41);
    TV_COMPONENT(Image42);
    TV_COMPONENT(Label168);  // "+3050m"
};

// Also run straight from the two selectors, without the temperature steps.
void CalculateConductorSpacing(App& app) {
    SpacingPanel& p = app.panel<SpacingPanel>();
    // The voltage is read in every run, whatever the range.
    double volts = app.num(p.Edit79);
    if (volts < 501) {
        app.message("Voltage must be equal to or greater than 501V");
        p.Edit79.setText("501");
        app.Button1Click();
        volts = app.num(p.Edit79);
    }
    const bool metric = metricUnits(app);
    const int range = p.RadioGroup9.itemIndex();
    const int device = p.RadioGroup10.itemIndex();
    if (const spacing::Cell* cell = spacing::tableCell(range, device))
        p.Edit51.setText(metric ? cell->mm : cell->mils);
    else if (range == spacing::kAbove500 && device >= 0 && device < spacing::kDeviceTypes)
        showResult(p.Edit51, metric ? "%.4f mm" : "%.4f mils", spacing::above500(volts, device, metric));
}

void RadioGroup9Click(App& app) {
    SpacingPanel& p = app.panel<SpacingPanel>();
    const bool above = p.RadioGroup9.itemIndex() == spacing::kAbove500;
    p.Label21.setEnabled(above);
    p.Edit79.setEnabled(above);
    CalculateConductorSpacing(app);
}

void RadioGroup10Click(App& app) {
    SpacingPanel& p = app.panel<SpacingPanel>();
    const int device = p.RadioGroup10.itemIndex();
    // B3 is B2 above 3050 m: the same picture with the altitude mark.
    Component* pictures[spacing::kDeviceTypes] = {&p.Image38, &p.Image39, &p.Image39, &p.Image37,
                                                  &p.Image40, &p.Image41, &p.Image42};
    for (Component* image : {&p.Image37, &p.Image38, &p.Image39, &p.Image40, &p.Image41, &p.Image42})
        image->setVisible(device >= 0 && device < spacing::kDeviceTypes && image == pictures[device]);
    p.Label168.setVisible(device == 2);
    CalculateConductorSpacing(app);
}

void install(App& app) {
    SpacingPanel& p = app.bindPanel<SpacingPanel>();
    App* a = &app;
    p.RadioGroup9.onClick = [a] { RadioGroup9Click(*a); };
    p.RadioGroup10.onClick = [a] { RadioGroup10Click(*a); };
}

constexpr Field kFields[] = {
    {"voltage", "Edit79", "Voltage between conductors", Role::Input, Quantity::Voltage, {"V"}},
    // A chart's text up to 500 V, computed ("%.4f mils", "%.4f mm") above.
    {"spacing", "Edit51", "Minimum Conductor Spacing", Role::Result, Quantity::Length, kMilsMm},
};
constexpr FieldTable kFieldTable{kFields};

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule conductorSpacingModule;
const CalculatorModule conductorSpacingModule{
    .id = "conductor-spacing",
    .panel = "panels/conductor_spacing.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = CalculateConductorSpacing,
    .manualFrames = {.apply = true},
};

}  // namespace tv
