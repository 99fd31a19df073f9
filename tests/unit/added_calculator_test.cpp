// A calculator added from outside the program: its panel description, its
// model and its module, registered by a catalogue built here with one more
// row. The window builds with it, the menu and the tabs offer it, it is
// selected and recalculated, it follows the units switch and start-up
// returns to it; nothing in core/ or shell/ knows it.
#include <gtest/gtest.h>

#include <sstream>

#include "core/app.h"
#include "core/checks.h"
#include "core/panel.h"
#include "core/stackup.h"
#include "core/units.h"
#include "core/user_actions.h"
#include "shell/program.h"
#include "shell/script_driver.h"

using namespace tv;

namespace {

// The model: the area of a rectangular slot.
double slotArea(double width, double length) { return width * length; }

// The panel description (a calculator of the program keeps it under
// resources/panels/).
const char* const kSlotPanel = R"(
Label LabelS1 parent=GroupBoxS caption="Slot Width" at=16,36,150,13
Edit EditS1 parent=GroupBoxS text=10 at=170,32,80,21
Edit EditS2 parent=GroupBoxS text=mils readonly=true at=254,32,60,21
Label LabelS3 parent=GroupBoxS caption="Slot Length" at=16,63,150,13
Edit EditS3 parent=GroupBoxS text=50 at=170,59,80,21
Edit EditS4 parent=GroupBoxS text=mils readonly=true at=254,59,60,21
Label LabelS5 parent=GroupBoxS caption="Slot Area" at=16,90,150,13
Edit EditS5 parent=GroupBoxS readonly=true color=navy at=170,86,144,21
)";

struct SlotPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(EditS1);  // width
    TV_COMPONENT(EditS2);
    TV_COMPONENT(EditS3);  // length
    TV_COMPONENT(EditS4);
    TV_COMPONENT(EditS5);  // area
};

const CalculatorModule slotModule{
    .install =
        [](App& app) {
            app.Form1.load(kSlotPanel, "slot panel");
            app.bindPanel<SlotPanel>();
        },
    .compute =
        [](App& app) {
            SlotPanel& p = app.panel<SlotPanel>();
            const double a = slotArea(app.num(p.EditS1), app.num(p.EditS3));
            showResult(p.EditS5, metricUnits(app) ? "%.4f Sq.mm" : "%.2f Sq.mils", a);
        },
    .unitCaptions =
        [](App& app, bool metric) {
            SlotPanel& p = app.panel<SlotPanel>();
            unitCaption(p.EditS2, metric);
            unitCaption(p.EditS4, metric);
        },
    .unitConversions =
        [](App& app, bool metric) {
            SlotPanel& p = app.panel<SlotPanel>();
            convertLength(app, p.EditS1, metric);
            convertLength(app, p.EditS3, metric);
        },
    .layers = {.caption = " Slot Ends ", .items = {"Square", "Round"}, .selection = 0, .enabled = true},
    .information = {.copperHeading = "Slot", .resetToNA = {"Label56"}},
};

constexpr Fn kSlot = static_cast<Fn>(kFunctionCount);

// The program's catalogue with the slot calculator after its last row.
Catalogue withSlotCalculator() {
    Catalogue cat = functionCatalogue();
    cat.functions.push_back({kSlot, "SlotCalculator1", "S&lot Calculator", "Slot Calculator", "GroupBoxS",
                             " Slot Calculator ", &slotModule});
    return cat;
}

struct Program {
    std::ostringstream out;
    RecordingPlatform platform{out};
    App app;
    Program(const Catalogue& cat, MemorySettingsKey& key) : app(platform, key, cat, ".") {
        buildWindows(app);
        StartupSequence(app);
    }
};

TEST(AddedCalculator, IsSelectedRecalculatedAndFollowsTheUnits) {
    const Catalogue cat = withSlotCalculator();
    MemorySettingsKey key;
    for (const auto& d : repairDefaults()) key.values[d.name] = d.value;
    Program p(cat, key);
    App& a = p.app;
    EXPECT_EQ(a.c("TabControl1").items().back(), "Slot Calculator");

    user::click(a, a.c("SlotCalculator1"));
    EXPECT_TRUE(a.currentIs(kSlot));
    EXPECT_TRUE(a.c("GroupBoxS").visible());
    EXPECT_FALSE(a.c("GroupBox1").visible());
    EXPECT_EQ(a.c("TabControl1").itemIndex(), indexOf(kSlot));
    EXPECT_EQ(a.c("RadioGroup3").caption(), " Slot Ends ");
    EXPECT_EQ(a.c("Label55").caption(), "Slot");
    EXPECT_EQ(a.c("EditS5").text(), "500.00 Sq.mils");
    EXPECT_EQ(key.values["Program"], "20");

    user::pick(a, a.c("RadioGroup6"), 1);
    EXPECT_EQ(a.c("EditS1").text(), "0.254");
    EXPECT_EQ(a.c("EditS2").text(), "mm");
    EXPECT_EQ(a.c("EditS5").text(), "0.3226 Sq.mm");
    user::pick(a, a.c("RadioGroup6"), 0);
    EXPECT_EQ(a.c("EditS1").text(), "10");
    EXPECT_EQ(a.c("EditS5").text(), "500.00 Sq.mils");
    user::typeText(a, a.c("EditS3"), "x");
    user::pressEnter(a, a.c("EditS3"));
    EXPECT_EQ(p.out.str(), "message: 'x' is not a valid floating point value\n");

    // Start-up returns to the stored function.
    Program again(cat, key);
    EXPECT_TRUE(again.app.currentIs(kSlot));
    EXPECT_TRUE(again.app.c("GroupBoxS").visible());
}

TEST(AddedCalculator, WithoutItsRowTheStoredFunctionFallsBackToTheFirst) {
    MemorySettingsKey key;
    for (const auto& d : repairDefaults()) key.values[d.name] = d.value;
    key.values["Program"] = "20";
    Program p(functionCatalogue(), key);
    EXPECT_TRUE(p.app.currentIs(Fn::Via));
}

}  // namespace
