#pragma once
// One component of a window: a label, an edit field, a radio group, a menu item
// and so on. Components keep the designer's names (Edit67, RadioGroup3) and the
// properties the windows use. Event rules:
//   - assigning a radio group's item index or a check box's state raises its
//     click handler when the value changes;
//   - assigning a tab control's index raises nothing (only a user pick does);
//   - assigning an unchanged text raises no change event.
// The Qt layer observes property changes through the form's observer.
#include <functional>
#include <memory>
#include <limits>
#include <stdexcept>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tv {

class Form;

// A window description or a module's wiring that does not fit the windows: a
// missing component, a handler installed twice. The window build fails with it.
struct DescriptionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One event handler of a component. A handler belongs to exactly one owner:
// installing one where another is already set throws DescriptionError, so two
// modules can never silently overwrite each other's wiring.
template <class Sig>
class Slot;

template <class... A>
class Slot<void(A...)> {
public:
    using Function = std::function<void(A...)>;
    Slot(const std::string* owner, const char* event) : owner_(owner), event_(event) {}
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;

    Slot& operator=(Function f) {
        if (f_ && f) throw DescriptionError(*owner_ + "." + event_ + " already has a handler");
        f_ = f ? std::make_unique<Function>(std::move(f)) : nullptr;
        return *this;
    }
    explicit operator bool() const { return f_ != nullptr; }
    void operator()(A... args) const {
        if (!f_) throw std::bad_function_call();
        (*f_)(std::forward<A>(args)...);
    }
    // Removes the handler and hands it back (to run a change without its event).
    Function take() {
        Function f = f_ ? std::move(*f_) : Function{};
        f_.reset();
        return f;
    }
    // Runs `f` after the handler already installed (a test observing events).
    void chain(Function f) {
        if (!f_) {
            *this = std::move(f);
            return;
        }
        *f_ = [first = std::move(*f_), then = std::move(f)](A... args) {
            first(args...);
            then(args...);
        };
    }

private:
    const std::string* owner_;
    const char* event_;
    // Most controls handle no event, and every one has nine of these: a
    // handler is kept apart, so that an empty slot costs a pointer.
    std::unique_ptr<Function> f_;
};

enum class Kind {
    Form, GroupBox, Panel, Label, StaticText, Edit, Memo, RadioGroup, CheckBox, ComboBox,
    Button, SpeedButton, UpDown, TrackBar, ProgressBar, Shape, Image, TabControl,
    MainMenu, MenuItem, PopupMenu, StatusBar
};

const char* kindName(Kind k);
bool kindFromName(const std::string& name, Kind& out);

enum class Prop {
    Text, Hint, Visible, Enabled, Color, Brush, Geometry, Items, Index, Checked,
    Position, Range, MaxLength, ReadOnly, Picture, Panels, Marks
};

using Color = unsigned;  // 0xRRGGBB
namespace colors {
constexpr Color Black = 0x000000, Red = 0xFF0000, Navy = 0x000080, Lime = 0x00FF00,
                Blue = 0x0000FF, White = 0xFFFFFF, Silver = 0xC0C0C0, Green = 0x008000,
                Maroon = 0x800000;
}

using Handler = std::function<void()>;

class Component {
public:
    Component(Form& form, Kind kind, std::string name);
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Form& form() const { return form_; }
    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    const std::string& parentName() const { return parent_; }
    void setParentName(std::string p) { parent_ = std::move(p); }
    // Position among the parent's children, in description order.
    int order = 0;

    // Text of an edit, memo or combo box; caption of everything else.
    const std::string& text() const { return text_; }
    const std::string& caption() const { return text_; }
    void setText(const std::string& t);      // raises onChange when the text changes
    // Puts a text back without the change event (restoring a saved window).
    void restoreText(const std::string& t);
    void setCaption(const std::string& t) { setText(t); }
    // The full-precision number of a result shown in the text (showResult in
    // core/checks.h keeps it); NaN when the text was written otherwise. Any
    // later text replaces it.
    double resultValue() const { return value_; }
    void keepResultValue(double v) { value_ = v; }
    // Memo lines (the text joined by "\n").
    std::vector<std::string> lines() const;

    const std::string& hint() const { return hint_; }
    void setHint(const std::string& h);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    Color color() const { return color_; }
    void setColor(Color c);
    Color brush() const { return brush_; }
    // Whether a fill was ever given; without one the theme's colour shows.
    bool brushSet() const { return brushSet_; }
    void setBrush(Color c);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setGeometry(int left, int top, int width, int height);
    void setTop(int t) { setGeometry(left_, t, width_, height_); }
    void setLeft(int l) { setGeometry(l, top_, width_, height_); }
    void setHeight(int h) { setGeometry(left_, top_, width_, h); }
    void setWidth(int w) { setGeometry(left_, top_, w, height_); }

    // Radio group, combo box, tab control items; status bar panel texts.
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);  // clears the selection
    void clearItems() { setItems({}); }
    void addItem(const std::string& item);
    int itemIndex() const { return index_; }
    // Radio group: raises onClick when the index changes. Combo box: also sets
    // the text, raises nothing. Tab control: raises nothing.
    void setItemIndex(int index);
    // Text typed into an editable combo box: it selects no item, even one
    // that reads the same, and raises the change handler when it changes.
    void typeComboText(const std::string& t);
    // Status bar panels.
    std::string panelText(size_t panel) const;
    void setPanelText(size_t panel, const std::string& text);

    bool checked() const { return checked_; }
    void setChecked(bool c);  // check box: raises onClick when the state changes

    int position() const { return position_; }
    void setPosition(int p);  // clamped to min..max
    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);

    int maxLength() const { return maxLength_; }
    void setMaxLength(int m);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r);

    // Marks the windows draw over the designed look (Prop::Marks): a field
    // whose text could not be read (a red frame), and a result left from the
    // last good recalculation (greyed as stale).
    bool unreadable() const { return unreadable_; }
    void setUnreadable(bool u);
    bool stale() const { return stale_; }
    void setStale(bool s);

    // The spin button's bound field, the picture of an image.
    std::string associate;
    // Whether Tab stops at the control; unset, every input but a read-only
    // field takes a tab stop.
    std::optional<bool> tabStop;
    // A combo box the user can type into; otherwise a drop-down list that
    // only picks.
    bool editable = false;
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& p);

    // Every property at one moment, put back later without any event (a goal
    // seek or a sweep tries values and then restores the window as it was).
    struct State {
        std::string text, hint, picture;
        bool visible, enabled, checked, readOnly, brushSet;
        Color color, brush;
        int left, top, width, height;
        std::vector<std::string> items;
        int index, position, min, max, maxLength;
        double value;  // the result's full-precision number
    };
    State state() const;
    void restore(const State& s);

    // Event handlers, set once by the module that owns the component.
    Slot<void()> onClick{&name_, "onClick"};      // user click; radio group / check box change
    Slot<void()> onChange{&name_, "onChange"};    // text change, combo pick, tab pick, track bar move
    Slot<void()> onEnter{&name_, "onEnter"};      // focus enters the field
    Slot<void()> onExit{&name_, "onExit"};        // focus leaves the field
    Slot<void(int)> onKeyDown{&name_, "onKeyDown"};
    Slot<void(char&)> onKeyPress{&name_, "onKeyPress"};
    Slot<void()> onChanging{&name_, "onChanging"};  // spin button: a step was requested
    Slot<void()> onMouseEnter{&name_, "onMouseEnter"};
    Slot<void()> onMouseLeave{&name_, "onMouseLeave"};

private:
    void notify(Prop p);

    Form& form_;
    Kind kind_;
    std::string name_;
    std::string parent_;
    std::string text_, hint_, picture_;
    double value_ = std::numeric_limits<double>::quiet_NaN();
    bool visible_ = true, enabled_ = true, checked_ = false, readOnly_ = false, brushSet_ = false;
    bool unreadable_ = false, stale_ = false;
    Color color_ = colors::Black, brush_ = colors::White;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::vector<std::string> items_;
    int index_ = -1;
    int position_ = 0, min_ = 0, max_ = 100;
    int maxLength_ = 0;
};

}  // namespace tv
