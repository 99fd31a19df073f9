#include "calc/lines/field_line_model.h"

#include <cmath>
#include <exception>

#include "core/numbertext.h"
#include "solver/solve.h"

namespace tv::lines {

FieldFigures fieldFigures(solver::LineType type, const solver::SectionInput& in) {
    FieldFigures f;
    try {
        const solver::CrossSection cs = solver::crossSection(type, in);
        if (solver::isPair(type)) {
            const solver::PairResult r = solver::solvePair(cs);
            f.eeff = r.eeffOdd;
            f.zdiff = r.zdiff;
            f.zodd = r.zodd;
            f.zeven = r.zeven;
            f.z0 = r.single.z0;
        } else {
            const solver::LineResult r = solver::solveLine(cs);
            f.z0 = r.z0;
            f.eeff = r.eeff;
        }
    } catch (const std::exception&) {
        // No cross-section (std::invalid_argument), or none the solver could
        // take: "N/A". Nothing may leave a worker thread.
        return {};
    }
    return f;
}

double deviationPercent(double closedForm, double field) {
    if (!(field > 0) || !(closedForm > 0)) return kNoFigure;  // an impedance of zero or less is none
    return (closedForm - field) / field * 100;
}

namespace {

FieldLineValue value(const char* format, double v) {
    // An impedance of zero or less shows "N/A" too.
    if (!std::isfinite(v)) return {"N/A", kNoFigure};
    return {resultText(format, v), v};
}

FieldLineValue impedance(double z) { return value(kFieldImpedanceFormat, z > 0 ? z : kNoFigure); }

}  // namespace

FieldLineView solvingView() {
    const FieldLineValue v{kSolvingText, kNoFigure};
    return {v, v, v, v, v, v};
}

FieldLineView solvedView(const FieldFigures& f, double closedForm, bool pair) {
    FieldLineView view;
    view.z0 = impedance(f.z0);
    view.eeff = value(kFieldEeffFormat, f.eeff);
    view.zdiff = impedance(f.zdiff);
    view.zodd = impedance(f.zodd);
    view.zeven = impedance(f.zeven);
    view.deviation = value(kFieldDeviationFormat, deviationPercent(closedForm, pair ? f.zdiff : f.z0));
    return view;
}

}  // namespace tv::lines
