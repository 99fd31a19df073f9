#pragma once
// The keyboard of the windows, toolkit-free: the shortcuts of the main menu,
// Ctrl+Tab between the calculators, Escape on a secondary window, Enter in
// About, any key on the start-up picture. The Qt windows bind the same keys
// and tolvane-cli presses them with `press`, so both run the same handlers.
#include <string>
#include <vector>

namespace tv {

class App;
class Form;

// A main-menu item and the keys that run it ("Ctrl+Q" as key sequences are
// written: modifiers first, joined by "+").
struct MenuKey {
    const char* keys;
    const char* item;
};
const std::vector<MenuKey>& menuKeys();

// Keys of the main window that are no menu item's: the next and the previous
// calculator, as a click on the neighbouring tab.
inline constexpr const char* kNextFunctionKeys = "Ctrl+Tab";
inline constexpr const char* kPreviousFunctionKeys = "Ctrl+Shift+Tab";

// A key pressed while `form` is the active window. Runs what the key means
// there, as a user action, and returns true; false when it means nothing
// there (the window is not shown or not usable, or the key is not one of its).
bool pressKey(App& app, Form& form, const std::string& keys);

// Closing a window by its frame or by Escape: the main window ends the
// program; a window with a close handler runs it; any other window is hidden
// (the splash only closes itself).
void closeWindowByUser(App& app, Form& form);

// Selects the calculator `step` tabs on from the current one, wrapping round,
// the way a click on that tab does.
void stepFunction(App& app, int step);

}  // namespace tv
