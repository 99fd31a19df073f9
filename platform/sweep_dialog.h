#pragma once
// Tools > Sweep...: steps an input of the current calculator between two
// values and plots the chosen results; the table goes to the clipboard or a
// CSV file. The window is restored after every sweep.
#include "platform/analysis_dialog.h"
#include "platform/sweep_plot.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tv {

class SweepDialog : public AnalysisDialog {
    Q_OBJECT
public:
    SweepDialog(QtWindows& windows, QWidget* parent);

    // Runs the sweep with the window's choices (the Sweep button).
    void runSweep();
    // The last sweep: tab-separated to the clipboard, or as CSV to a file
    // (false and a message when it cannot be written).
    void copy();
    void saveCsv();
    bool saveCsvTo(const QString& path);

    // The plot (a SweepChart from the plot library), or the note that says
    // why there is none.
    QWidget* chart() const { return chart_; }
    const SweepPlot& last() const { return last_; }

private:
    // Ends around the input's current value.
    void inputPicked();
    std::vector<std::string> table(char separator, const std::string& decimal) const;

    QComboBox* input_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLabel* unit_ = nullptr;
    QSpinBox* steps_ = nullptr;
    QRadioButton* logarithmic_ = nullptr;
    QListWidget* results_ = nullptr;
    SweepPlotter* plotter_ = nullptr;  // none without the plot library
    QWidget* chart_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    SweepPlot last_;
};

}  // namespace tv
