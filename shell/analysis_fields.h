#pragma once
// The fields the goal seek and sweep windows offer: the current calculator's
// own inputs and results, as its field table declares them, for the type it
// shows, named by their captions and units. The first result is the
// calculator's main result.
#include <string>
#include <vector>

namespace tv {

class App;
class Component;
struct Field;
struct FieldTable;

struct AnalysisField {
    Component* component = nullptr;
    const Field* field = nullptr;  // its row in the calculator's table
    std::string caption;           // "Conductor Width"
    std::string unit;              // "mils"; "" when none

    // "Conductor Width (mils)", or the caption alone without a unit.
    std::string label() const { return unit.empty() || unit == caption ? caption : caption + " (" + unit + ")"; }
};

struct AnalysisFields {
    std::vector<AnalysisField> inputs, results;
};

// The current calculator's fields of its current type, in table order, as
// far as the window shows them: an input that is hidden or disabled and a
// result that is hidden are left out.
AnalysisFields analysisFields(App& app);
// The same from a given table.
AnalysisFields analysisFields(App& app, const FieldTable& table);

// The field of the current calculator named by its id ("width") or designer
// name ("Edit67"), in its current type if it has one there; nullptr when the
// calculator has no such field.
const Field* currentField(App& app, const std::string& idOrName);

}  // namespace tv
