#pragma once
// Choosing a program function: shows its panel, reconfigures the shared groups,
// stores the choice and recalculates.
namespace tv {

class App;

void SelectProgramFunction(App& app, int index);
// The user picked a tab of the main tab strip.
void TabControl1Change(App& app);
// The shared layer group's handler: the current function's branch, then a
// recalculation.
void RadioGroup3Click(App& app);

}  // namespace tv
