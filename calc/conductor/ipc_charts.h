#pragma once
// The IPC current power law and the IPC-2152 correction charts: plain
// functions on numbers, shared by the conductor and via calculators.
namespace tv {

// Exponents of the power law I = k * dT^0.44 * A^0.725.
constexpr double kIpcRiseExponent = 0.44;
constexpr double kIpcAreaExponent = 0.725;
// Constant k: 0.024 for every IPC-2152 conductor and for internal IPC-2221
// conductors, 0.048 for external IPC-2221 conductors.
constexpr double kIpcInternalK = 0.024;
constexpr double kIpcExternalK = 0.048;
// Square mils per square millimetre, as the calculators round it.
constexpr double kSqMilsPerSqMm = 1550;

// Current in amperes for a rise in degrees C and a cross-section in square mils.
double ipcCurrent(double k, double rise, double areaSqMils);
// The inverse: the cross-section in square mils that carries the current.
double ipcArea(double k, double rise, double current);

// Copper modifier (Mcu) for a temperature rise and a cross-section, the area in
// square mils (imperial) or square millimetres (metric). The two charts differ
// in one cell: 30-40 sq mils (0.0194-0.0258 sq mm) at a rise of 60 to 100.
double copperModifier(double rise, double area, bool metric);
// Board-thickness modifier (Mboard) for a thickness in mils or mm. The via
// calculator looks its via height up in the same chart.
double boardThicknessModifier(double thickness, bool metric);
// Plane modifier (Mplane) for the distance to a plane in mils or mm and the
// plane thickness index (0 thin plane, 1 2 oz plane). Without a plane the
// modifier is 1.0; that choice is the caller's.
double planeModifier(double distance, int planeIndex, bool metric);

// The mode label of the via and conductor panels for the IPC version of the
// options window (0 IPC-2152 with modifiers, 1 without, 2 IPC-2221).
const char* ipcModeText(int version);

}  // namespace tv
