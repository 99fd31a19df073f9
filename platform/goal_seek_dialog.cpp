#include "platform/goal_seek_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app.h"
#include "shell/goal_seek.h"
#include "platform/widgets.h"

namespace tv {

GoalSeekDialog::GoalSeekDialog(QtWindows& windows, QWidget* parent)
    : AnalysisDialog(windows, AnalysisWindow::GoalSeek, parent) {
    setWindowTitle("Goal Seek");
    setObjectName("GoalSeek");
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (fields_.inputs.empty() || fields_.results.empty()) {
        layout->addWidget(emptyNote("This calculator shows no input and result fields to work with."));
        layout->addWidget(buttons);
        return;
    }

    auto* form = new QFormLayout;
    const std::string lastResult = choice_.results.empty() ? std::string() : choice_.results.front();
    result_ = fieldPicker(fields_.results, indexOf(fields_.results, lastResult, firstResultField()), "result");
    form->addRow("Set result:", result_);
    target_ = new QLineEdit;
    target_->setObjectName("target");
    unit_ = new QLabel;
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(target_, 1);
    targetRow->addWidget(unit_);
    form->addRow("To value:", targetRow);
    input_ = fieldPicker(fields_.inputs, indexOf(fields_.inputs, choice_.input, 0), "input");
    form->addRow("By changing:", input_);
    layout->addLayout(form);

    status_ = new QLabel;
    status_->setObjectName("status");
    status_->setWordWrap(true);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 2);
    layout->addWidget(status_);

    // Enter in the target solves; only a click closes.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    QPushButton* solve = buttons->addButton("Solve", QDialogButtonBox::ActionRole);
    solve->setObjectName("solve");
    solve->setDefault(true);
    connect(solve, &QPushButton::clicked, this, &GoalSeekDialog::solve);
    layout->addWidget(buttons);

    connect(result_, &QComboBox::currentIndexChanged, this, &GoalSeekDialog::resultPicked);
    resultPicked();
    target_->setFocus();
    target_->selectAll();
    setMinimumWidth(420);
}

void GoalSeekDialog::resultPicked() {
    const AnalysisField& r = fields_.results[static_cast<size_t>(result_->currentIndex())];
    target_->setText(numberText(resultNumber(r.component->text())));
    unit_->setText(qs(r.unit));
    status_->clear();
}

void GoalSeekDialog::solve() {
    if (!result_) return;
    const AnalysisField& r = fields_.results[static_cast<size_t>(result_->currentIndex())];
    const AnalysisField& in = fields_.inputs[static_cast<size_t>(input_->currentIndex())];
    choice_.input = in.component->name();
    choice_.results = {r.component->name()};
    QString status;
    run([&] {
        const double target = readFloat(target_->text().trimmed().toStdString(), app_.userSeparator());
        SolveOutcome o;
        {
            Busy busy(windows_);
            o = goalSeek(app_, *in.component, *r.component, target, in.caption);
        }
        if (!o.found) {
            status = "No value of " + qs(in.caption) + " reaches the target.";
            app_.message(o.message);
            return;
        }
        // Input texts are bare numbers; results mostly carry their unit.
        auto shown = [](const AnalysisField& f) {
            const std::string& text = f.component->text();
            const bool bare = resultUnit(text).empty() && !f.unit.empty();
            return qs(f.caption + " = " + text + (bare ? " " + f.unit : ""));
        };
        status = shown(in) + " gives " + shown(r) + " (" + QString::number(o.recalculations) + " recalculations).";
    });
    status_->setText(status);
}

}  // namespace tv
