// Times the field solver on each cross-section of the impedance panels, at
// their default inputs (mils, Er 4.6), and reports the unknowns solved for.
#include <benchmark/benchmark.h>

#include "solver/sections.h"
#include "solver/solve.h"

namespace {

using namespace tv::solver;

// The panels' defaults: W 5, H 10, H2/C/G 8 for single lines with 0.5oz base
// copper (1oz plating on the outer layers); W 10, S 5, H 15, H2 5 for pairs.
SectionInput defaults(LineType type) {
    SectionInput in;
    in.er = 4.6;
    if (isPair(type)) {
        in.w = 10, in.s = 5, in.h = 15, in.h1 = 15, in.h2 = 5;
        if (type == LineType::EdgeEmbedded) in.h1 = 5, in.h2 = 15;
        in.t = type == LineType::EdgeExternal ? 2.1 : 0.7;
    } else {
        in.w = 5, in.h = 10, in.h1 = 10, in.h2 = 8, in.c = 8, in.g = 8;
        in.t = type == LineType::Microstrip || type == LineType::Cpwg ? 2.1 : 0.7;
    }
    return in;
}

void BM_FieldSolver(benchmark::State& state) {
    const auto type = static_cast<LineType>(state.range(0));
    state.SetLabel(std::string(typeName(type)));
    const CrossSection cs = crossSection(type, defaults(type));
    int unknowns = 0;
    for (auto _ : state) {
        if (isPair(type)) {
            const PairResult r = solvePair(cs);
            benchmark::DoNotOptimize(r.zdiff);
            unknowns = r.unknowns;
        } else {
            const LineResult r = solveLine(cs);
            benchmark::DoNotOptimize(r.z0);
            unknowns = r.unknowns;
        }
    }
    state.counters["unknowns"] = unknowns;
}
BENCHMARK(BM_FieldSolver)->DenseRange(0, kLineTypes - 1)->Unit(benchmark::kMillisecond);

}  // namespace
