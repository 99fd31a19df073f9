// Differential Pairs: the single-conductor and differential impedance of a
// pair in the geometry chosen in the shared layer group, the tolerance band
// around the differential impedance and whether the target lies inside it.
#include <cmath>

#include "core/app.h"
#include "core/checks.h"
#include "calc/lines/differential_pair_model.h"
#include "calc/lines/field_line.h"
#include "calc/lines/field_line_model.h"
#include "calc/modules.h"
#include "core/stackup.h"

namespace tv {

namespace {

using lines::PairGeometry;

struct DifferentialPanel : Panel {
    using Panel::Panel;
    // Inputs and their unit boxes.
    TV_COMPONENT(Edit21);  // W
    TV_COMPONENT(Edit26);  // S
    TV_COMPONENT(Edit27);  // H or H1
    TV_COMPONENT(Edit32);  // H2
    TV_COMPONENT(Edit151); // target Zdiff
    TV_COMPONENT(Edit62);
    TV_COMPONENT(Edit63);
    TV_COMPONENT(Edit64);
    TV_COMPONENT(Edit65);
    TV_COMPONENT(Label40);
    TV_COMPONENT(Label58);
    // Results.
    TV_COMPONENT(Label43);
    TV_COMPONENT(Edit28);  // Zo
    TV_COMPONENT(Edit29);  // Zdiff
    TV_COMPONENT(Edit30);  // + tolerance
    TV_COMPONENT(Edit31);  // - tolerance
    TV_COMPONENT(Shape1);
    TV_COMPONENT(TrackBar1);
    TV_COMPONENT(Label46);
    TV_COMPONENT(Label49);  // width ratio
    TV_COMPONENT(Label50);  // spacing ratio
    TV_COMPONENT(Label192);
    TV_COMPONENT(Label259);
    // One drawing per geometry.
    TV_COMPONENT(Image1);
    TV_COMPONENT(Image4);
    TV_COMPONENT(Image23);
    TV_COMPONENT(Image21);
    TV_COMPONENT(Image17);
    TV_COMPONENT(Image18);
};

constexpr int kGeometries = 6;

// The panel of each geometry.
struct GeometryLayout {
    const char* heightCaption;  // Label40
    const char* heightHint;     // Edit27
    const char* secondHint;     // Edit32; nullptr: no second height
    bool zo;                    // single-conductor impedance shown
    bool plating;               // the plating counts (outer layer)
};
constexpr const char* kAbovePlane = "Enter the conductor's distance above its reference plane.";
constexpr const char* kBetweenPlanes = "Enter the distance between the two reference planes.";
constexpr const char* kSubstrate = "Enter the thickness of the substrate.";
constexpr GeometryLayout kLayouts[kGeometries] = {
    {"Conductor Height (H)", kAbovePlane, nullptr, true, true},
    {"Conductor Height (H)", kBetweenPlanes, nullptr, true, false},
    {"Conductor Height (H1)", kAbovePlane, "Enter the conductor's distance below its reference plane.", true, false},
    {"Conductor Height (H1)", kAbovePlane, kSubstrate, true, false},
    {"Conductor Height (H)", kBetweenPlanes, nullptr, false, false},
    {"Conductor Height (H)", kSubstrate, nullptr, false, false},
};

int geometryIndex(App& app) { return app.shared().RadioGroup3.itemIndex(); }

// A ratio the closed forms hold for is black; any other is red with a warning.
void showRatio(Component& label, double ratio) {
    const bool inRange = lines::ratioInRange(ratio);
    std::string text = resultText("%.3f", ratio);
    if (!inRange && std::isfinite(ratio)) text += " Warning!";
    label.setCaption(text);
    label.keepResultValue(ratio);
    label.setColor(inRange ? colors::Black : colors::Red);
}

void ComputeDifferentialPairs(App& app) {
    DifferentialPanel& p = app.panel<DifferentialPanel>();
    SharedControls& s = app.shared();
    const int index = geometryIndex(app);
    if (index < 0 || index >= kGeometries) return;
    const auto geometry = static_cast<PairGeometry>(index);
    const bool metric = metricUnits(app);

    // No via on this function.
    s.Label110.setCaption("N/A");
    s.Label285.setCaption("N/A");
    const CopperThicknessResult copper = CopperThickness(app);
    // The rejected value is used for this pass; "1" counts from the next.
    const double er = app.num(s.Edit7);
    correctLowEr(app, er);
    const double w = app.num(p.Edit21);
    const double spacing = app.num(p.Edit26);

    // Only the outer layer is plated.
    const double t = kLayouts[index].plating ? copper.base + copper.plating : copper.base;
    showResult(s.Label56, metric ? "%3.0f um" : "%.2f mils", metric ? t * 1000 : t);
    double h = app.num(p.Edit27);
    const bool twoHeights = kLayouts[index].secondHint != nullptr;
    const double h2 = twoHeights ? app.num(p.Edit32) : 0;
    if (geometry == PairGeometry::EdgeInternalAsym) {
        p.Label192.setVisible(h == h2);
        p.Label259.setVisible(h == h2);
    }
    bool noRoom = false;
    if (lines::isBroadside(geometry) && lines::broadsideHeightTooSmall(h, t, spacing)) {
        app.message("Conductor height can't be less than or equal to conductor thickness + spacing");
        app.writeNumber(p.Edit27, lines::broadsideHeight(t, spacing));
        // The nested pass computes from the corrected height and owns the
        // screen. Without copper thickness no height makes room for the
        // pair, and that pass would start the next without end: this pass
        // shows the corrected height without an impedance.
        h = app.num(p.Edit27);
        noRoom = lines::broadsideHeightTooSmall(h, t, spacing);
        if (!noRoom) {
            app.Button1Click();
            return;
        }
    }

    lines::PairResult r = lines::differentialPair({geometry, w, spacing, h, h2, t, er, metric});
    if (noRoom) r.zdiff = NAN;
    if (kLayouts[index].zo) showResult(p.Edit28, "%.3f Ohms", r.zo);
    showResult(p.Edit29, "%.3f Ohms", r.zdiff);
    p.Label49.setCaption(resultText("%.3f", r.widthRatio));
    p.Label50.setCaption(resultText("%.3f", r.spacingRatio));

    const lines::ToleranceStep& tol = lines::kToleranceSteps[p.TrackBar1.position()];
    showResult(p.Edit30, "%.3f Ohms", r.zdiff * tol.plus);
    showResult(p.Edit31, "%.3f Ohms", r.zdiff * tol.minus);
    const double target = app.num(p.Edit151);
    p.Shape1.setBrush(lines::targetInBand(r.zdiff, target, tol) ? colors::Lime : colors::Red);
    showRatio(p.Label49, r.widthRatio);
    showRatio(p.Label50, r.spacingRatio);
    lines::updateFieldLine(app);
}

void TrackBar1Change(App& app) {
    DifferentialPanel& p = app.panel<DifferentialPanel>();
    p.Label46.setCaption(lines::kToleranceSteps[p.TrackBar1.position()].text);
    app.Button1Click();
}

// The geometry's captions, hints, fields, plating and drawing.
void layerBranch(App& app) {
    DifferentialPanel& p = app.panel<DifferentialPanel>();
    SharedControls& s = app.shared();
    const int index = geometryIndex(app);
    if (index < 0 || index >= kGeometries) return;
    const GeometryLayout& g = kLayouts[index];
    p.Label192.setVisible(false);
    p.Label259.setVisible(false);
    p.Label40.setCaption(g.heightCaption);
    p.Edit27.setHint(g.heightHint);
    const bool second = g.secondHint != nullptr;
    for (Component* c : {&p.Label58, &p.Edit32, &p.Edit65}) c->setVisible(second);
    if (second) p.Edit32.setHint(g.secondHint);
    p.Edit28.setVisible(g.zo);
    p.Label43.setVisible(g.zo);
    for (Component* c : {&s.RadioGroup1, &s.GroupBox32, &s.Edit138, &s.Edit139}) c->setEnabled(g.plating);
    Component* drawings[kGeometries] = {&p.Image1, &p.Image4, &p.Image23, &p.Image21, &p.Image17, &p.Image18};
    for (int i = 0; i < kGeometries; ++i) drawings[i]->setVisible(i == index);
}

// The types are the geometries of the shared layer group.
constexpr std::uint32_t kHeightH = typeBits({0, 1, 4, 5}), kHeightH1 = typeBits({2, 3});
constexpr std::uint32_t kWithZo = typeBits({0, 1, 2, 3});
constexpr Field kFields[] = {
    {"width", "Edit21", "Conductor Width (W)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit62"},
    {"spacing", "Edit26", "Conductor Spacing (S)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit63"},
    {"height", "Edit27", "Conductor Height (H)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kHeightH, "Edit64"},
    {"height1", "Edit27", "Conductor Height (H1)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kHeightH1},
    {"height2", "Edit32", "Conductor Height (H2)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kHeightH1, "Edit65"},
    {"target_zdiff", "Edit151", "Target Zdiff", Role::Input, Quantity::Impedance, {"Ohms"}},
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"zdiff", "Edit29", "Zdifferential", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms"},
    {"z0", "Edit28", "Zo", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms", nullptr, kWithZo},
    {"zdiff_plus", "Edit30", "+ Tolerance of Zdiff", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms"},
    {"zdiff_minus", "Edit31", "- Tolerance of Zdiff", Role::Result, Quantity::Impedance, {"Ohms"}, "%.3f Ohms"},
    {"width_ratio", "Label49", "W/H", Role::Result, Quantity::Number, {}, "%.3f"},
    {"spacing_ratio", "Label50", "S/H", Role::Result, Quantity::Number, {}, "%.3f"},
    // The field solver's line, solved on demand for goal seek and sweep.
    {.id = "field_zdiff", .name = "PairFieldZdiff", .caption = "Field solver Zdiff", .role = Role::Result,
     .quantity = Quantity::Impedance, .unit = {"Ohms"}, .format = lines::kFieldImpedanceFormat,
     .settle = lines::settleFieldLine},
    {.id = "field_zodd", .name = "PairFieldZodd", .caption = "Field solver Zodd", .role = Role::Result,
     .quantity = Quantity::Impedance, .unit = {"Ohms"}, .format = lines::kFieldImpedanceFormat,
     .settle = lines::settleFieldLine},
    // A broadside pair without planes has no even mode: never a number there.
    {.id = "field_zeven", .name = "PairFieldZeven", .caption = "Field solver Zeven", .role = Role::Result,
     .quantity = Quantity::Impedance, .unit = {"Ohms"}, .format = lines::kFieldImpedanceFormat,
     .types = typeBits({0, 1, 2, 3, 4}), .settle = lines::settleFieldLine},
    {.id = "field_er_effective", .name = "PairFieldEeff", .caption = "Field solver Er eff", .role = Role::Result,
     .quantity = Quantity::Permittivity, .format = lines::kFieldEeffFormat, .settle = lines::settleFieldLine},
    {.id = "field_deviation", .name = "PairFieldDev", .caption = "Closed form deviation", .role = Role::Result,
     .quantity = Quantity::Percent, .unit = {"%"}, .format = lines::kFieldDeviationFormat,
     .settle = lines::settleFieldLine},
};
constexpr FieldTable kFieldTable{kFields, geometryIndex};

void install(App& app) {
    DifferentialPanel& p = app.bindPanel<DifferentialPanel>();
    lines::installFieldLine(app);
    App* a = &app;
    p.TrackBar1.onChange = [a] { TrackBar1Change(*a); };
}

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kTypeOptions[] = {{"edge-external", 0}, {"edge-internal", 1}, {"edge-internal-asym", 2},
    {"edge-embedded", 3}, {"broadside-shielded", 4}, {"broadside-unshielded", 5}};
constexpr Choice kChoices[] = {{"type", "RadioGroup3", kTypeOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule differentialPairsModule;
const CalculatorModule differentialPairsModule{
    .id = "differential-pairs",
    .panel = "panels/differential_pairs.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = ComputeDifferentialPairs,
    .layerBranch = layerBranch,
    // The differential geometries differ from every other layer list.
    .layers = {.caption = " Differential Layer ",
               .items = {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym", "Edge Cpld Embed",
                         "Broad Cpld Shld", "Broad Cpld NShld"},
               .selection = 0,
               .enabled = true,
               .tall = true,
               .clearedOnTab = true},
    .inputs = {.baseCopper = Enable::On, .plating = Enable::On, .manualCopper = Enable::On,
               .materialLabel = Enable::On, .erLabel = Enable::On, .material = Enable::On, .er = Enable::On,
               .manualBaseFrame = true},
    .information = {.resetToNA = {"Label72", "Label27", "Label28"}},
    // Plating on "Edge Cpld Ext" only.
    .manualFrames = {.apply = true, .base = true, .plating = true, .platingOnlyOnLayer = 0},
    .afterTrials = lines::fieldLineAfterTrials,
};

}  // namespace tv
