#include "platform/qt_windows.h"

#include <QApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWindow>
#include <QSystemTrayIcon>
#include <exception>

#include "core/app.h"
#include "platform/form_view.h"
#include "core/links.h"
#include "platform/qt_platform.h"
#include "core/resources.h"
#include "core/user_actions.h"

namespace tv {

namespace {

// The program's icon, drawn at the sizes window managers and trays ask for.
QIcon programIcon() {
    const std::string* svg = resource("icons/tolvane.svg");
    QSvgRenderer renderer{svg ? QByteArray(svg->data(), static_cast<qsizetype>(svg->size())) : QByteArray()};
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Windows virtual-key codes of the keys the model's key handlers look at.
int virtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: return 9;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Delete: return 46;
        default: break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
    return 0;
}

bool takesKeys(Kind k) {
    return k == Kind::Edit || k == Kind::Memo || k == Kind::ComboBox || k == Kind::CheckBox;
}

}  // namespace

QtWindows::QtWindows(App& app, QtPlatform& platform) : app_(app), platform_(platform) {
    QApplication::setWindowIcon(programIcon());
    for (Form* f : {&app.Form1, &app.Form2, &app.Form4, &app.Form5, &app.Form6, &app.Form8})
        views_.push_back(std::make_unique<FormView>(*this, app, *f));
    qApp->installEventFilter(this);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_ = new QSystemTrayIcon(programIcon(), this);
        tray_->setToolTip(platform_.title());
        if (QMenu* menu = main().popupMenu()) tray_->setContextMenu(menu);
        // A click on the icon shows the balloon with the maker's address.
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
            if (why == QSystemTrayIcon::Trigger) tray_->showMessage(platform_.title(), links::site);
        });
        tray_->show();
    }
    syncMainEnabled();
}

QtWindows::~QtWindows() {
    qApp->removeEventFilter(this);
    delete tray_;
    tray_ = nullptr;
    views_.clear();
}

FormView& QtWindows::main() const { return *views_.front(); }

FormView* QtWindows::view(const std::string& form) const {
    for (const auto& v : views_)
        if (v->form().name() == form) return v.get();
    return nullptr;
}

QWidget* QtWindows::widget(const std::string& form, const std::string& name) const {
    FormView* v = view(form);
    if (!v) return nullptr;
    Component* c = v->form().find(name);
    return c ? v->widgetOf(*c) : nullptr;
}

void QtWindows::showMain() {
    FormView& m = main();
    m.centre();
    m.show();
    m.raise();
    m.activateWindow();
}

void QtWindows::show(const std::string& form) {
    FormView* v = view(form);
    if (!v) return;
    if (v != &main() && !v->isVisible()) {
        // A window opened while the main window is disabled is modal to it.
        bool modal = !app_.Form1.self().enabled() && form != "Form4";
        v->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        // The window manager keeps it above the main window.
        v->winId();
        if (main().windowHandle()) v->windowHandle()->setTransientParent(main().windowHandle());
        v->centre();
    }
    v->show();
    v->raise();
    v->activateWindow();
    syncMainEnabled();
}

void QtWindows::close(const std::string& form) {
    FormView* v = view(form);
    if (!v) return;
    v->hide();
    syncMainEnabled();
    if (main().isVisible() && !QApplication::activeModalWidget()) main().activateWindow();
}

void QtWindows::syncMainEnabled() {
    if (views_.empty()) return;  // still building the main window
    bool modalOpen = false;
    for (const auto& v : views_)
        if (v.get() != &main() && v->isVisible() && v->windowModality() == Qt::ApplicationModal) modalOpen = true;
    main().setEnabled(app_.Form1.self().enabled() || modalOpen);
}

void QtWindows::refreshColors() {
    for (const auto& v : views_) v->refreshColors();
}

bool QtWindows::acceptsInput() const { return applying_ == 0 && !app_.ended; }

void QtWindows::input(const std::function<void()>& action) {
    if (!acceptsInput()) return;
    // A fault in a handler (a component a module expected but the window
    // lacks) is reported instead of ending the program.
    try {
        action();
    } catch (const std::exception& e) {
        platform_.showMessage(e.what());
    }
}

void QtWindows::act(const std::function<void()>& action) {
    input([&] { app_.userAction(action); });
}

void QtWindows::showHint(const std::string& hint) {
    for (const auto& c : app_.Form1.components())
        if (c->kind() == Kind::StatusBar) {
            c->setPanelText(0, hint);
            return;
        }
}

void QtWindows::enroll(QWidget* w, FormView* view, Component* c) { entries_.insert(w, Entry{view, c}); }
void QtWindows::withdraw(QWidget* w) { entries_.remove(w); }

const QtWindows::Entry* QtWindows::entry(const QObject* o) const {
    auto it = entries_.constFind(o);
    return it == entries_.constEnd() ? nullptr : &it.value();
}

const QtWindows::Entry* QtWindows::owner(const QWidget* w) const {
    for (; w; w = w->parentWidget()) {
        if (const Entry* e = entry(w)) return e;
        if (w->isWindow()) break;
    }
    return nullptr;
}

// The hint of the control under the mouse: its own, or else the nearest
// enclosing control's.
std::string QtWindows::hintAt(const QWidget* w) const {
    for (; w; w = w->parentWidget()) {
        if (const Entry* e = entry(w); e && !e->component->hint().empty()) return e->component->hint();
        if (w->isWindow()) break;
    }
    return {};
}

bool QtWindows::eventFilter(QObject* o, QEvent* e) {
    if (!o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    switch (e->type()) {
        case QEvent::Enter: hover(w, true); break;
        case QEvent::Leave: hover(w, false); break;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            auto* fe = static_cast<QFocusEvent*>(e);
            focus(w, fe->gotFocus(), fe->reason());
            break;
        }
        case QEvent::KeyPress: {
            auto* ke = static_cast<QKeyEvent*>(e);
            return key(w, ke->key(), ke->text());
        }
        default: break;
    }
    return false;
}

void QtWindows::hover(QWidget* w, bool entering) {
    if (!owner(w)) return;
    // Leaving a control puts the pointer back over its parent.
    showHint(hintAt(entering ? w : w->parentWidget()));
    if (const Entry* e = entry(w)) {
        Component* c = e->component;
        if (entering && c->onMouseEnter) act([c] { c->onMouseEnter(); });
        if (!entering && c->onMouseLeave) act([c] { c->onMouseLeave(); });
    }
}

// Enter and exit follow the focus moving between controls of a window; a
// window losing or regaining the focus (a message box, another window, a
// drop-down) is no exit or enter.
void QtWindows::focus(QWidget* w, bool in, Qt::FocusReason reason) {
    const Entry* e = owner(w);
    if (!e || !acceptsInput()) return;
    Component* c = e->component;
    FormView* view = e->view;
    if (c == &view->form().self()) return;
    bool windowSwitch = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    if (in) {
        if (view->focused == c) return;
        view->focused = c;
        if (windowSwitch) return;
        // Clicking into a field is its enter and its click; any other control
        // only enters (its click handler means a changed choice).
        bool field = c->kind() == Kind::Edit || c->kind() == Kind::Memo;
        if (reason == Qt::MouseFocusReason && field) input([&] { user::focus(app_, *c); });
        else if (c->onEnter) act([c] { c->onEnter(); });
        return;
    }
    if (windowSwitch) return;
    // Focus moving between the parts of one control stays inside it.
    if (const Entry* now = owner(QApplication::focusWidget()); now && now->component == c) return;
    if (view->focused == c) view->focused = nullptr;
    input([&] { user::leave(app_, *c); });
}

// Enter is the model's Enter key; other keys give key-down with their code,
// then key-press with their character: a handler that clears the character
// swallows the key, one that changes it types the new character instead.
bool QtWindows::key(QWidget* w, int qtKey, const QString& text) {
    const Entry* e = entry(w);
    if (!e || !acceptsInput() || !takesKeys(e->component->kind())) return false;
    Component* c = e->component;
    int code = virtualKey(qtKey);
    if (code == 13) {
        // A memo without a key handler takes Enter as a line break.
        if (c->kind() == Kind::Memo && !c->onKeyPress) return false;
        input([&] { user::pressEnter(app_, *c); });
        return true;
    }
    if (!c->onKeyDown && !c->onKeyPress) return false;
    char typed = text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 127 ? char(text[0].unicode())
                                                                                        : char(0);
    char result = typed;
    act([c, code, &result] {
        if (c->onKeyDown && code) c->onKeyDown(code);
        if (c->onKeyPress && result) c->onKeyPress(result);
    });
    if (result == typed) return false;
    if (result != 0)
        if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->isReadOnly()) {
            edit->insert(QString(QChar(result)));
            emit edit->textEdited(edit->text());
        }
    return true;
}

}  // namespace tv
