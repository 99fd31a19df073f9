#include "shell/selection.h"

#include <exception>
#include <string>
#include <vector>

#include "core/app.h"

namespace tv {

namespace {

// The shared inputs each enabled state of SharedInputsSetup applies to.
struct InputColumn {
    Enable SharedInputsSetup::*state;
    std::vector<const char*> names;
};
const std::vector<InputColumn>& inputColumns() {
    static const std::vector<InputColumn> columns = {
        {&SharedInputsSetup::baseCopper, {"RadioGroup4"}},
        {&SharedInputsSetup::plating, {"RadioGroup1"}},
        {&SharedInputsSetup::manualCopper, {"Edit136", "Edit137", "Edit138", "Edit139"}},
        {&SharedInputsSetup::materialLabel, {"Label35"}},
        {&SharedInputsSetup::erLabel, {"Label36"}},
        {&SharedInputsSetup::tgLabel, {"Label9"}},
        {&SharedInputsSetup::material, {"ComboBox1"}},
        {&SharedInputsSetup::er, {"Edit7"}},
        {&SharedInputsSetup::tg, {"Edit66"}},
        {&SharedInputsSetup::rise, {"Edit1", "UpDown1", "Label1", "Label2"}},
        {&SharedInputsSetup::ambient, {"Edit2", "UpDown2", "Label3", "Label4"}},
        {&SharedInputsSetup::units, {"RadioGroup6"}},
        {&SharedInputsSetup::viaCount, {"Edit227", "UpDown6"}},
    };
    return columns;
}

void setEnabled(Component& c, Enable state) {
    switch (state) {
        case Enable::Off: c.setEnabled(false); break;
        case Enable::On: c.setEnabled(true); break;
        case Enable::Keep: break;
    }
}

// A function without a module (a catalogue row not yet built) sets up the
// shared groups as a module that states nothing.
const CalculatorModule& moduleOf(App& app, int index) {
    static const CalculatorModule plain{};
    const CalculatorModule* m = app.catalogue.module(index);
    return m ? *m : plain;
}

void relabelShared(App& app, const CalculatorModule& m) {
    SharedControls& s = app.shared();
    s.RadioGroup5.setCaption(m.plane.caption);
    s.RadioGroup5.setHint(m.plane.hint);
    s.RadioGroup3.setCaption(m.layers.caption);
    if (m.layers.tall) {
        s.RadioGroup3.setTop(336);
        s.RadioGroup3.setHeight(169);
        s.RadioGroup5.setVisible(false);
    } else {
        s.RadioGroup3.setTop(424);
        s.RadioGroup3.setHeight(81);
        s.RadioGroup5.setVisible(true);
    }

    const InformationSetup& info = m.information;
    s.Label55.setCaption(info.copperHeading);
    s.Label23.setCaption(info.temperatureHeading);
    for (Component* c : {&s.Label23, &s.Label24, &s.Label26, &s.Label27, &s.Label28})
        c->setVisible(info.temperatureLines);
    s.Label319.setVisible(info.seriesCurrent);
    s.Label320.setVisible(info.seriesCurrent);
    s.Label349.setVisible(info.aspectRatio);
    s.Label350.setVisible(info.aspectRatio);
    for (const char* n : info.resetToNA) app.c(n).setCaption("N/A");
}

void enableShared(App& app, const CalculatorModule& m) {
    SharedControls& s = app.shared();
    for (const InputColumn& column : inputColumns())
        for (const char* n : column.names) setEnabled(app.c(n), m.inputs.*column.state);
    // The temperature frames follow their inputs.
    if (m.inputs.rise == Enable::On) s.GroupBox3.setEnabled(true);
    if (m.inputs.ambient == Enable::On) s.GroupBox4.setEnabled(true);
    if (m.inputs.manualBaseFrame) s.GroupBox31.setEnabled(true);

    s.RadioGroup3.setEnabled(m.layers.enabled);
    setEnabled(s.RadioGroup5, m.plane.enabled);
    s.Button1.setEnabled(true);
}

}  // namespace

void SelectProgramFunction(App& app, int index) {
    if (!app.catalogue.contains(index)) index = 0;
    const CalculatorModule& module = moduleOf(app, index);
    SharedControls& s = app.shared();
    app.currentFunction = index;
    relabelShared(app, module);
    enableShared(app, module);
    if (module.onSelect) module.onSelect(app);
    for (const auto& f : app.catalogue.functions) app.c(f.panel).setVisible(f.index() == index);
    s.TabControl1.setItemIndex(index);

    const LayerGroupSetup& layer = module.layers;
    s.RadioGroup3.setItems(layer.items);
    // A recalculation raised by the layer group that fails (a field that does
    // not read) still lets the plane group follow, so that the window shows the
    // function whole; then that failure ends the selection with its message.
    std::exception_ptr failed;
    try {
        if (layer.selection >= 0) s.RadioGroup3.setItemIndex(layer.selection);
    } catch (const ConversionError&) {
        failed = std::current_exception();
    } catch (const SettingsError&) {
        failed = std::current_exception();
    }

    const bool modes = !module.plane.modes.empty();
    s.RadioGroup5.setItems(modes ? module.plane.modes : std::vector<std::string>{"0.5oz / 1oz", "2oz"});
    app.planeGroupModes = modes ? index : -1;
    if (failed) {
        try {
            s.RadioGroup5.setItemIndex(0);
        } catch (const ConversionError&) {  // the same failure again: said once
        } catch (const SettingsError&) {
        }
        std::rethrow_exception(failed);
    }
    s.RadioGroup5.setItemIndex(0);

    app.settings.write("Program", std::to_string(index));
    app.Button1Click();
}

void TabControl1Change(App& app) {
    const int t = app.shared().TabControl1.itemIndex();
    if (const CalculatorModule* m = app.catalogue.module(t); m && m->layers.clearedOnTab)
        app.shared().RadioGroup3.clearItems();
    SelectProgramFunction(app, t);
}

void RadioGroup3Click(App& app) {
    const CalculatorModule* m = app.catalogue.module(app.shared().TabControl1.itemIndex());
    if (m && m->layerBranch) m->layerBranch(app);
    app.Button1Click();
}

}  // namespace tv
