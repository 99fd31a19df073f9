// The IPC-2152 charts as step functions. Each chart is a list of bands from
// the top down; a band holds every value at or above its lower edge, and the
// last band (no edge) holds everything below, so every number (NaN too) falls
// in exactly one band.
#include "calc/conductor/ipc_charts.h"

#include <cmath>
#include <cstddef>
#include <iterator>

namespace tv {

namespace {

// Lower edges of the copper chart's area bands, imperial (sq mils) and metric
// (sq mm). The metric edges are the chart's own figures, not conversions.
constexpr double kAreaEdgesImperial[] = {700, 600, 500, 400, 300, 200, 100, 90,
                                         80,  70,  60,  50,  40,  30,  20,  10};
constexpr double kAreaEdgesMetric[] = {0.4516, 0.3871, 0.3226, 0.2581, 0.1935, 0.129,
                                       0.0645, 0.0581, 0.0516, 0.0452, 0.0387, 0.0323,
                                       0.0258, 0.0194, 0.0129, 0.0065};
constexpr std::size_t kAreaBands = std::size(kAreaEdgesImperial) + 1;

// Copper modifier by area band (rows) and rise band (columns R1..R4).
constexpr double kCopperChart[kAreaBands][4] = {
    {1.08, 1.21, 1.23, 1.32}, {1.11, 1.24, 1.26, 1.37}, {1.2, 1.28, 1.33, 1.44},
    {1.17, 1.32, 1.35, 1.42}, {1.26, 1.37, 1.43, 1.49}, {1.35, 1.46, 1.51, 1.52},
    {1.5, 1.62, 1.63, 1.69},  {1.55, 1.65, 1.68, 1.72}, {1.58, 1.69, 1.72, 1.83},
    {1.65, 1.7, 1.74, 1.82},  {1.66, 1.73, 1.77, 1.83}, {1.68, 1.78, 1.82, 1.92},
    {1.8, 1.81, 1.85, 2.07},  {1.85, 1.89, 1.85, 1.97}, {1.95, 2.0, 2.08, 2.03},
    {2.28, 2.25, 2.23, 2.25}, {2.28, 2.25, 2.23, 2.25},
};
// The metric chart reads 1.95 where the imperial one reads 1.85.
constexpr std::size_t kMetricOnlyBand = 13;
constexpr int kMetricOnlyRise = 2;
constexpr double kMetricOnlyValue = 1.95;

// Board-thickness and plane-distance bands share their edges: 100 mils down to
// 10 mils in steps of 10, and the same in mm (2.54 down to 0.254).
constexpr double kThicknessEdgesImperial[] = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
constexpr double kThicknessEdgesMetric[] = {2.54,  2.286, 2.032, 1.778, 1.524,
                                            1.27,  1.016, 0.762, 0.508, 0.254};
constexpr std::size_t kThicknessBands = std::size(kThicknessEdgesImperial) + 1;

constexpr double kBoardChart[kThicknessBands] = {1.3,  1.2,  1.1,  1.0,  0.95, 0.85,
                                                 0.75, 0.67, 0.58, 0.48, 0.4};
// The nearest band (100 and above) reads lower than the next one; the chart
// is used as drawn.
constexpr double kPlaneChart[kThicknessBands][2] = {
    {1.2, 1.24},  {1.3, 1.34},  {1.33, 1.37}, {1.37, 1.41}, {1.39, 1.43}, {1.42, 1.46},
    {1.45, 1.49}, {1.48, 1.52}, {1.52, 1.56}, {1.55, 1.59}, {1.59, 1.63},
};

template <std::size_t N>
std::size_t band(const double (&edges)[N], double value) {
    for (std::size_t i = 0; i < N; ++i)
        if (value >= edges[i]) return i;
    return N;
}

// R1: rise <= 20; R2: 20 < rise < 60; R3: 60 <= rise < 100; R4: rise >= 100.
int riseBand(double rise) {
    if (rise <= 20) return 0;
    if (rise < 60) return 1;
    if (rise < 100) return 2;
    return 3;
}

struct ResistivityRow {
    double upTo;  // upper edge (inclusive) of the temperature band
    double imperial;
    double metric;
};
constexpr ResistivityRow kResistivity[] = {
    {-40, 0.000519, 0.02043}, {-20, 0.000572, 0.02252}, {0, 0.000625, 0.02461},
    {20, 0.0006787, 0.02672}, {40, 0.000732, 0.02882}, {60, 0.000785, 0.03091},
};
// Above 60 degrees C (the 60-80 band and beyond).
constexpr ResistivityRow kResistivityHot{0, 0.000839, 0.03303};

}  // namespace

double ipcCurrent(double k, double rise, double areaSqMils) {
    return k * std::pow(rise, kIpcRiseExponent) * std::pow(areaSqMils, kIpcAreaExponent);
}

double ipcArea(double k, double rise, double current) {
    return std::pow(current / (k * std::pow(rise, kIpcRiseExponent)), 1 / kIpcAreaExponent);
}

double copperModifier(double rise, double area, bool metric) {
    const std::size_t row = metric ? band(kAreaEdgesMetric, area) : band(kAreaEdgesImperial, area);
    const int col = riseBand(rise);
    if (metric && row == kMetricOnlyBand && col == kMetricOnlyRise) return kMetricOnlyValue;
    return kCopperChart[row][col];
}

double boardThicknessModifier(double thickness, bool metric) {
    return kBoardChart[metric ? band(kThicknessEdgesMetric, thickness)
                              : band(kThicknessEdgesImperial, thickness)];
}

double planeModifier(double distance, int planeIndex, bool metric) {
    const std::size_t row = metric ? band(kThicknessEdgesMetric, distance)
                                   : band(kThicknessEdgesImperial, distance);
    return kPlaneChart[row][planeIndex == 1 ? 1 : 0];
}

double copperResistivity(double conductorTemp, bool metric) {
    for (const auto& r : kResistivity)
        if (conductorTemp <= r.upTo) return metric ? r.metric : r.imperial;
    return metric ? kResistivityHot.metric : kResistivityHot.imperial;
}

double correctedResistivity(double conductorTemp, bool metric) {
    return copperResistivity(conductorTemp, metric) * (1 + 0.00393 * (conductorTemp - 20));
}

const char* ipcModeText(int version) {
    switch (version) {
        case 1: return "IPC-2152 without modifiers mode";
        case 2: return "IPC-2221 mode";
        default: return "IPC-2152 with modifiers mode";
    }
}

}  // namespace tv
