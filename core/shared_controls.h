#pragma once
// The main window's shared controls beside the calculator panels: copper,
// plane and layer groups, substrate, temperatures, units, Solve!, the
// Information group and the status bar. Every module reaches them through
// App::shared().
#include "core/panel.h"

namespace tv {

struct SharedControls : Panel {
    using Panel::Panel;
    TV_COMPONENT(TabControl1);
    TV_COMPONENT(StatusBar1);
    // Copper: base weight, plating, manual entry frames and fields.
    TV_COMPONENT(RadioGroup4);
    TV_COMPONENT(RadioGroup1);
    TV_COMPONENT(GroupBox31);
    TV_COMPONENT(Edit136);
    TV_COMPONENT(Edit137);
    TV_COMPONENT(GroupBox32);
    TV_COMPONENT(Edit138);
    TV_COMPONENT(Edit139);
    // Plane group (via modes on Via Properties) and the shared layer group.
    TV_COMPONENT(RadioGroup5);
    TV_COMPONENT(RadioGroup3);
    // Substrate: material, Er, Tg.
    TV_COMPONENT(Label35);
    TV_COMPONENT(ComboBox1);
    TV_COMPONENT(Label36);
    TV_COMPONENT(Edit7);
    TV_COMPONENT(Label9);
    TV_COMPONENT(Edit66);
    // Temperature rise and ambient.
    TV_COMPONENT(GroupBox3);
    TV_COMPONENT(Edit1);
    TV_COMPONENT(UpDown1);
    TV_COMPONENT(ProgressBar1);
    TV_COMPONENT(Label1);
    TV_COMPONENT(Label2);
    TV_COMPONENT(GroupBox4);
    TV_COMPONENT(Edit2);
    TV_COMPONENT(UpDown2);
    TV_COMPONENT(ProgressBar2);
    TV_COMPONENT(Label3);
    TV_COMPONENT(Label4);
    // Solve! and Print.
    TV_COMPONENT(Button1);
    TV_COMPONENT(Button2);
    // Units.
    TV_COMPONENT(RadioGroup6);
    // Information group.
    TV_COMPONENT(Label55);
    TV_COMPONENT(Label56);
    TV_COMPONENT(Label23);
    TV_COMPONENT(Label24);
    TV_COMPONENT(Label27);
    TV_COMPONENT(Label26);
    TV_COMPONENT(Label28);
    TV_COMPONENT(Label349);
    TV_COMPONENT(Label350);
    TV_COMPONENT(Label319);
    TV_COMPONENT(Label320);
    TV_COMPONENT(Label106);
    TV_COMPONENT(Label110);
    TV_COMPONENT(Label284);
    TV_COMPONENT(Edit227);
    TV_COMPONENT(UpDown6);
    TV_COMPONENT(Label285);
    TV_COMPONENT(Label41);
    TV_COMPONENT(Label72);
    // The decimal-mode flag ("0" point, "1" comma).
    TV_COMPONENT(Label165);
};

}  // namespace tv
