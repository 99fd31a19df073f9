#include "invariants.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "core/app.h"
#include "core/tokens.h"
#include "shell/goal_seek.h"
#include "shell/script_driver.h"

namespace tvfuzz {

namespace {

// Every property of every component of the main window, as text.
std::string dumpWindow(tv::App& app) {
    std::ostringstream o;
    auto one = [&](const tv::Component& c) {
        const tv::Component::State s = c.state();
        o << c.name() << "|" << s.text << "|" << s.hint << "|" << s.picture << "|" << s.visible << s.enabled
          << s.checked << s.readOnly << s.brushSet << "|" << s.color << "|" << s.brush << "|" << s.left << ","
          << s.top << "," << s.width << "," << s.height << "|" << s.index << "|" << s.position << "|" << s.min
          << "|" << s.max << "|" << s.maxLength << "|";
        for (const auto& item : s.items) o << item << "\x1f";
        o << "\n";
    };
    one(app.Form1.self());
    for (const auto& c : app.Form1.components()) one(*c);
    return o.str();
}

// "NAN" or "INF" (any case, with a sign) as a word of its own.
bool nonFiniteWord(const std::string& text) {
    for (size_t i = 0; i + 3 <= text.size(); ++i) {
        std::string w;
        for (size_t k = 0; k < 3; ++k) w += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + k])));
        if (w != "nan" && w != "inf") continue;
        const bool startsWord = i == 0 || !std::isalpha(static_cast<unsigned char>(text[i - 1]));
        const bool endsWord = i + 3 == text.size() || !std::isalpha(static_cast<unsigned char>(text[i + 3]));
        if (startsWord && endsWord) return true;
    }
    return false;
}

std::vector<std::string> tokens(const std::string& line) {
    std::string l = line;
    if (!l.empty() && l[0] == '[') {
        const size_t close = l.find(']');
        l = close == std::string::npos ? std::string() : l.substr(close + 1);
    }
    try {
        return tv::tokenize(l);
    } catch (...) {
        return {};
    }
}

}  // namespace

void Invariants::before(const std::string& line) {
    const auto tok = tokens(line);
    if (tok.empty()) return;
    if (tok[0] == "set" && tok.size() == 3) typed_.insert(tok[2]);
    if ((tok[0] == "solve" || tok[0] == "sweep") && !driver_.app().ended) windowBefore_ = dumpWindow(driver_.app());
}

int Invariants::after(const std::string& line, const std::string& printed, std::string& why) {
    tv::App& app = driver_.app();
    const auto tok = tokens(line);
    const bool solve = !tok.empty() && tok[0] == "solve", sweep = !tok.empty() && tok[0] == "sweep";
    if ((solve || sweep) && !windowBefore_.empty()) {
        const bool answered = printed.find("solve: ") != std::string::npos;
        if (solve && answered && tok.size() == 4) {
            tv::Component* result = app.Form1.find(tok[2]);
            double target = 0;
            try {
                target = tv::readFloat(tok[3], app.userSeparator());
            } catch (const tv::ConversionError&) {
                why = "a solve answered a target that does not read";
                return kWrongAnswer;
            }
            if (!result || !tv::showsValue(result->text(), target)) {
                why = "the solve reported " + (result ? result->text() : std::string("?")) + " for the target " + tok[3];
                return kWrongAnswer;
            }
        } else if (dumpWindow(app) != windowBefore_) {
            const std::string now = dumpWindow(app);
            size_t at = 0;
            while (at < now.size() && at < windowBefore_.size() && now[at] == windowBefore_[at]) ++at;
            const size_t from = windowBefore_.rfind('\n', at) + 1;
            why = "the window was not restored: before " + windowBefore_.substr(from, windowBefore_.find('\n', at) - from) +
                  ", after " + now.substr(from, now.find('\n', at) - from);
            return kNotRestored;
        }
        windowBefore_.clear();
    }
    // Output lines of results (messages may quote what the user typed), and
    // the CSV file a sweep wrote.
    std::string lines = printed;
    if (sweep && line.find("> sweep.csv") != std::string::npos) {
        std::ifstream csv("sweep.csv", std::ios::binary);
        for (std::string l; std::getline(csv, l);) lines += "sweep: " + l + "\n";
    }
    std::istringstream out(lines);
    for (std::string l; std::getline(out, l);)
        if ((l.rfind("sweep: ", 0) == 0 || l.rfind("solve: ", 0) == 0) && nonFiniteWord(l)) {
            why = "output " + l;
            return kNonFiniteText;
        }
    for (tv::Form* form : {&app.Form1, &app.Form6})
        for (const auto& c : form->components()) {
            std::vector<std::string> texts{c->text()};
            if (c->kind() == tv::Kind::StatusBar) texts.insert(texts.end(), c->items().begin(), c->items().end());
            for (const std::string& t : texts) {
                if (!nonFiniteWord(t)) continue;
                bool typed = false;
                for (const std::string& u : typed_) typed = typed || (!u.empty() && u.rfind(t, 0) == 0);
                if (!typed) {
                    why = form->name() + "." + c->name() + " holds \"" + t + "\"";
                    return kNonFiniteText;
                }
            }
        }
    return 0;
}

}  // namespace tvfuzz
