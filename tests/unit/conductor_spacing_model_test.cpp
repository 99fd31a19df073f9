// The IPC-2221B clearance table and its line above 500 V.
#include "calc/board/conductor_spacing_model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace tv::spacing;

namespace {

TEST(ConductorSpacing, TableCells) {
    struct Case {
        int range, device;
        const char *mils, *mm;
    } cases[] = {
        {0, 0, "1.97 mils", "0.05 mm"},    // the start-up cell
        {1, 5, "9.84 mils", "0.25 mm"},    // 16 - 30V, A6
        {3, 2, "59.06 mils", "1.50 mm"},   // 51 - 100V, B3
        {7, 2, "492.13 mils", "12.50 mm"}, // 251 - 300V, B3
        {7, 6, "31.50 mils", "0.80 mm"},   // 251 - 300V, A7
        {8, 5, "59.06 mils", "1.50 mm"},   // 301 - 500V, A6
        {8, 6, "31.50 mils", "0.80 mm"},   // the last cell
    };
    for (const Case& c : cases) {
        const Cell* cell = tableCell(c.range, c.device);
        ASSERT_NE(cell, nullptr);
        EXPECT_STREQ(cell->mils, c.mils) << c.range << "," << c.device;
        EXPECT_STREQ(cell->mm, c.mm) << c.range << "," << c.device;
    }
    EXPECT_EQ(tableCell(kAbove500, 0), nullptr);
    EXPECT_EQ(tableCell(0, kDeviceTypes), nullptr);
    EXPECT_EQ(tableCell(-1, 0), nullptr);
}

// Every imperial text is its millimetre value at 39.37 mils per millimetre,
// to two decimals (halves up); clearances never shrink as the voltage grows.
TEST(ConductorSpacing, ImperialTextsFollowTheMillimetres) {
    for (int d = 0; d < kDeviceTypes; ++d) {
        double previous = 0;
        for (int r = 0; r < kVoltageRanges; ++r) {
            const Cell* cell = tableCell(r, d);
            double mm = std::atof(cell->mm), mils = std::atof(cell->mils);
            EXPECT_NEAR(mils, mm * 39.37, 0.005 + 1e-9) << r << "," << d;
            EXPECT_EQ(std::string(cell->mils).substr(std::string(cell->mils).size() - 5), " mils");
            EXPECT_GE(mm, previous) << r << "," << d;
            previous = mm;
        }
    }
}

TEST(ConductorSpacing, Above500Volts) {
    EXPECT_NEAR(above500(501, 0, false), 9.940925, 1e-9);
    EXPECT_NEAR(above500(501, 0, true), 0.2525, 1e-12);
    EXPECT_NEAR(above500(1000, 2, false), 984.25198, 1e-9);
    EXPECT_NEAR(above500(1000, 2, true), 25.0, 1e-12);
    EXPECT_NEAR(above500(600, 5, false), 59.05512 + 12.007, 1e-9);
    EXPECT_NEAR(above500(600, 6, true), 0.8 + 0.305, 1e-12);
}

// At 500 V the line starts from the "301 - 500V" cell of its device type.
TEST(ConductorSpacing, LineStartsAtThe500VoltCell) {
    for (int d = 0; d < kDeviceTypes; ++d) {
        const Cell* cell = tableCell(kVoltageRanges - 1, d);
        EXPECT_NEAR(above500(500, d, false), std::atof(cell->mils), 0.005) << d;
        EXPECT_NEAR(above500(500, d, true), std::atof(cell->mm), 1e-12) << d;
    }
}

}  // namespace
