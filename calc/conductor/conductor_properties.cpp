// Conductor properties: current or width after IPC-2152 and IPC-2221. The
// panel's own handlers and its part of the units switch; the computation is
// in conductor_compute.cpp.
#include "core/app.h"
#include "calc/conductor/conductor_panel.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"
#include "calc/conductor/ipc_charts.h"

namespace tv {

void swap_current_width_labels(App& app) {
    const bool width = conductorPanel(app).RadioGroup8.itemIndex() == 1;
    conductorPanel(app).Label19.setCaption(width ? "Conductor Width" : "Conductor Current");
    conductorPanel(app).Label17.setCaption(width ? "Conductor Current" : "Conductor Width");
    conductorPanel(app).Edit15.setHint(width ? "Enter the desired amperage of the conductor."
                                  : "Enter the width of the conductor.");
    conductorPanel(app).Edit57.setText(width ? "Amps" : (metricUnits(app) ? "mm" : "mils"));
    for (Component* c : {&conductorPanel(app).Label339, &conductorPanel(app).Label340, &conductorPanel(app).SpeedButton3}) c->setVisible(width);
    app.Button1Click();
}

// The pictures of the conductor situations: [parallel][plane][external].
constexpr const char* kPictures[2][2][2] = {
    {{"Image51", "Image49"}, {"Image52", "Image15"}},
    {{"Image54", "Image50"}, {"Image53", "Image3"}},
};

void showConductorPicture(App& app) {
    const auto& pictures = kPictures;
    const int parallel = conductorPanel(app).RadioGroup15.itemIndex() == 1;
    const int plane = conductorPanel(app).RadioGroup2.itemIndex() == 1;
    const int external = app.shared().RadioGroup3.itemIndex() == 1;
    const std::string chosen = pictures[parallel][plane][external];
    for (const auto& byParallel : pictures)
        for (const auto& byPlane : byParallel)
            for (const char* name : byPlane) app.c(name).setVisible(name == chosen);
}

namespace {

// " Parallel Conductors? " and " Plane Present? ": the inputs that go with
// them, the picture, and a recalculation.
void parallelOrPlaneClick(App& app) {
    const bool parallel = conductorPanel(app).RadioGroup15.itemIndex() == 1;
    conductorPanel(app).Label236.setVisible(parallel);
    conductorPanel(app).Edit128.setVisible(parallel);
    conductorPanel(app).Label18.setCaption(parallel ? "Total Cross Section" : "Conductor Cross Section");

    const bool plane = conductorPanel(app).RadioGroup2.itemIndex() == 1;
    // The plane group is the via mode selector on Via Properties; an options
    // change that resets "Parallel Conductors?" there must not touch it.
    if (app.tabIs(Fn::Conductor)) app.shared().RadioGroup5.setEnabled(plane);
    for (Component* c : {&conductorPanel(app).Edit132, &conductorPanel(app).Edit133, &conductorPanel(app).Label37}) c->setVisible(plane);
    showConductorPicture(app);
    app.Button1Click();
}

// DC: no frequency, no skin depth.
void CheckBox1Click(App& app) {
    const bool dc = conductorPanel(app).CheckBox1.checked();
    ConductorPanel& p = conductorPanel(app);
    for (Component* c : {&p.Edit129, &p.Edit134, &p.Label237, &p.Label239}) c->setVisible(!dc);
    Component& frequency = conductorPanel(app).Edit130;
    Component& unit = conductorPanel(app).Edit131;
    frequency.setText(dc ? "DC" : "1");
    unit.setText(dc ? "" : "MHz");
    frequency.setEnabled(!dc);
    unit.setEnabled(!dc);
    if (!dc) app.Button1Click();
}

// The conductor's branch of the shared layer group: plating only on the
// external layer.
void layerBranch(App& app) {
    const bool external = app.shared().RadioGroup3.itemIndex() == 1;
    SharedControls& s = app.shared();
    for (Component* c : {&s.RadioGroup1, &s.GroupBox32, &s.Edit138, &s.Edit139}) c->setEnabled(external);
    showConductorPicture(app);
}

// The types: solving for the current, solving for the width.
enum FieldType { ForCurrent, ForWidth };
int fieldType(App& app) { return conductorPanel(app).RadioGroup8.itemIndex() == 1 ? ForWidth : ForCurrent; }
bool solvingForCurrent(App& app, const Component&) { return fieldType(app) == ForCurrent; }

constexpr std::uint32_t kForCurrent = typeBits({ForCurrent}), kForWidth = typeBits({ForWidth});
// The width's unit box shows "Amps" while solving for the width; the switch
// of the solved quantity relabels it.
constexpr Field kFields[] = {
    {"width", "Edit15", "Conductor Width", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kForCurrent, nullptr, solvingForCurrent},
    {"design_current", "Edit15", "Conductor Current", Role::Input, Quantity::Current, {"Amps"}, nullptr, nullptr, kForWidth},
    {"length", "Edit18", "Conductor Length", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit58"},
    {"board_thickness", "Edit126", "PCB Thickness", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit127"},
    {"parallel_count", "Edit128", "Parallel Conductor Count", Role::Input},
    {"plane_distance", "Edit132", "Distance to Plane", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit133"},
    {"frequency", "Edit130", "Frequency", Role::Input, Quantity::Frequency, {"MHz"}},
    {"temp_rise", "Edit1", "Temp Rise", Role::Input, Quantity::Temperature, {"°C"}},
    {"ambient_temp", "Edit2", "Ambient Temp", Role::Input, Quantity::Temperature, {"°C"}},
    {"current", "Edit17", "Conductor Current", Role::Result, Quantity::Current, {"Amps"}, "%.4f Amps", nullptr, kForCurrent},
    {"required_width", "Edit17", "Conductor Width", Role::Result, Quantity::Length, kMilsMm, "%.4f mils", "%.4f mm", kForWidth},
    {"cross_section", "Edit16", "Conductor Cross Section", Role::Result, Quantity::Area, {"Sq.mils", "Sq.mm"}, "%.2f Sq.mils", "%.3f Sq.mm"},
    {"resistance", "Edit20", "Conductor DC Resistance", Role::Result, Quantity::Resistance, {"Ohms"}, "%.5f Ohms"},
    {"power", "Edit48", "Power Dissipation", Role::Result, Quantity::Power, {"Watts"}, "%.5f Watts"},
    {"voltage_drop", "Edit78", "Voltage Drop", Role::Result, Quantity::Voltage, {"Volts"}, "%.4f Volts"},
    {"power_dbm", "Edit135", "Power Dissipation in dBm", Role::Result, Quantity::Power, {"dBm"}, "%.4f dBm"},
    {"skin_depth", "Edit129", "Skin Depth", Role::Result, Quantity::Length, kMilsUm, "%.5f mils", "%.5f um"},
    {"skin_depth_percentage", "Edit134", "Skin Depth Percentage", Role::Result, Quantity::Percent, {"%"}},
};
constexpr FieldTable kFieldTable{kFields, fieldType};

void etchFactorLabel(App& app) {
    conductorPanel(app).Label126.setCaption(app.preferences().etch == EtchFactor::None ? "None" : "1:1");
}

void onSelect(App& app) {
    conductorPanel(app).Label243.setCaption(ipcModeText(ipcModel(app)));
    etchFactorLabel(app);
    // The plane thickness counts only with a plane present.
    app.shared().RadioGroup5.setEnabled(conductorPanel(app).RadioGroup2.itemIndex() == 1);
}

// The conductor inputs that only the IPC-2152 modifiers use.
constexpr const char* kModifierInputs[] = {"Label235", "Label37", "Label236", "Edit126", "Edit127",
                                           "Edit132", "Edit133", "Edit128", "RadioGroup2"};

void ipcVersionChanged(App& app) {
    const int version = ipcModel(app);
    const bool modifiers = version == 0;
    conductorPanel(app).SpeedButton4.setVisible(modifiers);
    conductorPanel(app).Label243.setCaption(ipcModeText(version));

    Component& solveFor = conductorPanel(app).RadioGroup8;
    if (modifiers) solveFor.setItemIndex(0);
    solveFor.setEnabled(!modifiers);
    for (const char* n : kModifierInputs) app.c(n).setEnabled(modifiers);
    Component& parallel = conductorPanel(app).RadioGroup15;
    if (!modifiers) parallel.setItemIndex(0);
    parallel.setEnabled(modifiers);

    if (app.tabIs(Fn::Conductor)) {
        const bool planePresent = conductorPanel(app).RadioGroup2.itemIndex() == 1;
        if (modifiers) app.shared().RadioGroup5.setEnabled(planePresent);
        else if (!planePresent) app.shared().RadioGroup5.setEnabled(false);
    }
    swap_current_width_labels(app);
}

void optionsChanged(App& app, ProgramOption option) {
    switch (option) {
        case ProgramOption::IpcVersion: ipcVersionChanged(app); break;
        case ProgramOption::EtchFactor: etchFactorLabel(app); break;
    }
}

void materialWarning(App& app, bool warn) { conductorPanel(app).Edit17.setColor(warn ? colors::Red : colors::Navy); }

void startup(App& app, StartupStep step) {
    switch (step) {
        case StartupStep::Defaults: break;
        case StartupStep::IpcVersionLoaded:
            // Solving for the width needs a version without the modifiers.
            conductorPanel(app).RadioGroup8.setEnabled(!app.preferences().ipcModifiers());
            break;
        case StartupStep::OptionsLoaded: break;
    }
}

void install(App& app) {
    app.bindPanel<ConductorPanel>();
    for (const auto& byParallel : kPictures)
        for (const auto& byPlane : byParallel) requireComponents(app.Form1, byPlane);
    requireComponents(app.Form1, kModifierInputs);
    App* a = &app;
    conductorPanel(app).RadioGroup8.onClick = [a] { swap_current_width_labels(*a); };
    conductorPanel(app).RadioGroup15.onClick = [a] { parallelOrPlaneClick(*a); };
    conductorPanel(app).RadioGroup2.onClick = [a] { parallelOrPlaneClick(*a); };
    conductorPanel(app).CheckBox1.onClick = [a] { CheckBox1Click(*a); };
    conductorPanel(app).SpeedButton4.onClick = [a] {
        a->message("This selection is only enabled for the IPC-2152 Without Modifiers and the IPC-2221 "
                   "options. See Program Options to change settings.");
    };
    conductorPanel(app).SpeedButton3.onClick = [a] { a->showProgramOptions(); };
}

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kLayerOptions[] = {{"internal", 0}, {"external", 1}};
constexpr ChoiceOption kSolveOptions[] = {{"current", 0}, {"width", 1}};
constexpr Choice kChoices[] = {{"layer", "RadioGroup3", kLayerOptions}, {"solve", "RadioGroup8", kSolveOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule conductorPropertiesModule;
const CalculatorModule conductorPropertiesModule{
    .id = "conductor",
    .panel = "panels/conductor.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = ComputeConductor,
    .layerBranch = layerBranch,
    .afterUnitsSwitch = swap_current_width_labels,
    .onSelect = onSelect,
    .optionsChanged = optionsChanged,
    .layers = {.items = {"Internal Layer", "External Layer"}, .selection = 1, .enabled = true},
    .plane = {.enabled = Enable::Keep},  // " Plane Present? " decides (onSelect)
    .inputs = {.baseCopper = Enable::On, .plating = Enable::Keep, .manualCopper = Enable::On,
               .tgLabel = Enable::On, .material = Enable::On, .tg = Enable::On, .rise = Enable::On,
               .ambient = Enable::On, .manualBaseFrame = true},
    .information = {.resetToNA = {"Label72"}, .conductorTemperature = true},
    // Plating only on "External Layer".
    .manualFrames = {.apply = true, .base = true, .plating = true, .platingOnlyOnLayer = 1},
    .materialWarning = materialWarning,
    .startup = startup,
};

}  // namespace tv
