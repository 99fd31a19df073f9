#pragma once
// The field solver's line on the Conductor Impedance and Differential Pairs
// panels: after each recalculation the panel's cross-section is solved in
// the background (Platform::runInBackground) and the line shows the field
// solution's impedances, Er effective and the closed form's deviation; an
// ellipsis while solving, "N/A" where the cross-section has none. The model
// of the line is calc/lines/field_line_model.h.
namespace tv {
class App;
}

namespace tv::lines {

// Binds the line's components of both panels (when the windows are built).
void installFieldLine(App& app);
// The end of a recalculation of either calculator: shows or hides the line
// as the options say and starts the solution of the cross-section. While a
// goal seek or sweep tries values nothing starts (settleFieldLine solves
// when one of them reads the line).
void updateFieldLine(App& app);
// Solves the current panel's cross-section now, in this thread, and shows it
// (goal seek and sweep on the line's results).
void settleFieldLine(App& app);
// A goal seek or sweep ended. Kept: the line is solved for the answer.
// Restored: a solution of the window's inputs that arrived meanwhile shows.
void fieldLineAfterTrials(App& app, bool kept);

}  // namespace tv::lines
