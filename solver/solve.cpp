#include "solver/solve.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "solver/assembly.h"

namespace tv::solver {

namespace {

// Solves both parities that were asked for on one mesh and one influence pass.
struct Solver {
    const CrossSection& cs;
    Mesh mesh;
    Influence inf;
    std::vector<int> nets;        // signal nets present in the meshed half
    std::vector<int> conductors;  // the panels on conductors

    Solver(const CrossSection& section, const MeshOptions& options)
        : cs(section), mesh(buildMesh(section, options)), inf(influence(section, mesh)) {
        for (int i = 0; i < static_cast<int>(mesh.panels.size()); ++i) {
            const Panel& p = mesh.panels[i];
            if (!p.onConductor()) continue;
            conductors.push_back(i);
            if (p.net >= 0 && std::find(nets.begin(), nets.end(), p.net) == nets.end()) nets.push_back(p.net);
        }
        std::sort(nets.begin(), nets.end());
        if (nets.empty()) throw std::invalid_argument("no signal conductor in the meshed half");
    }

    Capacitances solve(int parity) const {
        const auto& panels = mesh.panels;
        const int n = static_cast<int>(panels.size());
        const int m = static_cast<int>(nets.size());
        const System sys = assemble(cs, mesh, inf, parity);
        for (const Panel& p : panels)
            if (p.selfMirrored && parity < 0 && p.net >= 0)
                throw std::invalid_argument("a conductor across the mirror line cannot take the opposite charge");

        Eigen::MatrixXd rhs = Eigen::MatrixXd::Zero(n, m);
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < m; ++k)
                if (panels[i].onConductor() && panels[i].net == nets[k]) rhs(i, k) = 1;
        const Eigen::MatrixXd sigma = sys.matrix.partialPivLu().solve(rhs);
        const Eigen::MatrixXd stripField = sys.stripField * sigma;

        // Without interfaces the vacuum system is the same one.
        const bool interfaces = conductors.size() < panels.size();
        Eigen::MatrixXd sigma0;
        if (interfaces) {
            const Eigen::MatrixXd a0 = sys.matrix(conductors, conductors);
            sigma0 = a0.partialPivLu().solve(rhs(conductors, Eigen::all));
        }

        // Potentials of 1 solved for are 1/(2 pi eps0) volts.
        const double unit = 2 * M_PI * kEps0;
        Capacitances c;
        c.withDielectric = Eigen::MatrixXd::Zero(m, m);
        c.vacuum = Eigen::MatrixXd::Zero(m, m);
        c.unknowns = n;
        std::vector<int> strip(n, -1);
        for (size_t k = 0; k < sys.stripRows.size(); ++k) strip[sys.stripRows[k]] = static_cast<int>(k);
        for (size_t ci = 0; ci < conductors.size(); ++ci) {
            const int i = conductors[ci];
            const Panel& p = panels[i];
            if (p.net < 0) continue;
            const int row = static_cast<int>(std::find(nets.begin(), nets.end(), p.net) - nets.begin());
            // The mirror half of a conductor across the line carries the same charge.
            const double count = p.selfMirrored ? 2 : 1;
            for (int k = 0; k < m; ++k) {
                const double s = sigma(i, k);
                // The free charge: the total charge times the material it
                // faces; a strip splits it between its two sides by the
                // field of all the other charges.
                double free = p.erPlus * s;
                if (p.kind == PanelKind::Strip) {
                    free = (p.erPlus + p.erMinus) / 2 * s;
                    if (strip[i] >= 0) free += (p.erPlus - p.erMinus) / (2 * M_PI) * stripField(strip[i], k);
                }
                c.withDielectric(row, k) += unit * count * p.length * free;
                c.vacuum(row, k) += unit * count * p.length * (interfaces ? sigma0(static_cast<Eigen::Index>(ci), k) : s);
            }
        }
        return c;
    }
};

CrossSection withoutMirror(CrossSection cs) {
    cs.mirror = Mirror::None;
    return cs;
}

}  // namespace

Capacitances capacitances(const CrossSection& section, int parity, const MeshOptions& options) {
    return Solver(section, options).solve(parity);
}

LineResult solveLine(const CrossSection& section, const MeshOptions& options) {
    if (section.signalCount() != 1) throw std::invalid_argument("a line has one signal conductor");
    const Capacitances c = Solver(section, options).solve(+1);
    LineResult r = lineFromCapacitance(c.withDielectric(0, 0), c.vacuum(0, 0));
    r.unknowns = c.unknowns;
    return r;
}

PairResult solvePair(const CrossSection& section, const MeshOptions& options) {
    if (section.signalCount() != 2) throw std::invalid_argument("a pair has two signal conductors");
    if (section.mirror == Mirror::None) throw std::invalid_argument("a pair needs its mirror line");
    const Solver solver(section, options);
    if (solver.nets.size() != 1) throw std::invalid_argument("the mirror line must part the pair");
    const Capacitances odd = solver.solve(-1);
    // Without a ground the pair's common mode has no return and no capacitance.
    Capacitances even;
    even.withDielectric = even.vacuum = Eigen::MatrixXd::Zero(1, 1);
    if (section.planes != Planes::None) even = solver.solve(+1);
    PairResult r = pairFromModes(even.withDielectric(0, 0), even.vacuum(0, 0), odd.withDielectric(0, 0), odd.vacuum(0, 0));
    r.unknowns = odd.unknowns;

    // One conductor alone, symmetric about its own centre.
    if (section.planes == Planes::None) {
        r.single.z0 = std::numeric_limits<double>::infinity();
        r.single.eeff = std::numeric_limits<double>::quiet_NaN();
    } else {
        CrossSection one = withoutMirror(section);
        const int keep = solver.nets.front();
        std::erase_if(one.conductors, [&](const Conductor& c) { return c.net >= 0 && c.net != keep; });
        for (Conductor& c : one.conductors)
            if (c.net == keep) {
                c.net = 0;
                one.mirror = Mirror::Vertical;
                one.mirrorAt = c.centre;
            }
        r.single = solveLine(one, options);
        r.unknowns = std::max(r.unknowns, r.single.unknowns);
    }
    return r;
}

}  // namespace tv::solver
