// XC XL Reactance: capacitive and inductive reactance at a frequency and the
// resonant frequency of the LC pair, each input with its own unit selector.
#include <array>
#include <cmath>

#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "calc/utility/reactance_model.h"

namespace tv {

namespace {

struct ReactancePanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Edit270);       // frequency
    TV_COMPONENT(Edit278);       // its unit text
    TV_COMPONENT(RadioGroup19);  // MHz, KHz, Hz
    TV_COMPONENT(Edit271);       // capacitance
    TV_COMPONENT(Edit276);
    TV_COMPONENT(RadioGroup17);  // uF, nF, pF
    TV_COMPONENT(Edit272);       // inductance
    TV_COMPONENT(Edit277);
    TV_COMPONENT(RadioGroup18);  // mH, uH, nH
    TV_COMPONENT(Edit273);       // Xc
    TV_COMPONENT(Edit274);       // Xl
    TV_COMPONENT(Edit275);       // resonant frequency
};

// A unit text drawn inside the right end of its input field; left and width
// follow the text (0: the position stays).
struct UnitText {
    const char* text;
    int left, width;
};
constexpr std::array<UnitText, 3> kFrequencyUnits{{{"MHz", 124, 42}, {"KHz", 127, 42}, {"Hz", 139, 28}}};
constexpr std::array<UnitText, 3> kCapacitanceUnits{{{"uF", 0, 0}, {"nF", 0, 0}, {"pF", 0, 0}}};
constexpr std::array<UnitText, 3> kInductanceUnits{{{"mH", 134, 32}, {"uH", 139, 30}, {"nH", 139, 30}}};

// The factor of a selector's item (NaN, shown as "N/A", without a selection).
double factor(const double (&table)[3], const Component& group) {
    const int i = group.itemIndex();
    return i >= 0 && i < 3 ? table[i] : NAN;
}

void ComputeReactance(App& app) {
    using namespace reactance;
    ReactancePanel& p = app.panel<ReactancePanel>();
    const double hertz = app.num(p.Edit270) * factor(kFrequencyFactor, p.RadioGroup19);
    const double farads = app.num(p.Edit271) / factor(kCapacitanceDivisor, p.RadioGroup17);
    showResult(p.Edit273, "%.4f Ohms", capacitive(hertz, farads));
    const double henries = app.num(p.Edit272) / factor(kInductanceDivisor, p.RadioGroup18);
    showResult(p.Edit274, "%.4f Ohms", inductive(hertz, henries));
    showResult(p.Edit275, "%.4f Hz", resonantFrequency(farads, henries));
}

// A unit selector writes its unit into the unit field, then recalculates.
void selectUnit(App& app, Component& group, Component& field, const std::array<UnitText, 3>& units) {
    const int i = group.itemIndex();
    if (i >= 0 && i < 3) {
        const UnitText& u = units[static_cast<size_t>(i)];
        field.setText(u.text);
        if (u.width > 0) field.setGeometry(u.left, field.top(), u.width, field.height());
    }
    app.Button1Click();
}

void install(App& app) {
    ReactancePanel& p = app.bindPanel<ReactancePanel>();
    App* a = &app;
    p.RadioGroup19.onClick = [a, &p] { selectUnit(*a, p.RadioGroup19, p.Edit278, kFrequencyUnits); };
    p.RadioGroup17.onClick = [a, &p] { selectUnit(*a, p.RadioGroup17, p.Edit276, kCapacitanceUnits); };
    p.RadioGroup18.onClick = [a, &p] { selectUnit(*a, p.RadioGroup18, p.Edit277, kInductanceUnits); };
}

// Frequency, capacitance and inductance are in the units picked beside them.
constexpr Field kFields[] = {
    {"frequency", "Edit270", "Frequency", Role::Input, Quantity::Frequency, {}, nullptr, nullptr, 0, "Edit278"},
    {"capacitance", "Edit271", "Capacitance", Role::Input, Quantity::Capacitance, {}, nullptr, nullptr, 0, "Edit276"},
    {"inductance", "Edit272", "Inductance", Role::Input, Quantity::Inductance, {}, nullptr, nullptr, 0, "Edit277"},
    {"xc", "Edit273", "Xc", Role::Result, Quantity::Impedance, {"Ohms"}, "%.4f Ohms"},
    {"xl", "Edit274", "Xl", Role::Result, Quantity::Impedance, {"Ohms"}, "%.4f Ohms"},
    {"resonant_frequency", "Edit275", "Resonant Frequency", Role::Result, Quantity::Frequency, {"Hz"}, "%.4f Hz"},
};
constexpr FieldTable kFieldTable{kFields};

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule reactanceModule;
const CalculatorModule reactanceModule{
    .id = "reactance",
    .panel = "panels/reactance.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputeReactance,
    .inputs = {.units = Enable::Off},
    .information = {.resetToNA = {"Label56", "Label72", "Label110", "Label285", "Label27", "Label28", "Label320"}},
};

}  // namespace tv
