#pragma once
// PTF resistors embedded in the board, from the sheet resistance of the
// resistive material (ohms per square).
namespace tv::resistor {

// A rectangular strip of length L and width W (mils, or millimetres when
// metric): L / W squares of the material.
struct Strip {
    double ohms;
    double area;  // square mils, or square millimetres when metric
};
Strip strip(double sheetOhms, double length, double width, bool metric);

// An annular resistor around an inner diameter: the ring reaching the target
// resistance Rt = Rs / (2 pi) * ln(Dout / Din), solved for Dout. Lengths in
// the unit system's length, the area in its square.
struct Ring {
    double outer;
    double thickness;  // Dout - Din
    double area;
};
Ring ring(double sheetOhms, double inner, double targetOhms);

}  // namespace tv::resistor
