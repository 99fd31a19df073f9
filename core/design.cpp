#include "core/design.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace tv {

namespace {

using Json = nlohmann::ordered_json;

Json valueJson(const DesignValue& v) {
    if (const double* d = std::get_if<double>(&v)) {
        // Whole numbers (choices, counts) are written without a fraction.
        if (std::floor(*d) == *d && std::fabs(*d) < 9e15) return static_cast<long long>(*d);
        return *d;
    }
    if (const bool* b = std::get_if<bool>(&v)) return *b;
    return std::get<std::string>(v);
}

Json sectionJson(const DesignSection& s) {
    Json j = Json::object();
    if (!s.choices.empty()) {
        Json& c = j["choices"] = Json::object();
        for (const auto& [id, v] : s.choices) c[id] = valueJson(v);
    }
    Json& in = j["inputs"] = Json::object();
    for (const auto& [id, v] : s.inputs) in[id] = valueJson(v);
    return j;
}

[[noreturn]] void damaged(const std::string& why) { throw DesignError("it is damaged (" + why + ")"); }

DesignValue readValue(const Json& j, const std::string& where) {
    if (j.is_boolean()) return j.get<bool>();
    if (j.is_string()) return j.get<std::string>();
    if (j.is_number()) {
        const double d = j.get<double>();
        if (!std::isfinite(d)) throw DesignError("the value of " + where + " is out of range");
        return d;
    }
    damaged(where + " is neither a number nor a text");
}

void readMap(const Json& j, const std::string& where, std::map<std::string, DesignValue>& into) {
    if (!j.is_object()) damaged(where + " is not a list of values");
    for (const auto& [id, v] : j.items()) into[id] = readValue(v, where + "." + id);
}

DesignSection readSection(const Json& j, const std::string& where, std::vector<std::string>& unknown) {
    if (!j.is_object()) damaged(where + " is not a list of values");
    DesignSection s;
    for (const auto& [key, v] : j.items()) {
        if (key == "choices") readMap(v, where, s.choices);
        else if (key == "inputs") readMap(v, where, s.inputs);
        else unknown.push_back(where + "." + key);
    }
    return s;
}

Design readDesign(const std::string& text) {
    Json j;
    try {
        j = Json::parse(text);
    } catch (const Json::out_of_range&) {
        // A number too large for any field (1e999).
        throw DesignError("it holds a number out of range");
    } catch (const Json::parse_error& e) {
        // A document that starts as a design but does not end is cut short;
        // one that breaks off inside is damaged; anything else is no design.
        const bool looksLikeDesign = text.find(kDesignFormat) != std::string::npos &&
                                     text.find_first_not_of(" \t\r\n") == text.find('{');
        if (!looksLikeDesign) throw DesignError("it is not a Tolvane design");
        if (e.byte >= text.size()) throw DesignError("it is cut short (the file ends too early)");
        throw DesignError("it is damaged (it does not read at character " + std::to_string(e.byte) + ")");
    }
    if (!j.is_object() || !j.contains("format") || j["format"] != kDesignFormat)
        throw DesignError("it is not a Tolvane design");
    const Json version = j.value("version", Json());
    if (!version.is_number_integer() || version.get<long long>() < 1) damaged("no version");
    if (version.get<long long>() > kDesignVersion)
        throw DesignError("it was saved by a newer version of Tolvane (design version " +
                          std::to_string(version.get<long long>()) + "); this version opens version " +
                          std::to_string(kDesignVersion));
    Design d;
    const Json units = j.value("units", Json());
    if (units == "metric") d.metric = true;
    else if (units != "imperial") damaged("the units are neither imperial nor metric");
    const Json function = j.value("function", Json());
    if (!function.is_string()) damaged("no function");
    d.function = function.get<std::string>();
    if (!j.contains("shared") || !j.contains("calculators")) damaged("a part is missing");
    d.shared = readSection(j["shared"], "shared", d.unknown);
    if (!j["calculators"].is_object()) damaged("calculators is not a list");
    for (const auto& [id, s] : j["calculators"].items()) d.calculators[id] = readSection(s, id, d.unknown);
    if (j.contains("source")) {
        const Json& source = j["source"];
        if (!source.is_object() || !source.value("file", Json()).is_string() ||
            !source.value("saved", Json()).is_boolean())
            damaged("source is not a file name");
        d.sourceFile = source["file"].get<std::string>();
        d.sourceSaved = source["saved"].get<bool>();
    }
    for (const auto& [key, v] : j.items())
        if (key != "source" && key != "format" && key != "version" && key != "units" && key != "function" && key != "shared" &&
            key != "calculators")
            d.unknown.push_back(key);
    return d;
}

}  // namespace

std::string designJson(const Design& d) {
    Json j;
    j["format"] = kDesignFormat;
    j["version"] = kDesignVersion;
    j["units"] = d.metric ? "metric" : "imperial";
    j["function"] = d.function;
    j["shared"] = sectionJson(d.shared);
    Json& calcs = j["calculators"] = Json::object();
    for (const auto& [id, s] : d.calculators) calcs[id] = sectionJson(s);
    if (!d.sourceFile.empty()) j["source"] = {{"file", d.sourceFile}, {"saved", d.sourceSaved}};
    // A text that is not UTF-8 (bytes a script typed) is kept with its bad
    // bytes replaced: the document stays JSON.
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Design parseDesign(const std::string& text) {
    try {
        return readDesign(text);
    } catch (const Json::exception& e) {
        // A value of a kind the document cannot hold there.
        throw DesignError(std::string("it is damaged (") + e.what() + ")");
    }
}

}  // namespace tv
