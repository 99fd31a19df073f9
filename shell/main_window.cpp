// The main window's shell handlers: keys, spin buttons, the function menu and
// tabs, the units and copper groups, Exit, and the windows it opens.
#include <memory>
#include <set>
#include <string>

#include "core/app.h"
#include "shell/analysis_fields.h"
#include "shell/designs.h"
#include "shell/options_window.h"
#include "shell/outward.h"
#include "shell/program.h"
#include "shell/repair.h"
#include "shell/report.h"
#include "core/resources.h"
#include "shell/selection.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace {

void loadForm(Form& form, const std::string& path) {
    const std::string_view* text = resource(path);
    if (!text) throw DescriptionError("missing window description " + path);
    form.load(*text, path);
}

constexpr int kEnter = 13;

// Enter in an input field recalculates; the Enter character itself is swallowed
// so that no beep sounds. Any other key passes unchanged.
void installKeys(App& app, Form& form) {
    App* a = &app;
    for (const auto& comp : form.components()) {
        Component& c = *comp;
        bool input = (c.kind() == Kind::Edit && !c.readOnly()) || c.kind() == Kind::ComboBox ||
                     c.kind() == Kind::CheckBox || c.kind() == Kind::Memo;
        if (!input) continue;
        if (!c.onKeyPress)
            c.onKeyPress = [](char& key) {
                if (key == kEnter) key = 0;
            };
        if (&form == &app.Form1 && c.kind() == Kind::Edit && !c.onKeyDown)
            c.onKeyDown = [a](int key) {
                if (key == kEnter) a->Button1Click();
            };
    }
}

// A spin button recalculates when the step is requested and again once its
// field shows the new value.
void installSpin(App& app, Component& spin) {
    App* a = &app;
    if (!spin.onChanging) spin.onChanging = [a] { a->Button1Click(); };
    if (!spin.onClick) spin.onClick = [a] { a->Button1Click(); };
}

// The moves between calculators and windows that code below the shell asks for.
class ShellNavigation : public Navigation {
public:
    explicit ShellNavigation(App& app) : app_(app) {}
    void selectFunction(Fn fn) override { SelectProgramFunction(app_, indexOf(fn)); }
    void showProgramOptions() override { showModalWindow(app_, "Form6"); }

private:
    App& app_;
};

// The windows that hold the main window disabled until they close.
struct ModalWindows {
    std::set<std::string> open;
};

}  // namespace

void showModalWindow(App& app, const char* form) {
    app.state<ModalWindows>().open.insert(form);
    app.Form1.self().setEnabled(false);
    app.form(form)->self().setVisible(true);
    app.platform.showWindow(form);
}

void closeModalWindow(App& app, const char* form) {
    auto& holding = app.state<ModalWindows>().open;
    holding.erase(form);
    app.form(form)->self().setVisible(false);
    app.platform.closeWindow(form);
    // Another window opened on top of this one still holds the main window.
    if (holding.empty()) app.Form1.self().setEnabled(true);
}

void buildWindows(App& app) {
    const Catalogue& cat = app.catalogue;
    loadForm(app.Form1, "forms/form1.win");
    app.bindShared();
    app.changePreferences().metric = app.shared().RadioGroup6.itemIndex() == 1;
    for (const auto& f : cat.functions) {
        Component& panel = app.Form1.add(Kind::GroupBox, f.panel, "Panel1");
        panel.setCaption(f.panelCaption);
        panel.setGeometry(10, 8, 576, 561);
        panel.setVisible(&f == &cat.functions.front());
        if (f.module && f.module->panel) loadForm(app.Form1, f.module->panel);
    }
    loadForm(app.Form2, "forms/form2.win");
    loadForm(app.Form4, "forms/form4.win");
    loadForm(app.Form5, "forms/form5.win");
    loadForm(app.Form6, "forms/form6.win");
    loadForm(app.Form8, "forms/form8.win");

    // The tab strip and the function menu list the catalogue.
    std::vector<std::string> tabs;
    for (const auto& f : cat.functions) tabs.push_back(f.tabCaption);
    Component& tabControl = app.c("TabControl1");
    tabControl.setItems(tabs);
    tabControl.setItemIndex(0);

    App* a = &app;
    for (const auto& f : cat.functions) {
        Component& item = app.Form1.add(Kind::MenuItem, f.menuItem, "Function1");
        item.setCaption(f.menuCaption);
        int index = f.index();
        item.onClick = [a, index] { SelectProgramFunction(*a, index); };
    }
    tabControl.onChange = [a] { TabControl1Change(*a); };

    app.c("Button1").onClick = [a] { a->Button1Click(); };
    app.c("RadioGroup3").onClick = [a] { RadioGroup3Click(*a); };
    // The units switch: the choice becomes the units preference, then every
    // panel follows it.
    app.c("RadioGroup6").onClick = [a] {
        a->changePreferences().metric = a->shared().RadioGroup6.itemIndex() == 1;
        RadioGroup6Click(*a);
    };
    app.c("Edit1").onExit = [a] { a->ValidateTempRise(); };
    app.c("Edit2").onExit = [a] { a->ValidateAmbient(); };
    app.c("UpDown2").onExit = [a] { a->ValidateAmbient(); };
    installStackup(app);

    app.c("Exit1").onClick = [a] { a->endProgram(0); };
    app.c("Exit3").onClick = [a] { a->endProgram(0); };
    app.setNavigation(std::make_unique<ShellNavigation>(app));
    // What greys while a field is unreadable: the results the user sees.
    app.currentResults = [](App& app) {
        std::vector<Component*> results;
        for (const AnalysisField& f : analysisFields(app).results) results.push_back(f.component);
        return results;
    };
    app.c("CopperWeight1").onClick = [a] { a->showProgramOptions(); };
    app.c("ReinstallRegistryKeys1").onClick = [a] { showRepairWindow(*a); };
    app.c("Label301").onClick = [a] { showRepairWindow(*a); };
    app.c("Button3").onClick = [a] { StartupSequence(*a); };
    installRepairWindow(app);

    for (const auto& f : cat.functions)
        if (f.module && f.module->install) f.module->install(app);
    installOptionsWindow(app);
    installAboutWindows(app);
    installHelpLinks(app);
    installPrinting(app);
    installReport(app);
    installToolsMenu(app);
    installDesignMenu(app);

    // Every spin button of the main window recalculates (the shared ones and
    // those on the panels), unless its module installed its own handlers.
    for (const auto& comp : app.Form1.components())
        if (comp->kind() == Kind::UpDown) installSpin(app, *comp);
    for (Form* form : {&app.Form1, &app.Form2, &app.Form5, &app.Form6, &app.Form8}) installKeys(app, *form);
}

}  // namespace tv
