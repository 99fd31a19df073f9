#include "app/cli_session.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/fields.h"
#include "core/stackup.h"
#include "core/user_actions.h"
#include "shell/goal_seek.h"

namespace tv::cli {

namespace {

std::string join(const std::vector<std::string>& v) {
    std::string out;
    for (const auto& s : v) out += (out.empty() ? "" : ", ") + s;
    return out;
}

}  // namespace

Session::Session(const std::string& separator) : driver_(key_, separator, sink_, sink_) {
    for (const auto& d : repairDefaults()) key_.values[d.name] = d.value;
}

void Session::start() {
    driver_.start();
    // A design file would be applied here: after the defaults, before the
    // command selects its calculator.
}

const FunctionEntry& Session::find(const std::string& id) {
    std::vector<std::string> ids;
    for (const auto& f : app().catalogue.functions) {
        if (!f.module || !f.module->id) continue;
        if (id == f.module->id) return f;
        ids.push_back(f.module->id);
    }
    throw UsageError("unknown calculator '" + id + "' (" + join(ids) + ")");
}

void Session::select(const FunctionEntry& entry) {
    entry_ = &entry;
    user::click(app(), app().c(entry.menuItem));
}

void Session::setUnits(bool metric) {
    Component& units = app().shared().RadioGroup6;
    if (std::string why = reach(units); !why.empty()) throw UsageError("the units cannot be switched: " + why);
    user::pick(app(), units, metric ? 1 : 0);
}

std::string Session::reach(Component& c) { return driver_.unreachable(c); }

void Session::choose(const Choice& choice, const std::string& option) {
    const ChoiceOption* picked = nullptr;
    std::vector<std::string> ids;
    for (const ChoiceOption& o : choice.options) {
        ids.push_back(o.id);
        if (option == o.id) picked = &o;
    }
    if (!picked)
        throw UsageError("unknown " + std::string(choice.key) + " '" + option + "' for " + entry_->module->id + " (" +
                         join(ids) + ")");
    Component& c = app().c(choice.control);
    if (std::string why = reach(c); !why.empty())
        throw UsageError(std::string(choice.key) + "=" + option + " cannot be chosen now: " + why);
    if (c.kind() == Kind::CheckBox) {
        if (c.checked() != (picked->index == 1)) user::click(app(), c);
    } else {
        user::pick(app(), c, picked->index);
    }
}

void Session::type(const std::string& key, const std::string& text) {
    const FieldTable* t = table();
    const Field* f = t ? t->find(app(), key) : nullptr;
    if (!f) {
        std::vector<std::string> ids;
        if (t)
            for (const Field& g : t->fields)
                if (!g.isResult() && g.inType(t->currentType(app()))) ids.push_back(g.id);
        for (const Choice& c : entry_->module->choices) ids.push_back(c.key);
        throw UsageError("unknown input '" + key + "' for " + entry_->module->id + " (" + join(ids) + ")");
    }
    if (f->isResult()) throw UsageError("'" + key + "' is a result of " + std::string(entry_->module->id));
    if (!f->inType(t->currentType(app()))) {
        std::string type;
        for (const auto& [k, v] : choices()) type += (type.empty() ? "" : " ") + k + "=" + v;
        throw UsageError("'" + key + "' is not an input of " + entry_->module->id + " " + type);
    }
    Component& c = app().c(f->name);
    if (std::string why = reach(c); !why.empty()) throw UsageError("'" + key + "' cannot be typed: " + why);
    if (c.readOnly()) throw UsageError("'" + key + "' cannot be typed: " + c.name() + " is read-only");
    if (user::keptText(c, text) != text)
        throw UsageError("'" + key + "' takes at most " + std::to_string(user::lengthLimit(c)) + " characters");
    user::typeText(app(), c, text);
}

void Session::apply(const Assignments& values) {
    const auto& choices = entry_->module->choices;
    std::vector<bool> used(values.size());
    for (const Choice& choice : choices)
        for (size_t i = 0; i < values.size(); ++i)
            if (values[i].first == choice.key) {
                choose(choice, values[i].second);
                used[i] = true;
            }
    for (size_t i = 0; i < values.size(); ++i)
        if (!used[i]) type(values[i].first, values[i].second);
}

void Session::recalculate() {
    user::click(app(), app().c("Button1"));
    // Results a worker thread computes (the field solver's line) are
    // computed now, as goal seek does before it reads them.
    std::vector<void (*)(App&)> settled;
    if (const FieldTable* t = table())
        for (const Field& f : t->fields)
            if (f.settle && f.isResult() && std::find(settled.begin(), settled.end(), f.settle) == settled.end()) {
                settled.push_back(f.settle);
                app().userAction([&] { f.settle(app()); });
            }
}

std::vector<std::pair<std::string, std::string>> Session::choices() {
    std::vector<std::pair<std::string, std::string>> out;
    for (const Choice& choice : entry_->module->choices) {
        Component& c = app().c(choice.control);
        const int index = c.kind() == Kind::CheckBox ? (c.checked() ? 1 : 0) : c.itemIndex();
        std::string id = "?";
        for (const ChoiceOption& o : choice.options)
            if (o.index == index) id = o.id;
        out.emplace_back(choice.key, id);
    }
    return out;
}

AnalysisField Session::analysis(const std::string& idOrName, bool result) {
    const AnalysisFields fields = analysisFields(app());
    const auto& list = result ? fields.results : fields.inputs;
    std::vector<std::string> ids;
    for (const AnalysisField& f : list) {
        if (idOrName == f.field->id || idOrName == f.field->name) return f;
        ids.push_back(f.field->id);
    }
    throw UsageError("'" + idOrName + "' is not " + (result ? "a result" : "an input") + " of " +
                     entry_->module->id + " as it stands (" + join(ids) + ")");
}

AnalysisField Session::input(const std::string& idOrName) { return analysis(idOrName, false); }
AnalysisField Session::result(const std::string& idOrName) { return analysis(idOrName, true); }

ResultReport report(const AnalysisField& f) {
    const Component& c = *f.component;
    const bool stale = c.stale();
    return {f.field->id, f.caption, f.unit, c.text(), stale ? NAN : resultValue(c), stale};
}

std::string shownWithUnit(const ResultReport& r) {
    if (r.stale) return "? (not recalculated)";
    if (r.unit.empty() || !std::isfinite(resultNumber(r.text)) || !resultUnit(r.text).empty()) return r.text;
    return r.text + " " + r.unit;
}

std::string fullPrecision(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : "null";
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", ch);
            out += esc;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out + "\"";
}

}  // namespace tv::cli
