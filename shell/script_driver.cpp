#include <algorithm>
#include "shell/script_driver.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "shell/designs.h"
#include "shell/keyboard.h"
#include "shell/program.h"
#include "shell/repair.h"
#include "core/report.h"
#include "core/tokens.h"
#include "core/user_actions.h"

namespace tv {

void RecordingPlatform::showMessage(const std::string& text) {
    out_ << "message: " << text << "\n";
    unchecked.push_back(text);
}

bool RecordingPlatform::ask(const std::string& text, const std::string&) {
    bool yes = true;
    if (!answers.empty()) {
        yes = answers.front();
        answers.pop_front();
    }
    out_ << "question: " << text << " -> " << (yes ? "yes" : "no") << "\n";
    questions.push_back(text);
    return yes;
}

void RecordingPlatform::open(const std::string& target) {
    out_ << "open: " << target << "\n";
    opened.push_back(target);
}
void RecordingPlatform::quit(int code) { out_ << "exit: " << code << "\n"; }
void RecordingPlatform::printMainWindow() {
    out_ << "print: form\n";
    ++printed;
}

// A report prints as its title; a copied table as its lines, tabs and all.
void RecordingPlatform::printReport(const Report& report, ReportOutput output) {
    out_ << "print: report " << report.title << (output == ReportOutput::Pdf ? " (PDF)" : "") << "\n";
}

void RecordingPlatform::copyText(const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) out_ << "copy: " << line << "\n";
}

void RecordingPlatform::showAnalysis(AnalysisWindow which) {
    out_ << "window: " << analysisWindowTitle(which) << "\n";
}

void RecordingPlatform::showHelp() { out_ << "window: Help\n"; }

// A script saves and opens designs with save-design and open-design; the
// menu items' file dialog is taken as cancelled.
std::string RecordingPlatform::chooseDesignFile(bool save, const std::string&) {
    out_ << "window: " << (save ? "Save Design" : "Open Design") << "\n";
    return "";
}

std::string RecordingPlatform::workingDirectory() {
    std::error_code ec;
    auto p = std::filesystem::current_path(ec);
    return ec ? std::string(".") : p.string();
}

ScriptDriver::ScriptDriver(SettingsKey& key, std::string userSeparator, std::ostream& out, std::ostream& err)
    : key_(key), separator_(std::move(userSeparator)), out_(out), err_(err), platform_(out) {}

ScriptDriver::~ScriptDriver() = default;

void ScriptDriver::start() {
    app_.reset();
    if (installOnFirstStart_) installOnFirstStart(key_);
    app_ = std::make_unique<App>(platform_, key_, functionCatalogue(), separator_);
    buildWindows(*app_);
    StartupSequence(*app_);
    startDesignSession(*app_);
    if (!startDesign_.empty() && !app_->ended) {
        bool opened = false;
        app_->userAction([&] { opened = openDesign(*app_, startDesign_); });
        if (!opened) throw StartDesignRefused("the design " + startDesign_ + " was not opened");
    }
}

namespace {

std::string boolText(bool b) { return b ? "true" : "false"; }

std::string join(const std::vector<std::string>& v, const char* sep) {
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) out += (i ? sep : "") + v[i];
    return out;
}

bool isInput(Kind k) { return k == Kind::Edit || k == Kind::Memo || k == Kind::ComboBox; }

}  // namespace

std::string ScriptDriver::property(Component& c, const std::string& prop) {
    std::string p = prop.empty() ? (isInput(c.kind()) ? "text" : "caption") : prop;
    if (p == "text" || p == "caption") return c.text();
    if (p == "hint") return c.hint();
    if (p == "visible") return boolText(c.visible());
    if (p == "enabled") return boolText(c.enabled());
    if (p == "checked") return boolText(c.checked());
    if (p == "readonly") return boolText(c.readOnly());
    if (p == "unreadable") return boolText(c.unreadable());
    if (p == "stale") return boolText(c.stale());
    if (p == "index") return std::to_string(c.itemIndex());
    if (p == "position") return std::to_string(c.position());
    if (p == "min") return std::to_string(c.min());
    if (p == "max") return std::to_string(c.max());
    if (p == "maxlength") return std::to_string(c.maxLength());
    if (p == "items") return join(c.items(), "|");
    if (p == "color") return colorText(c.color());
    if (p == "brush") return colorText(c.brush());
    if (p == "left") return std::to_string(c.left());
    if (p == "top") return std::to_string(c.top());
    if (p == "width") return std::to_string(c.width());
    if (p == "height") return std::to_string(c.height());
    if (p == "panel0") return c.panelText(0);
    if (p == "panel1") return c.panelText(1);
    if (p == "picture") return c.picture();
    throw ScriptError("unknown property " + p);
}

ScriptDriver::Target ScriptDriver::resolve(const std::string& name, bool allowProp) {
    std::vector<std::string> parts;
    std::stringstream ss(name);
    std::string part;
    while (std::getline(ss, part, '.')) parts.push_back(part);
    if (parts.empty()) throw ScriptError("missing component name");
    Target t;
    size_t next = 0;
    if (Form* f = app_->form(parts[0]); f && (parts.size() == 1 || parts.size() >= 2)) {
        t.form = f;
        next = 1;
        if (parts.size() > 1 && f->find(parts[1])) {
            t.component = f->find(parts[1]);
            next = 2;
        } else {
            t.component = &f->self();
        }
    } else {
        t.form = &app_->Form1;
        t.component = app_->Form1.find(parts[0]);
        if (!t.component) throw ScriptError("unknown component " + parts[0]);
        next = 1;
    }
    if (next < parts.size()) {
        if (!allowProp || next + 1 != parts.size()) throw ScriptError("unknown component or property in " + name);
        t.prop = parts[next];
        property(*t.component, t.prop);  // validates the name
    }
    return t;
}

namespace {

// The component and the groups it sits in, innermost first.
std::vector<Component*> withParents(Component& c) {
    std::vector<Component*> chain{&c};
    const size_t most = c.form().components().size() + 1;
    while (chain.size() <= most && !chain.back()->parentName().empty()) {
        Component* parent = c.form().find(chain.back()->parentName());
        if (!parent) break;
        chain.push_back(parent);
    }
    return chain;
}

}  // namespace

std::string ScriptDriver::unreachable(Component& c) {
    Form& form = c.form();
    const std::vector<Component*> chain = withParents(c);
    // The tray icon's popup menu stays usable while its window is hidden or
    // disabled.
    const bool popup = std::any_of(chain.begin(), chain.end(), [](Component* p) { return p->kind() == Kind::PopupMenu; });
    if (popup) {
        for (Component* p : chain)
            if (!p->enabled()) return c.name() + " is disabled";
        return {};
    }
    if (&c != &form.self() && !form.self().visible()) return c.name() + " is in " + form.name() + ", which is not shown";
    for (Component* p : chain) {
        std::string whose = p == &c ? std::string() : " (" + p->name() + " is hidden)";
        if (!p->visible()) return c.name() + " is not visible" + whose;
    }
    for (Component* p : chain) {
        std::string whose = p == &c ? std::string() : " (" + p->name() + " is disabled)";
        if (!p->enabled()) return c.name() + " is disabled" + whose;
    }
    if (!form.self().enabled()) return c.name() + " is disabled (" + form.name() + " is disabled)";
    return {};
}

void ScriptDriver::requireRunning(const std::string& command) {
    if (app_->ended) throw ScriptError(command + ": the program has ended (use restart)");
}

namespace {

// "[point,comma] command": whether the line runs under this separator, and the
// command without its prefix.
bool forThisSeparator(std::string& line, DecimalMode mode) {
    if (line.empty() || line[0] != '[') return true;
    size_t close = line.find(']');
    if (close == std::string::npos) throw ScriptError("missing ] after the separator names");
    std::stringstream names(line.substr(1, close - 1));
    bool mine = false;
    for (std::string name; std::getline(names, name, ',');) {
        DecimalMode m;
        if (name == "point") m = DecimalMode::Point;
        else if (name == "comma") m = DecimalMode::Comma;
        else if (name == "other") m = DecimalMode::Other;
        else throw ScriptError("unknown separator " + name + " (point, comma or other)");
        mine = mine || m == mode;
    }
    line.erase(0, close + 1);
    return mine;
}

}  // namespace

bool ScriptDriver::execute(const std::string& rawLine, int number) {
    line_ = number;
    std::string line = rawLine;
    if (!forThisSeparator(line, decimalModeOf(separator_))) return true;
    std::vector<std::string> tok;
    try {
        tok = tokenize(line);
    } catch (const TokenError& e) {
        throw ScriptError(e.what());
    }
    if (tok.empty() || tok[0][0] == '#') return true;
    const std::string& cmd = tok[0];
    auto need = [&](size_t n) {
        if (tok.size() != n + 1) throw ScriptError(cmd + " takes " + std::to_string(n) + " argument(s)");
    };
    auto fail = [&](const std::string& what) {
        out_ << "FAIL line " << number << ": " << what << "\n";
        return false;
    };

    if (cmd == "restart") {
        need(0);
        start();
        return true;
    }
    if (cmd == "save-design" || cmd == "open-design") {
        need(1);
        if (tok[1].empty()) throw ScriptError(cmd + " needs a file name");
        requireRunning(cmd);
        bool done = false;
        app_->userAction([&] { done = cmd == "save-design" ? saveDesign(*app_, tok[1]) : openDesign(*app_, tok[1]); });
        // A design that is refused is said in its message; a file that
        // cannot be written also fails the line.
        if (!done && cmd == "save-design") {
            out_ << "FAIL line " << number << ": save-design: cannot write " << tok[1] << "\n";
            return false;
        }
        return true;
    }
    if (cmd == "store") {
        need(2);
        key_.put(tok[1], tok[2]);
        return true;
    }
    if (cmd == "unstore") {
        need(1);
        key_.remove(tok[1]);
        return true;
    }
    if (cmd == "expect-stored") {
        need(2);
        std::string actual = key_.peek(tok[1]).value_or("");
        if (actual != tok[2]) return fail("stored " + tok[1] + " is " + quote(actual) + ", expected " + quote(tok[2]));
        return true;
    }
    if (cmd == "answer") {
        need(1);
        if (tok[1] != "yes" && tok[1] != "no") throw ScriptError("answer takes yes or no");
        platform_.answers.push_back(tok[1] == "yes");
        return true;
    }
    if (cmd == "expect-message") {
        need(1);
        if (platform_.unchecked.empty()) return fail("no message, expected " + quote(tok[1]));
        std::string actual = platform_.unchecked.front();
        platform_.unchecked.pop_front();
        if (actual != tok[1]) return fail("message " + quote(actual) + ", expected " + quote(tok[1]));
        return true;
    }
    if (cmd == "expect-no-message") {
        need(0);
        if (!platform_.unchecked.empty()) {
            std::string first = platform_.unchecked.front();
            platform_.unchecked.clear();
            return fail("unexpected message " + quote(first));
        }
        return true;
    }
    // The oldest question or shell open not yet checked is TEXT.
    auto expectNext = [&](std::deque<std::string>& queue, const char* what) {
        need(1);
        if (queue.empty()) return fail(std::string("no ") + what + ", expected " + quote(tok[1]));
        std::string actual = queue.front();
        queue.pop_front();
        if (actual != tok[1]) return fail(std::string(what) + " " + quote(actual) + ", expected " + quote(tok[1]));
        return true;
    };
    if (cmd == "expect-question") return expectNext(platform_.questions, "question");
    if (cmd == "expect-open") return expectNext(platform_.opened, "open");
    if (cmd == "expect-no-open") {
        need(0);
        if (!platform_.opened.empty()) {
            std::string first = platform_.opened.front();
            platform_.opened.clear();
            return fail("unexpected open " + quote(first));
        }
        return true;
    }
    if (cmd == "expect-printed") {
        need(1);
        if (std::to_string(platform_.printed) != tok[1])
            return fail("printed " + std::to_string(platform_.printed) + " page(s), expected " + tok[1]);
        return true;
    }
    if (cmd == "expect") {
        need(2);
        Target t = resolve(tok[1], true);
        std::string actual = property(*t.component, t.prop);
        if (actual != tok[2]) return fail(tok[1] + " is " + quote(actual) + ", expected " + quote(tok[2]));
        return true;
    }
    if (cmd == "show") {
        need(1);
        Target t = resolve(tok[1], true);
        std::string prop = t.prop.empty() ? (isInput(t.component->kind()) ? "text" : "caption") : t.prop;
        out_ << t.component->name() << "." << prop << " = " << property(*t.component, t.prop) << "\n";
        return true;
    }
    if (cmd == "dump") {
        // dump [FORM] [NAME...]: the window, or the named components with
        // everything inside them.
        size_t first = 1;
        Form* f = &app_->Form1;
        if (tok.size() > 1) {
            if (Form* named = app_->form(tok[1])) {
                f = named;
                first = 2;
            }
        }
        std::vector<Component*> roots;
        for (size_t i = first; i < tok.size(); ++i) {
            Component* root = f->find(tok[i]);
            if (!root) throw ScriptError("unknown component " + tok[i] + " in " + f->name());
            roots.push_back(root);
        }
        auto inside = [&](Component& c) {
            if (roots.empty()) return true;
            for (Component* p : withParents(c))
                for (Component* root : roots)
                    if (p == root) return true;
            return false;
        };
        auto dumpOne = [&](Component& c) {
            out_ << c.name() << " " << kindName(c.kind()) << " caption=" << quote(c.text())
                 << " visible=" << boolText(c.visible()) << " enabled=" << boolText(c.enabled());
            if (!c.items().empty()) out_ << " items=" << quote(join(c.items(), "|")) << " index=" << c.itemIndex();
            if (c.kind() == Kind::CheckBox) out_ << " checked=" << boolText(c.checked());
            out_ << " color=" << colorText(c.color()) << " at=" << c.left() << "," << c.top() << ","
                 << c.width() << "," << c.height() << "\n";
        };
        if (roots.empty()) dumpOne(f->self());
        for (const auto& c : f->components())
            if (inside(*c)) dumpOne(*c);
        return true;
    }

    if (cmd == "solve" || cmd == "sweep") {
        requireRunning(cmd);
        // The input is typed as a user would type it.
        if (tok.size() > 1) {
            Component& input = analysisField(cmd, tok[1]);
            if (std::string why = unreachable(input); !why.empty()) return fail(why);
            if (input.readOnly()) return fail(input.name() + " is read-only");
        }
        return analyse(tok);
    }

    if (cmd == "field") {
        requireRunning(cmd);
        fieldSolution(tok);
        return true;
    }

    if (cmd == "press") {
        // press KEYS [FORM]: keys pressed in a window (the main window unless
        // named); keys the window does not take do nothing.
        if (tok.size() != 2 && tok.size() != 3) throw ScriptError("press takes keys and an optional window");
        requireRunning(cmd);
        Form* form = tok.size() == 3 ? app_->form(tok[2]) : &app_->Form1;
        if (!form) throw ScriptError("unknown window " + tok[2]);
        pressKey(*app_, *form, tok[1]);
        return true;
    }

    // Everything below is something the user does in a window.
    static const char* actions[] = {"set", "enter", "click", "pick", "slide", "spin", "focus", "leave"};
    bool known = false;
    for (const char* a : actions) known = known || cmd == a;
    if (!known) throw ScriptError("unknown command " + cmd);
    requireRunning(cmd);
    Target t = resolve(tok.size() > 1 ? tok[1] : std::string(), false);
    Component& c = *t.component;
    if (std::string why = unreachable(c); !why.empty()) return fail(why);

    auto integer = [&](const char* what) {
        try {
            return readInt(tok[2]);
        } catch (const ConversionError&) {
            throw ScriptError(cmd + " needs " + what);
        }
    };
    App& a = *app_;
    if (cmd == "set") {
        need(2);
        if (!isInput(c.kind())) throw ScriptError(c.name() + " takes no text");
        // A drop-down list and a read-only field take no typing.
        if (c.kind() == Kind::ComboBox && !c.editable) return fail(c.name() + " is a drop-down list (use pick)");
        if (c.readOnly()) return fail(c.name() + " is read-only");
        std::string kept = user::keptText(c, tok[2]);
        user::typeText(a, c, kept);
        if (kept != tok[2])
            return fail(c.name() + " takes at most " + std::to_string(user::lengthLimit(c)) +
                        " characters; it keeps " + quote(kept));
    } else if (cmd == "enter") {
        need(1);
        user::pressEnter(a, c);
    } else if (cmd == "click") {
        need(1);
        if (c.kind() == Kind::RadioGroup || c.kind() == Kind::TabControl)
            throw ScriptError("use pick for " + c.name());
        user::click(a, c);
    } else if (cmd == "pick") {
        need(2);
        int index = integer("an item index");
        if (c.kind() != Kind::RadioGroup && c.kind() != Kind::ComboBox && c.kind() != Kind::TabControl)
            throw ScriptError(c.name() + " has no items to pick");
        if (index < 0 || index >= static_cast<int>(c.items().size()))
            throw ScriptError(c.name() + " has no item " + tok[2]);
        user::pick(a, c, index);
    } else if (cmd == "slide") {
        need(2);
        int position = integer("a position");
        if (c.kind() != Kind::TrackBar) return fail(c.name() + " is not a track bar");
        user::slide(a, c, position);
    } else if (cmd == "spin") {
        need(2);
        if (c.kind() != Kind::UpDown) throw ScriptError(c.name() + " is not a spin button");
        if (tok[2] != "up" && tok[2] != "down") throw ScriptError("spin takes up or down");
        user::spin(a, c, tok[2] == "up" ? 1 : -1);
    } else if (cmd == "focus") {
        need(1);
        user::focus(a, c);
    } else if (cmd == "leave") {
        need(1);
        user::leave(a, c);
    }
    return true;
}

int ScriptDriver::run(std::istream& script) {
    std::string line;
    int number = 0;
    bool ok = true;
    while (std::getline(script, line)) {
        ++number;
        try {
            ok = execute(line, number) && ok;
        } catch (const ScriptError& e) {
            err_ << "line " << number << ": " << e.what() << "\n";
            return 2;
        } catch (const std::out_of_range& e) {
            err_ << "line " << number << ": " << e.what() << "\n";
            return 2;
        }
    }
    // A script that could not be read to its end has not run.
    if (script.bad()) {
        err_ << "line " << number + 1 << ": the script cannot be read\n";
        return 2;
    }
    if (strictMessages_ && !platform_.unchecked.empty()) {
        for (const std::string& m : platform_.unchecked) out_ << "FAIL end of script: unexpected message " << quote(m) << "\n";
        platform_.unchecked.clear();
        ok = false;
    }
    return ok ? 0 : 1;
}

}  // namespace tv
