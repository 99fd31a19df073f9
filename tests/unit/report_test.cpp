// The current calculator's report and the table Copy Results puts on the
// clipboard: built from its field table and the window model, numbers in the
// user's separator, following the calculator's type, units and picture.
#include <gtest/gtest.h>

#include <sstream>

#include "app_fixture.h"
#include "core/catalogue.h"
#include "core/user_actions.h"
#include "shell/keyboard.h"
#include "shell/report.h"
#include "shell/selection.h"

using namespace tv;

namespace {

std::vector<std::string> captions(const std::vector<ReportRow>& rows) {
    std::vector<std::string> out;
    for (const ReportRow& r : rows) out.push_back(r.caption);
    return out;
}

const ReportRow* row(const std::vector<ReportRow>& rows, const std::string& caption) {
    for (const ReportRow& r : rows)
        if (r.caption == caption) return &r;
    return nullptr;
}

// The lines of the table, each split at its tabs.
std::vector<std::vector<std::string>> cells(const std::string& table) {
    std::vector<std::vector<std::string>> out;
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> c;
        size_t from = 0;
        for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
            c.push_back(line.substr(from, tab - from));
        c.push_back(line.substr(from));
        out.push_back(c);
    }
    return out;
}

struct Conductor : HeadlessApp {
    explicit Conductor(std::string separator = ".") : HeadlessApp(std::move(separator)) {
        SelectProgramFunction(app, indexOf(Fn::Conductor));
    }
};

TEST(Report, ConductorInputsResultsAndSettingsFromItsFieldTable) {
    Conductor h(",");
    user::typeText(h.app, h.app.c("Edit15"), "10");
    user::pressEnter(h.app, h.app.c("Edit15"));
    const Report r = currentReport(h.app);

    EXPECT_EQ(r.title, "Conductor Properties");
    EXPECT_EQ(captions(r.inputs), (std::vector<std::string>{"Conductor Width", "Conductor Length", "PCB Thickness",
                                                            "Frequency", "Temp Rise", "Ambient Temp"}));
    ASSERT_TRUE(row(r.inputs, "Conductor Width"));
    EXPECT_EQ(row(r.inputs, "Conductor Width")->value, "10");
    EXPECT_EQ(row(r.inputs, "Conductor Width")->unit, "mils");
    // Results: the number in the user's separator, the unit it is shown in.
    const ReportRow* current = row(r.results, "Conductor Current");
    ASSERT_TRUE(current);
    EXPECT_EQ(current->value, "1,4586");
    EXPECT_EQ(current->unit, "Amps");
    EXPECT_EQ(r.results.front().caption, "Conductor Current") << "the main result first";

    const ReportRow* layer = row(r.choices, "Conductor Layer");
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->value, "External Layer");
    EXPECT_TRUE(row(r.choices, "Units"));
    EXPECT_FALSE(row(r.choices, "Layer Set")) << "another calculator's group is no setting of this one";

    EXPECT_NE(r.method.find("IPC"), std::string::npos);
    EXPECT_FALSE(r.references.empty());
    EXPECT_EQ(r.picture, "pictures/conductor_single_external.svg");
    // The picture and the rows follow the window.
    user::pick(h.app, h.app.shared().RadioGroup3, 0);
    EXPECT_EQ(currentReport(h.app).picture, "pictures/conductor_single_internal.svg");
}

TEST(Report, FollowsTheTypeAndTheUnitsSwitch) {
    Conductor h;
    user::pick(h.app, h.app.c("RadioGroup6"), 1);  // metric
    Report r = currentReport(h.app);
    EXPECT_EQ(row(r.inputs, "Conductor Width")->unit, "mm");
    EXPECT_EQ(row(r.results, "Conductor Cross Section")->unit, "Sq.mm");
    EXPECT_EQ(row(r.choices, "Units")->value, "Metric");

    // A calculator that shows the unit beside a field takes it from there, and
    // names the other calculator's type.
    SelectProgramFunction(h.app, indexOf(Fn::Impedance));
    user::pick(h.app, h.app.shared().RadioGroup3, 2);  // stripline
    r = currentReport(h.app);
    EXPECT_EQ(r.title, "Conductor Impedance");
    EXPECT_EQ(row(r.choices, "Passive Circuits")->value, "Stripline");
    ASSERT_FALSE(r.results.empty());
    EXPECT_EQ(r.results.front().caption, "Zo");
    EXPECT_EQ(r.results.front().unit, "Ohms");

    // "&&" in a name is one "&".
    SelectProgramFunction(h.app, indexOf(Fn::Bandwidth));
    EXPECT_EQ(currentReport(h.app).title, "Bandwidth & Max Conductor Length");
}

// Ctrl+Shift+C (Edit > Copy Results) copies three tab-separated cells a
// line: inputs, then results, the values in the user's separator. A result
// copied under a comma reads as an input again.
TEST(Report, CopyResultsIsATabSeparatedTableThatPastesBack) {
    Conductor h(",");
    h.out.str("");
    ASSERT_TRUE(pressKey(h.app, h.app.Form1, "Ctrl+Shift+C"));
    std::string printed = h.out.str();
    std::string table;
    for (std::istringstream lines(printed); std::getline(lines, printed);) {
        ASSERT_EQ(printed.rfind("copy: ", 0), 0u) << printed;
        table += printed.substr(6) + "\n";
    }
    EXPECT_EQ(table, resultsTable(currentReport(h.app)));
    const auto rows = cells(table);
    const Report r = currentReport(h.app);
    ASSERT_EQ(rows.size(), r.inputs.size() + r.results.size());
    for (const auto& c : rows) EXPECT_EQ(c.size(), 3u) << c.front();
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"Conductor Width", "10", "mils"}));
    EXPECT_EQ(rows[r.inputs.size() + 1], (std::vector<std::string>{"Conductor Cross Section", "16,59", "Sq.mils"}));

    // The copied current pasted as the frequency reads and recalculates.
    const std::string current = rows[r.inputs.size()][1];
    EXPECT_EQ(current, "1,4586");
    const std::string skinDepth = h.app.c("Edit129").text();
    user::typeText(h.app, h.app.c("Edit130"), current);
    user::pressEnter(h.app, h.app.c("Edit130"));
    EXPECT_NE(h.app.c("Edit129").text(), skinDepth);
    EXPECT_EQ(h.messages().find("message:"), std::string::npos) << h.messages();
}

TEST(Report, ATabOrLineBreakInAFieldStaysInItsCell) {
    Report r;
    r.inputs = {{"Width", "1\t2\n3", "mils"}};
    r.results = {{"Current", "N/A", "Amps"}};
    EXPECT_EQ(resultsTable(r), "Width\t1 2 3\tmils\nCurrent\tN/A\tAmps\n");
}

TEST(Report, EveryCalculatorStatesItsMethod) {
    HeadlessApp h;
    for (const FunctionEntry& f : h.app.catalogue.functions) {
        ASSERT_TRUE(f.module);
        EXPECT_TRUE(f.module->method.summary && *f.module->method.summary) << f.tabCaption;
        SelectProgramFunction(h.app, f.index());
        const Report r = currentReport(h.app);
        EXPECT_FALSE(r.inputs.empty() && r.results.empty()) << f.tabCaption;
    }
}

}  // namespace
