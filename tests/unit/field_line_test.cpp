// The field solver's line beside the impedance results: its texts, the
// generations that keep a late solution of older inputs off the line, "N/A"
// where a cross-section has none, the option that turns it off, and goal
// seek on its results without a worker thread.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "app_fixture.h"
#include "calc/lines/field_line_model.h"
#include "core/fields.h"
#include "shell/analysis_fields.h"
#include "core/user_actions.h"
#include "shell/goal_seek.h"
#include "shell/program.h"
#include "shell/script_driver.h"
#include "shell/selection.h"

using namespace tv;
using namespace tv::lines;

namespace {

TEST(FieldLineModel, TextsOfTheLine) {
    const double nan = std::nan("");
    struct Case {
        FieldFigures figures;
        double closedForm;
        bool pair;
        const char* deviation;
        const char* z0;
        const char* eeff;
        const char* zdiff;
    };
    const Case cases[] = {
        {{50, 3.21456}, 52.5, false, "+5.00 %", "50.00 Ohms", "3.215", "N/A"},
        {{50.004, 1}, 49.9, false, "-0.21 %", "50.00 Ohms", "1.000", "N/A"},
        // A pair's deviation is its Zdiff's.
        {{nan, 2.5, 100, 50, 60}, 95, true, "-5.00 %", "N/A", "2.500", "100.00 Ohms"},
        // No solution, no closed form, an impedance of zero or less: N/A.
        {{}, 50, false, "N/A", "N/A", "N/A", "N/A"},
        {{50, 3}, nan, false, "N/A", "50.00 Ohms", "3.000", "N/A"},
        {{-3, 3}, 50, false, "N/A", "N/A", "3.000", "N/A"},
        {{50, 3}, 0, false, "N/A", "50.00 Ohms", "3.000", "N/A"},
    };
    for (const Case& c : cases) {
        const FieldLineView v = solvedView(c.figures, c.closedForm, c.pair);
        SCOPED_TRACE(c.deviation);
        EXPECT_EQ(v.deviation.text, c.deviation);
        EXPECT_EQ(v.z0.text, c.z0);
        EXPECT_EQ(v.eeff.text, c.eeff);
        EXPECT_EQ(v.zdiff.text, c.zdiff);
        // A value keeps its number exactly when it shows one.
        EXPECT_EQ(std::isfinite(v.z0.value), v.z0.text != "N/A");
        EXPECT_EQ(std::isfinite(v.deviation.value), v.deviation.text != "N/A");
    }
    const FieldLineView solving = solvingView();
    for (const FieldLineValue* v : {&solving.deviation, &solving.z0, &solving.zodd}) {
        EXPECT_EQ(v->text, "\xE2\x80\xA6");
        EXPECT_TRUE(std::isnan(v->value));
    }
}

// Work handed on is kept until the test runs it, in any order.
class QueuingPlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;
    void runInBackground(BackgroundWork work) override { queued.push_back(std::move(work)); }
    // Runs the work now and its ending later, as a worker thread would.
    std::function<void()> work(size_t i) { return queued.at(i)(); }
    std::deque<BackgroundWork> queued;
};

struct QueuedApp {
    std::ostringstream out;
    MemorySettingsKey key;
    QueuingPlatform platform{out};
    App app;
    QueuedApp() : app(platform, installDefaults(key), functionCatalogue(), ".") {
        buildWindows(app);
        StartupSequence(app);
    }
    static MemorySettingsKey& installDefaults(MemorySettingsKey& k) {
        for (const auto& d : repairDefaults()) k.values[d.name] = d.value;
        return k;
    }
    Component& c(const char* name) { return app.c(name); }
};

TEST(FieldLine, ASolutionOfOlderInputsIsNeverShown) {
    QueuedApp q;
    SelectProgramFunction(q.app, indexOf(Fn::Impedance));
    user::typeText(q.app, q.c("Edit67"), "10");
    user::pressEnter(q.app, q.c("Edit67"));
    const size_t older = q.platform.queued.size() - 1;
    EXPECT_EQ(q.c("ImpFieldZo").text(), kSolvingText);
    user::typeText(q.app, q.c("Edit67"), "20");
    user::pressEnter(q.app, q.c("Edit67"));
    const size_t newer = q.platform.queued.size() - 1;
    ASSERT_GT(newer, older);

    // The newer solution arrives first, then the older one: the line keeps the newer.
    std::function<void()> olderDone = q.platform.work(older);
    q.platform.work(newer)();
    const std::string shown = q.c("ImpFieldZo").text();
    EXPECT_EQ(shown, "45.41 Ohms");  // W = 20 mils over 10 mils of FR-4
    olderDone();
    EXPECT_EQ(q.c("ImpFieldZo").text(), shown);

    // The older one alone, while the newer is still solving: the ellipsis stays.
    user::typeText(q.app, q.c("Edit67"), "10");
    user::pressEnter(q.app, q.c("Edit67"));
    const size_t third = q.platform.queued.size() - 1;
    user::typeText(q.app, q.c("Edit67"), "15");
    user::pressEnter(q.app, q.c("Edit67"));
    q.platform.work(third)();
    EXPECT_EQ(q.c("ImpFieldZo").text(), kSolvingText);
    EXPECT_EQ(q.c("ImpFieldDev").text(), kSolvingText);
    q.platform.work(q.platform.queued.size() - 1)();
    EXPECT_EQ(q.c("ImpFieldZo").text(), "53.14 Ohms");
    EXPECT_EQ(q.c("ImpFieldDev").text(), "-0.03 %");
    EXPECT_EQ(q.out.str(), "");
}

TEST(FieldLine, ACrossSectionThatCannotBeShowsNA) {
    HeadlessApp h;
    SelectProgramFunction(h.app, indexOf(Fn::DifferentialPairs));
    // Two conductors that touch: no pair to solve.
    user::typeText(h.app, h.app.c("Edit26"), "0");
    user::pressEnter(h.app, h.app.c("Edit26"));
    for (const char* name : {"PairFieldZdiff", "PairFieldZodd", "PairFieldZeven", "PairFieldEeff", "PairFieldDev"})
        EXPECT_EQ(h.app.c(name).text(), "N/A") << name;
    EXPECT_TRUE(h.app.c("PairFieldZdiff").visible());
    // Apart again, the line has figures.
    user::typeText(h.app, h.app.c("Edit26"), "5");
    user::pressEnter(h.app, h.app.c("Edit26"));
    EXPECT_EQ(h.app.c("PairFieldZdiff").text(), "93.88 Ohms");
    EXPECT_EQ(h.messages(), "");
}

// In every type of both calculators, in both unit systems and with every
// warning the panels show, the line overlaps nothing else on its panel.
TEST(FieldLine, OverlapsNothingOnItsPanel) {
    HeadlessApp h;
    struct Panel {
        Fn fn;
        const char* box;
        const char* prefix;
    };
    for (const Panel& panel : {Panel{Fn::Impedance, "GroupBox15", "ImpField"},
                               Panel{Fn::DifferentialPairs, "GroupBox8", "PairField"}}) {
        for (int metric = 0; metric < 2; ++metric) {
            SelectProgramFunction(h.app, indexOf(panel.fn));
            user::pick(h.app, h.app.shared().RadioGroup6, metric);
            for (int type = 0; type < 6; ++type) {
                user::pick(h.app, h.app.shared().RadioGroup3, type);
                // Equal heights bring up the asymmetric types' warnings.
                if (panel.fn == Fn::Impedance && type == 3) {
                    user::typeText(h.app, h.app.c("Edit74"), h.app.c("Edit68").text());
                    user::pressEnter(h.app, h.app.c("Edit74"));
                    EXPECT_TRUE(h.app.c("Label191").visible());
                }
                if (panel.fn == Fn::DifferentialPairs && type == 2) {
                    user::typeText(h.app, h.app.c("Edit32"), h.app.c("Edit27").text());
                    user::pressEnter(h.app, h.app.c("Edit32"));
                    EXPECT_TRUE(h.app.c("Label259").visible());
                }
                std::vector<const Component*> line, others;
                for (const auto& c : h.app.Form1.components()) {
                    if (c->parentName() != panel.box || !c->visible()) continue;
                    (c->name().rfind(panel.prefix, 0) == 0 ? line : others).push_back(c.get());
                }
                SCOPED_TRACE(std::string(panel.box) + " type " + std::to_string(type) +
                             (metric ? " metric" : " imperial"));
                ASSERT_FALSE(line.empty());
                for (const Component* a : line)
                    for (const Component* b : others) {
                        const bool apart = a->left() + a->width() <= b->left() || b->left() + b->width() <= a->left() ||
                                           a->top() + a->height() <= b->top() || b->top() + b->height() <= a->top();
                        EXPECT_TRUE(apart) << a->name() << " overlaps " << b->name();
                    }
            }
        }
    }
}

TEST(FieldLine, TheOptionHidesTheLineAndSolvesNothing) {
    QueuedApp q;
    SelectProgramFunction(q.app, indexOf(Fn::DifferentialPairs));
    q.platform.work(q.platform.queued.size() - 1)();
    EXPECT_EQ(q.c("PairFieldZdiff").text(), "93.88 Ohms");
    q.platform.queued.clear();

    user::click(q.app, q.app.Form6.get("FieldSolverCheck"));
    EXPECT_EQ(q.key.values["Field_Solver"], "0");
    EXPECT_FALSE(q.c("PairFieldZdiff").visible());
    EXPECT_FALSE(q.c("PairFieldHead").visible());
    SelectProgramFunction(q.app, indexOf(Fn::Impedance));
    EXPECT_FALSE(q.c("ImpFieldZo").visible());
    EXPECT_TRUE(q.platform.queued.empty());
    // Hidden, the line's results are not offered to goal seek and sweep.
    for (const AnalysisField& r : analysisFields(q.app).results)
        EXPECT_NE(std::string(r.field->id).rfind("field_", 0), 0u) << r.field->id;
    EXPECT_EQ(q.out.str(), "");

    // Turned on again, the line is back and solving; the choice is stored.
    user::click(q.app, q.app.Form6.get("FieldSolverCheck"));
    EXPECT_EQ(q.key.values["Field_Solver"], "1");
    EXPECT_TRUE(q.c("ImpFieldZo").visible());
    EXPECT_EQ(q.platform.queued.size(), 1u);
}

TEST(FieldLine, GoalSeekSolvesTheLineInItsOwnThread) {
    QueuedApp q;
    SelectProgramFunction(q.app, indexOf(Fn::Impedance));
    q.platform.queued.clear();
    Component& width = q.c("Edit67");
    const SolveOutcome o = goalSeek(q.app, width, q.c("ImpFieldZo"), 50, "W");
    ASSERT_TRUE(o.found) << o.message;
    EXPECT_EQ(width.text(), "16.83");
    EXPECT_EQ(q.c("Edit70").text(), "49.9857 Ohms");
    // The trials handed nothing on; the answer's line is solved once more
    // as after any recalculation.
    ASSERT_EQ(q.platform.queued.size(), 1u);
    EXPECT_EQ(q.c("ImpFieldZo").text(), kSolvingText);
    q.platform.work(0)();
    EXPECT_EQ(q.c("ImpFieldZo").text(), "50.00 Ohms");

    // A sweep of the closed form alone hands nothing on and leaves the
    // window as it was; a solution of the window's inputs that arrives
    // while it runs shows when the window is back.
    user::typeText(q.app, width, "15");
    user::pressEnter(q.app, width);
    q.platform.queued.clear();
    user::pressEnter(q.app, width);
    ASSERT_EQ(q.platform.queued.size(), 1u);
    std::function<void()> pending = q.platform.work(0);
    const auto points = sweep(q.app, width, 5, 20, 3, {&q.c("Edit70")}, false, [&](int done, int) {
        if (done == 2) pending();
        return true;
    });
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(q.platform.queued.size(), 1u);
    EXPECT_EQ(width.text(), "15");
    EXPECT_EQ(q.c("ImpFieldZo").text(), "53.14 Ohms");
    EXPECT_EQ(q.out.str(), "");
}

}  // namespace
