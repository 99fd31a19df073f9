#pragma once
// Small pieces the transmission-line panels share.
#include <string>

#include "core/app.h"

namespace tv::lines {

// The text a correction writes into an input field: a fraction takes the
// user's comma under a comma separator; under a separator that is neither
// point nor comma it keeps the point, so the pass that reads it back stops
// with the conversion message instead of running on an uncorrected value.
inline void writeCorrection(App& app, Component& field, const std::string& point) {
    field.setText(app.literal(point).value_or(point));
}

// Reference pages behind the panels' link labels.
inline constexpr const char* kErEffectivePage = "https://www.microwaves101.com/encyclopedias/effective-dielectric-constant";
inline constexpr const char* kWavelengthPage = "https://en.wikipedia.org/wiki/Wavelength";
inline constexpr const char* kSpeedOfLightPage = "https://en.wikipedia.org/wiki/Speed_of_light";

// Millimetres in a mil and mils in a millimetre, the way the panels convert.
inline double milsToMm(double mils) { return mils / 1000 * 25.4; }
inline double mmToMils(double mm) { return mm / 25.4 * 1000; }

}  // namespace tv::lines
