// The published figures of the mechanical reference charts.
#include "calc/reference/reference_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

#include "core/numbertext.h"

namespace tv {

namespace {

// Number (97 to 1) and letter (A to Z) twist drill diameters in inches, as
// ASME B94.11M (twist drills) lists them. Checked against the public-domain
// chart "Metric, Inch, & Fractional Inch: Drills, Sizes, Threads, & Preferred
// Sizes" (CircuitousRoot, v.2 2007, after ANSI B94.11M) and the drill gauge
// table of GNU units.
constexpr DrillSize kDrills[] = {
    {"97", "0.0059"}, {"96", "0.0063"}, {"95", "0.0067"}, {"94", "0.0071"}, {"93", "0.0075"}, {"92", "0.0079"},
    {"91", "0.0083"}, {"90", "0.0087"}, {"89", "0.0091"}, {"88", "0.0095"}, {"87", "0.0100"}, {"86", "0.0105"},
    {"85", "0.0110"}, {"84", "0.0115"}, {"83", "0.0120"}, {"82", "0.0125"}, {"81", "0.0130"}, {"80", "0.0135"},
    {"79", "0.0145"}, {"78", "0.0160"}, {"77", "0.0180"}, {"76", "0.0200"}, {"75", "0.0210"}, {"74", "0.0225"},
    {"73", "0.0240"}, {"72", "0.0250"}, {"71", "0.0260"}, {"70", "0.0280"}, {"69", "0.0292"}, {"68", "0.0310"},
    {"67", "0.0320"}, {"66", "0.0330"}, {"65", "0.0350"}, {"64", "0.0360"}, {"63", "0.0370"}, {"62", "0.0380"},
    {"61", "0.0390"}, {"60", "0.0400"}, {"59", "0.0410"}, {"58", "0.0420"}, {"57", "0.0430"}, {"56", "0.0465"},
    {"55", "0.0520"}, {"54", "0.0550"}, {"53", "0.0595"}, {"52", "0.0635"}, {"51", "0.0670"}, {"50", "0.0700"},
    {"49", "0.0730"}, {"48", "0.0760"}, {"47", "0.0785"}, {"46", "0.0810"}, {"45", "0.0820"}, {"44", "0.0860"},
    {"43", "0.0890"}, {"42", "0.0935"}, {"41", "0.0960"}, {"40", "0.0980"}, {"39", "0.0995"}, {"38", "0.1015"},
    {"37", "0.1040"}, {"36", "0.1065"}, {"35", "0.1100"}, {"34", "0.1110"}, {"33", "0.1130"}, {"32", "0.1160"},
    {"31", "0.1200"}, {"30", "0.1285"}, {"29", "0.1360"}, {"28", "0.1405"}, {"27", "0.1440"}, {"26", "0.1470"},
    {"25", "0.1495"}, {"24", "0.1520"}, {"23", "0.1540"}, {"22", "0.1570"}, {"21", "0.1590"}, {"20", "0.1610"},
    {"19", "0.1660"}, {"18", "0.1695"}, {"17", "0.1730"}, {"16", "0.1770"}, {"15", "0.1800"}, {"14", "0.1820"},
    {"13", "0.1850"}, {"12", "0.1890"}, {"11", "0.1910"}, {"10", "0.1935"}, {"9", "0.1960"}, {"8", "0.1990"},
    {"7", "0.2010"}, {"6", "0.2040"}, {"5", "0.2055"}, {"4", "0.2090"}, {"3", "0.2130"}, {"2", "0.2210"},
    {"1", "0.2280"}, {"A", "0.234"}, {"B", "0.238"}, {"C", "0.242"}, {"D", "0.246"}, {"E", "0.250"},
    {"F", "0.257"}, {"G", "0.261"}, {"H", "0.266"}, {"I", "0.272"}, {"J", "0.277"}, {"K", "0.281"},
    {"L", "0.290"}, {"M", "0.295"}, {"N", "0.302"}, {"O", "0.316"}, {"P", "0.323"}, {"Q", "0.332"},
    {"R", "0.339"}, {"S", "0.348"}, {"T", "0.358"}, {"U", "0.368"}, {"V", "0.377"}, {"W", "0.386"},
    {"X", "0.397"}, {"Y", "0.404"}, {"Z", "0.413"},
};

// Unified inch screw threads, external, classes 2A and 3A: limits of size
// after ASME B1.1 (Unified Inch Screw Threads, UN and UNR thread form), in
// ten-thousandths of an inch. Columns: major diameter basic, max, min; pitch
// diameter basic, max, min; UNR minor diameter max (reference). Checked
// against published reprints of the standard's tables (trade charts of the
// class 2A limits from 0-80 to 10-32, the basic pitch diameters of the UNC and
// UNF series); some reprints give the UN minor diameter (max pitch diameter
// - 0.5413 P) in place of the UNR one (- 0.5774 P), 0.0446 for 0-80 2A.
constexpr ThreadLimits kThreads[] = {
    {"0-80", "2A", {600, 595, 563, 519, 514, 496, 442}},
    {"0-80", "3A", {600, 600, 568, 519, 519, 506, 447}},
    {"1-64", "2A", {730, 724, 686, 629, 623, 603, 532}},
    {"1-64", "3A", {730, 730, 692, 629, 629, 614, 538}},
    {"1-72", "2A", {730, 724, 689, 640, 634, 615, 554}},
    {"1-72", "3A", {730, 730, 695, 640, 640, 626, 560}},
    {"2-56", "2A", {860, 854, 813, 744, 738, 717, 635}},
    {"2-56", "3A", {860, 860, 819, 744, 744, 728, 641}},
    {"2-64", "2A", {860, 854, 816, 759, 753, 733, 662}},
    {"2-64", "3A", {860, 860, 822, 759, 759, 744, 668}},
    {"3-48", "2A", {990, 983, 938, 855, 848, 825, 727}},
    {"3-48", "3A", {990, 990, 945, 855, 855, 838, 734}},
    {"3-56", "2A", {990, 983, 942, 874, 867, 845, 764}},
    {"3-56", "3A", {990, 990, 949, 874, 874, 858, 771}},
    {"4-40", "2A", {1120, 1112, 1061, 958, 950, 925, 805}},
    {"4-40", "3A", {1120, 1120, 1069, 958, 958, 939, 813}},
    {"4-48", "2A", {1120, 1113, 1068, 985, 978, 954, 857}},
    {"4-48", "3A", {1120, 1120, 1075, 985, 985, 967, 864}},
    {"5-40", "2A", {1250, 1242, 1191, 1088, 1080, 1054, 935}},
    {"5-40", "3A", {1250, 1250, 1199, 1088, 1088, 1069, 943}},
    {"5-44", "2A", {1250, 1243, 1195, 1102, 1095, 1070, 964}},
    {"5-44", "3A", {1250, 1250, 1202, 1102, 1102, 1083, 971}},
    {"6-32", "2A", {1380, 1372, 1312, 1177, 1169, 1141, 989}},
    {"6-32", "3A", {1380, 1380, 1320, 1177, 1177, 1156, 997}},
    {"6-40", "2A", {1380, 1372, 1321, 1218, 1210, 1184, 1065}},
    {"6-40", "3A", {1380, 1380, 1329, 1218, 1218, 1198, 1073}},
    {"8-32", "2A", {1640, 1631, 1571, 1437, 1428, 1399, 1248}},
    {"8-32", "3A", {1640, 1640, 1580, 1437, 1437, 1415, 1257}},
    {"8-36", "2A", {1640, 1632, 1577, 1460, 1452, 1424, 1291}},
    {"8-36", "3A", {1640, 1640, 1585, 1460, 1460, 1439, 1299}},
    {"10-24", "2A", {1900, 1890, 1818, 1629, 1619, 1586, 1379}},
    {"10-24", "3A", {1900, 1900, 1828, 1629, 1629, 1604, 1389}},
    {"10-32", "2A", {1900, 1891, 1831, 1697, 1688, 1658, 1508}},
    {"10-32", "3A", {1900, 1900, 1840, 1697, 1697, 1674, 1517}},
    {"1/4-20", "2A", {2500, 2489, 2408, 2175, 2164, 2127, 1876}},
    {"1/4-20", "3A", {2500, 2500, 2419, 2175, 2175, 2147, 1887}},
    {"1/4-28", "2A", {2500, 2490, 2425, 2268, 2258, 2225, 2052}},
    {"1/4-28", "3A", {2500, 2500, 2435, 2268, 2268, 2243, 2062}},
    {"5/16-18", "2A", {3125, 3113, 3026, 2764, 2752, 2712, 2431}},
    {"5/16-18", "3A", {3125, 3125, 3038, 2764, 2764, 2734, 2443}},
    {"5/16-24", "2A", {3125, 3114, 3042, 2854, 2843, 2806, 2603}},
    {"5/16-24", "3A", {3125, 3125, 3053, 2854, 2854, 2827, 2614}},
    {"3/8-16", "2A", {3750, 3737, 3643, 3344, 3331, 3287, 2970}},
    {"3/8-16", "3A", {3750, 3750, 3656, 3344, 3344, 3311, 2983}},
    {"3/8-24", "2A", {3750, 3739, 3667, 3479, 3468, 3430, 3228}},
    {"3/8-24", "3A", {3750, 3750, 3678, 3479, 3479, 3450, 3239}},
    {"7/16-14", "2A", {4375, 4361, 4258, 3911, 3897, 3850, 3485}},
    {"7/16-14", "3A", {4375, 4375, 4272, 3911, 3911, 3876, 3499}},
    {"7/16-20", "2A", {4375, 4362, 4281, 4050, 4037, 3995, 3749}},
    {"7/16-20", "3A", {4375, 4375, 4294, 4050, 4050, 4019, 3762}},
};

// ISO metric screw sizes with their nominal outside diameter in inches.
constexpr MetricScrew kMetricScrews[] = {
    {"M1.6", "1.6mm", "0.063"}, {"M1.8", "1.8mm", "0.071"}, {"M2.0", "2.0mm", "0.078"},
    {"M3.0", "3.0mm", "0.118"}, {"M3.5", "3.5mm", "0.138"}, {"M4.0", "4.0mm", "0.157"},
    {"M5.0", "5.0mm", "0.197"}, {"M6.0", "6.0mm", "0.236"}, {"M7.0", "7.0mm", "0.275"},
    {"M8.0", "8.0mm", "0.315"}, {"M10", "10mm", "0.394"},   {"M12", "12mm", "0.472"},
    {"M14", "14mm", "0.551"},   {"M16", "16mm", "0.630"},   {"M18", "18mm", "0.708"},
    {"M20", "20mm", "0.787"},   {"M21", "21mm", "0.827"},   {"M22", "22mm", "0.866"},
};

// A published inch text ("0.2280") in ten-thousandths (2280).
int tenThousandths(const char* inches) {
    int value = 0, decimals = -1;
    for (const char* c = inches; *c; ++c) {
        if (*c == '.') { decimals = 0; continue; }
        value = value * 10 + (*c - '0');
        if (decimals >= 0) ++decimals;
    }
    for (; decimals < 4; ++decimals) value *= 10;
    return value;
}

// Decimals of the millimetre column: the small drills need more of them to
// show their size.
int millimetreDecimals(const DrillSize& d) {
    const int inches = tenThousandths(d.inches);
    if (inches <= 95) return 5;   // 97 to 88
    if (inches <= 130) return 4;  // 87 to 81
    if (inches >= 3970) return 2; // X, Y, Z
    return 3;
}

// inches * 25.4 to the given decimals, rounded half up, from the exact
// product (ten-thousandths of an inch times 254 is hundred-thousandths of a
// millimetre), so no binary fraction decides a rounding.
std::string millimetres(const DrillSize& d, int decimals) {
    long long hundredThousandths = static_cast<long long>(tenThousandths(d.inches)) * 254;
    long long scale = 1;
    for (int i = decimals; i < 5; ++i) scale *= 10;
    long long units = (hundredThousandths + scale / 2) / scale;
    long long unit = 1;
    for (int i = 0; i < decimals; ++i) unit *= 10;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lld.%0*lld", units / unit, decimals, units % unit);
    return buf;
}

// The inch column: the smallest drills keep all four decimals of their size;
// from drill 80 on the published figure is shown without trailing zeros.
std::string inchText(const DrillSize& d) {
    std::string text = d.inches;
    if (tenThousandths(d.inches) <= 130) return text;
    while (text.back() == '0') text.pop_back();
    return text;
}

template <class Row, class Line>
std::string chart(std::span<const Row> rows, Line line) {
    std::string text;
    for (const Row& r : rows) {
        if (!text.empty()) text += '\n';
        text += line(r);
    }
    return text;
}

// The charts show in the window's proportional font (11 pixel Liberation
// Sans, the metrics of Arial), so their columns are lined up by the width of
// the text rather than by its count of characters: each cell is followed by as
// many blanks as bring the next one nearest to its column.
double textPixels(const std::string& text) {
    double units = 0;  // thousandths of the font size
    for (char c : text) {
        if (c >= '0' && c <= '9') units += 556;
        else if (c == 'M' || c == 'm') units += 833;
        else if (c == 'A') units += 667;
        else if (c == '-') units += 333;
        else if (c == '"') units += 355;
        else units += 278;  // blank, point, slash
    }
    return units * 11 / 1000;
}

std::string columns(const std::vector<std::string>& cells, const std::vector<int>& stops) {
    const double blank = textPixels(" ");
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) {
            long blanks = std::lround((stops[i] - textPixels(line)) / blank);
            line.append(static_cast<size_t>(std::max(1L, blanks)), ' ');
        }
        line += cells[i];
    }
    return line;
}

}  // namespace

std::span<const DrillSize> drillSizes() { return kDrills; }
std::span<const ThreadLimits> unifiedThreads() { return kThreads; }
std::span<const MetricScrew> metricScrews() { return kMetricScrews; }

std::string drillLine(const DrillSize& d) {
    return std::string(d.drill) + '\t' + inchText(d) + '\t' + millimetres(d, millimetreDecimals(d));
}

// Columns of the thread chart and of the metric chart, in pixels from the
// start of the line; the captions above the charts stand at the same places.
constexpr int kThreadStops[] = {0, 50, 80, 144, 208, 272, 336, 400, 464};
constexpr int kMetricStops[] = {0, 80, 160};

std::string threadLine(const ThreadLimits& t) {
    std::vector<std::string> cells{t.size, t.threadClass};
    for (int v : t.limits) cells.push_back(cformat("%.4f", {v / 10000.0}));
    return columns(cells, {std::begin(kThreadStops), std::end(kThreadStops)});
}

std::string metricScrewLine(const MetricScrew& m) {
    return columns({m.size, m.metric, std::string(m.inches) + "\""}, {std::begin(kMetricStops), std::end(kMetricStops)});
}

std::string drillChart() { return chart(drillSizes(), drillLine); }
std::string unifiedThreadChart() { return chart(unifiedThreads(), threadLine); }
std::string metricScrewChart() { return chart(metricScrews(), metricScrewLine); }

}  // namespace tv
