#include "core/app.h"

#include <cmath>
#include <stdexcept>

#include "core/unit_text.h"

namespace tv {

App::App(Platform& p, SettingsKey& key, const Catalogue& cat, std::string userSeparator)
    : platform(p), settings(key), catalogue(cat), userSeparator_(std::move(userSeparator)) {}

std::size_t App::nextSlot() {
    static std::size_t next = 0;
    return next++;
}

Form* App::form(const std::string& name) {
    for (Form* f : {&Form1, &Form2, &Form4, &Form5, &Form6, &Form8})
        if (f->name() == name) return f;
    return nullptr;
}

std::optional<std::string> App::literal(const LiteralText& text) {
    if (!text.twin) return text.point;
    switch (decimalMode()) {
        case DecimalMode::Point: return text.point;
        case DecimalMode::Comma: return commaForm(text.point);
        case DecimalMode::Other: break;
    }
    return std::nullopt;
}

bool App::writeLiteral(Component& field, const LiteralText& text) {
    auto t = literal(text);
    if (!t) return false;
    field.setText(*t);
    return true;
}

bool App::messageLiteral(const LiteralText& text) {
    auto t = literal(text);
    if (!t) return false;
    message(*t);
    return true;
}

bool App::writeNumber(Component& field, double value) {
    // "INF" or "NAN" in an input would fail every recalculation after it, as
    // would a text rounded past the largest number: the field keeps what it
    // held.
    const std::string text = numberText(value);
    if (!std::isfinite(value) || !isFloat(text, userSeparator_)) {
        message("'" + field.text() + "' cannot be converted: the result is not a finite number.");
        return false;
    }
    field.setText(text);
    return true;
}

double App::num(Component& field) {
    try {
        const double value = readFloat(field.text(), userSeparator_);
        field.setUnreadable(false);
        return value;
    } catch (ConversionError& e) {
        if (!e.field) e.field = &field;
        if (auto value = convertTypedUnit(field)) return *value;
        throw;
    }
}

const Field* App::inputField(const std::string& name) {
    auto inputIn = [&](const CalculatorModule* m) -> const Field* {
        if (!m || !m->fields) return nullptr;
        const Field* f = m->fields->find(*this, name);
        return f && !f->isResult() ? f : nullptr;
    };
    if (const Field* f = inputIn(catalogue.module(currentFunction))) return f;
    for (int i = 0; i < catalogue.size(); ++i)
        if (const Field* f = inputIn(catalogue.module(i))) return f;
    return nullptr;
}

// "12 mil" in a mils field, "0.3 mm" pasted into one: the number in the
// field's unit, written back in the user's separator so that the field shows
// what the calculator reads. Nothing for any other text, which keeps its
// message.
std::optional<double> App::convertTypedUnit(Component& field) {
    const Field* f = inputField(field.name());
    if (!f) return std::nullopt;
    std::string unit = f->unit.in(inputUnitsMetric_.value_or(preferences_.metric));
    if (unit.empty() && f->unitBox) unit = Form1.get(f->unitBox).text();
    if (unit.empty()) return std::nullopt;
    const auto value = readWithUnit(field.text(), f->quantity, unit, userSeparator_);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    const std::string text = numberText(*value);
    if (!isFloat(text, userSeparator_)) return std::nullopt;
    field.setText(text);
    field.setUnreadable(false);
    return readFloat(text, userSeparator_);
}

void App::markUnreadable(Component& field) {
    field.setUnreadable(true);
    if (!currentResults) return;
    for (Component* c : currentResults(*this))
        if (!c->stale()) {
            c->setStale(true);
            stale_.push_back(c);
        }
}

void App::userAction(const std::function<void()>& action) {
    if (ended) return;
    try {
        action();
    } catch (const ConversionError& e) {
        if (e.field) markUnreadable(*e.field);
        message(e.what());
    } catch (const SettingsError& e) {
        message(e.what());
    } catch (const ProgramEnded& e) {
        ended = true;
        exitCode = e.code;
        platform.quit(e.code);
    }
}

void App::endProgram(int code) { throw ProgramEnded{code}; }

void App::showFunction(Fn fn, const Handoff& handoff) {
    if (!navigation_) throw std::logic_error("no navigation installed");
    if (const CalculatorModule* m = catalogue.module(indexOf(fn)); m && m->receive) m->receive(*this, handoff);
    navigation_->selectFunction(fn);
}

void App::showProgramOptions() {
    if (!navigation_) throw std::logic_error("no navigation installed");
    navigation_->showProgramOptions();
}

void App::ValidateTempRise() {
    Component& edit = c("Edit1");
    double rise = num(edit);
    if (rise > 200) {
        message("Maximum temperature rise can't be greater than 200C");
        edit.setText("200");
        rise = 200;
    }
    if (rise <= 0) {
        message("Minimum temperature rise can't be less than 0C");
        edit.setText("1");
        rise = 1;
    }
    c("ProgressBar1").setPosition(static_cast<int>(std::trunc(rise)));
    temp.rise = rise;
    temp.riseF = rise * 1.8;
    c("Label2").setCaption(cformat("%0.1f", {temp.riseF}));
}

void App::ValidateAmbient() {
    Component& edit = c("Edit2");
    double ambient = num(edit);
    if (ambient > 200) {
        message("Maximum ambient temperature can't be greater than 200C");
        edit.setText("200");
        ambient = 200;
    }
    if (ambient < -80) {
        message("Minimum ambient temperature can't be less than -80C");
        edit.setText("-80");
        ambient = -80;
    }
    // Clamped first: only a number in -80..200 may become the bar's integer.
    c("ProgressBar2").setPosition(static_cast<int>(std::trunc(ambient)));
    temp.ambient = ambient;
    temp.ambientF = ambient * 1.8 + 32;
    c("Label4").setCaption(cformat("%0.1f", {temp.ambientF}));
}

void App::UpdateConductorTemperature() {
    temp.conductorTemp = temp.ambient + temp.rise;
    temp.conductorTempF = temp.conductorTemp * 1.8 + 32;
    // Only the panels that heat a conductor of their own show its temperature.
    const CalculatorModule* m = catalogue.module(shared().TabControl1.itemIndex());
    const bool shown = m && m->information.conductorTemperature;
    c("Label27").setCaption(shown ? cformat("%0.1f", {temp.conductorTemp}) : "N/A");
    c("Label28").setCaption(shown ? cformat("%0.1f", {temp.conductorTempF}) : "N/A");
}

void App::Button1Click() {
    catalogue.each(&CalculatorModule::fillEmptyFields, *this);
    ValidateTempRise();
    ValidateAmbient();
    UpdateConductorTemperature();

    Component& status = c("StatusBar1");
    Component& tgField = c("Edit66");
    bool warn = false;
    if (tgField.text() != "N/A") {
        temp.tg = num(tgField);
        warn = temp.rise + temp.ambient > temp.tg;
    }
    status.setPanelText(1, warn ? "WARNING! Material temperature exceeded!" : "");
    catalogue.each(&CalculatorModule::materialWarning, *this, warn);

    if (const CalculatorModule* m = catalogue.module(currentFunction); m && m->compute) m->compute(*this);
    // A whole recalculation: its results are current again.
    for (Component* c : stale_) c->setStale(false);
    stale_.clear();
}

}  // namespace tv
