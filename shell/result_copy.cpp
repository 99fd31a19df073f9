#include "shell/result_copy.h"

#include <cmath>

#include "shell/goal_seek.h"

namespace tv {

namespace {

// The result's leading number as shown, and the rest after it.
bool split(const std::string& text, std::string& number, std::string& rest) {
    if (!std::isfinite(resultNumber(text))) return false;
    const std::string unit = resultUnit(text);
    number = text.substr(0, text.size() - unit.size());
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t')) number.pop_back();
    rest = text.substr(number.size());
    return true;
}

std::string withSeparator(std::string number, const std::string& separator) {
    const size_t point = number.find('.');
    if (point != std::string::npos) number.replace(point, 1, separator);
    return number;
}

}  // namespace

bool showsResult(const std::string& text) { return text == "N/A" || std::isfinite(resultNumber(text)); }

std::string copiedNumber(const std::string& text, const std::string& separator) {
    std::string number, rest;
    if (!split(text, number, rest)) return text;
    return withSeparator(number, separator);
}

std::string copiedWithUnit(const std::string& text, const std::string& separator) {
    std::string number, rest;
    if (!split(text, number, rest)) return text;
    return withSeparator(number, separator) + rest;
}

}  // namespace tv
