// Bandwidth & Max Conductor Length: from a rise time, the bandwidth, the rise
// distance and the longest conductor after the IPC-2251 rule and after a
// fraction of the wavelength; from a frequency, the wavelength method alone.
#include "core/app.h"
#include "core/checks.h"
#include "calc/lines/bandwidth_model.h"
#include "core/links.h"
#include "calc/modules.h"
#include "core/stackup.h"

namespace tv {

namespace {

struct BandwidthPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(RadioGroup12);  // input method
    TV_COMPONENT(RadioGroup20);  // frequency unit
    TV_COMPONENT(Label30);
    TV_COMPONENT(Edit19);        // rise time or frequency
    TV_COMPONENT(Edit279);       // its unit
    TV_COMPONENT(TrackBar2);     // fraction of Sr
    TV_COMPONENT(Edit44);
    TV_COMPONENT(TrackBar3);     // fraction of the wavelength
    TV_COMPONENT(Edit47);
    TV_COMPONENT(Label124);      // link
    TV_COMPONENT(GroupBox41);    // IPC-2251 method
    TV_COMPONENT(Edit22);        // bandwidth
    TV_COMPONENT(Edit24);        // maximum length, IPC-2251
    TV_COMPONENT(Edit43);        // propagation speed
    TV_COMPONENT(Edit23);        // wavelength
    TV_COMPONENT(Edit45);        // maximum length, wavelength
};

constexpr const char* kFrequencyUnits[] = {"MHz", "KHz", "Hz"};

bool frequencyInput(BandwidthPanel& p) { return p.RadioGroup12.itemIndex() == 1; }

void ComputeBandwidth(App& app) {
    BandwidthPanel& p = app.panel<BandwidthPanel>();
    SharedControls& s = app.shared();
    const double er = app.num(s.Edit7);
    // The nested pass computes with "1" and owns the screen.
    if (correctLowEr(app, er)) {
        app.Button1Click();
        return;
    }
    const bool metric = metricUnits(app);
    const bool frequency = frequencyInput(p);
    lines::BandwidthInput in;
    in.er = er;
    in.frequency = frequency;
    in.metric = metric;
    in.stripline = s.RadioGroup3.itemIndex() == 1;
    in.riseDistanceFactor = lines::kRiseDistanceSteps[p.TrackBar2.position()].factor;
    in.wavelengthFactor = lines::kWavelengthSteps[p.TrackBar3.position()].factor;
    const double value = app.num(p.Edit19);
    const int unit = p.RadioGroup20.itemIndex();
    in.value = frequency ? value * lines::kFrequencyToMHz[unit < 0 ? 0 : unit] : value;

    const lines::BandwidthResult r = lines::bandwidth(in);
    const char* length = metric ? "%.5f cm" : "%.5f Inches";
    if (!frequency) {
        showResult(p.Edit22, "%.5f MHz", r.bandwidthMHz);
        showResult(p.Edit24, length, r.maxLengthRise);
    }
    showResult(p.Edit23, length, r.wavelength);
    showResult(p.Edit43, frequency && metric ? "%.5f m/s" : "%.3f m/s", r.speed);
    showResult(p.Edit45, length, r.maxLengthWave);
}

void RadioGroup12Click(App& app) {
    BandwidthPanel& p = app.panel<BandwidthPanel>();
    const bool frequency = frequencyInput(p);
    p.Edit19.setText(frequency ? "100" : "1");
    p.RadioGroup20.setVisible(frequency);
    if (frequency) p.RadioGroup20.setItemIndex(0);
    p.Label30.setCaption(frequency ? "Frequency" : "Signal Risetime");
    p.Edit279.setText(frequency ? "MHz" : "ns");
    p.GroupBox41.setVisible(!frequency);
    // The layer picks the permittivity of the rise distance only.
    app.shared().RadioGroup3.setEnabled(!frequency);
    p.Edit19.setHint(frequency ? "Enter the signal frequency." : "Enter the signal risetime.");
    app.Button1Click();
}

void RadioGroup20Click(App& app) {
    BandwidthPanel& p = app.panel<BandwidthPanel>();
    const int unit = p.RadioGroup20.itemIndex();
    if (unit >= 0) p.Edit279.setText(kFrequencyUnits[unit]);
    app.Button1Click();
}

void TrackBar2Change(App& app) {
    BandwidthPanel& p = app.panel<BandwidthPanel>();
    p.Edit44.setText(lines::kRiseDistanceSteps[p.TrackBar2.position()].text);
    app.Button1Click();
}

void TrackBar3Change(App& app) {
    BandwidthPanel& p = app.panel<BandwidthPanel>();
    p.Edit47.setText(lines::kWavelengthSteps[p.TrackBar3.position()].text);
    app.Button1Click();
}

void install(App& app) {
    BandwidthPanel& p = app.bindPanel<BandwidthPanel>();
    App* a = &app;
    p.RadioGroup12.onClick = [a] { RadioGroup12Click(*a); };
    p.RadioGroup20.onClick = [a] { RadioGroup20Click(*a); };
    p.TrackBar2.onChange = [a] { TrackBar2Change(*a); };
    p.TrackBar3.onChange = [a] { TrackBar3Change(*a); };
    makeLink(app, p.Label124, links::speedOfLight);
}

// The types: the risetime or the frequency as input.
enum FieldType { Risetime, Frequency };
int fieldType(App& app) { return frequencyInput(app.panel<BandwidthPanel>()) ? Frequency : Risetime; }

constexpr std::uint32_t kRisetime = typeBits({Risetime}), kFrequency = typeBits({Frequency});

constexpr Unit kInchesCm{"Inches", "cm"};
constexpr Field kFields[] = {
    {"risetime", "Edit19", "Signal Risetime", Role::Input, Quantity::Time, {"ns"}, nullptr, nullptr, kRisetime},
    // In the unit picked beside it (MHz, KHz, Hz).
    {"frequency", "Edit19", "Frequency", Role::Input, Quantity::Frequency, {}, nullptr, nullptr, kFrequency, "Edit279"},
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"bandwidth", "Edit22", "Bandwidth", Role::Result, Quantity::Frequency, {"MHz"}, "%.5f MHz", nullptr, kRisetime},
    {"max_length_wavelength", "Edit45", "Frequency Domain Method: Maximum Conductor Length", Role::Result, Quantity::Length, kInchesCm, "%.5f Inches", "%.5f cm"},
    {"max_length_risetime", "Edit24", "IPC-2251 Method: Maximum Conductor Length", Role::Result, Quantity::Length, kInchesCm, "%.5f Inches", "%.5f cm", kRisetime},
    {"wavelength", "Edit23", "Full Wavelength (In Air)", Role::Result, Quantity::Length, kInchesCm, "%.5f Inches", "%.5f cm"},
    {"propagation_speed", "Edit43", "Propagation Speed (C/Sqrt(Er))", Role::Result, Quantity::Speed, {"m/s"}, "%.3f m/s"},
};
constexpr FieldTable kFieldTable{kFields, fieldType};

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kLineOptions[] = {{"microstrip", 0}, {"stripline", 1}};
constexpr ChoiceOption kInputOptions[] = {{"risetime", 0}, {"frequency", 1}};
constexpr Choice kChoices[] = {{"line", "RadioGroup3", kLineOptions}, {"input", "RadioGroup12", kInputOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule bandwidthModule;
const CalculatorModule bandwidthModule{
    .id = "bandwidth",
    .panel = "panels/bandwidth.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = ComputeBandwidth,
    .layers = {.caption = " Passive Circuits ", .items = {"Microstrip", "Stripline"}, .selection = 0, .enabled = true},
    .inputs = {.materialLabel = Enable::On, .erLabel = Enable::On, .material = Enable::On, .er = Enable::On},
    .manualFrames = {.apply = true},
};

}  // namespace tv
