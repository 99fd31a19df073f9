#pragma once
// The current calculator's report (core/report.h) and the table Copy Results
// puts on the clipboard, and the menu items that use them.
#include <string>

#include "core/report.h"

namespace tv {

class App;

// The report of the current calculator as the window shows it now: its
// field table's inputs and results of the current type (as goal seek offers
// them), the selections of the radio groups it shows and uses (its own and the
// shared ones), its module's method note and the largest picture on view.
Report currentReport(App& app);

// Inputs then results, one line each: caption, value and unit separated by
// tabs, each line ended by a line break, so that it pastes into a
// spreadsheet as three columns.
std::string resultsTable(const Report& report);

// Edit > Copy Results, File > Print Report... and File > Save Report as PDF...
void installReport(App& app);

}  // namespace tv
