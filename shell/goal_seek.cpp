#include "shell/goal_seek.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "core/app.h"
#include "core/fields.h"
#include "shell/analysis_fields.h"

namespace tv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Tries input values on the main window and puts it back afterwards: every
// property of every component (texts, colours, status bar, visibility...),
// without raising events. Each try starts from the window as it was, so that
// a correction one value causes (a length clamped to its maximum) does not
// carry over into the next, and a value tries exactly what typing it would.
//
// A result the recalculation leaves to a worker thread (the field solver's
// line) is settled after each run, in this thread; when the trials end, the
// module starts that work for the window as it is then (afterTrials).
class Trial {
public:
    Trial(App& app, const std::vector<Component*>& results) : app_(app) {
        saved_.push_back({&app.Form1.self(), app.Form1.self().state()});
        for (const auto& c : app.Form1.components()) saved_.push_back({c.get(), c->state()});
        for (Component* r : results)
            if (const Field* f = currentField(app, r->name()); f && f->settle &&
                std::find(settle_.begin(), settle_.end(), f->settle) == settle_.end())
                settle_.push_back(f->settle);
        app_.holdMessages(&held_);
    }
    ~Trial() {
        app_.holdMessages(nullptr);
        if (!kept_) restore();
        if (const CalculatorModule* m = app_.catalogue.module(app_.currentFunction); m && m->afterTrials) {
            try {
                m->afterTrials(app_, kept_);
            } catch (...) {
                // Nothing of the search's outcome depends on it.
            }
        }
    }
    Trial(const Trial&) = delete;
    Trial& operator=(const Trial&) = delete;

    // Recalculates with `text` typed into the input. False when the run
    // raised a message or stopped: the value lies outside what the
    // calculator accepts.
    bool run(Component& input, const std::string& text) {
        ++runs;
        restore();
        held_.clear();
        input.setText(text);
        try {
            app_.Button1Click();
            if (held_.empty())
                for (auto settle : settle_) settle(app_);
        } catch (const ConversionError& e) {
            held_.push_back(e.what());
        } catch (const SettingsError& e) {
            held_.push_back(e.what());
        }
        if (firstRefusal.empty() && !held_.empty()) firstRefusal = held_.front();
        return held_.empty();
    }
    bool run(Component& input, double x) { return run(input, app_.numberText(x)); }

    double value(Component& input, Component& result, double x) {
        return run(input, x) ? resultValue(result) : kNaN;
    }
    // The number the result shows to the user with `x` in the input.
    double shown(Component& input, Component& result, double x) {
        return run(input, x) ? resultNumber(result.text()) : kNaN;
    }

    // The window stays as the last run left it.
    void keep() { kept_ = true; }

    int runs = 0;
    std::string firstRefusal;  // the first message a value raised

private:
    void restore() {
        for (const auto& [c, state] : saved_) c->restore(state);
    }

    App& app_;
    std::vector<std::pair<Component*, Component::State>> saved_;
    std::vector<std::string> held_;
    std::vector<void (*)(App&)> settle_;
    bool kept_ = false;
};

// The nearest result seen so far. Two results on the same side of the target
// are compared directly: the differences to a huge target would round to the
// same number and keep the first result seen.
struct Nearest {
    double x = kNaN, y = kNaN, shown = kNaN;
    void see(double xv, double yv, double target, double shownv) {
        if (!std::isfinite(yv)) return;
        bool nearer = !std::isfinite(y);
        if (!nearer && (yv <= target) == (y <= target)) nearer = yv <= target ? yv > y : yv < y;
        else if (!nearer) nearer = std::fabs(yv - target) < std::fabs(y - target);
        if (nearer) {
            x = xv;
            y = yv;
            shown = std::isfinite(shownv) ? shownv : yv;
        }
    }
};

constexpr int kExpansions = 60;
constexpr int kBrentSteps = 200;

// The k-th trial point out from x0: geometric while x0 has a sign (so the
// sign is kept), steps of growing size from zero.
double outward(double x0, int k, bool up) {
    const double growth = std::pow(1.6, k);
    if (x0 > 0) return up ? x0 * growth : x0 / growth;
    if (x0 < 0) return up ? x0 / growth : x0 * growth;
    return (up ? 1 : -1) * 1e-3 * growth;
}

struct Bracket {
    double a, fa, b, fb;
};

// Brent's method on g over [a, b] with g(a) and g(b) of opposite signs.
double brent(Bracket br, const std::function<double(double)>& g) {
    double a = br.a, b = br.b, fa = br.fa, fb = br.fb;
    if (std::fabs(fa) < std::fabs(fb)) { std::swap(a, b); std::swap(fa, fb); }
    double c = a, fc = fa, d = b - a;
    bool bisected = true;
    for (int i = 0; i < kBrentSteps && fb != 0; ++i) {
        const double tol = 4 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 1e-300;
        if (std::fabs(b - a) <= tol) break;
        double s;
        if (fa != fc && fb != fc)  // inverse quadratic interpolation
            s = a * fb * fc / ((fa - fb) * (fa - fc)) + b * fa * fc / ((fb - fa) * (fb - fc)) +
                c * fa * fb / ((fc - fa) * (fc - fb));
        else  // secant
            s = b - fb * (b - a) / (fb - fa);
        const double lo = std::min((3 * a + b) / 4, b), hi = std::max((3 * a + b) / 4, b);
        const bool bisect = !(s > lo && s < hi) ||
                            (bisected && std::fabs(s - b) >= std::fabs(b - c) / 2) ||
                            (!bisected && std::fabs(s - b) >= std::fabs(c - d) / 2);
        if (bisect) s = (a + b) / 2;
        bisected = bisect;
        double fs = g(s);
        if (!std::isfinite(fs)) {
            // A hole in the domain inside the bracket: halve towards it.
            s = (a + b) / 2;
            fs = g(s);
            if (!std::isfinite(fs)) break;
            bisected = true;
        }
        d = c;
        c = b;
        fc = fb;
        if ((fa < 0) != (fs < 0)) { b = s; fb = fs; }
        else { a = s; fa = fs; }
        if (std::fabs(fa) < std::fabs(fb)) { std::swap(a, b); std::swap(fa, fb); }
    }
    return b;
}

std::optional<Bracket> bracketRoot(double x0, double f0, const std::function<double(double)>& g) {
    // Walk out both ways from the current value until the difference to the
    // target changes sign between two neighbouring points that both compute.
    std::optional<std::pair<double, double>> last[2];
    if (std::isfinite(f0)) last[0] = last[1] = std::make_pair(x0, f0);
    for (int k = 1; k <= kExpansions; ++k) {
        for (int dir = 0; dir < 2; ++dir) {
            const double x = outward(x0, k, dir == 0);
            const double f = g(x);
            if (!std::isfinite(f)) continue;
            if (f == 0) return Bracket{x, f, x, f};
            if (last[dir] && (last[dir]->second < 0) != (f < 0))
                return Bracket{last[dir]->first, last[dir]->second, x, f};
            last[dir] = std::make_pair(x, f);
        }
    }
    return std::nullopt;
}

// The length of the number a result text starts with; 0 when it has none.
size_t numberLength(const std::string& text) {
    size_t end = 0;
    const size_t n = text.size();
    if (end < n && (text[end] == '-' || text[end] == '+')) ++end;
    const size_t digitsFrom = end;
    while (end < n && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) ++end;
    if (end == digitsFrom) return 0;
    if (end < n && (text[end] == 'e' || text[end] == 'E')) {
        size_t e = end + 1;
        if (e < n && (text[e] == '-' || text[e] == '+')) ++e;
        if (e < n && text[e] >= '0' && text[e] <= '9') {
            while (e < n && text[e] >= '0' && text[e] <= '9') ++e;
            end = e;
        }
    }
    return end;
}

// x rounded to a number of significant digits.
double roundedTo(double x, int digits) {
    if (x == 0 || !std::isfinite(x)) return x;
    const double scale = std::pow(10.0, digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(x)))));
    const double r = std::round(x * scale) / scale;
    return std::isfinite(r) ? r : x;
}

// A CSV or tab-separated cell: quoted when it holds the separator or a quote.
std::string cell(const std::string& text, char separator) {
    if (text.find(separator) == std::string::npos && text.find('"') == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

}  // namespace

double resultNumber(const std::string& text) {
    const size_t end = numberLength(text);
    if (end == 0) return kNaN;
    try {
        return readFloat(text.substr(0, end), ".");
    } catch (const ConversionError&) {
        return kNaN;
    }
}

double resultValue(const Component& result) {
    const double kept = result.resultValue();
    return std::isnan(kept) ? resultNumber(result.text()) : kept;
}

std::string resultUnit(const std::string& text) {
    const size_t end = numberLength(text);
    if (end == 0 || !std::isfinite(resultNumber(text))) return {};
    const size_t from = text.find_first_not_of(" \t", end);
    if (from == std::string::npos) return {};
    return text.substr(from, text.find_last_not_of(" \t") + 1 - from);
}

bool showsValue(const std::string& text, double value) {
    const double shown = resultNumber(text);
    if (!std::isfinite(shown) || !std::isfinite(value)) return false;
    // Half a unit of the last digit shown: "229.3650" holds 229.36504,
    // "1.50E+03" holds 1504.
    const size_t end = numberLength(text);
    const size_t point = text.find('.');
    size_t mantissaEnd = text.find_first_of("eE");
    if (mantissaEnd == std::string::npos || mantissaEnd > end) mantissaEnd = end;
    const int decimals = point < mantissaEnd ? static_cast<int>(mantissaEnd - point - 1) : 0;
    int exponent = 0;
    if (mantissaEnd < end) exponent = readInt(text.substr(mantissaEnd + 1, end - mantissaEnd - 1));
    const double half = 0.5 * std::pow(10.0, exponent - decimals);
    return std::fabs(shown - value) <= half * (1 + 1e-9);
}

SolveOutcome goalSeek(App& app, Component& input, Component& result, double target,
                      const std::string& inputName) {
    SolveOutcome out;
    const double x0 = app.num(input);
    const double tolerance = 1e-6 * std::max(1.0, std::fabs(target));
    double answer = kNaN;
    std::string answerText;
    Nearest nearest;
    Trial trial(app, {&result});
    auto g = [&](double x) {
        const double y = trial.value(input, result, x);
        nearest.see(x, y, target, resultNumber(result.text()));
        return y - target;
    };
    const double f0 = g(x0);
    if (f0 == 0) {
        answer = x0;
        answerText = app.numberText(x0);
    } else if (auto br = bracketRoot(x0, f0, g)) {
        const double x = br->fb == 0 ? br->b : brent(*br, g);
        // The answer as a user would type it: the fewest digits that still
        // show the target, and no more characters than the field takes. A
        // jump across the target (a table step) is no solution.
        for (int digits = 1; digits <= 15 && !std::isfinite(answer); ++digits) {
            const double v = roundedTo(x, digits);
            const std::string text = app.numberText(v);
            if (input.maxLength() > 0 && static_cast<int>(text.size()) > input.maxLength()) continue;
            const double y = trial.shown(input, result, v);
            nearest.see(v, std::isfinite(y) ? resultValue(result) : kNaN, target, y);
            if (std::isfinite(y) && std::fabs(y - target) <= tolerance) {
                answer = v;
                answerText = text;
            }
        }
    }
    if (std::isfinite(answer)) {
        // Typed into the window as it was and recalculated once more: only
        // what that shows counts, to the precision the result shows.
        const bool accepted = trial.run(input, answerText);
        if (accepted) nearest.see(answer, resultValue(result), target, resultNumber(result.text()));
        if (accepted && showsValue(result.text(), target)) {
            trial.keep();
            out.found = true;
            out.input = answer;
            out.result = resultValue(result);
            out.recalculations = trial.runs;
            return out;
        }
    }
    out.recalculations = trial.runs;
    out.input = nearest.x;
    out.result = nearest.y;
    const std::string goal = generalText(target, ".");
    out.message = std::isfinite(nearest.y)
                      ? "No value of " + inputName + " gives " + goal + ". The nearest result is " +
                            generalText(nearest.shown, ".") + " at " + inputName + " = " +
                            app.numberText(nearest.x) + "."
                      : trial.firstRefusal.empty()
                            ? "No value of " + inputName + " gives " + goal + ": no value tried gave a result."
                            : "No value of " + inputName + " gives " + goal +
                                  ": no value tried gave a result (the calculator answered \"" +
                                  trial.firstRefusal + "\").";
    return out;
}

std::string sweepRangeProblem(double from, double to, int steps, bool logarithmic) {
    if (!std::isfinite(from) || !std::isfinite(to)) return "The ends of a sweep must be finite numbers.";
    if (logarithmic && (from == 0 || to == 0 || (from < 0) != (to < 0)))
        return "A logarithmic sweep needs two ends of the same sign, neither of them zero.";
    for (double x : sweepInputs(from, to, steps, logarithmic))
        if (!std::isfinite(x))
            return "The steps from " + generalText(from, ".") + " to " + generalText(to, ".") +
                   " leave the range of numbers; choose nearer ends.";
    return {};
}

std::vector<double> sweepInputs(double from, double to, int steps, bool logarithmic) {
    if (steps < 1) steps = 1;
    std::vector<double> xs;
    // Logarithmic steps in log space (the product or quotient of the ends
    // would leave the range of numbers); linear ones as a weighted mean,
    // which never exceeds the larger end. Both ends exactly as given.
    const double sign = from < 0 ? -1 : 1;
    const double la = std::log10(std::fabs(from)), lb = std::log10(std::fabs(to));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        double x = logarithmic ? sign * std::pow(10.0, la * (1 - t) + lb * t) : from * (1 - t) + to * t;
        if (i == 0) x = from;
        if (i == steps) x = to;
        xs.push_back(x);
    }
    return xs;
}

std::vector<SweepPoint> sweep(App& app, Component& input, double from, double to, int steps,
                              const std::vector<Component*>& results, bool logarithmic,
                              const SweepProgress& progress) {
    std::vector<SweepPoint> points;
    if (!sweepRangeProblem(from, to, steps, logarithmic).empty()) return points;
    const std::vector<double> xs = sweepInputs(from, to, steps, logarithmic);
    const int total = static_cast<int>(xs.size());
    Trial trial(app, results);
    for (int i = 0; i < total; ++i) {
        const double x = xs[static_cast<size_t>(i)];
        SweepPoint p{x, {}};
        const bool ok = trial.run(input, x);
        for (Component* r : results) p.results.push_back(ok ? resultValue(*r) : kNaN);
        points.push_back(std::move(p));
        if (progress && !progress(i + 1, total)) break;
    }
    return points;
}

std::vector<std::string> sweepTable(const std::vector<SweepPoint>& points, const std::string& inputName,
                                    const std::vector<std::string>& resultNames, char separator,
                                    const std::string& decimal) {
    std::vector<std::string> lines;
    std::string header = cell(inputName, separator);
    for (const auto& n : resultNames) header += separator + cell(n, separator);
    lines.push_back(header);
    for (const auto& p : points) {
        std::string line = std::isfinite(p.input) ? generalText(p.input, decimal) : std::string();
        for (double r : p.results) {
            line += separator;
            if (std::isfinite(r)) line += generalText(r, decimal);
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tv
