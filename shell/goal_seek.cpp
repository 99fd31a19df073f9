#include "shell/goal_seek.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "core/app.h"

namespace tv {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Tries input values on the main window and puts it back afterwards: texts,
// colours, visibility and enabled states, without raising change events.
class Trial {
public:
    explicit Trial(App& app) : app_(app) {
        for (const auto& c : app.Form1.components())
            saved_.push_back({c.get(), c->text(), c->color(), c->visible(), c->enabled()});
        app_.holdMessages(&held_);
    }
    ~Trial() {
        app_.holdMessages(nullptr);
        for (const Saved& s : saved_) {
            s.c->restoreText(s.text);
            s.c->setColor(s.color);
            s.c->setVisible(s.visible);
            s.c->setEnabled(s.enabled);
        }
    }
    Trial(const Trial&) = delete;
    Trial& operator=(const Trial&) = delete;

    // Recalculates with `x` in the input. False when the run raised a message
    // or stopped: the value lies outside what the calculator accepts.
    bool run(Component& input, double x) {
        ++runs;
        held_.clear();
        input.setText(app_.numberText(x));
        try {
            app_.Button1Click();
        } catch (const ConversionError&) {
            return false;
        } catch (const SettingsError&) {
            return false;
        }
        return held_.empty();
    }

    double value(Component& input, Component& result, double x) {
        return run(input, x) ? resultNumber(result.text()) : kNaN;
    }

    int runs = 0;

private:
    struct Saved {
        Component* c;
        std::string text;
        Color color;
        bool visible, enabled;
    };
    App& app_;
    std::vector<Saved> saved_;
    std::vector<std::string> held_;
};

// The nearest result seen so far.
struct Nearest {
    double x = kNaN, y = kNaN, gap = std::numeric_limits<double>::infinity();
    void see(double xv, double yv, double target) {
        if (std::isfinite(yv) && std::fabs(yv - target) < gap) {
            gap = std::fabs(yv - target);
            x = xv;
            y = yv;
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

std::string resultUnit(const std::string& text) {
    const size_t end = numberLength(text);
    if (end == 0 || !std::isfinite(resultNumber(text))) return {};
    const size_t from = text.find_first_not_of(" \t", end);
    if (from == std::string::npos) return {};
    return text.substr(from, text.find_last_not_of(" \t") + 1 - from);
}

SolveOutcome goalSeek(App& app, Component& input, Component& result, double target,
                      const std::string& inputName) {
    SolveOutcome out;
    const double x0 = app.num(input);
    const double tolerance = 1e-6 * std::max(1.0, std::fabs(target));
    double answer = kNaN;
    std::string answerText = input.text();
    Nearest nearest;
    {
        Trial trial(app);
        auto g = [&](double x) {
            const double y = trial.value(input, result, x);
            nearest.see(x, y, target);
            return y - target;
        };
        const double f0 = g(x0);
        if (f0 == 0) {
            answer = x0;
        } else if (auto br = bracketRoot(x0, f0, g)) {
            const double x = br->fb == 0 ? br->b : brent(*br, g);
            // The answer as a user would type it: the fewest digits that
            // still show the target, and no more characters than the field
            // takes. A jump across the target (a table step) is no solution.
            for (int digits = 1; digits <= 15 && !std::isfinite(answer); ++digits) {
                const double v = roundedTo(x, digits);
                const std::string text = app.numberText(v);
                if (input.maxLength() > 0 && static_cast<int>(text.size()) > input.maxLength()) continue;
                const double y = trial.value(input, result, v);
                if (std::isfinite(y) && std::fabs(y - target) <= tolerance) {
                    answer = v;
                    answerText = text;
                }
            }
        }
        out.recalculations = trial.runs;
    }
    if (std::isfinite(answer)) {
        out.found = true;
        out.input = answer;
        input.setText(answerText);
        app.Button1Click();
        ++out.recalculations;
        out.result = resultNumber(result.text());
        return out;
    }
    out.input = nearest.x;
    out.result = nearest.y;
    const std::string goal = generalText(target, ".");
    out.message = std::isfinite(nearest.y)
                      ? "No value of " + inputName + " gives " + goal + ". The nearest result is " +
                            generalText(nearest.y, ".") + " at " + inputName + " = " +
                            app.numberText(nearest.x) + "."
                      : "No value of " + inputName + " gives " + goal + ": no value tried gave a result.";
    return out;
}

std::vector<SweepPoint> sweep(App& app, Component& input, double from, double to, int steps,
                              const std::vector<Component*>& results, bool logarithmic,
                              const SweepProgress& progress) {
    std::vector<SweepPoint> points;
    if (steps < 1) steps = 1;
    Trial trial(app);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double x = logarithmic ? from * std::pow(to / from, t) : from + (to - from) * t;
        SweepPoint p{x, {}};
        const bool ok = trial.run(input, x);
        for (Component* r : results) p.results.push_back(ok ? resultNumber(r->text()) : kNaN);
        points.push_back(std::move(p));
        if (progress && !progress(i + 1, steps + 1)) break;
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
        std::string line = generalText(p.input, decimal);
        for (double r : p.results) {
            line += separator;
            if (std::isfinite(r)) line += generalText(r, decimal);
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tv
