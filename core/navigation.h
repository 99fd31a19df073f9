#pragma once
// Moving between calculators and windows from below the shell: a calculator
// that sends its numbers to another asks App::showFunction, which hands them to
// the other module and selects it; the shell installs the one implementation
// of the moves themselves when it builds the windows.
#include <string>
#include <utility>
#include <vector>

#include "core/functions.h"

namespace tv {

// Values handed to another calculator, each under a semantic id of the
// receiving module ("frequency", "er_effective"), as the texts to enter.
struct Handoff {
    std::vector<std::pair<std::string, std::string>> values;

    // The text under an id, or null.
    const std::string* find(const std::string& id) const {
        for (const auto& [key, text] : values)
            if (key == id) return &text;
        return nullptr;
    }
};

class Navigation {
public:
    virtual ~Navigation() = default;
    // Selects the function as its menu item does.
    virtual void selectFunction(Fn fn) = 0;
    // Opens the Program Options window over the main window.
    virtual void showProgramOptions() = 0;
};

}  // namespace tv
