#include "app/cli_oneshot.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string_view>

#include "app/cli_session.h"
#include "core/file_write.h"
#include "core/stackup.h"
#include "core/unit_text.h"
#include "shell/goal_seek.h"

namespace tv::cli {

namespace {

struct CommandUsage {
    std::string_view name, synopsis;
};
constexpr CommandUsage kCommands[] = {
    {"list", "list [--json]"},
    {"describe", "describe CALC [choice=OPTION ...] [--units imperial|metric] [--json]"},
    {"calc", "calc CALC [choice=OPTION ...] [id=value ...] [--units imperial|metric] [--json|--csv] [--decimal SEP]"},
    {"solve", "solve CALC INPUT RESULT TARGET [id=value ...] [--units imperial|metric] [--json] [--decimal SEP]"},
    {"sweep", "sweep CALC INPUT FROM TO STEPS RESULT... [--log] [-o FILE.csv] [id=value ...] [--units imperial|metric] "
              "[--decimal SEP]"},
};

enum class Format { Lines, Json, Csv };

// The command line of a one-shot command: positional words, key=value
// assignments and options.
struct Request {
    std::vector<std::string> words;
    Assignments values;
    std::optional<bool> metric;
    Format format = Format::Lines;
    bool logarithmic = false;
    std::optional<std::string> file;
    std::string separator = ".";
};

bool isAssignment(const std::string& a) {
    const size_t eq = a.find('=');
    if (eq == 0 || eq == std::string::npos) return false;
    return std::all_of(a.begin(), a.begin() + static_cast<long>(eq), [](char ch) {
        return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
               ch == '-';
    });
}

// `options`: the options this command takes, e.g. "--units --json".
Request parse(const std::string& command, const std::vector<std::string>& args, std::string_view options) {
    Request r;
    auto takes = [&](const std::string& o) {
        const size_t at = options.find(o);
        if (at == std::string_view::npos || (at + o.size() < options.size() && options[at + o.size()] != ' '))
            throw UsageError(command + " takes no option " + o);
    };
    auto value = [&](size_t& i) -> const std::string& {
        if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
        return args[++i];
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--units") {
            takes(a);
            const std::string& u = value(i);
            if (u != "imperial" && u != "metric") throw UsageError("--units takes imperial or metric");
            r.metric = u == "metric";
        } else if (a == "--json" || a == "--csv") {
            takes(a);
            r.format = a == "--json" ? Format::Json : Format::Csv;
        } else if (a == "--log") {
            takes(a);
            r.logarithmic = true;
        } else if (a == "-o") {
            takes(a);
            r.file = value(i);
            if (r.file->empty()) throw UsageError("-o needs a file name");
        } else if (a == "--decimal") {
            takes(a);
            const std::string& d = value(i);
            if (d == "point") r.separator = ".";
            else if (d == "comma") r.separator = ",";
            else if (d == "other") r.separator = "'";
            else throw UsageError("--decimal takes point, comma or other");
        } else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9') && a[1] != '.') {
            throw UsageError("unknown option " + a);
        } else if (isAssignment(a)) {
            r.values.emplace_back(a.substr(0, a.find('=')), a.substr(a.find('=') + 1));
        } else {
            r.words.push_back(a);
        }
    }
    return r;
}

// The calculator named by the first word, selected with the units and the
// values applied.
const FunctionEntry& prepare(Session& s, const std::string& command, const Request& r) {
    if (r.words.empty()) throw UsageError(command + " needs a calculator (see tolvane-cli list)");
    s.start();
    const FunctionEntry& e = s.find(r.words[0]);
    s.select(e);
    if (r.metric) s.setUnits(*r.metric);
    s.apply(r.values);
    return e;
}

std::string caption(const FunctionEntry& e) {
    std::string c = e.tabCaption;
    for (size_t at = c.find("&&"); at != std::string::npos; at = c.find("&&", at + 1)) c.erase(at, 1);
    return c;
}

// Prints the messages shown and gives the exit status.
int finish(Session& s, std::ostream& err, bool failed) {
    for (const std::string& m : s.messages()) err << "message: " << m << "\n";
    return failed || !s.messages().empty() ? 1 : 0;
}

// A number of the command line in the field's unit: plain, or with a unit
// of the field's quantity ("0.1mm" for a width in mils).
double number(App& app, const std::string& what, const std::string& text, const AnalysisField& field) {
    try {
        return readFloat(text, app.userSeparator());
    } catch (const ConversionError&) {
        if (!field.unit.empty())
            if (auto v = readWithUnit(text, field.field->quantity, field.unit, app.userSeparator())) return *v;
        throw UsageError(what + " '" + text + "' is not a number" +
                         (field.unit.empty() ? "" : " (of " + field.unit + " or with a unit)"));
    }
}

// A CSV cell: quoted when it holds a comma or a quote.
std::string csvCell(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string cell = "\"";
    for (char ch : text) cell += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return cell + "\"";
}

std::vector<std::string> padded(const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.push_back(0);
            widths[i] = std::max(widths[i], row[i].size());
        }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i)
            line += i + 1 < row.size() ? row[i] + std::string(widths[i] - row[i].size() + 2, ' ') : row[i];
        lines.push_back(line);
    }
    return lines;
}

// The text a user sees for an option of a choice.
std::string optionCaption(App& app, const Choice& choice, const ChoiceOption& o) {
    Component& c = app.c(choice.control);
    if (c.kind() == Kind::CheckBox) return c.text() + (o.index ? " (ticked)" : " (not ticked)");
    const auto& items = c.items();
    return o.index >= 0 && o.index < static_cast<int>(items.size()) ? items[static_cast<size_t>(o.index)] : "";
}

int list(const Request& r, std::ostream& out) {
    if (!r.words.empty()) throw UsageError("list takes no calculator");
    Session s(r.separator);
    s.start();
    if (r.format == Format::Json) {
        out << "[";
        bool first = true;
        for (const auto& e : s.app().catalogue.functions) {
            if (!e.module || !e.module->id) continue;
            out << (first ? "" : ", ") << "{\"id\": " << jsonString(e.module->id)
                << ", \"caption\": " << jsonString(caption(e)) << ", \"choices\": {";
            first = false;
            for (size_t k = 0; k < e.module->choices.size(); ++k) {
                const Choice& choice = e.module->choices[k];
                out << (k ? ", " : "") << jsonString(choice.key) << ": [";
                for (size_t i = 0; i < choice.options.size(); ++i)
                    out << (i ? ", " : "") << jsonString(choice.options[i].id);
                out << "]";
            }
            out << "}}";
        }
        out << "]\n";
        return 0;
    }
    for (const auto& e : s.app().catalogue.functions) {
        if (!e.module || !e.module->id) continue;
        out << e.module->id << std::string(std::max<size_t>(2, 22 - std::string(e.module->id).size()), ' ')
            << caption(e) << "\n";
        for (const Choice& choice : e.module->choices) {
            out << "  " << choice.key << ":";
            for (const ChoiceOption& o : choice.options) out << " " << o.id;
            out << "\n";
        }
    }
    return 0;
}

std::string unitIn(App& app, const Field& f, bool metric) {
    std::string u = f.unit.in(metric);
    if (u.empty() && f.unitBox) u = app.c(f.unitBox).text();
    return u;
}

// A result's format; "" for a result its calculator writes as plain text.
std::string formatOf(const Field& f, bool metric) {
    const char* format = f.formatIn(metric);
    return format ? format : "";
}

std::string orDash(const std::string& text) { return text.empty() ? "-" : text; }

int describeJson(Session& s, const FunctionEntry& e, std::ostream& out, std::ostream& err) {
    App& app = s.app();
    const auto current = s.choices();
    out << "{\"id\": " << jsonString(e.module->id) << ", \"caption\": " << jsonString(caption(e))
        << ", \"choices\": {";
    for (size_t k = 0; k < e.module->choices.size(); ++k) {
        const Choice& choice = e.module->choices[k];
        out << (k ? ", " : "") << jsonString(choice.key) << ": {\"current\": " << jsonString(current[k].second)
            << ", \"options\": [";
        for (size_t i = 0; i < choice.options.size(); ++i)
            out << (i ? ", " : "") << "{\"id\": " << jsonString(choice.options[i].id)
                << ", \"caption\": " << jsonString(optionCaption(app, choice, choice.options[i])) << "}";
        out << "]}";
    }
    out << "}";
    const FieldTable* t = s.table();
    const int type = t ? t->currentType(app) : 0;
    for (const bool results : {false, true}) {
        out << ", " << (results ? "\"results\"" : "\"inputs\"") << ": [";
        bool first = true;
        if (t)
            for (const Field& f : t->fields) {
                if (f.isResult() != results) continue;
                out << (first ? "" : ", ") << "{\"id\": " << jsonString(f.id) << ", \"name\": " << jsonString(f.name)
                    << ", \"caption\": " << jsonString(f.caption)
                    << ", \"unit\": {\"imperial\": " << jsonString(unitIn(app, f, false))
                    << ", \"metric\": " << jsonString(unitIn(app, f, true)) << "}, "
                    << (results ? "\"format\": " + jsonString(formatOf(f, metricUnits(app)))
                                : "\"default\": " + jsonString(app.c(f.name).text()))
                    << ", \"in_type\": " << (f.inType(type) ? "true" : "false") << "}";
                first = false;
            }
        out << "]";
    }
    out << "}\n";
    return finish(s, err, false);
}

int describe(const Request& r, std::ostream& out, std::ostream& err) {
    if (r.words.size() != 1) throw UsageError("describe takes one calculator");
    Session s(r.separator);
    const FunctionEntry& e = prepare(s, "describe", r);
    App& app = s.app();
    const auto current = s.choices();
    if (r.format == Format::Json) return describeJson(s, e, out, err);
    out << e.module->id << ": " << caption(e) << "\n";
    for (size_t k = 0; k < e.module->choices.size(); ++k) {
        const Choice& choice = e.module->choices[k];
        out << choice.key << ":";
        for (const ChoiceOption& o : choice.options)
            out << " " << o.id << (current[k].second == o.id ? "*" : "") << " (" << optionCaption(app, choice, o)
                << ")";
        out << "\n";
    }
    const FieldTable* t = s.table();
    if (!t) return finish(s, err, false);
    const int type = t->currentType(app);
    for (const bool results : {false, true}) {
        std::vector<std::vector<std::string>> rows;
        rows.push_back({results ? "RESULT" : "INPUT", "CAPTION", "IMPERIAL", "METRIC",
                        results ? "FORMAT" : "DEFAULT", "IN TYPE"});
        for (const Field& f : t->fields) {
            if (f.isResult() != results) continue;
            rows.push_back({f.id, f.caption, orDash(unitIn(app, f, false)), orDash(unitIn(app, f, true)),
                            results ? orDash(formatOf(f, metricUnits(app))) : app.c(f.name).text(),
                            f.inType(type) ? "yes" : "no"});
        }
        out << "\n";
        for (const std::string& line : padded(rows)) out << line << "\n";
    }
    return finish(s, err, false);
}

int calc(const Request& r, std::ostream& out, std::ostream& err) {
    if (r.words.size() != 1) throw UsageError("calc takes one calculator, then key=value ...");
    Session s(r.separator);
    const FunctionEntry& e = prepare(s, "calc", r);
    s.recalculate();
    std::vector<ResultReport> results;
    bool missing = false;
    for (const AnalysisField& f : analysisFields(s.app()).results) {
        results.push_back(report(f));
        if (!std::isfinite(results.back().value)) {
            missing = true;
            if (!results.back().stale)
                err << "tolvane-cli: " << f.field->id << " shows no number: " << f.component->text() << "\n";
        }
    }
    const bool metric = metricUnits(s.app());
    if (r.format == Format::Lines) {
        for (const ResultReport& x : results) out << x.id << " = " << shownWithUnit(x) << "\n";
    } else if (r.format == Format::Csv) {
        std::vector<std::string> header, row;
        for (const ResultReport& x : results) {
            header.push_back(x.label());
            row.push_back(std::isfinite(x.value) ? fullPrecision(x.value) : "");
        }
        for (size_t i = 0; i < header.size(); ++i) out << (i ? "," : "") << csvCell(header[i]);
        out << "\n";
        for (size_t i = 0; i < row.size(); ++i) out << (i ? "," : "") << row[i];
        out << "\n";
    } else {
        out << "{\"calculator\": " << jsonString(e.module->id) << ", \"choices\": {";
        bool first = true;
        for (const auto& [key, option] : s.choices()) {
            out << (first ? "" : ", ") << jsonString(key) << ": " << jsonString(option);
            first = false;
        }
        out << "}, \"units\": " << jsonString(metric ? "metric" : "imperial") << ", \"results\": {";
        for (size_t i = 0; i < results.size(); ++i) {
            const ResultReport& x = results[i];
            out << (i ? ", " : "") << jsonString(x.id) << ": {\"value\": " << fullPrecision(x.value)
                << ", \"text\": " << jsonString(x.text) << ", \"unit\": " << jsonString(x.unit)
                << ", \"caption\": " << jsonString(x.caption) << (x.stale ? ", \"stale\": true" : "") << "}";
        }
        out << "}, \"messages\": [";
        for (size_t i = 0; i < s.messages().size(); ++i) out << (i ? ", " : "") << jsonString(s.messages()[i]);
        out << "]}\n";
    }
    return finish(s, err, missing);
}

int solve(const Request& r, std::ostream& out, std::ostream& err) {
    if (r.words.size() != 4) throw UsageError("solve takes CALC INPUT RESULT TARGET [key=value ...]");
    Session s(r.separator);
    prepare(s, "solve", r);
    s.recalculate();
    App& app = s.app();
    const AnalysisField in = s.input(r.words[1]);
    const AnalysisField res = s.result(r.words[2]);
    const double target = number(app, "TARGET", r.words[3], res);
    // Values that raise a message leave nothing to search from.
    if (!s.messages().empty()) return finish(s, err, true);
    SolveOutcome o;
    app.userAction([&] { o = goalSeek(app, *in.component, *res.component, target, in.field->id); });
    if (!o.found) {
        if (!o.message.empty()) err << "tolvane-cli: " << o.message << "\n";
        return finish(s, err, true);
    }
    const ResultReport result = report(res);
    if (r.format == Format::Json) {
        out << "{\"input\": {\"id\": " << jsonString(in.field->id) << ", \"value\": " << fullPrecision(o.input)
            << ", \"text\": " << jsonString(in.component->text()) << ", \"unit\": " << jsonString(in.unit)
            << "}, \"result\": {\"id\": " << jsonString(result.id) << ", \"value\": " << fullPrecision(result.value)
            << ", \"text\": " << jsonString(result.text) << ", \"unit\": " << jsonString(result.unit) << "}}\n";
    } else {
        const std::string unit = in.unit.empty() ? "" : " " + in.unit;
        out << in.field->id << " = " << in.component->text() << unit << "\n";
        out << result.id << " = " << shownWithUnit(result) << "\n";
    }
    return finish(s, err, false);
}

int sweepCommand(const Request& r, std::ostream& out, std::ostream& err) {
    if (r.words.size() < 6)
        throw UsageError("sweep takes CALC INPUT FROM TO STEPS RESULT... [--log] [-o FILE.csv] [key=value ...]");
    Session s(r.separator);
    prepare(s, "sweep", r);
    s.recalculate();
    App& app = s.app();
    const AnalysisField in = s.input(r.words[1]);
    const double from = number(app, "FROM", r.words[2], in), to = number(app, "TO", r.words[3], in);
    int steps = 0;
    try {
        steps = readInt(r.words[4]);
    } catch (const ConversionError&) {
        throw UsageError("STEPS '" + r.words[4] + "' is not a whole number");
    }
    if (steps < 1 || steps > 100000) throw UsageError("sweep takes 1 to 100000 steps");
    if (std::string problem = sweepRangeProblem(from, to, steps, r.logarithmic); !problem.empty())
        throw UsageError("sweep: " + problem);
    std::vector<Component*> results;
    std::vector<std::string> labels;
    for (size_t i = 5; i < r.words.size(); ++i) {
        const AnalysisField f = s.result(r.words[i]);
        results.push_back(f.component);
        labels.push_back(f.label());
    }
    if (!s.messages().empty()) return finish(s, err, true);
    // A file that cannot be written is refused before the sweep runs.
    if (r.file) {
        if (std::string why = unwritableTarget(*r.file); !why.empty()) {
            err << "tolvane-cli: cannot write " << *r.file << ": " << why << "\n";
            finish(s, err, true);
            return 1;
        }
    }
    std::vector<SweepPoint> points;
    app.userAction([&] { points = sweep(app, *in.component, from, to, steps, results, r.logarithmic); });
    const std::vector<std::string> table = sweepTable(points, in.label(), labels, ',');
    bool failed = false;
    if (r.file) {
        if (const FileWritten w = app.platform.writeTextFile(*r.file, table); !w) {
            err << "tolvane-cli: cannot write " << *r.file << ": " << w.error << "\n";
            failed = true;
        }
    } else {
        for (const std::string& line : table) out << line << "\n";
    }
    const auto gaps = std::count_if(points.begin(), points.end(), [](const SweepPoint& p) {
        return std::any_of(p.results.begin(), p.results.end(), [](double v) { return !std::isfinite(v); });
    });
    if (gaps > 0) {
        err << "tolvane-cli: sweep: " << gaps << " of " << points.size() << " steps gave no result\n";
        failed = true;
    }
    return finish(s, err, failed);
}

}  // namespace

bool isOneShot(const std::string& word) {
    return std::any_of(std::begin(kCommands), std::end(kCommands), [&](const CommandUsage& c) { return c.name == word; });
}

int runOneShot(const std::string& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        for (const CommandUsage& c : kCommands)
            if (c.name == command) out << "usage: tolvane-cli " << c.synopsis << "\nSee tolvane-cli(1).\n";
        return 0;
    }
    try {
        if (command == "list") return list(parse(command, args, "--json --decimal"), out);
        if (command == "describe") return describe(parse(command, args, "--units --json --decimal"), out, err);
        if (command == "calc") return calc(parse(command, args, "--units --json --csv --decimal"), out, err);
        if (command == "solve") return solve(parse(command, args, "--units --json --decimal"), out, err);
        if (command == "sweep") return sweepCommand(parse(command, args, "--units --log -o --decimal"), out, err);
        throw UsageError("unknown command " + command);
    } catch (const UsageError& e) {
        err << "tolvane-cli " << command << ": " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        err << "tolvane-cli " << command << ": internal error: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace tv::cli
