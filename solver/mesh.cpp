#include "solver/mesh.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace tv::solver {

namespace {

// The mesh's shape: the smallest panel at a corner is kCorner times the
// conductor's smallest dimension (its width or its gap to anything else);
// the charge density is singular there and a constant-density panel's error
// goes with its length. Panels grow by kGrowth of their distance from the
// nearest corner, and none near a signal conductor is longer than kCap times
// its width or its gap to a plane or an interface.
// A right-angled corner in one material has a milder singularity (the
// density goes as r^(-1/3) rather than r^(-1/2) at an edge, or worse where
// the corner meets an interface) and starts at kRightCorner times the
// smaller of that dimension and the thickness.
constexpr double kCorner = 2e-5;
constexpr double kRightCorner = 1e-2;
constexpr double kGrowth = 0.3;
constexpr double kCap = 0.12;
// Beyond this the dense system would take a large fraction of a second (a
// goal seek or sweep solves one per step) and tens of megabytes.
constexpr size_t kMaxPanels = 1000;

struct Box {
    double x0, y0, x1, y1;
    double distance(Point p) const {
        const double dx = std::max({x0 - p.x, 0.0, p.x - x1});
        const double dy = std::max({y0 - p.y, 0.0, p.y - y1});
        return std::hypot(dx, dy);
    }
    double distance(const Box& o) const {
        const double dx = std::max({o.x0 - x1, 0.0, x0 - o.x1});
        const double dy = std::max({o.y0 - y1, 0.0, y0 - o.y1});
        return std::hypot(dx, dy);
    }
};

Box boxOf(const Conductor& c) {
    const double half = std::max(c.halfBottom(), c.halfTop());
    return {c.centre - half, c.bottom(), c.centre + half, c.top()};
}

struct Source {
    Point at;
    double size;
};

// The panel size wanted at each point.
class SizeField {
public:
    void addPoint(Point p, double size) { points_.push_back({p, size}); }
    void addBox(const Box& b, double size) { boxes_.push_back({b, size}); }
    double growth = kGrowth;

    double operator()(Point p) const {
        double h = std::numeric_limits<double>::infinity();
        for (const Source& s : points_) h = std::min(h, s.size + growth * std::hypot(p.x - s.at.x, p.y - s.at.y));
        for (const auto& [box, size] : boxes_) h = std::min(h, size + growth * box.distance(p));
        return h;
    }

private:
    std::vector<Source> points_;
    std::vector<std::pair<Box, double>> boxes_;
};

// A straight piece of boundary before it is cut into panels.
struct Segment {
    Point a, b;
    Point normal;
    PanelKind kind;
    int net;
    bool selfMirrored;
    double erPlus, erMinus;
};

// Cuts a segment into panels whose lengths follow the size field.
void divide(const Segment& s, const SizeField& size, std::vector<Panel>& out) {
    const double len = std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
    if (!(len > 0)) return;
    // Dimensions near the largest number leave no panel length to compute.
    if (!std::isfinite(len)) throw std::invalid_argument("the cross-section's dimensions are out of range");
    auto at = [&](double t) { return Point{s.a.x + t / len * (s.b.x - s.a.x), s.a.y + t / len * (s.b.y - s.a.y)}; };
    // The number of panels wanted up to each point, integrated in small steps.
    std::vector<double> ts{0}, counts{0};
    double t = 0, count = 0;
    while (t < len) {
        const double h = size(at(t));
        double step = std::min(0.2 * h, len - t);
        const double hMid = size(at(t + step / 2));
        step = std::min(0.2 * hMid, len - t);
        count += step / size(at(t + step / 2));
        t += step;
        // A step of no length or a count that is not a number would never end.
        if (!(step > 0) || !std::isfinite(count))
            throw std::invalid_argument("the cross-section's dimensions are out of range");
        if (count > kMaxPanels) throw std::invalid_argument("the cross-section's proportions need too fine a mesh");
        ts.push_back(t);
        counts.push_back(count);
    }
    const int n = std::max(1, static_cast<int>(std::ceil(count - 1e-9)));
    std::vector<double> cuts{0};
    size_t k = 1;
    for (int i = 1; i < n; ++i) {
        const double target = count * i / n;
        while (counts[k] < target) ++k;
        const double f = (target - counts[k - 1]) / (counts[k] - counts[k - 1]);
        cuts.push_back(ts[k - 1] + f * (ts[k] - ts[k - 1]));
    }
    cuts.push_back(len);
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        Panel p;
        p.a = at(cuts[i]);
        p.b = at(cuts[i + 1]);
        p.mid = {(p.a.x + p.b.x) / 2, (p.a.y + p.b.y) / 2};
        p.length = cuts[i + 1] - cuts[i];
        p.normal = s.normal;
        p.kind = s.kind;
        p.net = s.net;
        p.selfMirrored = s.selfMirrored;
        p.erPlus = s.erPlus;
        p.erMinus = s.erMinus;
        out.push_back(p);
    }
}

// Keeps the part of a segment on the kept side of the mirror line.
bool clip(const CrossSection& cs, Segment& s) {
    if (cs.mirror == Mirror::None) return true;
    const bool vertical = cs.mirror == Mirror::Vertical;
    auto coord = [&](Point p) { return vertical ? p.x : p.y; };
    const double m = cs.mirrorAt;
    const double ca = coord(s.a) - m, cb = coord(s.b) - m;
    const double eps = 1e-12 * (1 + std::fabs(m));
    if (ca <= eps && cb <= eps) return false;
    if (ca >= -eps && cb >= -eps) return true;
    const double f = ca / (ca - cb);
    const Point cut{s.a.x + f * (s.b.x - s.a.x), s.a.y + f * (s.b.y - s.a.y)};
    if (ca < 0) s.a = cut;
    else s.b = cut;
    return true;
}

bool crossesMirror(const CrossSection& cs, const Conductor& c) {
    if (cs.mirror == Mirror::Vertical) {
        const double half = std::max(c.halfBottom(), c.halfTop());
        return c.centre - half < cs.mirrorAt && c.centre + half > cs.mirrorAt;
    }
    if (cs.mirror == Mirror::Horizontal) return c.bottom() < cs.mirrorAt && c.top() > cs.mirrorAt;
    return false;
}

}  // namespace

Mesh buildMesh(const CrossSection& cs, const MeshOptions& options) {
    if (cs.conductors.empty()) throw std::invalid_argument("no conductor");
    const double density = options.density;
    const std::vector<double> interfaces = cs.interfaces();

    // The size of the cross-section, and its extent sideways.
    double left = std::numeric_limits<double>::infinity(), right = -left, high = 0;
    for (const Conductor& c : cs.conductors) {
        const Box b = boxOf(c);
        left = std::min(left, b.x0);
        right = std::max(right, b.x1);
        high = std::max(high, std::fabs(b.y1));
        high = std::max(high, std::fabs(b.y0));
    }
    for (const Layer& l : cs.layers) high = std::max({high, std::fabs(l.top), std::fabs(l.bottom)});
    if (cs.planes == Planes::Both) high = std::max(high, cs.planeGap);
    const double scale = std::max(right - left, high);
    const double reachLeft = left - options.reach * scale, reachRight = right + options.reach * scale;

    // Each conductor's smallest dimension: its width, its gap to any plane,
    // interface or other conductor.
    std::vector<Box> signalBoxes;
    for (const Conductor& c : cs.conductors)
        if (c.net >= 0) signalBoxes.push_back(boxOf(c));
    SizeField size;
    for (const Conductor& c : cs.conductors) {
        const Box b = boxOf(c);
        double width = std::max(c.baseWidth, c.farWidth);
        if (std::min(c.baseWidth, c.farWidth) > 0) width = std::min(c.baseWidth, c.farWidth);
        double layerGap = std::numeric_limits<double>::infinity();
        if (cs.planes != Planes::None) layerGap = std::min(layerGap, c.bottom());
        if (cs.planes == Planes::Both) layerGap = std::min(layerGap, cs.planeGap - c.top());
        for (double y : interfaces) {
            if (y < c.bottom()) layerGap = std::min(layerGap, c.bottom() - y);
            if (y > c.top()) layerGap = std::min(layerGap, y - c.top());
        }
        double gap = layerGap;
        for (const Conductor& o : cs.conductors)
            if (&o != &c) gap = std::min(gap, b.distance(boxOf(o)));
        if (!(gap > 0)) throw std::invalid_argument("conductors touch each other or a plane");
        const double span = std::min(width, gap);
        const double sharp = kCorner * span / density;
        const double right = c.thickness > 0 ? kRightCorner * std::min(span, c.thickness) / density : sharp;
        const double lo = c.halfBottom(), hi = c.halfTop();
        const Point corners[4] = {{c.centre - lo, c.bottom()}, {c.centre + lo, c.bottom()},
                                  {c.centre + hi, c.top()}, {c.centre - hi, c.top()}};
        for (const Point& p : corners) {
            // A ground's corners far from the signal carry little charge and
            // may be coarse.
            double d = c.net < 0 ? std::numeric_limits<double>::infinity() : 0;
            if (c.net < 0)
                for (const Box& s : signalBoxes) d = std::min(d, s.distance(p));
            const double grow = 1 + d / span;
            const bool onInterface = std::find(interfaces.begin(), interfaces.end(), p.y) != interfaces.end();
            size.addPoint(p, (onInterface ? sharp : right) * grow * grow);
        }
        for (double y : interfaces)
            if (y > c.bottom() && y < c.top()) {
                double l, r;
                c.spanAt(y, l, r);
                size.addPoint({l, y}, sharp);
                size.addPoint({r, y}, sharp);
            }
        // Far from its edges a wide conductor's charge is even: its cap grows
        // with the width once the width is many gaps.
        if (c.net >= 0) size.addBox(b, kCap * std::max(std::min(width, layerGap), width / 20) / density);
    }

    std::vector<Segment> segments;
    // Conductors: the faces (cut where they cross an interface) or the strip.
    for (const Conductor& c : cs.conductors) {
        const bool self = crossesMirror(cs, c);
        if (c.thickness <= 0) {
            const double y = c.bottom(), h = c.halfBottom();
            const double step = 1e-9 * (1 + std::fabs(y));
            segments.push_back({{c.centre - h, y}, {c.centre + h, y}, {0, 1}, PanelKind::Strip, c.net, self,
                                cs.erAt(y + step), cs.erAt(y - step)});
            continue;
        }
        const double lo = c.halfBottom(), hi = c.halfTop();
        // Counter-clockwise, so that the outward normal is on the right.
        const Point v[4] = {{c.centre - lo, c.bottom()}, {c.centre + lo, c.bottom()},
                            {c.centre + hi, c.top()}, {c.centre - hi, c.top()}};
        for (int i = 0; i < 4; ++i) {
            const Point a = v[i], b = v[(i + 1) % 4];
            const double len = std::hypot(b.x - a.x, b.y - a.y);
            if (!(len > 0)) continue;
            const Point n{(b.y - a.y) / len, -(b.x - a.x) / len};
            // The heights where the face changes material.
            std::vector<double> cuts{0, 1};
            for (double y : interfaces)
                if ((y - a.y) * (y - b.y) < 0) cuts.push_back((y - a.y) / (b.y - a.y));
            std::sort(cuts.begin(), cuts.end());
            for (size_t k = 0; k + 1 < cuts.size(); ++k) {
                const Point pa{a.x + cuts[k] * (b.x - a.x), a.y + cuts[k] * (b.y - a.y)};
                const Point pb{a.x + cuts[k + 1] * (b.x - a.x), a.y + cuts[k + 1] * (b.y - a.y)};
                const double probe = 1e-9 * scale;
                const double er = cs.erAt((pa.y + pb.y) / 2 + probe * n.y);
                segments.push_back({pa, pb, n, PanelKind::Face, c.net, self, er, er});
            }
        }
    }
    // Interfaces, less where conductors cover them.
    for (double y : interfaces) {
        std::vector<std::pair<double, double>> covered;
        for (const Conductor& c : cs.conductors) {
            double l, r;
            if (c.spanAt(y, l, r)) covered.push_back({l, r});
        }
        std::sort(covered.begin(), covered.end());
        const double step = 1e-9 * (1 + std::fabs(y));
        const double above = cs.erAt(y + step), below = cs.erAt(y - step);
        double from = reachLeft;
        auto add = [&](double x0, double x1) {
            if (x1 > x0) segments.push_back({{x0, y}, {x1, y}, {0, 1}, PanelKind::Interface, -2, false, above, below});
        };
        for (const auto& [l, r] : covered) {
            add(from, std::min(l, reachRight));
            from = std::max(from, r);
        }
        add(from, reachRight);
    }

    Mesh mesh;
    for (Segment& s : segments)
        if (clip(cs, s)) divide(s, size, mesh.panels);
    if (mesh.panels.size() > kMaxPanels)
        throw std::invalid_argument("the cross-section's proportions need too fine a mesh");
    return mesh;
}

}  // namespace tv::solver
