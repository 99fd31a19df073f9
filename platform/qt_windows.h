#pragma once
// The Qt realisation of the program's windows: one top-level window per form
// of the model, one widget per component. Model changes update the widgets;
// what the user does on a widget becomes the model's event, run as a user
// action (a conversion error becomes a message box). Also here: the hint of
// the control under the mouse in the main status bar, focus and key events,
// the tray icon, and which window is modal.
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSystemTrayIcon;
class QWidget;

namespace tv {

class App;
class Component;
class Form;
class FormView;
class QtPlatform;

class QtWindows : public QObject {
    Q_OBJECT
public:
    // Builds the main window from the model; the other windows are built
    // when first shown or asked for. Throws std::runtime_error naming the
    // component when the component tree is broken (an unknown parent).
    QtWindows(App& app, QtPlatform& platform);
    ~QtWindows() override;

    App& app() const { return app_; }
    FormView& main() const;
    // A window, built now if it was not yet (null for an unknown name).
    FormView* view(const std::string& form);
    // The widget of a component, made now if it was not yet (null when it
    // has none, e.g. menu items).
    QWidget* widget(const std::string& form, const std::string& name);

    // Shows the main window: centred, or within a small screen's area with its
    // client area scrolling, or where it was when a place is remembered.
    void showMain();
    // Remembers the main window's place in `file` when the program ends, and
    // takes it from there at showMain.
    void rememberPositionIn(const QString& file);
    // Window requests of the model.
    void show(const std::string& form);
    void close(const std::string& form);
    // Re-applies the text colours after a theme change.
    void refreshColors();

    // Whether a widget signal is the user's: not while a model change is
    // being applied to the widgets, nor after the program ended.
    bool acceptsInput() const;
    // Runs what the user did (one of the shared user actions) when input is
    // accepted; a fault in a handler becomes a message.
    void input(const std::function<void()>& action);
    // The same for a handler call of its own, run as a user action.
    void act(const std::function<void()>& action);
    // Marks the span in which widgets follow the model.
    class Applying {
    public:
        explicit Applying(QtWindows& w) : w_(w) { ++w_.applying_; }
        ~Applying() { --w_.applying_; }
        Applying(const Applying&) = delete;
        Applying& operator=(const Applying&) = delete;

    private:
        QtWindows& w_;
    };

    // The main window takes input unless the model disabled it; a modal
    // window that is open blocks it without greying it.
    void syncMainEnabled();
    // Shows a hint in the first panel of the main window's status bar.
    void showHint(const std::string& hint);

    // Widget registry: the component and window a component's widget belongs to.
    void enroll(QWidget* w, FormView* view, Component* c);
    void withdraw(QWidget* w);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Entry {
        FormView* view;
        Component* component;
    };
    const Entry* entry(const QObject* o) const;
    // The entry of the widget or of its nearest enrolled ancestor in the same window.
    const Entry* owner(const QWidget* w) const;
    std::string hintAt(const QWidget* w) const;
    void hover(QWidget* w, bool entering);
    void focus(QWidget* w, bool in, Qt::FocusReason reason);
    bool key(QWidget* w, int qtKey, const QString& text);

    App& app_;
    QtPlatform& platform_;
    // Declared first, so that it outlives the windows that withdraw from it.
    QHash<const QObject*, Entry> entries_;
    // A window that was never asked for has no view yet.
    struct Window {
        Form* form;
        std::unique_ptr<FormView> view;
    };
    FormView* made(const std::string& form) const;
    std::vector<Window> views_;
    QSystemTrayIcon* tray_ = nullptr;
    int applying_ = 0;
    QString positionFile_;
};

}  // namespace tv
