// One plated via: cross-section, current, aspect ratio, field quantities,
// resistance, power, thermal resistance and voltage drop.
#include <cmath>
#include <limits>

#include "core/app.h"
#include "calc/conductor/conductor_model.h"
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
    const Preferences& options = app.preferences();
    if (!options.ipcModifiers()) return current;
    double factor = copper * app.materialModifier;
    if (options.viaHeightInCurrent) factor *= heightModifier;
    return current * factor;
}

// Height over hole against the through-hole limit, or the microvia limit in
// the Microvia layer set; red above the limit.
void aspectRatio(App& app, int layer, const Reading& r) {
    const Preferences& options = app.preferences();
    double limit = readFloat(layer == Microvia ? options.microviaAspectLimit : options.throughHoleAspectLimit,
                             app.userSeparator());
    double ratio = r.height / r.hole;
    Component& label = app.shared().Label350;
    showResult(label, "%.2f:1", ratio);
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
        showResult(viaPanel(app).Edit12, "%.4f nH", l);
        for (Component* c : {&viaPanel(app).Edit13, &viaPanel(app).Edit14, &viaPanel(app).Edit42}) c->setText("N/A");
        return;
    }
    double c = layer == MultiLayer ? capacitance(r.er, height, pad, opening) : 1.0;
    double f = resonantFrequency(l, c);
    double z = lineImpedance(impedance(l, c));
    double t = stepResponse(c, z);
    // Corrections within one run can leave the opening no wider than the pad:
    // with no capacitance there is no resonance, impedance or step response.
    bool charged = std::isfinite(c) && c > 0;
    auto dependent = [&](double v) { return charged ? v : std::numeric_limits<double>::quiet_NaN(); };
    showResult(viaPanel(app).Edit11, "%.4f pF", c);
    showResult(viaPanel(app).Edit12, "%.4f nH", l);
    showResult(viaPanel(app).Edit13, "%.4f ps", dependent(t));
    showResult(viaPanel(app).Edit14, "%.3f MHz", dependent(f));
    showResult(viaPanel(app).Edit42, "%.3f Ohms", dependent(z));
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
    showResult(viaPanel(app).Edit8, metric ? "%.4f Sq.mm" : "%.4f Sq.mils", area);
    double areaSqMils = metric ? area * kSqMilsPerSqMm : area;

    double current = viaCurrent(app, areaSqMils, area, metric, r.heightModifier);
    showResult(viaPanel(app).Edit10, "%.4f Amps", current);

    aspectRatio(app, layer, r);
    fieldQuantities(app, metric, layer, r);

    // The metric resistivity takes the length in mm over the area in sq mils.
    const ConductorLosses losses =
        conductorLosses(copperResistivity(app.temp.conductorTemp, metric), r.height, areaSqMils, current);
    showResult(viaPanel(app).Edit49, "%.5f Ohms", losses.resistance);
    showResult(viaPanel(app).Edit50, "%.5f Watts", losses.power);
    showResult(app.shared().Label56, "%.4f dBm", losses.dBm);

    double heightMils = metric ? r.height / kMmPerInch * 1000 : r.height;
    double thermal = thermalResistance(heightMils, areaSqMils);
    showResult(app.shared().Label110, "%.1f °C/W", thermal);
    showResult(app.shared().Label285, "%.1f °C/W per via", thermal / viaCount(app));

    showResult(app.shared().Label72, "%.4f mV", losses.voltage * 1000);
}

}  // namespace tv::via
