#pragma once
// The calculator modules, one per program function that has been built.
#include "catalogue.h"

namespace tv {

extern const CalculatorModule viaPropertiesModule;        // board/via_properties.cpp
extern const CalculatorModule conductorPropertiesModule;  // conductor/conductor_properties.cpp
extern const CalculatorModule fusingCurrentModule;        // conductor/fusing_current.cpp
extern const CalculatorModule padstackModule;             // board/padstack.cpp
extern const CalculatorModule conductorSpacingModule;     // board/conductor_spacing.cpp
extern const CalculatorModule planarInductorsModule;      // board/planar_inductors.cpp
extern const CalculatorModule embeddedResistorsModule;    // board/embedded_resistors.cpp

}  // namespace tv
