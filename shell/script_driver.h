#pragma once
// The script driver behind tolvane-cli: runs the model without a window and
// executes one command per line (the command language is described in docs/scripting.md).
#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "core/app.h"

namespace tv {

// Messages, questions and shell opens are printed as they appear.
class RecordingPlatform : public Platform {
public:
    explicit RecordingPlatform(std::ostream& out) : out_(out) {}
    void showMessage(const std::string& text) override;
    bool ask(const std::string& text, const std::string& caption) override;
    void open(const std::string& target) override;
    void quit(int code) override;
    std::string workingDirectory() override;
    void printMainWindow() override;
    void printReport(const Report& report, ReportOutput output) override;
    void copyText(const std::string& text) override;
    void showAnalysis(AnalysisWindow which) override;
    void showHelp() override;
    std::string chooseDesignFile(bool save, const std::string& suggestion) override;

    std::deque<std::string> unchecked;  // messages not yet expected
    std::deque<bool> answers;           // answers to the next questions
    std::deque<std::string> questions;  // questions not yet expected
    std::deque<std::string> opened;     // shell opens not yet expected
    int printed = 0;                    // pages printed since the start

private:
    std::ostream& out_;
};

// A script error: unknown command, component or property, bad quoting.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptDriver {
public:
    ScriptDriver(SettingsKey& key, std::string userSeparator, std::ostream& out, std::ostream& err);
    ~ScriptDriver();

    // Starts the program (first-start install, windows, start-up); throws
    // DescriptionError.
    void start();
    // A design file applied after every start-up, before any command runs
    // (tolvane-cli --design); "" for none.
    void setStartDesign(std::string path) { startDesign_ = std::move(path); }
    // Whether a start on a key that does not exist installs the defaults first,
    // as every start of the desktop program does (on by default).
    void setInstallOnFirstStart(bool install) { installOnFirstStart_ = install; }
    // Whether a message still unchecked when the script ends is a failure
    // (the scenario harness runs strict; off by default).
    void setStrictMessages(bool strict) { strictMessages_ = strict; }
    // Runs every line; returns the exit status (0 ok, 1 an expectation
    // failed, 2 a script error).
    int run(std::istream& script);
    // One line; throws ScriptError. Returns false when an expectation failed.
    bool execute(const std::string& line, int number);

    App& app() { return *app_; }
    // Why a user cannot act on the component (its window is not shown, it or
    // a group around it is hidden or disabled); empty when they can.
    std::string unreachable(Component& c);
    RecordingPlatform& platform() { return platform_; }

private:
    struct Target {
        Form* form = nullptr;
        Component* component = nullptr;
        std::string prop;
    };
    Target resolve(const std::string& name, bool allowProp);
    std::string property(Component& c, const std::string& prop);
    void requireRunning(const std::string& command);
    // solve and sweep (script_analysis.cpp); false when a file could not be
    // written.
    bool analyse(const std::vector<std::string>& tok);
    // A field of solve and sweep: a main-window component by designer name,
    // or by its id in the current calculator's field table.
    Component& analysisField(const std::string& cmd, const std::string& name);
    // field: the field solution of the current panel (script_field.cpp).
    void fieldSolution(const std::vector<std::string>& tok);

    SettingsKey& key_;
    std::string separator_;
    std::ostream& out_;
    std::ostream& err_;
    RecordingPlatform platform_;
    std::unique_ptr<App> app_;
    int line_ = 0;
    bool installOnFirstStart_ = true;
    bool strictMessages_ = false;
    std::string startDesign_;
};

// A design named at start that could not be opened (its message is shown).
struct StartDesignRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace tv
