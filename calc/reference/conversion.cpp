// Units Conversion Data: six small converters recomputed together on every
// recalculation, and four links to reference pages.
#include <cmath>

#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "calc/reference/conversion_model.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace {

struct ConversionPanel : Panel {
    using Panel::Panel;
    // Distance: input and unit, three results with their units.
    TV_COMPONENT(Edit80);
    TV_COMPONENT(Edit82);
    TV_COMPONENT(Edit81);
    TV_COMPONENT(Edit83);
    TV_COMPONENT(Edit142);
    TV_COMPONENT(Edit144);
    TV_COMPONENT(Edit143);
    TV_COMPONENT(Edit145);
    // Temperature.
    TV_COMPONENT(Edit85);
    TV_COMPONENT(Edit86);
    TV_COMPONENT(Edit84);
    TV_COMPONENT(Edit87);
    // Decibel gain: gain, dBm in, volts in; voltage gain, dBm out, volts out.
    TV_COMPONENT(Edit167);
    TV_COMPONENT(Edit174);
    TV_COMPONENT(Edit176);
    TV_COMPONENT(Edit166);
    TV_COMPONENT(Edit175);
    TV_COMPONENT(Edit177);
    // Complex numbers: the group, two inputs, two results, their captions.
    TV_COMPONENT(GroupBox21);
    TV_COMPONENT(Label178);
    TV_COMPONENT(Label179);
    TV_COMPONENT(Label180);
    TV_COMPONENT(Label181);
    TV_COMPONENT(Edit215);
    TV_COMPONENT(Edit216);
    TV_COMPONENT(Edit217);
    TV_COMPONENT(Edit218);
    TV_COMPONENT(CheckBox3);
    TV_COMPONENT(SpeedButton2);
    // Angle.
    TV_COMPONENT(Label184);
    TV_COMPONENT(Label185);
    TV_COMPONENT(Edit219);
    TV_COMPONENT(Edit220);
    TV_COMPONENT(CheckBox2);
    // Reference links.
    TV_COMPONENT(Label186);
    TV_COMPONENT(Label159);
    TV_COMPONENT(Label286);
    TV_COMPONENT(Label282);
};

// The general text of a computed value in an output field; "N/A" when it is
// not a finite number.
void showNumber(App& app, Component& out, double value) {
    out.setText(std::isfinite(value) ? app.numberText(value) : "N/A");
}

void ComputeConversion(App& app) {
    ConversionPanel& p = app.panel<ConversionPanel>();
    const bool metric = metricUnits(app);

    const DistanceResults d = convertDistance(app.num(p.Edit80), metric);
    showResult(p.Edit81, "%.4f", d.first);
    showResult(p.Edit142, "%.4f", d.second);
    showResult(p.Edit143, "%.4f", d.third);

    showResult(p.Edit84, "%0.2f", convertTemperature(app.num(p.Edit85), metric));

    const double gain = app.num(p.Edit167);
    GainResults g = convertGain(gain, 0, 0);
    showResult(p.Edit166, "%.4f", g.voltageGain);
    g = convertGain(gain, app.num(p.Edit174), 0);
    showNumber(app, p.Edit175, g.dbmOut);
    g = convertGain(gain, 0, app.num(p.Edit176));
    showResult(p.Edit177, "%.4f", g.voltsOut);

    const double a = app.num(p.Edit215), b = app.num(p.Edit216);
    const ComplexResults c = p.CheckBox3.checked() ? polarToRectangular(a, b) : rectangularToPolar(a, b);
    showResult(p.Edit217, "%.4f", c.first);
    showResult(p.Edit218, "%.4f", c.second);

    showResult(p.Edit220, "%.4f", convertAngle(app.num(p.Edit219), p.CheckBox2.checked()));
}

void CheckBox3Click(App& app) {
    ConversionPanel& p = app.panel<ConversionPanel>();
    if (p.CheckBox3.checked()) {
        p.GroupBox21.setCaption(" Polar to Rectangular Conversion ");
        p.Label178.setCaption("Magnitude");
        p.Label179.setCaption("Angle (Degrees)");
        p.Label180.setCaption("Real Value");
        p.Label181.setCaption("j Value");
        p.Edit215.setHint("Enter the magnitude to be converted.");
        p.Edit216.setHint("Enter the angle, in degrees, to be converted.");
        p.Edit217.setHint("Converted real value in rectangular form.");
        p.Edit218.setHint("Converted j value in rectangular form.");
    } else {
        p.GroupBox21.setCaption(" Rectangular to Polar Conversion ");
        p.Label178.setCaption("Real Value");
        p.Label179.setCaption("j Value");
        p.Label180.setCaption("Magnitude");
        p.Label181.setCaption("Angle (Degrees)");
        p.Edit215.setHint("Enter the real value of the complex number.");
        p.Edit216.setHint("Enter the j vlaue of the complex number.");
        p.Edit217.setHint("Converted magnitude in Polar form.");
        p.Edit218.setHint("Converted angle, in degrees, in Polar form.");
    }
    app.Button1Click();
}

void CheckBox2Click(App& app) {
    ConversionPanel& p = app.panel<ConversionPanel>();
    const bool radians = p.CheckBox2.checked();
    p.Label184.setCaption(radians ? "Radians" : "Degrees");
    p.Label185.setCaption(radians ? "Degrees" : "Radians");
    p.Edit219.setHint(radians ? "Enter the radian value to be converted to degrees."
                              : "Enter the degrees value to be converted to radians.");
    p.Edit220.setHint(radians ? "Converted angle in degrees from radians."
                              : "Converted angle in radians from degrees.");
    app.Button1Click();
}

// The arrow: the angle of the complex converter goes to the angle converter,
// which is set to degrees-to-radians.
void SpeedButton2Click(App& app) {
    ConversionPanel& p = app.panel<ConversionPanel>();
    p.CheckBox2.setChecked(false);
    if (p.CheckBox3.checked()) {
        p.Edit219.setText(p.Edit216.text());
    } else if (isFloat(p.Edit218.text(), ".")) {
        // The polar angle is a result with a point; the angle field reads the
        // user's separator.
        p.Edit219.setText(app.numberText(readFloat(p.Edit218.text(), ".")));
    }
    app.Button1Click();
}

void link(App& app, Component& label, const char* target) {
    App* a = &app;
    Component* l = &label;
    label.onMouseEnter = [l] { l->setColor(colors::Red); };
    label.onMouseLeave = [l] { l->setColor(colors::Blue); };
    label.onClick = [a, target] { a->platform.open(target); };
}

// The distance converts without its change event: a recalculation in the
// middle of the units switch would run with the other panels' lengths not yet
// converted. The switch recalculates once at its end.
void unitConversions(App& app, bool metric) {
    Component& distance = app.panel<ConversionPanel>().Edit80;
    auto change = distance.onChange.take();
    try {
        convertLength(app, distance, metric);
    } catch (...) {
        distance.onChange = std::move(change);
        throw;
    }
    distance.onChange = std::move(change);
}

// An emptied temperature or distance reads as 0 on the next recalculation,
// whichever function is current.
void fillEmptyFields(App& app) {
    ConversionPanel& p = app.panel<ConversionPanel>();
    for (Component* f : {&p.Edit85, &p.Edit80})
        if (f->text().empty()) f->setText("0");
}

// Each converter turns the unit system's unit into the other's.
constexpr Field kFields[] = {
    {"distance", "Edit80", "Distance Conversion: Input", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit82", nullptr, Conversion::Hook},
    {"temperature", "Edit85", "Temperature Conversion: Input", Role::Input, Quantity::Temperature, {"°F", "°C"}, nullptr, nullptr, 0, "Edit86"},
    {"gain_db", "Edit167", "Gain in dB", Role::Input, Quantity::Number, {"dB"}},
    {"dbm_in", "Edit174", "dBm In", Role::Input, Quantity::Power, {"dBm"}},
    {"volts_in", "Edit176", "Volts In", Role::Input, Quantity::Voltage, {"V"}},
    {"real", "Edit215", "Real Value", Role::Input},
    {"imaginary", "Edit216", "j Value", Role::Input},
    {"degrees", "Edit219", "Degrees", Role::Input, Quantity::Angle},
    {"distance_out", "Edit81", "Distance Conversion: Output", Role::Result, Quantity::Length, {"mm", "mils"}, "%.4f", nullptr, 0, "Edit83"},
    {"distance_out_second", "Edit142", "Distance Conversion: Output 2", Role::Result, Quantity::Length, {"in", "um"}, "%.4f", nullptr, 0, "Edit144"},
    {"distance_out_third", "Edit143", "Distance Conversion: Output 3", Role::Result, Quantity::Length, {"um", "in"}, "%.4f", nullptr, 0, "Edit145"},
    {"temperature_out", "Edit84", "Temperature Conversion: Output", Role::Result, Quantity::Temperature, {"°C", "°F"}, "%0.2f", nullptr, 0, "Edit87"},
    {"voltage_gain", "Edit166", "Voltage Gain", Role::Result, Quantity::Number, {"A"}, "%.4f"},
    {"dbm_out", "Edit175", "dBm Out", Role::Result, Quantity::Power, {"dBm"}},
    {"volts_out", "Edit177", "Volts Out", Role::Result, Quantity::Voltage, {"V"}, "%.4f"},
    {"magnitude", "Edit217", "Magnitude", Role::Result, Quantity::Number, {}, "%.4f"},
    {"angle", "Edit218", "Angle (Degrees)", Role::Result, Quantity::Angle, {}, "%.4f"},
    {"radians", "Edit220", "Radians", Role::Result, Quantity::Angle, {}, "%.4f"},
};
constexpr FieldTable kFieldTable{kFields};

void install(App& app) {
    ConversionPanel& p = app.bindPanel<ConversionPanel>();
    App* a = &app;
    // The distance and temperature converters follow every change of their text.
    for (Component* f : {&p.Edit80, &p.Edit81, &p.Edit85, &p.Edit142, &p.Edit143})
        f->onChange = [a] { a->Button1Click(); };
    p.CheckBox3.onClick = [a] { CheckBox3Click(*a); };
    p.CheckBox2.onClick = [a] { CheckBox2Click(*a); };
    p.SpeedButton2.onClick = [a] { SpeedButton2Click(*a); };
    link(app, p.Label186, "https://en.wikipedia.org/wiki/Metric_prefix");
    link(app, p.Label286, "https://en.wikipedia.org/wiki/Ohm%27s_law");
    link(app, p.Label159, "https://en.wikipedia.org/wiki/Farad");
    link(app, p.Label282, "https://en.wikipedia.org/wiki/Farad");
}

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule conversionModule;
const CalculatorModule conversionModule{
    .id = "conversion",
    .panel = "panels/conversion.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputeConversion,
    .unitConversions = unitConversions,
    .manualFrames = {.apply = true},
    .fillEmptyFields = fillEmptyFields,
};

}  // namespace tv
