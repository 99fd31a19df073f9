#include "core/user_actions.h"

#include <algorithm>

#include "core/app.h"

namespace tv::user {

int lengthLimit(const Component& c) {
    if (c.kind() != Kind::Edit) return 0;
    return c.maxLength() > 0 ? c.maxLength() : 32767;
}

std::string keptText(const Component& c, const std::string& text) {
    const int limit = lengthLimit(c);
    if (limit <= 0) return text;
    size_t i = 0;
    int units = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t bytes = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const int width = bytes == 4 ? 2 : 1;  // a surrogate pair beyond the basic plane
        if (units + width > limit) break;
        units += width;
        i = std::min(text.size(), i + bytes);
    }
    return text.substr(0, i);
}

void typeText(App& app, Component& c, const std::string& text) {
    const std::string kept = keptText(c, text);
    app.userAction([&] { c.setText(kept); });
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
        long long base = c.position();
        if (field) {
            try {
                base = readInt(field->text());
            } catch (const ConversionError&) {
            }
        }
        // The step from any integer in the field, kept within the range.
        const long long next = std::clamp(base + step, static_cast<long long>(std::min(c.min(), c.max())),
                                          static_cast<long long>(std::max(c.min(), c.max())));
        c.setPosition(static_cast<int>(next));
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
