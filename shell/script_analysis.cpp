// The script driver's goal seek and sweep commands:
//   solve INPUT RESULT TARGET
//   sweep INPUT FROM TO STEPS RESULT... [log] [> FILE.csv]
// Fields are named by their designer names or by their ids in the current
// calculator's field table.
#include "core/app.h"
#include "core/fields.h"
#include "shell/analysis_fields.h"
#include "core/file_write.h"
#include "shell/goal_seek.h"
#include "shell/script_driver.h"

namespace tv {

namespace {

// A CSV file's column heading: the field's caption with its unit, as the
// Sweep window and `tolvane-cli sweep` write it; the name given for a
// component the calculator's table does not list.
std::string fileHeading(App& app, const Component& c, const std::string& given) {
    const AnalysisFields fields = analysisFields(app);
    for (const auto* list : {&fields.inputs, &fields.results})
        for (const AnalysisField& f : *list)
            if (f.component == &c) return f.label();
    return given;
}

}  // namespace

Component& ScriptDriver::analysisField(const std::string& cmd, const std::string& name) {
    App& a = *app_;
    if (const Field* f = currentField(a, name); f && name == f->id) return a.Form1.get(f->name);
    Target t = resolve(name, false);
    if (t.form != &a.Form1) throw ScriptError(cmd + " works on the main window's fields");
    return *t.component;
}

bool ScriptDriver::analyse(const std::vector<std::string>& tok) {
    const std::string& cmd = tok[0];
    App& a = *app_;
    auto number = [&](const std::string& text) {
        try {
            return readFloat(text, a.userSeparator());
        } catch (const ConversionError&) {
            throw ScriptError(cmd + ": '" + text + "' is not a number");
        }
    };
    auto field = [&](const std::string& name) -> Component& { return analysisField(cmd, name); };

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
        return true;
    }

    // sweep
    std::vector<std::string> args(tok.begin() + 1, tok.end());
    std::string file;
    if (args.size() >= 2 && args[args.size() - 2] == ">") {
        file = args.back();
        args.resize(args.size() - 2);
        if (file.empty()) throw ScriptError("sweep: > needs a file name");
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
    if (std::string problem = sweepRangeProblem(from, to, steps, logarithmic); !problem.empty())
        throw ScriptError("sweep: " + problem);
    std::vector<Component*> results;
    std::vector<std::string> names;
    for (size_t i = 4; i < args.size(); ++i) {
        results.push_back(&field(args[i]));
        names.push_back(args[i]);
    }
    // A file that cannot be written is refused before the sweep runs (a
    // named pipe would wait for a reader for ever); a write that fails
    // leaves the old file and fails the script.
    std::string unwritten;
    if (!file.empty()) unwritten = unwritableTarget(file);
    if (unwritten.empty()) {
        a.userAction([&] {
            auto points = sweep(a, input, from, to, steps, results, logarithmic);
            if (file.empty()) {
                for (const auto& line : sweepTable(points, input.name(), names, '\t'))
                    out_ << "sweep: " << line << "\n";
            } else {
                std::vector<std::string> headings;
                for (size_t i = 0; i < results.size(); ++i) headings.push_back(fileHeading(a, *results[i], names[i]));
                unwritten = a.platform.writeTextFile(file, sweepTable(points, fileHeading(a, input, input.name()),
                                                                      headings, ',')).error;
            }
        });
    }
    if (unwritten.empty()) return true;
    a.message("Cannot write " + file + ": " + unwritten);
    out_ << "FAIL line " << line_ << ": sweep: cannot write " << file << ": " << unwritten << "\n";
    return false;
}

}  // namespace tv
