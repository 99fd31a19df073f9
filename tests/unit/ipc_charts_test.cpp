#include "calc/conductor/ipc_charts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tv;

namespace {
double below(double x) { return std::nextafter(x, -1e300); }
}  // namespace

TEST(CopperModifier, RiseBandEdges) {
    // 20 belongs to the lowest band, 60 and 100 open the next ones.
    struct Case {
        double rise;
        double expected;  // at 150 sq mils (area band 100..200)
    } cases[] = {{1, 1.5},   {20, 1.5},  {20.5, 1.62}, {below(60), 1.62}, {60, 1.63},
                 {80, 1.63}, {below(100), 1.63}, {100, 1.69}, {200, 1.69}};
    for (const auto& c : cases) {
        EXPECT_EQ(copperModifier(c.rise, 150, false), c.expected) << c.rise;
        EXPECT_EQ(copperModifier(c.rise, 150 / 1550.0, true), c.expected) << c.rise;
    }
}

TEST(CopperModifier, EveryImperialAreaEdgeOpensItsBand) {
    // {edge, value at the edge, value just below it}, at rises 10 and 100.
    struct Case {
        double edge, atR1, belowR1, atR4, belowR4;
    } cases[] = {
        {700, 1.08, 1.11, 1.32, 1.37}, {600, 1.11, 1.2, 1.37, 1.44}, {500, 1.2, 1.17, 1.44, 1.42},
        {400, 1.17, 1.26, 1.42, 1.49}, {300, 1.26, 1.35, 1.49, 1.52}, {200, 1.35, 1.5, 1.52, 1.69},
        {100, 1.5, 1.55, 1.69, 1.72},  {90, 1.55, 1.58, 1.72, 1.83},  {80, 1.58, 1.65, 1.83, 1.82},
        {70, 1.65, 1.66, 1.82, 1.83},  {60, 1.66, 1.68, 1.83, 1.92},  {50, 1.68, 1.8, 1.92, 2.07},
        {40, 1.8, 1.85, 2.07, 1.97},   {30, 1.85, 1.95, 1.97, 2.03},  {20, 1.95, 2.28, 2.03, 2.25},
        {10, 2.28, 2.28, 2.25, 2.25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(copperModifier(10, c.edge, false), c.atR1) << c.edge;
        EXPECT_EQ(copperModifier(10, below(c.edge), false), c.belowR1) << c.edge;
        EXPECT_EQ(copperModifier(100, c.edge, false), c.atR4) << c.edge;
        EXPECT_EQ(copperModifier(100, below(c.edge), false), c.belowR4) << c.edge;
    }
    EXPECT_EQ(copperModifier(10, 699.99, false), 1.11);
    EXPECT_EQ(copperModifier(10, 1e9, false), 1.08);
    EXPECT_EQ(copperModifier(10, 0, false), 2.28);
    EXPECT_EQ(copperModifier(10, -5, false), 2.28);
}

TEST(CopperModifier, MetricEdgesAreTheChartsOwnFigures) {
    // The metric edges are not the imperial ones divided by 1550 (700/1550 is
    // 0.45161...): an area between the two readings lands on the metric side.
    struct Case {
        double edge, atR2, belowR2;
    } cases[] = {
        {0.4516, 1.21, 1.24}, {0.3871, 1.24, 1.28}, {0.3226, 1.28, 1.32}, {0.2581, 1.32, 1.37},
        {0.1935, 1.37, 1.46}, {0.129, 1.46, 1.62},  {0.0645, 1.62, 1.65}, {0.0581, 1.65, 1.69},
        {0.0516, 1.69, 1.7},  {0.0452, 1.7, 1.73},  {0.0387, 1.73, 1.78}, {0.0323, 1.78, 1.81},
        {0.0258, 1.81, 1.89}, {0.0194, 1.89, 2.0},  {0.0129, 2.0, 2.25},  {0.0065, 2.25, 2.25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(copperModifier(40, c.edge, true), c.atR2) << c.edge;
        EXPECT_EQ(copperModifier(40, below(c.edge), true), c.belowR2) << c.edge;
    }
    EXPECT_EQ(copperModifier(40, 0.4516, true), 1.21);   // 700 sq mils would be 0.451613
    EXPECT_EQ(copperModifier(40, 0.0065, true), 2.25);   // 10 sq mils would be 0.006452
    EXPECT_EQ(copperModifier(10, 0.00646, true), 2.28);
}

TEST(CopperModifier, ImperialAndMetricDifferInOneCell) {
    EXPECT_EQ(copperModifier(80, 35, false), 1.85);
    EXPECT_EQ(copperModifier(80, 0.0226, true), 1.95);
    // The neighbouring cells agree.
    EXPECT_EQ(copperModifier(40, 35, false), copperModifier(40, 0.0226, true));
    EXPECT_EQ(copperModifier(100, 35, false), copperModifier(100, 0.0226, true));
    EXPECT_EQ(copperModifier(80, 45, false), copperModifier(80, 0.03, true));
    EXPECT_EQ(copperModifier(80, 25, false), copperModifier(80, 0.015, true));
    // Defaults: 16.59 sq mils at a rise of 20.
    EXPECT_EQ(copperModifier(20, 16.59, false), 2.28);
}

TEST(BoardThicknessModifier, BandEdgesInBothUnits) {
    struct Case {
        double mils, mm, at, belowEdge;
    } cases[] = {
        {100, 2.54, 1.3, 1.2},   {90, 2.286, 1.2, 1.1},  {80, 2.032, 1.1, 1.0},
        {70, 1.778, 1.0, 0.95},  {60, 1.524, 0.95, 0.85}, {50, 1.27, 0.85, 0.75},
        {40, 1.016, 0.75, 0.67}, {30, 0.762, 0.67, 0.58}, {20, 0.508, 0.58, 0.48},
        {10, 0.254, 0.48, 0.4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(boardThicknessModifier(c.mils, false), c.at) << c.mils;
        EXPECT_EQ(boardThicknessModifier(below(c.mils), false), c.belowEdge) << c.mils;
        EXPECT_EQ(boardThicknessModifier(c.mm, true), c.at) << c.mm;
        EXPECT_EQ(boardThicknessModifier(below(c.mm), true), c.belowEdge) << c.mm;
    }
    EXPECT_EQ(boardThicknessModifier(62, false), 0.95);
    EXPECT_EQ(boardThicknessModifier(1.6, true), 0.95);
    EXPECT_EQ(boardThicknessModifier(1e6, false), 1.3);
    EXPECT_EQ(boardThicknessModifier(0, true), 0.4);
}

TEST(PlaneModifier, BandEdgesAndPlaneThickness) {
    struct Case {
        double mils, mm, thinAt, thinBelow, thickAt, thickBelow;
    } cases[] = {
        {100, 2.54, 1.2, 1.3, 1.24, 1.34},    {90, 2.286, 1.3, 1.33, 1.34, 1.37},
        {80, 2.032, 1.33, 1.37, 1.37, 1.41},  {70, 1.778, 1.37, 1.39, 1.41, 1.43},
        {60, 1.524, 1.39, 1.42, 1.43, 1.46},  {50, 1.27, 1.42, 1.45, 1.46, 1.49},
        {40, 1.016, 1.45, 1.48, 1.49, 1.52},  {30, 0.762, 1.48, 1.52, 1.52, 1.56},
        {20, 0.508, 1.52, 1.55, 1.56, 1.59},  {10, 0.254, 1.55, 1.59, 1.59, 1.63},
    };
    for (const auto& c : cases) {
        for (bool metric : {false, true}) {
            const double edge = metric ? c.mm : c.mils;
            EXPECT_EQ(planeModifier(edge, 0, metric), c.thinAt) << edge;
            EXPECT_EQ(planeModifier(below(edge), 0, metric), c.thinBelow) << edge;
            EXPECT_EQ(planeModifier(edge, 1, metric), c.thickAt) << edge;
            EXPECT_EQ(planeModifier(below(edge), 1, metric), c.thickBelow) << edge;
        }
    }
    EXPECT_EQ(planeModifier(5, 1, false), 1.63);
    EXPECT_EQ(planeModifier(5, 0, false), 1.59);
}

TEST(IpcPowerLaw, DefaultsAndInverse) {
    // 16.59 sq mils (10 mils wide, 2.1 mils thick, etched 1:1) at a rise of 20.
    const double a = (10 - 2.1) * 2.1;
    EXPECT_NEAR(ipcCurrent(kIpcInternalK, 20, a), 0.6872, 5e-5);
    EXPECT_NEAR(ipcCurrent(kIpcExternalK, 20, a), 1.3743, 5e-5);
    EXPECT_NEAR(ipcCurrent(kIpcInternalK, 20, a) * 2.28 * 0.95 * 0.98, 1.4586, 5e-5);
    EXPECT_NEAR(ipcArea(kIpcInternalK, 20, 1), 27.84, 5e-3);
    EXPECT_NEAR(ipcArea(kIpcInternalK, 20, ipcCurrent(kIpcInternalK, 20, 123.4)), 123.4, 1e-9);
}

TEST(CopperResistivity, TemperatureBandsAndCorrection) {
    struct Case {
        double tc, imperial, metric;
    } cases[] = {
        {-60, 0.000519, 0.02043}, {-40, 0.000519, 0.02043}, {-39.9, 0.000572, 0.02252},
        {-20, 0.000572, 0.02252}, {0, 0.000625, 0.02461},   {0.1, 0.0006787, 0.02672},
        {20, 0.0006787, 0.02672}, {20.1, 0.000732, 0.02882}, {40, 0.000732, 0.02882},
        {42, 0.000785, 0.03091},  {60, 0.000785, 0.03091},  {60.5, 0.000839, 0.03303},
        {80, 0.000839, 0.03303},  {400, 0.000839, 0.03303},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(copperResistivity(c.tc, false), c.imperial) << c.tc;
        EXPECT_EQ(copperResistivity(c.tc, true), c.metric) << c.tc;
    }
    EXPECT_EQ(correctedResistivity(20, false), 0.0006787);
    // 0.000785 raised by 22 degrees at 0.393 %/degree; 0.02043 lowered by 60.
    EXPECT_NEAR(correctedResistivity(42, false), 0.00085287, 5e-9);
    EXPECT_NEAR(correctedResistivity(-40, true), 0.0156126, 5e-8);
}
