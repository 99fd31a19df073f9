// The checks of the Via panel's inputs. Each check corrects the field it
// names and the run goes on; the computation reads every field again
// afterwards. Checks comparing two fields use the values as first read here,
// so one correction does not feed the next.
#include "core/app.h"
#include "core/checks.h"
#include "calc/board/via.h"

namespace tv::via {

namespace {

// The via panel's own limits with their messages and corrected texts. A text
// holding a decimal number is written and shown only under a point or a comma.
struct Limits {
    LiteralText emptyMessage, emptyText;
    Limit maxHole, minHole, maxPad, maxOpening;
    double clearance;
    LiteralText holeClearance, padClearance;
    Limit maxLength, minLength, maxPlating, minPlating;
};

// Imperial limits in mils. The empty-hole default is written in the point and
// the comma mode only, although "10" reads the same in both.
const Limits& imperialLimits() {
    static const Limits l{
        LiteralText::alwaysTwin("Via hole diameter can't be empty, using default of 10mils"),
        LiteralText::alwaysTwin("10"),
        {250, "Maximum via hole diameter can't be greater than 250mils", "250"},
        {1, "Minimum via hole diameter can't be less than 1mil", "1"},
        {500, "Maximum via pad diameter can't be greater than 500mils", "500"},
        {1000, "Maximum reference plane opening diameter can't be greater than 1000mils",
         "1000"},
        2,
        "Minimum reference plane opening diameter can't be less than via hole diameter + 2mils",
        "Minimum reference plane opening diameter can't be less than internal pad diameter + 2mils",
        {1000, "Maximum via length can't be greater than 1000mils", "1000"},
        {1, "Minimum via length can't be less than 1mil", "1"},
        {3, "Maximum plating thickness can't be greater than 3mils", "3"},
        {0.1, "Minimum plating thickness can't be less than 0.1mils", "0.1"},
    };
    return l;
}

// Metric limits in mm: the branch's own figures, not the imperial ones converted.
const Limits& metricLimits() {
    static const Limits l{
        "Via hole diameter can't be empty, using default of 0.254mm",
        "0.254",
        {9.8425, "Maximum via hole diameter can't be greater than 9.8425mm", "9.8425"},
        {0.0394, "Minimum via hole diameter can't be less than 0.0394mm", "0.0394"},
        {19.685, "Maximum via pad diameter can't be greater than 19.685mm", "19.685"},
        {39.37, "Maximum reference plane opening diameter can't be greater than 39.37mm",
         "39.37"},
        0.051,
        "Minimum reference plane opening diameter can't be less than via hole diameter + 0.051mm",
        "Minimum reference plane opening diameter can't be less than internal pad diameter + 0.051mm",
        {25.4, "Maximum via length can't be greater than 25.4mm", "25.4"},
        {0.0394, "Minimum via length can't be less than 0.0394mm", "0.0394"},
        {0.1182, "Maximum plating thickness can't be greater than 0.1182mm", "0.1182"},
        {0.0025, "Minimum plating thickness can't be less than 0.0025mm", "0.0025"},
    };
    return l;
}

const Limit kMaxEr{350, "Maximum dielectric constant value can't be greater than 350", "350"};
const Limit kMinEr{1, "Minimum dielectric constant value can't be less than 1", "1"};

// Reads the field and applies its upper and lower limit. A corrected maximum
// never falls below the minimum, so the value as read serves both checks.
double checkField(App& app, Component& field, const Limit& max, const Limit& min) {
    double v = app.num(field);
    checkRange(app, field, v, max, min);
    return v;
}

}  // namespace

void checkInputs(App& app, bool metric, bool differential, int layer) {
    const Limits& l = metric ? metricLimits() : imperialLimits();

    // The empty-hole default is written before the hole is read.
    Component& holeField = viaPanel(app).Edit3;
    if (holeField.text().empty()) correct(app, holeField, l.emptyMessage, l.emptyText);
    const double hole = checkField(app, viaPanel(app).Edit3, l.maxHole, l.minHole);

    if (!differential) {
        Component& padField = viaPanel(app).Edit4;
        const double pad = app.num(padField);
        if (pad > l.maxPad.value) correct(app, padField, l.maxPad.message, l.maxPad.text);
        if (layer != TwoLayer && pad < hole) {
            app.message("Minimum via pad diameter can't be less than via hole diameter");
            app.writeNumber(padField, hole);
        }
        if (layer == MultiLayer && pad == hole)
            app.message("The PTH via pad diameter should be larger than via hole diameter");
        if (layer == MultiLayer) {
            Component& openingField = viaPanel(app).Edit5;
            const double opening = app.num(openingField);
            if (opening > l.maxOpening.value) correct(app, openingField, l.maxOpening.message, l.maxOpening.text);
            if (hole + l.clearance > opening && app.messageLiteral(l.holeClearance))
                app.writeNumber(openingField, hole + l.clearance);
            if (pad + l.clearance > opening && app.messageLiteral(l.padClearance))
                app.writeNumber(openingField, pad + l.clearance);
        }
        checkField(app, viaPanel(app).Edit6, l.maxLength, l.minLength);
        checkField(app, viaPanel(app).Edit9, l.maxPlating, l.minPlating);
    }

    checkField(app, app.shared().Edit7, kMaxEr, kMinEr);
}

}  // namespace tv::via
