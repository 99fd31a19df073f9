#pragma once
// The catalogue of the twenty program functions. Each calculator module
// declares everything it needs from the shared window in its CalculatorModule;
// calc/catalogue.cpp is the one table that lists them all, and core/ and shell/
// only iterate it.
#include <cstddef>
#include <span>
#include <vector>

#include "core/fields.h"
#include "core/functions.h"
#include "core/shared_setup.h"

namespace tv {

class App;
struct Handoff;

// The program options whose change reaches the calculators.
enum class ProgramOption { IpcVersion, EtchFactor };

// The points of the start-up's settings load where a module may act.
enum class StartupStep {
    Defaults,          // before the substrate material is applied
    IpcVersionLoaded,  // the stored IPC version is set in the options window
    OptionsLoaded,     // every stored option is set
};

struct CalculatorModule {
    // The calculator's stable id for scripts ("conductor-impedance").
    const char* id = nullptr;
    // Resource path of the panel description ("panels/via.win").
    const char* panel = nullptr;
    // The calculator's inputs and results (core/fields.h): what the units
    // switch converts and what goal seek and sweep offer.
    const FieldTable* fields = nullptr;
    // The panel's choices a script names (core/fields.h), in the order they
    // are applied; the first is the calculator's type where it has one.
    std::span<const Choice> choices{};
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
    // (a field that does not read stops the switch with its message). The
    // field table does both for the plain length fields; these hooks hold a
    // module's special cases (its captions after the table's, its
    // conversions before the table's).
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

    // The shared groups while the function is selected (core/shared_setup.h).
    LayerGroupSetup layers{};
    PlaneGroupSetup plane{};
    SharedInputsSetup inputs{};
    InformationSetup information{};
    ManualFramesSetup manualFrames{};
    // "Air" cannot be the substrate material of this calculator.
    bool refusesAir = false;
    // Before every recalculation, whichever function is current: writes the
    // defaults of the module's fields left empty.
    void (*fillEmptyFields)(App&) = nullptr;
    // Colours the module's results that the material temperature warning
    // turns red (warn) or back; runs on every recalculation.
    void (*materialWarning)(App&, bool warn) = nullptr;
    // The start-up's settings load reached a step.
    void (*startup)(App&, StartupStep) = nullptr;
    // Another calculator hands over values (App::showFunction); runs before
    // the function is selected.
    void (*receive)(App&, const Handoff&) = nullptr;
    // A goal seek or sweep has ended: the window holds the answer (kept) or
    // is as it was. What a recalculation hands to a worker thread (the
    // trials start none) is brought up to date with the window.
    void (*afterTrials)(App&, bool kept) = nullptr;
};

struct FunctionEntry {
    Fn fn;
    const char* menuItem;     // "ViaProperties1"
    const char* menuCaption;  // "&Via Properties"
    const char* tabCaption;   // "Via Properties"
    const char* panel;        // "GroupBox1"
    const char* panelCaption; // " Via Characteristics "
    const CalculatorModule* module;

    constexpr int index() const { return indexOf(fn); }
};

// The functions in menu and tab order; the program's is functionCatalogue(),
// a test may build one with a calculator of its own added.
struct Catalogue {
    std::vector<FunctionEntry> functions;

    int size() const { return static_cast<int>(functions.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }
    const FunctionEntry& operator[](Fn f) const { return functions[static_cast<std::size_t>(indexOf(f))]; }
    // The module of a function index, or nullptr (not built, or out of range).
    const CalculatorModule* module(int index) const {
        return contains(index) ? functions[static_cast<std::size_t>(index)].module : nullptr;
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
