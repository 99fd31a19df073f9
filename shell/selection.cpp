#include "selection.h"

#include <string>
#include <vector>

#include "app.h"

namespace tv {

namespace {

enum class Geometry { Normal, Tall };
enum class PlaneState { On, Off, Unchanged, PlanePresent };

// Shared layer group RadioGroup3 and plane group RadioGroup5 per function.
struct LayerRow {
    const char* caption;
    std::vector<std::string> items;
    int selection;  // -1: none assigned
    bool enabled;
    Geometry geometry;
    PlaneState plane;
};

const std::vector<std::string> kInternalExternal = {"Internal Layer", "External Layer"};
const std::vector<std::string> kMicroStrip = {"Microstrip", "Stripline"};

const LayerRow& layerRow(int f) {
    static const LayerRow via{" Layer Set ", {"2 Layer", "Multi Layer", "Microvia"}, 1, true,
                              Geometry::Normal, PlaneState::On};
    static const LayerRow conductor{" Conductor Layer ", kInternalExternal, 1, true,
                                    Geometry::Normal, PlaneState::PlanePresent};
    static const LayerRow passive{" Passive Circuits ", kMicroStrip, 0, true, Geometry::Normal,
                                  PlaneState::Off};
    static const LayerRow diff{" Differential Layer ",
                               {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym",
                                "Edge Cpld Embed", "Broad Cpld Shld", "Broad Cpld NShld"},
                               0, true, Geometry::Tall, PlaneState::Off};
    static const LayerRow none{" Conductor Layer ", kInternalExternal, -1, false, Geometry::Normal,
                               PlaneState::Off};
    static const LayerRow impedance{" Passive Circuits ",
                                    {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym",
                                     "Dual Stripline", "Coplanar Wave"},
                                    0, true, Geometry::Tall, PlaneState::Unchanged};
    static const LayerRow inductor{" Inductor Geometry ", {"Square", "Hexagonal", "Octagonal", "Circular"},
                                   0, true, Geometry::Tall, PlaneState::Off};
    static const LayerRow crosstalk{" Conductor Layer ", kMicroStrip, 0, true, Geometry::Normal,
                                    PlaneState::Off};
    static const LayerRow wavelength{" Conductor Layer ", kMicroStrip, 0, false, Geometry::Normal,
                                     PlaneState::Off};
    switch (f) {
        case 0: return via;
        case 1: return conductor;
        case 2: return passive;
        case 3: return diff;
        case 7: return impedance;
        case 9: return inductor;
        case 15: return crosstalk;
        case 16: return wavelength;
        default: return none;
    }
}

// Enabled state of the shared inputs: 1 on, 0 off, -1 left as it was.
// Columns: Base, Plate, Manual, Mat., Er lbl, Tg lbl, Combo, Er, Tg, Rise, Amb., Units, Vias.
constexpr int kEnabled[20][13] = {
    {0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},    // 0 Via Properties
    {1, -1, 1, 0, 0, 1, 1, 0, 1, 1, 1, 1, 0},   // 1 Conductor Properties
    {0, 0, 0, 1, 1, 0, 1, 1, 0, 0, 0, 1, 0},    // 2 Bandwidth
    {1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 1, 0},    // 3 Differential Pairs
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 4 Padstack
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 5 Mechanical
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 6 Spacing
    {1, -1, 1, 0, 1, 0, 1, 1, 0, 0, 0, 1, 0},   // 7 Impedance
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 8 Conversion
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 9 Planar Inductors
    {0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 1, 0},    // 10 PDN
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0},    // 11 Thermal
    {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 12 Fusing Current
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 13 Embedded Resistors
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},    // 14 PPM
    {0, 0, 0, 1, 1, 0, 1, 1, 0, 0, 0, 1, 0},    // 15 Crosstalk
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},    // 16 Wavelength
    {1, 1, 0, 1, 1, 0, 1, 1, 0, 0, 0, 1, 0},    // 17 Er Effective
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},    // 18 Ohm's Law
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},    // 19 Reactance
};

const std::vector<std::vector<std::string>> kEnabledColumns = {
    {"RadioGroup4"},
    {"RadioGroup1"},
    {"Edit136", "Edit137", "Edit138", "Edit139"},
    {"Label35"},
    {"Label36"},
    {"Label9"},
    {"ComboBox1"},
    {"Edit7"},
    {"Edit66"},
    {"Edit1", "UpDown1", "Label1", "Label2"},
    {"Edit2", "UpDown2", "Label3", "Label4"},
    {"RadioGroup6"},
    {"Edit227", "UpDown6"},
};

// Information group per function.
struct InfoRow {
    const char* copperHeading;  // Label55
    const char* tempHeading;    // Label23
    bool tempLines;
    bool seriesCurrent;
    bool aspectRatio;
    std::vector<const char*> resetToNA;
};

const InfoRow& infoRow(int f) {
    static const InfoRow via{"Power Dissipation (dBm)", "Via Temperature", true, false, true, {"Label56"}};
    static const InfoRow conductor{"Total Copper Thickness", "Conductor Temperature", true, false, false,
                                   {"Label72"}};
    static const InfoRow plain{"Total Copper Thickness", "Conductor Temperature", true, false, false,
                               {"Label56", "Label72", "Label110", "Label285", "Label27", "Label28"}};
    static const InfoRow lines{"Total Copper Thickness", "Conductor Temperature", true, false, false,
                               {"Label72", "Label27", "Label28"}};
    static const InfoRow erEff{"Total Copper Thickness", "Conductor Temperature", true, false, false,
                               {"Label72", "Label110", "Label285", "Label27", "Label28"}};
    static const InfoRow ohms{"Total Resistance", "Conductor Temperature", false, true, false,
                              {"Label56", "Label72", "Label110", "Label285", "Label27", "Label28", "Label320"}};
    static const InfoRow reactance{"Total Copper Thickness", "Conductor Temperature", true, false, false,
                                   {"Label56", "Label72", "Label110", "Label285", "Label27", "Label28",
                                    "Label320"}};
    switch (f) {
        case 0: return via;
        case 1: return conductor;
        case 3: case 7: return lines;
        case 17: return erEff;
        case 18: return ohms;
        case 19: return reactance;
        default: return plain;
    }
}

void relabelShared(App& app, int index) {
    const LayerRow& layer = layerRow(index);
    Component& plane = app.c("RadioGroup5");
    plane.setCaption(index == 0 ? " Property Selection " : " Plane Thickness ");
    plane.setHint(index == 0 ? "Select between single via properties and differential via properties."
                             : "Select between a 1oz and a 2oz plane.");
    Component& rg3 = app.c("RadioGroup3");
    rg3.setCaption(layer.caption);
    if (layer.geometry == Geometry::Tall) {
        rg3.setTop(336);
        rg3.setHeight(169);
        plane.setVisible(false);
    } else {
        rg3.setTop(424);
        rg3.setHeight(81);
        plane.setVisible(true);
    }

    const InfoRow& info = infoRow(index);
    app.c("Label55").setCaption(info.copperHeading);
    app.c("Label23").setCaption(info.tempHeading);
    for (const char* n : {"Label23", "Label24", "Label26", "Label27", "Label28"})
        app.c(n).setVisible(info.tempLines);
    app.c("Label319").setVisible(info.seriesCurrent);
    app.c("Label320").setVisible(info.seriesCurrent);
    app.c("Label349").setVisible(info.aspectRatio);
    app.c("Label350").setVisible(info.aspectRatio);
    for (const char* n : info.resetToNA) app.c(n).setCaption("N/A");

    int ipc = app.Form6.get("RadioGroup1").itemIndex();
    if (index == 0) {
        if (Component* l = app.Form1.find("Label187")) l->setCaption(ipcModeText(ipc));
    } else if (index == 1) {
        if (Component* l = app.Form1.find("Label243")) l->setCaption(ipcModeText(ipc));
        if (Component* l = app.Form1.find("Label126"))
            l->setCaption(app.Form6.get("RadioGroup2").itemIndex() == 1 ? "None" : "1:1");
    }
}

void enableShared(App& app, int index) {
    const int* row = kEnabled[index];
    for (size_t col = 0; col < kEnabledColumns.size(); ++col) {
        if (row[col] < 0) continue;
        for (const std::string& n : kEnabledColumns[col]) app.c(n).setEnabled(row[col] == 1);
    }
    // The temperature frames follow their inputs; Fusing Current disables the
    // ambient frame as well.
    if (row[9] == 1) app.c("GroupBox3").setEnabled(true);
    if (row[10] == 1) app.c("GroupBox4").setEnabled(true);
    if (index == 12) app.c("GroupBox4").setEnabled(false);
    if (index == 1 || index == 3 || index == 7) app.c("GroupBox31").setEnabled(true);

    const LayerRow& layer = layerRow(index);
    app.c("RadioGroup3").setEnabled(layer.enabled);
    Component& plane = app.c("RadioGroup5");
    switch (layer.plane) {
        case PlaneState::On: plane.setEnabled(true); break;
        case PlaneState::Off: plane.setEnabled(false); break;
        case PlaneState::Unchanged: break;
        case PlaneState::PlanePresent:
            if (Component* present = app.Form1.find("RadioGroup2")) plane.setEnabled(present->itemIndex() == 1);
            break;
    }

    bool solve = true;
    if (index == 4) {
        if (Component* type = app.Form1.find("RadioGroup14")) {
            int t = type->itemIndex();
            solve = t == 0 || t == 2;
        }
    }
    app.c("Button1").setEnabled(solve);
}

}  // namespace

const char* ipcModeText(int version) {
    switch (version) {
        case 1: return "IPC-2152 without modifiers mode";
        case 2: return "IPC-2221 mode";
        default: return "IPC-2152 with modifiers mode";
    }
}

void SelectProgramFunction(App& app, int index) {
    if (index < 0 || index >= 20) index = 0;
    app.currentFunction = index;
    relabelShared(app, index);
    enableShared(app, index);
    for (const auto& f : app.catalogue.functions) app.c(f.panel).setVisible(f.index == index);
    app.c("TabControl1").setItemIndex(index);

    const LayerRow& layer = layerRow(index);
    Component& rg3 = app.c("RadioGroup3");
    rg3.setItems(layer.items);
    if (layer.selection >= 0) rg3.setItemIndex(layer.selection);

    Component& plane = app.c("RadioGroup5");
    plane.setItems(index == 0 ? std::vector<std::string>{"Via Properties", "Differential Vias"}
                              : std::vector<std::string>{"0.5oz / 1oz", "2oz"});
    plane.setItemIndex(0);

    app.settings.write("Program", std::to_string(index));
    app.Button1Click();
}

void TabControl1Change(App& app) {
    int t = app.c("TabControl1").itemIndex();
    if (t == 3) app.c("RadioGroup3").clearItems();
    SelectProgramFunction(app, t);
}

void RadioGroup3Click(App& app) {
    int tab = app.c("TabControl1").itemIndex();
    if (tab >= 0 && tab < 20) {
        const CalculatorModule* m = app.catalogue.functions[static_cast<size_t>(tab)].module;
        if (m && m->layerBranch) m->layerBranch(app);
    }
    app.Button1Click();
}

}  // namespace tv
