// Er Effective: the effective dielectric constant of a surface conductor at a
// frequency, from the microstrip model with its dispersion; the result can be
// handed to the wavelength calculator.
#include <algorithm>
#include <string>

#include "core/app.h"
#include "core/links.h"
#include "core/checks.h"
#include "calc/lines/line_helpers.h"
#include "calc/lines/microstrip_model.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace {

using namespace lines;

struct ErEffectivePanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Edit25);   // W
    TV_COMPONENT(Edit222);
    TV_COMPONENT(Edit46);   // H
    TV_COMPONENT(Edit223);
    TV_COMPONENT(Edit224);  // frequency, MHz
    TV_COMPONENT(Edit221);  // Er effective
    TV_COMPONENT(Button5);
    TV_COMPONENT(Label113);
};

void ComputeErEffective(App& app) {
    ErEffectivePanel& p = app.panel<ErEffectivePanel>();
    SharedControls& s = app.shared();
    const bool metric = metricUnits(app);
    const CopperThicknessResult copper = CopperThickness(app);
    double T = copper.base + copper.plating;
    showResult(s.Label56, metric ? "%3.0f um" : "%.2f mils", metric ? T * 1000 : T);
    // No via on this function.
    s.Label110.setCaption("N/A");
    s.Label285.setCaption("N/A");
    s.Edit227.setEnabled(false);
    s.UpDown6.setEnabled(false);

    double W = app.num(p.Edit25);
    if (!metric) W = milsToMm(W), T = milsToMm(T);
    const double er = app.num(s.Edit7);
    if (er <= 1) {
        // The result keeps its text until the next pass.
        app.message("Minimum Er value can't be less than or equal to 1");
        writeCorrection(app, s.Edit7, "1.001");
        return;
    }
    double H = app.num(p.Edit46);
    if (!metric) H = milsToMm(H);
    const double f = app.num(p.Edit224);
    const MicrostripResult r = microstrip({W, H, T, er, f / 1000 * H});

    // The result is passed on as text to the wavelength calculator, which
    // reads it with the user's separator; under another separator it is not
    // written at all.
    std::string text = resultText("%.4f", r.eef);
    if (app.commaMode())
        std::replace(text.begin(), text.end(), '.', ',');
    else if (!app.pointMode())
        return;
    p.Edit221.setText(text);
    p.Edit221.keepResultValue(r.eef);
}

// Sends the frequency and the result to the wavelength calculator and shows it.
void Button5Click(App& app) {
    ErEffectivePanel& p = app.panel<ErEffectivePanel>();
    app.showFunction(Fn::Wavelength, {{{"frequency", p.Edit224.text()}, {"er_effective", p.Edit221.text()}}});
}

// The wavelength calculator hands over its frequency.
void receive(App& app, const Handoff& handoff) {
    if (const std::string* f = handoff.find("frequency")) app.panel<ErEffectivePanel>().Edit224.setText(*f);
}

constexpr Field kFields[] = {
    {"width", "Edit25", "Conductor Width (W)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit222"},
    {"height", "Edit46", "Conductor Height (H)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit223"},
    {"frequency", "Edit224", "Frequency (MHz)", Role::Input, Quantity::Frequency, {"MHz"}},
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"er_effective", "Edit221", "Er Effective", Role::Result, Quantity::Permittivity, {}, "%.4f"},
};
constexpr FieldTable kFieldTable{kFields};

void install(App& app) {
    ErEffectivePanel& p = app.bindPanel<ErEffectivePanel>();
    App* a = &app;
    p.Button5.onClick = [a] { Button5Click(*a); };
    makeLink(app, p.Label113, kErEffectivePage);
}

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule erEffectiveModule;
const CalculatorModule erEffectiveModule{
    .id = "er-effective",
    .panel = "panels/er_effective.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputeErEffective,
    .inputs = {.baseCopper = Enable::On, .plating = Enable::On, .materialLabel = Enable::On,
               .erLabel = Enable::On, .material = Enable::On, .er = Enable::On},
    .information = {.resetToNA = {"Label72", "Label110", "Label285", "Label27", "Label28"}},
    .refusesAir = true,
    .receive = receive,
};

}  // namespace tv
