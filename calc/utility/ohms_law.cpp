// Ohm's Law: the E-I-R triangle with its power, and on the tabs below the
// series resistor of an LED, series and parallel resistors and PI and T
// attenuator pads. Plain SI units; the units switch does not apply.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "calc/utility/ohms_law_model.h"

namespace tv {

namespace {

using Row = std::array<Component*, 7>;  // caption, input, unit, result, unit, power, unit

struct OhmsLawPanel : Panel {
    using Panel::Panel;
    // E-I-R.
    TV_COMPONENT(RadioGroup13);
    TV_COMPONENT(Label307);  // first input
    TV_COMPONENT(Edit245);
    TV_COMPONENT(Edit248);
    TV_COMPONENT(Label308);  // second input
    TV_COMPONENT(Edit246);
    TV_COMPONENT(Edit247);
    TV_COMPONENT(Label306);  // result
    TV_COMPONENT(Edit244);
    TV_COMPONENT(Edit249);
    TV_COMPONENT(Edit250);   // power

    TV_COMPONENT(TabControl3);
    TV_COMPONENT(Panel17);
    TV_COMPONENT(Panel15);
    TV_COMPONENT(Panel22);
    TV_COMPONENT(Panel20);
    TV_COMPONENT(Panel21);

    // LED bias.
    TV_COMPONENT(Edit236);  // supply
    TV_COMPONENT(Edit238);  // LED drop
    TV_COMPONENT(Label305);
    TV_COMPONENT(Edit239);  // current in mA, or the resistor
    TV_COMPONENT(Edit243);
    TV_COMPONENT(Label303);
    TV_COMPONENT(Edit237);  // resistor, or current in mA
    TV_COMPONENT(Edit240);
    TV_COMPONENT(Edit299);  // resistor power
    TV_COMPONENT(CheckBox6);

    // R Series.
    TV_COMPONENT(RadioGroup16);
    TV_COMPONENT(Edit252);
    TV_COMPONENT(Label314); TV_COMPONENT(Edit253); TV_COMPONENT(Edit258);
    TV_COMPONENT(Edit262); TV_COMPONENT(Edit266); TV_COMPONENT(Edit301); TV_COMPONENT(Edit286);
    TV_COMPONENT(Label315); TV_COMPONENT(Edit254); TV_COMPONENT(Edit259);
    TV_COMPONENT(Edit263); TV_COMPONENT(Edit267); TV_COMPONENT(Edit302); TV_COMPONENT(Edit287);
    TV_COMPONENT(Label316); TV_COMPONENT(Edit255); TV_COMPONENT(Edit260);
    TV_COMPONENT(Edit264); TV_COMPONENT(Edit268); TV_COMPONENT(Edit303); TV_COMPONENT(Edit289);
    TV_COMPONENT(Label317); TV_COMPONENT(Edit256); TV_COMPONENT(Edit261);
    TV_COMPONENT(Edit265); TV_COMPONENT(Edit269); TV_COMPONENT(Edit304); TV_COMPONENT(Edit291);
    const std::array<Row, 4> series{{
        {&Label314, &Edit253, &Edit258, &Edit262, &Edit266, &Edit301, &Edit286},
        {&Label315, &Edit254, &Edit259, &Edit263, &Edit267, &Edit302, &Edit287},
        {&Label316, &Edit255, &Edit260, &Edit264, &Edit268, &Edit303, &Edit289},
        {&Label317, &Edit256, &Edit261, &Edit265, &Edit269, &Edit304, &Edit291},
    }};

    // R Parallel.
    TV_COMPONENT(RadioGroup23);
    TV_COMPONENT(Edit309);
    TV_COMPONENT(Label325); TV_COMPONENT(Edit310); TV_COMPONENT(Edit298);
    TV_COMPONENT(Edit319); TV_COMPONENT(Edit323); TV_COMPONENT(Edit327); TV_COMPONENT(Edit308);
    TV_COMPONENT(Label326); TV_COMPONENT(Edit311); TV_COMPONENT(Edit305);
    TV_COMPONENT(Edit320); TV_COMPONENT(Edit324); TV_COMPONENT(Edit328); TV_COMPONENT(Edit314);
    TV_COMPONENT(Label327); TV_COMPONENT(Edit312); TV_COMPONENT(Edit306);
    TV_COMPONENT(Edit321); TV_COMPONENT(Edit325); TV_COMPONENT(Edit329); TV_COMPONENT(Edit315);
    TV_COMPONENT(Label328); TV_COMPONENT(Edit313); TV_COMPONENT(Edit307);
    TV_COMPONENT(Edit322); TV_COMPONENT(Edit326); TV_COMPONENT(Edit330); TV_COMPONENT(Edit316);
    const std::array<Row, 4> parallel{{
        {&Label325, &Edit310, &Edit298, &Edit319, &Edit323, &Edit327, &Edit308},
        {&Label326, &Edit311, &Edit305, &Edit320, &Edit324, &Edit328, &Edit314},
        {&Label327, &Edit312, &Edit306, &Edit321, &Edit325, &Edit329, &Edit315},
        {&Label328, &Edit313, &Edit307, &Edit322, &Edit326, &Edit330, &Edit316},
    }};

    // PI and T pads: attenuation, Zin, Zout; R1, R2 (placed by the larger
    // impedance) and R3.
    TV_COMPONENT(Edit288); TV_COMPONENT(Edit281); TV_COMPONENT(Edit282);
    TV_COMPONENT(Edit283); TV_COMPONENT(Edit284); TV_COMPONENT(Edit285);
    TV_COMPONENT(Edit290); TV_COMPONENT(Edit292); TV_COMPONENT(Edit294);
    TV_COMPONENT(Edit295); TV_COMPONENT(Edit296); TV_COMPONENT(Edit297);
};

enum Tab { LedBias, RSeries, RParallel, PiPad, TPad };

// The Information texts of the resistor tabs, shown again when the series
// tab is selected.
struct OhmsLawState {
    std::string total = "N/A", seriesCurrent = "N/A";
};

// Captions, unit texts and hints of the E-I-R rows per "Solve For" item.
struct EirRow {
    const char* caption;
    const char* hint;
};
struct EirLayout {
    EirRow first, second, result;
    int resultUnitLeft;
};
constexpr EirRow kAmps{"Amps", "Enter the amperage."};
constexpr EirRow kOhms{"Ohms", "Enter the resistance."};
constexpr EirRow kVolts{"Volts", "Enter the voltage."};
constexpr EirLayout kEirLayouts[3] = {
    {kAmps, kOhms, {"Volts", "Calculated voltage based on inputs."}, 492},
    {kVolts, kOhms, {"Amps", "Calculated amperage based on inputs."}, 486},
    {kVolts, kAmps, {"Ohms", "Calculated resistance based on inputs."}, 486},
};

void computeEir(App& app, OhmsLawPanel& p) {
    const int mode = p.RadioGroup13.itemIndex();
    if (mode < 0 || mode > 2) return;
    const double first = app.num(p.Edit245), second = app.num(p.Edit246);
    const ohms::Eir r = ohms::solveEir(static_cast<ohms::SolveFor>(mode), first, second);
    showResult(p.Edit244, "%.3f", r.value);
    showResult(p.Edit250, "%.4f", r.watts);
}

void computeLed(App& app, OhmsLawPanel& p) {
    const double supply = app.num(p.Edit236), drop = app.num(p.Edit238);
    const double third = app.num(p.Edit239);
    const ohms::LedBias r = p.CheckBox6.checked() ? ohms::ledCurrent(supply, drop, third)
                                                  : ohms::ledResistor(supply, drop, third);
    showResult(p.Edit237, "%.1f", r.result);
    showResult(p.Edit299, "%.4f", r.watts);
}

// Reads the voltage and all four resistors (whatever the count), and the
// number of resistors in use from the count group.
struct NetworkInputs {
    double volts;
    std::vector<double> ohms;
};
NetworkInputs readNetwork(App& app, Component& volts, const std::array<Row, 4>& rows, Component& count) {
    NetworkInputs in{app.num(volts), {}};
    for (const Row& row : rows) in.ohms.push_back(app.num(*row[1]));
    in.ohms.resize(static_cast<size_t>(std::clamp(count.itemIndex(), 0, 2) + 2));
    return in;
}

void computeSeries(App& app, OhmsLawPanel& p) {
    SharedControls& s = app.shared();
    OhmsLawState& state = app.state<OhmsLawState>();
    s.Label319.setCaption("Series Current");
    for (const Row& row : p.series) row[4]->setText("V");
    const NetworkInputs in = readNetwork(app, p.Edit252, p.series, p.RadioGroup16);
    const ohms::Network n = ohms::series(in.volts, in.ohms);
    showResult(s.Label56, "%.3f Ohm's", n.total);
    showResult(s.Label320, "%.8f Amps", n.current);
    state.total = s.Label56.caption();
    state.seriesCurrent = s.Label320.caption();
    // Two resistors show their drops to three decimals, more to four.
    const char* dropFormat = in.ohms.size() == 2 ? "%.3f" : "%.4f";
    for (size_t k = 0; k < in.ohms.size(); ++k) {
        showResult(*p.series[k][3], dropFormat, n.branch[k]);
        showResult(*p.series[k][5], "%.3f", n.watts[k]);
    }
}

void computeParallel(App& app, OhmsLawPanel& p) {
    SharedControls& s = app.shared();
    s.Label319.setCaption("Total Current");
    for (const Row& row : p.parallel) row[4]->setText("A");
    const NetworkInputs in = readNetwork(app, p.Edit309, p.parallel, p.RadioGroup23);
    const ohms::Network n = ohms::parallel(in.volts, in.ohms);
    showResult(s.Label56, "%.4f Ohm's", n.total);
    showResult(s.Label320, "%.8f Amps", n.current);
    app.state<OhmsLawState>().total = s.Label56.caption();
    for (size_t k = 0; k < in.ohms.size(); ++k) {
        showResult(*p.parallel[k][3], "%.4f", n.branch[k]);
        showResult(*p.parallel[k][5], "%.4f", n.watts[k]);
    }
}

// The result of the larger impedance stands in the row of the port that has
// it: R1 beside Zin (top 40), R2 beside Zout (top 96).
void placePad(Component& larger, Component& smaller, bool zinLarger) {
    Component& r1Row = zinLarger ? larger : smaller;
    Component& r2Row = zinLarger ? smaller : larger;
    r1Row.setTop(40);
    r1Row.setHint("R1 value based on inputs.");
    r2Row.setTop(96);
    r2Row.setHint("R2 value based on inputs.");
}

void computePad(App& app, Component& dB, Component& zinField, Component& zoutField, bool pi,
                Component& r1, Component& r2, Component& r3) {
    const double a = app.num(dB), zin = app.num(zinField), zout = app.num(zoutField);
    const ohms::Pad pad = pi ? ohms::piPad(a, zin, zout) : ohms::tPad(a, zin, zout);
    showResult(r1, "%.2f Ohms", pad.r1);
    showResult(r2, "%.2f Ohms", pad.r2);
    showResult(r3, "%.2f Ohms", pad.r3);
    placePad(r1, r2, zin >= zout);
}

void ComputeOhmsLaw(App& app) {
    OhmsLawPanel& p = app.panel<OhmsLawPanel>();
    computeEir(app, p);
    switch (p.TabControl3.itemIndex()) {
        case LedBias: computeLed(app, p); break;
        case RSeries: computeSeries(app, p); break;
        case RParallel: computeParallel(app, p); break;
        case PiPad: computePad(app, p.Edit288, p.Edit281, p.Edit282, true, p.Edit283, p.Edit284, p.Edit285); break;
        case TPad: computePad(app, p.Edit290, p.Edit292, p.Edit294, false, p.Edit295, p.Edit296, p.Edit297); break;
        default: break;
    }
}

void RadioGroup13Click(App& app) {
    OhmsLawPanel& p = app.panel<OhmsLawPanel>();
    const int mode = p.RadioGroup13.itemIndex();
    if (mode >= 0 && mode <= 2) {
        const EirLayout& l = kEirLayouts[mode];
        auto relabel = [](Component& caption, Component& field, Component& unit, const EirRow& row) {
            caption.setCaption(row.caption);
            unit.setText(row.caption);
            field.setHint(row.hint);
        };
        relabel(p.Label307, p.Edit245, p.Edit248, l.first);
        relabel(p.Label308, p.Edit246, p.Edit247, l.second);
        relabel(p.Label306, p.Edit244, p.Edit249, l.result);
        p.Edit249.setLeft(l.resultUnitLeft);
    }
    app.Button1Click();
}

// The LED tab solves for the resistor (current in mA given) or for the
// current (resistor given); switching puts the mode's default into the input.
void CheckBox6Click(App& app) {
    OhmsLawPanel& p = app.panel<OhmsLawPanel>();
    const bool current = p.CheckBox6.checked();
    p.Label305.setCaption(current ? "Resistor Value" : "LED Current");
    p.Edit239.setText(current ? "1000" : "10");
    p.Edit239.setHint(current ? "Enter the desired LED resistor value." : "Enter the desired LED current.");
    p.Edit243.setText(current ? "Ohms" : "mA");
    p.Edit243.setGeometry(current ? 86 : 106, p.Edit243.top(), current ? 57 : 33, p.Edit243.height());
    p.Label303.setCaption(current ? "LED Current" : "Resistor Value");
    if (!current) p.Edit237.setText("1000");
    p.Edit237.setHint(current ? "Calculated LED current based on inputs." : "Calculated resistor value based on inputs.");
    p.Edit240.setText(current ? "mA" : "Ohms");
    p.Edit240.setGeometry(current ? 282 : 262, p.Edit240.top(), current ? 33 : 57, p.Edit240.height());
    app.Button1Click();
}

void TabControl3Change(App& app) {
    OhmsLawPanel& p = app.panel<OhmsLawPanel>();
    const int tab = p.TabControl3.itemIndex();
    const std::array<Component*, 5> panels{&p.Panel17, &p.Panel15, &p.Panel22, &p.Panel20, &p.Panel21};
    for (size_t i = 0; i < panels.size(); ++i) panels[i]->setVisible(static_cast<int>(i) == tab);
    SharedControls& s = app.shared();
    const OhmsLawState& state = app.state<OhmsLawState>();
    s.Label56.setCaption(tab == RSeries ? state.total : "N/A");
    s.Label320.setCaption(tab == RSeries ? state.seriesCurrent : "N/A");
    app.Button1Click();
}

// The count group shows the rows of the resistors in use.
void showRows(App& app, const std::array<Row, 4>& rows, Component& count) {
    const size_t n = static_cast<size_t>(std::clamp(count.itemIndex(), 0, 2) + 2);
    for (size_t k = 0; k < rows.size(); ++k)
        for (Component* c : rows[k]) c->setVisible(k < n);
    app.Button1Click();
}

void install(App& app) {
    OhmsLawPanel& p = app.bindPanel<OhmsLawPanel>();
    App* a = &app;
    p.RadioGroup13.onClick = [a] { RadioGroup13Click(*a); };
    p.CheckBox6.onClick = [a] { CheckBox6Click(*a); };
    p.TabControl3.onChange = [a] { TabControl3Change(*a); };
    p.RadioGroup16.onClick = [a, &p] { showRows(*a, p.series, p.RadioGroup16); };
    p.RadioGroup23.onClick = [a, &p] { showRows(*a, p.parallel, p.RadioGroup23); };
}

// The types: the E-I-R group's "Solve For" (Volts, Amps, Ohms) times the
// tab, the LED tab solving for its current counted as a sixth tab.
constexpr int kTabTypes = 6;
constexpr int kLedCurrent = 5;
int fieldType(App& app) {
    OhmsLawPanel& p = app.panel<OhmsLawPanel>();
    const int mode = std::clamp(p.RadioGroup13.itemIndex(), 0, 2);
    int tab = p.TabControl3.itemIndex();
    if (tab == LedBias && p.CheckBox6.checked()) tab = kLedCurrent;
    return mode * kTabTypes + tab;
}
constexpr std::uint32_t modeBits(int mode) {
    std::uint32_t bits = 0;
    for (int t = 0; t < kTabTypes; ++t) bits |= 1u << (mode * kTabTypes + t);
    return bits;
}
constexpr std::uint32_t tabBits(int tab) { return typeBits({tab, kTabTypes + tab, 2 * kTabTypes + tab}); }
constexpr std::uint32_t kSolveVolts = modeBits(0), kSolveAmps = modeBits(1), kSolveOhms = modeBits(2);
constexpr std::uint32_t kLed = tabBits(LedBias), kLedI = tabBits(kLedCurrent), kSeries = tabBits(RSeries),
                        kParallel = tabBits(RParallel), kPi = tabBits(PiPad), kT = tabBits(TPad);
constexpr Unit kV{"Volts"}, kA{"Amps"}, kR{"Ohms"}, kW{"Watts"};
constexpr Field kFields[] = {
    // E - I - R.
    {"volts", "Edit244", "Volts", Role::Result, Quantity::Voltage, kV, "%.3f", nullptr, kSolveVolts},
    {"amps", "Edit244", "Amps", Role::Result, Quantity::Current, kA, "%.3f", nullptr, kSolveAmps},
    {"ohms", "Edit244", "Ohms", Role::Result, Quantity::Resistance, kR, "%.3f", nullptr, kSolveOhms},
    {"amps_in", "Edit245", "Amps", Role::Input, Quantity::Current, kA, nullptr, nullptr, kSolveVolts},
    {"volts_in", "Edit245", "Volts", Role::Input, Quantity::Voltage, kV, nullptr, nullptr, kSolveAmps | kSolveOhms},
    {"ohms_in", "Edit246", "Ohms", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kSolveVolts | kSolveAmps},
    {"amps_second", "Edit246", "Amps", Role::Input, Quantity::Current, kA, nullptr, nullptr, kSolveOhms},
    {"wattage", "Edit250", "Wattage", Role::Result, Quantity::Power, kW, "%.4f"},
    // LED bias.
    {"led_supply", "Edit236", "+V Value", Role::Input, Quantity::Voltage, kV, nullptr, nullptr, kLed | kLedI},
    {"led_drop", "Edit238", "LED Voltage Drop", Role::Input, Quantity::Voltage, kV, nullptr, nullptr, kLed | kLedI},
    {"led_current", "Edit239", "LED Current", Role::Input, Quantity::Current, {"mA"}, nullptr, nullptr, kLed},
    {"led_resistor_in", "Edit239", "Resistor Value", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kLedI},
    {"led_resistor", "Edit237", "Resistor Value", Role::Result, Quantity::Resistance, kR, "%.1f", nullptr, kLed},
    {"led_current_result", "Edit237", "LED Current", Role::Result, Quantity::Current, {"mA"}, "%.1f", nullptr, kLedI},
    {"led_resistor_power", "Edit299", "Resistor Power Dissipation", Role::Result, Quantity::Power, kW, "%.4f", nullptr, kLed | kLedI},
    // R series.
    {"series_voltage", "Edit252", "Voltage", Role::Input, Quantity::Voltage, kV, nullptr, nullptr, kSeries},
    {"series_r1", "Edit253", "R1", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kSeries},
    {"series_r2", "Edit254", "R2", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kSeries},
    {"series_r3", "Edit255", "R3", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kSeries},
    {"series_r4", "Edit256", "R4", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kSeries},
    {"series_r1_drop", "Edit262", "R1 Voltage Drop", Role::Result, Quantity::Voltage, {"V"}, "%.3f", nullptr, kSeries},
    {"series_r2_drop", "Edit263", "R2 Voltage Drop", Role::Result, Quantity::Voltage, {"V"}, "%.3f", nullptr, kSeries},
    {"series_r3_drop", "Edit264", "R3 Voltage Drop", Role::Result, Quantity::Voltage, {"V"}, "%.4f", nullptr, kSeries},
    {"series_r4_drop", "Edit265", "R4 Voltage Drop", Role::Result, Quantity::Voltage, {"V"}, "%.4f", nullptr, kSeries},
    {"series_r1_power", "Edit301", "R1 Power", Role::Result, Quantity::Power, {"W"}, "%.3f", nullptr, kSeries},
    {"series_r2_power", "Edit302", "R2 Power", Role::Result, Quantity::Power, {"W"}, "%.3f", nullptr, kSeries},
    {"series_r3_power", "Edit303", "R3 Power", Role::Result, Quantity::Power, {"W"}, "%.3f", nullptr, kSeries},
    {"series_r4_power", "Edit304", "R4 Power", Role::Result, Quantity::Power, {"W"}, "%.3f", nullptr, kSeries},
    // R parallel.
    {"parallel_voltage", "Edit309", "Voltage", Role::Input, Quantity::Voltage, kV, nullptr, nullptr, kParallel},
    {"parallel_r1", "Edit310", "R1", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kParallel},
    {"parallel_r2", "Edit311", "R2", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kParallel},
    {"parallel_r3", "Edit312", "R3", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kParallel},
    {"parallel_r4", "Edit313", "R4", Role::Input, Quantity::Resistance, kR, nullptr, nullptr, kParallel},
    {"parallel_r1_current", "Edit319", "R1 Current", Role::Result, Quantity::Current, {"A"}, "%.4f", nullptr, kParallel},
    {"parallel_r2_current", "Edit320", "R2 Current", Role::Result, Quantity::Current, {"A"}, "%.4f", nullptr, kParallel},
    {"parallel_r3_current", "Edit321", "R3 Current", Role::Result, Quantity::Current, {"A"}, "%.4f", nullptr, kParallel},
    {"parallel_r4_current", "Edit322", "R4 Current", Role::Result, Quantity::Current, {"A"}, "%.4f", nullptr, kParallel},
    {"parallel_r1_power", "Edit327", "R1 Power", Role::Result, Quantity::Power, {"W"}, "%.4f", nullptr, kParallel},
    {"parallel_r2_power", "Edit328", "R2 Power", Role::Result, Quantity::Power, {"W"}, "%.4f", nullptr, kParallel},
    {"parallel_r3_power", "Edit329", "R3 Power", Role::Result, Quantity::Power, {"W"}, "%.4f", nullptr, kParallel},
    {"parallel_r4_power", "Edit330", "R4 Power", Role::Result, Quantity::Power, {"W"}, "%.4f", nullptr, kParallel},
    // PI and T pads.
    {"pi_attenuation", "Edit288", "Attenuation", Role::Input, Quantity::Number, {"dB"}, nullptr, nullptr, kPi},
    {"pi_zin", "Edit281", "Zin", Role::Input, Quantity::Impedance, kR, nullptr, nullptr, kPi},
    {"pi_zout", "Edit282", "Zout", Role::Input, Quantity::Impedance, kR, nullptr, nullptr, kPi},
    {"pi_r1", "Edit283", "R1", Role::Result, Quantity::Resistance, kR, "%.2f Ohms", nullptr, kPi},
    {"pi_r2", "Edit284", "R2", Role::Result, Quantity::Resistance, kR, "%.2f Ohms", nullptr, kPi},
    {"pi_r3", "Edit285", "R3", Role::Result, Quantity::Resistance, kR, "%.2f Ohms", nullptr, kPi},
    {"t_attenuation", "Edit290", "Attenuation", Role::Input, Quantity::Number, {"dB"}, nullptr, nullptr, kT},
    {"t_zin", "Edit292", "Zin", Role::Input, Quantity::Impedance, kR, nullptr, nullptr, kT},
    {"t_zout", "Edit294", "Zout", Role::Input, Quantity::Impedance, kR, nullptr, nullptr, kT},
    {"t_r1", "Edit295", "R1", Role::Result, Quantity::Resistance, kR, "%.2f Ohms", nullptr, kT},
    {"t_r2", "Edit296", "R2", Role::Result, Quantity::Resistance, kR, "%.2f Ohms", nullptr, kT},
    {"t_r3", "Edit297", "R3", Role::Result, Quantity::Resistance, kR, "%.2f Ohms", nullptr, kT},
};
constexpr FieldTable kFieldTable{kFields, fieldType};

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kSolveOptions[] = {{"volts", 0}, {"amps", 1}, {"ohms", 2}};
constexpr ChoiceOption kCircuitOptions[] = {{"led-bias", 0}, {"r-series", 1}, {"r-parallel", 2}, {"pi-pad", 3},
    {"t-pad", 4}};
constexpr ChoiceOption kLedOptions[] = {{"resistor", 0}, {"current", 1}};
constexpr Choice kChoices[] = {{"solve", "RadioGroup13", kSolveOptions}, {"circuit", "TabControl3", kCircuitOptions},
    {"led", "CheckBox6", kLedOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule ohmsLawModule;
const CalculatorModule ohmsLawModule{
    .id = "ohms-law",
    .panel = "panels/ohms_law.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = ComputeOhmsLaw,
    .inputs = {.units = Enable::Off},
    .information = {.copperHeading = "Total Resistance",
                    .temperatureLines = false,
                    .seriesCurrent = true,
                    .resetToNA = {"Label56", "Label72", "Label110", "Label285", "Label27", "Label28", "Label320"}},
};

}  // namespace tv
