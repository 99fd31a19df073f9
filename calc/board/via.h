#pragma once
// The Via panel's parts, shared by the files of the via calculator:
// the layouts (via_layout.cpp), the input checks (via_checks.cpp), the
// single-via computation (via_single.cpp) and the differential branch
// (differential_vias.cpp).
#include <string>

namespace tv {

class App;

namespace via {

// Items of the shared layer group RadioGroup3 while the via tab is shown.
enum LayerSet { TwoLayer = 0, MultiLayer = 1, Microvia = 2 };

int layerSet(App& app);
// Whether " Property Selection " is on "Differential Vias".
bool differentialMode(App& app);

// The inputs as the computation reads them, in the units of the panel
// (mils or mm); `heightModifier` is the board-thickness chart value of the via
// height.
struct Reading {
    double plating, pad, opening, height, er, heightModifier, hole;
};

// The checks of the inputs, in order, with their messages and corrections.
void checkInputs(App& app, bool metric, bool differential, int layer);

void computeSingleVia(App& app, bool metric, int layer, const Reading& r);
void computeDifferentialVias(App& app, bool metric, double hole, double er);

// Layouts and handlers.
void applyLayerSet(App& app);        // RadioGroup3Click on the via tab
void RadioGroup5Click(App& app);
void CheckBox5Click(App& app);
void unitCaptions(App& app, bool metric);
void unitConversions(App& app, bool metric);

}  // namespace via
}  // namespace tv
