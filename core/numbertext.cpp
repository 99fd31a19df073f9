#include "core/numbertext.h"

#include <charconv>
#include <cmath>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <vector>

namespace tv {

std::string separatorOf(DecimalMode mode) {
    switch (mode) {
        case DecimalMode::Point: return ".";
        case DecimalMode::Comma: return ",";
        case DecimalMode::Other: break;
    }
    return "'";
}

DecimalMode decimalModeOf(const std::string& separator) {
    if (separator == ".") return DecimalMode::Point;
    if (separator == ",") return DecimalMode::Comma;
    return DecimalMode::Other;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Rewrites text into the plain "C" form, or returns false.
bool canonical(const std::string& text, const std::string& sep, std::string& out) {
    size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    while (n > i && isBlank(text[n - 1])) --n;
    out.clear();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    size_t digits = 0;
    while (i < n && isDigit(text[i])) { out += text[i++]; ++digits; }
    if (!sep.empty() && text.compare(i, sep.size(), sep) == 0 && i < n) {
        i += sep.size();
        out += '.';
        while (i < n && isDigit(text[i])) { out += text[i++]; ++digits; }
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) out += text[i++];
        size_t exp = 0;
        while (i < n && isDigit(text[i])) { out += text[i++]; ++exp; }
        if (exp == 0) return false;
    }
    return i == n;
}

}  // namespace

bool isFloat(const std::string& text, const std::string& separator) {
    std::string c;
    if (!canonical(text, separator, c)) return false;
    double v = 0;
    auto r = std::from_chars(c.data(), c.data() + c.size(), v);
    return r.ec == std::errc() && std::isfinite(v);
}

double readFloat(const std::string& text, const std::string& separator) {
    std::string c;
    if (canonical(text, separator, c)) {
        double v = 0;
        auto r = std::from_chars(c.data(), c.data() + c.size(), v);
        if (r.ec == std::errc() && r.ptr == c.data() + c.size() && std::isfinite(v)) return v;
    }
    throw ConversionError("'" + text + "' is not a valid floating point value");
}

int readInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    const char* b = text.data() + i;
    const char* e = text.data() + text.size();
    if (b < e && *b == '+') ++b;
    int v = 0;
    auto r = std::from_chars(b, e, v);
    if (b == e || r.ec != std::errc() || r.ptr != e)
        throw ConversionError("'" + text + "' is not a valid integer value");
    return v;
}

std::string generalText(double value, const std::string& separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string s(buf, r.ptr);
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    size_t epos = s.find('e');
    int exponent = std::atoi(s.c_str() + epos + 1);
    std::string digits;
    for (size_t k = 0; k < epos; ++k)
        if (s[k] != '.') digits += s[k];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0" + separator + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        } else {
            size_t intLen = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= intLen) {
                out += digits + std::string(intLen - digits.size(), '0');
            } else {
                out += digits.substr(0, intLen) + separator + digits.substr(intLen);
            }
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += separator + digits.substr(1);
        out += "E" + std::to_string(exponent);
    }
    return out;
}

namespace {

std::string nonFinite(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

std::string formatDouble(double v, char conv, int prec) {
    if (!std::isfinite(v)) return nonFinite(v);
    char buf[512];
    std::to_chars_result r{};
    switch (conv) {
        case 'f':
            r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, prec);
            break;
        case 'e':
        case 'E':
            r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, prec);
            break;
        default:
            r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, prec == 0 ? 1 : prec);
            break;
    }
    std::string s(buf, r.ec == std::errc() ? r.ptr : buf);
    if (conv == 'E' || conv == 'G')
        for (char& c : s)
            if (c == 'e') c = 'E';
    return s;
}

double asDouble(const FormatArg& a) {
    if (auto d = std::get_if<double>(&a)) return *d;
    if (auto i = std::get_if<long long>(&a)) return static_cast<double>(*i);
    return 0;
}

long long asInt(const FormatArg& a) {
    if (auto i = std::get_if<long long>(&a)) return *i;
    if (auto d = std::get_if<double>(&a)) {
        // Only a value inside the range of long long converts; beyond it the
        // nearest end, and no number at all prints 0.
        if (std::isnan(*d)) return 0;
        if (*d >= 9.2e18) return std::numeric_limits<long long>::max();
        if (*d <= -9.2e18) return std::numeric_limits<long long>::min();
        return static_cast<long long>(*d);
    }
    return 0;
}

}  // namespace

std::string cformat(const std::string& format, std::initializer_list<Arg> args) {
    std::vector<const FormatArg*> list;
    for (const Arg& a : args) list.push_back(&a.v);
    size_t next = 0;
    std::string out;
    size_t i = 0, n = format.size();
    while (i < n) {
        char c = format[i];
        if (c != '%') { out += c; ++i; continue; }
        size_t start = i++;
        if (i < n && format[i] == '%') { out += '%'; ++i; continue; }
        bool left = false, zero = false, plus = false, space = false;
        while (i < n && (format[i] == '-' || format[i] == '0' || format[i] == '+' || format[i] == ' ')) {
            if (format[i] == '-') left = true;
            if (format[i] == '0') zero = true;
            if (format[i] == '+') plus = true;
            if (format[i] == ' ') space = true;
            ++i;
        }
        int width = 0;
        while (i < n && isDigit(format[i])) width = width * 10 + (format[i++] - '0');
        int prec = -1;
        if (i < n && format[i] == '.') {
            ++i;
            prec = 0;
            while (i < n && isDigit(format[i])) prec = prec * 10 + (format[i++] - '0');
        }
        char conv = i < n ? format[i] : '\0';
        std::string body;
        bool numeric = true;
        const FormatArg* arg = next < list.size() ? list[next] : nullptr;
        switch (conv) {
            case 'f': case 'e': case 'E': case 'g': case 'G':
                body = formatDouble(arg ? asDouble(*arg) : 0.0, conv, prec < 0 ? 6 : prec);
                break;
            case 'd': case 'i': case 'u':
                body = std::to_string(arg ? asInt(*arg) : 0);
                break;
            case 's':
                numeric = false;
                if (arg) {
                    if (auto s = std::get_if<std::string>(arg)) body = *s;
                }
                if (prec >= 0 && body.size() > static_cast<size_t>(prec)) body.resize(static_cast<size_t>(prec));
                break;
            default:
                // Not a conversion: keep the text as written ("%.2f %" ends in a bare %).
                out += format.substr(start, i - start);
                continue;
        }
        ++i;
        ++next;
        if (numeric && body[0] != '-' && body[0] != 'N' && body[0] != 'I') {
            if (plus) body = "+" + body;
            else if (space) body = " " + body;
        }
        if (static_cast<int>(body.size()) < width) {
            size_t pad = static_cast<size_t>(width) - body.size();
            if (left) body += std::string(pad, ' ');
            else if (zero && numeric && std::isdigit(static_cast<unsigned char>(body.back()))) {
                size_t signLen = (body[0] == '-' || body[0] == '+' || body[0] == ' ') ? 1 : 0;
                body.insert(signLen, std::string(pad, '0'));
            } else body = std::string(pad, ' ') + body;
        }
        out += body;
    }
    return out;
}

}  // namespace tv

namespace tv {

std::string commaForm(const std::string& text) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::string comma = text;
    for (size_t i = 1; i + 1 < comma.size(); ++i)
        if (comma[i] == '.' && digit(comma[i - 1]) && digit(comma[i + 1])) comma[i] = ',';
    return comma;
}

std::string resultText(const std::string& format, double value) {
    if (!std::isfinite(value)) return "N/A";
    return cformat(format, {value});
}

}  // namespace tv
