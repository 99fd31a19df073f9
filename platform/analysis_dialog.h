#pragma once
// What the goal seek and sweep windows share: the current calculator's fields
// (taken when the window opens; it is modal, so they stay the current ones),
// field pickers by caption, and running a search on the main window as a user
// action that the user cannot interrupt with input of his own.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "shell/analysis_fields.h"
#include "core/platform.h"
#include "platform/qt_windows.h"

class QComboBox;
class QLabel;

namespace tv {

class App;

// What the user last chose in a window on a calculator (fields by component
// name), offered again the next time it opens there.
struct AnalysisChoice {
    std::string input;
    std::vector<std::string> results;
    std::string from, to;  // sweep ends as typed
    int steps = 50;
    bool logarithmic = false;
};

class AnalysisDialog : public QDialog {
    Q_OBJECT
public:
    AnalysisDialog(QtWindows& windows, AnalysisWindow which, QWidget* parent);

    const AnalysisFields& fields() const { return fields_; }

protected:
    // A picker of fields by their captions, the field at `selected` chosen.
    static QComboBox* fieldPicker(const std::vector<AnalysisField>& fields, int selected, const char* objectName);
    // Where a result picker starts: the first read-only field of the panel
    // (labels come after), or the first result.
    int firstResultField() const;
    // The position of a field by component name, or `otherwise`.
    static int indexOf(const std::vector<AnalysisField>& fields, const std::string& name, int otherwise);
    // Runs `work` as a user action: a number that does not read ends it with
    // its message box.
    void run(const std::function<void()>& work);
    // While a search tries values: the main window is repainted once, when
    // it is done, and takes no input meanwhile.
    class Busy {
    public:
        explicit Busy(QtWindows& windows);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        QWidget& main_;
        bool painting_;
        QtWindows::Applying applying_;
    };
    // A field's number as a text with the user's separator ("" when none).
    QString numberText(double value) const;
    // A note in place of the pickers when the calculator offers nothing.
    QLabel* emptyNote(const QString& what);

    App& app_;
    QtWindows& windows_;
    AnalysisFields fields_;
    AnalysisChoice& choice_;  // kept by the App for this window and calculator
};

}  // namespace tv
