#pragma once
// The Conductor Characteristics panel: its working values and the operations
// the options window and the units switch call.
#include <string>

#include "core/app.h"
#include "core/panel.h"

namespace tv {

// The Conductor panel's components the calculator reaches by handle; the rows it
// handles as groups are named in tables and checked at install.
struct ConductorPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(CheckBox1);
    TV_COMPONENT(Edit126);
    TV_COMPONENT(Edit128);
    TV_COMPONENT(Edit129);
    TV_COMPONENT(Edit130);
    TV_COMPONENT(Edit131);
    TV_COMPONENT(Edit132);
    TV_COMPONENT(Edit134);
    TV_COMPONENT(Edit135);
    TV_COMPONENT(Edit15);
    TV_COMPONENT(Edit16);
    TV_COMPONENT(Edit17);
    TV_COMPONENT(Edit18);
    TV_COMPONENT(Edit20);
    TV_COMPONENT(Edit48);
    TV_COMPONENT(Edit57);
    TV_COMPONENT(Edit78);
    TV_COMPONENT(Edit58);
    TV_COMPONENT(Edit127);
    TV_COMPONENT(Edit133);
    TV_COMPONENT(Label37);
    TV_COMPONENT(Label126);
    TV_COMPONENT(Label237);
    TV_COMPONENT(Label239);
    TV_COMPONENT(Label339);
    TV_COMPONENT(Label340);
    TV_COMPONENT(Label17);
    TV_COMPONENT(Label18);
    TV_COMPONENT(Label19);
    TV_COMPONENT(Label236);
    TV_COMPONENT(Label243);
    TV_COMPONENT(Label351);
    TV_COMPONENT(RadioGroup15);
    TV_COMPONENT(RadioGroup2);
    TV_COMPONENT(RadioGroup8);
    TV_COMPONENT(SpeedButton3);
    TV_COMPONENT(SpeedButton4);
};

inline ConductorPanel& conductorPanel(App& app) { return app.panel<ConductorPanel>(); }

// Working values of the conductor computation, kept between runs. A run that
// corrects the width re-enters the recalculation and then carries on with the
// values the nested run left here.
struct ConductorState {
    double W = 0, L = 0, H = 0, N = 0, D = 0;  // width, length, PCB thickness, count, plane distance
    double base = 0, plating = 0, T = 0, halfT = 0;
    double A = 0, Aprime = 0;  // cross-section (sq mils, or sq mm with A' in sq mils)
    double k = 0;
    double Mcu = 0, Mboard = 0, Mplane = 0;
    double I = 0, rho = 0, rhoT = 0, R = 0, P = 0, V = 0, skin = 0, dBm = 0;
    std::string layer;  // "Internal" or "External", kept for printing
};

// The IPC model chosen in the options window: 0 IPC-2152 with modifiers,
// 1 IPC-2152 without modifiers, 2 IPC-2221.
int ipcModel(App& app);

// The conductor-properties computation (Button1Click runs it on function 1).
void ComputeConductor(App& app);

// Relabels the width and current fields for the solve mode, then recalculates.
void swap_current_width_labels(App& app);

// Shows the one picture of the (parallel, plane, layer) situation.
void showConductorPicture(App& app);

}  // namespace tv
