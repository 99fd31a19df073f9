#pragma once
// Goal seek and sweep over any calculator: every calculator is fields in, a
// recalculation, fields out, so one solver and one sweep serve them all. The
// search tries values the user never typed: its messages are held back and
// the window is put back as it was, except for the answer, which is written
// and recalculated once as if typed.
#include <functional>
#include <string>
#include <vector>

namespace tv {

class App;
class Component;

// The leading number of a result text ("50.0000 Ohms" -> 50, "12.5 %"); NaN
// for "N/A" or a text that does not start with a number. Results always use
// a point.
double resultNumber(const std::string& text);
// The unit after that number ("50.0000 Ohms" -> "Ohms"); "" for a bare
// number or a text without one.
std::string resultUnit(const std::string& text);

// The number a result shows, at full precision: the value kept beside its
// text when the calculator showed it as a result, else the number its text
// starts with (NaN for "N/A").
double resultValue(const Component& result);

// Whether a result text shows `value` to the precision it is shown with
// ("229.3650 Volts" shows 229.36504 but not 229.3656).
bool showsValue(const std::string& text, double value);

struct SolveOutcome {
    bool found = false;
    double input = 0;     // the answer, or the input of the nearest result
    double result = 0;    // the result shown, or the nearest one reached
    int recalculations = 0;
    std::string message;  // what the user is told when no value reaches the target
};

// Finds the input value whose recalculation shows `target` in `result`:
// brackets the root by expanding from the current value (keeping its sign),
// then Brent's method. The answer counts only when typed into the window as
// it was and recalculated it shows the target (showsValue); otherwise the
// window is restored and the message names the nearest result reached.
// `inputName` names the input in the message.
SolveOutcome goalSeek(App& app, Component& input, Component& result, double target,
                      const std::string& inputName);

struct SweepPoint {
    double input;
    std::vector<double> results;  // NaN: a gap (a message or no finite value)
};

// Told after each point how many of the total are done; returning false
// stops the sweep there.
using SweepProgress = std::function<bool(int done, int total)>;

// The input values of a sweep: steps + 1 points from `from` to `to`, evenly
// spaced or (logarithmic) evenly spaced in ratio.
std::vector<double> sweepInputs(double from, double to, int steps, bool logarithmic);
// Why a sweep over these ends cannot run (an end that is not finite, a
// logarithmic sweep across or onto zero, steps that leave the range of
// numbers); "" when it can.
std::string sweepRangeProblem(double from, double to, int steps, bool logarithmic);

// Steps the input over sweepInputs, each step typed into the window as it
// was, recording the results; the window is restored afterwards (every
// property, the status bar too). Nothing runs for a range sweepRangeProblem
// refuses. A sweep stopped by `progress` returns the points it reached.
std::vector<SweepPoint> sweep(App& app, Component& input, double from, double to, int steps,
                              const std::vector<Component*>& results, bool logarithmic,
                              const SweepProgress& progress = {});

// The sweep as tab- or comma-separated lines with a header; gaps are empty.
// A name holding the separator or a quote is quoted, as CSV readers expect.
// Numbers take `decimal` as their separator (a point in CSV files).
std::vector<std::string> sweepTable(const std::vector<SweepPoint>& points, const std::string& inputName,
                                    const std::vector<std::string>& resultNames, char separator,
                                    const std::string& decimal = ".");

}  // namespace tv
