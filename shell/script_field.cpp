// The script driver's field command: the field solution of the cross-section
// on the Conductor Impedance or Differential Pairs panel, printed as
//   field: type = microstrip
//   field: z0 = 83.5371
//   ...
#include "calc/lines/field_panels.h"
#include "calc/lines/field_report.h"
#include "shell/script_driver.h"

namespace tv {

void ScriptDriver::fieldSolution(const std::vector<std::string>& tok) {
    if (tok.size() != 1) throw ScriptError("field takes no arguments");
    std::optional<lines::PanelSection> section;
    try {
        section = lines::panelSection(*app_);
    } catch (const ConversionError& e) {
        // What the panel would say on the next recalculation.
        out_ << "field: no solution: " << e.what() << "\n";
        return;
    }
    if (!section) throw ScriptError("field works on Conductor Impedance and Differential Pairs");
    out_ << "field: type = " << solver::typeName(section->type) << "\n";
    try {
        const lines::FieldSolution s = lines::solveField(section->type, section->input);
        for (const std::string& line : lines::fieldLines(s, false)) out_ << "field: " << line << "\n";
    } catch (const std::invalid_argument& e) {
        out_ << "field: no solution: " << e.what() << "\n";
    }
}

}  // namespace tv
