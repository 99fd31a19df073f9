#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tv {

namespace {

// The toolkit's standard options: those that take a value, and flags. The
// toolkit reads them itself; a leading "--" is taken as "-", as it does.
constexpr std::array<std::string_view, 14> kToolkitValueOptions = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle", "-style", "-stylesheet", "-session", "-display",
    "-geometry", "-name", "-title"};
constexpr std::array<std::string_view, 5> kToolkitFlags = {
    "-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

template <size_t N>
bool among(const std::array<std::string_view, N>& list, std::string_view a) {
    return std::find(list.begin(), list.end(), a) != list.end();
}

}  // namespace

const char* const kGuiUsage =
    "usage: tolvane [--new-instance] [--screenshot FILE]\n"
    "       tolvane --help | --version\n";

std::string guiVersion() { return std::string("tolvane ") + TOLVANE_VERSION + "\n"; }

std::string guiHelp() {
    return std::string(kGuiUsage) +
           "\nTolvane, the engineering calculator for PCB designers.\n\n"
           "  --new-instance     open another window even when Tolvane runs already\n"
           "                     (otherwise the running window comes to the front)\n"
           "  --screenshot FILE  save the main window as a PNG once started, then end\n"
           "  --help             show this help\n"
           "  --version          show the version\n\n"
           "Settings: ~/.config/Corvex PCB Design, Inc./Tolvane.ini. See tolvane(1).\n";
}

GuiCommandLine parseGuiCommandLine(int argc, char** argv) {
    GuiCommandLine c;
    auto fail = [&](std::string why) {
        c.action = GuiCommandLine::Action::Usage;
        c.error = std::move(why);
        return c;
    };
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") c.action = GuiCommandLine::Action::Help;
        else if (a == "--version") c.action = GuiCommandLine::Action::Version;
        else if (a == "--new-instance") c.newInstance = true;
        else if (a == "--screenshot") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') return fail("--screenshot needs a file name");
            c.screenshot = argv[++i];
        } else {
            std::string_view name = a;
            if (name.starts_with("--")) name.remove_prefix(1);
            std::string_view bare = name.substr(0, name.find('='));
            bool inline_value = bare.size() < name.size();
            if (among(kToolkitFlags, name) || (among(kToolkitValueOptions, bare) && inline_value)) continue;
            if (among(kToolkitValueOptions, name)) {
                if (i + 1 >= argc) return fail(a + " needs a value");
                ++i;
                continue;
            }
            return fail((a.starts_with("-") ? "unknown option " : "unexpected argument ") + a);
        }
        // --help and --version answer at once, whatever follows.
        if (c.action != GuiCommandLine::Action::Run) return c;
    }
    return c;
}

}  // namespace tv
