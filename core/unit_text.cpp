#include "core/unit_text.h"

#include <cctype>

#include "core/numbertext.h"

namespace tv {

namespace {

// One spelling of a unit: its size in the quantity's base unit (metres, square
// metres, hertz, seconds, ohms, farads, henries, volts, amperes, watts,
// kelvin) and, for temperatures, the offset (base = value * scale + offset).
struct Spelling {
    Quantity quantity;
    const char* name;
    double scale;
    double offset = 0;
};

// "\u00B5" is the micro sign, "\u03BC" the Greek small mu; both are typed.
const Spelling kUnits[] = {
    {Quantity::Length, "m", 1},
    {Quantity::Length, "cm", 1e-2},
    {Quantity::Length, "mm", 1e-3},
    {Quantity::Length, "um", 1e-6},
    {Quantity::Length, "\u00B5m", 1e-6},
    {Quantity::Length, "\u03BCm", 1e-6},
    {Quantity::Length, "micron", 1e-6},
    {Quantity::Length, "microns", 1e-6},
    {Quantity::Length, "nm", 1e-9},
    {Quantity::Length, "in", 0.0254},
    {Quantity::Length, "inch", 0.0254},
    {Quantity::Length, "inches", 0.0254},
    {Quantity::Length, "\"", 0.0254},
    {Quantity::Length, "ft", 0.3048},
    {Quantity::Length, "mil", 25.4e-6},
    {Quantity::Length, "mils", 25.4e-6},
    {Quantity::Length, "thou", 25.4e-6},

    {Quantity::Area, "m2", 1},
    {Quantity::Area, "mm2", 1e-6},
    {Quantity::Area, "sq.mm", 1e-6},
    {Quantity::Area, "in2", 0.0254 * 0.0254},
    {Quantity::Area, "sq.in", 0.0254 * 0.0254},
    {Quantity::Area, "mil2", 25.4e-6 * 25.4e-6},
    {Quantity::Area, "sq.mils", 25.4e-6 * 25.4e-6},
    {Quantity::Area, "sq.mil", 25.4e-6 * 25.4e-6},

    {Quantity::Frequency, "Hz", 1},
    {Quantity::Frequency, "kHz", 1e3},
    {Quantity::Frequency, "MHz", 1e6},
    {Quantity::Frequency, "GHz", 1e9},

    {Quantity::Time, "s", 1},
    {Quantity::Time, "sec", 1},
    {Quantity::Time, "Seconds", 1},
    {Quantity::Time, "ms", 1e-3},
    {Quantity::Time, "us", 1e-6},
    {Quantity::Time, "\u00B5s", 1e-6},
    {Quantity::Time, "\u03BCs", 1e-6},
    {Quantity::Time, "ns", 1e-9},
    {Quantity::Time, "ps", 1e-12},

    {Quantity::Resistance, "Ohm", 1},
    {Quantity::Resistance, "Ohms", 1},
    {Quantity::Resistance, "\u03A9", 1},
    {Quantity::Resistance, "mOhm", 1e-3},
    {Quantity::Resistance, "mOhms", 1e-3},
    {Quantity::Resistance, "m\u03A9", 1e-3},
    {Quantity::Resistance, "kOhm", 1e3},
    {Quantity::Resistance, "kOhms", 1e3},
    {Quantity::Resistance, "k\u03A9", 1e3},
    {Quantity::Resistance, "MOhm", 1e6},
    {Quantity::Resistance, "MOhms", 1e6},
    {Quantity::Resistance, "M\u03A9", 1e6},

    {Quantity::Capacitance, "F", 1},
    {Quantity::Capacitance, "mF", 1e-3},
    {Quantity::Capacitance, "uF", 1e-6},
    {Quantity::Capacitance, "\u00B5F", 1e-6},
    {Quantity::Capacitance, "\u03BCF", 1e-6},
    {Quantity::Capacitance, "nF", 1e-9},
    {Quantity::Capacitance, "pF", 1e-12},

    {Quantity::Inductance, "H", 1},
    {Quantity::Inductance, "mH", 1e-3},
    {Quantity::Inductance, "uH", 1e-6},
    {Quantity::Inductance, "\u00B5H", 1e-6},
    {Quantity::Inductance, "\u03BCH", 1e-6},
    {Quantity::Inductance, "nH", 1e-9},
    {Quantity::Inductance, "pH", 1e-12},

    {Quantity::Voltage, "V", 1},
    {Quantity::Voltage, "Volts", 1},
    {Quantity::Voltage, "VDC", 1},
    {Quantity::Voltage, "mV", 1e-3},
    {Quantity::Voltage, "uV", 1e-6},
    {Quantity::Voltage, "\u00B5V", 1e-6},
    {Quantity::Voltage, "kV", 1e3},

    {Quantity::Current, "A", 1},
    {Quantity::Current, "Amp", 1},
    {Quantity::Current, "Amps", 1},
    {Quantity::Current, "mA", 1e-3},
    {Quantity::Current, "uA", 1e-6},
    {Quantity::Current, "\u00B5A", 1e-6},

    {Quantity::Power, "W", 1},
    {Quantity::Power, "Watts", 1},
    {Quantity::Power, "mW", 1e-3},
    {Quantity::Power, "uW", 1e-6},
    {Quantity::Power, "\u00B5W", 1e-6},
    {Quantity::Power, "kW", 1e3},

    {Quantity::Temperature, "K", 1},
    {Quantity::Temperature, "C", 1, 273.15},
    {Quantity::Temperature, "\u00B0C", 1, 273.15},
    {Quantity::Temperature, "F", 5.0 / 9.0, 273.15 - 32 * 5.0 / 9.0},
    {Quantity::Temperature, "\u00B0F", 5.0 / 9.0, 273.15 - 32 * 5.0 / 9.0},
};

// Exactly as written; else the only spelling of the quantity that matches
// when case is ignored ("MHZ", "MILS"), so that "mHz" and "MHz" never mix up
// with each other when both are spelt out.
const Spelling* findUnit(const std::string& name, Quantity q) {
    if (q == Quantity::Impedance) q = Quantity::Resistance;
    for (const Spelling& u : kUnits)
        if (u.quantity == q && name == u.name) return &u;
    auto lower = [](std::string s) {
        for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    const Spelling* only = nullptr;
    for (const Spelling& u : kUnits)
        if (u.quantity == q && lower(name) == lower(u.name)) {
            if (only && only->scale != u.scale) return nullptr;
            only = &u;
        }
    return only;
}

bool blank(char ch) { return ch == ' ' || ch == '\t'; }

}  // namespace

bool isUnitOf(const std::string& unit, Quantity quantity) { return findUnit(unit, quantity) != nullptr; }

std::optional<double> readWithUnit(const std::string& text, Quantity quantity, const std::string& fieldUnit,
                                   const std::string& separator) {
    const Spelling* target = findUnit(fieldUnit, quantity);
    if (!target) return std::nullopt;
    size_t end = text.size();
    while (end > 0 && blank(text[end - 1])) --end;
    // The unit is the run of characters after the number: no digits, no blanks.
    size_t from = end;
    while (from > 0) {
        const char ch = text[from - 1];
        if (blank(ch) || (ch >= '0' && ch <= '9')) break;
        --from;
    }
    if (from == end || from == 0) return std::nullopt;
    const Spelling* given = findUnit(text.substr(from, end - from), quantity);
    if (!given) return std::nullopt;
    size_t numberEnd = from;
    while (numberEnd > 0 && blank(text[numberEnd - 1])) --numberEnd;
    double value;
    try {
        value = readFloat(text.substr(0, numberEnd), separator);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
    const double base = value * given->scale + given->offset;
    return (base - target->offset) / target->scale;
}

}  // namespace tv
