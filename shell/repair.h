#pragma once
// The settings repair window: writes the import file with the thirteen
// defaults, installs the same defaults into the settings key and ends the
// program.
#include <string>
#include <vector>

namespace tv {

class App;

// The lines of "CVXD_Reg.reg", as the window previews and the file receives.
std::vector<std::string> repairFileLines();
void installRepairWindow(App& app);
void showRepairWindow(App& app);

}  // namespace tv
