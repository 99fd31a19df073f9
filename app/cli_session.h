#pragma once
// One run of the program for a one-shot command of tolvane-cli (calc, solve,
// sweep, describe): the program started on the default settings, one
// calculator selected as a user selects it, its choices picked, values typed
// and one recalculation, everything as the window's user does it. Messages
// are collected, not printed, so that the command decides where they go.
#include <deque>
#include <memory>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/app.h"
#include "shell/analysis_fields.h"
#include "shell/script_driver.h"

namespace tv::cli {

// A usage error: unknown calculator, choice, field or option (exit status 2).
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// key=value in the order given.
using Assignments = std::vector<std::pair<std::string, std::string>>;

class Session {
public:
    // `separator`: the user's decimal separator the values are typed with.
    explicit Session(const std::string& separator);

    // Starts the program on the default settings.
    void start();
    App& app() { return driver_.app(); }

    // The catalogue row of a calculator id; UsageError naming the ids when
    // there is none.
    const FunctionEntry& find(const std::string& id);
    // Selects the calculator as its menu item does.
    void select(const FunctionEntry& entry);
    // The units switch: Imperial or Metric picked in the units group.
    void setUnits(bool metric);
    // Picks the choices given (key=option), in the module's order, and types
    // the other values into the calculator's inputs in the order given.
    // UsageError for a key, option or input the calculator does not have
    // or a user cannot reach.
    void apply(const Assignments& values);
    // Solve!: the calculator's recalculation, as the button runs it.
    void recalculate();

    // The calculator selected, its current type's id ("microstrip") or "".
    const FunctionEntry& entry() const { return *entry_; }
    const FieldTable* table() const { return entry_->module->fields; }
    // The current choices as key=option, in the module's order.
    std::vector<std::pair<std::string, std::string>> choices();
    // The analysis field of an input or result named by id or designer
    // name, as the goal seek and sweep windows offer it; UsageError when the
    // current type shows no such field.
    AnalysisField input(const std::string& idOrName);
    AnalysisField result(const std::string& idOrName);

    // Messages shown so far, oldest first.
    const std::deque<std::string>& messages() { return driver_.platform().unchecked; }

private:
    void choose(const Choice& choice, const std::string& option);
    void type(const std::string& key, const std::string& text);
    AnalysisField analysis(const std::string& idOrName, bool result);
    std::string reach(Component& c);

    MemorySettingsKey key_;
    std::ostringstream sink_;  // the driver's own lines ("message: ...")
    ScriptDriver driver_;
    const FunctionEntry* entry_ = nullptr;
};

// One result as a one-shot command reports it.
struct ResultReport {
    std::string id, caption, unit, text;
    double value;  // full precision; NaN when the result shows no number
    bool stale;    // not recalculated: an input did not read
    std::string label() const { return unit.empty() ? caption : caption + " (" + unit + ")"; }
};
ResultReport report(const AnalysisField& f);
// "83.6097 Ohms"; the unit added when the text has none of its own.
std::string shownWithUnit(const ResultReport& r);

// A number at full precision, the shortest text that reads back as the same
// number ("83.60968433962893"); "null" for no number.
std::string fullPrecision(double v);
// A JSON string literal.
std::string jsonString(const std::string& text);

}  // namespace tv::cli
