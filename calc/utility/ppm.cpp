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

constexpr Field kFields[] = {
    {"center_frequency", "Edit170", "PPM to Hertz: Center Frequency", Role::Input, Quantity::Frequency, {"Hz"}},
    {"ppm", "Edit171", "PPM Value", Role::Input, Quantity::Number, {"PPM"}},
    {"center_frequency_2", "Edit181", "Hertz to PPM: Center Frequency", Role::Input, Quantity::Frequency, {"Hz"}},
    {"max_frequency_in", "Edit182", "Hertz to PPM: Maximum Frequency", Role::Input, Quantity::Frequency, {"Hz"}},
    {"variation", "Edit172", "PPM to Hertz: Variation of Frequency", Role::Result, Quantity::Frequency, {"Hz"}, "%0.5f"},
    {"max_frequency", "Edit173", "PPM to Hertz: Maximum Frequency", Role::Result, Quantity::Frequency, {"Hz"}, "%0.5f"},
    {"min_frequency", "Edit180", "Minimum Frequency", Role::Result, Quantity::Frequency, {"Hz"}, "%0.5f"},
    {"variation_2", "Edit183", "Hertz to PPM: Variation of Frequency", Role::Result, Quantity::Frequency, {"Hz"}, "%0.5f"},
    {"ppm_result", "Edit184", "Hertz to PPM: PPM Value", Role::Result, Quantity::Number, {"PPM"}, "%0.5f"},
};
constexpr FieldTable kFieldTable{kFields};

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule ppmModule;
const CalculatorModule ppmModule{
    .id = "ppm",
    .panel = "panels/ppm.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputePpm,
    .inputs = {.units = Enable::Off},
};

}  // namespace tv
