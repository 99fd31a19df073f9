#pragma once
// The catalogue of the twenty program functions. Each calculator module
// supplies its panel description, its compute routine, its branch of the shared
// layer group's handler and its part of the units switch; calc/catalogue.cpp is
// the one table that lists them all.
#include <array>
#include <string>
#include <vector>

namespace tv {

class App;

struct CalculatorModule {
    // Resource path of the panel description ("panels/via.win").
    const char* panel = nullptr;
    // Wires the panel's own handlers; runs once when the windows are built.
    void (*install)(App&) = nullptr;
    // The compute routine; Button1Click runs it for the current function.
    void (*compute)(App&) = nullptr;
    // The function's branch of RadioGroup3Click (the shared layer group).
    void (*layerBranch)(App&) = nullptr;
    // The units switch: convert this panel's length inputs and relabel its
    // unit captions (metric = true when switching to metric).
    void (*unitsSwitch)(App&, bool metric) = nullptr;
    // Runs after the shared groups are rebuilt by the units switch, before the
    // setting is stored (the conductor panel relabels for its solve mode).
    void (*afterUnitsSwitch)(App&) = nullptr;
};

struct FunctionEntry {
    int index;
    const char* menuItem;     // "ViaProperties1"
    const char* menuCaption;  // "&Via Properties"
    const char* tabCaption;   // "Via Properties"
    const char* panel;        // "GroupBox1"
    const char* panelCaption; // " Via Characteristics "
    const CalculatorModule* module;
};

struct Catalogue {
    std::array<FunctionEntry, 20> functions;
    // Modules whose units-switch part runs, in this order (shared groups first).
    std::vector<const CalculatorModule*> unitsOrder;
};

// Defined in calc/catalogue.cpp.
const Catalogue& functionCatalogue();

}  // namespace tv
