#include "calc/board/padstack_model.h"

#include <cmath>

namespace tv::padstack {

const char* spokeWidth(double d, bool metric) {
    struct Band {
        double upTo;
        const char* text;
    };
    static constexpr Band mils[] = {{14, "6 mils"}, {22, "8 mils"}, {45, "10 mils"}, {65, "15 mils"},
                                    {124, "20 mils"}};
    static constexpr Band mm[] = {{0.3556, "0.1524 mm"}, {0.5588, "0.2032 mm"}, {1.143, "0.254 mm"},
                                  {1.651, "0.381 mm"},  {3.1496, "0.508 mm"}};
    for (const Band& b : metric ? mm : mils)
        if (d <= b.upTo) return b.text;
    return metric ? "0.635 mm" : "25 mils";
}

const std::array<BgaRow, kBgaRows>& bgaTable() {
    static constexpr std::array<BgaRow, kBgaRows> rows{{
        {"0.75 mm", "0.55 mm", "0.60 mm - 0.50 mm"},
        {"0.65 mm", "0.50 mm", "0.55 mm - 0.45 mm"},
        {"0.60 mm", "0.45 mm", "0.50 mm - 0.40 mm"},
        {"0.55 mm", "0.40 mm", "0.45 mm - 0.35 mm"},
        {"0.50 mm", "0.40 mm", "0.45 mm - 0.35 mm"},
        {"0.45 mm", "0.35 mm", "0.40 mm - 0.30 mm"},
        {"0.40 mm", "0.30 mm", "0.35 mm - 0.25 mm"},
        {"0.35 mm", "0.30 mm", "0.35 mm - 0.25 mm"},
        {"0.30 mm", "0.25 mm", "0.25 mm - 0.20 mm"},
        {"0.25 mm", "0.20 mm", "0.20 mm - 0.17 mm"},
        {"0.20 mm", "0.17 mm", "0.20 mm - 0.14 mm"},
        {"0.17 mm", "0.15 mm", "0.18 mm - 0.12 mm"},
        {"0.15 mm", "0.13 mm", "0.15 mm - 0.10 mm"},
    }};
    return rows;
}

const std::array<HolePreset, kHolePresets>& holePresets() {
    static constexpr std::array<HolePreset, kHolePresets> presets{{
        {"Custom", "32", "0.8128"},
        {"Std Tooling", "125", "3.175"},
        {"NP MTG #2", "106", "2.6924"},
        {"NP MTG #4", "136", "3.4544"},
        {"NP MTG #6", "156", "3.9624"},
        {"NP MTG #8", "185", "4.699"},
        {"NP MTG #10", "209", "5.3086"},
    }};
    return presets;
}

ThruHole platedPad(double drill, double ring, double isolation) {
    const double pad = drill + 2 * ring;
    return {pad, pad, 2 * isolation + pad, pad};
}

ThruHole nonPlatedPad(double drill, double ring, double isolation, bool metric) {
    const double inner = drill + 2 * ring;
    if (metric) return {drill, drill + 1.27, drill + 1.27, inner};
    return {drill, inner, inner + isolation, inner};
}

ConductorPad conductorPad(double pitch, double width, double spacing, double drill, double minRing) {
    ConductorPad r{};
    r.padMax = pitch - (2 * spacing + width);
    r.tooSmall = 2 * minRing + drill > r.padMax;
    r.ring = (r.padMax - drill) / 2;
    return r;
}

double bgaConductorWidth(double pitch, double land, double spacing) { return pitch - land - 2 * spacing; }

CornerToCorner cornerToCorner(double a, double b, bool metric) {
    CornerToCorner r{};
    r.diagonal = std::sqrt(b * b + a * a);
    // nearbyint rounds halves to even in the default rounding mode.
    if (metric) {
        r.minDrill = std::nearbyint((r.diagonal + 0.0508) * 1000) / 1000;
        r.maxDrill = std::nearbyint((r.diagonal + 0.2794) * 1000) / 1000;
    } else {
        r.minDrill = std::nearbyint(r.diagonal + 2);
        r.maxDrill = std::nearbyint(r.diagonal + 11);
    }
    return r;
}

}  // namespace tv::padstack
