#include "core/component.h"

#include <algorithm>

#include "core/form.h"

namespace tv {

namespace {
struct KindEntry {
    Kind kind;
    const char* name;
};
constexpr KindEntry kKinds[] = {
    {Kind::Form, "Form"},           {Kind::GroupBox, "GroupBox"},     {Kind::Panel, "Panel"},
    {Kind::Label, "Label"},         {Kind::StaticText, "StaticText"}, {Kind::Edit, "Edit"},
    {Kind::Memo, "Memo"},           {Kind::RadioGroup, "RadioGroup"}, {Kind::CheckBox, "CheckBox"},
    {Kind::ComboBox, "ComboBox"},   {Kind::Button, "Button"},         {Kind::SpeedButton, "SpeedButton"},
    {Kind::UpDown, "UpDown"},       {Kind::TrackBar, "TrackBar"},     {Kind::ProgressBar, "ProgressBar"},
    {Kind::Shape, "Shape"},         {Kind::Image, "Image"},           {Kind::TabControl, "TabControl"},
    {Kind::MainMenu, "MainMenu"},   {Kind::MenuItem, "MenuItem"},     {Kind::PopupMenu, "PopupMenu"},
    {Kind::StatusBar, "StatusBar"},
};
}  // namespace

const char* kindName(Kind k) {
    for (const auto& e : kKinds)
        if (e.kind == k) return e.name;
    return "?";
}

bool kindFromName(const std::string& name, Kind& out) {
    for (const auto& e : kKinds)
        if (name == e.name) { out = e.kind; return true; }
    return false;
}

Component::Component(Form& form, Kind kind, std::string name)
    : form_(form), kind_(kind), name_(std::move(name)) {}

void Component::notify(Prop p) { form_.notify(*this, p); }

void Component::setText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    notify(Prop::Text);
    if (onChange && (kind_ == Kind::Edit || kind_ == Kind::Memo || kind_ == Kind::ComboBox)) onChange();
}

void Component::restoreText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    notify(Prop::Text);
}

std::vector<std::string> Component::lines() const {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t nl = text_.find('\n', start);
        out.push_back(text_.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return out;
}

void Component::setHint(const std::string& h) {
    if (h == hint_) return;
    hint_ = h;
    notify(Prop::Hint);
}
void Component::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    notify(Prop::Visible);
}
void Component::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    notify(Prop::Enabled);
}
void Component::setColor(Color c) {
    if (c == color_) return;
    color_ = c;
    notify(Prop::Color);
}
void Component::setBrush(Color c) {
    bool first = !brushSet_;
    brushSet_ = true;
    if (c == brush_ && !first) return;
    brush_ = c;
    notify(Prop::Brush);
}
void Component::setGeometry(int l, int t, int w, int h) {
    if (l == left_ && t == top_ && w == width_ && h == height_) return;
    left_ = l; top_ = t; width_ = w; height_ = h;
    notify(Prop::Geometry);
}

void Component::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = -1;
    notify(Prop::Items);
}
void Component::addItem(const std::string& item) {
    items_.push_back(item);
    notify(Prop::Items);
}

void Component::setItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (index == index_) return;
    index_ = index;
    if (kind_ == Kind::ComboBox) {
        text_ = index >= 0 ? items_[static_cast<size_t>(index)] : std::string();
        notify(Prop::Text);
    }
    notify(Prop::Index);
    if (kind_ == Kind::RadioGroup && onClick) onClick();
}

std::string Component::panelText(size_t panel) const {
    return panel < items_.size() ? items_[panel] : std::string();
}
void Component::setPanelText(size_t panel, const std::string& text) {
    if (items_.size() <= panel) items_.resize(panel + 1);
    if (items_[panel] == text) return;
    items_[panel] = text;
    notify(Prop::Panels);
}

void Component::setChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    notify(Prop::Checked);
    if (kind_ == Kind::CheckBox && onClick) onClick();
}

void Component::setPosition(int p) {
    p = std::clamp(p, std::min(min_, max_), std::max(min_, max_));
    if (p == position_) return;
    position_ = p;
    notify(Prop::Position);
}
void Component::setRange(int mn, int mx) {
    min_ = mn;
    max_ = mx;
    notify(Prop::Range);
    setPosition(position_);
}
void Component::setMaxLength(int m) {
    maxLength_ = m;
    notify(Prop::MaxLength);
}
void Component::setReadOnly(bool r) {
    if (r == readOnly_) return;
    readOnly_ = r;
    notify(Prop::ReadOnly);
}
void Component::setPicture(const std::string& p) {
    if (p == picture_) return;
    picture_ = p;
    notify(Prop::Picture);
}

}  // namespace tv
