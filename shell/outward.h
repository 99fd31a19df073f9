#pragma once
// The shell's outward actions: the About and References windows, the Help and
// Contact menus with the other links, printing the main window, and the
// desktop programs of the Tools menu. None of them recalculates.
namespace tv {

class App;

// Each wires its part once the windows are built.
void installAboutWindows(App& app);  // about_windows.cpp
void installHelpLinks(App& app);     // help_links.cpp
void installPrinting(App& app);      // printing.cpp
void installToolsMenu(App& app);     // tools_menu.cpp

// The "Print" button and File > Print Form: asks, lets the user choose the
// printer, shows the progress, prints the main window on one page.
void Button2Click(App& app);

}  // namespace tv
