#pragma once
// The settings repair window: writes the import file with the thirteen
// defaults, installs the same defaults into the settings key and ends the
// program.
#include <string>
#include <vector>

namespace tv {

class App;
class SettingsKey;

// Writes the thirteen defaults into the key in one step; false when the key
// cannot be opened for writing (throws SettingsError when the write fails).
bool installDefaults(SettingsKey& key);
// The first start on this account: when the key does not exist at all, the
// defaults are installed as an installer would, before anything reads them.
// True when it installed them.
bool installOnFirstStart(SettingsKey& key);

// The lines of "CVXD_Reg.reg", as the window previews and the file receives.
std::vector<std::string> repairFileLines();
void installRepairWindow(App& app);
void showRepairWindow(App& app);

}  // namespace tv
