#include "solver/geometry.h"

#include <algorithm>
#include <cmath>

namespace tv::solver {

bool Conductor::spanAt(double y, double& left, double& right) const {
    if (y < bottom() || y > top()) return false;
    const double f = thickness > 0 ? (y - bottom()) / thickness : 0;
    const double half = halfBottom() + f * (halfTop() - halfBottom());
    left = centre - half;
    right = centre + half;
    return true;
}

double CrossSection::erAt(double y) const {
    for (const Layer& l : layers)
        if (y > l.bottom && y < l.top) return l.er;
    return 1;
}

std::vector<double> CrossSection::interfaces() const {
    std::vector<double> ys;
    for (const Layer& l : layers) {
        ys.push_back(l.bottom);
        ys.push_back(l.top);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<double> out;
    for (double y : ys) {
        if (planes != Planes::None && y <= 0) continue;
        if (planes == Planes::Both && y >= planeGap) continue;
        const double step = 1e-9 * (1 + std::fabs(y));
        if (erAt(y - step) != erAt(y + step)) out.push_back(y);
    }
    return out;
}

bool CrossSection::homogeneous(double* er) const {
    if (!interfaces().empty()) return false;
    // No change of material between the planes: the material is the one at
    // any conductor.
    const double y = conductors.empty() ? 0 : conductors.front().bottom() + conductors.front().thickness / 2;
    const double value = erAt(y == 0 ? 1e-9 : y);
    if (planes != Planes::Both) {
        // Without a closing plane the space above reaches vacuum, unless a
        // layer runs to the top of every conductor's world; a finite layer
        // always ends, so only a vacuum cross-section is homogeneous.
        if (value != 1) return false;
    }
    if (er) *er = value;
    return true;
}

int CrossSection::signalCount() const {
    int n = 0;
    for (const Conductor& c : conductors) n = std::max(n, c.net + 1);
    return n;
}

}  // namespace tv::solver
