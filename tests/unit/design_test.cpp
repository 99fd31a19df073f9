// Designs: every calculator's inputs and choices saved and opened again in a
// program started afresh, under other units and another separator; files
// that are no design this program can apply are refused whole.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "core/app.h"
#include "core/design.h"
#include "core/user_actions.h"
#include "shell/designs.h"
#include "shell/program.h"
#include "shell/script_driver.h"

namespace {

using namespace tv;

// A headless program started as the desktop program starts, on stored units.
struct Program {
    std::ostringstream out;
    MemorySettingsKey key;
    RecordingPlatform platform{out};
    std::unique_ptr<App> app;

    explicit Program(std::string separator = ".", bool metric = false) {
        for (const auto& d : repairDefaults()) key.values[d.name] = d.value;
        key.values["Units"] = metric ? "1" : "0";
        app = std::make_unique<App>(platform, key, functionCatalogue(), std::move(separator));
        buildWindows(*app);
        StartupSequence(*app);
        startDesignSession(*app);
        out.str("");
    }
    Component& c(const std::string& name) { return app->c(name); }
};

std::string scratch(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("tolvane-design-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Moves every choice of the function's table off its default and every number
// of its inputs (and of the shared column) to another value, as a user would.
void changeEverything(Program& p, int fn) {
    App& app = *p.app;
    user::pick(app, p.c("TabControl1"), fn);
    const FieldTable* table = app.catalogue.module(fn)->fields;
    for (const Choice& ch : table->choices) {
        Component& c = p.c(ch.name);
        switch (c.kind()) {
            case Kind::CheckBox: user::click(app, c); break;
            case Kind::TrackBar: user::slide(app, c, c.position() < c.max() ? c.position() + 1 : c.position() - 1); break;
            default:
                if (c.items().size() > 1) user::pick(app, c, (c.itemIndex() + 1) % static_cast<int>(c.items().size()));
        }
    }
    user::pick(app, p.c("ComboBox1"), 3);
    user::pick(app, p.c("RadioGroup4"), 2);
    const Design d = captureDesign(app);
    auto change = [&](const std::map<std::string, DesignValue>& inputs, const FieldTable* t) {
        for (const auto& [id, v] : inputs) {
            const double* n = std::get_if<double>(&v);
            if (!n) continue;
            for (const Field& f : t->fields)
                if (id == f.id) {
                    user::typeText(app, p.c(f.name), app.numberText(*n == 0 ? 1 : *n * 1.25));
                    break;
                }
        }
    };
    change(d.calculators.at(app.catalogue.functions[static_cast<size_t>(fn)].id).inputs, table);
    user::typeText(app, p.c("Edit1"), app.numberText(25));
    user::typeText(app, p.c("Edit227"), "12");
    app.userAction([&] { app.Button1Click(); });
}

// What a design brings back as the user sees it: every input and choice of
// every calculator and of the shared column, and every field of the function
// shown (its results recalculated). Other calculators' results are left as
// they were: they are recalculated when their function is shown.
std::map<std::string, std::string> window(Program& p, const std::string& separator) {
    std::set<std::string> names;
    App& app = *p.app;
    for (const auto& f : app.catalogue.functions) {
        const FieldTable& table = *f.module->fields;
        const int type = f.index() == app.currentFunction ? table.currentType(*p.app) : -1;
        for (const Field& field : table.fields)
            if (!field.isResult() || field.inType(type)) names.insert(field.name);
        for (const Choice& c : f.module->fields->choices) names.insert(c.name);
    }
    for (const char* n : {"ComboBox1", "RadioGroup4", "RadioGroup1", "RadioGroup3", "RadioGroup5", "RadioGroup6",
                          "Edit7", "Edit66", "Edit1", "Edit2", "Edit136", "Edit138", "Edit227", "TabControl1"})
        names.insert(n);
    std::map<std::string, std::string> seen;
    for (const std::string& name : names) {
        const Component& c = p.app->Form1.get(name);
        // Results hidden in the state shown keep what an earlier state showed.
        if (!c.visible() && c.readOnly()) continue;
        std::string text = c.text();
        if (separator == ",") std::replace(text.begin(), text.end(), ',', '.');
        // A number the program writes takes the separator: compare it as a number.
        for (const std::string& sep : {separator, std::string(".")})
            if (text.find_first_of(".,'") != std::string::npos && isFloat(text, sep)) {
                text = "number " + generalText(readFloat(text, sep), ".");
                break;
            }
        seen[c.name()] = text + " | " + std::to_string(c.itemIndex()) + " " + std::to_string(c.checked()) + " " +
                         std::to_string(c.position()) + " " + std::to_string(c.visible()) +
                         std::to_string(c.enabled());
    }
    return seen;
}

// How the design travels: saved and opened under the same settings, saved
// in metric and opened under imperial units (and the other way), opened
// under a comma.
enum class Trip { Same, MetricToImperial, ImperialToMetric, PointToComma };

struct RoundTrip : testing::TestWithParam<std::tuple<int, Trip>> {};

}  // namespace

TEST_P(RoundTrip, EveryInputAndResultComesBack) {
    const auto [fn, trip] = GetParam();
    Program a;
    changeEverything(a, fn);
    if (trip == Trip::MetricToImperial) user::pick(*a.app, a.c("RadioGroup6"), 1);
    const std::string path = scratch("trip.tvd");
    ASSERT_TRUE(saveDesign(*a.app, path)) << a.out.str();

    Program b(trip == Trip::PointToComma ? "," : ".", trip == Trip::ImperialToMetric);
    ASSERT_TRUE(openDesign(*b.app, path)) << b.out.str();
    // The window the design was saved from, shown in the units it is opened under.
    if (trip == Trip::MetricToImperial) user::pick(*a.app, a.c("RadioGroup6"), 0);
    if (trip == Trip::ImperialToMetric) user::pick(*a.app, a.c("RadioGroup6"), 1);

    const auto before = window(a, ".");
    const auto after = window(b, trip == Trip::PointToComma ? "," : ".");
    for (const auto& [name, seen] : before) EXPECT_EQ(after.at(name), seen) << name;
}

std::string tripName(const testing::TestParamInfo<std::tuple<int, Trip>>& info) {
    static const char* const trips[] = {"Same", "MetricToImperial", "ImperialToMetric", "PointToComma"};
    const auto& row = functionCatalogue().functions[static_cast<size_t>(std::get<0>(info.param))];
    return std::string(row.id) + "_" + trips[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(AllCalculators, RoundTrip,
                         testing::Combine(testing::Range(0, kFunctionCount),
                                          testing::Values(Trip::Same, Trip::MetricToImperial, Trip::ImperialToMetric,
                                                          Trip::PointToComma)),
                         tripName);
