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

// Moves every choice of the function's table off its default and every number
// of its inputs (and of the shared column) to another value, as a user would.
void changeEverything(Program& p, int fn) {
    App& app = *p.app;
    user::pick(app, p.c("TabControl1"), fn);
    const FieldTable* table = app.catalogue.module(fn)->fields;
    for (const Selection& ch : table->selections) {
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
    change(d.calculators.at(app.catalogue.functions[static_cast<size_t>(fn)].id()).inputs, table);
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
        for (const Selection& c : f.module->fields->selections) names.insert(c.name);
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
    std::string name = row.id();
    for (char& c : name)
        if (c == '-') c = '_';  // a test name takes no '-'
    return name + "_" + trips[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(AllCalculators, RoundTrip,
                         testing::Combine(testing::Range(0, kFunctionCount),
                                          testing::Values(Trip::Same, Trip::MetricToImperial, Trip::ImperialToMetric,
                                                          Trip::PointToComma)),
                         tripName);

namespace {

// A good design to spoil: the defaults with a few values changed.
std::string goodDesign() {
    Program p;
    user::typeText(*p.app, p.c("Edit1"), "30");
    return designJson(captureDesign(*p.app));
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

struct BadFile {
    const char* name;
    std::string content;  // written into the file; nullptr-like "" with dir
    const char* problem;  // what the message says after "Cannot open FILE: "
};

}  // namespace

// Each kind of bad file is refused with one message naming the file and the
// problem, and the work stays exactly as it was.
TEST(DesignFiles, BadFilesAreRefusedWhole) {
    const std::string good = goodDesign();
    const BadFile cases[] = {
        {"text", "just some notes\n", "it is not a Tolvane design"},
        {"other-json", "{\"format\": \"something-else\", \"version\": 1}", "it is not a Tolvane design"},
        {"empty", "", "it is not a Tolvane design"},
        {"newer", replaced(good, "\"version\": 1", "\"version\": 2"),
         "it was saved by a newer version of Tolvane (design version 2); this version opens version 1"},
        {"truncated", good.substr(0, good.size() / 2), "it is cut short (the file ends too early)"},
        {"damaged", replaced(good, "\"shared\": {", "\"shared\": {{"), "it is damaged (it does not read at character"},
        {"no-units", replaced(good, "\"units\": \"imperial\"", "\"units\": \"cubits\""),
         "it is damaged (the units are neither imperial nor metric)"},
        {"bad-choice", replaced(good, "\"base_copper\": 1", "\"base_copper\": 40"),
         "the choice shared.base_copper is out of range"},
        {"half-choice", replaced(good, "\"base_copper\": 1", "\"base_copper\": 0.5"),
         "the choice shared.base_copper is out of range"},
        {"check-box", replaced(good, "\"dc\": false", "\"dc\": 3"), "the choice conductor.dc is not yes or no"},
        {"huge-number", replaced(good, "\"temp_rise\": 30", "\"temp_rise\": 1e999"), "it holds a number out of range"},
        {"overflowing-length",
         replaced(replaced(good, "\"units\": \"imperial\"", "\"units\": \"metric\""), "\"hole_diameter\": 10",
                  "\"hole_diameter\": 1e307"),
         "the value of via.hole_diameter is out of range"},
        {"wrong-kind", replaced(good, "\"er\": 4.6", "\"er\": [1, 2]"), "it is damaged (shared.er is neither a number nor a text)"},
        {"too-long", replaced(good, "\"temp_rise\": 30", "\"temp_rise\": \"" + std::string(40000, '7') + "\""),
         "the value of shared.temp_rise is longer than its field takes"},
        {"function", replaced(good, "\"function\": \"via\"", "\"function\": \"teleporter\""),
         "it shows a function this version does not have (teleporter)"},
        {"folder", "", "it is not a regular file"},
        {"missing", "", "No such file or directory"},
    };
    for (const BadFile& bad : cases) {
        SCOPED_TRACE(bad.name);
        Program p;
        user::typeText(*p.app, p.c("Edit2"), "31");
        const std::string before = designJson(captureDesign(*p.app));
        const std::string path = scratch(std::string(bad.name) + ".tvd");
        std::filesystem::remove_all(path);
        if (std::string(bad.name) == "folder") std::filesystem::create_directory(path);
        else if (std::string(bad.name) != "missing") writeFile(path, bad.content);

        EXPECT_FALSE(openDesign(*p.app, path));
        const std::string said = p.out.str();
        EXPECT_EQ(said.rfind("message: Cannot open " + path + ": " + bad.problem, 0), 0u) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(designJson(captureDesign(*p.app)), before);
    }
}

// A field holding bytes that are not UTF-8 (a script can type them) is saved
// with them replaced, and asking about unsaved changes works.
TEST(DesignFiles, TextsThatAreNotUtf8) {
    Program p;
    user::pick(*p.app, p.c("TabControl1"), indexOf(Fn::EmbeddedResistors));
    user::typeText(*p.app, p.c("Edit157"), "\xff\xfe");
    EXPECT_TRUE(unsavedChanges(*p.app));
    const std::string path = scratch("bytes.tvd");
    ASSERT_TRUE(saveDesign(*p.app, path));
    Program q;
    ASSERT_TRUE(openDesign(*q.app, path)) << q.out.str();
    EXPECT_EQ(q.c("Edit157").text(), "\xef\xbf\xbd\xef\xbf\xbd");
}

// Values of a newer version are named in a question: No leaves the work as it
// was, Yes opens the rest.
TEST(DesignFiles, UnknownIdsAreAskedAbout) {
    std::string text = replaced(goodDesign(), "\"temp_rise\": 30", "\"temp_rise\": 35, \"humidity\": 40");
    text = replaced(text, "\"format\"", "\"layout\": {}, \"format\"");
    const std::string path = scratch("newer-ids.tvd");
    writeFile(path, text);
    for (bool yes : {false, true}) {
        Program p;
        p.platform.answers.push_back(yes);
        EXPECT_EQ(openDesign(*p.app, path), yes);
        EXPECT_NE(p.out.str().find("question: " + path +
                                   " holds values this version of Tolvane does not know: layout, shared.humidity. "
                                   "Open it without them? -> "),
                  std::string::npos)
            << p.out.str();
        EXPECT_EQ(p.c("Edit1").text(), yes ? "35" : "20");
    }
}

// Reset Inputs puts back what start-up showed: the current calculator's own
// inputs and choices alone, or everything; the function shown stays.
TEST(DesignFiles, ResetInputs) {
    Program p;
    App& app = *p.app;
    user::pick(app, p.c("TabControl1"), indexOf(Fn::Conductor));
    user::typeText(app, p.c("Edit15"), "33");
    user::pick(app, p.c("RadioGroup15"), 1);
    user::pick(app, p.c("TabControl1"), indexOf(Fn::Fusing));
    user::typeText(app, p.c("Edit140"), "44");
    user::typeText(app, p.c("Edit1"), "35");
    EXPECT_TRUE(unsavedChanges(app));

    resetInputs(app, false);
    EXPECT_EQ(p.c("Edit140").text(), "10");
    EXPECT_EQ(p.c("Edit15").text(), "33");
    EXPECT_EQ(p.c("Edit1").text(), "35");

    resetInputs(app, true);
    EXPECT_EQ(p.c("Edit15").text(), "10");
    EXPECT_EQ(p.c("RadioGroup15").itemIndex(), 0);
    EXPECT_EQ(p.c("Edit1").text(), "20");
    EXPECT_TRUE(app.currentIs(Fn::Fusing));
    EXPECT_FALSE(unsavedChanges(app));
}

// The File menu asks before it throws away changes no design holds; the title
// shows the design's name once it has one.
TEST(DesignFiles, MenuAsksBeforeDiscardingAndShowsTheName) {
    Program p;
    App& app = *p.app;
    const std::string caption = app.Form1.self().caption();
    const std::string path = scratch("named.tvd");
    user::typeText(app, p.c("Edit1"), "35");
    ASSERT_TRUE(saveDesign(app, path));
    EXPECT_EQ(app.Form1.self().caption(), "named.tvd - " + caption);
    EXPECT_EQ(p.c("RecentDesign1").caption(), "&1 named.tvd");
    EXPECT_TRUE(p.c("RecentDesign1").visible());

    user::typeText(app, p.c("Edit1"), "36");
    p.platform.answers.push_back(false);
    user::click(app, p.c("ResetAll1"));
    EXPECT_EQ(p.c("Edit1").text(), "36");
    EXPECT_NE(p.out.str().find("question: The inputs have changes that are not saved in a design. Reset every "
                               "input all the same? -> no"),
              std::string::npos);

    p.platform.answers.push_back(true);
    user::click(app, p.c("RecentDesign1"));
    EXPECT_EQ(p.c("Edit1").text(), "35");
    EXPECT_FALSE(unsavedChanges(app));
}

// The remembered work is written only when it changed, and comes back in a
// program started afresh; a damaged one is said and left alone.
TEST(DesignFiles, RememberedWork) {
    const std::string path = scratch("data/tolvane/work.tvd");
    std::filesystem::remove_all(scratch("data"));
    {
        Program p;
        user::pick(*p.app, p.c("TabControl1"), indexOf(Fn::Ppm));
        user::typeText(*p.app, p.c("Edit1"), "41");
        EXPECT_EQ(rememberWork(*p.app, path), "");
        const auto written = std::filesystem::last_write_time(path);
        std::filesystem::last_write_time(path, written - std::chrono::hours(1));
        EXPECT_EQ(rememberWork(*p.app, path), "");
        EXPECT_EQ(std::filesystem::last_write_time(path), written - std::chrono::hours(1));
    }
    Program q;
    restoreWork(*q.app, path);
    EXPECT_EQ(q.c("Edit1").text(), "41");
    EXPECT_TRUE(q.app->currentIs(Fn::Ppm));

    // The design the work was saved in comes back with it.
    {
        Program p;
        user::typeText(*p.app, p.c("Edit1"), "42");
        ASSERT_TRUE(saveDesign(*p.app, scratch("kept.tvd")));
        EXPECT_EQ(rememberWork(*p.app, path), "");
    }
    {
        Program p;
        restoreWork(*p.app, path);
        EXPECT_EQ(p.app->Form1.self().caption().rfind("kept.tvd - ", 0), 0u);
        EXPECT_FALSE(unsavedChanges(*p.app));
        user::typeText(*p.app, p.c("Edit1"), "43");
        EXPECT_EQ(rememberWork(*p.app, path), "");
    }
    {
        Program p;
        restoreWork(*p.app, path);
        EXPECT_EQ(p.c("Edit1").text(), "43");
        EXPECT_TRUE(unsavedChanges(*p.app)) << "changed after it was saved";
    }

    writeFile(path, "{\"format\": \"tolvane-design\", \"vers");
    Program r;
    restoreWork(*r.app, path);
    EXPECT_EQ(r.out.str(), "message: The work of the last session was not restored: " + path +
                               ": it is cut short (the file ends too early)\n");
    EXPECT_EQ(r.c("Edit1").text(), "20");
}

// Every calculator has an id of its own, and every choice a table declares is
// a selection of the main window under an id used once in its table.
TEST(DesignFiles, EveryCalculatorAndChoiceHasAnId) {
    Program p;
    std::set<std::string> calculators;
    for (const auto& f : functionCatalogue().functions) {
        ASSERT_NE(f.id(), nullptr) << f.tabCaption;
        EXPECT_TRUE(calculators.insert(f.id()).second) << f.id();
        std::set<std::string> ids;
        for (const Selection& c : f.module->fields->selections) {
            EXPECT_TRUE(ids.insert(c.id).second) << f.id() << "." << c.id;
            const Component* comp = p.app->Form1.find(c.name);
            ASSERT_NE(comp, nullptr) << f.id() << "." << c.id;
            const Kind k = comp->kind();
            EXPECT_TRUE(k == Kind::RadioGroup || k == Kind::ComboBox || k == Kind::CheckBox || k == Kind::TrackBar)
                << f.id() << "." << c.id;
        }
    }
}
