// PPM Calculator: a frequency tolerance in parts per million and the band it
// allows, and the tolerance of a given maximum frequency. Both converters run
// on every recalculation.
#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "calc/utility/ppm_model.h"

namespace tv {

namespace {

struct PpmPanel : Panel {
    using Panel::Panel;
    // PPM to hertz.
    TV_COMPONENT(Edit170);  // centre frequency
    TV_COMPONENT(Edit171);  // PPM
    TV_COMPONENT(Edit172);  // variation
    TV_COMPONENT(Edit173);  // maximum
    TV_COMPONENT(Edit180);  // minimum
    // Hertz to PPM.
    TV_COMPONENT(Edit181);  // centre frequency
    TV_COMPONENT(Edit182);  // maximum frequency
    TV_COMPONENT(Edit183);  // variation
    TV_COMPONENT(Edit184);  // PPM
};

void ComputePpm(App& app) {
    PpmPanel& p = app.panel<PpmPanel>();
    const double centre = app.num(p.Edit170);
    const ppm::Band band = ppm::ppmToHertz(centre, app.num(p.Edit171));
    showResult(p.Edit172, "%0.5f", band.variation);
    showResult(p.Edit173, "%0.5f", band.maximum);
    showResult(p.Edit180, "%0.5f", band.minimum);

    const double centre2 = app.num(p.Edit181);
    const ppm::Tolerance tol = ppm::hertzToPpm(centre2, app.num(p.Edit182));
    showResult(p.Edit183, "%0.5f", tol.variation);
    showResult(p.Edit184, "%0.5f", tol.ppm);  // "N/A" for a centre of 0
}

void install(App& app) { app.bindPanel<PpmPanel>(); }

}  // namespace

const CalculatorModule ppmModule{
    .panel = "panels/ppm.win",
    .install = install,
    .compute = ComputePpm,
};

}  // namespace tv
