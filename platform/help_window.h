#pragma once
// The user manual (tolvane-help.html, installed with the program) in a window
// of its own, beside the main window; links to other pages open in the
// desktop's browser.
#include <QWidget>

class QTextBrowser;

namespace tv {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kFileName = "tolvane-help.html";

    explicit HelpWindow(QWidget* owner);
    // Loads the manual; false when it is not installed.
    bool load();
    QTextBrowser& browser() const { return *browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace tv
