#include "shell/field_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <ostream>
#include <stdexcept>

#include "calc/lines/field_report.h"
#include "solver/sections.h"

namespace tv {

namespace {

using solver::LineType;
using solver::SectionInput;

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string typeList() {
    std::string list;
    for (int i = 0; i < solver::kLineTypes; ++i)
        list += (i ? ", " : "") + std::string(solver::typeName(static_cast<LineType>(i)));
    return list;
}

std::string keyList(LineType type) {
    std::string list;
    for (const std::string& k : solver::typeKeys(type)) list += (list.empty() ? "" : " ") + k;
    return list;
}

// Mils in one of each length unit a value may carry.
const std::map<std::string, double, std::less<>> kUnits = {
    {"", 1}, {"mil", 1}, {"mils", 1}, {"mm", 1000 / 25.4}, {"um", 1 / 25.4}, {"cm", 10000 / 25.4}, {"in", 1000},
};

double number(const std::string& key, const std::string& text, bool length) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || !std::isfinite(value))
        throw UsageError(key + ": '" + text + "' is not a number");
    const std::string_view unit(rest, static_cast<size_t>(end - rest));
    if (!length) {
        if (!unit.empty()) throw UsageError(key + ": '" + text + "' takes no unit");
        return value;
    }
    const auto u = kUnits.find(unit);
    if (u == kUnits.end()) throw UsageError(key + ": unknown unit '" + std::string(unit) + "' (mil, mm, um, cm, in)");
    return value * u->second;
}

double* slot(SectionInput& in, const std::string& key) {
    static const std::map<std::string, double SectionInput::*> fields = {
        {"w", &SectionInput::w},   {"s", &SectionInput::s}, {"h", &SectionInput::h},   {"h1", &SectionInput::h1},
        {"h2", &SectionInput::h2}, {"c", &SectionInput::c}, {"g", &SectionInput::g},   {"t", &SectionInput::t},
        {"er", &SectionInput::er}, {"etch", &SectionInput::etch}};
    return &(in.*fields.at(key));
}

struct Request {
    LineType type;
    SectionInput input;
    bool json = false;
};

Request parse(const std::vector<std::string>& args) {
    if (args.empty() || args[0].rfind("--", 0) == 0) throw UsageError("field needs a type: " + typeList());
    const auto type = solver::typeFromName(args[0]);
    if (!type) throw UsageError("unknown type '" + args[0] + "'; the types are " + typeList());
    Request r{*type, {}};
    const auto& keys = solver::typeKeys(*type);
    std::vector<std::string> given;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            r.json = true;
            continue;
        }
        const size_t eq = a.find('=');
        if (eq == std::string::npos) throw UsageError("'" + a + "' is not key=value");
        std::string key = a.substr(0, eq);
        const std::string value = a.substr(eq + 1);
        // The dual stripline's C is the spacing between its signal layers.
        if (*type == LineType::DualStripline && key == "s") key = "c";
        const bool known = key == "etch" || std::find(keys.begin(), keys.end(), key) != keys.end();
        if (!known) throw UsageError("unknown key '" + key + "' for " + args[0] + " (keys: " + keyList(*type) + ", etch)");
        if (std::find(given.begin(), given.end(), key) != given.end()) throw UsageError("key '" + key + "' given twice");
        given.push_back(key);
        const bool length = key != "er" && key != "etch";
        const double v = number(key, value, length);
        if (length && key != "t" && !(v > 0)) throw UsageError(key + " must be a length more than zero");
        if (key == "t" && v < 0) throw UsageError("t must not be negative");
        if (key == "er" && v < 1) throw UsageError("er must be 1 or more");
        if (key == "etch" && v < 0) throw UsageError("etch must not be negative");
        *slot(r.input, key) = v;
    }
    for (const std::string& k : keys)
        if (std::find(given.begin(), given.end(), k) == given.end())
            throw UsageError("missing key '" + k + "' for " + args[0] + " (keys: " + keyList(*type) + ")");
    return r;
}

}  // namespace

int runFieldCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const Request r = parse(args);
        const lines::FieldSolution s = lines::solveField(r.type, r.input);
        if (r.json) out << lines::fieldJson(s, solver::typeName(r.type)) << "\n";
        else
            for (const std::string& line : lines::fieldLines(s, true)) out << line << "\n";
        return 0;
    } catch (const std::exception& e) {
        // Usage errors and cross-sections that cannot be built alike.
        err << "tolvane-cli field: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace tv
