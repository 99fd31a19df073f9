#include "core/form.h"

#include <cstdio>
#include <sstream>

#include "core/numbertext.h"
#include "core/tokens.h"

namespace tv {

Form::Form(std::string name) : name_(std::move(name)) {
    self_ = std::make_unique<Component>(*this, Kind::Form, name_);
    byName_[name_] = self_.get();
}

Component* Form::find(const std::string& name) {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Component& Form::get(const std::string& name) {
    if (Component* c = find(name)) return *c;
    throw std::out_of_range(name_ + " has no component " + name);
}

std::vector<Component*> Form::children(const std::string& parent) const {
    std::vector<Component*> out;
    for (const auto& c : list_)
        if (c->parentName() == parent) out.push_back(c.get());
    return out;
}

Component& Form::add(Kind kind, const std::string& name, const std::string& parent) {
    if (find(name)) throw DescriptionError("duplicate component " + name);
    auto c = std::make_unique<Component>(*this, kind, name);
    c->setParentName(parent);
    c->order = static_cast<int>(list_.size());
    Component& ref = *c;
    byName_[name] = &ref;
    list_.push_back(std::move(c));
    return ref;
}

namespace {

struct NamedColor {
    const char* name;
    Color color;
};
constexpr NamedColor kColors[] = {
    {"black", colors::Black}, {"red", colors::Red},     {"navy", colors::Navy},
    {"lime", colors::Lime},   {"blue", colors::Blue},   {"white", colors::White},
    {"silver", colors::Silver}, {"green", colors::Green}, {"maroon", colors::Maroon},
};

bool parseBool(const std::string& v, bool& out) {
    if (v == "true" || v == "1" || v == "yes") { out = true; return true; }
    if (v == "false" || v == "0" || v == "no") { out = false; return true; }
    return false;
}

std::vector<std::string> splitItems(const std::string& v) {
    std::vector<std::string> out;
    if (v.empty()) return out;
    size_t start = 0;
    for (;;) {
        size_t bar = v.find('|', start);
        out.push_back(v.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return out;
}

}  // namespace

bool parseColor(const std::string& text, Color& out) {
    if (text.size() == 7 && text[0] == '#') {
        unsigned v = 0;
        for (size_t i = 1; i < 7; ++i) {
            char ch = text[i];
            int d = (ch >= '0' && ch <= '9') ? ch - '0'
                  : (ch >= 'a' && ch <= 'f') ? ch - 'a' + 10
                  : (ch >= 'A' && ch <= 'F') ? ch - 'A' + 10 : -1;
            if (d < 0) return false;
            v = v * 16 + static_cast<unsigned>(d);
        }
        out = v;
        return true;
    }
    for (const auto& c : kColors)
        if (text == c.name) { out = c.color; return true; }
    return false;
}

std::string colorText(Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", c & 0xFFFFFFu);
    return buf;
}

void Form::apply(Component& c, const std::string& key, const std::string& value) {
    auto integer = [&](const std::string& v) {
        try {
            return readInt(v);
        } catch (const ConversionError&) {
            throw DescriptionError(key + " of " + c.name() + " is not an integer: " + v);
        }
    };
    auto boolean = [&](const std::string& v) {
        bool b = false;
        if (!parseBool(v, b)) throw DescriptionError(key + " of " + c.name() + " is not true/false: " + v);
        return b;
    };
    if (key == "caption" || key == "text") c.setText(value);
    else if (key == "hint") c.setHint(value);
    else if (key == "visible") c.setVisible(boolean(value));
    else if (key == "enabled") c.setEnabled(boolean(value));
    else if (key == "checked") c.setChecked(boolean(value));
    else if (key == "readonly") c.setReadOnly(boolean(value));
    else if (key == "color" || key == "brush") {
        Color col = 0;
        if (!parseColor(value, col)) throw DescriptionError("bad colour " + value + " for " + c.name());
        if (key == "color") c.setColor(col);
        else c.setBrush(col);
    } else if (key == "left") c.setLeft(integer(value));
    else if (key == "top") c.setTop(integer(value));
    else if (key == "width") c.setWidth(integer(value));
    else if (key == "height") c.setHeight(integer(value));
    else if (key == "at") {
        // at=left,top,width,height
        std::vector<int> v;
        std::stringstream ss(value);
        std::string part;
        while (std::getline(ss, part, ',')) v.push_back(integer(part));
        if (v.size() != 4) throw DescriptionError("at of " + c.name() + " needs left,top,width,height");
        c.setGeometry(v[0], v[1], v[2], v[3]);
    } else if (key == "items") c.setItems(splitItems(value));
    else if (key == "panels") {
        auto p = splitItems(value);
        for (size_t i = 0; i < p.size(); ++i) c.setPanelText(i, p[i]);
    } else if (key == "index") c.setItemIndex(integer(value));
    else if (key == "position") c.setPosition(integer(value));
    else if (key == "min") c.setRange(integer(value), c.max());
    else if (key == "max") c.setRange(c.min(), integer(value));
    else if (key == "maxlength") c.setMaxLength(integer(value));
    else if (key == "associate") c.associate = value;
    else if (key == "tabstop") c.tabStop = boolean(value);
    else if (key == "picture") c.setPicture(value);
    else throw DescriptionError("unknown property " + key + " of " + c.name());
}

void Form::load(const std::string& description, const std::string& source) {
    std::istringstream in(description);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        auto where = [&] { return source + ":" + std::to_string(number) + ": "; };
        std::vector<std::string> tok;
        try {
            size_t first = line.find_first_not_of(" \t\r");
            if (first == std::string::npos || line[first] == '#') continue;
            tok = tokenize(line);
        } catch (const TokenError& e) {
            throw DescriptionError(where() + e.what());
        }
        if (tok.size() < 2) throw DescriptionError(where() + "expected KIND NAME key=value...");
        try {
            Component* target = nullptr;
            size_t firstProp = 2;
            if (tok[0] == "form") {
                if (tok[1] != name_) throw DescriptionError("description is for " + tok[1]);
                target = self_.get();
            } else if (tok[0] == "set") {
                target = &get(tok[1]);
            } else {
                Kind kind;
                if (!kindFromName(tok[0], kind)) throw DescriptionError("unknown kind " + tok[0]);
                std::string parent;
                for (size_t i = 2; i < tok.size(); ++i)
                    if (tok[i].rfind("parent=", 0) == 0) parent = tok[i].substr(7);
                target = &add(kind, tok[1], parent);
            }
            for (size_t i = firstProp; i < tok.size(); ++i) {
                size_t eq = tok[i].find('=');
                if (eq == std::string::npos) throw DescriptionError("expected key=value: " + tok[i]);
                std::string key = tok[i].substr(0, eq);
                if (key == "parent") continue;
                apply(*target, key, tok[i].substr(eq + 1));
            }
        } catch (const DescriptionError& e) {
            throw DescriptionError(where() + e.what());
        } catch (const std::out_of_range& e) {
            throw DescriptionError(where() + e.what());
        }
    }
}

}  // namespace tv
