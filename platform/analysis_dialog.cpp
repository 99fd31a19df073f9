#include "platform/analysis_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <cmath>
#include <map>

#include "core/app.h"
#include "platform/form_view.h"
#include "platform/qt_windows.h"
#include "platform/widgets.h"

namespace tv {

namespace {

// The choices of both windows on every calculator, for the program's run.
struct AnalysisChoices {
    std::map<std::pair<int, AnalysisWindow>, AnalysisChoice> made;
};

}  // namespace

AnalysisDialog::AnalysisDialog(QtWindows& windows, AnalysisWindow which, QWidget* parent)
    : QDialog(parent),
      app_(windows.app()),
      windows_(windows),
      fields_(analysisFields(windows.app())),
      choice_(app_.state<AnalysisChoices>().made[{app_.currentFunction, which}]) {
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

void AnalysisDialog::run(const std::function<void()>& work) { windows_.act(work); }

AnalysisDialog::Busy::Busy(QtWindows& windows)
    : main_(windows.main()), painting_(main_.updatesEnabled()), applying_(windows) {
    main_.setUpdatesEnabled(false);
}

AnalysisDialog::Busy::~Busy() { main_.setUpdatesEnabled(painting_); }

int AnalysisDialog::indexOf(const std::vector<AnalysisField>& fields, const std::string& name, int otherwise) {
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].component->name() == name) return static_cast<int>(i);
    return otherwise;
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
