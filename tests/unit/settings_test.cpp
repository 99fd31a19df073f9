#include <gtest/gtest.h>

#include "app_fixture.h"
#include "shell/selection.h"

using namespace tv;

TEST(SettingsWrite, FailedOpenRewritesThePreviousCachedText) {
    MemorySettingsKey key;
    Settings s(key);
    s.write("Program", "3");
    EXPECT_EQ(key.values["Program"], "3");
    key.writable = false;
    EXPECT_THROW(s.write("Program", "5"), SettingsError);
    EXPECT_EQ(s.cached("Program"), "3");
    key.writable = true;
    EXPECT_EQ(key.values["Program"], "3");
}

TEST(SettingsRead, MissingKeyOrValueReadsEmpty) {
    MemorySettingsKey key;
    key.installed = false;
    Settings s(key);
    EXPECT_FALSE(s.openRead());
    EXPECT_EQ(s.read("Units"), "");
    key.installed = true;
    key.values["Units"] = "1";
    EXPECT_TRUE(s.openRead());
    EXPECT_EQ(s.read("Units"), "1");
    EXPECT_EQ(s.read("Program"), "");
}

TEST(Selection, UnwritableKeyStillSwitchesThePanelAndReportsTheWrite) {
    HeadlessApp h;
    h.key.writable = false;
    h.app.c("Edit1").setText("30");
    h.app.userAction([&] { SelectProgramFunction(h.app, 1); });
    EXPECT_TRUE(h.app.c("GroupBox5").visible());
    EXPECT_EQ(h.app.currentFunction, 1);
    EXPECT_NE(h.messages().find("message: Failed to set data for 'Program'"), std::string::npos);
    EXPECT_EQ(h.app.settings.cached("Program"), "0");
}

TEST(Button1Click, NestedCallsFromAComputeRoutineWork) {
    HeadlessApp h;
    int depth = 0, runs = 0;
    Catalogue cat = h.app.catalogue;
    CalculatorModule reentrant;
    static std::function<void(App&)> body;
    body = [&](App& a) {
        ++runs;
        if (depth++ == 0) {
            a.c("Edit1").setText("50");
            a.Button1Click();
        }
    };
    reentrant.compute = [](App& a) { body(a); };
    cat.functions[18].module = &reentrant;
    MemorySettingsKey key = h.key;
    App app(h.platform, key, cat, ".");
    buildWindows(app);
    StartupSequence(app);
    SelectProgramFunction(app, 18);
    app.c("Edit1").setText("20");
    depth = 0;
    runs = 0;
    app.Button1Click();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(app.c("Label2").caption(), "90.0");
}
