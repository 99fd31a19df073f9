// The Program Options window's handlers.
#include "shell/options_window.h"

#include <string>
#include <vector>

#include "core/app.h"
#include "shell/program.h"
#include "core/stackup.h"

namespace tv {

namespace {

// Enabled state of the two manual copper frames per selected tab: base frame,
// plating frame. The functions after Embedded Resistors leave the window as
// it is.
struct ManualFrames {
    bool base, plating;
};
bool manualFrames(App& app, int tab, ManualFrames& out) {
    const int layer = app.shared().RadioGroup3.itemIndex();
    if (!isFunctionIndex(tab)) return false;
    switch (static_cast<Fn>(tab)) {
        case Fn::Via: case Fn::Bandwidth: case Fn::Padstack: case Fn::Mechanical: case Fn::Spacing:
        case Fn::Conversion: case Fn::PlanarInductors: case Fn::Pdn: case Fn::Thermal:
            out = {false, false};
            return true;
        case Fn::Conductor: out = {true, layer == 1}; return true;  // plating on "External Layer" only
        case Fn::DifferentialPairs: case Fn::Impedance:
            out = {true, layer == 0};  // "Edge Cpld Ext", "Microstrip"
            return true;
        case Fn::Fusing: out = {true, true}; return true;
        default: return false;
    }
}

void EditChange(App& app, const char* field, const char* setting) {
    const double limit = app.num(app.Form6.get(field));
    app.settings.write(setting, app.numberText(limit));
    app.Button1Click();
}

void FormCloseQuery(App& app) { closeModalWindow(app, "Form6"); }

void FormCreate(App& app) {
    Component& list = app.Form6.get("cbxVclStyles");
    list.setItems(app.platform.styleNames());
    const std::string active = app.platform.activeStyle();
    for (size_t i = 0; i < list.items().size(); ++i)
        if (list.items()[i] == active) list.setItemIndex(static_cast<int>(i));

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
    app.catalogue.each(&CalculatorModule::optionsChanged, app, ProgramOption::IpcVersion);
    app.settings.write("IPC_Version", std::to_string(app.Form6.get("RadioGroup1").itemIndex()));
}

void Form6CheckBox1Click(App& app) {
    const bool manual = app.Form6.get("CheckBox1").checked();
    if (!manual) {
        app.c("RadioGroup1").setVisible(true);
        app.c("RadioGroup4").setVisible(true);
        app.c("GroupBox31").setVisible(false);
        app.c("GroupBox32").setVisible(false);
        app.settings.write("Manual_Copper_Weight", "0");
        return;
    }
    ManualFrames frames{};
    if (manualFrames(app, app.shared().TabControl1.itemIndex(), frames)) {
        app.c("RadioGroup1").setVisible(false);
        app.c("RadioGroup4").setVisible(false);
        app.c("GroupBox31").setVisible(true);
        app.c("GroupBox32").setVisible(true);
        app.c("GroupBox31").setEnabled(frames.base);
        for (const char* name : {"GroupBox32", "Edit138", "Edit139"}) app.c(name).setEnabled(frames.plating);
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
    app.Form6.get("Image2").setVisible(none);
    app.Form6.get("Image3").setVisible(!none);
    app.catalogue.each(&CalculatorModule::optionsChanged, app, ProgramOption::EtchFactor);
    app.settings.write("Derating", none ? "1" : "0");
    app.Button1Click();
}

void cbxVclStylesChange(App& app) {
    Component& list = app.Form6.get("cbxVclStyles");
    app.platform.applyStyle(list.text());
    app.settings.write("Vurivav_Theme", std::to_string(list.itemIndex()));
    closeModalWindow(app, "Form6");
}

void installOptionsWindow(App& app) {
    App* a = &app;
    Form& f = app.Form6;
    f.get("RadioGroup1").onClick = [a] { Form6RadioGroup1Click(*a); };
    f.get("CheckBox1").onClick = [a] { Form6CheckBox1Click(*a); };
    f.get("RadioGroup2").onClick = [a] { Form6RadioGroup2Click(*a); };
    f.get("CheckBox2").onClick = [a] {
        a->settings.write("Via_Height_Enable", a->Form6.get("CheckBox2").checked() ? "0" : "1");
        a->Button1Click();
    };
    f.get("Edit1").onChange = [a] { EditChange(*a, "Edit1", "TH_Via_AR_Setting"); };
    f.get("Edit2").onChange = [a] { EditChange(*a, "Edit2", "UVia_AR_Setting"); };
    f.get("cbxVclStyles").onChange = [a] { cbxVclStylesChange(*a); };
    f.get("Button1").onClick = [a] {
        closeModalWindow(*a, "Form6");
        a->Button1Click();
    };
    f.self().onExit = [a] { FormCloseQuery(*a); };
    // The window is created at program start: a stored theme that does not
    // read shows its message and leaves the active style.
    app.userAction([a] { FormCreate(*a); });
}

}  // namespace tv
