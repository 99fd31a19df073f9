#pragma once
// Frequency tolerance in parts per million and the band it allows.
namespace tv::ppm {

struct Band {
    double variation, maximum, minimum;  // Hz
};
// The band of a centre frequency with a tolerance of `ppm`.
Band ppmToHertz(double centre, double ppm);

struct Tolerance {
    double variation;  // maximum - centre, Hz (negative below the centre)
    double ppm;        // infinite or NaN for a centre of 0
};
Tolerance hertzToPpm(double centre, double maximum);

}  // namespace tv::ppm
