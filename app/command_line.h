#pragma once
// The desktop program's command line, read before the toolkit starts, so that
// --help, --version and a wrong option work (and end) without a display.
#include <string>

namespace tv {

struct GuiCommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    std::string screenshot;    // --screenshot FILE
    bool newInstance = false;  // --new-instance: never hand over to a running one
    std::string error;         // what was wrong, for Action::Usage
};

// Reads our options and lets the toolkit's own (-platform NAME, -style NAME,
// -reverse, ...) pass to it.
GuiCommandLine parseGuiCommandLine(int argc, char** argv);

extern const char* const kGuiUsage;
std::string guiHelp();
std::string guiVersion();

}  // namespace tv
