#pragma once
// Moving numbers between field texts and doubles.
//
// Reading accepts only the user's decimal separator (so "0.5" is refused when
// the separator is a comma). Computed values written into input fields use the
// shortest general text with up to 15 significant digits and the user's
// separator. Results use C printf formats and always a point. Nothing here
// depends on the C locale: a Qt program calls setlocale(), after which %f could
// print a comma.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <variant>

namespace tv {

// Raised when a text does not convert; the message is the one the user sees.
struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class DecimalMode { Point, Comma, Other };

// The separator text of a mode ("." / "," / "'" for another separator).
std::string separatorOf(DecimalMode mode);
// The mode of a separator text: "." point, "," comma, anything else other.
DecimalMode decimalModeOf(const std::string& separator);

// Reads a floating-point number: optional blanks, sign, digits with the given
// separator, optional exponent. Throws ConversionError
// "'<text>' is not a valid floating point value".
double readFloat(const std::string& text, const std::string& separator);
// Reads an integer. Throws "'<text>' is not a valid integer value".
int readInt(const std::string& text);
// True when readFloat would succeed.
bool isFloat(const std::string& text, const std::string& separator);

// Shortest general text with up to 15 significant digits, fixed notation for
// magnitudes from 1E-5 up to below 1E15, otherwise "1E-6" / "1.5E20".
std::string generalText(double value, const std::string& separator);

// printf-style formatting with a point as decimal separator. Supports
// %[-+ 0][width][.prec](f|e|E|g|G|d|i|s) and %%; a lone % at the end is kept
// as it is. Non-finite values print as "INF", "-INF" or "NAN".
using FormatArg = std::variant<double, long long, std::string>;
struct Arg {
    FormatArg v;
    Arg(double d) : v(d) {}
    Arg(int i) : v(static_cast<long long>(i)) {}
    Arg(long long i) : v(i) {}
    Arg(const char* s) : v(std::string(s)) {}
    Arg(std::string s) : v(std::move(s)) {}
};
std::string cformat(const std::string& format, std::initializer_list<Arg> args);

}  // namespace tv
