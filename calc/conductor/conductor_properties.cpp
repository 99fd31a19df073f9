// Conductor properties: current or width after IPC-2152 and IPC-2221.
#include "modules.h"

namespace tv {

const CalculatorModule conductorPropertiesModule{};

}  // namespace tv
