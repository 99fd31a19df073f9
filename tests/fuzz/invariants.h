#pragma once
// What must hold after every fuzz command, beyond not crashing:
//   - a sweep, and a goal seek that found nothing, leave the main window as
//     it was (every property of every component);
//   - a goal seek that reports an answer shows its target in the result, to
//     the precision the result is shown with;
//   - no field, result or output line holds "NAN" or "INF" that the user did
//     not type.
#include <set>
#include <string>

namespace tv {
class ScriptDriver;
}

namespace tvfuzz {

// Exit codes of a child whose script broke an invariant.
constexpr int kNotRestored = 5;
constexpr int kWrongAnswer = 6;
constexpr int kNonFiniteText = 7;

class Invariants {
public:
    explicit Invariants(tv::ScriptDriver& driver) : driver_(driver) {}
    // Before a command runs.
    void before(const std::string& line);
    // After it ran, with what it printed; returns an exit code above, or 0,
    // and says what broke in `why`.
    int after(const std::string& line, const std::string& printed, std::string& why);

private:
    tv::ScriptDriver& driver_;
    std::string windowBefore_;
    std::set<std::string> typed_;  // texts the script typed, which may hold anything
};

}  // namespace tvfuzz
