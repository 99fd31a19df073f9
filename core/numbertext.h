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

class Component;

// Raised when a text does not convert; the message is the one the user sees.
// A field's read (App::num) names the field it read.
struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
    Component* field = nullptr;
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
// The comma form of a text holding decimal numbers: each point between two
// digits becomes a comma ("0.0254" -> "0,0254", "below 0.1mils." keeps its
// full stop).
std::string commaForm(const std::string& text);

// A text the program writes into a field or a message. One that holds a
// decimal fraction is a twin: it exists in a point and a comma form (the comma
// form derived by commaForm), and under any other separator it is neither
// written nor shown. A whole number reads alike everywhere and always goes.
struct LiteralText {
    std::string point;
    bool twin;
    LiteralText(const char* text) : LiteralText(std::string(text)) {}
    LiteralText(std::string text) : point(std::move(text)), twin(commaForm(point) != point) {}
    // A whole number written only under a point or a comma (the via hole's
    // empty default, as its message goes).
    static LiteralText alwaysTwin(std::string text) {
        LiteralText t(std::move(text));
        t.twin = true;
        return t;
    }
};

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

// A result: the printf format with its unit, or "N/A" when the value is not a
// finite number (a zero time, width or frequency, a root of a negative).
std::string resultText(const std::string& format, double value);

}  // namespace tv
