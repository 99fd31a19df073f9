// Times goal seeks and a sweep on the model: the width of the start-up
// conductor for twice its current, of the start-up microstrip for 50 ohms,
// and the spacing of the start-up differential pair for 100 ohms.
#include <benchmark/benchmark.h>

#include <sstream>

#include "core/app.h"
#include "shell/goal_seek.h"
#include "shell/program.h"
#include "shell/script_driver.h"
#include "shell/selection.h"

namespace {

struct Started {
    std::ostringstream out;
    tv::MemorySettingsKey key;
    tv::RecordingPlatform platform{out};
    tv::App app{platform, key, tv::functionCatalogue(), "."};
    explicit Started(tv::Fn fn = tv::Fn::Conductor) {
        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        tv::buildWindows(app);
        tv::StartupSequence(app);
        tv::SelectProgramFunction(app, tv::indexOf(fn));
    }
};

// One solve from the start-up value of the input each time.
void solve(benchmark::State& state, tv::Fn fn, const char* input, const char* result, double target) {
    Started s(fn);
    tv::Component& in = s.app.c(input);
    const std::string start = in.text();
    int runs = 0;
    for (auto _ : state) {
        in.setText(start);
        auto o = tv::goalSeek(s.app, in, s.app.c(result), target, input);
        runs = o.recalculations;
        if (!o.found) state.SkipWithError("no value found");
    }
    state.counters["recalculations"] = runs;
}

void BM_SolveConductorWidth(benchmark::State& state) { solve(state, tv::Fn::Conductor, "Edit15", "Edit17", 2.9172); }
BENCHMARK(BM_SolveConductorWidth)->Unit(benchmark::kMillisecond);

void BM_SolveMicrostripWidth(benchmark::State& state) { solve(state, tv::Fn::Impedance, "Edit67", "Edit70", 50); }
BENCHMARK(BM_SolveMicrostripWidth)->Unit(benchmark::kMillisecond);

void BM_SolveDifferentialSpacing(benchmark::State& state) {
    solve(state, tv::Fn::DifferentialPairs, "Edit26", "Edit29", 100);
}
BENCHMARK(BM_SolveDifferentialSpacing)->Unit(benchmark::kMillisecond);

void BM_SweepConductorWidth(benchmark::State& state) {
    Started s;
    tv::Component& width = s.app.c("Edit15");
    std::vector<tv::Component*> results{&s.app.c("Edit17"), &s.app.c("Edit20")};
    for (auto _ : state) benchmark::DoNotOptimize(tv::sweep(s.app, width, 5, 500, 100, results, true));
}
BENCHMARK(BM_SweepConductorWidth)->Unit(benchmark::kMillisecond);

}  // namespace
