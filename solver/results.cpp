#include "solver/results.h"

#include <cmath>
#include <limits>

namespace tv::solver {

LineResult lineFromCapacitance(double c, double c0) {
    LineResult r;
    r.capacitance = c;
    r.eeff = c / c0;
    r.z0 = 1 / (kLightSpeed * std::sqrt(c * c0));
    r.inductance = 1 / (kLightSpeed * kLightSpeed * c0);
    r.delay = std::sqrt(r.eeff) / kLightSpeed;
    return r;
}

PairResult pairFromModes(double even, double evenVacuum, double odd, double oddVacuum) {
    PairResult r;
    const LineResult o = lineFromCapacitance(odd, oddVacuum);
    r.zodd = o.z0;
    r.eeffOdd = o.eeff;
    if (even > 0 && evenVacuum > 0) {
        const LineResult e = lineFromCapacitance(even, evenVacuum);
        r.zeven = e.z0;
        r.eeffEven = e.eeff;
    } else {
        r.zeven = std::numeric_limits<double>::infinity();
        r.eeffEven = std::numeric_limits<double>::quiet_NaN();
    }
    r.zdiff = 2 * r.zodd;
    r.zcommon = r.zeven / 2;
    r.coupling = std::isfinite(r.zeven) ? (r.zeven - r.zodd) / (r.zeven + r.zodd) : std::numeric_limits<double>::quiet_NaN();
    const double self = (even + odd) / 2, mutual = (even - odd) / 2;
    const double self0 = (evenVacuum + oddVacuum) / 2, mutual0 = (evenVacuum - oddVacuum) / 2;
    r.capacitance << self, mutual, mutual, self;
    r.vacuumCapacitance << self0, mutual0, mutual0, self0;
    return r;
}

}  // namespace tv::solver
