#pragma once
// Tools > Goal Seek...: the value of an input of the current calculator that
// makes a result show a target; the answer is typed into the input.
#include "platform/analysis_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class GoalSeekDialog : public AnalysisDialog {
    Q_OBJECT
public:
    GoalSeekDialog(QtWindows& windows, QWidget* parent);

    // Runs the search with the window's choices (the Solve button).
    void solve();

private:
    // The result's current number as the target, its unit beside it.
    void resultPicked();

    QComboBox* result_ = nullptr;
    QComboBox* input_ = nullptr;
    QLineEdit* target_ = nullptr;
    QLabel* unit_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace tv
