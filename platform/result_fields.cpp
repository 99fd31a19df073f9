#include "platform/result_fields.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "core/app.h"
#include "platform/form_view.h"
#include "platform/qt_windows.h"
#include "shell/result_copy.h"

namespace tv {

namespace {

// A read-only field of one of the program's windows.
QLineEdit* resultField(QObject* o) {
    auto* edit = qobject_cast<QLineEdit*>(o);
    if (!edit || !edit->isReadOnly() || !qobject_cast<FormView*>(edit->window())) return nullptr;
    return edit;
}

class ResultCopy : public QObject {
public:
    explicit ResultCopy(QtWindows& windows) : QObject(&windows), windows_(windows) { qApp->installEventFilter(this); }
    ~ResultCopy() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::ContextMenu) return false;
        QLineEdit* field = resultField(o);
        if (!field) return false;
        if (e->type() == QEvent::KeyPress) {
            if (!static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) return false;
            copyResult(windows_, *field, false);
            return true;
        }
        QMenu menu(field);
        QAction* copy = menu.addAction("Copy");
        copy->setShortcut(QKeySequence::Copy);
        QAction* withUnit = menu.addAction("Copy with Unit");
        QAction* chosen = menu.exec(static_cast<QContextMenuEvent*>(e)->globalPos());
        if (chosen) copyResult(windows_, *field, chosen == withUnit);
        return true;
    }

private:
    QtWindows& windows_;
};

}  // namespace

void copyResult(QtWindows& windows, const QLineEdit& field, bool withUnit) {
    const std::string text = field.text().toStdString();
    const std::string& separator = windows.app().userSeparator();
    const std::string copied = withUnit ? copiedWithUnit(text, separator) : copiedNumber(text, separator);
    QGuiApplication::clipboard()->setText(QString::fromStdString(copied));
}

void installResultCopy(QtWindows& windows) { new ResultCopy(windows); }

}  // namespace tv
