#pragma once
// The padstack calculator's formulas and tables: thru-hole pads with their
// thermal relief, BGA lands, the largest pad between two conductors, the
// widest conductor between two BGA lands and the drill for a square pin.
// Lengths are in mils, or millimetres when `metric`.
#include <array>

namespace tv::padstack {

// Items of the " Pad Calculator Type " selector.
enum class Type { ThruHole = 0, BgaLand = 1, ConductorPad = 2, ConductorPadBga = 3, CornerToCorner = 4 };

// Spoke width of the thermal relief for a drill (each band includes its
// upper bound): "10 mils" / "0.254 mm".
const char* spokeWidth(double drill, bool metric);

// Nominal land for a solder-ball diameter (IPC-7351A), in millimetres with a
// point; the rows follow the ball items of the selector.
struct BgaRow {
    const char* ball;       // "0.75 mm"
    const char* land;       // "0.55 mm"
    const char* variation;  // "0.60 mm - 0.50 mm"
};
constexpr int kBgaRows = 13;
const std::array<BgaRow, kBgaRows>& bgaTable();

// Hole types: "Custom" and the non-plated tooling and mounting holes, with
// the drill each writes (point form).
struct HolePreset {
    const char* item;
    const char* mils;
    const char* mm;
};
constexpr int kHolePresets = 7;
const std::array<HolePreset, kHolePresets>& holePresets();

// Pad diameters of a thru-hole padstack.
struct ThruHole {
    double external;      // external layers
    double internal;      // internal signal layers
    double thermalOuter;  // plane layers: thermal outer diameter (plated) or pad (non-plated)
    double thermalInner;
};
// Plated: one pad d + 2 * ring on every layer; the relief adds the isolation
// on each side.
ThruHole platedPad(double drill, double ring, double isolation);
// Non-plated: no copper on the external layers. The imperial rule pads the
// inner layers with the ring and adds the isolation once on the planes; the
// metric rule pads inner and plane layers with a fixed 1.27 mm.
ThruHole nonPlatedPad(double drill, double ring, double isolation, bool metric);

// The largest pad that lets a conductor of `width` pass between two pads
// `pitch` apart with `spacing` on each side, and the ring it leaves around
// `drill`. `tooSmall` when that pad is smaller than drill + 2 * minRing.
struct ConductorPad {
    double padMax;
    double ring;
    bool tooSmall;
};
ConductorPad conductorPad(double pitch, double width, double spacing, double drill, double minRing);

// The widest conductor between two BGA lands of diameter `land` at `pitch`.
double bgaConductorWidth(double pitch, double land, double spacing);

// Corner-to-corner distance of a rectangular pin and the suggested drills:
// 2 and 11 mils over it, whole mils (0.0508 and 0.2794 mm, to the micrometre),
// rounded half to even.
struct CornerToCorner {
    double diagonal;
    double minDrill;
    double maxDrill;
};
CornerToCorner cornerToCorner(double a, double b, bool metric);

}  // namespace tv::padstack
