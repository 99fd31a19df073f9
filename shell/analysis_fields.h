#pragma once
// The fields the goal seek and sweep windows offer: what the user sees of the
// current calculator, named as the window names them. An input is an edit
// field the user can type into; a result is a read-only field or a label that
// shows a number ("50.0000 Ohms") or "N/A". Each takes its caption from the
// label on its row to its left or the label just above it, else the frame
// around it, its hint or its group's caption; its unit from the text after the
// number, else the unit box to its right ("mils").
#include <string>
#include <vector>

namespace tv {

class App;
class Component;

struct AnalysisField {
    Component* component = nullptr;
    std::string caption;  // "Conductor Width"
    std::string unit;     // "mils"; "" when none is shown

    // "Conductor Width (mils)", or the caption alone without a unit.
    std::string label() const;
};

struct AnalysisFields {
    std::vector<AnalysisField> inputs, results;
};

// The visible fields of the current calculator's panel in reading order,
// then those of the shared groups beside it (temperatures, substrate).
// Captions that would repeat are told apart by their group's caption.
AnalysisFields analysisFields(App& app);

}  // namespace tv
