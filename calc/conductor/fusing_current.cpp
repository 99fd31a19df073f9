// Fusing current of a conductor.
#include "modules.h"

namespace tv {

const CalculatorModule fusingCurrentModule{};

}  // namespace tv
