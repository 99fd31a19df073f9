#pragma once
// The calculator modules, one per program function that has been built.
#include "catalogue.h"

namespace tv {

extern const CalculatorModule viaPropertiesModule;        // board/via_properties.cpp
extern const CalculatorModule conductorPropertiesModule;  // conductor/conductor_properties.cpp
extern const CalculatorModule fusingCurrentModule;        // conductor/fusing_current.cpp
extern const CalculatorModule pdnModule;                  // utility/pdn.cpp
extern const CalculatorModule thermalModule;              // utility/thermal.cpp
extern const CalculatorModule ppmModule;                  // utility/ppm.cpp
extern const CalculatorModule ohmsLawModule;              // utility/ohms_law.cpp
extern const CalculatorModule reactanceModule;            // utility/reactance.cpp

}  // namespace tv
