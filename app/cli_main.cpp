// tolvane-cli: runs Tolvane without a window, one command per line.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli_oneshot.h"
#include "platform/ini_settings_key.h"
#include "shell/script_driver.h"
#include "shell/field_command.h"

namespace {

const char* kUsage =
    "usage: tolvane-cli [--settings FILE [--never-installed]] [--decimal point|comma|other] [--strict] [SCRIPT]\n"
    "       tolvane-cli list [--json]\n"
    "       tolvane-cli describe CALC [choice=OPTION ...] [--units imperial|metric] [--json]\n"
    "       tolvane-cli calc CALC [choice=OPTION ...] [id=value ...] [--units imperial|metric] [--json|--csv]\n"
    "       tolvane-cli solve CALC INPUT RESULT TARGET [id=value ...] [--units imperial|metric] [--json]\n"
    "       tolvane-cli sweep CALC INPUT FROM TO STEPS RESULT... [--log] [-o FILE.csv] [id=value ...]\n"
    "       tolvane-cli field TYPE key=value ... [--json]\n"
    "       tolvane-cli --help | --version\n";

int usage() {
    std::cerr << kUsage;
    return 2;
}

int help() {
    std::cout << kUsage
              << "\nRuns Tolvane's calculators without a window: the commands of SCRIPT (or\n"
                 "standard input), one per line, e.g. \"set Edit15 12\", \"enter Edit15\", \"show Edit17\".\n\n"
                 "  --settings FILE   keep the settings in this INI file (default: in memory)\n"
                 "  --never-installed a missing settings FILE stays never installed (no defaults)\n"
                 "  --decimal SEP     the user's decimal separator: point, comma or other\n"
                 "  --strict          a message left unchecked by expect-message at the end fails\n"
                 "  --help            show this help\n"
                 "  --version         show the version\n\n"
                 "The one-shot commands run one calculation on the default settings, naming\n"
                 "calculators and fields by id: \"tolvane-cli list\" shows the calculators and\n"
                 "their choices, \"tolvane-cli describe CALC\" its inputs and results, e.g.\n"
                 "  tolvane-cli calc conductor-impedance type=microstrip width=0.127mm --json\n"
                 "  tolvane-cli solve conductor-impedance width z0 50\n"
                 "  tolvane-cli sweep conductor-impedance width 2 20 9 z0 -o z0.csv\n"
                 "Values are typed as in the window (a point as decimal separator unless\n"
                 "--decimal says otherwise; a unit of the field's quantity, 0.127mm, is\n"
                 "converted). Exit status: 0 clean, 1 a message, a result without a number,\n"
                 "a target out of reach or a file not written, 2 a usage error.\n\n"
                 "The field form solves one line cross-section with the field solver, e.g.\n"
                 "\"tolvane-cli field microstrip w=5 h=10 t=2.1 er=4.6\" (lengths in mils, or with\n"
                 "a unit: 0.1mm).\n\n"
                 "Script exit status: 0 all expectations held, 1 one failed, 2 script error.\n"
                 "See tolvane-cli(1) for the commands.\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && tv::cli::isOneShot(argv[1]))
        return tv::cli::runOneShot(argv[1], std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    if (argc > 1 && std::string(argv[1]) == "field")
        return tv::runFieldCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    std::string settingsFile, script;
    std::string separator;
    bool haveSeparator = false;
    bool neverInstalled = false;
    bool strict = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--settings" && i + 1 < argc) settingsFile = argv[++i];
        else if (a == "--never-installed") neverInstalled = true;
        else if (a == "--strict") strict = true;
        else if (a == "--decimal" && i + 1 < argc) {
            std::string d = argv[++i];
            if (d == "point") separator = ".";
            else if (d == "comma") separator = ",";
            else if (d == "other") separator = "'";
            else return usage();
            haveSeparator = true;
        } else if (a == "--help" || a == "-h") return help();
        else if (a == "--version") {
            std::cout << "tolvane-cli " << TOLVANE_VERSION << "\n";
            return 0;
        }
        else if (!a.empty() && a[0] == '-' && a != "-") return usage();
        else if (script.empty()) script = a;
        else return usage();
    }
    if (!haveSeparator) separator = tv::systemDecimalSeparator();

    std::unique_ptr<tv::SettingsKey> key;
    if (!settingsFile.empty()) {
        key = std::make_unique<tv::IniSettingsKey>(settingsFile);
    } else {
        auto memory = std::make_unique<tv::MemorySettingsKey>();
        for (const auto& d : tv::repairDefaults()) memory->values[d.name] = d.value;
        key = std::move(memory);
    }

    std::ifstream file;
    std::istream* in = &std::cin;
    if (!script.empty() && script != "-") {
        // A folder opens as a stream that reads nothing: it would run no
        // command and pass.
        std::error_code ec;
        if (std::filesystem::is_directory(script, ec)) {
            std::cerr << "cannot read " << script << ": it is a folder\n";
            return 2;
        }
        file.open(script);
        if (!file) {
            std::cerr << "cannot read " << script << "\n";
            return 2;
        }
        in = &file;
    }

    tv::ScriptDriver driver(*key, separator, std::cout, std::cerr);
    // A missing settings file is installed with the defaults at start, as the
    // desktop program does, unless the never-installed case is asked for.
    driver.setInstallOnFirstStart(!neverInstalled);
    driver.setStrictMessages(strict);
    try {
        driver.start();
    } catch (const std::exception& e) {
        std::cerr << "start-up failed: " << e.what() << "\n";
        return 2;
    }
    int status = driver.run(*in);
    std::cout.flush();
    return status;
}
