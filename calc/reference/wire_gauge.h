#pragma once
// The wire-gauge look-up of the mechanical sheet: AWG 4/0 to 40 and the metric
// wire sizes, with their diameter, resistance and current ratings.
#include <span>
#include <string>

namespace tv {

struct WireGauge {
    const char* item;             // "4/0", "10", "M 2.0"
    double inches;                // diameter, inches
    const char* ohmsPer1000Feet;  // resistance text, imperial
    double millimetres;           // diameter, mm (its own figure, not inches * 25.4)
    const char* ohmsPerKm;        // resistance text, metric
    const char* chassisAmps;      // chassis wiring current, imperial
    const char* chassisAmpsMetric;
};

// The 51 items of the gauge box, in its order.
std::span<const WireGauge> wireGauges();

// The diameter last looked up and the unit it came in.
struct WireDiameter {
    double value = 0;
    bool millimetres = false;
};

// The power-transmission rating: 700 circular mils per amp.
double powerTransmissionAmps(const WireDiameter& d);

// The four result texts of a look-up.
struct WireResults {
    std::string diameter, resistance, chassisAmps;
};
WireResults wireResults(const WireGauge& w, bool metric);
// The diameter a look-up remembers.
WireDiameter wireDiameter(const WireGauge& w, bool metric);

}  // namespace tv
