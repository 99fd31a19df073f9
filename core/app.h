#pragma once
// The running program without its windows: the six window models, the shared
// calculation state, the settings, and the services of the platform. The GUI,
// the script driver and the tests all drive one App.
#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "core/catalogue.h"
#include "core/form.h"
#include "core/numbertext.h"
#include "core/platform.h"
#include "core/settings.h"
#include "core/shared_controls.h"

namespace tv {

struct TemperatureState {
    double rise = 0, riseF = 0;
    double ambient = 0, ambientF = 0;
    double conductorTemp = 0, conductorTempF = 0;
    double tg = 0;
};

// Ends the handler that raised it; the program ends when the outermost event
// returns (the repair's "Run ", Exit).
struct ProgramEnded {
    int code;
};

class App {
public:
    App(Platform& platform, SettingsKey& key, const Catalogue& catalogue,
        std::string userSeparator);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Form Form1{"Form1"}, Form2{"Form2"}, Form4{"Form4"}, Form5{"Form5"}, Form6{"Form6"},
        Form8{"Form8"};
    Form* form(const std::string& name);

    Platform& platform;
    Settings settings;
    const Catalogue& catalogue;

    int currentFunction = 0;
    TemperatureState temp;
    double materialModifier = 0;
    bool ended = false;
    int exitCode = 0;

    // Component of the main window by name (shell code; calculators use
    // their bound panel and shared()).
    Component& c(const std::string& name) { return Form1.get(name); }

    // The main window's shared controls (bound when the windows are built).
    SharedControls& shared() { return *shared_; }
    void bindShared() { shared_ = std::make_unique<SharedControls>(Form1); }

    // A module's components by handle: bindPanel resolves them in the main
    // window (throws DescriptionError for a missing name) and keeps them;
    // panel returns what was bound.
    template <class P>
    P& bindPanel() {
        auto& slot = panels_[std::type_index(typeid(P))];
        if (!slot) slot = std::make_shared<P>(Form1);
        return *std::static_pointer_cast<P>(slot);
    }
    template <class P>
    P& panel() {
        auto it = panels_.find(std::type_index(typeid(P)));
        if (it == panels_.end()) throw std::logic_error(std::string("panel not bound: ") + typeid(P).name());
        return *std::static_pointer_cast<P>(it->second);
    }

    bool currentIs(Fn f) const { return currentFunction == indexOf(f); }
    // The selected tab of the main tab strip is the function's.
    bool tabIs(Fn f) { return shared().TabControl1.itemIndex() == indexOf(f); }

    // The user's decimal separator as the desktop reports it, and the decimal
    // mode start-up derived from it (Label165: "0" point, "1" comma).
    const std::string& userSeparator() const { return userSeparator_; }
    DecimalMode decimalMode();
    bool pointMode() { return decimalMode() == DecimalMode::Point; }
    bool commaMode() { return decimalMode() == DecimalMode::Comma; }

    // Reading a field (throws ConversionError, which stops the handler).
    double num(Component& field) { return readFloat(field.text(), userSeparator_); }
    double num(const std::string& name) { return num(c(name)); }
    // A text the program writes, in the form of the decimal mode: a text with
    // a decimal fraction (LiteralText::twin) gets the user's comma, or nothing
    // under another separator.
    std::optional<std::string> literal(const LiteralText& text);
    // Writes the literal into a field; false (nothing written) when skipped.
    bool writeLiteral(Component& field, const LiteralText& text);
    // Shows the literal as a message; false (nothing shown) when skipped.
    bool messageLiteral(const LiteralText& text);
    // A computed number written into an input field (general text).
    void writeNumber(Component& field, double value);
    std::string numberText(double value) { return generalText(value, userSeparator_); }

    void message(const std::string& text) {
        if (heldMessages_) heldMessages_->push_back(text);
        else platform.showMessage(text);
    }
    // While set, messages are collected here instead of shown (a goal seek
    // tries values the user never typed).
    void holdMessages(std::vector<std::string>* into) { heldMessages_ = into; }
    bool ask(const std::string& text, const std::string& caption) { return platform.ask(text, caption); }
    // Opens the Program Options window over the main window; the shell
    // installs it when the windows are built.
    std::function<void()> showProgramOptions;

    // The recalculation entry point: temperatures, Tg check, compute routine.
    void Button1Click();
    // The three temperature steps alone (the conductor and via routines re-run them).
    void ValidateTempRise();
    void ValidateAmbient();
    void UpdateConductorTemperature();

    // Runs a user action: a conversion error or a failed settings write ends it
    // with its message, as the application's default error handler does.
    void userAction(const std::function<void()>& action);
    // Ends the program (throws ProgramEnded).
    [[noreturn]] void endProgram(int code);

    // Per-module working state, created on first use and kept between runs.
    template <class T>
    T& state() {
        auto& slot = states_[std::type_index(typeid(T))];
        if (!slot.has_value()) slot = std::make_shared<T>();
        return *std::any_cast<std::shared_ptr<T>&>(slot);
    }

private:
    std::string userSeparator_;
    std::unordered_map<std::type_index, std::any> states_;
    std::unordered_map<std::type_index, std::shared_ptr<void>> panels_;
    std::unique_ptr<SharedControls> shared_;
    std::vector<std::string>* heldMessages_ = nullptr;
};

}  // namespace tv
