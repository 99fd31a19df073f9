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

#include "catalogue.h"
#include "form.h"
#include "numbertext.h"
#include "platform.h"
#include "settings.h"

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

    // Component of the main window by name.
    Component& c(const std::string& name) { return Form1.get(name); }

    // The user's decimal separator as the desktop reports it, and the decimal
    // mode start-up derived from it (Label165: "0" point, "1" comma).
    const std::string& userSeparator() const { return userSeparator_; }
    DecimalMode decimalMode();
    bool pointMode() { return decimalMode() == DecimalMode::Point; }
    bool commaMode() { return decimalMode() == DecimalMode::Comma; }

    // Reading a field (throws ConversionError, which stops the handler).
    double num(Component& field) { return readFloat(field.text(), userSeparator_); }
    double num(const std::string& name) { return num(c(name)); }
    // A literal with a fractional part in its point and comma forms: the form of
    // the decimal mode, or nothing under another separator.
    std::optional<std::string> literal(const std::string& point, const std::string& comma);
    // Writes the literal; false (nothing written) under another separator.
    bool writeLiteral(Component& field, const std::string& point, const std::string& comma);
    // Shows the point or comma message; false under another separator.
    bool messageLiteral(const std::string& point, const std::string& comma);
    // A computed number written into an input field (general text).
    void writeNumber(Component& field, double value);
    std::string numberText(double value) { return generalText(value, userSeparator_); }

    void message(const std::string& text) { platform.showMessage(text); }
    bool ask(const std::string& text, const std::string& caption) { return platform.ask(text, caption); }

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
};

}  // namespace tv
