#pragma once
// Temperature of a part dissipating `watts` through a thermal resistance of
// `cPerWatt` above an ambient of `ambient` (all in degrees C).
namespace tv::thermal {

inline double temperature(double watts, double cPerWatt, double ambient) {
    return watts * cPerWatt + ambient;
}

}  // namespace tv::thermal
