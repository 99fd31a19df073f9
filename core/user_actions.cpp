#include "user_actions.h"

#include "app.h"

namespace tv::user {

void typeText(App& app, Component& c, const std::string& text) {
    app.userAction([&] { c.setText(text); });
}

void pressEnter(App& app, Component& c) {
    app.userAction([&] {
        if (c.onKeyDown) c.onKeyDown(13);
        char key = 13;
        if (c.onKeyPress) c.onKeyPress(key);
    });
}

void click(App& app, Component& c) {
    app.userAction([&] {
        if (c.kind() == Kind::CheckBox) c.setChecked(!c.checked());
        else if (c.onClick) c.onClick();
    });
}

void pick(App& app, Component& c, int index) {
    if (c.itemIndex() == index) return;
    app.userAction([&] {
        c.setItemIndex(index);
        if (c.kind() != Kind::RadioGroup && c.onChange) c.onChange();
    });
}

void slide(App& app, Component& c, int position) {
    if (c.position() == position) return;
    app.userAction([&] {
        c.setPosition(position);
        if (c.onChange) c.onChange();
    });
}

void spin(App& app, Component& c, int step) {
    app.userAction([&] {
        if (c.onChanging) c.onChanging();
        Component* field = c.associate.empty() ? nullptr : c.form().find(c.associate);
        int base = c.position();
        if (field) {
            try {
                base = readInt(field->text());
            } catch (const ConversionError&) {
            }
        }
        c.setPosition(base + step);
        if (field) field->setText(std::to_string(c.position()));
        if (c.onClick) c.onClick();
    });
}

void focus(App& app, Component& c) {
    app.userAction([&] {
        if (c.onEnter) c.onEnter();
        if (c.onClick) c.onClick();
    });
}

void leave(App& app, Component& c) {
    app.userAction([&] {
        if (c.onExit) c.onExit();
    });
}

}  // namespace tv::user
