// The mechanical sheet's charts: their layout, and a sample of rows checked
// against published tables (number and letter drills after ASME B94.11M,
// Unified thread limits after ASME B1.1 as reprinted in trade tables).
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>
#include <string>

#include "core/numbertext.h"
#include "calc/reference/reference_charts.h"
#include "calc/reference/wire_gauge.h"

using namespace tv;

namespace {

// The cells of a chart line separated by runs of blanks, joined by "|".
std::string cells(const std::string& line) {
    EXPECT_EQ(line.find('\t'), std::string::npos) << line;
    std::string out;
    bool blank = false;
    for (char c : line) {
        if (c == ' ') { blank = true; continue; }
        if (blank && !out.empty()) out += '|';
        blank = false;
        out += c;
    }
    return out;
}

const DrillSize& drill(const std::string& name) {
    for (const DrillSize& d : drillSizes())
        if (name == d.drill) return d;
    throw std::runtime_error("no drill " + name);
}

const ThreadLimits& thread(const std::string& size, const std::string& cls) {
    for (const ThreadLimits& t : unifiedThreads())
        if (size == t.size && cls == t.threadClass) return t;
    throw std::runtime_error("no thread " + size + " " + cls);
}

TEST(DrillChart, OrderAndSampleLines) {
    auto drills = drillSizes();
    ASSERT_EQ(drills.size(), 123u);
    EXPECT_STREQ(drills.front().drill, "97");
    EXPECT_STREQ(drills[96].drill, "1");
    EXPECT_STREQ(drills[97].drill, "A");
    EXPECT_STREQ(drills.back().drill, "Z");
    EXPECT_EQ(drillLine(drill("97")), "97\t0.0059\t0.14986");
    EXPECT_EQ(drillLine(drill("87")), "87\t0.0100\t0.2540");
    EXPECT_EQ(drillLine(drill("80")), "80\t0.0135\t0.343");
    EXPECT_EQ(drillLine(drill("1")), "1\t0.228\t5.791");
    EXPECT_EQ(drillLine(drill("A")), "A\t0.234\t5.944");
    EXPECT_EQ(drillLine(drill("Z")), "Z\t0.413\t10.49");
    // Millimetre decimals change at 88/87, 81/80 and W/X.
    EXPECT_EQ(drillLine(drill("88")), "88\t0.0095\t0.24130");
    EXPECT_EQ(drillLine(drill("81")), "81\t0.0130\t0.3302");
    EXPECT_EQ(drillLine(drill("W")), "W\t0.386\t9.804");
    EXPECT_EQ(drillLine(drill("X")), "X\t0.397\t10.08");
}

TEST(DrillChart, SampleAgainstPublishedSizes) {
    // Inch diameters as the published drill charts list them.
    const std::map<std::string, double> published = {
        {"95", 0.0067}, {"90", 0.0087}, {"79", 0.0145}, {"69", 0.0292}, {"56", 0.0465},
        {"53", 0.0595}, {"43", 0.0890}, {"36", 0.1065}, {"29", 0.1360}, {"25", 0.1495},
        {"21", 0.1590}, {"7", 0.2010},  {"5", 0.2055},  {"F", 0.257},   {"O", 0.316},
        {"Q", 0.332},   {"U", 0.368},
    };
    for (const auto& [name, inches] : published)
        EXPECT_EQ(std::stod(drill(name).inches), inches) << name;
}

TEST(DrillChart, SizesGrowFromFirstToLast) {
    double previous = 0;
    for (const DrillSize& d : drillSizes()) {
        EXPECT_GT(std::stod(d.inches), previous) << d.drill;
        previous = std::stod(d.inches);
    }
}

TEST(ThreadChart, OrderAndSampleLines) {
    auto threads = unifiedThreads();
    ASSERT_EQ(threads.size(), 50u);
    const char* sizes[] = {"0-80", "1-64", "1-72", "2-56", "2-64", "3-48", "3-56", "4-40", "4-48",
                           "5-40", "5-44", "6-32", "6-40", "8-32", "8-36", "10-24", "10-32",
                           "1/4-20", "1/4-28", "5/16-18", "5/16-24", "3/8-16", "3/8-24",
                           "7/16-14", "7/16-20"};
    for (size_t i = 0; i < threads.size(); ++i) {
        EXPECT_STREQ(threads[i].size, sizes[i / 2]);
        EXPECT_STREQ(threads[i].threadClass, i % 2 ? "3A" : "2A");
    }
    EXPECT_EQ(cells(threadLine(thread("0-80", "2A"))), "0-80|2A|0.0600|0.0595|0.0563|0.0519|0.0514|0.0496|0.0442");
    EXPECT_EQ(cells(threadLine(thread("4-40", "2A"))), "4-40|2A|0.1120|0.1112|0.1061|0.0958|0.0950|0.0925|0.0805");
    EXPECT_EQ(cells(threadLine(thread("1/4-20", "2A"))), "1/4-20|2A|0.2500|0.2489|0.2408|0.2175|0.2164|0.2127|0.1876");
    EXPECT_EQ(cells(threadLine(thread("7/16-20", "3A"))), "7/16-20|3A|0.4375|0.4375|0.4294|0.4050|0.4050|0.4019|0.3762");
}

TEST(ThreadChart, SampleAgainstPublishedLimits) {
    // Major max, major min, pitch max, pitch min, UNR minor max, as the
    // published tables of ASME B1.1 limits list them.
    struct Row {
        const char* size;
        const char* cls;
        std::array<int, 5> limits;
    } rows[] = {
        {"4-40", "2A", {1112, 1061, 950, 925, 805}},
        {"1/4-20", "2A", {2489, 2408, 2164, 2127, 1876}},
        {"2-56", "3A", {860, 819, 744, 728, 641}},
        {"1-72", "3A", {730, 695, 640, 626, 560}},
        {"6-32", "2A", {1372, 1312, 1169, 1141, 989}},
        {"10-32", "2A", {1891, 1831, 1688, 1658, 1508}},
        {"10-24", "2A", {1890, 1818, 1619, 1586, 1379}},
        {"8-36", "2A", {1632, 1577, 1452, 1424, 1291}},
    };
    for (const Row& r : rows) {
        const auto& l = thread(r.size, r.cls).limits;
        EXPECT_EQ((std::array<int, 5>{l[1], l[2], l[4], l[5], l[6]}), r.limits) << r.size << " " << r.cls;
    }
}

TEST(ThreadChart, LimitsAreConsistent) {
    for (const ThreadLimits& t : unifiedThreads()) {
        const auto& l = t.limits;
        EXPECT_GE(l[0], l[1]) << t.size;  // max major within basic
        EXPECT_GT(l[1], l[2]) << t.size;
        EXPECT_GE(l[3], l[4]) << t.size;
        EXPECT_GT(l[4], l[5]) << t.size;
        EXPECT_GT(l[5], l[6]) << t.size;
        // Class 3A has no allowance: its maxima are the basic sizes.
        if (std::string(t.threadClass) == "3A") {
            EXPECT_EQ(l[0], l[1]) << t.size;
            EXPECT_EQ(l[3], l[4]) << t.size;
        }
    }
}

TEST(MetricScrewChart, Lines) {
    auto screws = metricScrews();
    ASSERT_EQ(screws.size(), 18u);
    EXPECT_EQ(cells(metricScrewLine(screws.front())), "M1.6|1.6mm|0.063\"");
    EXPECT_EQ(cells(metricScrewLine(screws[2])), "M2.0|2.0mm|0.078\"");
    EXPECT_EQ(cells(metricScrewLine(screws.back())), "M22|22mm|0.866\"");
}

TEST(WireGauge, TableAndPowerTransmission) {
    auto wires = wireGauges();
    ASSERT_EQ(wires.size(), 51u);
    EXPECT_STREQ(wires[0].item, "4/0");
    EXPECT_STREQ(wires[43].item, "40");
    EXPECT_STREQ(wires[50].item, "M 1");
    auto amps = [](const WireGauge& w, bool metric) {
        return cformat("%0.3f Amps", {powerTransmissionAmps(wireDiameter(w, metric))});
    };
    EXPECT_EQ(amps(wires[0], false), "302.286 Amps");
    EXPECT_EQ(amps(wires[0], true), "302.286 Amps");
    EXPECT_EQ(amps(wires[13], false), "14.834 Amps");  // AWG 10
    EXPECT_EQ(amps(wires[13], true), "14.834 Amps");
    EXPECT_EQ(amps(wires[44], false), "0.088 Amps");   // M 2.0 from 0.00787 in
    EXPECT_EQ(amps(wires[44], true), "0.089 Amps");    // and from 0.2 mm
    EXPECT_EQ(powerTransmissionAmps(WireDiameter{}), 0.0);
    WireResults r = wireResults(wires[0], true);
    EXPECT_EQ(r.diameter, "11.6840 mm");
    EXPECT_EQ(r.resistance, "0.16072 Ohms");
    EXPECT_EQ(wireResults(wires[33], false).chassisAmps, "0.86 Amps");
    EXPECT_EQ(wireResults(wires[33], true).chassisAmps, "0.89 Amps");
}

}  // namespace
