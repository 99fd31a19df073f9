// The script driver's goal seek and sweep commands:
//   solve INPUT RESULT TARGET
//   sweep INPUT FROM TO STEPS RESULT... [log] [> FILE.csv]
#include "core/app.h"
#include "shell/goal_seek.h"
#include "shell/script_driver.h"

namespace tv {

void ScriptDriver::analyse(const std::vector<std::string>& tok) {
    const std::string& cmd = tok[0];
    App& a = *app_;
    auto number = [&](const std::string& text) {
        try {
            return readFloat(text, a.userSeparator());
        } catch (const ConversionError&) {
            throw ScriptError(cmd + ": '" + text + "' is not a number");
        }
    };
    auto field = [&](const std::string& name) -> Component& {
        Target t = resolve(name, false);
        if (t.form != &a.Form1) throw ScriptError(cmd + " works on the main window's fields");
        return *t.component;
    };

    if (cmd == "solve") {
        if (tok.size() != 4) throw ScriptError("solve takes INPUT RESULT TARGET");
        Component& input = field(tok[1]);
        Component& result = field(tok[2]);
        const double target = number(tok[3]);
        a.userAction([&] {
            SolveOutcome o = goalSeek(a, input, result, target, input.name());
            if (o.found) out_ << "solve: " << input.name() << " = " << input.text() << " -> " << result.name()
                              << " = " << result.text() << "\n";
            else a.message(o.message);
        });
        return;
    }

    // sweep
    std::vector<std::string> args(tok.begin() + 1, tok.end());
    std::string file;
    if (args.size() >= 2 && args[args.size() - 2] == ">") {
        file = args.back();
        args.resize(args.size() - 2);
    }
    bool logarithmic = !args.empty() && args.back() == "log";
    if (logarithmic) args.pop_back();
    if (args.size() < 5) throw ScriptError("sweep takes INPUT FROM TO STEPS RESULT... [log] [> FILE.csv]");
    Component& input = field(args[0]);
    const double from = number(args[1]), to = number(args[2]);
    int steps = 0;
    try {
        steps = readInt(args[3]);
    } catch (const ConversionError&) {
        throw ScriptError("sweep needs a whole number of steps");
    }
    if (steps < 1 || steps > 100000) throw ScriptError("sweep takes 1 to 100000 steps");
    if (logarithmic && !(from * to > 0)) throw ScriptError("a logarithmic sweep needs two ends of one sign");
    std::vector<Component*> results;
    std::vector<std::string> names;
    for (size_t i = 4; i < args.size(); ++i) {
        results.push_back(&field(args[i]));
        names.push_back(args[i]);
    }
    a.userAction([&] {
        auto points = sweep(a, input, from, to, steps, results, logarithmic);
        if (file.empty()) {
            for (const auto& line : sweepTable(points, input.name(), names, '\t')) out_ << "sweep: " << line << "\n";
        } else if (!a.platform.writeTextFile(file, sweepTable(points, input.name(), names, ','))) {
            a.message("Cannot write " + file);
        }
    });
}

}  // namespace tv
