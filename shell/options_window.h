#pragma once
// The Program Options window: IPC version, manual copper entry, etch factor,
// via settings and colour theme. Each option is stored the moment it changes.
namespace tv {

class App;

// Wires the window's handlers and runs its creation (the theme list and the
// stored theme). Closing by the title bar is the window's onExit handler
// (`leave Form6` in a script): it enables the main window again.
void installOptionsWindow(App& app);

// The options' handlers, also raised by start-up when it sets the controls.
void Form6RadioGroup1Click(App& app);  // IPC version
void Form6CheckBox1Click(App& app);    // manual copper entry
void Form6RadioGroup2Click(App& app);  // etch factor
void cbxVclStylesChange(App& app);

}  // namespace tv
