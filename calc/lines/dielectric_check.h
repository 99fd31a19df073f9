#pragma once
// The dielectric constant check the transmission-line calculators share: a
// value below 1 is answered with a message and "1" in the Er field. Whether
// the calculator then recalculates or goes on with the value it read is its
// own choice.
#include "app.h"
#include "checks.h"

namespace tv::lines {

inline bool correctLowEr(App& app, double er) {
    return er < 1 && correct(app, app.shared().Edit7, "Minimum dielectric constant value can't be less than 1", "1");
}

}  // namespace tv::lines
