// Via properties: current, capacitance, inductance, impedance and more for the
// three layer sets, and differential vias.
#include "modules.h"

namespace tv {

const CalculatorModule viaPropertiesModule{};

}  // namespace tv
