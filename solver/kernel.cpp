#include "solver/kernel.h"

#include <cmath>
#include <stdexcept>

namespace tv::solver {

namespace {

// x ln r, with its limit 0 at r = 0.
double xLogR(double x, double r) { return r > 0 ? x * std::log(r) : 0.0; }

// Gauss-Legendre rules on [0, 1] with one, two and three points.
struct Rule {
    int n;
    double x[3], w[3];
};
constexpr Rule kRules[3] = {
    {1, {0.5}, {1.0}},
    {2, {0.2113248654051871, 0.7886751345948129}, {0.5, 0.5}},
    {3, {0.1127016653792583, 0.5, 0.8872983346207417}, {0.2777777777777778, 0.4444444444444444, 0.2777777777777778}},
};

}  // namespace

PanelField freeSpacePanel(Point p, Point a, Point b, bool onPanel) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double mx = p.x - (a.x + b.x) / 2, my = p.y - (a.y + b.y) / 2;
    if (!onPanel && mx * mx + my * my > 16 * len2) {
        // Far from the panel the two-point Gauss rule is exact to a few
        // parts in a million of the panel's share, at a fraction of the cost.
        constexpr double g = 0.2886751345948129;  // half of 1/sqrt(3)
        const double x1 = mx + g * dx, y1 = my + g * dy;
        const double x2 = mx - g * dx, y2 = my - g * dy;
        const double r1 = x1 * x1 + y1 * y1, r2 = x2 * x2 + y2 * y2;
        const double half = std::sqrt(len2) / 2;
        PanelField f;
        f.potential = -half / 2 * std::log(r1 * r2);
        f.ex = half * (x1 / r1 + x2 / r2);
        f.ey = half * (y1 / r1 + y2 / r2);
        return f;
    }
    const double len = std::sqrt(len2);
    const double ux = dx / len, uy = dy / len;
    // Along-panel coordinates of the ends relative to the point, and the
    // point's distance from the panel's line (left of the direction a -> b).
    const double x1 = (a.x - p.x) * ux + (a.y - p.y) * uy;
    const double x2 = x1 + len;
    double v = (p.x - a.x) * -uy + (p.y - a.y) * ux;
    if (onPanel || std::fabs(v) <= 1e-13 * len) v = 0;
    const double r1 = std::hypot(x1, v), r2 = std::hypot(x2, v);
    // theta: the angle the panel subtends at the point, signed with v.
    const double theta = v == 0 ? 0.0 : std::atan2(v * len, x1 * x2 + v * v);
    // Integral of ln r along the panel.
    const double integral = xLogR(x2, r2) - xLogR(x1, r1) - len + v * theta;
    PanelField f;
    f.potential = -integral;
    // The gradient of the integral with respect to the point.
    double along = 0;
    if (r1 > 0 && r2 > 0) along = std::log(r1 / r2);
    f.ex = along * ux + theta * -uy;
    f.ey = along * uy + theta * ux;
    return f;
}

Kernel::Kernel(Planes planes, double planeGap) : planes_(planes), gap_(planeGap) {
    if (planes == Planes::Both && !(planeGap > 0)) throw std::invalid_argument("the planes must be apart");
}

double Kernel::parallelPlateRemainder(Point p, Point s) const {
    const double k = M_PI / gap_;
    const double a = k * (p.x - s.x) / 2;
    const double sb = std::sin(k * (p.y - s.y) / 2);
    const double sc = std::sin(k * (p.y + s.y) / 2);
    const double d = std::hypot(p.x - s.x, p.y - s.y);
    const double d0 = std::hypot(p.x - s.x, p.y + s.y);
    const double dB = std::hypot(p.x - s.x, 2 * gap_ - s.y - p.y);
    // The closed form: 1/2 ln[(sinh^2 a + sin^2 c)/(sinh^2 a + sin^2 b)],
    // with the source's own logarithm and the two near images removed.
    // Far along the planes the closed form itself has decayed to nothing.
    if (std::fabs(a) > 300) return std::log(d) - std::log(d0) - std::log(dB);
    const double sh = std::sinh(a);
    const double num = sh * sh + sc * sc;
    const double den = sh * sh + sb * sb;
    double lnDenOverD;  // 1/2 ln(den) - ln d
    if (d < 1e-9 * gap_) lnDenOverD = std::log(k / 2);
    else lnDenOverD = 0.5 * std::log(den) - std::log(d);
    return 0.5 * std::log(num) - lnDenOverD - std::log(d0) - std::log(dB);
}

PanelField Kernel::panel(Point p, Point a, Point b, bool onPanel, bool wantField) const {
    PanelField f = freeSpacePanel(p, a, b, onPanel);
    if (planes_ == Planes::None) return f;
    // The image in the plane y = 0 carries the opposite charge.
    const PanelField low = freeSpacePanel(p, {a.x, -a.y}, {b.x, -b.y}, false);
    f.potential -= low.potential;
    f.ex -= low.ex;
    f.ey -= low.ey;
    if (planes_ == Planes::Below) return f;
    if (wantField) throw std::logic_error("fields between two planes are not needed for a single material");
    const PanelField high = freeSpacePanel(p, {a.x, 2 * gap_ - a.y}, {b.x, 2 * gap_ - b.y}, false);
    f.potential -= high.potential;
    // The smooth remainder by Gauss quadrature along the panel; it varies on
    // the scale of the plane gap, so short panels need fewer points.
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const Rule& rule = kRules[len < 0.03 * gap_ ? 0 : len < 0.3 * gap_ ? 1 : 2];
    double sum = 0;
    for (int i = 0; i < rule.n; ++i) {
        const double t = rule.x[i];
        sum += rule.w[i] * parallelPlateRemainder(p, {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
    f.potential += len * sum;
    return f;
}

}  // namespace tv::solver
