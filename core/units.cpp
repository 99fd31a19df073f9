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
    cat.each(&CalculatorModule::unitCaptions, app, metric);
    sharedConversions(app, metric);
    cat.each(&CalculatorModule::unitConversions, app, metric);

    SharedControls& s = app.shared();
    rebuildCopper(s.RadioGroup1, platingTable(), metric, app.settings.cached("Plate_Weight"));
    rebuildCopper(s.RadioGroup4, baseCopperTable(), metric, app.settings.cached("Base_Weight"));

    Component& plane = s.RadioGroup5;
    if (app.tabIs(Fn::Via)) {
        // The via mode is unchanged by a units switch: restoring it must not
        // re-run the mode's layout, which would replace the converted via
        // dimensions and the chosen layer set with the layer set's defaults.
        int keep = plane.itemIndex();
        auto click = plane.onClick.take();
        plane.setItems({"Via Properties", "Differential Vias"});
        plane.setItemIndex(keep);
        plane.onClick = std::move(click);
    } else {
        plane.setItems(metric ? std::vector<std::string>{"35um", "70um"}
                              : std::vector<std::string>{"1oz", "2oz"});
        plane.setItemIndex(0);
    }

    cat.each(&CalculatorModule::afterUnitsSwitch, app);

    app.settings.write("Units", std::to_string(s.RadioGroup6.itemIndex()));
    app.Button1Click();
}

}  // namespace tv
