#pragma once
// What the goal seek and sweep windows share: the current calculator's fields
// (taken when the window opens; it is modal, so they stay the current ones),
// field pickers by caption, and running a search on the main window as a user
// action that the user cannot interrupt with input of his own.
#include <QDialog>
#include <functional>

#include "analysis_fields.h"

class QComboBox;
class QLabel;

namespace tv {

class App;
class QtWindows;

class AnalysisDialog : public QDialog {
    Q_OBJECT
public:
    AnalysisDialog(QtWindows& windows, QWidget* parent);

    const AnalysisFields& fields() const { return fields_; }

protected:
    // A picker of fields by their captions, the field at `selected` chosen.
    static QComboBox* fieldPicker(const std::vector<AnalysisField>& fields, int selected, const char* objectName);
    // Where a result picker starts: the first read-only field of the panel
    // (labels come after), or the first result.
    int firstResultField() const;
    // Runs `work` as a user action: a number that does not read ends it with
    // its message box. The main window is repainted once, when it is done,
    // and takes no input meanwhile.
    void run(const std::function<void()>& work);
    // A field's number as a text with the user's separator ("" when none).
    QString numberText(double value) const;
    // A note in place of the pickers when the calculator offers nothing.
    QLabel* emptyNote(const QString& what);

    App& app_;
    QtWindows& windows_;
    AnalysisFields fields_;
};

}  // namespace tv
