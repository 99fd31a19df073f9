#include "core/fields.h"

#include <cstring>

#include "core/app.h"
#include "core/units.h"

namespace tv {

namespace {

// mils <-> mm, or mils <-> um for the thin layers.
double converted(const Unit& unit, double v, bool metric) {
    if (std::strcmp(unit.metric, "um") == 0) return metric ? v * 25.4 : v / 25.4;
    return convertedLength(v, metric);
}

// A length input the table converts. A component listed under several types
// converts once, where it is first listed as a length.
bool convertedByTable(const FieldTable& table, size_t i) {
    const Field& f = table.fields[i];
    if (f.role != Role::Input || f.quantity != Quantity::Length || !f.unit.switches() ||
        f.conversion != Conversion::Table)
        return false;
    for (size_t k = 0; k < i; ++k)
        if (std::strcmp(table.fields[k].name, f.name) == 0 && table.fields[k].quantity == Quantity::Length)
            return false;
    return true;
}

}  // namespace

const Field* FieldTable::find(App& app, std::string_view idOrName) const {
    const int t = currentType(app);
    const Field* any = nullptr;
    for (const Field& f : fields) {
        if (idOrName != f.id && idOrName != f.name) continue;
        if (f.inType(t)) return &f;
        if (!any) any = &f;
    }
    return any;
}

void relabelUnits(App& app, const FieldTable& table, bool metric) {
    for (const Field& f : table.fields)
        if (f.unitBox && *f.unit.imperial) app.Form1.get(f.unitBox).setText(f.unit.in(metric));
}

void convertLengths(App& app, const FieldTable& table, bool metric) {
    for (size_t i = 0; i < table.fields.size(); ++i) {
        if (!convertedByTable(table, i)) continue;
        const Field& f = table.fields[i];
        Component& c = app.Form1.get(f.name);
        if (f.converts && !f.converts(app, c)) continue;
        app.writeNumber(c, converted(f.unit, app.num(c), metric));
    }
}

}  // namespace tv
