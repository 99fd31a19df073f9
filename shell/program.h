#pragma once
// Building the six windows and wiring the shell's handlers; start-up.
namespace tv {

class App;

// Creates the windows from their descriptions (main window with every
// function's panel, About, splash, References, Program Options, repair) and
// installs every handler. Throws DescriptionError for a broken description.
void buildWindows(App& app);

// The main window's first show: the splash with the settings load, its
// progress, then the first recalculation.
void StartupSequence(App& app);
// The splash window's on-show handler: loads the settings into the windows.
// `selected` (when given) is set once the stored function's selection ran.
void SplashFormShow(App& app, bool* selected = nullptr);
// A click or a key press on the start-up picture: its progress ends at once
// and the window closes.
void dismissSplash(App& app);

// Shows a secondary window, disabling the main window until every window
// shown this way has closed again.
void showModalWindow(App& app, const char* form);
void closeModalWindow(App& app, const char* form);

}  // namespace tv
