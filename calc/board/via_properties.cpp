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

}  // namespace
}  // namespace via

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule viaPropertiesModule;
const CalculatorModule viaPropertiesModule{
    .panel = "panels/via.win",
    .install = via::install,
    .compute = via::CalculateViaProperties,
    .layerBranch = via::applyLayerSet,
    .unitCaptions = via::unitCaptions,
    .unitConversions = via::unitConversions,
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
