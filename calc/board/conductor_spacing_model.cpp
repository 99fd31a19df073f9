#include "calc/board/conductor_spacing_model.h"

namespace tv::spacing {

namespace {

// The imperial texts are the millimetre values at 39.37 mils per millimetre,
// rounded to two decimals.
constexpr Cell k005{"1.97 mils", "0.05 mm"}, k010{"3.94 mils", "0.10 mm"}, k013{"5.12 mils", "0.13 mm"},
    k020{"7.87 mils", "0.20 mm"}, k025{"9.84 mils", "0.25 mm"}, k040{"15.75 mils", "0.40 mm"},
    k050{"19.69 mils", "0.50 mm"}, k060{"23.62 mils", "0.60 mm"}, k080{"31.50 mils", "0.80 mm"},
    k125{"49.21 mils", "1.25 mm"}, k150{"59.06 mils", "1.50 mm"}, k250{"98.43 mils", "2.50 mm"},
    k320{"125.98 mils", "3.20 mm"}, k640{"251.97 mils", "6.40 mm"}, k1250{"492.13 mils", "12.50 mm"};

//                                              B1    B2    B3     B4    A5    A6    A7
constexpr Cell kTable[kVoltageRanges][kDeviceTypes] = {
    /* 0 -15V     */ {k005, k010, k010, k005, k013, k013, k013},
    /* 16 - 30V   */ {k005, k010, k010, k005, k013, k025, k013},
    /* 31 - 50V   */ {k010, k060, k060, k013, k013, k040, k013},
    /* 51 - 100V  */ {k010, k060, k150, k013, k013, k050, k013},
    /* 101 - 150V */ {k020, k060, k320, k040, k040, k080, k040},
    /* 151 - 170V */ {k020, k125, k320, k040, k040, k080, k040},
    /* 171 - 250V */ {k020, k125, k640, k040, k040, k080, k040},
    /* 251 - 300V */ {k020, k125, k1250, k040, k040, k080, k080},
    /* 301 - 500V */ {k025, k250, k1250, k080, k080, k150, k080},
};

struct Line {
    double milsSlope, milsBase, mmSlope, mmBase;
};
constexpr Line kAbove[kDeviceTypes] = {
    {0.098425, 9.8425, 0.0025, 0.25},    // B1
    {0.19685, 98.42519, 0.005, 2.5},     // B2
    {0.984252, 492.12598, 0.025, 12.5},  // B3
    {0.12007, 31.49606, 0.00305, 0.8},   // B4
    {0.12007, 31.49606, 0.00305, 0.8},   // A5
    {0.12007, 59.05512, 0.00305, 1.5},   // A6
    {0.12007, 31.49606, 0.00305, 0.8},   // A7
};

}  // namespace

const Cell* tableCell(int range, int device) {
    if (range < 0 || range >= kVoltageRanges || device < 0 || device >= kDeviceTypes) return nullptr;
    return &kTable[range][device];
}

double above500(double volts, int device, bool metric) {
    if (device < 0 || device >= kDeviceTypes) device = 0;
    const Line& l = kAbove[device];
    return metric ? (volts - 500) * l.mmSlope + l.mmBase : (volts - 500) * l.milsSlope + l.milsBase;
}

}  // namespace tv::spacing
