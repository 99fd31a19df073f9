#pragma once
// The running program without its windows: the six window models, the shared
// calculation state, the settings, and the services of the platform. The GUI,
// the script driver and the tests all drive one App.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/catalogue.h"
#include "core/form.h"
#include "core/navigation.h"
#include "core/numbertext.h"
#include "core/platform.h"
#include "core/preferences.h"
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

    // The program options (units, decimal mode, IPC method, ...), as the
    // calculators read them.
    const Preferences& preferences() const { return preferences_; }
    // For the options window's handlers, the units switch and start-up: the
    // only code that changes the options.
    Preferences& changePreferences() { return preferences_; }
    int currentFunction = 0;
    // The function whose own modes the plane group RadioGroup5 holds (Via
    // Properties' modes), or -1 while it holds the plane weights.
    int planeGroupModes = -1;
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
        auto& slot = slotOf<P>(panels_);
        if (!slot) slot = std::make_shared<P>(Form1);
        return *std::static_pointer_cast<P>(slot);
    }
    template <class P>
    P& panel() {
        auto& slot = slotOf<P>(panels_);
        if (!slot) throw std::logic_error(std::string("panel not bound: ") + typeid(P).name());
        return *static_cast<P*>(slot.get());
    }

    bool currentIs(Fn f) const { return currentFunction == indexOf(f); }
    // The selected tab of the main tab strip is the function's.
    bool tabIs(Fn f) { return shared().TabControl1.itemIndex() == indexOf(f); }

    // The user's decimal separator as the desktop reports it, and the decimal
    // mode start-up derived from it.
    const std::string& userSeparator() const { return userSeparator_; }
    DecimalMode decimalMode() const { return preferences_.decimal; }
    bool pointMode() const { return decimalMode() == DecimalMode::Point; }
    bool commaMode() const { return decimalMode() == DecimalMode::Comma; }

    // Reading a field (throws ConversionError naming the field, which stops
    // the handler). A field that reads loses its unreadable mark.
    double num(Component& field);
    double num(const std::string& name) { return num(c(name)); }
    // The input of the current calculator's field table with this designer
    // name (else of any calculator's); nullptr when none lists it.
    const Field* inputField(const std::string& name);
    // The unit system an input's number is in when it differs from the
    // units preference (while the units switch converts); nullopt: the
    // preference's.
    void setInputUnits(std::optional<bool> metric) { inputUnitsMetric_ = metric; }
    // A text the program writes, in the form of the decimal mode: a text with
    // a decimal fraction (LiteralText::twin) gets the user's comma, or nothing
    // under another separator.
    std::optional<std::string> literal(const LiteralText& text);
    // Writes the literal into a field; false (nothing written) when skipped.
    bool writeLiteral(Component& field, const LiteralText& text);
    // Shows the literal as a message; false (nothing shown) when skipped.
    bool messageLiteral(const LiteralText& text);
    // A computed number written into an input field (general text). A value
    // that is not finite (a conversion that overflowed) is refused with a
    // message, and the field keeps its text; false then.
    bool writeNumber(Component& field, double value);
    std::string numberText(double value) { return generalText(value, userSeparator_); }

    void message(const std::string& text) {
        if (heldMessages_) heldMessages_->push_back(text);
        else platform.showMessage(text);
    }
    // While set, messages are collected here instead of shown (a goal seek
    // tries values the user never typed).
    void holdMessages(std::vector<std::string>* into) { heldMessages_ = into; }
    // Whether messages are held: a goal seek or sweep is trying values.
    bool messagesHeld() const { return heldMessages_ != nullptr; }
    bool ask(const std::string& text, const std::string& caption) { return platform.ask(text, caption); }

    // Moving between calculators and windows; the shell installs the moves
    // when it builds the windows.
    void setNavigation(std::unique_ptr<Navigation> navigation) { navigation_ = std::move(navigation); }
    // Hands the values to the function's module (its `receive`), then
    // selects the function as its menu item does.
    void showFunction(Fn fn, const Handoff& handoff = {});
    // Opens the Program Options window over the main window.
    void showProgramOptions();

    // The recalculation entry point: temperatures, Tg check, compute routine.
    void Button1Click();
    // The three temperature steps alone (the conductor and via routines re-run them).
    void ValidateTempRise();
    void ValidateAmbient();
    void UpdateConductorTemperature();

    // Runs a user action: a conversion error or a failed settings write ends it
    // with its message, as the application's default error handler does. A
    // conversion error also marks its field unreadable and the current
    // calculator's results stale, until the next good recalculation.
    void userAction(const std::function<void()>& action);
    // The result fields and labels of the current calculator (the shell
    // installs it); the ones greyed while a field is unreadable.
    std::function<std::vector<Component*>(App&)> currentResults;
    void markUnreadable(Component& field);
    // Ends the program (throws ProgramEnded).
    [[noreturn]] void endProgram(int code);

    // Per-module working state, created on first use and kept between runs.
    template <class T>
    T& state() {
        auto& slot = slotOf<T>(states_);
        if (!slot) slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

private:
    std::optional<double> convertTypedUnit(Component& field);

    Preferences preferences_;
    std::optional<bool> inputUnitsMetric_;
    // Panels and states are kept by type, each type at a number of its own
    // given on first use, so that a calculator reaches its panel without
    // hashing a type name on every recalculation.
    using Slots = std::vector<std::shared_ptr<void>>;
    static std::size_t nextSlot();
    template <class T>
    static std::shared_ptr<void>& slotOf(Slots& table) {
        static const std::size_t index = nextSlot();
        if (table.size() <= index) table.resize(index + 1);
        return table[index];
    }

    std::string userSeparator_;
    Slots states_;
    Slots panels_;
    std::unique_ptr<SharedControls> shared_;
    std::unique_ptr<Navigation> navigation_;
    std::vector<std::string>* heldMessages_ = nullptr;
    std::vector<Component*> stale_;
};

}  // namespace tv
