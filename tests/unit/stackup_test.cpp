#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core/stackup.h"

using namespace tv;

TEST(CopperThickness, TablesFollowTheUnits) {
    HeadlessApp h;
    App& a = h.app;
    a.c("RadioGroup4").setItemIndex(3);
    a.c("RadioGroup1").setItemIndex(0);  // bare board: total = base
    auto t = CopperThickness(a);
    EXPECT_DOUBLE_EQ(t.base, 2.1);
    EXPECT_DOUBLE_EQ(t.plating, 0);
    a.c("RadioGroup6").setItemIndex(1);
    a.c("RadioGroup4").setItemIndex(8);
    a.c("RadioGroup1").setItemIndex(6);
    t = CopperThickness(a);
    EXPECT_DOUBLE_EQ(t.base, 0.178);
    EXPECT_DOUBLE_EQ(t.plating, 0.106);
}

TEST(CopperThickness, ManualEntryInMicrometresInMetric) {
    HeadlessApp h;
    App& a = h.app;
    a.c("RadioGroup6").setItemIndex(1);
    a.Form6.get("CheckBox1").setChecked(true);
    a.c("Edit136").setText("18");
    a.c("Edit138").setText("35");
    auto t = CopperThickness(a);
    EXPECT_DOUBLE_EQ(t.base, 0.018);
    EXPECT_DOUBLE_EQ(t.plating, 0.035);
    a.c("Edit136").setText("x");
    EXPECT_THROW(CopperThickness(a), ConversionError);
}

TEST(SubstrateTable, FortyFourRowsWithTheirModifiers) {
    const auto& t = substrateTable();
    ASSERT_EQ(t.size(), 44u);
    EXPECT_STREQ(t[16].erPoint, "3.66");
    EXPECT_STREQ(t[16].erComma, "3,48");
    EXPECT_STREQ(t[kAirRow].name, "Air");
    EXPECT_STREQ(t[kCustomRow].name, "Custom");
    // Every listed combo item is the table row of the same index.
    HeadlessApp h;
    const auto& items = h.app.c("ComboBox1").items();
    ASSERT_EQ(items.size(), t.size());
    for (size_t i = 0; i < t.size(); ++i) EXPECT_EQ(items[i], t[i].name);
}

TEST(Material, CustomKeepsTheModifierOfTheLastAppliedRow) {
    HeadlessApp h;
    App& a = h.app;
    EXPECT_DOUBLE_EQ(a.materialModifier, 0.98);
    a.c("ComboBox1").setItemIndex(8);
    ComboBox1Change(a);
    EXPECT_DOUBLE_EQ(a.materialModifier, 1.0);
    a.c("ComboBox1").setItemIndex(kCustomRow);
    ComboBox1Change(a);
    EXPECT_DOUBLE_EQ(a.materialModifier, 1.0);
    // Clicking into Er and leaving it empty restores FR-4's texts, not its modifier.
    Edit7Click(a);
    Edit7Exit(a);
    EXPECT_EQ(a.c("Edit7").text(), "4.6");
    EXPECT_DOUBLE_EQ(a.materialModifier, 1.0);
}
