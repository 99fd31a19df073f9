#pragma once
// Random tolvane-cli commands for the fuzz test. Each command is drawn while
// the program runs, from the components a user can reach at that moment (the
// windows shown, the controls visible and enabled), with the commands that fit
// them; typed texts are often hostile. Function, units and options switches,
// restarts, repairs, message answers and settings changed behind the
// program's back are mixed in, and each script starts on a damaged or missing
// settings file. The program is deterministic, so a seed and a script number
// always give the same script; the lines run are recorded for replay.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tv {
class Component;
class ScriptDriver;
}  // namespace tv

namespace tvfuzz {

using Rng = std::mt19937_64;

// How one fuzz script starts: the settings file (or none) and the separator.
struct Setup {
    enum class Settings { Memory, Missing, NeverInstalled, File, Directory, Pipe };
    Settings settings = Settings::Memory;
    std::string fileText;  // for File
    std::string decimal;   // "point", "comma" or "other"
};

// The random source of script `index` of the run with `seed`.
Rng scriptRng(std::uint64_t seed, std::uint64_t index);

Setup makeSetup(Rng& rng);
// How many commands the script runs.
int scriptLength(Rng& rng);
// The next command for the program as the driver runs it now.
std::string nextCommand(Rng& rng, tv::ScriptDriver& driver);

}  // namespace tvfuzz
