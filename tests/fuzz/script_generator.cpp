#include "script_generator.h"

#include <array>
#include <sstream>
#include <utility>

#include "core/app.h"
#include "shell/script_driver.h"
#include "core/settings.h"
#include "core/tokens.h"

namespace tvfuzz {

namespace {

int below(Rng& rng, int n) { return n <= 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(n)); }
bool chance(Rng& rng, int percent) { return below(rng, 100) < percent; }
template <class T>
const T& pick(Rng& rng, const std::vector<T>& v) {
    return v[static_cast<size_t>(below(rng, static_cast<int>(v.size())))];
}

const std::vector<std::string> kSettingNames = {
    "Conductor_Reduction", "IPC_Version", "Derating", "Manual_Copper_Weight", "Program",
    "Units", "Via_Height_Enable", "Registry_Status", "Base_Weight", "Plate_Weight",
    "TH_Via_AR_Setting", "UVia_AR_Setting", "Vurivav_Theme"};

// Texts a user (or another program) might put anywhere.
const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> t = [] {
        std::vector<std::string> v = {
            "", " ", "0", "-0", "1", "-1", "2", "7", "19", "20", "99", "-5", "999", "1000", "1001",
            "1e308", "-1e308", "1e309", "1e-308", "4.9e-324", "nan", "NaN", "inf", "-inf", "INF",
            "1,5", "1.5", "1.5.5", "1,,5", "1'5", ",5", ".5", "5.", "5,", "+5", "--5", "1e", "e5",
            "0x10", "12abc", " 12 ", "\t3", "2147483647", "2147483648", "-2147483648", "-2147483649",
            "9223372036854775808", "abc", "N/A", "\xC2\xB5m", "\xEF\xBC\x91\xEF\xBC\x92", "\x01\x02\x03",
            "\x7F", "a\nb", "\xFF\xFE", "%s%n%d", "'", "\"", "\\", "1E5", "0.0000001", "123456789",
            "-1e-308", "1e15", "-1e15", "0,0000001", "300", "-300", "201", "-81",
        };
        v.push_back(std::string(5000, '9'));
        v.push_back("1" + std::string(400, '0'));
        v.push_back("0." + std::string(4000, '0') + "1");
        v.push_back(std::string(100000, 'x'));
        return v;
    }();
    return t;
}

std::string plausibleNumber(Rng& rng) {
    static const std::array<const char*, 3> seps = {".", ",", "'"};
    std::ostringstream s;
    if (chance(rng, 15)) s << '-';
    s << below(rng, chance(rng, 50) ? 10 : 100000);
    if (chance(rng, 60)) s << seps[static_cast<size_t>(below(rng, chance(rng, 80) ? 2 : 3))] << below(rng, 1000);
    if (chance(rng, 5)) s << 'e' << (below(rng, 40) - 20);
    return s.str();
}

std::string text(Rng& rng) { return chance(rng, 55) ? plausibleNumber(rng) : pick(rng, hostileTexts()); }

// A script names a component of the main window plainly, others by window.
std::string nameOf(tv::App& app, tv::Component& c) {
    return (&c.form() == &app.Form1 ? "" : c.form().name() + ".") + c.name();
}

bool isInput(tv::Kind k) { return k == tv::Kind::Edit || k == tv::Kind::Memo; }

// A command that follows the last one (Enter after typing); one script runs
// per process.
std::string followUp;

// What a user does to a component of this kind.
std::string act(Rng& rng, tv::App& app, tv::Component& c) {
    const std::string name = nameOf(app, c);
    switch (c.kind()) {
        case tv::Kind::Edit:
        case tv::Kind::Memo:
            switch (below(rng, 12)) {
                case 0: return "enter " + name;
                case 1: return "focus " + name;
                case 2: return "leave " + name;
                default:
                    if (chance(rng, 40)) followUp = "enter " + name;
                    return "set " + name + " " + tv::quote(text(rng));
            }
        case tv::Kind::RadioGroup:
        case tv::Kind::ComboBox:
        case tv::Kind::TabControl:
            return "pick " + name + " " + std::to_string(below(rng, std::max<int>(static_cast<int>(c.items().size()), 1)));
        case tv::Kind::UpDown: return "spin " + name + (chance(rng, 50) ? " up" : " down");
        case tv::Kind::TrackBar: return "slide " + name + " " + std::to_string(below(rng, 200) - 50);
        default: return "click " + name;
    }
}

// Whether acting on the component can do anything: an input, a choice, or
// something with a handler.
bool live(const tv::Component& c) {
    switch (c.kind()) {
        case tv::Kind::Edit: return !c.readOnly();
        case tv::Kind::Memo: return !c.readOnly();
        case tv::Kind::RadioGroup: case tv::Kind::ComboBox: case tv::Kind::CheckBox:
        case tv::Kind::UpDown: case tv::Kind::TrackBar: case tv::Kind::TabControl: return true;
        default: return c.onClick || c.onChange || c.onEnter || c.onExit;
    }
}

// The live components a user can act on now, inputs counted six times.
std::vector<tv::Component*> reachable(Rng& rng, tv::ScriptDriver& driver, tv::Form& form) {
    std::vector<tv::Component*> out;
    for (const auto& c : form.components()) {
        if (!live(*c) || !driver.unreachable(*c).empty()) continue;
        // Ending the program is one click among hundreds, not among dozens.
        if (c->name().rfind("Exit", 0) == 0 && !chance(rng, 3)) continue;
        for (int i = isInput(c->kind()) ? 6 : 1; i > 0; --i) out.push_back(c.get());
    }
    return out;
}

}  // namespace

Rng scriptRng(std::uint64_t seed, std::uint64_t index) { return Rng(seed * 0x9E3779B97F4A7C15ULL + index); }

int scriptLength(Rng& rng) { return 20 + below(rng, 260); }

Setup makeSetup(Rng& rng) {
    static const std::vector<std::string> decimals = {"point", "point", "comma", "comma", "other"};
    Setup s;
    s.decimal = pick(rng, decimals);
    const int r = below(rng, 100);
    if (r < 10) s.settings = Setup::Settings::Memory;
    else if (r < 18) s.settings = Setup::Settings::Missing;
    else if (r < 24) s.settings = Setup::Settings::NeverInstalled;
    else if (r < 26) s.settings = Setup::Settings::Directory;
    else if (r < 28) s.settings = Setup::Settings::Pipe;
    else s.settings = Setup::Settings::File;
    if (s.settings != Setup::Settings::File) return s;

    // A settings file: the defaults, damaged in a few places, or no INI at all.
    std::string& f = s.fileText;
    switch (below(rng, 10)) {
        case 0: {  // bytes of no meaning
            const int n = below(rng, 3000);
            for (int i = 0; i < n; ++i) f += static_cast<char>(below(rng, 256));
            return s;
        }
        case 1: return s;  // empty
        default: break;
    }
    if (!chance(rng, 10)) f += chance(rng, 90) ? "[General]\n" : "[Other]\n";
    for (const auto& d : tv::repairDefaults()) {
        const int r2 = below(rng, 100);
        if (r2 < 8) continue;  // missing
        std::string value = d.value;
        if (r2 < 30) value = text(rng);                                       // damaged
        else if (r2 < 36) value = std::to_string(below(rng, 40) - 10);        // out of range
        f += std::string(d.name) + "=" + value + (chance(rng, 5) ? "\r\n" : "\n");
        if (chance(rng, 3)) f += std::string(d.name) + "=" + text(rng) + "\n";  // twice
    }
    if (chance(rng, 5)) f += "garbage line without equals\n[General\n=\n";
    return s;
}

std::string nextCommand(Rng& rng, tv::ScriptDriver& driver) {
    tv::App& app = driver.app();
    if (!followUp.empty()) return std::exchange(followUp, std::string());
    if (app.ended) return chance(rng, 90) ? "restart" : "expect-no-message";

    const int r = below(rng, 1000);
    if (r < 5) return "restart";
    if (r < 25) return "store " + pick(rng, kSettingNames) + " " + tv::quote(text(rng));
    if (r < 30) return "unstore " + pick(rng, kSettingNames);
    if (r < 45) return chance(rng, 50) ? "answer yes" : "answer no";
    if (r < 55) return chance(rng, 70) ? "expect-no-message" : "dump";

    // A secondary window that is shown takes most of the actions.
    for (tv::Form* form : {&app.Form8, &app.Form6}) {
        if (!form->self().visible()) continue;
        // Close, or Run / Cancel in the repair window.
        if (chance(rng, 20))
            return "click " + form->name() + (&*form == &app.Form8 && chance(rng, 50) ? ".Button2" : ".Button1");
        if (chance(rng, 70)) {
            auto targets = reachable(rng, driver, *form);
            if (!targets.empty()) return act(rng, app, *pick(rng, targets));
        }
    }
    if (app.Form1.self().enabled()) {
        if (r < 110) {
            const auto& f = app.catalogue.functions[static_cast<size_t>(
                below(rng, static_cast<int>(app.catalogue.functions.size())))];
            return chance(rng, 50) ? std::string("click ") + f.menuItem : "pick TabControl1 " + std::to_string(f.index());
        }
        if (r < 170) return "pick RadioGroup6 " + std::to_string(below(rng, 2));
        if (r < 200) return "click CopperWeight1";
        if (r < 210) return chance(rng, 50) ? "click ReinstallRegistryKeys1" : "click Label301";
        if (r < 260) return chance(rng, 50) ? "click Button1" : "spin UpDown" + std::to_string(1 + below(rng, 2)) + " up";
    }
    auto targets = reachable(rng, driver, app.Form1);
    if (targets.empty() || chance(rng, 3)) {
        // Sometimes something out of reach, which the driver must refuse.
        const auto& all = app.Form1.components();
        return act(rng, app, *all[static_cast<size_t>(below(rng, static_cast<int>(all.size())))]);
    }
    return act(rng, app, *pick(rng, targets));
}

}  // namespace tvfuzz
