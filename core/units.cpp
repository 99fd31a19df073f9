#include "units.h"

#include "app.h"
#include "stackup.h"

namespace tv {

void convertLength(App& app, Component& field, bool metric) {
    double v = app.num(field);
    app.writeNumber(field, metric ? v * 25.4 / 1000 : v / 25.4 * 1000);
}

void convertLength(App& app, const std::string& field, bool metric) {
    convertLength(app, app.c(field), metric);
}

void unitCaption(App& app, const std::string& field, bool metric, const char* imperial,
                 const char* metricText) {
    if (Component* f = app.Form1.find(field)) f->setText(metric ? metricText : imperial);
}

namespace {

// The shared groups' part: the manual copper fields (mils <-> um).
void sharedUnits(App& app, bool metric) {
    unitCaption(app, "Edit137", metric, "mils", "um");
    unitCaption(app, "Edit139", metric, "mils", "um");
    for (const char* name : {"Edit136", "Edit138"}) {
        Component& f = app.c(name);
        double v = app.num(f);
        app.writeNumber(f, metric ? v * 25.4 : v / 25.4);
    }
}

void rebuildCopper(App& app, const char* group, const std::vector<CopperRow>& table, bool metric,
                   const std::string& storedIndex) {
    std::vector<std::string> items;
    for (const auto& r : table) items.push_back(metric ? r.metricCaption : r.imperialCaption);
    Component& g = app.c(group);
    // An index that is not stored (a key never installed) or lies outside the
    // table keeps the selection instead of stopping the switch half-way.
    int index = g.itemIndex();
    try {
        int stored = readInt(storedIndex);
        if (stored >= 0 && stored < static_cast<int>(table.size())) index = stored;
    } catch (const ConversionError&) {
    }
    g.setItems(items);
    g.setItemIndex(index);
}

}  // namespace

void RadioGroup6Click(App& app) {
    if (app.settings.openRead()) app.settings.read("Base_Weight");
    app.settings.read("Plate_Weight");
    app.settings.close();

    bool metric = metricUnits(app);
    // Screw-thread tables of the mechanical panel.
    if (Component* g = app.Form1.find("GroupBox19")) g->setVisible(!metric);
    if (Component* g = app.Form1.find("GroupBox46")) g->setVisible(metric);
    sharedUnits(app, metric);
    for (const CalculatorModule* m : app.catalogue.unitsOrder)
        if (m && m->unitsSwitch) m->unitsSwitch(app, metric);

    rebuildCopper(app, "RadioGroup1", platingTable(), metric, app.settings.cached("Plate_Weight"));
    rebuildCopper(app, "RadioGroup4", baseCopperTable(), metric, app.settings.cached("Base_Weight"));

    Component& plane = app.c("RadioGroup5");
    if (app.c("TabControl1").itemIndex() == 0) {
        // The via mode is unchanged by a units switch: restoring it must not
        // re-run the mode's layout, which would replace the converted via
        // dimensions and the chosen layer set with the layer set's defaults.
        int keep = plane.itemIndex();
        Handler click = std::move(plane.onClick);
        plane.onClick = nullptr;
        plane.setItems({"Via Properties", "Differential Vias"});
        plane.setItemIndex(keep);
        plane.onClick = std::move(click);
    } else {
        plane.setItems(metric ? std::vector<std::string>{"35um", "70um"}
                              : std::vector<std::string>{"1oz", "2oz"});
        plane.setItemIndex(0);
    }

    for (const auto& f : app.catalogue.functions)
        if (f.module && f.module->afterUnitsSwitch) f.module->afterUnitsSwitch(app);

    app.settings.write("Units", std::to_string(app.c("RadioGroup6").itemIndex()));
    app.Button1Click();
}

}  // namespace tv
