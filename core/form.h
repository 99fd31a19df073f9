#pragma once
// A window of the model: it owns its components by their designer names and is
// filled from declarative window descriptions (resources/forms, resources/panels).
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/component.h"

namespace tv {

class Form {
public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    // The window itself: caption, client size, visible, enabled.
    Component& self() { return *self_; }
    const Component& self() const { return *self_; }

    // Adds the components of a window description. `source` names it in errors.
    void load(const std::string& description, const std::string& source);

    Component* find(const std::string& name);
    // Throws std::out_of_range naming the component when it does not exist.
    Component& get(const std::string& name);
    Component& operator[](const std::string& name) { return get(name); }
    const std::vector<std::unique_ptr<Component>>& components() const { return list_; }
    std::vector<Component*> children(const std::string& parent) const;

    Component& add(Kind kind, const std::string& name, const std::string& parent);

    // Called for every property change; the Qt layer installs it.
    using Observer = std::function<void(Component&, Prop)>;
    void setObserver(Observer o) { observer_ = std::move(o); }
    void notify(Component& c, Prop p) {
        if (observer_) observer_(c, p);
    }

private:
    void apply(Component& c, const std::string& key, const std::string& value);

    std::string name_;
    std::unique_ptr<Component> self_;
    std::vector<std::unique_ptr<Component>> list_;
    std::map<std::string, Component*> byName_;
    Observer observer_;
};

// Parses "#RRGGBB" or a colour name (red, navy, black, lime, blue, white...).
bool parseColor(const std::string& text, Color& out);
std::string colorText(Color c);

}  // namespace tv
