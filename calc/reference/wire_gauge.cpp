// The wire-gauge table and its look-up.
#include "calc/reference/wire_gauge.h"

#include "core/numbertext.h"

namespace tv {

namespace {

// AWG 4/0 to 40 (items 0 to 43), then metric wire sizes named by ten times
// their diameter in millimetres. Chassis wiring currents are the common
// single-conductor ratings; AWG 30 is rated differently in the two columns.
constexpr WireGauge kWires[] = {
    {"4/0", 0.46, "0.049 Ohms", 11.684, "0.16072 Ohms", "380 Amps", "380 Amps"},
    {"3/0", 0.4096, "0.0618 Ohms", 10.40384, "0.202704 Ohms", "328 Amps", "328 Amps"},
    {"2/0", 0.3648, "0.0779 Ohms", 9.26592, "0.255512 Ohms", "283 Amps", "283 Amps"},
    {"1/0", 0.3249, "0.0983 Ohms", 8.25246, "0.322424 Ohms", "245 Amps", "245 Amps"},
    {"1", 0.2893, "0.1239 Ohms", 7.34822, "0.406392 Ohms", "211 Amps", "211 Amps"},
    {"2", 0.2576, "0.1563 Ohms", 6.54304, "0.512664 Ohms", "181 Amps", "181 Amps"},
    {"3", 0.2294, "0.197 Ohms", 5.82676, "0.64616 Ohms", "158 Amps", "158 Amps"},
    {"4", 0.2043, "0.2485 Ohms", 5.18922, "0.81508 Ohms", "135 Amps", "135 Amps"},
    {"5", 0.1819, "0.3133 Ohms", 4.62026, "1.027624 Ohms", "118 Amps", "118 Amps"},
    {"6", 0.162, "0.3951 Ohms", 4.1148, "1.295928 Ohms", "101 Amps", "101 Amps"},
    {"7", 0.1443, "0.4982 Ohms", 3.66522, "1.634096 Ohms", "89 Amps", "89 Amps"},
    {"8", 0.1285, "0.6282 Ohms", 3.2639, "2.060496 Ohms", "73 Amps", "73 Amps"},
    {"9", 0.1144, "0.7921 Ohms", 2.90576, "2.598088 Ohms", "64 Amps", "64 Amps"},
    {"10", 0.1019, "0.9989 Ohms", 2.58826, "3.276392 Ohms", "55 Amps", "55 Amps"},
    {"11", 0.0907, "1.26 Ohms", 2.30378, "4.1328 Ohms", "47 Amps", "47 Amps"},
    {"12", 0.0808, "1.588 Ohms", 2.05232, "5.20864 Ohms", "41 Amps", "41 Amps"},
    {"13", 0.072, "2.003 Ohms", 1.8288, "6.56984 Ohms", "35 Amps", "35 Amps"},
    {"14", 0.0641, "2.525 Ohms", 1.62814, "8.282 Ohms", "32 Amps", "32 Amps"},
    {"15", 0.0571, "3.184 Ohms", 1.45034, "10.44352 Ohms", "28 Amps", "28 Amps"},
    {"16", 0.0508, "4.016 Ohms", 1.29032, "13.17248 Ohms", "22 Amps", "22 Amps"},
    {"17", 0.0453, "5.064 Ohms", 1.15062, "16.60992 Ohms", "19 Amps", "19 Amps"},
    {"18", 0.0403, "6.385 Ohms", 1.02362, "20.9428 Ohms", "16 Amps", "16 Amps"},
    {"19", 0.0359, "8.051 Ohms", 0.91186, "26.40728 Ohms", "14 Amps", "14 Amps"},
    {"20", 0.032, "10.15 Ohms", 0.8128, "33.292 Ohms", "11 Amps", "11 Amps"},
    {"21", 0.0285, "12.8 Ohms", 0.7239, "41.984 Ohms", "9 Amps", "9 Amps"},
    {"22", 0.0254, "16.14 Ohms", 0.64262, "52.9392 Ohms", "7 Amps", "7 Amps"},
    {"23", 0.0226, "20.36 Ohms", 0.57404, "66.7808 Ohms", "4.7 Amps", "4.7 Amps"},
    {"24", 0.0201, "25.67 Ohms", 0.51054, "84.1976 Ohms", "3.5 Amps", "3.5 Amps"},
    {"25", 0.0179, "32.37 Ohms", 0.45466, "106.1736 Ohms", "2.7 Amps", "2.7 Amps"},
    {"26", 0.0159, "40.81 Ohms", 0.40386, "133.8568 Ohms", "2.2 Amps", "2.2 Amps"},
    {"27", 0.0142, "51.47 Ohms", 0.36068, "168.8216 Ohms", "1.7 Amps", "1.7 Amps"},
    {"28", 0.0126, "64.9 Ohms", 0.32004, "212.872 Ohms", "1.4 Amps", "1.4 Amps"},
    {"29", 0.0113, "81.83 Ohms", 0.28702, "268.4024 Ohms", "1.2 Amps", "1.2 Amps"},
    {"30", 0.01, "103.2 Ohms", 0.254, "338.496 Ohms", "0.86 Amps", "0.89 Amps"},
    {"31", 0.0089, "130.1 Ohms", 0.22606, "426.728 Ohms", "0.7 Amps", "0.7 Amps"},
    {"32", 0.008, "164.1 Ohms", 0.2032, "538.248 Ohms", "0.53 Amps", "0.53 Amps"},
    {"33", 0.0071, "206.9 Ohms", 0.18034, "678.632 Ohms", "0.43 Amps", "0.43 Amps"},
    {"34", 0.0063, "260.9 Ohms", 0.16002, "855.752 Ohms", "0.33 Amps", "0.33 Amps"},
    {"35", 0.0056, "329 Ohms", 0.14224, "1079.12 Ohms", "0.27 Amps", "0.27 Amps"},
    {"36", 0.005, "414.8 Ohms", 0.127, "1360 Ohms", "0.21 Amps", "0.21 Amps"},
    {"37", 0.0045, "523.1 Ohms", 0.1143, "1715 Ohms", "0.17 Amps", "0.17 Amps"},
    {"38", 0.004, "659.6 Ohms", 0.1016, "2163 Ohms", "0.13 Amps", "0.13 Amps"},
    {"39", 0.0035, "831.8 Ohms", 0.0889, "2728 Ohms", "0.11 Amps", "0.11 Amps"},
    {"40", 0.0031, "1049 Ohms", 0.07874, "3440 Ohms", "0.09 Amps", "0.09 Amps"},
    {"M 2.0", 0.00787, "169.39 Ohms", 0.2, "555.61 Ohms", "0.51 Amps", "0.51 Amps"},
    {"M 1.8", 0.00709, "207.5 Ohms", 0.18, "680.55 Ohms", "0.43 Amps", "0.43 Amps"},
    {"M 1.6", 0.0063, "260.9 Ohms", 0.16, "855.752 Ohms", "0.33 Amps", "0.33 Amps"},
    {"M 1.4", 0.00551, "339 Ohms", 0.14, "1114 Ohms", "0.26 Amps", "0.26 Amps"},
    {"M 1.25", 0.00492, "428.2 Ohms", 0.125, "1404 Ohms", "0.2 Amps", "0.2 Amps"},
    {"M 1.12", 0.00441, "533.8 Ohms", 0.112, "1750 Ohms", "0.163 Amps", "0.163 Amps"},
    {"M 1", 0.00394, "670.2 Ohms", 0.1, "2198 Ohms", "0.126 Amps", "0.126 Amps"},
};

}  // namespace

std::span<const WireGauge> wireGauges() { return kWires; }

double powerTransmissionAmps(const WireDiameter& d) {
    const double mils = d.millimetres ? d.value / 25.4 * 1000 : d.value * 1000;
    const double circularMils = mils * mils;
    return circularMils / 700;
}

WireResults wireResults(const WireGauge& w, bool metric) {
    if (metric) return {cformat("%0.4f mm", {w.millimetres}), w.ohmsPerKm, w.chassisAmpsMetric};
    return {cformat("%0.4f Inches", {w.inches}), w.ohmsPer1000Feet, w.chassisAmps};
}

WireDiameter wireDiameter(const WireGauge& w, bool metric) {
    return metric ? WireDiameter{w.millimetres, true} : WireDiameter{w.inches, false};
}

}  // namespace tv
