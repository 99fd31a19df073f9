#include "analysis_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <cmath>

#include "app.h"
#include "form_view.h"
#include "qt_windows.h"
#include "widgets.h"

namespace tv {

AnalysisDialog::AnalysisDialog(QtWindows& windows, QWidget* parent)
    : QDialog(parent), app_(windows.app()), windows_(windows), fields_(analysisFields(windows.app())) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QComboBox* AnalysisDialog::fieldPicker(const std::vector<AnalysisField>& fields, int selected,
                                       const char* objectName) {
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    for (const AnalysisField& f : fields) box->addItem(qs(f.label()));
    box->setCurrentIndex(selected);
    box->setMinimumContentsLength(24);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

int AnalysisDialog::firstResultField() const {
    for (size_t i = 0; i < fields_.results.size(); ++i)
        if (fields_.results[i].component->kind() == Kind::Edit) return static_cast<int>(i);
    return fields_.results.empty() ? -1 : 0;
}

void AnalysisDialog::run(const std::function<void()>& work) {
    QWidget& main = windows_.main();
    const bool painting = main.updatesEnabled();
    main.setUpdatesEnabled(false);
    windows_.act([&] {
        QtWindows::Applying busy(windows_);
        work();
    });
    main.setUpdatesEnabled(painting);
}

QString AnalysisDialog::numberText(double value) const {
    return std::isfinite(value) ? qs(app_.numberText(value)) : QString();
}

QLabel* AnalysisDialog::emptyNote(const QString& what) {
    auto* note = new QLabel(what);
    note->setObjectName("empty");
    note->setWordWrap(true);
    return note;
}

}  // namespace tv
