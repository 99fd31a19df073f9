#pragma once
// Designs in the running program: capturing the windows' inputs and choices
// as a Design (core/design.h), checking one against the calculators and
// applying it all at once, design files, the remembered work of the desktop
// program, and the File menu's design items.
#include <string>
#include <vector>

#include "core/design.h"

namespace tv {

class App;

// The File menu lists this many recent designs.
inline constexpr int kRecentDesigns = 6;

// The current inputs and choices of every calculator, the shared column,
// the units and the function shown.
Design captureDesign(App& app);

// Why the design cannot be applied ("the value of padstack.pad_type is out
// of range"); "" when it can. Ids this version does not know are not a
// problem here: they are listed by unknownIds.
std::string designProblem(App& app, const Design& design);
std::vector<std::string> unknownIds(App& app, const Design& design);

// Applies a design that designProblem accepted: the function shown, every
// choice, then every input (lengths converted when the design's units are not
// the window's, as the units switch converts them; numbers written with the
// user's separator), then one recalculation. With `onlyCalculator` set, only
// that calculator's section is applied and the function shown stays.
void applyDesign(App& app, const Design& design, const std::string& onlyCalculator = "");

// Reads a design file; throws DesignError (a file that is not a regular one,
// cannot be read, is too large, or is no design).
Design readDesignFile(const std::string& path);

// The File menu's work, each as the user's action; messages name the file.
// Saving writes the file whole or not at all. Opening refuses a file that is
// not a design this program can apply with one message and leaves the work as
// it was; ids it does not know are listed in a question first.
bool saveDesign(App& app, const std::string& path);
bool openDesign(App& app, const std::string& path);

// What the design session keeps: the defaults start-up left (for Reset
// Inputs), the file the work was last saved to or opened from, and the work
// as it was then (to tell unsaved changes).
struct DesignSession {
    Design defaults;
    std::string file;
    std::string savedJson;
    std::string caption;  // the main window's own caption
    // The recent designs, newest first, and the file that keeps them ("": kept
    // only while the program runs).
    std::vector<std::string> recent;
    std::string recentFile;
    // The text the remembered work was last written with or read from.
    std::string rememberedJson;
    bool started = false;
};
// Wires the File menu's design items (when the windows are built).
void installDesignMenu(App& app);
// Call once start-up has run: takes the defaults and wires the File menu's
// design items.
void startDesignSession(App& app);
// Whether the work differs from the design last saved or opened (from the
// defaults when there is none).
bool unsavedChanges(App& app);
// Asks before unsaved changes are discarded; true to go on.
bool confirmDiscard(App& app, const std::string& action);
// Reset Inputs: the current calculator's inputs and choices, or every
// calculator's and the shared column's, back to the defaults.
void resetInputs(App& app, bool all);
// Keeps the recent designs in `file` (one path a line) from now on and
// reads the list from it.
void keepRecentDesigns(App& app, const std::string& file);

// The remembered work: `$XDG_DATA_HOME/tolvane/work.tvd` (by default under
// `~/.local/share`), and the recent designs beside it. "" when neither
// variable gives a folder.
std::string designDataFolder();
std::string rememberedWorkPath();
// Writes the work when it changed since it was last written (or read);
// returns why a write failed, "" otherwise.
std::string rememberWork(App& app, const std::string& path);
// Restores the remembered work at start; a file that is missing is no work
// to restore, a bad one is said with its problem and left alone.
void restoreWork(App& app, const std::string& path);

}  // namespace tv
