#pragma once
// Minimum electrical clearance between conductors (IPC-2221B): a table by
// voltage range and device type up to 500 V, a straight line per device type
// above it.
namespace tv::spacing {

// Rows: the nine voltage ranges "0 -15V" .. "301 - 500V"; the tenth item of
// the voltage selector ("> 500V") is computed.
constexpr int kVoltageRanges = 9;
constexpr int kAbove500 = 9;
// Columns: B1, B2, B3, B4 (bare boards), A5, A6, A7 (assemblies).
constexpr int kDeviceTypes = 7;

struct Cell {
    const char* mils;  // "1.97 mils"
    const char* mm;    // "0.05 mm"
};
// The table text of a range and device type; nullptr outside the table.
const Cell* tableCell(int range, int device);

// Spacing above 500 V: (V - 500) * slope + base, in mils or millimetres. The
// base is the device type's "301 - 500V" value.
double above500(double volts, int device, bool metric);

}  // namespace tv::spacing
