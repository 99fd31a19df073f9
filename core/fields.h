#pragma once
// Field tables: every calculator declares its inputs and results once, as
// data in its module. A field has a stable id ("width", "zdiff"), the
// designer name of its component ("Edit67"), the caption the user sees, its
// quantity with the unit of each unit system, for a result its format, and
// the types of the calculator it belongs to. The units switch converts and
// relabels length fields from the table; goal seek and sweep list the fields
// of the current type by caption and read the full-precision number a result
// keeps beside its text.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace tv {

class App;
class Component;

enum class Quantity : std::uint8_t {
    Number,  // a count or a plain ratio
    Length,
    Area,
    Volume,
    Mass,
    Time,
    Frequency,
    Speed,
    Impedance,
    Resistance,
    Resistivity,
    Conductance,
    Capacitance,
    Inductance,
    Current,
    Voltage,
    Power,
    Energy,
    Temperature,
    ThermalResistance,
    Permittivity,
    Percent,
    Angle,
};

enum class Role : std::uint8_t { Input, Result };

// A unit caption in each unit system. The metric caption is the imperial one
// for a quantity the units switch leaves alone.
struct Unit {
    const char* imperial = "";
    const char* metric = nullptr;

    const char* in(bool metricUnits) const { return metricUnits && metric ? metric : imperial; }
    // Whether the units switch changes this unit (mils <-> mm, mils <-> um).
    bool switches() const { return metric && std::string_view(metric) != imperial; }
};

// Common units.
inline constexpr Unit kMilsMm{"mils", "mm"};
inline constexpr Unit kMilsUm{"mils", "um"};

// Who converts an input's number on a units switch.
enum class Conversion : std::uint8_t {
    Table,  // the table: a length whose unit switches, converted in table order
    Hook,   // the module's unitConversions hook (a special reading or a kept state)
};

struct Field {
    const char* id;       // "width": lower-case words joined by '_', unique in the table
    const char* name;     // "Edit67"
    const char* caption;  // "Conductor Width"
    Role role = Role::Input;
    Quantity quantity = Quantity::Number;
    Unit unit{};
    // A result's format in each unit system ("%.4f Ohms"); nullptr for an
    // input. The metric one, when given, replaces it under metric units.
    const char* format = nullptr;
    const char* metricFormat = nullptr;
    // Bit t set: the field belongs to type t of the calculator (see
    // FieldTable::type); 0: to every type.
    std::uint32_t types = 0;
    // The component beside the field that shows its unit ("Edit62"), which
    // the units switch relabels; nullptr: none, or the module relabels it.
    // With no unit of its own, the field's unit is the one the box shows
    // (picked beside it), and the switch leaves the box alone.
    const char* unitBox = nullptr;
    // A length input is converted by the units switch only while this holds
    // (a row that holds another quantity in some state keeps its number).
    bool (*converts)(App&, const Component&) = nullptr;
    Conversion conversion = Conversion::Table;
    // A result the recalculation leaves to a worker thread (the field
    // solver's): computes it now, in this thread, for goal seek and sweep.
    void (*settle)(App&) = nullptr;

    bool isResult() const { return role == Role::Result; }
    const char* formatIn(bool metricUnits) const { return metricUnits && metricFormat ? metricFormat : format; }
    bool inType(int type) const { return types == 0 || (type >= 0 && type < 32 && (types >> type) & 1u); }
};

// A bit for each type given.
constexpr std::uint32_t typeBits(std::initializer_list<int> types) {
    std::uint32_t bits = 0;
    for (int t : types) bits |= 1u << t;
    return bits;
}

// A choice a user makes on a calculator's panel (the line type, what to solve
// for), named for scripts: `key` ("type"), the control a user picks it with
// and the options by id. The control is a radio group, combo box or tab strip
// (an option picks item `index`) or a check box (index 1 ticks it, 0 clears
// it). Choices are applied in table order, each as a user picks it.
struct ChoiceOption {
    const char* id;  // "microstrip": lower-case words joined by '-'
    int index;
};

struct Choice {
    const char* key;      // "type"
    const char* control;  // "RadioGroup3"
    std::span<const ChoiceOption> options;
};

struct FieldTable {
    // Inputs and results in reading order; a type's first result is the
    // calculator's main result.
    std::span<const Field> fields;
    // The calculator's current type; nullptr: a calculator of one type.
    int (*type)(App&) = nullptr;
    // Units switch, while the function's tab is selected: rebuilds the plane
    // group in the module's own way instead of offering the plane weights.
    void (*planeGroup)(App&, bool metric) = nullptr;

    // The field with this id or designer name in the current type first,
    // else in any type; nullptr when there is none.
    const Field* find(App& app, std::string_view idOrName) const;
    int currentType(App& app) const { return type ? type(app) : 0; }
};

// The units switch's part of the table: every unit box relabelled (this
// cannot fail), and every length input whose unit switches converted in table
// order, whatever the type shown (a field that does not read stops the switch
// with its message). The module's hooks do the rest: its unitCaptions after
// the table's captions, its unitConversions before the table's conversions.
void relabelUnits(App& app, const FieldTable& table, bool metric);
void convertLengths(App& app, const FieldTable& table, bool metric);

}  // namespace tv
