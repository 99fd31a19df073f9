// The field tables: every calculator declares its inputs and results once,
// each shown result keeps the number its format shows, and goal seek and the
// units switch need nothing but a module's table.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "app_fixture.h"
#include "core/checks.h"
#include "core/user_actions.h"
#include "shell/analysis_fields.h"
#include "shell/goal_seek.h"
#include "shell/selection.h"

using namespace tv;

namespace {

TEST(FieldTables, EveryCalculatorDeclaresItsFieldsOnce) {
    HeadlessApp h;
    const std::regex id("[a-z][a-z0-9]*(_[a-z0-9]+)*");
    for (const FunctionEntry& f : h.app.catalogue.functions) {
        SCOPED_TRACE(f.tabCaption);
        ASSERT_NE(f.module->fields, nullptr);
        std::set<std::string> ids;
        int results = 0;
        for (const Field& field : f.module->fields->fields) {
            EXPECT_TRUE(std::regex_match(field.id, id)) << field.id;
            EXPECT_TRUE(ids.insert(field.id).second) << "twice: " << field.id;
            EXPECT_NE(h.app.Form1.find(field.name), nullptr) << field.name;
            if (field.unitBox) {
                EXPECT_NE(h.app.Form1.find(field.unitBox), nullptr) << field.unitBox;
            }
            if (!field.isResult()) {
                EXPECT_EQ(field.format, nullptr) << field.id;
            }
            results += field.isResult();
        }
        EXPECT_GT(results, 0);
    }
}

// What each calculator shows after selecting it, in both unit systems: a
// result with a format keeps the number that its format turns into its text.
TEST(FieldTables, ShownResultsKeepTheNumberTheirFormatShows) {
    HeadlessApp h;
    int compared = 0;
    for (int metric = 0; metric < 2; ++metric) {
        user::pick(h.app, h.app.shared().RadioGroup6, metric);
        for (const FunctionEntry& f : h.app.catalogue.functions) {
            SelectProgramFunction(h.app, f.index());
            SCOPED_TRACE(std::string(f.tabCaption) + (metric ? ", metric" : ", imperial"));
            for (const AnalysisField& r : analysisFields(h.app).results) {
                if (!r.field->format || r.component->text() == "N/A") continue;
                const double kept = r.component->resultValue();
                EXPECT_FALSE(std::isnan(kept)) << r.field->id << " shows " << r.component->text();
                if (std::isnan(kept)) continue;
                const std::string text = resultText(r.field->formatIn(metric), kept);
                ++compared;
                EXPECT_EQ(r.component->text().compare(0, text.size(), text), 0)
                    << r.field->id << ": " << r.component->text() << " vs " << text;
            }
        }
    }
    EXPECT_GT(compared, 100);
    EXPECT_EQ(h.messages(), "");
}

// A calculator made for this test: y = x * x + 1, and a gap in mils or mm.
void ComputeSquare(App& app) {
    showResult(app.c("Edit273"), "%.3f Ohms", app.num(app.c("Edit270")) * app.num(app.c("Edit270")) + 1);
}

constexpr Field kSquareFields[] = {
    {"x", "Edit270", "X", Role::Input},
    {"gap", "Edit271", "Gap", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit276"},
    {"depth", "Edit272", "Depth", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit277"},
    {"y", "Edit273", "Y", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms"},
};
constexpr FieldTable kSquareTable{kSquareFields};

const CalculatorModule squareModule{
    .panel = "panels/reactance.win",
    .fields = &kSquareTable,
    .compute = ComputeSquare,
};

struct SquareApp {
    Catalogue cat = functionCatalogue();
    std::ostringstream out;
    MemorySettingsKey key;
    RecordingPlatform platform{out};
    App app{platform, HeadlessApp::installDefaults(key), withSquare(cat), "."};
    SquareApp() {
        buildWindows(app);
        StartupSequence(app);
        SelectProgramFunction(app, indexOf(Fn::Reactance));
    }
    static const Catalogue& withSquare(Catalogue& c) {
        c.functions[static_cast<size_t>(indexOf(Fn::Reactance))].module = &squareModule;
        return c;
    }
};

TEST(FieldTables, GoalSeekAndTheUnitsSwitchNeedNothingButTheTable) {
    SquareApp s;
    const AnalysisFields f = analysisFields(s.app);
    ASSERT_EQ(f.inputs.size(), 3u);
    ASSERT_EQ(f.results.size(), 1u);
    EXPECT_EQ(f.inputs[1].label(), "Gap (mils)");
    EXPECT_EQ(f.results[0].label(), "Y (Ohms)");

    Component& x = *f.inputs[0].component;
    const SolveOutcome o = goalSeek(s.app, x, *f.results[0].component, 10, f.inputs[0].caption);
    ASSERT_TRUE(o.found) << o.message;
    EXPECT_EQ(x.text(), "3");
    EXPECT_EQ(s.app.c("Edit273").text(), "10.000 Ohms");
    EXPECT_DOUBLE_EQ(o.result, 10);

    s.app.c("Edit271").setText("100");
    s.app.c("Edit272").setText("10");
    user::pick(s.app, s.app.shared().RadioGroup6, 1);
    EXPECT_EQ(s.app.c("Edit271").text(), "2.54");
    EXPECT_EQ(s.app.c("Edit276").text(), "mm");
    EXPECT_EQ(s.app.c("Edit272").text(), "0.254");
    EXPECT_EQ(analysisFields(s.app).inputs[1].label(), "Gap (mm)");
    EXPECT_EQ(s.out.str(), "");

    // A length that does not read stops the switch there: every unit box is
    // relabelled already, the lengths before it are converted, it keeps its text.
    s.app.c("Edit272").setText("abc");
    user::pick(s.app, s.app.shared().RadioGroup6, 0);
    EXPECT_EQ(s.out.str(), "message: 'abc' is not a valid floating point value\n");
    EXPECT_EQ(s.app.c("Edit276").text(), "mils");
    EXPECT_EQ(s.app.c("Edit277").text(), "mils");
    EXPECT_EQ(s.app.c("Edit271").text(), "100");
    EXPECT_EQ(s.app.c("Edit272").text(), "abc");
}

}  // namespace
