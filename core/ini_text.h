#pragma once
// The text of the settings file, an INI file in the form Qt's QSettings
// writes: section [General] holding one Name=text line per value, values
// quoted when they hold , ; = or blanks at their ends, control characters and
// quotes escaped with backslashes, names with other characters than letters,
// digits, _ - . as %XX. Reading accepts what such a file may hold by hand:
// comments after ;, duplicate names (the last counts), "12,5" unquoted (read
// back as the text 12,5), @String(...) and the like, escapes and line
// continuations. Other sections are kept as they were.
#include <map>
#include <string>
#include <vector>

namespace tv::ini {

struct Document {
    std::map<std::string, std::string> values;  // the [General] section, by name
    std::vector<std::string> otherSections;     // the other sections' lines, as read
};

Document parse(const std::string& text);
std::string serialize(const Document& doc);

std::string escapedValue(const std::string& value);
std::string escapedName(const std::string& name);

}  // namespace tv::ini
