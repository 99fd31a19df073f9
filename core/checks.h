#pragma once
// The validation kit of the calculators: input corrections with their
// message and written-back text, and result texts that never show a
// non-finite number.
#include "core/app.h"

namespace tv {

// Shows the message and writes the corrected text into the field. Texts with
// a decimal fraction take the user's comma; under another separator such a
// correction is skipped whole (neither shown nor written). True when it ran.
inline bool correct(App& app, Component& field, const LiteralText& message, const LiteralText& text) {
    if (!app.messageLiteral(message)) return false;
    app.writeLiteral(field, text);
    return true;
}

// One limit of an input: the bound, its message and the text written back.
struct Limit {
    double value;
    LiteralText message;
    LiteralText text;
};

// Corrects the field when v lies above `max` or below `min` (each compared
// with the value as read). Returns true when a correction ran.
inline bool checkRange(App& app, Component& field, double v, const Limit& max, const Limit& min) {
    bool corrected = false;
    if (v > max.value) corrected |= correct(app, field, max.message, max.text);
    if (v < min.value) corrected |= correct(app, field, min.message, min.text);
    return corrected;
}

// The substrate's dielectric constant below 1: the message and "1" in the
// shared Er field. Whether the calculator then recalculates or goes on with
// the value it read is its own choice. True when the correction ran.
inline bool correctLowEr(App& app, double er) {
    return er < 1 && correct(app, app.shared().Edit7, "Minimum dielectric constant value can't be less than 1", "1");
}

// Writes a result into an output field or label: the format with its unit, or
// "N/A" for a value that is not finite.
inline void showResult(Component& out, const std::string& format, double value) {
    out.setText(resultText(format, value));
}
// The same with the font colour that goes with the value (red out of range,
// navy or black in range).
inline void showResult(Component& out, const std::string& format, double value, Color color) {
    out.setText(resultText(format, value));
    out.setColor(color);
}

}  // namespace tv
