#pragma once
// How a calculator sets up the shared groups beside its panel: the layer
// group, the plane group, the enabled shared inputs, the Information lines and
// the manual copper frames. Each module states its own in its
// CalculatorModule; the defaults are those of a calculator that uses none of
// the shared inputs but the units.
#include <string>
#include <vector>

namespace tv {

// An enabled state the function selection assigns: off, on, or left as it is.
enum class Enable : signed char { Off, On, Keep };

// The shared layer group RadioGroup3.
struct LayerGroupSetup {
    const char* caption = " Conductor Layer ";
    std::vector<std::string> items = {"Internal Layer", "External Layer"};
    int selection = -1;  // the item selected on entry (its click runs); -1: none
    bool enabled = false;
    // The tall group that covers the plane group, which is hidden.
    bool tall = false;
    // Emptied before a tab pick selects the function, so that its first item
    // is always clicked.
    bool clearedOnTab = false;
};

// The plane group RadioGroup5: the plane weights, or the function's own modes.
struct PlaneGroupSetup {
    const char* caption = " Plane Thickness ";
    const char* hint = "Select between a 1oz and a 2oz plane.";
    // The function's own modes in place of the weights; empty: the weights.
    std::vector<std::string> modes{};
    Enable enabled = Enable::Off;
};

// The enabled states of the shared inputs.
struct SharedInputsSetup {
    Enable baseCopper = Enable::Off;     // RadioGroup4
    Enable plating = Enable::Off;        // RadioGroup1
    Enable manualCopper = Enable::Off;   // Edit136..Edit139
    Enable materialLabel = Enable::Off;  // Label35
    Enable erLabel = Enable::Off;        // Label36
    Enable tgLabel = Enable::Off;        // Label9
    Enable material = Enable::Off;       // ComboBox1
    Enable er = Enable::Off;             // Edit7
    Enable tg = Enable::Off;             // Edit66
    Enable rise = Enable::Off;           // Edit1 and its spin and captions; On enables its frame
    Enable ambient = Enable::Off;        // Edit2 likewise
    Enable units = Enable::On;           // RadioGroup6
    Enable viaCount = Enable::Off;       // Edit227, UpDown6
    // The manual base-copper frame GroupBox31 is enabled on selection.
    bool manualBaseFrame = false;
};

// The Information group.
struct InformationSetup {
    const char* copperHeading = "Total Copper Thickness";      // Label55
    const char* temperatureHeading = "Conductor Temperature";  // Label23
    bool temperatureLines = true;  // Label23 .. Label28
    bool seriesCurrent = false;    // Label319, Label320
    bool aspectRatio = false;      // Label349, Label350
    // The lines that show "N/A" on selection.
    std::vector<const char*> resetToNA = {"Label56", "Label72", "Label110", "Label285", "Label27", "Label28"};
    // Label27/Label28 show the conductor temperature while the function's tab
    // is selected (else "N/A").
    bool conductorTemperature = false;
};

// The manual copper frames when manual copper entry is ticked in the options
// window while the function's tab is selected.
struct ManualFramesSetup {
    bool apply = false;  // false: the window is left as it is
    bool base = false;   // the base-copper frame enabled
    bool plating = false;
    // The plating frame enabled only on this item of the layer group (-1: any).
    int platingOnlyOnLayer = -1;
};

}  // namespace tv
