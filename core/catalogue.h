#pragma once
// The catalogue of the twenty program functions. Each calculator module
// declares everything it needs from the shared window in its CalculatorModule;
// calc/catalogue.cpp is the one table that lists them all, and core/ and shell/
// only iterate it.
#include <array>
#include <cstddef>

#include "core/functions.h"

namespace tv {

class App;

// The program options whose change reaches the calculators.
enum class ProgramOption { IpcVersion, EtchFactor };

struct CalculatorModule {
    // Resource path of the panel description ("panels/via.win").
    const char* panel = nullptr;
    // Binds the panel's components (App::bindPanel) and wires its handlers;
    // runs once when the windows are built.
    void (*install)(App&) = nullptr;
    // The compute routine; Button1Click runs it for the current function.
    void (*compute)(App&) = nullptr;
    // The function's branch of RadioGroup3Click (the shared layer group); runs
    // while the function's tab is selected.
    void (*layerBranch)(App&) = nullptr;
    // The units switch, in two parts: every module relabels its unit captions
    // first (this cannot fail), then every module converts its length inputs
    // (a field that does not read stops the switch with its message).
    void (*unitCaptions)(App&, bool metric) = nullptr;
    void (*unitConversions)(App&, bool metric) = nullptr;
    // Runs after the units switch has rebuilt the shared groups, before the
    // choice is stored.
    void (*afterUnitsSwitch)(App&) = nullptr;
    // Special steps when the function is selected: after the shared groups are
    // relabelled and enabled, before the layer group is refilled.
    void (*onSelect)(App&) = nullptr;
    // A program option changed in the options window (before it is stored).
    void (*optionsChanged)(App&, ProgramOption) = nullptr;
};

struct FunctionEntry {
    Fn fn;
    const char* menuItem;     // "ViaProperties1"
    const char* menuCaption;  // "&Via Properties"
    const char* tabCaption;   // "Via Properties"
    const char* panel;        // "GroupBox1"
    const char* panelCaption; // " Via Characteristics "
    const CalculatorModule* module;

    int index() const { return indexOf(fn); }
};

struct Catalogue {
    std::array<FunctionEntry, kFunctionCount> functions;

    const FunctionEntry& operator[](Fn f) const { return functions[static_cast<std::size_t>(indexOf(f))]; }
    // The module of a function index, or nullptr (not built, or out of range).
    const CalculatorModule* module(int index) const {
        return isFunctionIndex(index) ? functions[static_cast<std::size_t>(index)].module : nullptr;
    }
    // Runs `hook` of every module that fills it, in function order.
    template <class Hook, class... Args>
    void each(Hook CalculatorModule::*hook, Args&&... args) const {
        for (const auto& f : functions)
            if (f.module && f.module->*hook) (f.module->*hook)(args...);
    }
};

// Defined in calc/catalogue.cpp.
const Catalogue& functionCatalogue();

}  // namespace tv
