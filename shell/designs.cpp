#include "shell/designs.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/app.h"
#include "core/file_write.h"
#include "core/stackup.h"
#include "core/user_actions.h"
#include "shell/selection.h"

namespace tv {

namespace {

// The shared column's part of a design. The layer and plane groups belong to
// the function shown: they are applied after it is selected.
constexpr Selection kSharedChoices[] = {
    {"material", "ComboBox1"},   {"base_copper", "RadioGroup4"}, {"plating", "RadioGroup1"},
    {"layer_group", "RadioGroup3"}, {"plane_group", "RadioGroup5"},
};
constexpr Field kSharedInputs[] = {
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"tg", "Edit66", "Tg", Role::Input, Quantity::Temperature, {"°C"}},
    {"temp_rise", "Edit1", "Temp Rise", Role::Input, Quantity::Temperature, {"°C"}},
    {"ambient_temp", "Edit2", "Ambient Temp", Role::Input, Quantity::Temperature, {"°C"}},
    {"manual_base_copper", "Edit136", "Base Copper", Role::Input, Quantity::Length, kMilsUm},
    {"manual_plating", "Edit138", "Plating", Role::Input, Quantity::Length, kMilsUm},
    {"via_count", "Edit227", "Number of Vias", Role::Input},
};
constexpr FieldTable kSharedTable{kSharedInputs, nullptr, nullptr, kSharedChoices};
constexpr const char* kShared = "shared";

// A design larger than this is no design (a stray file picked by mistake).
constexpr std::uintmax_t kMostDesignBytes = 4 * 1024 * 1024;

bool isShared(const std::string& name) {
    for (const Field& f : kSharedInputs)
        if (name == f.name) return true;
    for (const Selection& c : kSharedChoices)
        if (name == c.name) return true;
    return false;
}

struct Section {
    std::string id;
    const FieldTable* table;
};

// The shared column first, then every calculator that has an id and a table.
std::vector<Section> sections(App& app) {
    std::vector<Section> out{{kShared, &kSharedTable}};
    for (const auto& f : app.catalogue.functions)
        if (f.id() && f.module->fields) out.push_back({f.id(), f.module->fields});
    return out;
}

int typeOf(App& app, const FieldTable& t) {
    try {
        return t.currentType(app);
    } catch (const std::exception&) {
        return 0;
    }
}

// The design's inputs of a table: each component that is an input in some
// type and not a result in the current one, once, under the id of its first
// input row in the current type (else its first input row).
struct InputRow {
    const Field* field;
    Component* component;
};
std::vector<InputRow> inputRows(App& app, const FieldTable& t, bool shared) {
    const int type = typeOf(app, t);
    std::vector<InputRow> rows;
    for (const Field& f : t.fields) {
        if (f.isResult() || (!shared && isShared(f.name))) continue;
        bool seen = false, result = false;
        const Field* best = &f;
        for (const InputRow& r : rows) seen = seen || std::strcmp(r.field->name, f.name) == 0;
        if (seen) continue;
        for (const Field& g : t.fields) {
            if (std::strcmp(g.name, f.name) != 0 || !g.inType(type)) continue;
            if (g.isResult()) result = true;
            else if (!best->inType(type)) best = &g;
        }
        if (!result) rows.push_back({best, &app.Form1.get(f.name)});
    }
    return rows;
}

// The row of an input id; nullptr when the table has none.
const Field* inputById(const FieldTable& t, const std::string& id, bool shared) {
    for (const Field& f : t.fields)
        if (id == f.id) return f.isResult() || (!shared && isShared(f.name)) ? nullptr : &f;
    return nullptr;
}
const Selection* choiceById(const FieldTable& t, const std::string& id) {
    for (const Selection& c : t.selections)
        if (id == c.id) return &c;
    return nullptr;
}

DesignValue choiceValue(const Component& c) {
    switch (c.kind()) {
        case Kind::CheckBox: return c.checked();
        case Kind::TrackBar: return static_cast<double>(c.position());
        case Kind::ComboBox:
            if (c.itemIndex() < 0 && c.editable) return c.text();
            return static_cast<double>(c.itemIndex());
        default: return static_cast<double>(c.itemIndex());
    }
}

// The number of items the group will hold when the design's function is
// shown (the layer and plane groups are set up by the function).
int itemCount(App& app, const Component& c, const CalculatorModule* shown) {
    if (shown && c.name() == "RadioGroup3") return static_cast<int>(shown->layers.items.size());
    if (shown && c.name() == "RadioGroup5") return shown->plane.modes.empty() ? 2 : static_cast<int>(shown->plane.modes.size());
    (void)app;
    return static_cast<int>(c.items().size());
}

bool wholeNumber(const DesignValue& v, int low, int high) {
    const double* d = std::get_if<double>(&v);
    return d && std::floor(*d) == *d && *d >= low && *d <= high;
}

std::string choiceProblem(App& app, const Component& c, const DesignValue& v, const CalculatorModule* shown) {
    switch (c.kind()) {
        case Kind::CheckBox: return std::holds_alternative<bool>(v) ? "" : "is not yes or no";
        case Kind::TrackBar: return wholeNumber(v, c.min(), c.max()) ? "" : "is out of range";
        case Kind::ComboBox:
            if (const std::string* s = std::get_if<std::string>(&v))
                return c.editable && s->size() <= 32767 ? "" : "is out of range";
            [[fallthrough]];
        default: return wholeNumber(v, 0, itemCount(app, c, shown) - 1) ? "" : "is out of range";
    }
}

// Lengths (and the area of a plane) change their number with the units, as
// the units switch converts them.
double convertedValue(const Field& f, double v, bool metric) {
    if (f.converted) return f.converted(v, metric);
    const std::string m = f.unit.metric ? f.unit.metric : "";
    if (m == "um") return metric ? v * 25.4 : v / 25.4;
    if (m == "Sq.mm") return metric ? v * 645.16 : v / 645.16;
    return metric ? v * 25.4 / 1000 : v / 25.4 * 1000;
}
// The row whose unit the units switch converts the component by, nullptr when
// the switch leaves its number alone.
const Field* switchedRow(App& app, const FieldTable& t, Component& c) {
    for (const Field& f : t.fields) {
        if (c.name() != f.name || f.isResult()) continue;
        if ((f.quantity != Quantity::Length && f.quantity != Quantity::Area) || !f.unit.switches()) continue;
        if (f.conversion == Conversion::Table && f.converts && !f.converts(app, c)) return nullptr;
        return &f;
    }
    return nullptr;
}
// The first row that gives the component a unit the switch converts, in
// whatever state; nullptr when none does.
const Field* switchingRow(const FieldTable& t, const std::string& name) {
    for (const Field& f : t.fields)
        if (name == f.name && !f.isResult() && (f.quantity == Quantity::Length || f.quantity == Quantity::Area) &&
            f.unit.switches())
            return &f;
    return nullptr;
}

// The text a design's value puts into a field.
std::string inputText(App& app, const DesignValue& v, const Field* switched, bool designMetric) {
    if (const std::string* s = std::get_if<std::string>(&v)) return *s;
    double d = std::get<double>(v);
    const bool metric = app.preferences().metric;
    if (switched && designMetric != metric) {
        // To the window's units from the design's: through the other system
        // when the unit does not switch in one step.
        d = convertedValue(*switched, d, metric);
    }
    return app.numberText(d);
}

void applyChoice(Component& c, const DesignValue& v) {
    switch (c.kind()) {
        case Kind::CheckBox: c.setChecked(std::get<bool>(v)); return;
        case Kind::TrackBar: {
            const int p = static_cast<int>(std::get<double>(v));
            if (c.position() == p) return;
            c.setPosition(p);
            if (c.onChange) c.onChange();
            return;
        }
        case Kind::ComboBox: {
            if (const std::string* s = std::get_if<std::string>(&v)) {
                if (c.itemIndex() < 0 && c.text() == *s) return;
                c.typeComboText(*s);
                return;
            }
            const int i = static_cast<int>(std::get<double>(v));
            if (c.itemIndex() == i) return;
            c.setItemIndex(i);
            if (c.onChange) c.onChange();
            return;
        }
        default: c.setItemIndex(static_cast<int>(std::get<double>(v))); return;
    }
}

// One step of applying: a handler that stops on a field not yet written
// (its text is replaced below) or on a settings write does not stop the rest.
template <class F>
void step(F&& f) {
    try {
        f();
    } catch (const ConversionError&) {
    } catch (const SettingsError&) {
    }
}

std::string fileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

DesignSession& session(App& app) { return app.state<DesignSession>(); }

// Makes the folder of a file and its parents (the data folder may not be
// there yet on a new account).
void makeFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return;
    const std::string folder = path.substr(0, slash);
    for (size_t i = 1; i <= folder.size(); ++i)
        if (i == folder.size() || folder[i] == '/') ::mkdir(folder.substr(0, i).c_str(), 0700);
}

void showTitle(App& app) {
    DesignSession& s = session(app);
    if (!s.started) return;
    app.Form1.self().setCaption(s.file.empty() ? s.caption : fileName(s.file) + " - " + s.caption);
}

void showRecent(App& app) {
    DesignSession& s = session(app);
    for (int i = 0; i < kRecentDesigns; ++i) {
        Component* item = app.Form1.find("RecentDesign" + std::to_string(i + 1));
        if (!item) continue;
        const bool used = i < static_cast<int>(s.recent.size());
        item->setVisible(used);
        if (used) item->setCaption("&" + std::to_string(i + 1) + " " + fileName(s.recent[static_cast<size_t>(i)]));
    }
    if (Component* menu = app.Form1.find("RecentDesigns1")) menu->setEnabled(!s.recent.empty());
}

void remember(App& app, const std::string& path) {
    DesignSession& s = session(app);
    std::erase(s.recent, path);
    s.recent.insert(s.recent.begin(), path);
    if (s.recent.size() > static_cast<size_t>(kRecentDesigns)) s.recent.resize(kRecentDesigns);
    if (!s.recentFile.empty()) {
        makeFolderOf(s.recentFile);
        replaceFile(s.recentFile, joinLines(s.recent));
    }
    showRecent(app);
}

}  // namespace

Design captureDesign(App& app) {
    Design d;
    d.metric = app.preferences().metric;
    const FunctionEntry* shown = app.catalogue.contains(app.currentFunction)
                                     ? &app.catalogue.functions[static_cast<size_t>(app.currentFunction)]
                                     : nullptr;
    d.function = shown && shown->id() ? shown->id() : "";
    const std::string& sep = app.userSeparator();
    for (const Section& sec : sections(app)) {
        const bool shared = sec.id == kShared;
        DesignSection& out = shared ? d.shared : d.calculators[sec.id];
        for (const Selection& c : sec.table->selections) {
            const Component& comp = app.Form1.get(c.name);
            // A group with nothing selected (a list showing a text of its
            // own) keeps what it shows.
            if ((comp.kind() == Kind::RadioGroup || (comp.kind() == Kind::ComboBox && !comp.editable)) &&
                comp.itemIndex() < 0)
                continue;
            out.choices[c.id] = choiceValue(comp);
        }
        for (const InputRow& r : inputRows(app, *sec.table, shared)) {
            const std::string& text = r.component->text();
            if (isFloat(text, sep)) out.inputs[r.field->id] = readFloat(text, sep);
            else out.inputs[r.field->id] = text;
        }
    }
    return d;
}

std::vector<std::string> unknownIds(App& app, const Design& design) {
    std::vector<std::string> unknown = design.unknown;
    std::vector<Section> known = sections(app);
    auto table = [&](const std::string& id) -> const FieldTable* {
        for (const Section& s : known)
            if (s.id == id) return s.table;
        return nullptr;
    };
    auto check = [&](const std::string& where, const FieldTable& t, const DesignSection& s, bool shared) {
        for (const auto& [id, v] : s.choices)
            if (!choiceById(t, id)) unknown.push_back(where + "." + id);
        for (const auto& [id, v] : s.inputs)
            if (!inputById(t, id, shared)) unknown.push_back(where + "." + id);
    };
    check(kShared, kSharedTable, design.shared, true);
    for (const auto& [id, s] : design.calculators) {
        if (const FieldTable* t = table(id)) check(id, *t, s, false);
        else unknown.push_back(id);
    }
    return unknown;
}

std::string designProblem(App& app, const Design& design) {
    const CalculatorModule* shown = nullptr;
    bool found = false;
    for (const auto& f : app.catalogue.functions)
        if (f.id() && design.function == f.id()) {
            shown = f.module;
            found = true;
        }
    if (!found) return "it shows a function this version does not have (" + design.function + ")";
    const bool convert = design.metric != app.preferences().metric;
    for (const Section& sec : sections(app)) {
        const bool shared = sec.id == kShared;
        const DesignSection* s = shared ? &design.shared : nullptr;
        if (!shared) {
            auto it = design.calculators.find(sec.id);
            if (it == design.calculators.end()) continue;
            s = &it->second;
        }
        for (const auto& [id, v] : s->choices) {
            const Selection* c = choiceById(*sec.table, id);
            if (!c) continue;
            const std::string why = choiceProblem(app, app.Form1.get(c->name), v, shown);
            if (!why.empty()) return "the choice " + sec.id + "." + id + " " + why;
        }
        std::vector<std::string> names;
        for (const auto& [id, v] : s->inputs) {
            const Field* f = inputById(*sec.table, id, shared);
            if (!f) continue;
            for (const std::string& n : names)
                if (n == f->name) return "it holds two values for one field (" + sec.id + "." + id + ")";
            names.push_back(f->name);
            Component& c = app.Form1.get(f->name);
            const double* d = std::get_if<double>(&v);
            if (std::holds_alternative<bool>(v)) return "the value of " + sec.id + "." + id + " is not a number or a text";
            const std::string text = d ? app.numberText(*d) : std::get<std::string>(v);
            if (const Field* unitRow = switchingRow(*sec.table, f->name); d && convert && unitRow) {
                // The conversion the switch would make must stay a number
                // (its text, written by the program, may be longer than a
                // user could type, as the units switch writes it).
                const double to = convertedValue(*unitRow, *d, app.preferences().metric);
                if (!std::isfinite(to) || !isFloat(app.numberText(to), app.userSeparator()))
                    return "the value of " + sec.id + "." + id + " is out of range";
            }
            if (d && !isFloat(text, app.userSeparator())) return "the value of " + sec.id + "." + id + " is out of range";
            const int limit = user::lengthLimit(c);
            if (limit > 0 && user::keptText(c, text) != text)
                return "the value of " + sec.id + "." + id + " is longer than its field takes";
        }
    }
    return "";
}

void applyDesign(App& app, const Design& design, const std::string& only) {
    std::vector<std::string> held;
    app.holdMessages(&held);
    ++app.recalculationHeld;
    try {
        const bool all = only.empty();
        if (all)
            for (const auto& f : app.catalogue.functions)
                if (f.id() && design.function == f.id()) step([&] { SelectProgramFunction(app, f.index()); });
        for (const Section& sec : sections(app)) {
            const bool shared = sec.id == kShared;
            if (!all && sec.id != only) continue;
            const DesignSection* s = shared ? &design.shared : nullptr;
            if (!shared) {
                auto it = design.calculators.find(sec.id);
                if (it == design.calculators.end()) continue;
                s = &it->second;
            }
            for (const Selection& c : sec.table->selections)
                if (auto it = s->choices.find(c.id); it != s->choices.end())
                    step([&] { applyChoice(app.Form1.get(c.name), it->second); });
        }
        for (const Section& sec : sections(app)) {
            const bool shared = sec.id == kShared;
            if (!all && sec.id != only) continue;
            const DesignSection* s = shared ? &design.shared : nullptr;
            if (!shared) {
                auto it = design.calculators.find(sec.id);
                if (it == design.calculators.end()) continue;
                s = &it->second;
            }
            for (const auto& [id, v] : s->inputs) {
                const Field* f = inputById(*sec.table, id, shared);
                if (!f) continue;
                Component& c = app.Form1.get(f->name);
                const std::string text = inputText(app, v, switchedRow(app, *sec.table, c), design.metric);
                step([&] { c.setText(text); });
            }
        }
    } catch (...) {
        --app.recalculationHeld;
        app.holdMessages(nullptr);
        throw;
    }
    --app.recalculationHeld;
    app.holdMessages(nullptr);
    app.userAction([&] { app.Button1Click(); });
}

Design readDesignFile(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) throw DesignError(std::strerror(errno));
    if (!S_ISREG(st.st_mode)) throw DesignError("it is not a regular file");
    if (static_cast<std::uintmax_t>(st.st_size) > kMostDesignBytes) throw DesignError("it is too large to be a design");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DesignError(std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    return parseDesign(text.str());
}

bool saveDesign(App& app, const std::string& path) {
    const std::string json = designJson(captureDesign(app));
    const std::string why = replaceFile(path, json);
    if (!why.empty()) {
        app.message("Cannot write " + path + ": " + why);
        return false;
    }
    DesignSession& s = session(app);
    s.file = path;
    s.savedJson = json;
    remember(app, path);
    showTitle(app);
    return true;
}

bool openDesign(App& app, const std::string& path) {
    Design d;
    try {
        d = readDesignFile(path);
    } catch (const DesignError& e) {
        app.message("Cannot open " + path + ": " + e.what());
        return false;
    }
    if (const std::string why = designProblem(app, d); !why.empty()) {
        app.message("Cannot open " + path + ": " + why);
        return false;
    }
    if (const std::vector<std::string> unknown = unknownIds(app, d); !unknown.empty()) {
        std::string list;
        for (const std::string& u : unknown) list += (list.empty() ? "" : ", ") + u;
        if (!app.ask(path + " holds values this version of Tolvane does not know: " + list +
                         ". Open it without them?",
                     "Open Design"))
            return false;
    }
    applyDesign(app, d);
    DesignSession& s = session(app);
    s.file = path;
    s.savedJson = designJson(captureDesign(app));
    remember(app, path);
    showTitle(app);
    return true;
}

void installDesignMenu(App& app) {
    App* a = &app;
    app.c("SaveDesign1").onClick = [a] {
        const std::string path = a->platform.chooseDesignFile(true, session(*a).file);
        if (!path.empty()) saveDesign(*a, path);
    };
    app.c("OpenDesign1").onClick = [a] {
        if (!confirmDiscard(*a, "Open a design")) return;
        const std::string path = a->platform.chooseDesignFile(false, session(*a).file);
        if (!path.empty()) openDesign(*a, path);
    };
    for (int i = 0; i < kRecentDesigns; ++i)
        app.c("RecentDesign" + std::to_string(i + 1)).onClick = [a, i] {
            const std::vector<std::string>& recent = session(*a).recent;
            if (i >= static_cast<int>(recent.size()) || !confirmDiscard(*a, "Open a design")) return;
            const std::string path = recent[static_cast<size_t>(i)];
            openDesign(*a, path);
        };
    app.c("ResetCurrent1").onClick = [a] {
        if (confirmDiscard(*a, "Reset the inputs of this calculator")) resetInputs(*a, false);
    };
    app.c("ResetAll1").onClick = [a] {
        if (confirmDiscard(*a, "Reset every input")) resetInputs(*a, true);
    };
}

void startDesignSession(App& app) {
    DesignSession& s = session(app);
    s.defaults = captureDesign(app);
    s.savedJson = designJson(s.defaults);
    s.caption = app.Form1.self().caption();
    s.started = true;
    showRecent(app);
}

bool unsavedChanges(App& app) { return designJson(captureDesign(app)) != session(app).savedJson; }

bool confirmDiscard(App& app, const std::string& action) {
    if (!unsavedChanges(app)) return true;
    return app.ask("The inputs have changes that are not saved in a design. " + action + " all the same?",
                   "Unsaved Changes");
}

void resetInputs(App& app, bool all) {
    DesignSession& s = session(app);
    if (all) {
        Design d = s.defaults;
        d.function = captureDesign(app).function;
        // The shared groups of the function shown keep their choices.
        d.shared.choices.erase("layer_group");
        d.shared.choices.erase("plane_group");
        applyDesign(app, d);
        s.file.clear();
        s.savedJson = designJson(captureDesign(app));
        showTitle(app);
        return;
    }
    const FunctionEntry& f = app.catalogue.functions[static_cast<size_t>(app.currentFunction)];
    if (f.id()) applyDesign(app, s.defaults, f.id());
}

void keepRecentDesigns(App& app, const std::string& file) {
    DesignSession& s = session(app);
    s.recentFile = file;
    s.recent.clear();
    std::ifstream in(file);
    for (std::string line; std::getline(in, line) && s.recent.size() < static_cast<size_t>(kRecentDesigns);)
        if (!line.empty()) s.recent.push_back(line);
    showRecent(app);
}

std::string designDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return std::string(data) + "/tolvane";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share/tolvane";
    return "";
}

std::string rememberedWorkPath() {
    const std::string folder = designDataFolder();
    return folder.empty() ? "" : folder + "/work.tvd";
}

std::string rememberWork(App& app, const std::string& path) {
    if (path.empty()) return "";
    DesignSession& s = session(app);
    Design d = captureDesign(app);
    // The design file goes with the work, so that the title and the question
    // before discarding changes come back too.
    d.sourceSaved = !s.file.empty() && designJson(d) == s.savedJson;
    d.sourceFile = s.file;
    const std::string json = designJson(d);
    if (json == s.rememberedJson) return "";
    makeFolderOf(path);
    const std::string why = replaceFile(path, json);
    if (why.empty()) s.rememberedJson = json;
    return why;
}

void restoreWork(App& app, const std::string& path) {
    if (path.empty()) return;
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return;
    Design d;
    try {
        d = readDesignFile(path);
    } catch (const DesignError& e) {
        app.message("The work of the last session was not restored: " + path + ": " + e.what());
        return;
    }
    if (const std::string why = designProblem(app, d); !why.empty()) {
        app.message("The work of the last session was not restored: " + path + ": " + why);
        return;
    }
    applyDesign(app, d);
    DesignSession& s = session(app);
    const Design restored = captureDesign(app);
    s.file = d.sourceFile;
    // Work that differed from its design (or had none) stays unsaved.
    s.savedJson = d.sourceSaved ? designJson(restored) : std::string();
    if (d.sourceFile.empty() && designJson(restored) == designJson(s.defaults)) s.savedJson = designJson(restored);
    showTitle(app);
}

}  // namespace tv
