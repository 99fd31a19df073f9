#pragma once
// The Via panel's parts, shared by the files of the via calculator:
// the layouts (via_layout.cpp), the input checks (via_checks.cpp), the
// single-via computation (via_single.cpp) and the differential branch
// (differential_vias.cpp).
#include "core/app.h"
#include "core/panel.h"

namespace tv {

namespace via {

// The Via panel's components the calculator reaches by handle; the rows it
// handles as groups are named in tables and checked at install.
struct ViaPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(CheckBox5);
    TV_COMPONENT(Edit10);
    TV_COMPONENT(Edit11);
    TV_COMPONENT(Edit12);
    TV_COMPONENT(Edit13);
    TV_COMPONENT(Edit14);
    TV_COMPONENT(Edit206);
    TV_COMPONENT(Edit209);
    TV_COMPONENT(Edit3);
    TV_COMPONENT(Edit335);
    TV_COMPONENT(Edit4);
    TV_COMPONENT(Edit42);
    TV_COMPONENT(Edit49);
    TV_COMPONENT(Edit5);
    TV_COMPONENT(Edit50);
    TV_COMPONENT(Edit52);
    TV_COMPONENT(Edit53);
    TV_COMPONENT(Edit54);
    TV_COMPONENT(Edit55);
    TV_COMPONENT(Edit56);
    TV_COMPONENT(Edit336);
    TV_COMPONENT(Edit6);
    TV_COMPONENT(Edit8);
    TV_COMPONENT(Edit9);
    TV_COMPONENT(Image46);
    TV_COMPONENT(Image64);
    TV_COMPONENT(Label10);
    TV_COMPONENT(Label11);
    TV_COMPONENT(Label12);
    TV_COMPONENT(Label187);
    TV_COMPONENT(Label6);
    TV_COMPONENT(Label7);
    TV_COMPONENT(Label8);
};

inline ViaPanel& viaPanel(App& app) { return app.panel<ViaPanel>(); }
// Binds the panel and checks the names of the layout tables.
void bindPanel(App& app);

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
