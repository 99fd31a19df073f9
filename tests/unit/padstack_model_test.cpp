// Padstack formulas and tables.
#include "calc/board/padstack_model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace tv::padstack;

namespace {

TEST(Padstack, SpokeWidthBands) {
    struct Case {
        double drill;
        bool metric;
        const char* text;
    } cases[] = {
        {0, false, "6 mils"},      {14, false, "6 mils"},     {14.01, false, "8 mils"},
        {22, false, "8 mils"},     {22.5, false, "10 mils"},  {45, false, "10 mils"},
        {65, false, "15 mils"},    {124, false, "20 mils"},   {124.5, false, "25 mils"},
        {250, false, "25 mils"},   {0.3556, true, "0.1524 mm"}, {0.3557, true, "0.2032 mm"},
        {0.5588, true, "0.2032 mm"}, {1.143, true, "0.254 mm"}, {1.651, true, "0.381 mm"},
        {3.1496, true, "0.508 mm"},  {3.15, true, "0.635 mm"},
    };
    for (const Case& c : cases) EXPECT_STREQ(spokeWidth(c.drill, c.metric), c.text) << c.drill;
}

TEST(Padstack, ThruHolePads) {
    ThruHole plated = platedPad(32, 12, 12);
    EXPECT_EQ(plated.external, 56);
    EXPECT_EQ(plated.internal, 56);
    EXPECT_EQ(plated.thermalInner, 56);
    EXPECT_EQ(plated.thermalOuter, 80);

    // "NP MTG #4" after a 12 mil ring and 12 mil isolation.
    ThruHole np = nonPlatedPad(136, 12, 12, false);
    EXPECT_EQ(np.external, 136);
    EXPECT_EQ(np.internal, 160);
    EXPECT_EQ(np.thermalInner, 160);
    EXPECT_EQ(np.thermalOuter, 172);
    ThruHole npMetric = nonPlatedPad(3.4544, 0.3048, 0.3048, true);
    EXPECT_DOUBLE_EQ(npMetric.external, 3.4544);
    EXPECT_NEAR(npMetric.internal, 4.7244, 1e-12);
    EXPECT_NEAR(npMetric.thermalOuter, 4.7244, 1e-12);
}

TEST(Padstack, ConductorBetweenPads) {
    ConductorPad fits = conductorPad(100, 12, 12, 32, 7);
    EXPECT_EQ(fits.padMax, 64);
    EXPECT_EQ(fits.ring, 16);
    EXPECT_FALSE(fits.tooSmall);
    ConductorPad tight = conductorPad(60, 12, 12, 32, 7);
    EXPECT_EQ(tight.padMax, 24);
    EXPECT_EQ(tight.ring, -4);
    EXPECT_TRUE(tight.tooSmall);
    // Exactly the pad needed: no warning.
    EXPECT_FALSE(conductorPad(82, 12, 12, 32, 7).tooSmall);
    EXPECT_TRUE(conductorPad(81.9, 12, 12, 32, 7).tooSmall);
    EXPECT_EQ(bgaConductorWidth(40, 13, 4), 19);
    EXPECT_NEAR(bgaConductorWidth(1.00, 0.45, 0.1016), 0.3468, 1e-12);
}

TEST(Padstack, CornerToCorner) {
    CornerToCorner mils = cornerToCorner(100, 100, false);
    EXPECT_NEAR(mils.diagonal, 141.42, 5e-3);
    EXPECT_EQ(mils.minDrill, 143);
    EXPECT_EQ(mils.maxDrill, 152);
    CornerToCorner mm = cornerToCorner(2.54, 2.54, true);
    EXPECT_NEAR(mm.diagonal, 3.592, 5e-4);
    EXPECT_NEAR(mm.minDrill, 3.643, 1e-12);
    EXPECT_NEAR(mm.maxDrill, 3.872, 1e-12);
    // Halves go to the even whole mil.
    EXPECT_EQ(cornerToCorner(0, 0.5, false).minDrill, 2);
    EXPECT_EQ(cornerToCorner(0, 1.5, false).minDrill, 4);
    EXPECT_EQ(cornerToCorner(3, 4, false).maxDrill, 16);
}

TEST(Padstack, BgaTable) {
    const auto& t = bgaTable();
    EXPECT_STREQ(t[0].ball, "0.75 mm");
    EXPECT_STREQ(t[0].land, "0.55 mm");
    EXPECT_STREQ(t[0].variation, "0.60 mm - 0.50 mm");
    EXPECT_STREQ(t[4].ball, "0.50 mm");
    EXPECT_STREQ(t[4].land, "0.40 mm");
    EXPECT_STREQ(t[4].variation, "0.45 mm - 0.35 mm");
    EXPECT_STREQ(t[12].ball, "0.15 mm");
    EXPECT_STREQ(t[12].variation, "0.15 mm - 0.10 mm");
    // Balls shrink down the list, and every land is smaller than its ball.
    for (int i = 0; i < kBgaRows; ++i) {
        EXPECT_LT(std::atof(t[i].land), std::atof(t[i].ball)) << i;
        if (i > 0) {
            EXPECT_LT(std::atof(t[i].ball), std::atof(t[i - 1].ball)) << i;
        }
    }
}

// Each metric drill is its imperial drill at 0.0254 mm per mil.
TEST(Padstack, HolePresets) {
    const auto& p = holePresets();
    EXPECT_STREQ(p[0].item, "Custom");
    EXPECT_STREQ(p[3].item, "NP MTG #4");
    EXPECT_STREQ(p[3].mils, "136");
    for (const HolePreset& h : p) EXPECT_NEAR(std::atof(h.mils) * 0.0254, std::atof(h.mm), 1e-9) << h.item;
}

}  // namespace
