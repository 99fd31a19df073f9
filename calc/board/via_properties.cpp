// Via properties: current, capacitance, inductance, impedance and more for the
// three layer sets, and differential vias.
#include <utility>

#include "core/app.h"
#include "calc/conductor/ipc_charts.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "calc/board/via.h"

namespace tv {

namespace via {

int layerSet(App& app) { return app.shared().RadioGroup3.itemIndex(); }

// The plane group carries the via modes only while the via tab is set up; on
// the way in from another function it may still hold its copper items.
bool differentialMode(App& app) {
    return app.planeGroupModes == indexOf(Fn::Via) && app.shared().RadioGroup5.itemIndex() == 1;
}

namespace {

Reading readInputs(App& app) {
    Reading r{};
    r.plating = app.num(viaPanel(app).Edit9);
    r.pad = app.num(viaPanel(app).Edit4);
    r.opening = app.num(viaPanel(app).Edit5);
    r.height = app.num(viaPanel(app).Edit6);
    r.er = app.num(app.shared().Edit7);
    // The via height stands in for the board thickness of the IPC-2152 chart.
    r.heightModifier = boardThicknessModifier(r.height, metricUnits(app));
    r.hole = app.num(viaPanel(app).Edit3);
    return r;
}

void CalculateViaProperties(App& app) {
    bool metric = metricUnits(app);
    bool differential = differentialMode(app);
    int layer = layerSet(app);
    checkInputs(app, metric, differential, layer);
    app.ValidateTempRise();
    app.ValidateAmbient();
    app.UpdateConductorTemperature();
    Reading r = readInputs(app);
    if (differential) computeDifferentialVias(app, metric, r.hole, r.er);
    else computeSingleVia(app, metric, layer, r);
}

void onSelect(App& app) { viaPanel(app).Label187.setCaption(ipcModeText(app.preferences().ipcIndex())); }

void optionsChanged(App& app, ProgramOption option) {
    if (option != ProgramOption::IpcVersion) return;
    const int version = app.preferences().ipcIndex();
    const bool modifiers = version == 0;
    // The via height enters the via current only with the modifiers; in the
    // differential-via mode the field stays usable for the geometry.
    if (app.tabIs(Fn::Via)) {
        const int viaMode = app.shared().RadioGroup5.itemIndex();
        auto enableHeight = [&](bool on) {
            for (Component* c : {&viaPanel(app).Edit6, &viaPanel(app).Label8, &viaPanel(app).Edit55}) c->setEnabled(on);
        };
        if (modifiers) {
            if (viaMode == 0) enableHeight(true);
        } else if (viaMode == 0 || viaMode == 1) {
            enableHeight(viaMode == 1);
        }
    }
    viaPanel(app).Label187.setCaption(ipcModeText(version));
}

void materialWarning(App& app, bool warn) { viaPanel(app).Edit10.setColor(warn ? colors::Red : colors::Navy); }

void startup(App& app, StartupStep step) {
    switch (step) {
        case StartupStep::Defaults:
            for (auto [field, text] : {std::pair{&viaPanel(app).Edit3, "10"}, {&viaPanel(app).Edit4, "20"},
                                       {&viaPanel(app).Edit5, "40"}, {&viaPanel(app).Edit6, "62"},
                                       {&viaPanel(app).Edit9, "1"}})
                field->setText(text);
            break;
        case StartupStep::IpcVersionLoaded: break;
        case StartupStep::OptionsLoaded:
            // The options' handlers may have disabled the plane group that
            // carries the via modes.
            if (app.currentIs(Fn::Via)) app.shared().RadioGroup5.setEnabled(true);
            break;
    }
}

void install(App& app) {
    bindPanel(app);
    App* a = &app;
    // The plane group carries the via modes while this tab is shown.
    app.shared().RadioGroup5.onClick = [a] { RadioGroup5Click(*a); };
    viaPanel(app).CheckBox5.onClick = [a] { CheckBox5Click(*a); };
}

// The types: the three layer sets of a single via, then differential vias.
enum FieldType { TwoLayerType, MultiLayerType, MicroviaType, DifferentialType };
constexpr std::uint32_t kSingle = typeBits({TwoLayerType, MultiLayerType, MicroviaType});
constexpr std::uint32_t kDifferential = typeBits({DifferentialType});

int fieldType(App& app) { return differentialMode(app) ? DifferentialType : layerSet(app); }

constexpr Field kFields[] = {
    // Single via.
    {"hole_diameter", "Edit3", "Via Hole Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kSingle, "Edit52"},
    {"external_pad_diameter", "Edit4", "External Pad Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, typeBits({TwoLayerType}), "Edit53"},
    {"pad_diameter", "Edit4", "Internal Pad Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, typeBits({MultiLayerType, MicroviaType, DifferentialType})},
    {"plane_opening", "Edit5", "Ref Plane Opening Diam", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kSingle, "Edit54"},
    {"height", "Edit6", "Via Height", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kSingle, "Edit55"},
    {"plating_thickness", "Edit9", "Via Plating Thickness", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kSingle, "Edit56"},
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"temp_rise", "Edit1", "Temp Rise", Role::Input, Quantity::Temperature, {"°C"}, nullptr, nullptr, kSingle},
    {"ambient_temp", "Edit2", "Ambient Temp", Role::Input, Quantity::Temperature, {"°C"}, nullptr, nullptr, kSingle},
    {"current", "Edit10", "Via Current", Role::Result, Quantity::Current, {"Amps"}, "%.4f Amps", nullptr, kSingle},
    {"cross_section", "Edit8", "Conductor Cross Section", Role::Result, Quantity::Area, {"Sq.mils", "Sq.mm"}, "%.4f Sq.mils", "%.4f Sq.mm", kSingle},
    {"inductance", "Edit12", "Via Inductance", Role::Result, Quantity::Inductance, {"nH"}, "%.4f nH", nullptr, kSingle},
    {"capacitance", "Edit11", "Via Capacitance", Role::Result, Quantity::Capacitance, {"pF"}, "%.4f pF", nullptr, kSingle},
    {"impedance", "Edit42", "Via Impedance", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms", nullptr, kSingle},
    {"resonant_frequency", "Edit14", "Resonant Frequency", Role::Result, Quantity::Frequency, {"MHz"}, "%.3f MHz", nullptr, kSingle},
    {"step_response", "Edit13", "Step Response", Role::Result, Quantity::Time, {"ps"}, "%.4f ps", nullptr, kSingle},
    {"resistance", "Edit49", "Via DC Resistance", Role::Result, Quantity::Resistance, {"Ohms"}, "%.5f Ohms", nullptr, kSingle},
    {"power", "Edit50", "Power Dissipation", Role::Result, Quantity::Power, {"Watts"}, "%.5f Watts", nullptr, kSingle},
    // The via's own lines of the Information group.
    {"power_dbm", "Label56", "Power Dissipation", Role::Result, Quantity::Power, {"dBm"}, "%.4f dBm", nullptr, kSingle},
    {"aspect_ratio", "Label350", "Aspect Ratio", Role::Result, Quantity::Number, {}, "%.2f:1", nullptr, kSingle},
    {"thermal_resistance", "Label110", "Via Thermal Resistance", Role::Result, Quantity::ThermalResistance, {"°C/W"}, "%.1f °C/W", nullptr, kSingle},
    {"thermal_resistance_per_via", "Label285", "Thermal Resistance per Via", Role::Result, Quantity::ThermalResistance, {"°C/W"}, "%.1f °C/W per via", nullptr, kSingle},
    {"voltage_drop", "Label72", "Via Voltage Drop", Role::Result, Quantity::Voltage, {"mV"}, "%.4f mV", nullptr, kSingle},
    // Differential vias.
    {"drill_diameter", "Edit3", "Drill Hole Diameter", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kDifferential},
    {"plane_opening_h", "Edit5", "Ref Plane Opening H", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kDifferential},
    {"plane_opening_w", "Edit6", "Ref Plane Opening W", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kDifferential},
    {"via_spacing", "Edit335", "Via Spacing", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kDifferential, "Edit336"},
    {"anisotropy", "Edit206", "Anisotropy of Material", Role::Input, Quantity::Percent, {"%"}, nullptr, nullptr, kDifferential},
    {"baud_rate", "Edit209", "Baud Rate", Role::Input, Quantity::Frequency, {"GBaud"}, nullptr, nullptr, kDifferential},
    {"differential_impedance", "Edit8", "Differential Impedance", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms", nullptr, kDifferential},
    {"odd_mode_impedance", "Edit50", "Odd Mode Impedance", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms", nullptr, kDifferential},
    {"er_effective", "Edit10", "Er Effective", Role::Result, Quantity::Permittivity, {}, "%.3f", nullptr, kDifferential},
    {"stub_length", "Edit49", "Maximum Stub Length", Role::Result, Quantity::Length, kMilsMm, "%.3f mils", "%.3f mm", kDifferential},
};

// The units switch leaves the via mode as it is: restoring it must not re-run
// the mode's layout, which would replace the converted via dimensions and the
// chosen layer set with the layer set's defaults.
void keepViaModes(App& app, bool) {
    Component& plane = app.shared().RadioGroup5;
    int keep = plane.itemIndex();
    auto click = plane.onClick.take();
    plane.setItems({"Via Properties", "Differential Vias"});
    plane.setItemIndex(keep);
    plane.onClick = std::move(click);
}

constexpr FieldTable kFieldTable{kFields, fieldType, keepViaModes};

}  // namespace
}  // namespace via

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kLayersOptions[] = {{"2-layer", 0}, {"multi-layer", 1}, {"microvia", 2}};
constexpr ChoiceOption kModeOptions[] = {{"single", 0}, {"differential", 1}};
constexpr Choice kChoices[] = {{"layers", "RadioGroup3", kLayersOptions}, {"mode", "RadioGroup5", kModeOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule viaPropertiesModule;
const CalculatorModule viaPropertiesModule{
    .id = "via",
    .panel = "panels/via.win",
    .fields = &via::kFieldTable,
    .choices = kChoices,
    .install = via::install,
    .compute = via::CalculateViaProperties,
    .layerBranch = via::applyLayerSet,
    .onSelect = via::onSelect,
    .optionsChanged = via::optionsChanged,
    .layers = {.caption = " Layer Set ", .items = {"2 Layer", "Multi Layer", "Microvia"}, .selection = via::MultiLayer,
               .enabled = true},
    .plane = {.caption = " Property Selection ",
              .hint = "Select between single via properties and differential via properties.",
              .modes = {"Via Properties", "Differential Vias"},
              .enabled = Enable::On},
    .inputs = {.materialLabel = Enable::On, .erLabel = Enable::On, .tgLabel = Enable::On, .material = Enable::On,
               .er = Enable::On, .tg = Enable::On, .rise = Enable::On, .ambient = Enable::On,
               .viaCount = Enable::On},
    .information = {.copperHeading = "Power Dissipation (dBm)", .temperatureHeading = "Via Temperature",
                    .aspectRatio = true, .resetToNA = {"Label56"}, .conductorTemperature = true},
    .manualFrames = {.apply = true},
    .materialWarning = via::materialWarning,
    .startup = via::startup,
};

}  // namespace tv
