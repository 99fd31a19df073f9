// The Via panel's layouts: the three layer sets with their defaults, the
// single-via and differential modes, the plane-opening illustration and the
// panel's part of the units switch.
#include <array>
#include <vector>

#include "core/app.h"
#include "core/stackup.h"
#include "core/units.h"
#include "calc/board/via.h"

namespace tv::via {

namespace {

using Names = std::vector<const char*>;

void show(App& app, const Names& names, bool visible) {
    for (const char* n : names) app.c(n).setVisible(visible);
}
void enable(App& app, const Names& names, bool enabled) {
    for (const char* n : names) app.c(n).setEnabled(enabled);
}

// Rows of inputs: caption, field, unit field.
const Names kPadRow = {"Label6", "Edit4", "Edit53"};
const Names kOpeningRow = {"Label7", "Edit5", "Edit54"};
const Names kHeightRow = {"Label8", "Edit6", "Edit55"};
const Names kPlatingField = {"Edit9", "Edit56"};
const Names kDifferentialInputs = {"CheckBox5", "Edit335", "Edit336", "Label102", "Edit206",
                                   "Edit208",   "Label105", "Edit209", "Edit210"};

// Outputs: caption and field.
const Names kCapacitance = {"Label13", "Edit11"};
const Names kInductance = {"Label14", "Edit12"};
const Names kImpedance = {"Label42", "Edit42"};
const Names kResonance = {"Label16", "Edit14"};
const Names kStepResponse = {"Label15", "Edit13"};
const Names kResistance = {"Label83", "Edit49"};
const Names kPower = {"Label84", "Edit50"};
// Shown in both modes, recaptioned in the differential one.
const Names kSharedOutputs = {"Label10", "Edit8", "Label12", "Edit10",
                              "Label83", "Edit49", "Label84", "Edit50"};
const Names kSingleOnlyOutputs = {"Label13", "Edit11", "Label14", "Edit12", "Label42",
                                  "Edit42",  "Label16", "Edit14", "Label15", "Edit13"};

// The Information lines and temperature inputs that only single vias use.
const Names kSingleViaInfo = {"GroupBox3", "GroupBox4", "Edit1",  "Edit2",   "Label55",
                              "Label56",   "Label106",  "Label110", "Label284", "Edit227",
                              "UpDown6",   "Label285",  "Label41", "Label72", "Label349",
                              "Label350"};

const Names kLayerPictures = {"Image2", "Image7", "Image20"};

// Row places: the caption sits 24 pixels above its field.
constexpr int kFieldOffset = 24;
constexpr int kLowerHeightRow = 208, kLowerPlatingRow = 272;  // below pad and opening
constexpr int kUpperHeightRow = 80, kUpperPlatingRow = 144;   // in their place

void placeRows(App& app, int heightTop, int platingTop) {
    viaPanel(app).Label8.setTop(heightTop);
    for (Component* c : {&viaPanel(app).Edit6, &viaPanel(app).Edit55}) c->setTop(heightTop + kFieldOffset);
    viaPanel(app).Label11.setTop(platingTop);
    // The spacing of differential vias takes the plating field's place.
    ViaPanel& p = viaPanel(app);
    for (Component* c : {&p.Edit9, &p.Edit56, &p.Edit335, &p.Edit336}) c->setTop(platingTop + kFieldOffset);
}

// Default texts of via height, hole and plating, in their point form.
struct Defaults {
    const char* height;
    const char* hole;
    const char* plating;
};

struct LayerLayout {
    const char* picture;
    bool pad;          // pad and opening rows
    bool capacitance;  // with impedance, resonance and step response
    bool inductance, resistance;
    int heightTop, platingTop;
    int inductanceLeft;  // 0: stays where it is
    Defaults imperial, metric;
};

const std::array<LayerLayout, 3> kLayerSets = {{
    // 2 Layer: no planes, so no capacitance; the inductance moves right.
    {"Image2", false, false, true, true, kUpperHeightRow, kUpperPlatingRow, 208,
     {"62", "10", "1"}, {"1.575", "0.254", "0.0254"}},
    // Multi Layer: everything.
    {"Image7", true, true, true, true, kLowerHeightRow, kLowerPlatingRow, 16,
     {"62", "10", "1"}, {"1.575", "0.254", "0.0254"}},
    // Microvia: cross-section, current and power only.
    {"Image20", false, false, false, false, kUpperHeightRow, kUpperPlatingRow, 0,
     {"5", "5", "0.7"}, {"0.127", "0.127", "0.01778"}},
}};

bool hasFraction(const char* text) { return std::string(text).find('.') != std::string::npos; }

// Whole-number defaults are written under every separator; a set with a
// decimal fraction in it is written only under a point or a comma.
void writeDefaults(App& app, const Defaults& d) {
    ViaPanel& p = viaPanel(app);
    const std::array<std::pair<Component*, const char*>, 3> fields = {
        {{&p.Edit6, d.height}, {&p.Edit3, d.hole}, {&p.Edit9, d.plating}}};
    bool fraction = hasFraction(d.height) || hasFraction(d.hole) || hasFraction(d.plating);
    if (fraction && app.decimalMode() == DecimalMode::Other) return;
    for (const auto& [field, text] : fields)
        field->setText(app.commaMode() ? commaForm(text) : std::string(text));
}

// Captions and hints that the two modes set: single via, differential vias.
struct Wording {
    const char* name;
    const char* single;
    const char* differential;
};

const std::vector<Wording> kCaptions = {
    {"Label5", "Via Hole Diameter", "Drill Hole Diameter"},
    {"Label7", "Ref Plane Opening Diam", "Ref Plane Opening H"},
    {"Label8", "Via Height", "Ref Plane Opening W"},
    {"Label10", "Conductor Cross Section", "Differential Impedance"},
    {"Label11", "Via Plating Thickness", "Via Spacing"},
    {"Label12", "Via Current", "Er Effective"},
    {"Label83", "Via DC Resistance", "Maximum Stub Length"},
    {"Label84", "Power Dissipation", "Odd Mode Impedance"},
};

const std::vector<Wording> kHints = {
    {"Edit3", "Enter the finished hole diameter of the via.", "Enter the drill diameter of the via."},
    {"Edit5", "Enter the internal reference plane opening diameter of the via.",
     "Enter the internal reference plane opening H of the via."},
    {"Edit6", "Enter the length of the via.", "Enter the internal reference plane opening W of the via."},
    {"Edit8", "Approximated equivilent conductor cross section of via.",
     "Differential impedance based on via structure."},
    {"Edit10", "Approximated current that will cause given temprise in via body.",
     "Effective dielectric constant based on via structure."},
    {"Edit49", "Via DC resistance in Ohms.",
     "Maximum stub length of via to avoid unwanted resonant frequency nulls."},
    {"Edit50", "Via power dissipation in Watts.", "Odd mode impedance based on via structure."},
};

void applyWording(App& app, bool differential) {
    for (const Wording& w : kCaptions) app.c(w.name).setCaption(differential ? w.differential : w.single);
    for (const Wording& w : kHints) app.c(w.name).setHint(differential ? w.differential : w.single);
}

void showOpeningPicture(App& app) {
    bool full = viaPanel(app).CheckBox5.checked();
    viaPanel(app).Image64.setVisible(full);
    viaPanel(app).Image46.setVisible(!full);
}

void singleViaLayout(App& app) {
    // The via height enters the current only with the IPC-2152 modifiers.
    enable(app, kHeightRow, app.Form6.get("RadioGroup1").itemIndex() == 0);
    show(app, kDifferentialInputs, false);
    show(app, {"Image46", "Image64", "Image65"}, false);
    show(app, kPlatingField, true);
    show(app, kPadRow, true);
    show(app, {"Label187", "Image7"}, true);
    show(app, kSharedOutputs, true);
    show(app, kSingleOnlyOutputs, true);
    applyWording(app, false);
    enable(app, kSingleViaInfo, true);
    Component& layers = app.shared().RadioGroup3;
    layers.setEnabled(true);
    layers.setItemIndex(MultiLayer);  // applies its layout and defaults when it changes
}

void differentialLayout(App& app) {
    enable(app, kHeightRow, true);  // now the opening width
    show(app, kDifferentialInputs, true);
    show(app, {"Image65"}, true);
    showOpeningPicture(app);
    show(app, kLayerPictures, false);
    show(app, kPlatingField, false);
    show(app, kPadRow, false);
    show(app, {"Label187"}, false);
    show(app, kSingleOnlyOutputs, false);
    // Opening H and all four results are needed whichever layer set was on
    // view, and the rows take their places below the (hidden) pad row.
    show(app, kOpeningRow, true);
    show(app, kSharedOutputs, true);
    placeRows(app, kLowerHeightRow, kLowerPlatingRow);
    applyWording(app, true);
    app.shared().RadioGroup3.setEnabled(false);
    enable(app, kSingleViaInfo, false);
}

}  // namespace

void applyLayerSet(App& app) {
    int layer = layerSet(app);
    if (layer < 0 || layer >= static_cast<int>(kLayerSets.size())) return;
    const LayerLayout& l = kLayerSets[static_cast<size_t>(layer)];
    bool metric = metricUnits(app);

    for (const char* picture : kLayerPictures) app.c(picture).setVisible(std::string(picture) == l.picture);
    viaPanel(app).Label8.setCaption("Via Height");
    viaPanel(app).Label10.setCaption("Conductor Cross Section");
    viaPanel(app).Label11.setCaption("Via Plating Thickness");
    viaPanel(app).Label12.setCaption("Via Current");
    unitCaption(viaPanel(app).Edit56, metric);
    if (layer == TwoLayer) viaPanel(app).Label6.setCaption("External Pad Diameter");
    if (layer == MultiLayer) {
        viaPanel(app).Label6.setCaption("Internal Pad Diameter");
        viaPanel(app).Label7.setCaption("Ref Plane Opening Diam");
    }

    show(app, kPadRow, l.pad);
    show(app, kOpeningRow, l.pad);
    show(app, kCapacitance, l.capacitance);
    show(app, kInductance, l.inductance);
    show(app, kImpedance, l.capacitance);
    show(app, kResonance, l.capacitance);
    show(app, kStepResponse, l.capacitance);
    show(app, kResistance, l.resistance);
    show(app, kPower, true);
    placeRows(app, l.heightTop, l.platingTop);
    if (l.inductanceLeft)
        for (const char* n : kInductance) app.c(n).setLeft(l.inductanceLeft);

    writeDefaults(app, metric ? l.metric : l.imperial);
}

void RadioGroup5Click(App& app) {
    if (app.tabIs(Fn::Via)) {
        if (app.shared().RadioGroup5.itemIndex() == 0) singleViaLayout(app);
        else if (differentialMode(app)) differentialLayout(app);
    }
    app.Button1Click();
}

// "Full Plane Opening" changes the illustration only.
void CheckBox5Click(App& app) {
    showOpeningPicture(app);
    app.Button1Click();
}

void unitCaptions(App& app, bool metric) {
    ViaPanel& p = viaPanel(app);
    for (Component* c : {&p.Edit52, &p.Edit53, &p.Edit54, &p.Edit55, &p.Edit56, &p.Edit336})
        unitCaption(*c, metric);
}

void unitConversions(App& app, bool metric) {
    ViaPanel& p = viaPanel(app);
    for (Component* c : {&p.Edit3, &p.Edit4, &p.Edit5, &p.Edit6, &p.Edit9, &p.Edit335})
        convertLength(app, *c, metric);
}

void bindPanel(App& app) {
    app.bindPanel<ViaPanel>();
    for (const Names* t : {&kPadRow, &kOpeningRow, &kHeightRow, &kPlatingField, &kDifferentialInputs,
                           &kCapacitance, &kInductance, &kImpedance, &kResonance, &kStepResponse,
                           &kResistance, &kPower, &kSharedOutputs, &kSingleOnlyOutputs, &kSingleViaInfo,
                           &kLayerPictures})
        requireComponents(app.Form1, *t);
    for (const auto* wordings : {&kCaptions, &kHints})
        for (const Wording& w : *wordings) requireComponents(app.Form1, std::array{w.name});
}

}  // namespace tv::via
