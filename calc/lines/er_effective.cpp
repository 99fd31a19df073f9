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
    // The wavelength calculator the result goes to.
    TV_COMPONENT(Edit103);
    TV_COMPONENT(Edit150);
    TV_COMPONENT(WavelengthCalculator1);
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
}

// Sends the frequency and the result to the wavelength calculator and shows it.
void Button5Click(App& app) {
    ErEffectivePanel& p = app.panel<ErEffectivePanel>();
    p.Edit103.setText(p.Edit224.text());
    p.Edit150.setText(p.Edit221.text());
    p.WavelengthCalculator1.onClick();
}

void unitCaptions(App& app, bool metric) {
    ErEffectivePanel& p = app.panel<ErEffectivePanel>();
    unitCaption(p.Edit222, metric);
    unitCaption(p.Edit223, metric);
}

void unitConversions(App& app, bool metric) {
    ErEffectivePanel& p = app.panel<ErEffectivePanel>();
    convertLength(app, p.Edit25, metric);
    convertLength(app, p.Edit46, metric);
}

void install(App& app) {
    ErEffectivePanel& p = app.bindPanel<ErEffectivePanel>();
    App* a = &app;
    p.Button5.onClick = [a] { Button5Click(*a); };
    makeLink(app, p.Label113, kErEffectivePage);
}

}  // namespace

const CalculatorModule erEffectiveModule{
    .panel = "panels/er_effective.win",
    .install = install,
    .compute = ComputeErEffective,
    .unitCaptions = unitCaptions,
    .unitConversions = unitConversions,
};

}  // namespace tv
