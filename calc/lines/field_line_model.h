#pragma once
// The field solver's line beside the closed-form results of Conductor
// Impedance and Differential Pairs, without the window: what it shows for a
// solution, while solving and where the cross-section has none, and the
// generations that keep a solution of older inputs from showing as current.
#include <limits>
#include <string>

#include "solver/sections.h"

namespace tv::lines {

inline constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

// The solution's figures; not finite where there is none.
struct FieldFigures {
    double z0 = kNoFigure, eeff = kNoFigure;                       // lines; eeff of the odd mode for pairs
    double zdiff = kNoFigure, zodd = kNoFigure, zeven = kNoFigure;  // pairs
};

// Solves the cross-section; no figures where the inputs describe none.
// Throws nothing, so that a worker thread may call it.
FieldFigures fieldFigures(solver::LineType type, const solver::SectionInput& in);

// The closed form's deviation from the field solution in percent.
double deviationPercent(double closedForm, double field);

// One value of the line: its text and the number it shows (not finite
// while solving or for "N/A").
struct FieldLineValue {
    std::string text;
    double value = kNoFigure;
};

struct FieldLineView {
    FieldLineValue deviation, z0, eeff, zdiff, zodd, zeven;
};

inline constexpr const char* kSolvingText = "\xE2\x80\xA6";  // an ellipsis
// Every value shows the ellipsis.
FieldLineView solvingView();
// The figures, and the closed form's deviation (of Zo for a line, of Zdiff
// for a pair); "N/A" for a figure that is not finite.
FieldLineView solvedView(const FieldFigures& figures, double closedForm, bool pair);

// Formats of the line's results (and of their goal seek and sweep fields).
inline constexpr const char* kFieldImpedanceFormat = "%.2f Ohms";
inline constexpr const char* kFieldEeffFormat = "%.3f";
inline constexpr const char* kFieldDeviationFormat = "%+.2f %%";

// Each recalculation starts a generation; a solution counts only for the
// latest, so one that arrives after newer inputs is never shown.
class FieldGenerations {
public:
    int start() { return ++latest_; }
    bool current(int generation) const { return generation == latest_; }

private:
    int latest_ = 0;
};

}  // namespace tv::lines
