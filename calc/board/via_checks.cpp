// The checks of the Via panel's inputs. Each check corrects the field it
// names and the run goes on; the computation reads every field again
// afterwards. Checks comparing two fields use the values as first read here,
// so one correction does not feed the next.
#include <cctype>

#include "app.h"
#include "via.h"

namespace tv::via {

namespace {

// A message or a field text. A `twin` text holds a decimal number and comes in
// a point and a comma form: under any other separator it is neither shown nor
// written, and neither is the correction that goes with it.
struct Text {
    std::string point, comma;
    bool twin = false;
};

Text plain(const std::string& s) { return {s, s, false}; }

Text twin(const std::string& s) { return {s, commaForm(s), true}; }

struct Limit {
    double value;
    Text message;
    Text text;
};

struct Limits {
    Text emptyMessage, emptyText;
    Limit maxHole, minHole, maxPad, maxOpening;
    double clearance;
    Text holeClearance, padClearance;
    Limit maxLength, minLength, maxPlating, minPlating;
};

// Imperial limits in mils. The empty-hole default is written in the point and
// the comma mode only, although "10" reads the same in both.
const Limits& imperialLimits() {
    static const Limits l{
        twin("Via hole diameter can't be empty, using default of 10mils"),
        twin("10"),
        {250, plain("Maximum via hole diameter can't be greater than 250mils"), plain("250")},
        {1, plain("Minimum via hole diameter can't be less than 1mil"), plain("1")},
        {500, plain("Maximum via pad diameter can't be greater than 500mils"), plain("500")},
        {1000, plain("Maximum reference plane opening diameter can't be greater than 1000mils"),
         plain("1000")},
        2,
        plain("Minimum reference plane opening diameter can't be less than via hole diameter + 2mils"),
        plain("Minimum reference plane opening diameter can't be less than internal pad diameter + 2mils"),
        {1000, plain("Maximum via length can't be greater than 1000mils"), plain("1000")},
        {1, plain("Minimum via length can't be less than 1mil"), plain("1")},
        {3, plain("Maximum plating thickness can't be greater than 3mils"), plain("3")},
        {0.1, twin("Minimum plating thickness can't be less than 0.1mils"), twin("0.1")},
    };
    return l;
}

// Metric limits in mm: the branch's own figures, not the imperial ones converted.
const Limits& metricLimits() {
    static const Limits l{
        twin("Via hole diameter can't be empty, using default of 0.254mm"),
        twin("0.254"),
        {9.8425, twin("Maximum via hole diameter can't be greater than 9.8425mm"), twin("9.8425")},
        {0.0394, twin("Minimum via hole diameter can't be less than 0.0394mm"), twin("0.0394")},
        {19.685, twin("Maximum via pad diameter can't be greater than 19.685mm"), twin("19.685")},
        {39.37, twin("Maximum reference plane opening diameter can't be greater than 39.37mm"),
         twin("39.37")},
        0.051,
        twin("Minimum reference plane opening diameter can't be less than via hole diameter + 0.051mm"),
        twin("Minimum reference plane opening diameter can't be less than internal pad diameter + 0.051mm"),
        {25.4, twin("Maximum via length can't be greater than 25.4mm"), twin("25.4")},
        {0.0394, twin("Minimum via length can't be less than 0.0394mm"), twin("0.0394")},
        {0.1182, twin("Maximum plating thickness can't be greater than 0.1182mm"), twin("0.1182")},
        {0.0025, twin("Minimum plating thickness can't be less than 0.0025mm"), twin("0.0025")},
    };
    return l;
}

const Limit kMaxEr{350, plain("Maximum dielectric constant value can't be greater than 350"), plain("350")};
const Limit kMinEr{1, plain("Minimum dielectric constant value can't be less than 1"), plain("1")};

// Shows the message; false when a twin is skipped under another separator.
bool say(App& app, const Text& t) {
    if (!t.twin) {
        app.message(t.point);
        return true;
    }
    return app.messageLiteral(t.point, t.comma);
}

void write(App& app, Component& field, const Text& t) {
    if (t.twin) app.writeLiteral(field, t.point, t.comma);
    else field.setText(t.point);
}

void correct(App& app, Component& field, const Limit& limit) {
    if (say(app, limit.message)) write(app, field, limit.text);
}

// Reads the field and applies its upper and lower limit. A corrected maximum
// never falls below the minimum, so the value as read serves both checks.
double checkRange(App& app, const char* name, const Limit& max, const Limit& min) {
    Component& field = app.c(name);
    double v = app.num(field);
    if (v > max.value) correct(app, field, max);
    if (v < min.value) correct(app, field, min);
    return v;
}

}  // namespace

std::string commaForm(const std::string& text) {
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    std::string comma = text;
    for (size_t i = 1; i + 1 < comma.size(); ++i)
        if (comma[i] == '.' && digit(comma[i - 1]) && digit(comma[i + 1])) comma[i] = ',';
    return comma;
}

void checkInputs(App& app, bool metric, bool differential, int layer) {
    const Limits& l = metric ? metricLimits() : imperialLimits();

    // The empty-hole default is written before the hole is read.
    Component& holeField = app.c("Edit3");
    if (holeField.text().empty() && say(app, l.emptyMessage)) write(app, holeField, l.emptyText);
    const double hole = checkRange(app, "Edit3", l.maxHole, l.minHole);

    if (!differential) {
        Component& padField = app.c("Edit4");
        const double pad = app.num(padField);
        if (pad > l.maxPad.value) correct(app, padField, l.maxPad);
        if (layer != TwoLayer && pad < hole) {
            app.message("Minimum via pad diameter can't be less than via hole diameter");
            app.writeNumber(padField, hole);
        }
        if (layer == MultiLayer && pad == hole)
            app.message("The PTH via pad diameter should be larger than via hole diameter");
        if (layer == MultiLayer) {
            Component& openingField = app.c("Edit5");
            const double opening = app.num(openingField);
            if (opening > l.maxOpening.value) correct(app, openingField, l.maxOpening);
            if (hole + l.clearance > opening && say(app, l.holeClearance))
                app.writeNumber(openingField, hole + l.clearance);
            if (pad + l.clearance > opening && say(app, l.padClearance))
                app.writeNumber(openingField, pad + l.clearance);
        }
        checkRange(app, "Edit6", l.maxLength, l.minLength);
        checkRange(app, "Edit9", l.maxPlating, l.minPlating);
    }

    checkRange(app, "Edit7", kMaxEr, kMinEr);
}

}  // namespace tv::via
