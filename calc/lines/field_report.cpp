#include "calc/lines/field_report.h"

#include <charconv>
#include <chrono>
#include <cmath>

#include "solver/solve.h"

namespace tv::lines {

namespace {

constexpr double kPerInch = 0.0254;  // metres

}  // namespace

FieldSolution solveField(solver::LineType type, const solver::SectionInput& in) {
    const auto start = std::chrono::steady_clock::now();
    const solver::CrossSection cs = solver::crossSection(type, in);
    FieldSolution s;
    if (solver::isPair(type)) {
        const solver::PairResult r = solver::solvePair(cs);
        s.values = {{"z0", r.single.z0, 4},   {"eeff", r.eeffOdd, 5},       {"zodd", r.zodd, 4},
                    {"zeven", r.zeven, 4},    {"zdiff", r.zdiff, 4},        {"zcommon", r.zcommon, 4},
                    {"coupling", r.coupling, 5}, {"eeff_even", r.eeffEven, 5}};
        s.unknowns = r.unknowns;
    } else {
        const solver::LineResult r = solver::solveLine(cs);
        s.values = {{"z0", r.z0, 4},
                    {"eeff", r.eeff, 5},
                    {"lo", r.inductance * 1e9 * kPerInch, 4},
                    {"co", r.capacitance * 1e12 * kPerInch, 4},
                    {"tpd", r.delay * 1e12 * kPerInch, 4}};
        s.unknowns = r.unknowns;
    }
    s.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return s;
}

std::string fixedText(double value, int decimals) {
    if (!std::isfinite(value)) return "N/A";
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, r.ptr);
}

std::vector<std::string> fieldLines(const FieldSolution& s, bool withTime) {
    std::vector<std::string> lines;
    for (const FieldValue& v : s.values) lines.push_back(std::string(v.name) + " = " + fixedText(v.value, v.decimals));
    lines.push_back("unknowns = " + std::to_string(s.unknowns));
    if (withTime) lines.push_back("milliseconds = " + fixedText(s.milliseconds, 2));
    return lines;
}

std::string fieldJson(const FieldSolution& s, std::string_view type) {
    std::string json = "{\"type\": \"" + std::string(type) + "\"";
    for (const FieldValue& v : s.values) {
        const std::string text = fixedText(v.value, v.decimals);
        json += ", \"" + std::string(v.name) + "\": " + (text == "N/A" ? "null" : text);
    }
    json += ", \"unknowns\": " + std::to_string(s.unknowns);
    json += ", \"milliseconds\": " + fixedText(s.milliseconds, 2) + "}";
    return json;
}

}  // namespace tv::lines
