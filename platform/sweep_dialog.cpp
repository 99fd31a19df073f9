#include "platform/sweep_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/app.h"
#include "shell/goal_seek.h"
#include "platform/widgets.h"

namespace tv {

namespace {

constexpr int kMaxSteps = 100000;

}  // namespace

SweepDialog::SweepDialog(QtWindows& windows, QWidget* parent) : AnalysisDialog(windows, AnalysisWindow::Sweep, parent) {
    setWindowTitle("Sweep");
    setObjectName("Sweep");
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (fields_.inputs.empty() || fields_.results.empty()) {
        layout->addWidget(emptyNote("This calculator shows no input and result fields to work with."));
        layout->addWidget(buttons);
        return;
    }

    // What to sweep: the input, its ends, the steps and the scale.
    auto* grid = new QGridLayout;
    input_ = fieldPicker(fields_.inputs, indexOf(fields_.inputs, choice_.input, 0), "input");
    grid->addWidget(new QLabel("Input:"), 0, 0);
    grid->addWidget(input_, 0, 1, 1, 3);
    from_ = new QLineEdit;
    from_->setObjectName("from");
    to_ = new QLineEdit;
    to_->setObjectName("to");
    unit_ = new QLabel;
    auto* ends = new QHBoxLayout;
    for (QLineEdit* end : {from_, to_}) end->setMaximumWidth(140);
    ends->addWidget(from_);
    ends->addWidget(new QLabel("to"));
    ends->addWidget(to_);
    ends->addWidget(unit_);
    ends->addStretch(1);
    grid->addWidget(new QLabel("From:"), 1, 0);
    grid->addLayout(ends, 1, 1, 1, 3);
    steps_ = new QSpinBox;
    steps_->setObjectName("steps");
    steps_->setRange(1, kMaxSteps);
    steps_->setValue(choice_.steps);
    auto* linear = new QRadioButton("Linear");
    logarithmic_ = new QRadioButton("Logarithmic");
    logarithmic_->setObjectName("logarithmic");
    (choice_.logarithmic ? logarithmic_ : linear)->setChecked(true);
    auto* scale = new QHBoxLayout;
    scale->addWidget(steps_);
    scale->addSpacing(12);
    scale->addWidget(linear);
    scale->addWidget(logarithmic_);
    scale->addStretch(1);
    grid->addWidget(new QLabel("Steps:"), 2, 0);
    grid->addLayout(scale, 2, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    // The results to record beside the plot.
    auto* middle = new QHBoxLayout;
    auto* pick = new QVBoxLayout;
    pick->addWidget(new QLabel("Results:"));
    results_ = new QListWidget;
    results_->setObjectName("results");
    // The results of the last sweep here, or the first result field.
    std::vector<bool> chosen(fields_.results.size(), false);
    for (const std::string& name : choice_.results)
        if (int i = indexOf(fields_.results, name, -1); i >= 0) chosen[static_cast<size_t>(i)] = true;
    if (std::find(chosen.begin(), chosen.end(), true) == chosen.end() && mainResultField() >= 0)
        chosen[static_cast<size_t>(mainResultField())] = true;
    for (size_t i = 0; i < fields_.results.size(); ++i) {
        auto* item = new QListWidgetItem(qs(fields_.results[i].label()), results_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen[i] ? Qt::Checked : Qt::Unchecked);
    }
    results_->setMinimumWidth(220);
    results_->setMaximumWidth(300);
    pick->addWidget(results_, 1);
    middle->addLayout(pick);
    QString why;
    plotter_ = newSweepPlotter(&why);
    if (plotter_) {
        chart_ = plotter_->widget();
    } else {
        // The sweep still runs and its table can be copied or saved.
        auto* note = new QLabel(why + "\nThe table of a sweep can still be copied or saved.");
        note->setObjectName("chart");
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignCenter);
        note->setMinimumSize(420, 280);
        chart_ = note;
    }
    middle->addWidget(chart_, 1);
    layout->addLayout(middle, 1);

    readout_ = new QLabel;
    readout_->setObjectName("readout");
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setMinimumHeight(readout_->fontMetrics().lineSpacing());
    if (plotter_) plotter_->onCursorMoved([label = readout_](const QString& text) { label->setText(text); });
    layout->addWidget(readout_);
    status_ = new QLabel;
    status_->setObjectName("status");
    layout->addWidget(status_);

    // Enter sweeps; Copy, Save and Close take a click.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    QPushButton* sweepButton = buttons->addButton("Sweep", QDialogButtonBox::ActionRole);
    sweepButton->setObjectName("sweep");
    sweepButton->setDefault(true);
    copy_ = buttons->addButton("Copy", QDialogButtonBox::ActionRole);
    copy_->setObjectName("copy");
    save_ = buttons->addButton("Save CSV...", QDialogButtonBox::ActionRole);
    save_->setObjectName("save");
    copy_->setAutoDefault(false);
    save_->setAutoDefault(false);
    copy_->setEnabled(false);
    save_->setEnabled(false);
    connect(sweepButton, &QPushButton::clicked, this, &SweepDialog::runSweep);
    connect(copy_, &QPushButton::clicked, this, &SweepDialog::copy);
    connect(save_, &QPushButton::clicked, this, &SweepDialog::saveCsv);
    layout->addWidget(buttons);

    connect(input_, &QComboBox::currentIndexChanged, this, &SweepDialog::inputPicked);
    inputPicked();
    if (fields_.inputs[static_cast<size_t>(input_->currentIndex())].component->name() == choice_.input) {
        from_->setText(qs(choice_.from));
        to_->setText(qs(choice_.to));
    }
    resize(860, 560);
}

void SweepDialog::inputPicked() {
    const AnalysisField& in = fields_.inputs[static_cast<size_t>(input_->currentIndex())];
    double x0 = NAN;
    if (isFloat(in.component->text(), app_.userSeparator())) x0 = readFloat(in.component->text(), app_.userSeparator());
    const bool usable = std::isfinite(x0) && x0 != 0;
    from_->setText(usable ? numberText(x0 / 2) : numberText(0));
    to_->setText(usable ? numberText(x0 * 2) : numberText(1));
    unit_->setText(qs(in.unit));
}

void SweepDialog::runSweep() {
    if (!input_) return;
    const AnalysisField& in = fields_.inputs[static_cast<size_t>(input_->currentIndex())];
    std::vector<AnalysisField> chosen;
    std::vector<Component*> components;
    for (int i = 0; i < results_->count(); ++i)
        if (results_->item(i)->checkState() == Qt::Checked) {
            chosen.push_back(fields_.results[static_cast<size_t>(i)]);
            components.push_back(chosen.back().component);
        }
    const bool logarithmic = logarithmic_->isChecked();
    const int steps = steps_->value();
    choice_ = {in.component->name(), {}, from_->text().toStdString(), to_->text().toStdString(), steps, logarithmic};
    for (const AnalysisField& r : chosen) choice_.results.push_back(r.component->name());
    std::vector<SweepPoint> points;
    bool stopped = false;
    run([&] {
        const double from = readFloat(from_->text().trimmed().toStdString(), app_.userSeparator());
        const double to = readFloat(to_->text().trimmed().toStdString(), app_.userSeparator());
        if (chosen.empty()) return app_.message("Choose at least one result to record.");
        if (from == to) return app_.message("The sweep needs two different ends.");
        if (std::string problem = sweepRangeProblem(from, to, steps, logarithmic); !problem.empty())
            return app_.message(problem);
        QProgressDialog progress("Sweeping " + qs(in.caption) + "...", "Stop", 0, steps + 1, this);
        progress.setWindowTitle("Sweep");
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(300);
        // The bar moves (and the window answers) every few milliseconds, not
        // after every step.
        Busy busy(windows_);
        QElapsedTimer sinceShown;
        sinceShown.start();
        points = sweep(app_, *in.component, from, to, steps, components, logarithmic, [&](int done, int total) {
            if (done < total && sinceShown.elapsed() < 40) return true;
            sinceShown.restart();
            progress.setValue(done);
            stopped = progress.wasCanceled();
            return !stopped;
        });
    });
    if (points.empty()) return;

    last_ = SweepPlot{in, chosen, std::move(points), logarithmic};
    if (plotter_) plotter_->plot(last_);
    readout_->clear();
    int gaps = 0;
    for (const SweepPoint& p : last_.points)
        for (double r : p.results)
            if (!std::isfinite(r)) ++gaps;
    QString status = stopped ? QString("Stopped after %1 of %2 steps.").arg(last_.points.size()).arg(steps + 1)
                             : QString("%1 steps.").arg(last_.points.size());
    if (gaps) status += QString(" %1 without a result (a message or N/A): gaps in the plot.").arg(gaps);
    status_->setText(status);
    copy_->setEnabled(true);
    save_->setEnabled(true);
}

std::vector<std::string> SweepDialog::table(char separator, const std::string& decimal) const {
    std::vector<std::string> names;
    for (const AnalysisField& r : last_.results) names.push_back(r.label());
    return sweepTable(last_.points, last_.input.label(), names, separator, decimal);
}

void SweepDialog::copy() {
    if (last_.points.empty()) return;
    // Pasted into a spreadsheet, numbers read with the desktop's separator.
    const std::string& sep = app_.userSeparator();
    QString text;
    for (const std::string& line : table('\t', sep == "," ? "," : ".")) text += qs(line) + "\n";
    QApplication::clipboard()->setText(text);
}

void SweepDialog::saveCsv() {
    if (last_.points.empty()) return;
    QFileDialog dialog(this, "Save CSV", "sweep.csv", "CSV files (*.csv);;All files (*)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveCsvTo(dialog.selectedFiles().front());
}

bool SweepDialog::saveCsvTo(const QString& path) {
    const FileWritten written = app_.platform.writeTextFile(path.toStdString(), table(',', "."));
    if (written) return true;
    app_.message("Cannot write " + path.toStdString() + ": " + written.error);
    return false;
}

}  // namespace tv
