// Wavelength Calculator: the wavelength, or a fraction of it, of a signal
// given by its period or its frequency in a medium of a given Er effective.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/app.h"
#include "core/links.h"
#include "core/checks.h"
#include "calc/lines/line_helpers.h"
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
    // The Er Effective calculator the frequency goes back to.
    TV_COMPONENT(Edit224);
    TV_COMPONENT(ErEffective1);
};

// The slider's fractions of the wavelength (1/15 is stored as 0.06666).
struct Fraction {
    double factor;
    const char* caption;
};
constexpr Fraction kFractions[] = {
    {1, "Full Wave Length"},    {0.75, "3/4 Wave Length"},    {0.625, "5/8 Wave Length"},
    {0.5, "1/2 Wave Length"},   {0.25, "1/4 Wave Length"},    {0.1, "1/10 Wave Length"},
    {0.06666, "1/15 Wave Length"}, {0.0625, "1/16 Wave Length"}, {0.05, "1/20 Wave Length"},
};

const Fraction& fraction(WavelengthPanel& p) {
    int pos = p.TrackBar4.position();
    return kFractions[pos < 0 ? 0 : pos > 8 ? 8 : pos];
}

// The signal's frequency in MHz from the period (ns, ps) or the frequency
// (MHz, KHz, Hz) entered.
double frequencyMHz(WavelengthPanel& p, double value) {
    const int unit = p.RadioGroup21.itemIndex();
    if (p.RadioGroup22.itemIndex() == 0) return 1 / (value / (unit == 1 ? 1e12 : 1e9)) / 1e6;
    static constexpr double kToMHz[] = {1, 0.001, 0.000001};
    return value * kToMHz[unit >= 0 && unit <= 2 ? unit : 0];
}

void ComputeWavelength(App& app) {
    WavelengthPanel& p = app.panel<WavelengthPanel>();
    const double k = fraction(p).factor;
    const double f = frequencyMHz(p, app.num(p.Edit103));
    const double erEff = app.num(p.Edit150);
    // A zero or negative period, frequency or Er effective has no wavelength.
    double cm = 299792458 / (std::sqrt(erEff) * f) * 0.0001;
    if (!(f > 0 && std::isfinite(f) && erEff > 0)) cm = std::numeric_limits<double>::quiet_NaN();
    const bool metric = metricUnits(app);
    showResult(p.Edit104, metric ? "%.5f cm" : "%.5f Inches", (metric ? cm : cm / 2.54) * k);
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
    p.Edit224.setText(p.Edit103.text());
    p.ErEffective1.onClick();
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

}  // namespace

const CalculatorModule wavelengthModule{
    .panel = "panels/wavelength.win",
    .install = install,
    .compute = ComputeWavelength,
};

}  // namespace tv
