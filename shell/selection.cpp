#include "shell/selection.h"

#include <exception>
#include <string>
#include <vector>

#include "core/app.h"

namespace tv {

namespace {

enum class Geometry { Normal, Tall };
enum class PlaneState { On, Off, Unchanged };

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

const LayerRow& layerRow(Fn f) {
    static const LayerRow via{" Layer Set ", {"2 Layer", "Multi Layer", "Microvia"}, 1, true,
                              Geometry::Normal, PlaneState::On};
    // The conductor panel enables the plane group by its " Plane Present? ".
    static const LayerRow conductor{" Conductor Layer ", kInternalExternal, 1, true,
                                    Geometry::Normal, PlaneState::Unchanged};
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
        case Fn::Via: return via;
        case Fn::Conductor: return conductor;
        case Fn::Bandwidth: return passive;
        case Fn::DifferentialPairs: return diff;
        case Fn::Impedance: return impedance;
        case Fn::PlanarInductors: return inductor;
        case Fn::Crosstalk: return crosstalk;
        case Fn::Wavelength: return wavelength;
        default: return none;
    }
}

// Enabled state of the shared inputs: 1 on, 0 off, -1 left as it was.
// Columns: Base, Plate, Manual, Mat., Er lbl, Tg lbl, Combo, Er, Tg, Rise, Amb., Units, Vias.
constexpr int kEnabled[kFunctionCount][13] = {
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

// The functions that enable the manual base-copper frame.
constexpr Fn kManualBaseFrame[] = {Fn::Conductor, Fn::DifferentialPairs, Fn::Impedance};

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

const InfoRow& infoRow(Fn f) {
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
        case Fn::Via: return via;
        case Fn::Conductor: return conductor;
        case Fn::DifferentialPairs: case Fn::Impedance: return lines;
        case Fn::ErEffective: return erEff;
        case Fn::OhmsLaw: return ohms;
        case Fn::Reactance: return reactance;
        default: return plain;
    }
}

void relabelShared(App& app, Fn fn) {
    SharedControls& s = app.shared();
    const LayerRow& layer = layerRow(fn);
    const bool via = fn == Fn::Via;
    s.RadioGroup5.setCaption(via ? " Property Selection " : " Plane Thickness ");
    s.RadioGroup5.setHint(via ? "Select between single via properties and differential via properties."
                              : "Select between a 1oz and a 2oz plane.");
    s.RadioGroup3.setCaption(layer.caption);
    if (layer.geometry == Geometry::Tall) {
        s.RadioGroup3.setTop(336);
        s.RadioGroup3.setHeight(169);
        s.RadioGroup5.setVisible(false);
    } else {
        s.RadioGroup3.setTop(424);
        s.RadioGroup3.setHeight(81);
        s.RadioGroup5.setVisible(true);
    }

    const InfoRow& info = infoRow(fn);
    s.Label55.setCaption(info.copperHeading);
    s.Label23.setCaption(info.tempHeading);
    for (Component* c : {&s.Label23, &s.Label24, &s.Label26, &s.Label27, &s.Label28})
        c->setVisible(info.tempLines);
    s.Label319.setVisible(info.seriesCurrent);
    s.Label320.setVisible(info.seriesCurrent);
    s.Label349.setVisible(info.aspectRatio);
    s.Label350.setVisible(info.aspectRatio);
    for (const char* n : info.resetToNA) app.c(n).setCaption("N/A");
}

void enableShared(App& app, Fn fn) {
    SharedControls& s = app.shared();
    const int* row = kEnabled[indexOf(fn)];
    for (size_t col = 0; col < kEnabledColumns.size(); ++col) {
        if (row[col] < 0) continue;
        for (const std::string& n : kEnabledColumns[col]) app.c(n).setEnabled(row[col] == 1);
    }
    // The temperature frames follow their inputs.
    if (row[9] == 1) s.GroupBox3.setEnabled(true);
    if (row[10] == 1) s.GroupBox4.setEnabled(true);
    for (Fn f : kManualBaseFrame)
        if (f == fn) s.GroupBox31.setEnabled(true);

    const LayerRow& layer = layerRow(fn);
    s.RadioGroup3.setEnabled(layer.enabled);
    switch (layer.plane) {
        case PlaneState::On: s.RadioGroup5.setEnabled(true); break;
        case PlaneState::Off: s.RadioGroup5.setEnabled(false); break;
        case PlaneState::Unchanged: break;
    }
    s.Button1.setEnabled(true);
}

}  // namespace

void SelectProgramFunction(App& app, int index) {
    if (!isFunctionIndex(index)) index = 0;
    const Fn fn = static_cast<Fn>(index);
    SharedControls& s = app.shared();
    app.currentFunction = index;
    relabelShared(app, fn);
    enableShared(app, fn);
    const CalculatorModule* module = app.catalogue.module(index);
    if (module && module->onSelect) module->onSelect(app);
    for (const auto& f : app.catalogue.functions) app.c(f.panel).setVisible(f.fn == fn);
    s.TabControl1.setItemIndex(index);

    const LayerRow& layer = layerRow(fn);
    s.RadioGroup3.setItems(layer.items);
    // A recalculation raised by the layer group that fails (a field that does
    // not read) still lets the plane group follow, so that the window shows the
    // function whole; then that failure ends the selection with its message.
    std::exception_ptr failed;
    try {
        if (layer.selection >= 0) s.RadioGroup3.setItemIndex(layer.selection);
    } catch (const ConversionError&) {
        failed = std::current_exception();
    } catch (const SettingsError&) {
        failed = std::current_exception();
    }

    s.RadioGroup5.setItems(fn == Fn::Via ? std::vector<std::string>{"Via Properties", "Differential Vias"}
                                         : std::vector<std::string>{"0.5oz / 1oz", "2oz"});
    if (failed) {
        try {
            s.RadioGroup5.setItemIndex(0);
        } catch (const ConversionError&) {  // the same failure again: said once
        } catch (const SettingsError&) {
        }
        std::rethrow_exception(failed);
    }
    s.RadioGroup5.setItemIndex(0);

    app.settings.write("Program", std::to_string(index));
    app.Button1Click();
}

void TabControl1Change(App& app) {
    const int t = app.shared().TabControl1.itemIndex();
    // The differential-pair geometries differ from every other layer list.
    if (t == indexOf(Fn::DifferentialPairs)) app.shared().RadioGroup3.clearItems();
    SelectProgramFunction(app, t);
}

void RadioGroup3Click(App& app) {
    const CalculatorModule* m = app.catalogue.module(app.shared().TabControl1.itemIndex());
    if (m && m->layerBranch) m->layerBranch(app);
    app.Button1Click();
}

}  // namespace tv
