// The fields goal seek and sweep offer, from the current calculator's field
// table; the full-precision number beside a result's text; a sweep that is stopped; the
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

TEST(AnalysisFields, OnlyTheCalculatorsOwnFieldsOfItsTypeByCaptionAndUnit) {
    Conductor h;
    AnalysisFields f = analysisFields(h.app);
    // Hidden rows (parallel count, distance to plane) and the disabled Er stay
    // out, and so does everything of the shared Information group.
    EXPECT_EQ(labels(f.inputs),
              (std::vector<std::string>{"Conductor Width (mils)", "Conductor Length (mils)", "PCB Thickness (mils)",
                                        "Frequency (MHz)", "Temp Rise (°C)", "Ambient Temp (°C)"}));
    ASSERT_FALSE(f.results.empty());
    EXPECT_EQ(f.results[0].label(), "Conductor Current (Amps)");
    EXPECT_EQ(named(f.results, "Edit134")->label(), "Skin Depth Percentage (%)");
    for (const char* shared : {"Label110", "Label285", "Label2", "Label4", "Label56"})
        EXPECT_EQ(named(f.results, shared), nullptr) << shared;

    // Solving for the width turns the width into a current and the current
    // into a width.
    h.app.Form6.get("RadioGroup1").setItemIndex(1);
    h.app.c("RadioGroup8").setItemIndex(1);
    f = analysisFields(h.app);
    EXPECT_EQ(f.inputs[0].label(), "Conductor Current (Amps)");
    EXPECT_EQ(f.results[0].label(), "Conductor Width (mils)");
}

TEST(AnalysisFields, FollowTheTypeTheUnitsAndWhatTheWindowShows) {
    Conductor h;
    user::pick(h.app, h.app.c("RadioGroup15"), 1);  // parallel conductors
    user::pick(h.app, h.app.c("RadioGroup6"), 1);   // metric
    AnalysisFields f = analysisFields(h.app);
    EXPECT_EQ(labels(f.inputs)[0], "Conductor Width (mm)");
    ASSERT_NE(named(f.inputs, "Edit128"), nullptr);
    EXPECT_EQ(named(f.inputs, "Edit128")->label(), "Parallel Conductor Count");

    // Differential pairs: Zdiff is the main result; Zo only where shown; the
    // heights named as the geometry names them; the field solver's line last.
    SelectProgramFunction(h.app, indexOf(Fn::DifferentialPairs));
    f = analysisFields(h.app);
    EXPECT_EQ(labels(f.results), (std::vector<std::string>{"Zdifferential (Ohms)", "Zo (Ohms)", "+ Tolerance of Zdiff (Ohms)",
                                                          "- Tolerance of Zdiff (Ohms)", "W/H", "S/H",
                                                          "Field solver Zdiff (Ohms)", "Field solver Zodd (Ohms)",
                                                          "Field solver Zeven (Ohms)", "Field solver Er eff",
                                                          "Closed form deviation (%)"}));
    EXPECT_EQ(labels(f.inputs), (std::vector<std::string>{"Conductor Width (W) (mm)", "Conductor Spacing (S) (mm)",
                                                         "Conductor Height (H) (mm)", "Target Zdiff (Ohms)", "Er"}));
    user::pick(h.app, h.app.shared().RadioGroup3, 2);  // edge-coupled internal, asymmetric
    f = analysisFields(h.app);
    EXPECT_EQ(named(f.inputs, "Edit27")->caption, "Conductor Height (H1)");
    EXPECT_EQ(named(f.inputs, "Edit32")->caption, "Conductor Height (H2)");
    user::pick(h.app, h.app.shared().RadioGroup3, 4);  // broadside, shielded: no Zo
    f = analysisFields(h.app);
    EXPECT_EQ(named(f.results, "Edit28"), nullptr);
    EXPECT_EQ(f.results[0].component->name(), "Edit29");

    // Via properties: the via's own fields, its lines of the Information
    // group by what they are, not the via count beside them.
    SelectProgramFunction(h.app, indexOf(Fn::Via));
    f = analysisFields(h.app);
    ASSERT_NE(named(f.inputs, "Edit4"), nullptr);
    EXPECT_EQ(named(f.inputs, "Edit4")->label(), "Internal Pad Diameter (mm)");
    EXPECT_EQ(named(f.inputs, "Edit227"), nullptr);
    ASSERT_NE(named(f.results, "Label285"), nullptr);
    EXPECT_EQ(named(f.results, "Label285")->label(), "Thermal Resistance per Via (°C/W)");
    EXPECT_EQ(f.results[0].label(), "Via Current (Amps)");
}

TEST(AnalysisFields, ResultsKeepTheirFullPrecisionBesideTheirText) {
    Conductor h;
    Component& current = h.app.c("Edit17");
    EXPECT_EQ(current.text(), "1.4586 Amps");
    const double full = resultValue(current);
    EXPECT_NEAR(full, 1.4586, 5e-5);
    EXPECT_NE(full, 1.4586);  // more digits than the text shows
    // Any other text replaces the number, and a text alone is read as shown.
    current.setText("N/A");
    EXPECT_TRUE(std::isnan(resultValue(current)));
    current.setText("2.5 Amps");
    EXPECT_EQ(resultValue(current), 2.5);
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
    EXPECT_NEAR(points[0].results[0], 1.4586, 5e-5);
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
