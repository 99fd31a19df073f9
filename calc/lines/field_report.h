#pragma once
// The field solution of a line cross-section as the command line and the
// scripts print it: one "name = value" line each, or one JSON object.
// Lengths per inch: Lo in nH/in, Co in pF/in, Tpd in ps/in.
#include <string>
#include <string_view>
#include <vector>

#include "solver/sections.h"

namespace tv::lines {

struct FieldValue {
    const char* name;
    double value;  // not finite: "N/A" in text, null in JSON
    int decimals;
};

struct FieldSolution {
    std::vector<FieldValue> values;
    int unknowns = 0;
    double milliseconds = 0;
};

// Solves the cross-section; throws std::invalid_argument for inputs that
// describe none.
FieldSolution solveField(solver::LineType type, const solver::SectionInput& in);

// The value with that many decimals and a point, or "N/A".
std::string fixedText(double value, int decimals);

// "z0 = 50.0123", ..., "unknowns = 131", and "milliseconds = 1.23" when asked.
std::vector<std::string> fieldLines(const FieldSolution& s, bool withTime);
std::string fieldJson(const FieldSolution& s, std::string_view type);

}  // namespace tv::lines
