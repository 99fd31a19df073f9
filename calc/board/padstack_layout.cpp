// The Padstack Calculator's type layouts, pad style, hole-type presets and
// the BGA ball list.
#include <initializer_list>

#include "calc/board/padstack.h"
#include "core/stackup.h"

namespace tv::padstack {

std::string writtenText(App& app, const std::string& point) {
    return app.commaMode() ? commaForm(point) : point;
}

namespace {

void show(std::initializer_list<Component*> components, bool visible) {
    for (Component* c : components) c->setVisible(visible);
}

void setWidth(std::initializer_list<Component*> components, int width) {
    for (Component* c : components) c->setWidth(width);
}

// Writes the type's defaults: the imperial texts, or the metric ones in the
// user's decimal form.
void writeDefaults(App& app, std::initializer_list<std::pair<Component*, const char*>> imperial,
                   std::initializer_list<const char*> metricTexts) {
    const bool metric = metricUnits(app);
    auto m = metricTexts.begin();
    for (const auto& [field, text] : imperial) {
        field->setText(metric ? writtenText(app, *m) : text);
        ++m;
    }
}

// Which components each type shows. Every type sets them all, so a layout
// never depends on the one before it.
void showType(PadstackPanel& p, Type t) {
    const bool thru = t == Type::ThruHole, bga = t == Type::BgaLand, pads = t == Type::ConductorPad,
               corner = t == Type::CornerToCorner;
    show({&p.Edit33, &p.Edit59}, !bga);
    show({&p.ComboBox4, &p.Memo3}, bga);
    show({&p.Label62, &p.Edit34, &p.Edit60}, !bga);
    show({&p.Label63, &p.Edit35, &p.Edit61}, !bga && !corner);
    show({&p.Label76, &p.Edit211, &p.Edit212, &p.Label174, &p.Edit213, &p.Edit214}, pads);
    show({&p.Label73, &p.ComboBox2, &p.Label70, &p.Label71, &p.Label69}, thru);
    show({&p.Label67, &p.Edit37}, t != Type::ConductorPadBga);
    show({&p.Label66, &p.Edit38}, thru || corner);
    show({&p.Edit39, &p.Edit40, &p.Label64, &p.Label65}, thru && plated(p));
    show({&p.Label175, &p.Label176, &p.Label177}, false);
    show({&p.Label271, &p.Label272, &p.Label273, &p.Label274}, corner);
    p.Image5.setVisible(thru);
    p.Image12.setVisible(bga);
    p.Image45.setVisible(pads);
    p.Image10.setVisible(t == Type::ConductorPadBga);
    p.Image48.setVisible(corner);
    // Only "Conductor / Pad" warns in red.
    p.Edit36.setColor(colors::Navy);
    p.Edit37.setColor(colors::Navy);
}

void enableControls(App& app, PadstackPanel& p, bool solve, bool units, bool padStyle) {
    app.shared().Button1.setEnabled(solve);
    app.shared().RadioGroup6.setEnabled(units);
    p.RadioGroup7.setEnabled(padStyle);
}

void thruHoleLayout(App& app, PadstackPanel& p) {
    setWidth({&p.Edit36, &p.Edit37, &p.Edit38, &p.Edit39, &p.Edit40}, 121);
    p.Label61.setCaption("Drill Diameter");
    p.Label62.setCaption("Annular Ring");
    p.Label63.setCaption("Isolation Width");
    p.Label68.setCaption("External Layers");
    p.Label67.setCaption("Internal Signal Layers");
    p.Label66.setCaption("Internal Plane Layers");
    p.Edit36.setHint("Outer layer pad diameter for the given drill diameter.");
    p.Edit37.setHint("Internal signal layer pad diameter for the given drill diameter.");
    p.Edit38.setHint("Outer diameter of the thermal refief.");
    writeDefaults(app, {{&p.Edit33, "32"}}, {"0.8128"});
    enableControls(app, p, true, true, true);
}

void bgaLayout(App& app, PadstackPanel& p) {
    p.Edit37.setWidth(190);
    p.Label61.setCaption("Nominal Ball Diameter");
    p.Label68.setCaption("Nominal Land Diameter");
    p.Label67.setCaption("Land Variation");
    p.Edit36.setHint("Nominal PCB Footprint land diameter.");
    p.Edit37.setHint("PCB Footprint land variation.");
    std::vector<std::string> balls;
    for (const BgaRow& row : bgaTable()) balls.push_back(writtenText(app, row.ball));
    p.ComboBox4.setItems(balls);
    p.ComboBox4.setItemIndex(0);
    p.Edit36.setText(writtenText(app, bgaTable()[0].land));
    p.Edit37.setText(writtenText(app, bgaTable()[0].variation));
    ComboBox4Change(app);
    enableControls(app, p, false, false, false);
}

void enableInputs(PadstackPanel& p) {
    for (Component* c : {&p.Edit33, &p.Edit34, &p.Edit35}) c->setEnabled(true);
}

void conductorPadLayout(App& app, PadstackPanel& p) {
    enableInputs(p);
    setWidth({&p.Edit36, &p.Edit37, &p.Edit38, &p.Edit39, &p.Edit40}, 153);
    p.Label61.setCaption("Distance Between Pads");
    p.Label62.setCaption("Conductor Width");
    p.Label63.setCaption("Spacing Constriant");
    p.Label68.setCaption("Maximum Pad Diameter");
    p.Label67.setCaption("Calculated Annular Ring");
    p.Edit36.setHint("Maximum pad diameter based on spacing constraints and desired conductor width.");
    p.Edit37.setHint("Calculated annular ring based on generated pad size minus entered finished hole diameter.");
    p.Edit33.setHint("Enter the distance between the pads.");
    p.Edit35.setHint("Enter the design spacing constraint, Pad - Conductor.");
    p.Edit34.setHint("Enter the desired conductor width to fit between pads.");
    writeDefaults(app, {{&p.Edit33, "100"}, {&p.Edit34, "12"}, {&p.Edit35, "12"}, {&p.Edit211, "32"}, {&p.Edit213, "7"}},
                  {"2.54", "0.3048", "0.3048", "0.8128", "0.1778"});
    enableControls(app, p, true, true, false);
}

void conductorBgaLayout(App& app, PadstackPanel& p) {
    enableInputs(p);
    setWidth({&p.Edit36, &p.Edit37, &p.Edit38, &p.Edit39, &p.Edit40}, 153);
    p.Label61.setCaption("Distance Between Lands");
    p.Label62.setCaption("Land Diameter");
    p.Label63.setCaption("Spacing Constriant");
    p.Label68.setCaption("Maximum Conductor Width");
    p.Edit36.setHint("Maximum conductor width based on land size / spacing.");
    p.Edit33.setHint("Enter the BGA land pitch.");
    p.Edit34.setHint("Enter the land diameter.");
    writeDefaults(app, {{&p.Edit33, "40"}, {&p.Edit34, "13"}, {&p.Edit35, "4"}}, {"1.00", "0.45", "0.1016"});
    enableControls(app, p, true, true, false);
}

void cornerLayout(App& app, PadstackPanel& p) {
    enableInputs(p);
    setWidth({&p.Edit36, &p.Edit37, &p.Edit38, &p.Edit39, &p.Edit40}, 153);
    p.Label61.setCaption("Length of side a");
    p.Label62.setCaption("Length of side b");
    p.Label68.setCaption("Distance Between Corners");
    p.Label67.setCaption("Suggested Min Drill");
    p.Label66.setCaption("Suggested Max Drill");
    p.Edit36.setHint("Distance between the two corners of the pad / pin.");
    p.Edit33.setHint("Enter the length of side a.");
    p.Edit34.setHint("Enter the length of side b.");
    p.Edit37.setHint("Suggested minimum drill hole diameter.");
    p.Edit38.setHint("Suggested maximum drill hole diameter.");
    writeDefaults(app, {{&p.Edit33, "100"}, {&p.Edit34, "100"}}, {"2.54", "2.54"});
    enableControls(app, p, true, true, false);
}

}  // namespace

void RadioGroup14Click(App& app) {
    PadstackPanel& p = app.panel<PadstackPanel>();
    const Type t = selectedType(p);
    showType(p, t);
    switch (t) {
        case Type::ThruHole: thruHoleLayout(app, p); break;
        case Type::BgaLand: bgaLayout(app, p); return;  // nothing to compute
        case Type::ConductorPad: conductorPadLayout(app, p); break;
        case Type::ConductorPadBga: conductorBgaLayout(app, p); break;
        case Type::CornerToCorner: cornerLayout(app, p); break;
    }
    app.Button1Click();
}

// "Non-Plated" keeps the ring and isolation for the way back; "Plated" writes
// them back with four decimals.
void RadioGroup7Click(App& app) {
    PadstackPanel& p = app.panel<PadstackPanel>();
    PadstackState& s = app.state<PadstackState>();
    if (!plated(p)) {
        // Fields already holding "N/A" have nothing new to save.
        if (p.Edit34.text() != "N/A" || p.Edit35.text() != "N/A") {
            const double ring = p.Edit34.text() == "N/A" ? s.lastAnnularRing : app.num(p.Edit34);
            const double isolation = p.Edit35.text() == "N/A" ? s.lastIsolation : app.num(p.Edit35);
            s.savedAnnularRing = ring;
            s.savedIsolation = isolation;
            s.saved = true;
        }
    } else if (s.saved) {
        p.Edit34.setText(writtenText(app, cformat("%0.4f", {s.savedAnnularRing})));
        p.Edit35.setText(writtenText(app, cformat("%0.4f", {s.savedIsolation})));
    }
    app.Button1Click();
}

void ComboBox2Change(App& app) {
    PadstackPanel& p = app.panel<PadstackPanel>();
    const int i = p.ComboBox2.itemIndex();
    if (i < 0 || i >= kHolePresets) return;
    const HolePreset& preset = holePresets()[static_cast<size_t>(i)];
    const bool custom = i == 0;
    // The pad-style click (save or restore) runs before the preset's writes.
    p.RadioGroup7.setItemIndex(custom ? 0 : 1);
    p.RadioGroup7.setEnabled(custom);
    p.Edit33.setEnabled(custom);
    p.Edit33.setText(metricUnits(app) ? writtenText(app, preset.mm) : preset.mils);
    if (!custom) {
        p.Edit34.setText("N/A");
        p.Edit35.setText("N/A");
    }
    app.Button1Click();
}

// The land for the picked ball (millimetres in both unit systems). No
// recalculation.
void ComboBox4Change(App& app) {
    PadstackPanel& p = app.panel<PadstackPanel>();
    const int i = p.ComboBox4.itemIndex();
    const BgaRow& row = bgaTable()[static_cast<size_t>(i >= 0 && i < kBgaRows ? i : 0)];
    p.Edit36.setText(writtenText(app, row.land));
    p.Edit37.setText(writtenText(app, row.variation));
}

}  // namespace tv::padstack
