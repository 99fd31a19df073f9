// The Program Options window's handlers.
#include "shell/options_window.h"

#include <string>
#include <vector>

#include "core/app.h"
#include "shell/program.h"
#include "core/stackup.h"

namespace tv {

namespace {

// The IPC method of an item of " IPC version for conductor calc ".
IpcMethod ipcMethodOf(int item) {
    if (item == 1) return IpcMethod::Ipc2152;
    if (item == 2) return IpcMethod::Ipc2221;
    return IpcMethod::Ipc2152WithModifiers;
}

void EditChange(App& app, std::string Preferences::*limitText, const char* field, const char* setting) {
    app.changePreferences().*limitText = app.Form6.get(field).text();
    const double limit = app.num(app.Form6.get(field));
    app.settings.write(setting, app.numberText(limit));
    app.Button1Click();
}

void FormCloseQuery(App& app) { closeModalWindow(app, "Form6"); }

// The field solver's line: its own value in the settings key, "0" for off;
// absent (as after a repair, which leaves it alone) it is on.
constexpr const char* kFieldSolverSetting = "Field_Solver";

void FieldSolverCheckClick(App& app) {
    const bool on = app.Form6.get("FieldSolverCheck").checked();
    if (app.preferences().fieldSolver == on) return;  // set by loading
    app.changePreferences().fieldSolver = on;
    app.settings.write(kFieldSolverSetting, on ? "1" : "0");
    app.Button1Click();
}

void loadFieldSolverOption(App& app) {
    if (app.settings.openRead()) app.settings.read(kFieldSolverSetting);
    app.settings.close();
    const bool on = app.settings.cached(kFieldSolverSetting) != "0";
    app.changePreferences().fieldSolver = on;
    app.Form6.get("FieldSolverCheck").setChecked(on);
}

void FormCreate(App& app) {
    Component& list = app.Form6.get("cbxVclStyles");
    list.setItems(app.platform.styleNames());
    const std::string active = app.platform.activeStyle();
    for (size_t i = 0; i < list.items().size(); ++i)
        if (list.items()[i] == active) list.setItemIndex(static_cast<int>(i));
    app.changePreferences().theme = list.itemIndex();

    if (app.settings.openRead()) app.settings.read("Vurivav_Theme");
    app.settings.close();
    const int stored = readInt(app.settings.cached("Vurivav_Theme"));
    // An index past the list keeps the active style.
    if (stored < 0 || stored >= static_cast<int>(list.items().size())) return;
    list.setItemIndex(stored);
    cbxVclStylesChange(app);
}

}  // namespace

void Form6RadioGroup1Click(App& app) {
    app.changePreferences().ipc = ipcMethodOf(app.Form6.get("RadioGroup1").itemIndex());
    app.catalogue.each(&CalculatorModule::optionsChanged, app, ProgramOption::IpcVersion);
    app.settings.write("IPC_Version", std::to_string(app.Form6.get("RadioGroup1").itemIndex()));
}

void Form6CheckBox1Click(App& app) {
    const bool manual = app.Form6.get("CheckBox1").checked();
    app.changePreferences().manualCopper = manual;
    if (!manual) {
        app.c("RadioGroup1").setVisible(true);
        app.c("RadioGroup4").setVisible(true);
        app.c("GroupBox31").setVisible(false);
        app.c("GroupBox32").setVisible(false);
        app.settings.write("Manual_Copper_Weight", "0");
        return;
    }
    // The frames of the function on the selected tab; a function that leaves
    // the window as it is only stores the choice.
    const CalculatorModule* m = app.catalogue.module(app.shared().TabControl1.itemIndex());
    if (m && m->manualFrames.apply) {
        const ManualFramesSetup& frames = m->manualFrames;
        const int layer = app.shared().RadioGroup3.itemIndex();
        const bool platingOn =
            frames.plating && (frames.platingOnlyOnLayer < 0 || frames.platingOnlyOnLayer == layer);
        app.c("RadioGroup1").setVisible(false);
        app.c("RadioGroup4").setVisible(false);
        app.c("GroupBox31").setVisible(true);
        app.c("GroupBox32").setVisible(true);
        app.c("GroupBox31").setEnabled(frames.base);
        for (const char* name : {"GroupBox32", "Edit138", "Edit139"}) app.c(name).setEnabled(platingOn);
        Component& base = app.c("Edit136");
        Component& plating = app.c("Edit138");
        if (metricUnits(app)) {
            base.setText("18");
            plating.setText("35");
        } else {
            app.writeLiteral(base, "0.7");
            app.writeLiteral(plating, "1.4");
        }
    }
    app.settings.write("Manual_Copper_Weight", "1");
}

void Form6RadioGroup2Click(App& app) {
    const bool none = app.Form6.get("RadioGroup2").itemIndex() == 1;
    app.changePreferences().etch = none ? EtchFactor::None : EtchFactor::OneToOne;
    app.Form6.get("Image2").setVisible(none);
    app.Form6.get("Image3").setVisible(!none);
    app.catalogue.each(&CalculatorModule::optionsChanged, app, ProgramOption::EtchFactor);
    app.settings.write("Derating", none ? "1" : "0");
    app.Button1Click();
}

void cbxVclStylesChange(App& app) {
    Component& list = app.Form6.get("cbxVclStyles");
    app.changePreferences().theme = list.itemIndex();
    app.platform.applyStyle(list.text());
    app.settings.write("Vurivav_Theme", std::to_string(list.itemIndex()));
    closeModalWindow(app, "Form6");
}

void installOptionsWindow(App& app) {
    App* a = &app;
    Form& f = app.Form6;
    // The options start as the window's description shows them.
    Preferences& p = app.changePreferences();
    p.ipc = ipcMethodOf(f.get("RadioGroup1").itemIndex());
    p.manualCopper = f.get("CheckBox1").checked();
    p.etch = f.get("RadioGroup2").itemIndex() == 1 ? EtchFactor::None : EtchFactor::OneToOne;
    p.throughHoleAspectLimit = f.get("Edit1").text();
    p.microviaAspectLimit = f.get("Edit2").text();
    p.viaHeightInCurrent = !f.get("CheckBox2").checked();
    p.fieldSolver = f.get("FieldSolverCheck").checked();
    f.get("RadioGroup1").onClick = [a] { Form6RadioGroup1Click(*a); };
    f.get("CheckBox1").onClick = [a] { Form6CheckBox1Click(*a); };
    f.get("RadioGroup2").onClick = [a] { Form6RadioGroup2Click(*a); };
    f.get("CheckBox2").onClick = [a] {
        const bool disabled = a->Form6.get("CheckBox2").checked();
        a->changePreferences().viaHeightInCurrent = !disabled;
        a->settings.write("Via_Height_Enable", disabled ? "0" : "1");
        a->Button1Click();
    };
    f.get("Edit1").onChange = [a] {
        EditChange(*a, &Preferences::throughHoleAspectLimit, "Edit1", "TH_Via_AR_Setting");
    };
    f.get("Edit2").onChange = [a] { EditChange(*a, &Preferences::microviaAspectLimit, "Edit2", "UVia_AR_Setting"); };
    f.get("cbxVclStyles").onChange = [a] { cbxVclStylesChange(*a); };
    f.get("FieldSolverCheck").onClick = [a] { FieldSolverCheckClick(*a); };
    f.get("Button1").onClick = [a] {
        closeModalWindow(*a, "Form6");
        a->Button1Click();
    };
    f.self().onExit = [a] { FormCloseQuery(*a); };
    // The window is created at program start: a stored theme that does not
    // read shows its message and leaves the active style.
    app.userAction([a] { FormCreate(*a); });
    app.userAction([a] { loadFieldSolverOption(*a); });
}

}  // namespace tv
