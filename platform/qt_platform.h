#pragma once
// The platform services of the GUI: message boxes, the desktop shell, the
// event loop, files, colour themes, printing and the program's windows.
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

#include "core/platform.h"

class QPrinter;
class QWidget;

namespace tv {

class BackgroundWorker;
class HelpWindow;
class QtWindows;

class QtPlatform : public Platform {
public:
    // `title` is the application title, the caption of message boxes.
    explicit QtPlatform(QString title);
    ~QtPlatform() override;
    // The windows exist only after the model is built; until then window
    // requests are ignored.
    void attach(QtWindows* windows) { windows_ = windows; }
    const QString& title() const { return title_; }

    void showMessage(const std::string& text) override;
    bool ask(const std::string& text, const std::string& caption) override;
    void open(const std::string& target) override;
    void openDocument(const std::string& name) override;
    void startProgram(const std::string& name) override;
    void processEvents() override;
    void delay(int ms) override;
    void quit(int code) override;
    std::string workingDirectory() override;
    std::vector<std::string> styleNames() override;
    void applyStyle(const std::string& name) override;
    bool choosePrinter() override;
    void printMainWindow() override;
    void printerSetup() override;
    // The printer the dialogs set up and printing uses (kept for the run).
    QPrinter& printer();
    void showWindow(const std::string& form) override;
    void closeWindow(const std::string& form) override;
    void showAnalysis(AnalysisWindow which) override;
    void showHelp() override;
    void runInBackground(Platform::BackgroundWork work) override;
    // Waits until the work handed on so far has run and shown its outcome.
    void waitForBackgroundWork();
    // The help window once it was opened.
    HelpWindow* helpWindow() const;

    // The icon of a message box: a warning for a refusal, a limit, a
    // correction or a fault; information for anything else.
    static QMessageBox::Icon iconFor(const std::string& text);

    // What a shell-open target stands for: a web or mail address as it is
    // ("www." gets https), anything else a file relative to the working directory.
    static QUrl targetUrl(const std::string& target);

protected:
    // The window a modal box belongs to (none when nothing usable is shown).
    QWidget* dialogParent() const;

private:
    QString title_;
    QtWindows* windows_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QPointer<HelpWindow> help_;
    std::unique_ptr<BackgroundWorker> background_;
};

}  // namespace tv
