// Conductor properties: current or width after IPC-2152 and IPC-2221. The
// panel's own handlers and its part of the units switch; the computation is
// in conductor_compute.cpp.
#include "app.h"
#include "conductor/conductor_panel.h"
#include "modules.h"
#include "program.h"
#include "stackup.h"
#include "units.h"
#include "conductor/ipc_charts.h"

namespace tv {

void swap_current_width_labels(App& app) {
    const bool width = app.c("RadioGroup8").itemIndex() == 1;
    app.c("Label19").setCaption(width ? "Conductor Width" : "Conductor Current");
    app.c("Label17").setCaption(width ? "Conductor Current" : "Conductor Width");
    app.c("Edit15").setHint(width ? "Enter the desired amperage of the conductor."
                                  : "Enter the width of the conductor.");
    app.c("Edit57").setText(width ? "Amps" : (metricUnits(app) ? "mm" : "mils"));
    for (const char* name : {"Label339", "Label340", "SpeedButton3"}) app.c(name).setVisible(width);
    app.Button1Click();
}

void showConductorPicture(App& app) {
    // [parallel][plane][external]
    static const char* const pictures[2][2][2] = {
        {{"Image51", "Image49"}, {"Image52", "Image15"}},
        {{"Image54", "Image50"}, {"Image53", "Image3"}},
    };
    const int parallel = app.c("RadioGroup15").itemIndex() == 1;
    const int plane = app.c("RadioGroup2").itemIndex() == 1;
    const int external = app.c("RadioGroup3").itemIndex() == 1;
    const std::string chosen = pictures[parallel][plane][external];
    for (const auto& byParallel : pictures)
        for (const auto& byPlane : byParallel)
            for (const char* name : byPlane) app.c(name).setVisible(name == chosen);
}

namespace {

// " Parallel Conductors? " and " Plane Present? ": the inputs that go with
// them, the picture, and a recalculation.
void parallelOrPlaneClick(App& app) {
    const bool parallel = app.c("RadioGroup15").itemIndex() == 1;
    app.c("Label236").setVisible(parallel);
    app.c("Edit128").setVisible(parallel);
    app.c("Label18").setCaption(parallel ? "Total Cross Section" : "Conductor Cross Section");

    const bool plane = app.c("RadioGroup2").itemIndex() == 1;
    // The plane group is the via mode selector on Via Properties; an options
    // change that resets "Parallel Conductors?" there must not touch it.
    if (app.tabIs(Fn::Conductor)) app.shared().RadioGroup5.setEnabled(plane);
    for (const char* name : {"Edit132", "Edit133", "Label37"}) app.c(name).setVisible(plane);
    showConductorPicture(app);
    app.Button1Click();
}

// DC: no frequency, no skin depth.
void CheckBox1Click(App& app) {
    const bool dc = app.c("CheckBox1").checked();
    for (const char* name : {"Edit129", "Edit134", "Label237", "Label239"}) app.c(name).setVisible(!dc);
    Component& frequency = app.c("Edit130");
    Component& unit = app.c("Edit131");
    frequency.setText(dc ? "DC" : "1");
    unit.setText(dc ? "" : "MHz");
    frequency.setEnabled(!dc);
    unit.setEnabled(!dc);
    if (!dc) app.Button1Click();
}

// The conductor's branch of the shared layer group: plating only on the
// external layer.
void layerBranch(App& app) {
    const bool external = app.c("RadioGroup3").itemIndex() == 1;
    for (const char* name : {"RadioGroup1", "GroupBox32", "Edit138", "Edit139"})
        app.c(name).setEnabled(external);
    showConductorPicture(app);
}

void unitCaptions(App& app, bool metric) {
    for (const char* caption : {"Edit58", "Edit127", "Edit133"}) unitCaption(app.c(caption), metric);
}

void unitConversions(App& app, bool metric) {
    // While solving for width Edit15 holds a current.
    if (app.c("RadioGroup8").itemIndex() == 0) convertLength(app, app.c("Edit15"), metric);
    for (const char* field : {"Edit18", "Edit126", "Edit132"}) convertLength(app, app.c(field), metric);
}

void etchFactorLabel(App& app) {
    app.c("Label126").setCaption(app.Form6.get("RadioGroup2").itemIndex() == 1 ? "None" : "1:1");
}

void onSelect(App& app) {
    app.c("Label243").setCaption(ipcModeText(ipcModel(app)));
    etchFactorLabel(app);
    // The plane thickness counts only with a plane present.
    app.shared().RadioGroup5.setEnabled(app.c("RadioGroup2").itemIndex() == 1);
}

// The conductor inputs that only the IPC-2152 modifiers use.
constexpr const char* kModifierInputs[] = {"Label235", "Label37", "Label236", "Edit126", "Edit127",
                                           "Edit132", "Edit133", "Edit128", "RadioGroup2"};

void ipcVersionChanged(App& app) {
    const int version = ipcModel(app);
    const bool modifiers = version == 0;
    app.c("SpeedButton4").setVisible(modifiers);
    app.c("Label243").setCaption(ipcModeText(version));

    Component& solveFor = app.c("RadioGroup8");
    if (modifiers) solveFor.setItemIndex(0);
    solveFor.setEnabled(!modifiers);
    for (const char* n : kModifierInputs) app.c(n).setEnabled(modifiers);
    Component& parallel = app.c("RadioGroup15");
    if (!modifiers) parallel.setItemIndex(0);
    parallel.setEnabled(modifiers);

    if (app.tabIs(Fn::Conductor)) {
        const bool planePresent = app.c("RadioGroup2").itemIndex() == 1;
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

void install(App& app) {
    App* a = &app;
    app.c("RadioGroup8").onClick = [a] { swap_current_width_labels(*a); };
    app.c("RadioGroup15").onClick = [a] { parallelOrPlaneClick(*a); };
    app.c("RadioGroup2").onClick = [a] { parallelOrPlaneClick(*a); };
    app.c("CheckBox1").onClick = [a] { CheckBox1Click(*a); };
    app.c("SpeedButton4").onClick = [a] {
        a->message("This selection is only enabled for the IPC-2152 Without Modifiers and the IPC-2221 "
                   "options. See Program Options to change settings.");
    };
    app.c("SpeedButton3").onClick = [a] { showModalWindow(*a, "Form6"); };
}

}  // namespace

const CalculatorModule conductorPropertiesModule{
    .panel = "panels/conductor.win",
    .install = install,
    .compute = ComputeConductor,
    .layerBranch = layerBranch,
    .unitCaptions = unitCaptions,
    .unitConversions = unitConversions,
    .afterUnitsSwitch = swap_current_width_labels,
    .onSelect = onSelect,
    .optionsChanged = optionsChanged,
};

}  // namespace tv
