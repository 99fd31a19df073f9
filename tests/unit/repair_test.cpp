#include <gtest/gtest.h>

#include <filesystem>

#include "app_fixture.h"
#include "shell/repair.h"
#include "core/user_actions.h"

using namespace tv;

namespace {

// A key whose single writes fail after the first few, as a full disk or a
// killed program would leave them.
struct FailingKey : MemorySettingsKey {
    int writesLeft = 4;
    void write(const std::string& name, const std::string& text) override {
        if (writesLeft-- <= 0) throw SettingsError("Failed to set data for '" + name + "'");
        MemorySettingsKey::write(name, text);
    }
};

std::map<std::string, std::string> oldValues() {
    std::map<std::string, std::string> v;
    for (const auto& d : repairDefaults()) v[d.name] = "5";
    return v;
}

// Clicks "Run " in the repair window, with the import file in the temporary directory.
void runRepair(App& app) {
    showRepairWindow(app);
    app.Form8.get("Edit1").setText((std::filesystem::temp_directory_path() / "tolvane_repair_test.reg").string());
    user::click(app, app.Form8.get("Button1"));
}

}  // namespace

TEST(Repair, AFailedRunLeavesTheOldKeyOrTheRepairedOne) {
    std::ostringstream out;
    RecordingPlatform platform(out);
    FailingKey key;
    key.values = oldValues();
    key.writesLeft = 1000;
    App app(platform, key, functionCatalogue(), ".");
    buildWindows(app);
    StartupSequence(app);
    key.values = oldValues();
    key.writesLeft = 4;
    runRepair(app);
    std::map<std::string, std::string> repaired;
    for (const auto& d : repairDefaults()) repaired[d.name] = d.value;
    EXPECT_TRUE(key.values == oldValues() || key.values == repaired) << out.str();
}

TEST(Repair, RunInstallsTheDefaultsAndEndsTheProgram) {
    HeadlessApp h;
    h.key.values = oldValues();
    runRepair(h.app);
    EXPECT_TRUE(h.app.ended);
    for (const auto& d : repairDefaults()) EXPECT_EQ(h.key.values[d.name], d.value) << d.name;
}

TEST(FirstStart, InstallsOnlyAKeyThatDoesNotExist) {
    MemorySettingsKey never;
    never.installed = false;
    EXPECT_TRUE(installOnFirstStart(never));
    EXPECT_EQ(never.values.size(), repairDefaults().size());
    EXPECT_EQ(never.values["Vurivav_Theme"], "0");

    MemorySettingsKey damaged;  // exists, but lacks values: left for the warning
    damaged.values["Program"] = "3";
    EXPECT_FALSE(installOnFirstStart(damaged));
    EXPECT_EQ(damaged.values.size(), 1u);

    MemorySettingsKey locked;  // cannot be created: the start goes on without it
    locked.installed = false;
    locked.writable = false;
    EXPECT_FALSE(installOnFirstStart(locked));
    EXPECT_TRUE(locked.values.empty());
}
