// The fields goal seek and sweep offer, found in the window as the user sees
// it; result texts read as number and unit; a sweep that is stopped; the
// sweep's table; the Tools menu's two windows.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/analysis_fields.h"
#include "app_fixture.h"
#include "shell/goal_seek.h"
#include "shell/selection.h"
#include "core/user_actions.h"

using namespace tv;

namespace {

std::vector<std::string> labels(const std::vector<AnalysisField>& fields) {
    std::vector<std::string> out;
    for (const auto& f : fields) out.push_back(f.label());
    return out;
}

const AnalysisField* named(const std::vector<AnalysisField>& fields, const std::string& component) {
    for (const auto& f : fields)
        if (f.component->name() == component) return &f;
    return nullptr;
}

struct Conductor : HeadlessApp {
    Conductor() { SelectProgramFunction(app, indexOf(Fn::Conductor)); }
};

TEST(AnalysisFields, ConductorPanelThenSharedGroupsByCaptionAndUnit) {
    Conductor h;
    AnalysisFields f = analysisFields(h.app);
    // Hidden rows (parallel count, distance to plane) and the disabled Er stay out.
    EXPECT_EQ(labels(f.inputs),
              (std::vector<std::string>{"Conductor Width (mils)", "Conductor Length (mils)", "PCB Thickness (mils)",
                                        "Frequency (MHz)", "Tg (°C)", "Temp Rise (°C)", "Ambient Temp (°C)"}));
    const AnalysisField* current = named(f.results, "Edit17");
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->label(), "Conductor Current (Amps)");
    EXPECT_EQ(named(f.results, "Edit134")->label(), "Skin Depth Percentage (%)");  // "100%"
    EXPECT_EQ(named(f.results, "Label110")->label(), "Via Thermal Resistance");     // "N/A"
    // The same caption twice is told apart by the groups.
    EXPECT_EQ(named(f.results, "Label2")->caption, "Temp Rise (°C): Temp in (°F)");
    EXPECT_EQ(named(f.results, "Label4")->caption, "Ambient Temp (°C): Temp in (°F)");
    // Units boxes, unit captions and a field of another panel are no results.
    for (const char* no : {"Edit57", "Edit131", "Edit160"}) EXPECT_EQ(named(f.results, no), nullptr) << no;
}

TEST(AnalysisFields, FollowWhatTheWindowShows) {
    Conductor h;
    user::pick(h.app, h.app.c("RadioGroup15"), 1);  // parallel conductors
    user::pick(h.app, h.app.c("RadioGroup6"), 1);   // metric
    AnalysisFields f = analysisFields(h.app);
    EXPECT_EQ(labels(f.inputs)[0], "Conductor Width (mm)");
    ASSERT_NE(named(f.inputs, "Edit128"), nullptr);
    EXPECT_EQ(named(f.inputs, "Edit128")->label(), "Parallel Conductor Count");
    EXPECT_EQ(named(f.inputs, "Edit15") + 3, named(f.inputs, "Edit128"));  // in reading order

    // Captions above the field, and past a result standing to the left.
    SelectProgramFunction(h.app, indexOf(Fn::Via));
    f = analysisFields(h.app);
    ASSERT_NE(named(f.inputs, "Edit7"), nullptr);
    EXPECT_EQ(named(f.inputs, "Edit7")->label(), "Er");
    EXPECT_EQ(named(f.inputs, "Edit4")->label(), "Internal Pad Diameter (mm)");
    EXPECT_EQ(named(f.results, "Label72")->caption, "Via Voltage Drop");

    // Without a label, a short hint names the field; fixed notes that start
    // with a number are no results.
    SelectProgramFunction(h.app, indexOf(Fn::DifferentialPairs));
    f = analysisFields(h.app);
    ASSERT_NE(named(f.results, "Edit30"), nullptr);
    EXPECT_EQ(named(f.results, "Edit30")->label(), "+ Tolerance of Zdiff (Ohms)");
    EXPECT_EQ(named(f.results, "Label88"), nullptr);  // "0.1 < W/H < 3.0"
    ASSERT_NE(named(f.results, "Label49"), nullptr);  // W/H itself
    EXPECT_EQ(named(f.results, "Label49")->label(), "W/H");
}

TEST(ResultText, NumberAndUnit) {
    struct Case {
        const char* text;
        double number;  // NaN: none
        const char* unit;
    } cases[] = {
        {"50.0000 Ohms", 50, "Ohms"}, {"100%", 100, "%"},    {"-1.5e-3 V ", -0.0015, "V"},
        {"6.20:1", 6.2, ":1"},       {"12", 12, ""},         {"N/A", NAN, ""},
        {"mils", NAN, ""},           {"", NAN, ""},          {"179.3 °C/W", 179.3, "°C/W"},
    };
    for (const auto& c : cases) {
        const double n = resultNumber(c.text);
        if (std::isnan(c.number)) EXPECT_TRUE(std::isnan(n)) << c.text;
        else EXPECT_DOUBLE_EQ(n, c.number) << c.text;
        EXPECT_EQ(resultUnit(c.text), c.unit) << c.text;
    }
}

TEST(Sweep, StoppedByItsProgressKeepsThePointsReachedAndRestoresTheWindow) {
    Conductor h;
    Component& width = h.app.c("Edit15");
    std::vector<int> told;
    auto points = sweep(h.app, width, 10, 100, 9, {&h.app.c("Edit17")}, false, [&](int done, int total) {
        told.push_back(done);
        EXPECT_EQ(total, 10);
        return done < 3;
    });
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(points.size(), 3u);
    EXPECT_DOUBLE_EQ(points[2].input, 30);
    EXPECT_DOUBLE_EQ(points[0].results[0], 1.4586);
    EXPECT_EQ(width.text(), "10");
    EXPECT_EQ(h.app.c("Edit17").text(), "1.4586 Amps");
}

TEST(Sweep, TableQuotesNamesAndWritesTheChosenSeparator) {
    std::vector<SweepPoint> points{{0.5, {1.25, NAN}}, {2, {3, 4}}};
    EXPECT_EQ(sweepTable(points, "Width (mils)", {"Current, peak", "Say \"hi\""}, ','),
              (std::vector<std::string>{"Width (mils),\"Current, peak\",\"Say \"\"hi\"\"\"", "0.5,1.25,", "2,3,4"}));
    EXPECT_EQ(sweepTable(points, "W", {"I", "R"}, '\t', ","),
              (std::vector<std::string>{"W\tI\tR", "0,5\t1,25\t", "2\t3\t4"}));
}

TEST(ToolsMenu, GoalSeekAndSweepOpenTheirWindows) {
    HeadlessApp h;
    user::click(h.app, h.app.c("GoalSeek1"));
    user::click(h.app, h.app.c("Sweep1"));
    EXPECT_NE(h.messages().find("window: Goal Seek\nwindow: Sweep\n"), std::string::npos);
}

}  // namespace
