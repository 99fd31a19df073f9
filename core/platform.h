#pragma once
// What the model needs from the outside world. The GUI supplies Qt message
// boxes and the desktop shell; the script driver and the tests supply recording
// versions. No Qt header is included below platform/.
#include <functional>
#include <string>
#include <vector>

namespace tv {

// Whether a file was written; when not, why not ("No space left on device").
struct FileWritten {
    std::string error;
    explicit operator bool() const { return error.empty(); }
};

// The analysis windows of the Tools menu.
enum class AnalysisWindow { GoalSeek, Sweep };
inline const char* analysisWindowTitle(AnalysisWindow w) { return w == AnalysisWindow::GoalSeek ? "Goal Seek" : "Sweep"; }

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message with an OK button; returns when the user closed it.
    virtual void showMessage(const std::string& text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool ask(const std::string& text, const std::string& caption) = 0;
    // Hands a web address, e-mail address, document or program to the desktop.
    virtual void open(const std::string& target) = 0;
    // Hands a document lying beside the program's executable ("EULA.pdf") to
    // the desktop, with that folder as the working directory.
    virtual void openDocument(const std::string& name) { open(name); }
    // The first of the named programs found on the PATH; "" when none is.
    virtual std::string findProgram(const std::vector<std::string>& names);
    // Starts a program that findProgram found, detached from this one.
    virtual void startProgram(const std::string& name) { open(name); }

    // Lets pending window events run (the splash animation, printing progress).
    virtual void processEvents() {}
    // Waits on the window thread (no-op when headless).
    virtual void delay(int /*ms*/) {}
    // Ends the program with an exit code, at once.
    virtual void quit(int code) = 0;

    virtual std::string workingDirectory() = 0;
    // Writes text lines, each ended by a line break, through a temporary
    // file renamed over the target (core/file_write.h): a failure leaves the
    // old file as it was and says why.
    virtual FileWritten writeTextFile(const std::string& path, const std::vector<std::string>& lines);

    // Colour themes: the first name is the platform's plain look.
    virtual std::vector<std::string> styleNames() {
        return {"Windows", "Charcoal Dark Slate", "Charcoal HiRes", "Slate"};
    }
    virtual std::string activeStyle() { return activeStyle_; }
    virtual void applyStyle(const std::string& name) { activeStyle_ = name; }

    // Printing of the main window: the print dialog (printer or PDF file;
    // false when cancelled), then the page itself; the printer set-up dialog.
    virtual bool choosePrinter() { return true; }
    virtual void printMainWindow() {}
    virtual void printerSetup() {}

    // Window management of secondary windows (GUI only).
    virtual void showWindow(const std::string& /*form*/) {}
    virtual void closeWindow(const std::string& /*form*/) {}
    // The user manual in a help window (GUI only).
    virtual void showHelp() {}
    // Goal seek and sweep over the current calculator's fields (GUI only):
    // runs the window and returns when it is closed.
    virtual void showAnalysis(AnalysisWindow /*which*/) {}

    // Work a recalculation hands on (the field solver's line): `work` runs
    // away from the window thread and returns what then runs on the window
    // thread. Work that has not started when newer work arrives is dropped,
    // as only the newest inputs count. Headless: both at once, in order.
    using BackgroundWork = std::function<std::function<void()>()>;
    virtual void runInBackground(BackgroundWork work) { work()(); }

protected:
    std::string activeStyle_ = "Windows";
};

}  // namespace tv
