// Fusing current of a bare copper conductor after Onderdonk's equation in its
// reduced form, I = 0.188 * A / sqrt(t), A in square mils, t in seconds.
#include <cmath>

#include "app.h"
#include "conductor/ipc_charts.h"
#include "conductor/result_text.h"
#include "modules.h"
#include "stackup.h"
#include "units.h"

namespace tv {

namespace {

struct FusingState {
    double W = 0, t = 0, base = 0, plating = 0, T = 0, halfT = 0, A = 0, I = 0;
};

void ComputeFusing(App& app) {
    FusingState& s = app.state<FusingState>();
    const bool metric = metricUnits(app);
    // The plating always counts: the fusing conductor is bare copper on
    // whatever layer.
    const CopperThicknessResult copper = CopperThickness(app);
    s.base = copper.base;
    s.plating = copper.plating;
    s.T = s.base + s.plating;
    s.halfT = s.T / 2;
    app.c("Label56").setCaption(metric ? resultText("%3.0f um", s.T * 1000) : resultText("%.2f mils", s.T));

    s.W = app.num("Edit140");
    s.t = app.num("Edit153");
    s.A = metric ? s.T * s.W : s.W * s.T;
    const double sqMils = metric ? s.A * kSqMilsPerSqMm : s.A;
    s.I = sqMils * 0.188 / std::pow(s.t, 0.5);
    // A negative width (or copper) has no cross-section, and a time of zero
    // or below no fusing current.
    const bool area = s.A >= 0;
    app.c("Edit159").setText(area ? resultText(metric ? "%.3f Sq.mm" : "%.2f Sq.mils", s.A) : "N/A");
    app.c("Edit160").setText(area && s.t > 0 ? resultText("%.4f Amps", s.I) : "N/A");
}

void unitsSwitch(App& app, bool metric) {
    unitCaption(app, "Edit155", metric);
    convertLength(app, "Edit140", metric);
}

}  // namespace

const CalculatorModule fusingCurrentModule{
    "panels/fusing.win", nullptr, ComputeFusing, nullptr, unitsSwitch, nullptr,
};

}  // namespace tv
