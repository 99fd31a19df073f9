#pragma once
// The shared stack-up inputs: copper weights and plating, the substrate table,
// and the handlers that apply a material and store the copper selections.
#include <string>
#include <vector>

namespace tv {

class App;

struct CopperRow {
    const char* imperialCaption;
    const char* metricCaption;
    double mils;
    double mm;
};
const std::vector<CopperRow>& baseCopperTable();     // RadioGroup4, 9 rows
const std::vector<CopperRow>& platingTable();        // RadioGroup1, 7 rows

struct SubstrateMaterial {
    const char* name;
    const char* erPoint;
    const char* erComma;
    const char* tg;
    double modifier;
};
// The 44 rows of ComboBox1; row 42 is "Air", row 43 "Custom" (changes nothing).
const std::vector<SubstrateMaterial>& substrateTable();
constexpr int kAirRow = 42;
constexpr int kCustomRow = 43;

struct CopperThicknessResult {
    double base;
    double plating;
};
// Base and plating thickness in the current units (mils or mm), from the radio
// groups or, with manual copper entry on, from Edit136/Edit138 (um in metric).
CopperThicknessResult CopperThickness(App& app);

// Whether the units are metric (App::preferences).
bool metricUnits(App& app);
// Whether copper weights are entered manually (App::preferences).
bool manualCopper(App& app);

void ComboBox1Change(App& app);
void RadioGroup4Click(App& app);
void RadioGroup1Click(App& app);
void Edit7Click(App& app);
void Edit66Click(App& app);
void Edit7Exit(App& app);
void Edit66Exit(App& app);

// Wires the stack-up handlers of the main window.
void installStackup(App& app);

}  // namespace tv
