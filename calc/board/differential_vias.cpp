// A pair of signal vias through one reference-plane opening: odd-mode and
// differential impedance, effective dielectric constant and the longest stub
// that keeps its resonance away from the signal.
#include "core/app.h"
#include "core/checks.h"
#include "calc/board/via.h"
#include "calc/board/via_formulas.h"

namespace tv::via {

namespace {

// An opening side must clear the drill; a corrected side is the drill plus
// 2 mils (0.0508 mm).
double openingSide(App& app, Component& field, double hole, double clearance) {
    double side = app.num(field);
    if (side <= hole) {
        app.message("Minimum gnd clearance can't be less than or equal to via hole diameter");
        side = hole + clearance;
        app.writeNumber(field, side);
    }
    return side;
}

}  // namespace

void computeDifferentialVias(App& app, bool metric, double hole, double er) {
    double anisotropy = app.num(viaPanel(app).Edit206);
    Component& spacingField = viaPanel(app).Edit335;
    double spacing = app.num(spacingField);
    if (spacing <= hole) {
        // The message carries its figure with a point under every separator.
        app.message(metric ? "Minimum via spacing can't be less than or equal to via hole diameter + 0.0254mm"
                           : "Minimum via spacing can't be less than or equal to via hole diameter + 1mil");
        spacing = hole + (metric ? 0.0254 : 1);
        app.writeNumber(spacingField, spacing);
    }
    double clearance = metric ? 0.0508 : 2;
    double h = openingSide(app, viaPanel(app).Edit5, hole, clearance);
    double w = openingSide(app, viaPanel(app).Edit6, hole, clearance);
    double gbaud = app.num(viaPanel(app).Edit209);

    DifferentialVia v = differentialVia(hole, spacing, h, w, er, anisotropy, gbaud);
    viaPanel(app).Edit50.setText(resultText("%.3f Ohms", v.oddMode));
    viaPanel(app).Edit8.setText(resultText("%.3f Ohms", v.differential));
    viaPanel(app).Edit10.setText(resultText("%.3f", v.erEffective));
    // A baud rate of 0 has no finite stub length.
    viaPanel(app).Edit49.setText(metric ? resultText("%.3f mm", v.stubInches * 25.4)
                                   : resultText("%.3f mils", v.stubInches * 1000));
}

}  // namespace tv::via
