// Conductor Impedance: the characteristic impedance of a single conductor for
// six line types, chosen in the shared layer group, with the inductance,
// capacitance and propagation delay per unit length.
#include <array>
#include <cmath>
#include <string>

#include "core/app.h"
#include "core/checks.h"
#include "calc/lines/field_line.h"
#include "calc/lines/field_line_model.h"
#include "calc/lines/impedance_model.h"
#include "calc/lines/line_helpers.h"
#include "calc/lines/microstrip_model.h"
#include "calc/lines/stripline_model.h"
#include "calc/modules.h"
#include "core/stackup.h"

namespace tv {

namespace {

using namespace lines;

enum LineType { Microstrip, MicrostripEmbed, Stripline, StriplineAsym, DualStripline, Coplanar };

struct ImpedancePanel : Panel {
    using Panel::Panel;
    // Inputs with their captions and unit fields.
    TV_COMPONENT(Edit67);   // W
    TV_COMPONENT(Edit71);
    TV_COMPONENT(Label101);
    TV_COMPONENT(Edit68);   // H or H1
    TV_COMPONENT(Edit72);
    TV_COMPONENT(Label104);
    TV_COMPONENT(Edit74);   // H2, C or G
    TV_COMPONENT(Edit75);
    TV_COMPONENT(Label288);
    TV_COMPONENT(Edit226);  // frequency, MHz
    // Results.
    TV_COMPONENT(Edit70);   // Zo
    TV_COMPONENT(Label54);
    TV_COMPONENT(Edit73);   // Lo
    TV_COMPONENT(Label114);
    TV_COMPONENT(Edit76);   // Co
    TV_COMPONENT(Label115);
    TV_COMPONENT(Edit77);   // Tpd
    TV_COMPONENT(Label289);
    TV_COMPONENT(Label290);  // Er effective
    TV_COMPONENT(Label116);  // narrow or wide form
    // Restrictions and indicators.
    TV_COMPONENT(Label57);
    TV_COMPONENT(Label85);
    TV_COMPONENT(Label86);
    TV_COMPONENT(SpeedButton1);
    TV_COMPONENT(Label246);
    TV_COMPONENT(Label107);
    TV_COMPONENT(Label108);
    TV_COMPONENT(Label111);
    TV_COMPONENT(Label112);
    TV_COMPONENT(Label260);
    TV_COMPONENT(Label261);
    TV_COMPONENT(Label188);
    TV_COMPONENT(Label191);
    // Cross-sections in type order.
    TV_COMPONENT(Image8);
    TV_COMPONENT(Image16);
    TV_COMPONENT(Image22);
    TV_COMPONENT(Image9);
    TV_COMPONENT(Image47);
    TV_COMPONENT(Image19);

    std::array<Component*, 6> images() { return {&Image8, &Image16, &Image22, &Image9, &Image47, &Image19}; }
};

// ---- Type selection ----

// What the panel shows for each type.
struct TypeLayout {
    const char* heightCaption;  // Label101, over Edit68
    const char* heightHint;
    const char* secondCaption;  // Label104, over Edit74; nullptr hides the row
    const char* secondHint;
    bool frequency;             // frequency input and Er effective
    bool restrictions;          // Label57, Label85, Label86
    bool ohmsRestriction;       // Label246
    bool widthIndicator, heightIndicator, impedanceIndicator;
    bool mode;                  // Label116
    bool perLength;             // Lo, Co, Tpd
};

constexpr const char* kAbove = "Enter the conductor's distance above its reference plane.";
constexpr const char* kAboveBelow = "Enter the conductor's distance above and/or below its reference plane.";
constexpr const char* kBelow = "Enter the conductor's distance below its reference plane.";
constexpr const char* kBetween = "Enter the conductor to conductor distance.";

constexpr TypeLayout kLayouts[6] = {
    {"Conductor Height (H)", kAbove, nullptr, nullptr, true, false, false, false, false, false, false, true},
    {"Conductor Height (H1)", "Enter the thickness of the substrate.", "Conductor Height (H2)", kAbove,
     false, true, true, true, true, true, false, true},
    {"Conductor Height (H)", kAboveBelow, nullptr, nullptr, false, true, true, true, true, true, false, true},
    {"Conductor Height (H1)", kBelow, "Conductor Height (H2)", kAbove, false, false, false, false, false, false,
     true, true},
    {"Conductor Height (H)", kAboveBelow, "Conductor Spacing (C)", kBetween, false, false, false, false, false,
     false, false, true},
    {"Conductor Height (H)", kBelow, "Conductor Gap (G)", kBetween, false, true, false, true, false, false, false,
     false},
};

int lineType(App& app) { return app.shared().RadioGroup3.itemIndex(); }

void setCopper(App& app, bool base, bool plating) {
    SharedControls& s = app.shared();
    for (Component* c : {&s.RadioGroup4, &s.GroupBox31, &s.Edit136, &s.Edit137}) c->setEnabled(base);
    for (Component* c : {&s.RadioGroup1, &s.GroupBox32, &s.Edit138, &s.Edit139}) c->setEnabled(plating);
}

// The impedance branch of RadioGroup3Click: the panel for the chosen type.
void layerBranch(App& app) {
    ImpedancePanel& p = app.panel<ImpedancePanel>();
    const int type = lineType(app);
    if (type < 0 || type > Coplanar) return;
    const TypeLayout& t = kLayouts[type];
    p.Label101.setCaption(t.heightCaption);
    p.Edit68.setHint(t.heightHint);
    const bool second = t.secondCaption != nullptr;
    if (second) {
        p.Label104.setCaption(t.secondCaption);
        p.Edit74.setHint(t.secondHint);
    }
    for (Component* c : {&p.Label104, &p.Edit74, &p.Edit75}) c->setVisible(second);
    for (Component* c : {&p.Label288, &p.Edit226, &p.Label289, &p.Label290}) c->setVisible(t.frequency);
    for (Component* c : {&p.Label57, &p.Label85, &p.Label86}) c->setVisible(t.restrictions);
    p.SpeedButton1.setVisible(type == Coplanar);
    p.Label246.setVisible(t.ohmsRestriction);
    p.Label107.setVisible(t.widthIndicator);
    p.Label108.setVisible(t.widthIndicator);
    p.Label111.setVisible(t.heightIndicator);
    p.Label112.setVisible(t.heightIndicator);
    p.Label260.setVisible(t.impedanceIndicator);
    p.Label261.setVisible(t.impedanceIndicator);
    p.Label116.setVisible(t.mode);
    for (Component* c : {&p.Label54, &p.Edit73, &p.Label114, &p.Edit76, &p.Label115, &p.Edit77})
        c->setVisible(t.perLength);
    p.Label188.setVisible(false);
    p.Label191.setVisible(false);
    const auto images = p.images();
    for (size_t i = 0; i < images.size(); ++i) images[i]->setVisible(static_cast<int>(i) == type);

    // The coplanar formula holds for 0.5oz copper with 1oz plating only.
    if (type == Coplanar) {
        app.shared().RadioGroup1.setItemIndex(2);
        app.shared().RadioGroup4.setItemIndex(1);
        setCopper(app, false, false);
    } else {
        setCopper(app, true, type == Microstrip);
    }
}

void SpeedButton1Click(App& app) {
    app.message("Conductor thickness is disabled for this calculator due to formula restrictions.");
}

// ---- Compute ----

struct Inputs {
    bool metric;
    double base, plating;
};

// The default a length correction writes: 1 mil or 0.0254 mm.
void writeLengthDefault(App& app, Component& field, bool metric) {
    writeCorrection(app, field, metric ? "0.0254" : "1");
}

// A per-type check of a length: the message and the default, without a new
// pass; the rest of this pass runs on the value as read.
void checkLength(App& app, Component& field, double v, const char* message, bool metric) {
    if (v > 0) return;
    app.message(message);
    writeLengthDefault(app, field, metric);
}

constexpr const char* kHeightMessage = "Conductor height cannot be less less than or equal to zero.";

void showCopper(App& app, double T, bool metric) {
    showResult(app.shared().Label56, metric ? "%3.0f um" : "%.2f mils", metric ? T * 1000 : T);
}

// Zo, then Tpd, Co and Lo per inch (per centimetre in metric); an impedance of
// zero or below arrives as no number, so Co and Lo read "N/A". `errors`: a
// value of zero or below reads "Error".
void showLine(ImpedancePanel& p, bool metric, const char* zFormat, double Z0, double TpdPerInch,
              bool errors = false) {
    showResult(p.Edit70, zFormat, Z0);
    const PerLength v = perLength(metric ? TpdPerInch / 2.54 : TpdPerInch, Z0);
    auto show = [&](Component& out, const char* imperial, const char* metricFormat, double value) {
        if (errors && value <= 0)
            out.setText("Error");
        else
            showResult(out, metric ? metricFormat : imperial, value);
    };
    show(p.Edit77, "%.4f ps/in", "%.4f ps/cm", v.Tpd);
    show(p.Edit76, "%.4f pF/in", "%.4f pF/cm", v.Co);
    show(p.Edit73, "%.4f nH/in", "%.4f nH/cm", v.Lo);
}

// A range indicator of a length entered in mils (5 to 15) or millimetres
// (0.1269 to 0.3811): the value in black, or in red with " Warning!".
void lengthIndicator(App& app, Component& out, double v, bool metric) {
    const bool inside = metric ? (v >= 0.1269 && v <= 0.3811) : (v >= 5 && v <= 15);
    out.setText(inside ? app.numberText(v) : cformat("%.1f", {v}) + " Warning!");
    out.setColor(inside ? colors::Black : colors::Red);
}

// The restriction texts and the three indicators of the IPC-2141 types.
void indicators(App& app, ImpedancePanel& p, const char* heightName, double w, double h, double Z0,
                bool metric) {
    p.Label85.setCaption(metric ? "0.127mm < (W) < 0.381mm" : "5mils < (W) < 15mils");
    p.Label86.setCaption(std::string(metric ? "0.127mm < " : "5mils < ") + heightName +
                         (metric ? " < 0.381mm" : " < 15mils"));
    p.Label246.setCaption("40< Ohms < 90");
    p.Label107.setCaption("(W) = ");
    p.Label111.setCaption("(H) = ");
    lengthIndicator(app, p.Label108, w, metric);
    lengthIndicator(app, p.Label112, h, metric);
    const bool inside = Z0 >= 40 && Z0 <= 90;
    const std::string text = resultText("%.4f", Z0);
    p.Label261.setText(inside || !std::isfinite(Z0) ? text : text + " Warning!");
    p.Label261.setColor(inside ? colors::Black : colors::Red);
}

void computeMicrostrip(App& app, ImpedancePanel& p, const Inputs& in) {
    double T = in.base + in.plating;
    showCopper(app, T, in.metric);
    double W = app.num(p.Edit67), H = app.num(p.Edit68), f = app.num(p.Edit226);
    const double er = app.num(app.shared().Edit7);
    if (!in.metric) W = milsToMm(W), H = milsToMm(H), T = milsToMm(T);
    const MicrostripResult r = microstrip({W, H, T, er, f / 1000 * H});
    showResult(p.Label290, "%.4f", r.eef);
    showLine(p, in.metric, "%.4f Ohms", lineImpedance(r.Z0f), microstripDelay(r.eef));
}

void computeEmbedded(App& app, ImpedancePanel& p, const Inputs& in) {
    showCopper(app, in.base, in.metric);
    const double w = app.num(p.Edit67), h1 = app.num(p.Edit68), h2 = app.num(p.Edit74);
    const double er = app.num(app.shared().Edit7);
    const double inch = in.metric ? 25.4 : 1000;  // the formula works in inches
    const double W = w / inch, H1 = h1 / inch, H2 = h2 / inch, T = in.base / inch;
    checkLength(app, p.Edit68, H1, kHeightMessage, in.metric);
    checkLength(app, p.Edit74, H2, kHeightMessage, in.metric);
    if (T + H2 >= H1)
        app.message("Conductor Height2 can't be greater than or equal to Conductor Height1 + Copper Weight");
    const EmbeddedMicrostrip r = embeddedMicrostrip(W, T, H1, H2, er);
    const double Z0 = lineImpedance(r.Z0);
    showLine(p, in.metric, "%.4f Ohms", Z0, embeddedDelay(r.erPrime));
    indicators(app, p, "(H1)", w, h1, Z0, in.metric);
}

void computeStripline(App& app, ImpedancePanel& p, const Inputs& in) {
    showCopper(app, in.base, in.metric);
    const double W = app.num(p.Edit67), H = app.num(p.Edit68);
    const double er = app.num(app.shared().Edit7);
    const double Z0 = lineImpedance(striplineZ0(W, in.base, H, er));
    showLine(p, in.metric, "%.3f Ohms", Z0, striplineDelay(er));
    // The height indicator tests H itself, although the restriction names 2H.
    indicators(app, p, "(2H)", W, H, Z0, in.metric);
}

void computeAsymmetric(App& app, ImpedancePanel& p, const Inputs& in) {
    showCopper(app, in.base, in.metric);
    double W = app.num(p.Edit67), H1 = app.num(p.Edit68), H2 = app.num(p.Edit74), T = in.base;
    const double er = app.num(app.shared().Edit7);
    if (in.metric) W = mmToMils(W), H1 = mmToMils(H1), H2 = mmToMils(H2), T = mmToMils(T);
    checkLength(app, p.Edit68, H1, kHeightMessage, in.metric);
    checkLength(app, p.Edit74, H2, kHeightMessage, in.metric);
    const bool equal = H1 == H2;
    p.Label188.setVisible(equal);
    p.Label191.setVisible(equal);
    const StriplineResult r = offsetStripline({W, T, H1, H2, er});
    p.Label116.setCaption(r.mode == StriplineMode::Narrow ? "Narrow calculation mode" : "Wide calculation mode");
    showLine(p, in.metric, "%.3f Ohms", lineImpedance(r.Z0), striplineDelay(er), true);
}

void computeDual(App& app, ImpedancePanel& p, const Inputs& in) {
    showCopper(app, in.base, in.metric);
    double W = app.num(p.Edit67), C = app.num(p.Edit74), H = app.num(p.Edit68), T = in.base;
    const double er = app.num(app.shared().Edit7);
    if (in.metric) W = mmToMils(W), C = mmToMils(C), H = mmToMils(H), T = mmToMils(T);
    checkLength(app, p.Edit74, C, "Conductor spacing cannot be less less than or equal to zero.", in.metric);
    checkLength(app, p.Edit68, H, kHeightMessage, in.metric);
    showLine(p, in.metric, "%.3f Ohms", lineImpedance(dualStriplineZ0(W, T, H, C, er)), striplineDelay(er), true);
}

void computeCoplanar(App& app, ImpedancePanel& p, const Inputs& in) {
    p.Label107.setCaption("W/H = ");
    showCopper(app, in.base + in.plating, in.metric);
    const double W = app.num(p.Edit67), H = app.num(p.Edit68), G = app.num(p.Edit74);
    const double er = app.num(app.shared().Edit7);
    checkLength(app, p.Edit74, G, "Conductor gap cannot be less less than or equal to zero.", in.metric);
    showResult(p.Edit70, "%.4f Ohms", lineImpedance(coplanarWaveguide(W, H, G, er).Z0));
    p.Label85.setCaption("0.1 < W/H < 2.0");
    p.Label86.setCaption(in.metric ? "T = 53um" : "T = 2.10mils");
    p.Label246.setCaption("0.25 < T/H");
    const double ratio = W / H;
    showResult(p.Label108, "%.3f", ratio);
    // In mils exactly 0.1 keeps the colour it had; in millimetres there is no
    // lower bound.
    if (ratio >= 2 || (!in.metric && ratio < 0.1))
        p.Label108.setColor(colors::Red);
    else if (in.metric || ratio > 0.1)
        p.Label108.setColor(colors::Black);
}

void ComputeImpedance(App& app) {
    ImpedancePanel& p = app.panel<ImpedancePanel>();
    SharedControls& s = app.shared();
    const bool metric = metricUnits(app);
    const CopperThicknessResult copper = CopperThickness(app);

    // Checks common to every type; each correction recalculates, and the
    // steps of the type below read every field again.
    if (app.num(s.Edit7) <= 1) {
        app.message("Minimum Er value can't be less than or equal to 1");
        writeCorrection(app, s.Edit7, "1.01");
        app.Button1Click();
    }
    if (app.num(p.Edit67) <= 0) {
        app.message("Conductor width cannot be less less than or equal to zero.");
        writeLengthDefault(app, p.Edit67, metric);
        app.Button1Click();
    }
    if (app.num(p.Edit68) <= 0) {
        app.message(kHeightMessage);
        writeLengthDefault(app, p.Edit68, metric);
        app.Button1Click();
    }

    const Inputs in{metric, copper.base, copper.plating};
    switch (lineType(app)) {
        case Microstrip: computeMicrostrip(app, p, in); break;
        case MicrostripEmbed: computeEmbedded(app, p, in); break;
        case Stripline: computeStripline(app, p, in); break;
        case StriplineAsym: computeAsymmetric(app, p, in); break;
        case DualStripline: computeDual(app, p, in); break;
        case Coplanar: computeCoplanar(app, p, in); break;
        default: break;
    }
    updateFieldLine(app);
}

// The types are the line types of the shared layer group, in kLayouts order.
constexpr std::uint32_t kHeightH = typeBits({0, 2, 4, 5}), kHeightH1 = typeBits({1, 3});
constexpr std::uint32_t kPerLength = typeBits({0, 1, 2, 3, 4});
constexpr Unit kPerInchCm[] = {{"ps/in", "ps/cm"}, {"pF/in", "pF/cm"}, {"nH/in", "nH/cm"}};
constexpr Field kFields[] = {
    {"width", "Edit67", "Conductor Width (W)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, 0, "Edit71"},
    {"height", "Edit68", "Conductor Height (H)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kHeightH, "Edit72"},
    {"height1", "Edit68", "Conductor Height (H1)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kHeightH1},
    {"height2", "Edit74", "Conductor Height (H2)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, kHeightH1, "Edit75"},
    {"spacing", "Edit74", "Conductor Spacing (C)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, typeBits({4})},
    {"gap", "Edit74", "Conductor Gap (G)", Role::Input, Quantity::Length, kMilsMm, nullptr, nullptr, typeBits({5})},
    {"frequency", "Edit226", "Frequency (MHz)", Role::Input, Quantity::Frequency, {"MHz"}, nullptr, nullptr, typeBits({0})},
    {"er", "Edit7", "Er", Role::Input, Quantity::Permittivity},
    {"z0", "Edit70", "Zo", Role::Result, Quantity::Impedance, {"Ohms"}, "%.4f Ohms"},
    {"inductance", "Edit73", "Lo", Role::Result, Quantity::Inductance, kPerInchCm[2], "%.4f nH/in", "%.4f nH/cm", kPerLength},
    {"capacitance", "Edit76", "Co", Role::Result, Quantity::Capacitance, kPerInchCm[1], "%.4f pF/in", "%.4f pF/cm", kPerLength},
    {"delay", "Edit77", "Tpd", Role::Result, Quantity::Time, kPerInchCm[0], "%.4f ps/in", "%.4f ps/cm", kPerLength},
    {"er_effective", "Label290", "Er Effective", Role::Result, Quantity::Permittivity, {}, "%.4f", nullptr, typeBits({0})},
    // The field solver's line, solved on demand for goal seek and sweep.
    {.id = "field_z0", .name = "ImpFieldZo", .caption = "Field solver Zo", .role = Role::Result,
     .quantity = Quantity::Impedance, .unit = {"Ohms"}, .format = kFieldImpedanceFormat, .settle = settleFieldLine},
    {.id = "field_er_effective", .name = "ImpFieldEeff", .caption = "Field solver Er eff", .role = Role::Result,
     .quantity = Quantity::Permittivity, .format = kFieldEeffFormat, .settle = settleFieldLine},
    {.id = "field_deviation", .name = "ImpFieldDev", .caption = "Closed form deviation", .role = Role::Result,
     .quantity = Quantity::Percent, .unit = {"%"}, .format = kFieldDeviationFormat, .settle = settleFieldLine},
};
constexpr FieldTable kFieldTable{kFields, lineType};

void install(App& app) {
    ImpedancePanel& p = app.bindPanel<ImpedancePanel>();
    installFieldLine(app);
    App* a = &app;
    p.SpeedButton1.onClick = [a] { SpeedButton1Click(*a); };
}

}  // namespace

// The panel's choices by name, for scripts (tolvane-cli calc).
constexpr ChoiceOption kTypeOptions[] = {{"microstrip", 0}, {"embedded-microstrip", 1}, {"stripline", 2},
    {"asymmetric-stripline", 3}, {"dual-stripline", 4}, {"coplanar", 5}};
constexpr Choice kChoices[] = {{"type", "RadioGroup3", kTypeOptions}};

// Found by its row in calc/catalogue.cpp.
extern const CalculatorModule conductorImpedanceModule;
const CalculatorModule conductorImpedanceModule{
    .id = "conductor-impedance",
    .panel = "panels/impedance.win",
    .fields = &kFieldTable,
    .choices = kChoices,
    .install = install,
    .compute = ComputeImpedance,
    .layerBranch = layerBranch,
    .layers = {.caption = " Passive Circuits ",
               .items = {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym", "Dual Stripline",
                         "Coplanar Wave"},
               .selection = 0,
               .enabled = true,
               .tall = true},
    .plane = {.enabled = Enable::Keep},
    .inputs = {.baseCopper = Enable::On, .plating = Enable::Keep, .manualCopper = Enable::On,
               .erLabel = Enable::On, .material = Enable::On, .er = Enable::On, .manualBaseFrame = true},
    .information = {.resetToNA = {"Label72", "Label27", "Label28"}},
    // Plating on "Microstrip" only.
    .manualFrames = {.apply = true, .base = true, .plating = true, .platingOnlyOnLayer = 0},
    .afterTrials = fieldLineAfterTrials,
};

}  // namespace tv
