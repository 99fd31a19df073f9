#include "core/ini_text.h"

#include <cctype>
#include <cstdint>

namespace tv::ini {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && blank(s[a])) ++a;
    while (b > a && blank(s[b - 1])) --b;
    return s.substr(a, b - a);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code points of UTF-8 text; a byte that starts no valid sequence counts
// as the Latin-1 character of that value.
std::vector<std::uint32_t> codePoints(const std::string& s) {
    std::vector<std::uint32_t> out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (b < 0x80 || i + static_cast<size_t>(extra) >= s.size()) extra = 0;
        std::uint32_t cp = extra == 0 ? b : b & (0x3F >> extra);
        bool ok = b < 0x80 || extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out.push_back(b);
            ++i;
        } else {
            out.push_back(cp);
            i += static_cast<size_t>(extra) + 1;
        }
    }
    return out;
}

std::string unescapedName(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hexDigit(s[i + 1]) >= 0 && hexDigit(s[i + 2]) >= 0) {
            appendUtf8(out, static_cast<std::uint32_t>(hexDigit(s[i + 1]) * 16 + hexDigit(s[i + 2])));
            i += 2;
        } else if (s[i] == '%' && i + 5 < s.size() && s[i + 1] == 'U' && hexDigit(s[i + 2]) >= 0 &&
                   hexDigit(s[i + 3]) >= 0 && hexDigit(s[i + 4]) >= 0 && hexDigit(s[i + 5]) >= 0) {
            std::uint32_t cp = 0;
            for (int k = 2; k <= 5; ++k) cp = cp * 16 + static_cast<std::uint32_t>(hexDigit(s[i + static_cast<size_t>(k)]));
            appendUtf8(out, cp);
            i += 5;
        } else {
            out += s[i];
        }
    }
    return out;
}

// The text of a value as written after "=": quoted parts, escapes, a comment
// after an unquoted ;, and pieces split at unquoted commas (joined again
// with commas: the settings are texts).
std::string unescapedValue(const std::string& raw) {
    std::vector<std::string> pieces(1);
    bool quoted = false, lastQuoted = false;
    std::string pendingBlanks;
    auto add = [&](const std::string& text, bool inQuotes) {
        if (!inQuotes && lastQuoted) pendingBlanks.clear();  // blanks after a closing quote
        if (!pieces.back().empty() || inQuotes) pieces.back() += pendingBlanks;
        pendingBlanks.clear();
        pieces.back() += text;
        lastQuoted = inQuotes;
    };
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            if (quoted) {
                if (!pieces.back().empty() && !lastQuoted) pieces.back() += pendingBlanks;
                pendingBlanks.clear();
            }
            lastQuoted = !quoted;
            continue;
        }
        if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw[++i];
            std::string text;
            switch (e) {
                case 'a': text = "\a"; break;
                case 'b': text = "\b"; break;
                case 'f': text = "\f"; break;
                case 'n': text = "\n"; break;
                case 'r': text = "\r"; break;
                case 't': text = "\t"; break;
                case 'v': text = "\v"; break;
                case 'x': {
                    std::uint32_t cp = 0;
                    int n = 0;
                    while (n < 4 && i + 1 < raw.size() && hexDigit(raw[i + 1]) >= 0) {
                        cp = cp * 16 + static_cast<std::uint32_t>(hexDigit(raw[++i]));
                        ++n;
                    }
                    appendUtf8(text, cp);
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        std::uint32_t cp = static_cast<std::uint32_t>(e - '0');
                        for (int n = 1; n < 3 && i + 1 < raw.size() && raw[i + 1] >= '0' && raw[i + 1] <= '7'; ++n)
                            cp = cp * 8 + static_cast<std::uint32_t>(raw[++i] - '0');
                        appendUtf8(text, cp);
                    } else {
                        text = std::string(1, e);  // \" \\ \' \? and any other
                    }
            }
            add(text, quoted);
            continue;
        }
        if (!quoted && c == ';') break;
        if (!quoted && c == ',') {
            pieces.emplace_back();
            pendingBlanks.clear();
            lastQuoted = false;
            continue;
        }
        if (!quoted && blank(c)) {
            pendingBlanks += c;
            continue;
        }
        add(std::string(1, c), quoted);
    }
    std::string text;
    for (size_t k = 0; k < pieces.size(); ++k) text += (k ? "," : "") + pieces[k];
    if (pieces.size() > 1) return text;
    // A value QSettings stored with a type.
    if (text.rfind("@@", 0) == 0) return text.substr(1);
    for (const char* type : {"@String(", "@ByteArray("})
        if (text.rfind(type, 0) == 0 && text.back() == ')')
            return text.substr(std::string(type).size(), text.size() - std::string(type).size() - 1);
    if (text == "@Invalid()") return {};
    return text;
}

bool isGeneral(const std::string& section) {
    if (section.size() != 7) return false;
    std::string lower;
    for (char c : section) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "general";
}

}  // namespace

Document parse(const std::string& input) {
    Document doc;
    std::string text = input.rfind("\xEF\xBB\xBF", 0) == 0 ? input.substr(3) : input;
    std::vector<std::string> lines;
    for (size_t start = 0; start <= text.size();) {
        size_t nl = text.find('\n', start);
        std::string line = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    bool general = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        // A backslash at the end continues the line.
        while (!line.empty() && line.back() == '\\' && i + 1 < lines.size()) {
            size_t slashes = 0;
            while (slashes < line.size() && line[line.size() - 1 - slashes] == '\\') ++slashes;
            if (slashes % 2 == 0) break;
            line.pop_back();
            line += lines[++i];
        }
        const std::string t = trimmed(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            const size_t close = t.find(']');
            general = isGeneral(unescapedName(t.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            if (!general) doc.otherSections.push_back(t);
            continue;
        }
        if (!general) {
            doc.otherSections.push_back(line);
            continue;
        }
        const size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        const std::string name = unescapedName(trimmed(t.substr(0, eq)));
        if (name.empty() || name.find('\\') != std::string::npos) continue;
        doc.values[name] = unescapedValue(trimmed(t.substr(eq + 1)));
    }
    return doc;
}

std::string escapedName(const std::string& name) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (std::uint32_t cp : codePoints(name)) {
        if ((cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9') || cp == '_' ||
            cp == '-' || cp == '.') {
            out += static_cast<char>(cp);
        } else if (cp <= 0xFF) {
            out += '%';
            out += hex[cp >> 4];
            out += hex[cp & 15];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += hex[(cp >> shift) & 15];
        }
    }
    return out;
}

std::string escapedValue(const std::string& value) {
    static const char* hex = "0123456789abcdef";
    std::string out = value.rfind('@', 0) == 0 ? "@" : "";
    bool quote = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    bool hexFollows = false;  // after \x, a hex digit would join the escape
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (hexFollows && hexDigit(ch) >= 0) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
            continue;
        }
        hexFollows = false;
        switch (ch) {
            case '\0': out += "\\0"; break;
            case '\a': out += "\\a"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\v': out += "\\v"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case ';': case ',': case '=': quote = true; out += ch; break;
            default:
                if (c < 0x20) {
                    out += "\\x";
                    if (c >= 16) out += hex[c >> 4];
                    out += hex[c & 15];
                    hexFollows = true;
                } else {
                    out += ch;
                }
        }
    }
    return quote ? "\"" + out + "\"" : out;
}

std::string serialize(const Document& doc) {
    std::string text;
    if (!doc.values.empty()) {
        text += "[General]\n";
        for (const auto& [name, value] : doc.values) text += escapedName(name) + "=" + escapedValue(value) + "\n";
    }
    if (!doc.otherSections.empty()) {
        if (!text.empty()) text += "\n";
        for (const auto& line : doc.otherSections) text += line + "\n";
    }
    return text;
}

}  // namespace tv::ini
