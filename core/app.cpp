#include "core/app.h"

#include <cmath>

namespace tv {

App::App(Platform& p, SettingsKey& key, const Catalogue& cat, std::string userSeparator)
    : platform(p), settings(key), catalogue(cat), userSeparator_(std::move(userSeparator)) {}

Form* App::form(const std::string& name) {
    for (Form* f : {&Form1, &Form2, &Form4, &Form5, &Form6, &Form8})
        if (f->name() == name) return f;
    return nullptr;
}

DecimalMode App::decimalMode() {
    const std::string& flag = Form1.get("Label165").caption();
    if (flag == "0") return DecimalMode::Point;
    if (flag == "1") return DecimalMode::Comma;
    return DecimalMode::Other;
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

void App::writeNumber(Component& field, double value) { field.setText(numberText(value)); }

void App::userAction(const std::function<void()>& action) {
    if (ended) return;
    try {
        action();
    } catch (const ConversionError& e) {
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
    // Only the via and conductor panels heat a conductor of their own.
    bool shown = tabIs(Fn::Via) || tabIs(Fn::Conductor);
    c("Label27").setCaption(shown ? cformat("%0.1f", {temp.conductorTemp}) : "N/A");
    c("Label28").setCaption(shown ? cformat("%0.1f", {temp.conductorTempF}) : "N/A");
}

void App::Button1Click() {
    for (const char* name : {"Edit85", "Edit80"}) {
        if (Component* f = Form1.find(name); f && f->text().empty()) f->setText("0");
    }
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
    for (const char* name : {"Edit17", "Edit10"})
        if (Component* f = Form1.find(name)) f->setColor(warn ? colors::Red : colors::Navy);

    if (const CalculatorModule* m = catalogue.module(currentFunction); m && m->compute) m->compute(*this);
}

}  // namespace tv
