#include "core/links.h"

#include "core/app.h"

namespace tv {

void opensOnClick(App& app, Component& c, std::string target) {
    App* a = &app;
    c.onClick = [a, target = std::move(target)] { a->platform.open(target); };
}

void makeLink(App& app, Component& label, std::string target) {
    opensOnClick(app, label, std::move(target));
    Component* l = &label;
    label.setColor(colors::Blue);
    label.onMouseEnter = [l] { l->setColor(colors::Red); };
    label.onMouseLeave = [l] { l->setColor(colors::Blue); };
}

}  // namespace tv
