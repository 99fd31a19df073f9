// Wavelength Calculator: the wavelength, or a fraction of it, of a signal
// given by its period or its frequency in a medium of a given Er effective.
#include <string>
#include <vector>

#include "core/app.h"
#include "core/links.h"
#include "core/checks.h"
#include "calc/lines/line_helpers.h"
#include "calc/lines/wavelength_model.h"
#include "calc/modules.h"
#include "core/stackup.h"

namespace tv {

namespace {

using namespace lines;

struct WavelengthPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(RadioGroup22);  // input method
    TV_COMPONENT(RadioGroup21);  // time or frequency unit
    TV_COMPONENT(Label220);
    TV_COMPONENT(Edit103);       // period or frequency
    TV_COMPONENT(Edit280);       // its unit
    TV_COMPONENT(Edit150);       // Er effective
    TV_COMPONENT(TrackBar4);     // fraction
    TV_COMPONENT(Label222);
    TV_COMPONENT(Edit104);       // wavelength
    TV_COMPONENT(Button4);
    TV_COMPONENT(Label160);
    TV_COMPONENT(Label164);
    TV_COMPONENT(Label33);
};

const WavelengthFraction& fraction(WavelengthPanel& p) { return wavelengthFraction(p.TrackBar4.position()); }

void ComputeWavelength(App& app) {
    WavelengthPanel& p = app.panel<WavelengthPanel>();
    const double k = fraction(p).factor;
    const SignalEntry entry = p.RadioGroup22.itemIndex() == 0 ? SignalEntry::Period : SignalEntry::Frequency;
    const double f = signalFrequencyMHz(entry, p.RadioGroup21.itemIndex(), app.num(p.Edit103));
    const double erEff = app.num(p.Edit150);
    const bool metric = metricUnits(app);
    showResult(p.Edit104, metric ? "%.5f cm" : "%.5f Inches", shownWavelength(f, erEff, k, metric));
}

void RadioGroup22Click(App& app) {
    WavelengthPanel& p = app.panel<WavelengthPanel>();
    const bool period = p.RadioGroup22.itemIndex() == 0;
    p.Label220.setCaption(period ? "Period" : "Frequency");
    p.RadioGroup21.setItems(period ? std::vector<std::string>{"ns", "ps"}
                                   : std::vector<std::string>{"MHz", "KHz", "Hz"});
    p.RadioGroup21.setItemIndex(0);
    p.RadioGroup21.setHint(period ? "Select units for time." : "Select units for frequency.");
    p.Edit103.setHint(period ? "Enter the signal period." : "Enter the signal frequency.");
    app.Button1Click();
}

void RadioGroup21Click(App& app) {
    WavelengthPanel& p = app.panel<WavelengthPanel>();
    const int i = p.RadioGroup21.itemIndex();
    if (i >= 0 && i < static_cast<int>(p.RadioGroup21.items().size()))
        p.Edit280.setText(p.RadioGroup21.items()[static_cast<size_t>(i)]);
    app.Button1Click();
}

void TrackBar4Change(App& app) {
    WavelengthPanel& p = app.panel<WavelengthPanel>();
    p.Label222.setCaption(fraction(p).caption);
    app.Button1Click();
}

// Sends the frequency back to the Er Effective calculator and shows it.
void Button4Click(App& app) {
    WavelengthPanel& p = app.panel<WavelengthPanel>();
    app.showFunction(Fn::ErEffective, {{{"frequency", p.Edit103.text()}}});
}

// The Er Effective calculator hands over its frequency and its result.
void receive(App& app, const Handoff& handoff) {
    WavelengthPanel& p = app.panel<WavelengthPanel>();
    if (const std::string* f = handoff.find("frequency")) p.Edit103.setText(*f);
    if (const std::string* er = handoff.find("er_effective")) p.Edit150.setText(*er);
}

void install(App& app) {
    WavelengthPanel& p = app.bindPanel<WavelengthPanel>();
    App* a = &app;
    p.RadioGroup22.onClick = [a] { RadioGroup22Click(*a); };
    p.RadioGroup21.onClick = [a] { RadioGroup21Click(*a); };
    p.TrackBar4.onChange = [a] { TrackBar4Change(*a); };
    p.Button4.onClick = [a] { Button4Click(*a); };
    makeLink(app, p.Label160, kWavelengthPage);
    makeLink(app, p.Label164, kErEffectivePage);
    makeLink(app, p.Label33, kSpeedOfLightPage);
}

// The types: the period or the frequency as input, each in the unit picked
// beside it.
int fieldType(App& app) { return app.panel<WavelengthPanel>().RadioGroup22.itemIndex() == 0 ? 0 : 1; }
constexpr Field kFields[] = {
    {"period", "Edit103", "Period", Role::Input, Quantity::Time, {}, nullptr, nullptr, typeBits({0}), "Edit280"},
    {"frequency", "Edit103", "Frequency", Role::Input, Quantity::Frequency, {}, nullptr, nullptr, typeBits({1}), "Edit280"},
    {"er_effective", "Edit150", "Er Eff", Role::Input, Quantity::Permittivity},
    {"wavelength", "Edit104", "Wavelength", Role::Result, Quantity::Length, {"Inches", "cm"}, "%.5f Inches", "%.5f cm"},
};
constexpr FieldTable kFieldTable{kFields, fieldType};

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kInputOptions[] = {{"period", 0}, {"frequency", 1}};
constexpr Choice kChoices[] = {{"input", "RadioGroup22", kInputOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule wavelengthModule;
const CalculatorModule wavelengthModule{
    .id = "wavelength",
    .panel = "panels/wavelength.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = ComputeWavelength,
    .layers = {.items = {"Microstrip", "Stripline"}, .selection = 0},
    .receive = receive,
};

}  // namespace tv
