// Padstack Calculator: thru-hole pads with their thermal relief, BGA lands,
// the pad between two conductors, the conductor between two BGA lands and
// the drill for a square pin, on one set of fields.
#include "calc/board/padstack.h"
#include "core/checks.h"
#include "calc/modules.h"
#include "core/stackup.h"
#include "core/units.h"

namespace tv {

namespace padstack {

namespace {

// The drill of a thru-hole pad within its limits. An imperial correction
// recalculates at once; a metric one goes on with the corrected text.
double checkedDrill(App& app, PadstackPanel& p, bool metric) {
    if (!metric) {
        if (app.num(p.Edit33) < 1) {
            app.message("Drill diameter can't be less than 1mil...");
            p.Edit33.setText("1");
            app.Button1Click();
        }
        if (app.num(p.Edit33) > 250) {
            app.message("Drill diameter can't be greater than 250mils. Holes larger the 250mils need to be routed out");
            p.Edit33.setText("250");
            app.Button1Click();
        }
    } else {
        if (app.num(p.Edit33) < 0.0254)
            correct(app, p.Edit33, "Drill diameter can't be less than 0.0254mm", "0.0254");
        if (app.num(p.Edit33) > 6.35)
            correct(app, p.Edit33,
                    "Drill diameter can't be greater than 6.35mm. Holes larger the 6.35mm need to be routed out",
                    "6.35");
    }
    return app.num(p.Edit33);
}

void thruHole(App& app, PadstackPanel& p, PadstackState& s, bool metric) {
    const double drill = checkedDrill(app, p, metric);
    const char* format = metric ? "%.3f mm" : "%.1f mils";
    const bool withCopper = plated(p);
    p.Label69.setCaption(withCopper ? "Outer Diameter" : "Pad Diameter");
    if (!withCopper) {
        p.Edit34.setText("N/A");
        p.Edit35.setText("N/A");
    }
    for (Component* c : {&p.Edit34, &p.Edit35}) c->setEnabled(withCopper);
    for (Component* c : {&p.Edit39, &p.Edit40, &p.Label64, &p.Label65}) c->setVisible(withCopper);

    const ThruHole pad = withCopper ? platedPad(drill, s.lastAnnularRing, s.lastIsolation)
                                    : nonPlatedPad(drill, s.lastAnnularRing, s.lastIsolation, metric);
    showResult(p.Edit36, format, pad.external);
    showResult(p.Edit37, format, pad.internal);
    showResult(p.Edit39, format, pad.thermalInner);
    showResult(p.Edit38, format, pad.thermalOuter);
    if (withCopper) p.Edit40.setText(spokeWidth(drill, metric));
}

void conductorBetweenPads(App& app, PadstackPanel& p, bool metric) {
    const double pitch = app.num(p.Edit33);
    const double width = app.num(p.Edit34);
    const double spacing = app.num(p.Edit35);
    const double drill = app.num(p.Edit211);
    const double minRing = app.num(p.Edit213);
    const ConductorPad r = conductorPad(pitch, width, spacing, drill, minRing);
    const Color color = r.tooSmall ? colors::Red : colors::Navy;
    showResult(p.Edit36, metric ? "%.3f mm" : "%.2f mils", r.padMax, color);
    for (Component* c : {&p.Label175, &p.Label176, &p.Label177}) c->setVisible(r.tooSmall);
    showResult(p.Edit37, metric ? "%.4f mm" : "%.2f mils", r.ring, color);
}

void conductorBetweenLands(App& app, PadstackPanel& p, bool metric) {
    const double pitch = app.num(p.Edit33);
    const double land = app.num(p.Edit34);
    const double spacing = app.num(p.Edit35);
    showResult(p.Edit36, metric ? "%.4f mm" : "%.3f mils", bgaConductorWidth(pitch, land, spacing));
}

void cornerToCorner(App& app, PadstackPanel& p, bool metric) {
    const double a = app.num(p.Edit33);
    const double b = app.num(p.Edit34);
    const CornerToCorner r = padstack::cornerToCorner(a, b, metric);
    showResult(p.Edit36, metric ? "%.3f mm" : "%.2f mils", r.diagonal);
    showResult(p.Edit37, metric ? "%0.3f mm" : "%0.2f mils", r.minDrill);
    showResult(p.Edit38, metric ? "%0.3f mm" : "%0.2f mils", r.maxDrill);
}

void CalculatePadstack(App& app) {
    PadstackPanel& p = app.panel<PadstackPanel>();
    PadstackState& s = app.state<PadstackState>();
    const bool metric = metricUnits(app);
    // A field holding "N/A" (non-plated) keeps the last number it held.
    if (p.Edit34.text() != "N/A") s.lastAnnularRing = app.num(p.Edit34);
    if (p.Edit35.text() != "N/A") s.lastIsolation = app.num(p.Edit35);
    switch (selectedType(p)) {
        case Type::ThruHole: thruHole(app, p, s, metric); break;
        case Type::BgaLand:
            // The lands come from the ball list.
            if (plated(p)) {
                p.Label64.setVisible(false);
                p.Label65.setVisible(false);
            }
            break;
        case Type::ConductorPad: conductorBetweenPads(app, p, metric); break;
        case Type::ConductorPadBga: conductorBetweenLands(app, p, metric); break;
        case Type::CornerToCorner: cornerToCorner(app, p, metric); break;
    }
}

void unitCaptions(App& app, bool metric) {
    PadstackPanel& p = app.panel<PadstackPanel>();
    for (Component* c : {&p.Edit59, &p.Edit60, &p.Edit61, &p.Edit212, &p.Edit214}) unitCaption(*c, metric);
}

void unitConversions(App& app, bool metric) {
    // The kept ring and isolation follow the units too, or a non-plated pad
    // and the texts restored for "Plated" would mix mils and millimetres.
    // They go first: a field that does not read stops the switch.
    PadstackState& s = app.state<PadstackState>();
    s.lastAnnularRing = convertedLength(s.lastAnnularRing, metric);
    s.lastIsolation = convertedLength(s.lastIsolation, metric);
    s.savedAnnularRing = convertedLength(s.savedAnnularRing, metric);
    s.savedIsolation = convertedLength(s.savedIsolation, metric);
    PadstackPanel& p = app.panel<PadstackPanel>();
    for (Component* c : {&p.Edit33, &p.Edit211, &p.Edit213, &p.Edit34, &p.Edit35})
        if (c->text() != "N/A") convertLength(app, *c, metric);
}

// Selecting the function enables "Solve!" only for the two types that read
// their fields on every run (a type click has its own rule).
void onSelect(App& app) {
    const Type t = selectedType(app.panel<PadstackPanel>());
    app.shared().Button1.setEnabled(t == Type::ThruHole || t == Type::ConductorPad);
}

void install(App& app) {
    PadstackPanel& p = app.bindPanel<PadstackPanel>();
    App* a = &app;
    p.RadioGroup14.onClick = [a] { RadioGroup14Click(*a); };
    p.RadioGroup7.onClick = [a] { RadioGroup7Click(*a); };
    p.ComboBox2.onChange = [a] { ComboBox2Change(*a); };
    p.ComboBox4.onChange = [a] { ComboBox4Change(*a); };
}

}  // namespace
}  // namespace padstack

const CalculatorModule padstackModule{
    .panel = "panels/padstack.win",
    .install = padstack::install,
    .compute = padstack::CalculatePadstack,
    .unitCaptions = padstack::unitCaptions,
    .unitConversions = padstack::unitConversions,
    .onSelect = padstack::onSelect,
};

}  // namespace tv
