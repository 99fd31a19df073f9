#include "core/units.h"

#include "core/app.h"
#include "core/stackup.h"

namespace tv {

void convertLength(App& app, Component& field, bool metric) {
    double v = app.num(field);
    app.writeNumber(field, convertedLength(v, metric));
}

void unitCaption(Component& field, bool metric, const char* imperial, const char* metricText) {
    field.setText(metric ? metricText : imperial);
}

namespace {

// The shared groups' part: the manual copper fields (mils <-> um).
void sharedCaptions(App& app, bool metric) {
    unitCaption(app.shared().Edit137, metric, "mils", "um");
    unitCaption(app.shared().Edit139, metric, "mils", "um");
}

void sharedConversions(App& app, bool metric) {
    for (Component* f : {&app.shared().Edit136, &app.shared().Edit138}) {
        double v = app.num(*f);
        app.writeNumber(*f, metric ? v * 25.4 : v / 25.4);
    }
}

void rebuildCopper(Component& g, const std::vector<CopperRow>& table, bool metric,
                   const std::string& storedIndex) {
    std::vector<std::string> items;
    for (const auto& r : table) items.push_back(metric ? r.metricCaption : r.imperialCaption);
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

    const bool metric = metricUnits(app);
    const Catalogue& cat = app.catalogue;
    // Every caption is relabelled before any field converts, so a field that
    // does not read leaves the captions of the new system everywhere.
    sharedCaptions(app, metric);
    for (const auto& f : cat.functions) {
        if (!f.module) continue;
        if (f.module->fields) relabelUnits(app, *f.module->fields, metric);
        if (f.module->unitCaptions) f.module->unitCaptions(app, metric);
    }
    {
        // Until converted, the inputs hold numbers of the system the switch
        // leaves: "5 mm" typed under metric is still 5 mm.
        struct InputUnits {
            App& app;
            explicit InputUnits(App& a, bool metric) : app(a) { app.setInputUnits(metric); }
            ~InputUnits() { app.setInputUnits(std::nullopt); }
        } leaving(app, !metric);
        sharedConversions(app, metric);
        for (const auto& f : cat.functions) {
            if (!f.module) continue;
            if (f.module->unitConversions) f.module->unitConversions(app, metric);
            if (f.module->fields) convertLengths(app, *f.module->fields, metric);
        }
    }

    SharedControls& s = app.shared();
    rebuildCopper(s.RadioGroup1, platingTable(), metric, app.settings.cached("Plate_Weight"));
    rebuildCopper(s.RadioGroup4, baseCopperTable(), metric, app.settings.cached("Base_Weight"));

    // The plane group offers the plane weights unless the selected tab's
    // calculator uses it in its own way.
    const CalculatorModule* tab = cat.module(s.TabControl1.itemIndex());
    if (tab && tab->fields && tab->fields->planeGroup) {
        tab->fields->planeGroup(app, metric);
    } else {
        Component& plane = s.RadioGroup5;
        plane.setItems(metric ? std::vector<std::string>{"35um", "70um"}
                              : std::vector<std::string>{"1oz", "2oz"});
        plane.setItemIndex(0);
    }

    cat.each(&CalculatorModule::afterUnitsSwitch, app);

    app.settings.write("Units", std::to_string(s.RadioGroup6.itemIndex()));
    app.Button1Click();
}

}  // namespace tv
