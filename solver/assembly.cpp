#include "solver/assembly.h"

#include <cmath>

#include "solver/kernel.h"

namespace tv::solver {

namespace {

Point mirrored(const CrossSection& cs, Point p) {
    if (cs.mirror == Mirror::Vertical) return {2 * cs.mirrorAt - p.x, p.y};
    return {p.x, 2 * cs.mirrorAt - p.y};
}

bool splitStrip(const Panel& p) { return p.kind == PanelKind::Strip && p.erPlus != p.erMinus; }

}  // namespace

Influence influence(const CrossSection& cs, const Mesh& mesh) {
    const Kernel kernel(cs.planes, cs.planeGap);
    const auto& panels = mesh.panels;
    const int n = static_cast<int>(panels.size());
    const bool mirror = cs.mirror != Mirror::None;
    Influence inf;
    inf.direct.resize(n, n);
    if (mirror) inf.mirror.resize(n, n);
    std::vector<int> stripIndex(n, -1);
    for (int i = 0; i < n; ++i)
        if (splitStrip(panels[i])) {
            stripIndex[i] = static_cast<int>(inf.stripRows.size());
            inf.stripRows.push_back(i);
        }
    const auto strips = static_cast<Eigen::Index>(inf.stripRows.size());
    inf.stripDirect.setZero(strips, n);
    if (mirror) inf.stripMirror.setZero(strips, n);

    // A row holds the potential on conductors and the normal field on
    // interfaces.
    auto entry = [](const Panel& obs, const PanelField& f, double& value, double& normal) {
        normal = f.ex * obs.normal.x + f.ey * obs.normal.y;
        value = obs.kind == PanelKind::Interface ? -normal : f.potential;
    };
    for (int j = 0; j < n; ++j) {
        const Panel& src = panels[j];
        const Point ma = mirror ? mirrored(cs, src.a) : Point{}, mb = mirror ? mirrored(cs, src.b) : Point{};
        for (int i = 0; i < n; ++i) {
            const Panel& obs = panels[i];
            const bool field = obs.kind == PanelKind::Interface || stripIndex[i] >= 0;
            double normal;
            entry(obs, kernel.panel(obs.mid, src.a, src.b, i == j, field), inf.direct(i, j), normal);
            if (stripIndex[i] >= 0) inf.stripDirect(stripIndex[i], j) = normal;
            if (!mirror) continue;
            entry(obs, kernel.panel(obs.mid, ma, mb, false, field), inf.mirror(i, j), normal);
            if (stripIndex[i] >= 0) inf.stripMirror(stripIndex[i], j) = normal;
        }
    }
    return inf;
}

System assemble(const CrossSection& cs, const Mesh& mesh, const Influence& inf, int parity) {
    System sys;
    const bool mirror = cs.mirror != Mirror::None;
    sys.matrix = mirror ? Eigen::MatrixXd(inf.direct + parity * inf.mirror) : inf.direct;
    sys.stripField = mirror ? Eigen::MatrixXd(inf.stripDirect + parity * inf.stripMirror) : inf.stripDirect;
    sys.stripRows = inf.stripRows;
    // The jump of the normal field across an interface's own charge.
    for (int i = 0; i < static_cast<int>(mesh.panels.size()); ++i) {
        const Panel& p = mesh.panels[i];
        if (p.kind == PanelKind::Interface) sys.matrix(i, i) += M_PI * (p.erMinus + p.erPlus) / (p.erMinus - p.erPlus);
    }
    return sys;
}

}  // namespace tv::solver
