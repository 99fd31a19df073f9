#include "shell/analysis_fields.h"

#include "core/app.h"
#include "core/fields.h"
#include "core/stackup.h"

namespace tv {

namespace {

// Shown: the component and every group it sits in are visible; usable:
// they are all enabled and the component takes typing.
bool shown(Form& form, Component& c) {
    for (Component* p = &c; p; p = p->parentName().empty() ? nullptr : form.find(p->parentName()))
        if (!p->visible()) return false;
    return true;
}

bool usable(Form& form, Component& c) {
    if (c.readOnly()) return false;
    for (Component* p = &c; p; p = p->parentName().empty() ? nullptr : form.find(p->parentName()))
        if (!p->enabled()) return false;
    return true;
}

const FieldTable* currentTable(App& app) {
    const CalculatorModule* m = app.catalogue.module(app.currentFunction);
    return m ? m->fields : nullptr;
}

}  // namespace

AnalysisFields analysisFields(App& app, const FieldTable& table) {
    AnalysisFields out;
    const int type = table.currentType(app);
    const bool metric = metricUnits(app);
    for (const Field& f : table.fields) {
        if (!f.inType(type)) continue;
        Component* c = app.Form1.find(f.name);
        if (!c || !shown(app.Form1, *c)) continue;
        AnalysisField a{c, &f, f.caption, f.unit.in(metric)};
        // A unit picked beside the field (MHz, KHz, Hz) is the one its box shows.
        if (a.unit.empty() && f.unitBox) a.unit = app.Form1.get(f.unitBox).text();
        // A caption that names its unit already ("Frequency (MHz)").
        const std::string named = "(" + a.unit + ")";
        if (!a.unit.empty() && a.caption.size() >= named.size() &&
            a.caption.compare(a.caption.size() - named.size(), named.size(), named) == 0)
            a.unit.clear();
        if (f.isResult()) out.results.push_back(std::move(a));
        else if (usable(app.Form1, *c)) out.inputs.push_back(std::move(a));
    }
    return out;
}

AnalysisFields analysisFields(App& app) {
    const FieldTable* table = currentTable(app);
    return table ? analysisFields(app, *table) : AnalysisFields{};
}

const Field* currentField(App& app, const std::string& idOrName) {
    const FieldTable* table = currentTable(app);
    return table ? table->find(app, idOrName) : nullptr;
}

}  // namespace tv
