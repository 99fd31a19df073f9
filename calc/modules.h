#pragma once
// The calculator modules, one per program function that has been built.
#include "core/catalogue.h"

namespace tv {

extern const CalculatorModule viaPropertiesModule;        // board/via_properties.cpp
extern const CalculatorModule conductorPropertiesModule;  // conductor/conductor_properties.cpp
extern const CalculatorModule fusingCurrentModule;        // conductor/fusing_current.cpp
extern const CalculatorModule padstackModule;             // board/padstack.cpp
extern const CalculatorModule conductorSpacingModule;     // board/conductor_spacing.cpp
extern const CalculatorModule planarInductorsModule;      // board/planar_inductors.cpp
extern const CalculatorModule embeddedResistorsModule;    // board/embedded_resistors.cpp
extern const CalculatorModule conductorImpedanceModule;   // lines/conductor_impedance.cpp
extern const CalculatorModule wavelengthModule;           // lines/wavelength.cpp
extern const CalculatorModule erEffectiveModule;          // lines/er_effective.cpp
extern const CalculatorModule mechanicalModule;           // reference/mechanical.cpp
extern const CalculatorModule conversionModule;           // reference/conversion.cpp
extern const CalculatorModule bandwidthModule;            // lines/bandwidth.cpp
extern const CalculatorModule differentialPairsModule;    // lines/differential_pairs.cpp
extern const CalculatorModule crosstalkModule;            // lines/crosstalk.cpp
extern const CalculatorModule pdnModule;                  // utility/pdn.cpp
extern const CalculatorModule thermalModule;              // utility/thermal.cpp
extern const CalculatorModule ppmModule;                  // utility/ppm.cpp
extern const CalculatorModule ohmsLawModule;              // utility/ohms_law.cpp
extern const CalculatorModule reactanceModule;            // utility/reactance.cpp

}  // namespace tv
