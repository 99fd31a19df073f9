// The module contract: the catalogue's order, component names and handler
// slots checked when the windows are built.
#include <gtest/gtest.h>

#include <sstream>

#include "core/app.h"
#include "calc/modules.h"
#include "core/panel.h"
#include "shell/program.h"
#include "shell/script_driver.h"

using namespace tv;

namespace {

TEST(Catalogue, RowsFollowTheFunctionNumbers) {
    const Catalogue& cat = functionCatalogue();
    for (int i = 0; i < kFunctionCount; ++i) EXPECT_EQ(cat.functions[static_cast<size_t>(i)].index(), i);
    EXPECT_STREQ(cat[Fn::Fusing].menuItem, "FuseCurrent1");
    EXPECT_EQ(cat.module(-1), nullptr);
    EXPECT_EQ(cat.module(kFunctionCount), nullptr);
}

// A catalogue equal to the real one but with one module replaced.
struct PatchedCatalogue {
    Catalogue cat = functionCatalogue();
    PatchedCatalogue(Fn fn, const CalculatorModule& m) { cat.functions[static_cast<size_t>(indexOf(fn))].module = &m; }
};

struct Built {
    std::ostringstream out;
    MemorySettingsKey key;
    RecordingPlatform platform{out};
    App app;
    explicit Built(const Catalogue& cat) : app(platform, key, cat, ".") {}
};

struct MisspelledPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(Edit140);
    TV_COMPONENT(Edit1400);  // no such component
};

TEST(ModuleContract, AMisspelledComponentFailsTheWindowBuild) {
    static const CalculatorModule broken{
        .panel = "panels/fusing.win",
        .install = [](App& app) { app.bindPanel<MisspelledPanel>(); },
    };
    PatchedCatalogue patched(Fn::Fusing, broken);
    Built b(patched.cat);
    try {
        buildWindows(b.app);
        FAIL() << "the window build accepted a missing component";
    } catch (const DescriptionError& e) {
        EXPECT_STREQ(e.what(), "Form1 has no component Edit1400");
    }
}

TEST(ModuleContract, AHandlerInstalledTwiceFailsTheWindowBuild) {
    // The units group's handler belongs to the shell.
    static const CalculatorModule greedy{
        .install = [](App& app) { app.shared().RadioGroup6.onClick = [] {}; },
    };
    PatchedCatalogue patched(Fn::Thermal, greedy);
    Built b(patched.cat);
    try {
        buildWindows(b.app);
        FAIL() << "a second handler replaced the first";
    } catch (const DescriptionError& e) {
        EXPECT_STREQ(e.what(), "RadioGroup6.onClick already has a handler");
    }
}

TEST(ModuleContract, TheRealCatalogueBuilds) {
    Built b(functionCatalogue());
    EXPECT_NO_THROW(buildWindows(b.app));
}

TEST(ModuleContract, UnitsSwitchRelabelsEveryPanelBeforeAnyFieldConverts) {
    // A via field that does not read stops the conversions; the fusing
    // panel, after it in the catalogue, already shows millimetres.
    Built b(functionCatalogue());
    for (const auto& d : repairDefaults()) b.key.values[d.name] = d.value;
    buildWindows(b.app);
    StartupSequence(b.app);
    b.app.c("Edit3").setText("x");
    b.app.userAction([&] { b.app.shared().RadioGroup6.setItemIndex(1); });
    EXPECT_EQ(b.app.c("Edit155").text(), "mm");
    EXPECT_EQ(b.app.c("Edit52").text(), "mm");
    EXPECT_NE(b.out.str().find("'x' is not a valid floating point value"), std::string::npos);
}

}  // namespace
