// The conductor computation: cross-section, current (or width), resistance at
// the conductor temperature, losses and skin depth, in mils or millimetres.
#include <cmath>

#include "core/app.h"
#include "calc/conductor/conductor_model.h"
#include "calc/conductor/conductor_panel.h"
#include "calc/conductor/ipc_charts.h"
#include "core/checks.h"
#include "core/stackup.h"

namespace tv {

namespace {

// Length, PCB thickness and plane distance limits. A limit writes the
// corrected text and shows its message, but this pass keeps the number as
// entered; the corrected text counts from the next recalculation.
void checkLength(App& app, double length, bool metric) {
    Component& field = conductorPanel(app).Edit18;
    if (!metric) {
        if (length > 1200000) {
            app.message("Max conductor length can't be greater than 1200000mils");
            field.setText("1200000");
        }
        if (length < 1) {
            app.message("Minimum conductor length can't be less than 1mil");
            field.setText("1");
        }
        return;
    }
    if (length > 30480) {
        app.message("Max conductor length can't be greater than 30480mm");
        field.setText("30480");
    }
    if (length < 0.0254) {
        correct(app, field, "Minimum conductor length can't be less than 0.0254mm", "0.0254");
    }
}

// The lower limit of a thickness or distance: 1 mil, or 0.0254 mm with its
// point and comma messages.
void checkMinimum(App& app, Component& field, double value, bool metric, const char* what) {
    const std::string subject = what;
    if (!metric) {
        if (value < 1) {
            app.message(subject + " can't be less than 1mil");
            field.setText("1");
        }
        return;
    }
    if (value < 0.0254) {
        correct(app, field, subject + " can't be less than 0.0254mm", "0.0254");
    }
}

void writeCopperThickness(App& app, const ConductorState& s, bool metric) {
    app.shared().Label56.setCaption(metric ? resultText("%3.0f um", s.T * 1000) : resultText("%.2f mils", s.T));
    app.shared().Label110.setCaption("N/A");
    app.shared().Label285.setCaption("N/A");
}

// Skin depth at the frequency of Edit130 (MHz), against half the copper.
void skinDepth(App& app, ConductorState& s, bool metric) {
    const double f = app.num(conductorPanel(app).Edit130);
    const double um = skinDepthMicrons(f);
    s.skin = metric ? um : um * 0.03937007874015749;
    const double half = metric ? s.halfT * 1000 : s.halfT;
    conductorPanel(app).Edit129.setText(resultText(metric ? "%.5f um" : "%.5f mils", s.skin));
    const double percent = s.skin / half * 100;
    Component& out = conductorPanel(app).Edit134;
    if (!std::isfinite(percent)) out.setText("N/A");
    else if (percent >= 100) out.setText("100%");
    else out.setText(cformat("%.2f %", {percent}));
    out.setColor(s.skin < half ? colors::Red : colors::Navy);
}

}  // namespace

int ipcModel(App& app) { return app.Form6.get("RadioGroup1").itemIndex(); }

void ComputeConductor(App& app) {
    ConductorState& s = app.state<ConductorState>();
    const bool metric = metricUnits(app);
    const int model = ipcModel(app);
    const bool widthMode = model != 0 && conductorPanel(app).RadioGroup8.itemIndex() == 1;
    const bool parallel = conductorPanel(app).RadioGroup15.itemIndex() == 1;
    const bool plane = conductorPanel(app).RadioGroup2.itemIndex() == 1;
    const bool internal = app.shared().RadioGroup3.itemIndex() == 0;
    const bool etch1to1 = app.Form6.get("RadioGroup2").itemIndex() != 1;

    app.ValidateTempRise();
    app.ValidateAmbient();
    app.UpdateConductorTemperature();
    const double rise = app.temp.rise;
    const double tc = app.temp.conductorTemp;

    s.L = app.num(conductorPanel(app).Edit18);
    checkLength(app, s.L, metric);

    const CopperThicknessResult copper = CopperThickness(app);
    s.base = copper.base;
    s.plating = copper.plating;
    auto layerRule = [&] {
        if (internal) s.plating = 0;
        s.layer = internal ? "Internal" : "External";
        s.k = model == 2 && !internal ? kIpcExternalK : kIpcInternalK;
    };
    if (metric) layerRule();

    s.H = app.num(conductorPanel(app).Edit126);
    checkMinimum(app, conductorPanel(app).Edit126, s.H, metric, "PCB Thickness");
    s.N = app.num(conductorPanel(app).Edit128);
    if (s.N < 2) {
        app.message("Parallel conductor count can't be less than 2");
        conductorPanel(app).Edit128.setText("2");
    }
    s.Mboard = boardThicknessModifier(s.H, metric);

    if (plane) {
        s.D = app.num(conductorPanel(app).Edit132);
        checkMinimum(app, conductorPanel(app).Edit132, s.D, metric, "Plane distance");
        s.Mplane = planeModifier(s.D, app.shared().RadioGroup5.itemIndex(), metric);
    } else {
        s.Mplane = 1.0;
    }

    if (!metric) layerRule();
    s.T = s.base + s.plating;
    s.halfT = s.T / 2;
    if (!metric) writeCopperThickness(app, s, metric);

    s.W = app.num(conductorPanel(app).Edit15);
    // A width at or below the copper thickness is replaced by 1.5 times the
    // thickness and the whole recalculation runs again; this run then goes on
    // with what the nested one left. Without copper (T <= 0) there is nothing
    // to correct towards, and correcting would never end.
    if (!widthMode && s.W <= s.T && s.T > 0) {
        app.message("Conductor width can't be less than or equal to conductor thickness");
        app.writeNumber(conductorPanel(app).Edit15, 1.5 * s.T);
        app.Button1Click();
    }

    s.A = crossSection(s.W, s.T, etch1to1);
    if (parallel) s.A *= s.N;
    s.Aprime = s.A * kSqMilsPerSqMm;
    const char* areaFormat = metric ? "%.3f Sq.mm" : "%.2f Sq.mils";
    conductorPanel(app).Edit16.setText(resultText(areaFormat, s.A));
    if (metric) writeCopperThickness(app, s, metric);

    s.Mcu = copperModifier(rise, s.A, metric);

    Component& result = conductorPanel(app).Edit17;
    const double powerArea = metric ? s.Aprime : s.A;
    if (model == 0) {
        s.I = ipcCurrent(s.k, rise, powerArea) * s.Mcu * s.Mboard;
        if (parallel) s.I /= s.N;
        s.I = s.I * s.Mplane * app.materialModifier;
        result.setText(resultText("%.4f Amps", s.I));
    } else if (!widthMode) {
        s.I = ipcCurrent(s.k, rise, powerArea);
        result.setText(resultText("%.4f Amps", s.I));
    } else {
        s.I = app.num(conductorPanel(app).Edit15);
        s.A = ipcArea(s.k, rise, s.I);
        if (metric) s.A /= kSqMilsPerSqMm;
        conductorPanel(app).Edit16.setText(resultText(areaFormat, s.A));
        s.W = widthForArea(s.A, s.T, etch1to1);
        const char* widthFormat = !metric ? "%.4f mils" : (model == 2 && etch1to1 ? "%.3f mm" : "%.4f mm");
        result.setText(resultText(widthFormat, s.W));
        if (s.W < s.T) app.message("Conductor width is less than conductor thickess");
    }

    s.rho = copperResistivity(tc, metric);
    conductorPanel(app).Label351.setCaption(app.numberText(s.rho));
    s.rhoT = s.rho * (1 + 0.00393 * (tc - 20));
    // Imperial areas are in square mils already; metric resistivity takes the
    // length in mm over the area in square mils.
    double area = s.A;
    if (metric) area = widthMode ? s.A * kSqMilsPerSqMm : s.Aprime;
    if (parallel) area /= s.N;  // one of the N conductors
    s.R = s.rhoT * s.L / area;
    conductorPanel(app).Edit20.setText(resultText("%.5f Ohms", s.R));

    s.P = s.I * s.I * s.R;
    conductorPanel(app).Edit48.setText(resultText("%.5f Watts", s.P));
    s.V = s.I * s.R;
    conductorPanel(app).Edit78.setText(resultText("%.4f Volts", s.V));

    if (!conductorPanel(app).CheckBox1.checked()) skinDepth(app, s, metric);

    s.dBm = 10 * std::log10(s.P / 0.001);
    conductorPanel(app).Edit135.setText(resultText("%.4f dBm", s.dBm));
}

}  // namespace tv
