// Thermal Management: the junction temperature of a device and the
// temperature reached with a heat sink, from a thermal resistance and a power
// above the shared ambient temperature.
#include "core/app.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "calc/utility/thermal_model.h"

namespace tv {

namespace {

struct ThermalPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Edit116);  // device thermal resistance
    TV_COMPONENT(Edit117);  // device power
    TV_COMPONENT(Edit119);  // junction temperature
    TV_COMPONENT(Edit121);  // heat-sink thermal resistance
    TV_COMPONENT(Edit124);  // device power
    TV_COMPONENT(Edit123);  // heat-sink temperature
};

void ComputeThermal(App& app) {
    ThermalPanel& p = app.panel<ThermalPanel>();
    // The ambient is validated again here: when Button1Click has just
    // corrected it, this pass reads the corrected text without a second
    // message.
    app.ValidateAmbient();
    const double ambient = app.temp.ambient;
    app.shared().Label27.setCaption("N/A");
    app.shared().Label28.setCaption("N/A");
    const double tj = thermal::temperature(app.num(p.Edit117), app.num(p.Edit116), ambient);
    showResult(p.Edit119, "%.3f °C", tj);
    const double ths = thermal::temperature(app.num(p.Edit124), app.num(p.Edit121), ambient);
    showResult(p.Edit123, "%.3f °C", ths);
}

void install(App& app) { app.bindPanel<ThermalPanel>(); }

constexpr Field kFields[] = {
    {"device_thermal_resistance", "Edit116", "Device Thermal Resistance", Role::Input, Quantity::ThermalResistance, {"°C/W"}},
    {"device_power", "Edit117", "Device Junction Temperature: Device Power Dissipation", Role::Input, Quantity::Power, {"Watts"}},
    {"heat_sink_thermal_resistance", "Edit121", "Heat Sink Thermal Resistance", Role::Input, Quantity::ThermalResistance, {"°C/W"}},
    {"heat_sink_power", "Edit124", "Heat Sink Selection: Device Power Dissipation", Role::Input, Quantity::Power, {"Watts"}},
    {"ambient_temp", "Edit2", "Ambient Temp", Role::Input, Quantity::Temperature, {"°C"}},
    {"junction_temp", "Edit119", "Device Junction Temp", Role::Result, Quantity::Temperature, {"°C"}, "%.3f °C"},
    {"heat_sink_temp", "Edit123", "Heat Sink Junction Temp", Role::Result, Quantity::Temperature, {"°C"}, "%.3f °C"},
};
constexpr FieldTable kFieldTable{kFields};

}  // namespace

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule thermalModule;
const CalculatorModule thermalModule{
    .id = "thermal",
    .panel = "panels/thermal.win",
    .fields = &kFieldTable,
    .install = install,
    .compute = ComputeThermal,
    .inputs = {.ambient = Enable::On, .units = Enable::Off},
    .manualFrames = {.apply = true},
};

}  // namespace tv
