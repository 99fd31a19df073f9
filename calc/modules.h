#pragma once
// The calculator modules, one per program function that has been built.
#include "catalogue.h"

namespace tv {

extern const CalculatorModule viaPropertiesModule;        // board/via_properties.cpp
extern const CalculatorModule conductorPropertiesModule;  // conductor/conductor_properties.cpp
extern const CalculatorModule fusingCurrentModule;        // conductor/fusing_current.cpp
extern const CalculatorModule bandwidthModule;            // lines/bandwidth.cpp
extern const CalculatorModule differentialPairsModule;    // lines/differential_pairs.cpp
extern const CalculatorModule crosstalkModule;            // lines/crosstalk.cpp

}  // namespace tv
