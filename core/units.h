#pragma once
// The units switch (RadioGroup6): converts the lengths already entered,
// relabels the unit captions of every panel, rebuilds the copper groups and
// stores the choice.

namespace tv {

class App;
class Component;

void RadioGroup6Click(App& app);

// Converts a length field between mils and millimetres and writes the result
// back as general text (value * 25.4 / 1000 to metric, / 25.4 * 1000 back).
void convertLength(App& app, Component& field, bool metric);
// The same conversion of a number (mils to mm when metric, else back).
inline double convertedLength(double v, bool metric) { return metric ? v * 25.4 / 1000 : v / 25.4 * 1000; }
// Writes "mils" or "mm" (or the two given captions) into a unit caption.
void unitCaption(Component& field, bool metric, const char* imperial = "mils", const char* metricText = "mm");

}  // namespace tv
