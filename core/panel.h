#pragma once
// A calculator's components by handle. A module lists the components it
// touches in a small struct; App::bindPanel resolves every name once, when the
// windows are built, so a mistyped name fails the build of the windows (and
// every test) instead of the line that first uses it.
//
//   struct FusingPanel : Panel {
//       using Panel::Panel;
//       TV_COMPONENT(Edit140);  // Component& Edit140, found by the name "Edit140"
//   };
#include "core/form.h"

namespace tv {

struct Panel {
    explicit Panel(Form& form) : form_(form) {}
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

protected:
    Component& get(const char* name) {
        if (Component* c = form_.find(name)) return *c;
        throw DescriptionError(form_.name() + " has no component " + name);
    }

private:
    Form& form_;
};

// Checks, when the windows are built, the names a module keeps in tables
// (rows it shows, hides or moves together).
template <class Names>
void requireComponents(Form& form, const Names& names) {
    for (const char* n : names)
        if (!form.find(n)) throw DescriptionError(form.name() + " has no component " + n);
}

}  // namespace tv

#define TV_COMPONENT(name) ::tv::Component& name = get(#name)
