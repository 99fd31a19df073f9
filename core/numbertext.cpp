#include "core/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <string_view>

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

namespace {

// Exact powers of ten a double holds.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common field text, a plain decimal ("10", " -0.7 ") of at most 15
// digits, read at once: its digits as a whole number are exact in a double,
// and one division by an exact power of ten rounds correctly. Anything else
// (an exponent, more digits, no digits) is left to the full reading.
bool readPlain(const std::string& text, const std::string& sep, double& out) {
    size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    while (n > i && isBlank(text[n - 1])) --n;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint64_t mantissa = 0;
    int digits = 0, decimals = 0;
    for (; i < n && isDigit(text[i]); ++i, ++digits) mantissa = mantissa * 10 + std::uint64_t(text[i] - '0');
    if (i < n && !sep.empty() && text.compare(i, sep.size(), sep) == 0) {
        for (i += sep.size(); i < n && isDigit(text[i]); ++i, ++digits, ++decimals)
            mantissa = mantissa * 10 + std::uint64_t(text[i] - '0');
    }
    if (i != n || digits == 0 || digits > 15) return false;
    double v = static_cast<double>(mantissa) / kPow10[decimals];
    out = negative ? -v : v;
    return true;
}

}  // namespace

double readFloat(const std::string& text, const std::string& separator) {
    if (double v; readPlain(text, separator, v)) return v;
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

// The text of a number as printf's conversion `conv` writes it, into `buf`
// (at least 512 bytes); "NAN", "INF" or "-INF" for what is not finite.
// "%.Nf" of a value whose scaled value v * 10^N is a whole number below 1E15
// after rounding, written from that whole number: the scaling is off by less
// than its rounding error, which decides the rounding unless the scaled
// value lies that near to a half, where the exact conversion is left to do it.
bool fixedFast(char* buf, double v, int prec, std::string_view& out) {
    if (prec > 9) return false;
    const double scaled = std::fabs(v) * kPow10[prec];
    if (!(scaled < 1e15)) return false;
    const double whole = std::floor(scaled), fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= scaled * 0x1p-50) return false;
    std::uint64_t n = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    size_t count = static_cast<size_t>(end - digits), frac = static_cast<size_t>(prec);
    char* o = buf;
    if (std::signbit(v)) *o++ = '-';
    if (count <= frac) {
        // Below one: "0." and the zeros before the first digit.
        *o++ = '0';
        if (frac) *o++ = '.';
        for (size_t k = count; k < frac; ++k) *o++ = '0';
        for (size_t k = 0; k < count; ++k) *o++ = digits[k];
    } else {
        for (size_t k = 0; k < count - frac; ++k) *o++ = digits[k];
        if (frac) *o++ = '.';
        for (size_t k = count - frac; k < count; ++k) *o++ = digits[k];
    }
    out = {buf, static_cast<size_t>(o - buf)};
    return true;
}

std::string_view formatDouble(char* buf, double v, char conv, int prec) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (std::string_view fast; conv == 'f' && fixedFast(buf, v, prec, fast)) return fast;
    std::to_chars_result r{};
    switch (conv) {
        case 'f':
            r = std::to_chars(buf, buf + 512, v, std::chars_format::fixed, prec);
            break;
        case 'e':
        case 'E':
            r = std::to_chars(buf, buf + 512, v, std::chars_format::scientific, prec);
            break;
        default:
            r = std::to_chars(buf, buf + 512, v, std::chars_format::general, prec == 0 ? 1 : prec);
            break;
    }
    char* end = r.ec == std::errc() ? r.ptr : buf;
    if (conv == 'E' || conv == 'G')
        for (char* c = buf; c != end; ++c)
            if (*c == 'e') *c = 'E';
    return {buf, static_cast<size_t>(end - buf)};
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

// Formats into one growing string: a conversion is written into a buffer on
// the stack and copied once, so a result text costs one allocation at most.
std::string cformat(const std::string& format, std::initializer_list<Arg> args) {
    const Arg* next = args.begin();
    std::string out;
    out.reserve(format.size() + 16);
    char buf[512];
    size_t i = 0, n = format.size();
    while (i < n) {
        size_t percent = format.find('%', i);
        if (percent == std::string::npos) percent = n;
        out.append(format, i, percent - i);
        i = percent;
        if (i >= n) break;
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
        std::string_view body;
        bool numeric = true;
        const FormatArg* arg = next != args.end() ? &next->v : nullptr;
        switch (conv) {
            case 'f': case 'e': case 'E': case 'g': case 'G':
                body = formatDouble(buf, arg ? asDouble(*arg) : 0.0, conv, prec < 0 ? 6 : prec);
                break;
            case 'd': case 'i': case 'u': {
                auto r = std::to_chars(buf, buf + sizeof buf, arg ? asInt(*arg) : 0);
                body = {buf, static_cast<size_t>(r.ptr - buf)};
                break;
            }
            case 's':
                numeric = false;
                if (arg)
                    if (auto s = std::get_if<std::string>(arg)) body = *s;
                if (prec >= 0 && body.size() > static_cast<size_t>(prec)) body = body.substr(0, static_cast<size_t>(prec));
                break;
            default:
                // Not a conversion: keep the text as written ("%.2f %" ends in a bare %).
                out.append(format, start, i - start);
                continue;
        }
        ++i;
        if (next != args.end()) ++next;
        std::string_view sign;
        if (numeric && !body.empty() && body[0] != '-' && body[0] != 'N' && body[0] != 'I') {
            if (plus) sign = "+";
            else if (space) sign = " ";
        }
        size_t length = sign.size() + body.size();
        size_t pad = static_cast<int>(length) < width ? static_cast<size_t>(width) - length : 0;
        if (pad == 0 || left) {
            out += sign;
            out += body;
            out.append(pad, ' ');
        } else if (zero && numeric && !body.empty() && std::isdigit(static_cast<unsigned char>(body.back()))) {
            // Zeros go between the sign and the digits.
            bool bodySign = sign.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ');
            out += sign;
            if (bodySign) out += body[0];
            out.append(pad, '0');
            out += bodySign ? body.substr(1) : body;
        } else {
            out.append(pad, ' ');
            out += sign;
            out += body;
        }
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
