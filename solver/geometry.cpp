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

int CrossSection::signalCount() const {
    int n = 0;
    for (const Conductor& c : conductors) n = std::max(n, c.net + 1);
    return n;
}

}  // namespace tv::solver
