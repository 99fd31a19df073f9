#include "platform/form_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <stdexcept>

#include "core/app.h"
#include "core/form.h"
#include "platform/qt_windows.h"
#include "core/resources.h"
#include "platform/tab_order.h"
#include "platform/tab_strip.h"
#include "platform/themes.h"
#include "core/user_actions.h"
#include "platform/widgets.h"

namespace tv {

namespace {

bool isMenu(Kind k) { return k == Kind::MainMenu || k == Kind::MenuItem || k == Kind::PopupMenu; }

QColor toQColor(Color c) { return QColor::fromRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// The frame of each window: the main window can be minimised but not
// maximised, the splash has no frame, the repair window no title-bar buttons,
// the other windows only the system menu.
Qt::WindowFlags frameOf(const std::string& form, bool main) {
    constexpr auto titled = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (main)
        return Qt::Window | titled | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
               Qt::WindowCloseButtonHint;
    if (form == "Form4") return Qt::SplashScreen | Qt::FramelessWindowHint;
    if (form == "Form8") return Qt::Dialog | titled;
    return Qt::Dialog | titled | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

// The palette role a component's font colour paints, and the role it is read on.
QPalette::ColorRole textRole(Kind k) {
    switch (k) {
        case Kind::Edit:
        case Kind::Memo: return QPalette::Text;
        case Kind::Button:
        case Kind::SpeedButton:
        case Kind::ComboBox: return QPalette::ButtonText;
        default: return QPalette::WindowText;
    }
}
QPalette::ColorRole groundRole(QPalette::ColorRole text) {
    return text == QPalette::Text ? QPalette::Base : text == QPalette::ButtonText ? QPalette::Button : QPalette::Window;
}

constexpr Prop kAllProps[] = {Prop::Geometry, Prop::Text,     Prop::Hint,     Prop::Enabled, Prop::Brush,
                              Prop::Color,    Prop::Items,    Prop::Index,    Prop::Checked, Prop::Range,
                              Prop::Position, Prop::MaxLength, Prop::ReadOnly, Prop::Picture, Prop::Panels,
                              Prop::Visible};

}  // namespace

FormView::FormView(QtWindows& owner, App& app, Form& form)
    : QWidget(nullptr, frameOf(form.name(), &form == &app.Form1)),
      owner_(owner), app_(app), form_(form), client_(new QWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildMenus();
    if (menuBar_) layout->setMenuBar(menuBar_);
    layout->addWidget(client_);
    owner_.enroll(this, this, &form_.self());
    build();
    orderTabs();
    refresh(form_.self());
    form_.setObserver([this](Component& c, Prop p) { apply(c, p); });
}

FormView::~FormView() {
    form_.setObserver(nullptr);
    for (auto& [c, w] : widgets_) owner_.withdraw(w);
    owner_.withdraw(this);
}

QWidget* FormView::widgetOf(const Component& c) const {
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* FormView::actionOf(const Component& c) const {
    auto it = actions_.find(&c);
    return it == actions_.end() ? nullptr : it->second;
}

void FormView::build() {
    for (const auto& c : form_.components())
        if (!isMenu(c->kind())) make(*c);
}

// Creates the widget of a component after its parent's.
QWidget* FormView::make(Component& c) {
    if (QWidget* w = widgetOf(c)) return w;
    auto fail = [&](const std::string& why) {
        throw std::runtime_error(form_.name() + ": component " + c.name() + " " + why);
    };
    if (building_[&c]) fail("is inside itself");
    building_[&c] = true;
    QWidget* parent = client_;
    if (!c.parentName().empty()) {
        Component* p = form_.find(c.parentName());
        if (!p) fail("has an unknown parent " + c.parentName());
        if (isMenu(p->kind())) fail("cannot be placed in the menu " + p->name());
        if (p != &form_.self()) parent = make(*p);
    }
    QWidget* w = create(c, parent);
    widgets_[&c] = w;
    owner_.enroll(w, this, &c);
    refresh(c);
    return w;
}

QWidget* FormView::create(Component& c, QWidget* parent) {
    Component* cp = &c;
    auto clickable = [&](auto* w) {
        connect(w, &std::remove_pointer_t<decltype(w)>::clicked, this, [this, cp] { click(*cp); });
        if (cp->onClick) w->setCursor(Qt::PointingHandCursor);
        return w;
    };
    switch (c.kind()) {
        case Kind::GroupBox:
        case Kind::Panel: {
            auto* w = new FrameBox(c.kind() == Kind::GroupBox ? FrameBox::Look::Group : FrameBox::Look::Panel, parent);
            connect(w, &FrameBox::clicked, this, [this, cp] { click(*cp); });
            return w;
        }
        case Kind::Label:
        case Kind::StaticText: return clickable(new ClickLabel(parent));
        case Kind::Shape: return clickable(new ShapeBox(parent));
        case Kind::Image: return clickable(new Picture(parent));
        case Kind::Edit: {
            auto* w = new QLineEdit(parent);
            // Only typing raises the model's change; texts the model writes do not.
            connect(w, &QLineEdit::textEdited, this, [this, cp](const QString& t) {
                owner_.input([&] { user::typeText(app_, *cp, t.toStdString()); });
            });
            return w;
        }
        case Kind::Memo: {
            auto* w = new QPlainTextEdit(parent);
            connect(w, &QPlainTextEdit::textChanged, this, [this, cp, w] {
                owner_.input([&] { user::typeText(app_, *cp, w->toPlainText().toStdString()); });
            });
            return w;
        }
        case Kind::RadioGroup: {
            auto* w = new RadioGroupBox(parent);
            connect(w, &RadioGroupBox::picked, this, [this, cp](int i) {
                owner_.input([&] { user::pick(app_, *cp, i); });
                apply(*cp, Prop::Index);
            });
            return w;
        }
        case Kind::CheckBox: {
            auto* w = new WholeButton<QCheckBox>(parent);
            connect(w, &QCheckBox::clicked, this, [this, cp] {
                click(*cp);
                apply(*cp, Prop::Checked);
            });
            return w;
        }
        case Kind::ComboBox: {
            auto* w = new QComboBox(parent);
            w->setEditable(false);
            connect(w, &QComboBox::activated, this, [this, cp](int i) {
                owner_.input([&] { user::pick(app_, *cp, i); });
                apply(*cp, Prop::Index);
            });
            return w;
        }
        case Kind::Button: {
            auto* w = new QPushButton(parent);
            w->setAutoDefault(false);
            connect(w, &QPushButton::clicked, this, [this, cp] { click(*cp); });
            return w;
        }
        case Kind::SpeedButton: {
            auto* w = new QToolButton(parent);
            connect(w, &QToolButton::clicked, this, [this, cp] { click(*cp); });
            return w;
        }
        case Kind::UpDown: {
            auto* w = new SpinArrows(parent);
            connect(w, &SpinArrows::stepped, this, [this, cp](int step) {
                owner_.input([&] { user::spin(app_, *cp, step); });
            });
            return w;
        }
        case Kind::TrackBar: {
            auto* w = new QSlider(c.width() >= c.height() ? Qt::Horizontal : Qt::Vertical, parent);
            w->setTickPosition(QSlider::TicksBelow);
            connect(w, &QSlider::valueChanged, this, [this, cp](int v) {
                if (!owner_.acceptsInput()) return;
                owner_.input([&] { user::slide(app_, *cp, v); });
                apply(*cp, Prop::Position);
            });
            return w;
        }
        case Kind::ProgressBar: {
            auto* w = new QProgressBar(parent);
            w->setTextVisible(false);
            return w;
        }
        case Kind::TabControl: {
            auto* w = new TabStrip(parent);
            connect(w, &TabStrip::picked, this, [this, cp](int i) {
                owner_.input([&] { user::pick(app_, *cp, i); });
                apply(*cp, Prop::Index);
            });
            return w;
        }
        case Kind::StatusBar: return new StatusPanels({650, 50}, parent);
        default: return new QWidget(parent);
    }
}

void FormView::buildMenus() {
    for (const auto& comp : form_.components()) {
        Component& c = *comp;
        if (c.kind() == Kind::MainMenu) {
            if (!menuBar_) menuBar_ = new QMenuBar(this);
            continue;
        }
        if (c.kind() == Kind::PopupMenu) {
            menus_[&c] = new QMenu(this);
            if (!popup_) popup_ = menus_[&c];
            continue;
        }
        if (c.kind() != Kind::MenuItem) continue;
        auto fail = [&](const std::string& why) {
            throw std::runtime_error(form_.name() + ": menu item " + c.name() + " " + why);
        };
        Component* parent = form_.find(c.parentName());
        if (!parent) fail("has an unknown parent " + c.parentName());
        QWidget* container = nullptr;
        if (parent->kind() == Kind::MainMenu) container = menuBar_;
        else if (auto it = menus_.find(parent); it != menus_.end()) container = it->second;
        if (!container) fail("is not inside a menu (" + c.parentName() + ")");

        QAction* action;
        if (!form_.children(c.name()).empty()) {
            auto* sub = new QMenu(this);
            menus_[&c] = sub;
            action = sub->menuAction();
        } else {
            action = new QAction(this);
            Component* cp = &c;
            connect(action, &QAction::triggered, this, [this, cp] { click(*cp); });
        }
        container->addAction(action);
        actions_[&c] = action;
        Component* cp = &c;
        connect(action, &QAction::hovered, this, [this, cp] { owner_.showHint(cp->hint()); });
        refresh(c);
    }
}

void FormView::refresh(Component& c) {
    for (Prop p : kAllProps) apply(c, p);
}

void FormView::refreshColors() {
    applyWindow(Prop::Brush);
    // Parents come first, so children read their parent's new colours.
    for (const auto& c : form_.components())
        if (QWidget* w = widgetOf(*c)) {
            QtWindows::Applying guard(owner_);
            applyPalette(*c, w);
        }
}

void FormView::apply(Component& c, Prop p) {
    if (&c == &form_.self()) {
        applyWindow(p);
        return;
    }
    if (isMenu(c.kind())) {
        applyAction(c, p);
        return;
    }
    QWidget* w = widgetOf(c);
    if (!w) return;
    QtWindows::Applying guard(owner_);
    QSignalBlocker block(w);
    switch (p) {
        case Prop::Text: applyText(c, w); break;
        case Prop::Hint: w->setToolTip(qs(c.hint())); break;
        case Prop::Visible: w->setVisible(c.visible()); break;
        case Prop::Enabled: w->setEnabled(c.enabled()); break;
        case Prop::Color: applyPalette(c, w); break;
        case Prop::Brush:
            if (auto* shape = qobject_cast<ShapeBox*>(w)) shape->setFill(toQColor(c.brush()));
            applyPalette(c, w);
            break;
        case Prop::Geometry: place(c, w); break;
        case Prop::Items:
        case Prop::Panels: applyItems(c, w); break;
        case Prop::Index: applyIndex(c, w); break;
        case Prop::Checked:
            if (auto* box = qobject_cast<QCheckBox*>(w)) box->setChecked(c.checked());
            break;
        case Prop::Range:
        case Prop::Position: applyPosition(c, w); break;
        case Prop::MaxLength:
            if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setMaxLength(c.maxLength() > 0 ? c.maxLength() : 32767);
            break;
        case Prop::ReadOnly:
            if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setReadOnly(c.readOnly());
            if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->setReadOnly(c.readOnly());
            applyTabStop(c);
            break;
        case Prop::Picture:
            if (auto* pic = qobject_cast<Picture*>(w)) {
                const std::string* svg = c.picture().empty() ? nullptr : resource(c.picture());
                pic->setSvg(svg ? QByteArray(svg->data(), static_cast<qsizetype>(svg->size())) : QByteArray());
            }
            break;
    }
}

void FormView::applyText(Component& c, QWidget* w) {
    QString text = qs(c.text());
    switch (c.kind()) {
        case Kind::Edit: {
            auto* edit = static_cast<QLineEdit*>(w);
            if (edit->text() != text) {
                edit->setText(text);
                edit->setCursorPosition(0);
            }
            break;
        }
        case Kind::Memo: {
            auto* memo = static_cast<QPlainTextEdit*>(w);
            if (memo->toPlainText() != text) memo->setPlainText(text);
            break;
        }
        case Kind::ComboBox: applyIndex(c, w); break;
        case Kind::Label:
        case Kind::StaticText:
            static_cast<QLabel*>(w)->setText(plainCaption(c.text()));
            place(c, w);
            break;
        case Kind::GroupBox:
        case Kind::Panel:
        case Kind::RadioGroup: static_cast<FrameBox*>(w)->setTitle(plainCaption(c.text())); break;
        case Kind::CheckBox:
        case Kind::Button:
        case Kind::SpeedButton: static_cast<QAbstractButton*>(w)->setText(text); break;
        default: break;
    }
}

void FormView::applyItems(Component& c, QWidget* w) {
    switch (c.kind()) {
        case Kind::RadioGroup: {
            static_cast<RadioGroupBox*>(w)->setItems(c.items());
            applyIndex(c, w);
            applyTabStop(c);
            // New buttons join the end of the focus chain; put them back
            // between the group's neighbours.
            auto at = std::find(tabOrder_.begin(), tabOrder_.end(), &c);
            if (at != tabOrder_.end()) {
                size_t i = static_cast<size_t>(at - tabOrder_.begin());
                if (i == 0) chainTabs(0, tabOrder_.size() - 1);
                else chainTabs(i - 1, std::min(i + 1, tabOrder_.size() - 1));
            }
            break;
        }
        case Kind::ComboBox: {
            auto* combo = static_cast<QComboBox*>(w);
            combo->clear();
            for (const auto& item : c.items()) combo->addItem(qs(item));
            applyIndex(c, w);
            break;
        }
        case Kind::TabControl: {
            QStringList tabs;
            for (const auto& item : c.items()) tabs << qs(item);
            auto* strip = static_cast<TabStrip*>(w);
            strip->setTabs(tabs);
            strip->setCurrent(c.itemIndex());
            break;
        }
        case Kind::StatusBar: {
            auto* panels = static_cast<StatusPanels*>(w);
            for (size_t i = 0; i < 2; ++i) panels->setText(i, qs(c.panelText(i)));
            break;
        }
        default: break;
    }
}

void FormView::applyIndex(Component& c, QWidget* w) {
    switch (c.kind()) {
        case Kind::RadioGroup: static_cast<RadioGroupBox*>(w)->setIndex(c.itemIndex()); break;
        case Kind::ComboBox: {
            auto* combo = static_cast<QComboBox*>(w);
            int index = c.itemIndex();
            // A text written without a pick still shows its item.
            if (index < 0 && !c.text().empty()) index = combo->findText(qs(c.text()), Qt::MatchExactly);
            combo->setCurrentIndex(index);
            break;
        }
        case Kind::TabControl: static_cast<TabStrip*>(w)->setCurrent(c.itemIndex()); break;
        default: break;
    }
}

void FormView::applyPosition(Component& c, QWidget* w) {
    int low = std::min(c.min(), c.max()), high = std::max(c.min(), c.max());
    if (auto* slider = qobject_cast<QSlider*>(w)) {
        slider->setRange(low, high);
        slider->setValue(c.position());
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
        // An empty range would turn the bar into a busy indicator.
        bar->setRange(low, std::max(high, low + 1));
        bar->setValue(std::clamp(c.position(), low, std::max(high, low + 1)));
    }
}

// Font colour and fill. Black is the theme's own text colour; other colours
// are shown as they are where they can be read (see legibleOn).
void FormView::applyPalette(Component& c, QWidget* w) {
    QPalette pal;
    QPalette around = groundOf(c);
    if (c.kind() == Kind::Panel) {
        bool filled = c.brushSet();
        w->setAutoFillBackground(filled);
        if (filled) {
            QColor fill = toQColor(c.brush());
            pal.setColor(QPalette::Window, fill);
            pal.setColor(QPalette::WindowText, fill.lightnessF() < 0.5 ? Qt::white : Qt::black);
            around.setColor(QPalette::Window, fill);
        }
    }
    if (c.color() != colors::Black) {
        QPalette::ColorRole role = textRole(c.kind());
        QColor shown = legibleOn(toQColor(c.color()), around.color(groundRole(role)));
        pal.setColor(QPalette::Active, role, shown);
        pal.setColor(QPalette::Inactive, role, shown);
    }
    w->setPalette(pal);
}

// The colours a component is drawn on: the theme's, with the fill of the
// nearest filled panel or window around it. (Read from the model, because
// widgets take a new theme's colours only as its change events arrive.)
QPalette FormView::groundOf(const Component& c) const {
    QPalette pal = QApplication::palette();
    for (const Component* p = form_.find(c.parentName()); p; p = form_.find(p->parentName())) {
        if (p->kind() == Kind::Panel && p->brushSet()) {
            pal.setColor(QPalette::Window, toQColor(p->brush()));
            return pal;
        }
        if (p == &form_.self() || p->parentName().empty()) break;
    }
    if (windowFilled()) pal.setColor(QPalette::Window, toQColor(form_.self().brush()));
    return pal;
}

// A window's own fill shows under the plain look only; a colour theme paints
// every window in its own colours, so that its texts stay readable.
bool FormView::windowFilled() const {
    if (!form_.self().brushSet()) return false;
    auto names = app_.platform.styleNames();
    return names.empty() || app_.platform.activeStyle() == names.front();
}

void FormView::place(Component& c, QWidget* w) {
    QRect r(c.left(), c.top(), c.width(), c.height());
    // Labels size themselves to their text, never smaller than designed.
    if (c.kind() == Kind::Label || c.kind() == Kind::StaticText) {
        QSize hint = w->sizeHint();
        r.setWidth(std::max(r.width(), hint.width()));
        r.setHeight(std::max(r.height(), hint.height()));
    }
    w->setGeometry(r);
}

void FormView::applyWindow(Prop p) {
    Component& self = form_.self();
    switch (p) {
        case Prop::Text: setWindowTitle(qs(self.caption())); break;
        case Prop::Geometry: client_->setFixedSize(std::max(1, self.width()), std::max(1, self.height())); break;
        case Prop::Enabled:
            if (&form_ == &app_.Form1) owner_.syncMainEnabled();
            else setEnabled(self.enabled());
            break;
        case Prop::Brush: {
            bool filled = windowFilled();
            client_->setAutoFillBackground(filled);
            QPalette pal;
            if (filled) pal.setColor(QPalette::Window, toQColor(self.brush()));
            client_->setPalette(pal);
            break;
        }
        default: break;
    }
}

void FormView::applyAction(Component& c, Prop p) {
    QAction* a = actionOf(c);
    if (!a) return;
    QtWindows::Applying guard(owner_);
    switch (p) {
        case Prop::Text: {
            // A separator is only a line; its "-" is no text to show.
            bool separator = c.caption() == "-";
            a->setSeparator(separator);
            a->setText(separator ? QString() : qs(c.caption()));
            break;
        }
        case Prop::Enabled: a->setEnabled(c.enabled()); break;
        case Prop::Visible: a->setVisible(c.visible()); break;
        case Prop::Checked:
            if (c.checked()) a->setCheckable(true);
            a->setChecked(c.checked());
            break;
        default: break;
    }
}

namespace {

bool isInput(Kind k) {
    switch (k) {
        case Kind::Edit:
        case Kind::Memo:
        case Kind::ComboBox:
        case Kind::CheckBox:
        case Kind::Button:
        case Kind::SpeedButton:
        case Kind::TrackBar:
        case Kind::RadioGroup: return true;
        default: return false;
    }
}

bool isContainer(Kind k) { return k == Kind::GroupBox || k == Kind::Panel || k == Kind::TabControl; }

}  // namespace

// Read-only fields take no tab stop unless the description gives one; any
// other input keeps its own unless the description takes it away. A control
// without a tab stop still takes the focus by a click.
void FormView::applyTabStop(Component& c) {
    if (auto* group = qobject_cast<RadioGroupBox*>(widgetOf(c))) {
        group->setTabStop(c.tabStop.value_or(true));
        return;
    }
    bool field = c.kind() == Kind::Edit || c.kind() == Kind::Memo;
    if (!field && !c.tabStop) return;
    Qt::FocusPolicy policy = c.tabStop.value_or(!c.readOnly()) ? Qt::StrongFocus : Qt::ClickFocus;
    for (QWidget* w : tabWidgets(c)) w->setFocusPolicy(policy);
}

// The widgets Tab visits for a component: a radio group's buttons, else the
// component's own widget.
std::vector<QWidget*> FormView::tabWidgets(const Component& c) const {
    QWidget* w = widgetOf(c);
    if (!w) return {};
    if (auto* group = qobject_cast<RadioGroupBox*>(w)) {
        std::vector<QWidget*> buttons;
        for (int i = 0; i < group->count(); ++i) buttons.push_back(group->button(i));
        return buttons;
    }
    return {w};
}

// Orders the inputs of the window by their places in the window. A control
// that lies inside a sibling frame (a group placed over another group) is read
// with that frame's contents.
void FormView::orderTabs() {
    std::unordered_map<const Component*, QRect> place;
    std::function<QRect(const Component&)> rectOf = [&](const Component& c) -> QRect {
        if (auto it = place.find(&c); it != place.end()) return it->second;
        QRect r(c.left(), c.top(), c.width(), c.height());
        const Component* p = form_.find(c.parentName());
        if (p && p != &form_.self()) r.translate(rectOf(*p).topLeft());
        place[&c] = r;
        return r;
    };
    std::vector<Component*> all;
    std::unordered_map<std::string, std::vector<Component*>> framesIn;
    for (const auto& c : form_.components())
        if (c.get() != &form_.self() && !isMenu(c->kind()) && widgetOf(*c)) {
            all.push_back(c.get());
            if (isContainer(c->kind())) framesIn[c->parentName()].push_back(c.get());
        }
    // The visual tree: each component under its parent, or under the
    // smallest sibling frame that encloses it.
    std::unordered_map<const Component*, std::vector<Component*>> children;
    for (Component* c : all) {
        const Component* parent = form_.find(c->parentName());
        const Component* frame = parent ? parent : &form_.self();
        QRect r = rectOf(*c), frameRect;
        for (Component* s : framesIn[c->parentName()]) {
            QRect sr = rectOf(*s);
            if (s != c && sr != r && sr.contains(r) && (frameRect.isNull() || frameRect.contains(sr))) {
                frame = s;
                frameRect = sr;
            }
        }
        children[frame].push_back(c);
    }
    std::unordered_map<const Component*, bool> holdsInput;
    std::function<bool(const Component*)> hasInput = [&](const Component* c) {
        if (auto it = holdsInput.find(c); it != holdsInput.end()) return it->second;
        bool any = isInput(c->kind());
        for (const Component* k : children[c]) any = hasInput(k) || any;
        return holdsInput[c] = any;
    };
    tabOrder_.clear();
    std::function<void(const Component*)> walk = [&](const Component* node) {
        std::vector<Component*> items;
        std::vector<QRect> rects;
        for (Component* k : children[node])
            if (hasInput(k)) {
                items.push_back(k);
                rects.push_back(rectOf(*k));
            }
        for (size_t i : readingOrder(rects)) {
            if (isInput(items[i]->kind())) tabOrder_.push_back(items[i]);
            walk(items[i]);
        }
    };
    walk(&form_.self());
    if (!tabOrder_.empty()) chainTabs(0, tabOrder_.size() - 1);
}

// Links the tab widgets of tabOrder_[first..last] one after the other.
void FormView::chainTabs(size_t first, size_t last) {
    QWidget* previous = nullptr;
    for (size_t i = first; i <= last && i < tabOrder_.size(); ++i)
        for (QWidget* w : tabWidgets(*tabOrder_[i])) {
            if (previous) QWidget::setTabOrder(previous, w);
            previous = w;
        }
}

void FormView::click(Component& c) {
    owner_.input([&] { user::click(app_, c); });
}

void FormView::centre() {
    if (layout()) layout()->activate();
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    QRect area = s->availableGeometry();
    QSize size = this->size();
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void FormView::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (&form_ == &app_.Form1) {
        // Closing the main window ends the program.
        owner_.act([this] { app_.endProgram(0); });
        return;
    }
    if (&form_ == &app_.Form4) return;  // the splash closes itself
    // A window's own close handler (its exit handler) decides what closing does.
    if (form_.self().onExit) {
        owner_.input([&] { user::leave(app_, form_.self()); });
        return;
    }
    // Otherwise closing by the frame hides the window; a modal window hands
    // the input back to the main window.
    bool modal = windowModality() == Qt::ApplicationModal;
    owner_.act([this, modal] {
        form_.self().setVisible(false);
        app_.platform.closeWindow(form_.name());
        if (modal) app_.Form1.self().setEnabled(true);
    });
}

}  // namespace tv
