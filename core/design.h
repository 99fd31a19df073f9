#pragma once
// A design: every calculator's inputs and choices, the shared stack-up, the
// units its lengths are in and the function shown, as a JSON document
// ("tolvane-design", version 1). Numbers are written with a point whatever
// the user's separator; a field that does not hold a number keeps its text.
// Results are not part of a design: they are recalculated.
//
// This file holds the document alone; shell/designs.h captures a design from
// the windows and applies one to them.
#include <map>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace tv {

// A field's number, a text that is not a number, or a check box's state. A
// choice of a radio group, combo box or track bar is a whole number.
using DesignValue = std::variant<double, std::string, bool>;

// One calculator's (or the shared column's) values by their ids.
struct DesignSection {
    std::map<std::string, DesignValue> choices;
    std::map<std::string, DesignValue> inputs;
    bool operator==(const DesignSection&) const = default;
};

struct Design {
    bool metric = false;
    std::string function;  // the id of the function shown
    DesignSection shared;
    std::map<std::string, DesignSection> calculators;
    // Parts this version does not know ("calculators.via_properties.x"), from
    // a newer version of the format: reported before the design is applied.
    std::vector<std::string> unknown;
    // The remembered work only: the design file the work was last saved to or
    // opened from, and whether it still held the work ("source" in the JSON).
    std::string sourceFile;
    bool sourceSaved = false;
    bool operator==(const Design&) const = default;
};

inline constexpr const char* kDesignFormat = "tolvane-design";
inline constexpr int kDesignVersion = 1;

// Why a text is not a design this program can open, in words that complete
// "Cannot open FILE: ..." ("it is cut short").
struct DesignError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The JSON document, indented, ending with a line break.
std::string designJson(const Design& design);
// Reads a document; throws DesignError for a text that is not a design, a
// design of a newer version, a damaged or truncated one, or values of the
// wrong kind (a number that is not finite, a choice that is not a whole
// number).
Design parseDesign(const std::string& text);

}  // namespace tv
