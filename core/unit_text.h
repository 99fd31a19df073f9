#pragma once
// A number typed with its unit ("12 mil", "0.3mm", "2.4 GHz"): the value in
// the unit a field expects. Pure text handling, no knowledge of fields: the
// caller gives the quantity and the field's own unit.
#include <optional>
#include <string>

#include "core/fields.h"

namespace tv {

// Reads "NUMBER [blanks] UNIT", the number with the user's decimal separator
// (as readFloat), the unit one of `quantity`'s ("mil", "mils", "in", "mm",
// "um", "µm" for lengths; "Hz", "kHz", "MHz", "GHz" for frequency; ...), and
// returns the value in `fieldUnit`. An impedance takes the resistance units. Nothing (std::nullopt) when the text has
// no unit, a unit of another quantity, or a number that does not read, or
// when `fieldUnit` is not a unit of `quantity`.
std::optional<double> readWithUnit(const std::string& text, Quantity quantity, const std::string& fieldUnit,
                                   const std::string& separator);

// Whether `unit` names a unit of `quantity` (the spellings readWithUnit takes).
bool isUnitOf(const std::string& unit, Quantity quantity);

}  // namespace tv
