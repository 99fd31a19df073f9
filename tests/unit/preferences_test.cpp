// The program options in the model: start-up loads them, the options window
// and the units switch change them, and the calculators follow them.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core/user_actions.h"

using namespace tv;

namespace {

// A key that holds an option other than the default for each option.
MemorySettingsKey& storedOptions(MemorySettingsKey& k) {
    HeadlessApp::installDefaults(k);
    k.values["Units"] = "1";
    k.values["IPC_Version"] = "2";
    k.values["Derating"] = "1";
    k.values["Manual_Copper_Weight"] = "1";
    k.values["Via_Height_Enable"] = "0";
    k.values["TH_Via_AR_Setting"] = "8";
    k.values["UVia_AR_Setting"] = "0,75";
    return k;
}

TEST(Preferences, StartUpLoadsTheStoredOptions) {
    HeadlessApp plain;
    const Preferences& d = plain.app.preferences();
    EXPECT_FALSE(d.metric);
    EXPECT_EQ(d.decimal, DecimalMode::Point);
    EXPECT_EQ(d.ipc, IpcMethod::Ipc2152WithModifiers);
    EXPECT_EQ(d.etch, EtchFactor::OneToOne);
    EXPECT_FALSE(d.manualCopper);
    EXPECT_TRUE(d.viaHeightInCurrent);

    std::ostringstream out;
    MemorySettingsKey key;
    RecordingPlatform platform{out};
    App app(platform, storedOptions(key), functionCatalogue(), ",");
    buildWindows(app);
    StartupSequence(app);
    const Preferences& p = app.preferences();
    EXPECT_TRUE(p.metric);
    EXPECT_EQ(p.decimal, DecimalMode::Comma);
    EXPECT_EQ(p.ipc, IpcMethod::Ipc2221);
    EXPECT_EQ(p.etch, EtchFactor::None);
    EXPECT_TRUE(p.manualCopper);
    EXPECT_FALSE(p.viaHeightInCurrent);
    EXPECT_EQ(p.throughHoleAspectLimit, "8");
    EXPECT_EQ(p.microviaAspectLimit, "0,75");
    EXPECT_EQ(out.str(), "");
}

TEST(Preferences, TheOptionsWindowAndTheUnitsSwitchChangeThem) {
    HeadlessApp h;
    App& a = h.app;
    user::pick(a, a.Form6.get("RadioGroup1"), 1);
    EXPECT_EQ(a.preferences().ipc, IpcMethod::Ipc2152);
    user::pick(a, a.Form6.get("RadioGroup2"), 1);
    EXPECT_EQ(a.preferences().etch, EtchFactor::None);
    user::click(a, a.Form6.get("CheckBox1"));
    EXPECT_TRUE(a.preferences().manualCopper);
    user::click(a, a.Form6.get("CheckBox2"));
    EXPECT_FALSE(a.preferences().viaHeightInCurrent);
    user::typeText(a, a.Form6.get("Edit1"), "12");
    EXPECT_EQ(a.preferences().throughHoleAspectLimit, "12");
    user::pick(a, a.c("RadioGroup6"), 1);
    EXPECT_TRUE(a.preferences().metric);
    // A control changed by code that raises no handler changes nothing.
    a.Form6.get("RadioGroup1").onClick.take();
    a.Form6.get("RadioGroup1").setItemIndex(2);
    EXPECT_EQ(a.preferences().ipc, IpcMethod::Ipc2152);
}

// The via reads its aspect-ratio limit from the options: a limit above the
// ratio leaves it black, one below turns it red, and a limit that does not
// read stops the recalculation with its message.
TEST(Preferences, TheViaFollowsItsAspectRatioLimit) {
    HeadlessApp h;
    App& a = h.app;
    ASSERT_EQ(a.c("Label350").caption(), "6.20:1");
    user::typeText(a, a.Form6.get("Edit1"), "6");
    EXPECT_EQ(a.c("Label350").color(), colors::Red);
    user::typeText(a, a.Form6.get("Edit1"), "7");
    EXPECT_EQ(a.c("Label350").color(), colors::Black);
    user::typeText(a, a.Form6.get("Edit1"), "x");
    user::pressEnter(a, a.c("Edit3"));
    EXPECT_EQ(h.messages(), "message: 'x' is not a valid floating point value\n"
                            "message: 'x' is not a valid floating point value\n");
}

}  // namespace
