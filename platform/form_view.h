#pragma once
// One window of the model as a Qt top-level window: its client area holds one
// widget per component, placed in pixels as the description says; a main menu
// becomes the window's menu bar, a popup menu a context menu.
#include <QWidget>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/component.h"

class QMenu;
class QMenuBar;
class QAction;

namespace tv {

class App;
class QtWindows;

class FormView : public QWidget {
    Q_OBJECT
public:
    FormView(QtWindows& owner, App& app, Form& form);
    ~FormView() override;

    Form& form() const { return form_; }
    QWidget* widgetOf(const Component& c) const;
    QAction* actionOf(const Component& c) const;
    QMenuBar* menuBar() const { return menuBar_; }
    // The client area: the window without its menu bar.
    QWidget& client() const { return *client_; }
    // The first popup menu of the window (the tray menu of the main window).
    QMenu* popupMenu() const { return popup_; }

    // Brings a widget up to date with one property, or with all of them.
    void apply(Component& c, Prop p);
    void refresh(Component& c);
    void refreshColors();
    void centre();

    // The component that holds the keyboard focus in this window.
    Component* focused = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void build();
    QWidget* make(Component& c);
    QWidget* create(Component& c, QWidget* parent);
    void buildMenus();
    void applyWindow(Prop p);
    void applyAction(Component& c, Prop p);
    void applyText(Component& c, QWidget* w);
    void applyItems(Component& c, QWidget* w);
    void applyIndex(Component& c, QWidget* w);
    void applyPosition(Component& c, QWidget* w);
    void applyPalette(Component& c, QWidget* w);
    bool windowFilled() const;
    QPalette groundOf(const Component& c) const;
    void place(Component& c, QWidget* w);
    void click(Component& c);
    // Tab order: the inputs in reading order; a radio group's buttons, made
    // anew with its items, are put back in their group's place.
    void orderTabs();
    void chainTabs(size_t first, size_t last);
    void applyTabStop(Component& c);
    std::vector<QWidget*> tabWidgets(const Component& c) const;

    QtWindows& owner_;
    App& app_;
    Form& form_;
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* popup_ = nullptr;
    std::unordered_map<const Component*, QWidget*> widgets_;
    std::unordered_map<const Component*, QAction*> actions_;
    std::unordered_map<const Component*, QMenu*> menus_;
    std::unordered_map<const Component*, bool> building_;
    std::vector<Component*> tabOrder_;
};

}  // namespace tv
