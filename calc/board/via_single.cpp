// One plated via: cross-section, current, aspect ratio, field quantities,
// resistance, power, thermal resistance and voltage drop.
#include <cmath>

#include "core/app.h"
#include "calc/conductor/ipc_charts.h"
#include "core/checks.h"
#include "calc/board/via.h"
#include "calc/board/via_formulas.h"

namespace tv::via {

namespace {

constexpr double kMmPerInch = 25.4;

// The current that heats the barrel by the temperature rise. The IPC-2152
// chart factors enter only in the "with modifiers" version; the option
// "Disable Via Height for via current" leaves out the via-height factor.
double viaCurrent(App& app, double areaSqMils, double area, bool metric, double heightModifier) {
    double copper = copperModifier(app.temp.rise, area, metric);
    double current = ipcCurrent(kIpcInternalK, app.temp.rise, areaSqMils);
    int version = app.Form6.get("RadioGroup1").itemIndex();
    if (version == 1 || version == 2) return current;
    double factor = copper * app.materialModifier;
    if (!app.Form6.get("CheckBox2").checked()) factor *= heightModifier;
    return current * factor;
}

// Height over hole against the through-hole limit, or the microvia limit in
// the Microvia layer set; red above the limit.
void aspectRatio(App& app, int layer, const Reading& r) {
    double limit = app.num(app.Form6.get(layer == Microvia ? "Edit2" : "Edit1"));
    double ratio = r.height / r.hole;
    Component& label = app.shared().Label350;
    label.setCaption(resultText("%.2f:1", ratio));
    label.setColor(ratio > limit ? colors::Red : colors::Black);
}

// Capacitance, inductance and what follows from them. Microvia has no
// capacitance; 2 Layer uses 1 pF in place of one (its fields are hidden).
void fieldQuantities(App& app, bool metric, int layer, const Reading& r) {
    double toInches = metric ? 1 / kMmPerInch : 1.0 / 1000;
    double hole = r.hole * toInches, pad = r.pad * toInches, opening = r.opening * toInches;
    double height = r.height * toInches;

    double l = inductance(height, hole);
    if (layer != MultiLayer && layer != TwoLayer) {
        viaPanel(app).Edit11.setText("N/A");
        viaPanel(app).Edit12.setText(resultText("%.4f nH", l));
        for (Component* c : {&viaPanel(app).Edit13, &viaPanel(app).Edit14, &viaPanel(app).Edit42}) c->setText("N/A");
        return;
    }
    double c = layer == MultiLayer ? capacitance(r.er, height, pad, opening) : 1.0;
    double f = resonantFrequency(l, c);
    double z = impedance(l, c);
    double t = stepResponse(c, z);
    // Corrections within one run can leave the opening no wider than the pad:
    // with no capacitance there is no resonance, impedance or step response.
    bool charged = std::isfinite(c) && c > 0;
    auto dependent = [&](const char* format, double v) {
        return charged ? resultText(format, v) : std::string("N/A");
    };
    viaPanel(app).Edit11.setText(resultText("%.4f pF", c));
    viaPanel(app).Edit12.setText(resultText("%.4f nH", l));
    viaPanel(app).Edit13.setText(dependent("%.4f ps", t));
    viaPanel(app).Edit14.setText(dependent("%.3f MHz", f));
    viaPanel(app).Edit42.setText(dependent("%.3f Ohms", z));
}

// The via count of the Information group, corrected to 1..999.
double viaCount(App& app) {
    Component& field = app.shared().Edit227;
    if (app.num(field) > 999) {
        app.message("Via count cannot be greater than 999");
        field.setText("999");
    }
    if (app.num(field) < 1) {
        app.message("Via count cannot be less than 1");
        field.setText("1");
    }
    return app.num(field);
}

}  // namespace

void computeSingleVia(App& app, bool metric, int layer, const Reading& r) {
    double area = barrelArea(r.hole, r.plating);
    viaPanel(app).Edit8.setText(resultText(metric ? "%.4f Sq.mm" : "%.4f Sq.mils", area));
    double areaSqMils = metric ? area * kSqMilsPerSqMm : area;

    double current = viaCurrent(app, areaSqMils, area, metric, r.heightModifier);
    viaPanel(app).Edit10.setText(resultText("%.4f Amps", current));

    aspectRatio(app, layer, r);
    fieldQuantities(app, metric, layer, r);

    // The metric resistivity takes the length in mm over the area in sq mils.
    double rho = correctedResistivity(app.temp.conductorTemp, metric);
    double resistance = rho * r.height / areaSqMils;
    viaPanel(app).Edit49.setText(resultText("%.5f Ohms", resistance));
    double power = current * current * resistance;
    viaPanel(app).Edit50.setText(resultText("%.5f Watts", power));
    app.shared().Label56.setCaption(resultText("%.4f dBm", 10 * std::log10(power / 0.001)));

    double heightMils = metric ? r.height / kMmPerInch * 1000 : r.height;
    double thermal = thermalResistance(heightMils, areaSqMils);
    app.shared().Label110.setCaption(resultText("%.1f °C/W", thermal));
    app.shared().Label285.setCaption(resultText("%.1f °C/W per via", thermal / viaCount(app)));

    app.shared().Label72.setCaption(resultText("%.4f mV", current * resistance * 1000));
}

}  // namespace tv::via
