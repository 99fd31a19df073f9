#include "calc/utility/ppm_model.h"

namespace tv::ppm {

Band ppmToHertz(double centre, double ppm) {
    double variation = centre * ppm / 1000000;
    return {variation, centre + variation, centre - variation};
}

Tolerance hertzToPpm(double centre, double maximum) {
    double variation = maximum - centre;
    return {variation, 1000000 * variation / centre};
}

}  // namespace tv::ppm
