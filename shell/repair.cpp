#include "shell/repair.h"

#include "core/app.h"
#include "shell/program.h"
#include "core/settings.h"

namespace tv {

std::vector<std::string> repairFileLines() {
    std::vector<std::string> lines = {
        "Windows Registry Editor Version 5.00",
        "",
        "[HKEY_CURRENT_USER\\SOFTWARE\\Corvex PCB Design, Inc.]",
        "",
        "[HKEY_CURRENT_USER\\SOFTWARE\\Corvex PCB Design, Inc.\\Tolvane]",
    };
    for (const auto& d : repairDefaults())
        lines.push_back(std::string("\"") + d.name + "\"=\"" + d.value + "\"");
    return lines;
}

bool installDefaults(SettingsKey& key) {
    if (!key.openForWrite()) return false;
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& d : repairDefaults()) values.emplace_back(d.name, d.value);
    // All thirteen in one write: a failure or a kill leaves no half-repaired key.
    try {
        key.writeAll(values);
    } catch (...) {
        key.close();
        throw;
    }
    key.close();
    return true;
}

bool installOnFirstStart(SettingsKey& key) {
    if (key.exists()) return false;
    try {
        return installDefaults(key);
    } catch (const SettingsError&) {
        return false;  // the start goes on as with a key never installed
    }
}

namespace {

const char* kFileName = "CVXD_Reg.reg";

// "Run ": the import file first, then the same defaults straight into the key
// (this desktop has nothing that imports the file), then the program ends.
void runRepair(App& app) {
    std::string path = app.Form8.get("Edit1").text();
    if (!app.platform.writeTextFile(path, repairFileLines())) {
        app.message("Cannot create file \"" + path + "\". The repair was not carried out.");
        return;
    }
    if (!installDefaults(app.settings.key())) {
        app.message("The settings could not be opened for writing. The repair was not carried out.");
        return;
    }
    closeModalWindow(app, "Form8");
    app.endProgram(0);
}

}  // namespace

void installRepairWindow(App& app) {
    App* a = &app;
    std::string preview;
    for (const auto& line : repairFileLines()) preview += (preview.empty() ? "" : "\n") + line;
    app.Form8.get("RichEdit1").setText(preview);
    app.Form8.get("Edit1").setText(app.platform.workingDirectory() + "/" + kFileName);
    app.Form8.get("Button1").onClick = [a] { runRepair(*a); };
    app.Form8.get("Button2").onClick = [a] {
        a->Form8.self().setVisible(false);
        a->platform.closeWindow("Form8");
    };
}

void showRepairWindow(App& app) {
    app.Form8.self().setVisible(true);
    app.platform.showWindow("Form8");
}

}  // namespace tv
