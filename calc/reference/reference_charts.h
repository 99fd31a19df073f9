#pragma once
// The fixed reference charts of the mechanical sheet: number and letter twist
// drills, Unified screw-thread limits of size (classes 2A and 3A, external),
// metric screw sizes. The published figures live in reference_charts.cpp; the
// functions here lay them out as the chart texts the panel shows.
#include <array>
#include <span>
#include <string>

namespace tv {

// One twist drill: its number or letter and its published diameter in inches
// ("0.0059", "0.2280", "0.234").
struct DrillSize {
    const char* drill;
    const char* inches;
};

// One line of the Unified thread chart, all values in ten-thousandths of an
// inch: major diameter basic, max, min; pitch diameter basic, max, min; UNR
// minor diameter max.
struct ThreadLimits {
    const char* size;
    const char* threadClass;
    std::array<int, 7> limits;
};

struct MetricScrew {
    const char* size;
    const char* metric;
    const char* inches;
};

// Drills 97 down to 1, then A to Z (123 rows).
std::span<const DrillSize> drillSizes();
// 0-80 to 7/16-20, each in class 2A then 3A (50 rows).
std::span<const ThreadLimits> unifiedThreads();
// M1.6 to M22 (18 rows).
std::span<const MetricScrew> metricScrews();

// One drill chart line: drill, inches, millimetres, separated by tabs.
std::string drillLine(const DrillSize& d);
// One thread chart line: size, class and the seven limits with four decimals.
std::string threadLine(const ThreadLimits& t);
std::string metricScrewLine(const MetricScrew& m);

// The whole chart texts, one line per row.
std::string drillChart();
std::string unifiedThreadChart();
std::string metricScrewChart();

}  // namespace tv
