#pragma once
// Binds the keys of the windows (shell/keyboard.h) to the Qt windows: the
// main menu's shortcuts on its actions, Ctrl+Tab and Ctrl+Shift+Tab on the
// main window, Escape on every secondary window, Enter in About, and any key
// or click on the start-up picture.
namespace tv {

class QtWindows;

void installShortcuts(QtWindows& windows);

}  // namespace tv
