#include "platform/shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>

#include "core/app.h"
#include "platform/form_view.h"
#include "platform/qt_windows.h"
#include "shell/keyboard.h"

namespace tv {

namespace {

// Keys on a window that run pressKey with the keys' name.
void bind(QtWindows& windows, FormView& view, const QList<QKeySequence>& sequences, const char* keys) {
    auto* shortcut = new QShortcut(&view);
    shortcut->setKeys(sequences);
    shortcut->setContext(Qt::WindowShortcut);
    QtWindows* w = &windows;
    Form* form = &view.form();
    QObject::connect(shortcut, &QShortcut::activated, &view,
                     [w, form, keys] { w->input([&] { pressKey(w->app(), *form, keys); }); });
}

// While the start-up picture shows, a key press or a mouse click anywhere in
// the program ends it; one aimed at the picture itself goes no further.
class SplashDismisser : public QObject {
public:
    SplashDismisser(QtWindows& windows) : QObject(&windows), windows_(windows) { qApp->installEventFilter(this); }
    ~SplashDismisser() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::MouseButtonPress) return false;
        App& app = windows_.app();
        if (!app.Form4.self().visible() || !o->isWidgetType()) return false;
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->isAutoRepeat()) return false;
        FormView* splash = windows_.view("Form4");
        windows_.input([&] { pressKey(app, app.Form4, "Any"); });
        return splash && static_cast<QWidget*>(o)->window() == splash;
    }

private:
    QtWindows& windows_;
};

}  // namespace

void installShortcuts(QtWindows& windows) {
    App& app = windows.app();
    FormView& main = windows.main();
    for (const MenuKey& k : menuKeys())
        if (Component* item = app.Form1.find(k.item))
            if (QAction* action = main.actionOf(*item)) {
                action->setShortcut(QKeySequence(QString::fromLatin1(k.keys)));
                action->setShortcutContext(Qt::WindowShortcut);
            }
    bind(windows, main, {QKeySequence(Qt::CTRL | Qt::Key_Tab)}, kNextFunctionKeys);
    bind(windows, main,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)},
         kPreviousFunctionKeys);
    for (Form* form : {&app.Form2, &app.Form5, &app.Form6, &app.Form8})
        if (FormView* view = windows.view(form->name()))
            bind(windows, *view, {QKeySequence(Qt::Key_Escape)}, "Escape");
    if (FormView* about = windows.view("Form2"))
        bind(windows, *about, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, "Return");
    new SplashDismisser(windows);
}

}  // namespace tv
