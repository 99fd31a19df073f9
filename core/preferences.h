#pragma once
// The program options as one typed value. Start-up loads them from the
// settings key into the options window, whose handlers (and the units switch)
// keep this value in step; calculators read the options here, never from
// another window's controls.
#include <string>

#include "core/numbertext.h"

namespace tv {

// The items of the options window's " IPC version for conductor calc ", in order.
enum class IpcMethod : int { Ipc2152WithModifiers, Ipc2152, Ipc2221 };

// The conductor etch factor: " Etch Factor 1:1 " or none.
enum class EtchFactor : int { OneToOne, None };

struct Preferences {
    // Units group: metric (mm, um) or imperial (mils).
    bool metric = false;
    // The user's decimal separator as start-up found it: a point, a comma or
    // another separator (before start-up: another).
    DecimalMode decimal = DecimalMode::Other;
    IpcMethod ipc = IpcMethod::Ipc2152WithModifiers;
    EtchFactor etch = EtchFactor::OneToOne;
    // Copper weights typed into the manual fields instead of picked.
    bool manualCopper = false;
    // The aspect-ratio limits (X:1) of through-hole vias and microvias as the
    // user typed them: a limit that does not read stops the via calculation
    // with its message, as the option's own field does.
    std::string throughHoleAspectLimit = "10";
    std::string microviaAspectLimit = "1";
    // Whether the via height's chart factor enters the via current
    // ("Disable Via Height for via current" unticked).
    bool viaHeightInCurrent = true;
    // The field solver's line beside the impedance results (Program Options,
    // stored under its own name, which the repair leaves alone).
    bool fieldSolver = true;
    // The colour theme's index in the theme list (-1: none chosen).
    int theme = -1;

    int ipcIndex() const { return static_cast<int>(ipc); }
    bool ipcModifiers() const { return ipc == IpcMethod::Ipc2152WithModifiers; }
};

}  // namespace tv
