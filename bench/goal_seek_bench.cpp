// Times a goal seek and a sweep on the model: the width of the start-up
// conductor for twice its current.
#include <benchmark/benchmark.h>

#include <sstream>

#include "app.h"
#include "goal_seek.h"
#include "program.h"
#include "script_driver.h"
#include "selection.h"

namespace {

struct Started {
    std::ostringstream out;
    tv::MemorySettingsKey key;
    tv::RecordingPlatform platform{out};
    tv::App app{platform, key, tv::functionCatalogue(), "."};
    Started() {
        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        tv::buildWindows(app);
        tv::StartupSequence(app);
        tv::SelectProgramFunction(app, tv::indexOf(tv::Fn::Conductor));
    }
};

void BM_SolveConductorWidth(benchmark::State& state) {
    Started s;
    tv::Component& width = s.app.c("Edit15");
    tv::Component& current = s.app.c("Edit17");
    int runs = 0;
    for (auto _ : state) {
        width.setText("10");
        auto o = tv::goalSeek(s.app, width, current, 2.9172, "width");
        runs = o.recalculations;
        if (!o.found) state.SkipWithError("no width found");
    }
    state.counters["recalculations"] = runs;
}
BENCHMARK(BM_SolveConductorWidth)->Unit(benchmark::kMillisecond);

void BM_SweepConductorWidth(benchmark::State& state) {
    Started s;
    tv::Component& width = s.app.c("Edit15");
    std::vector<tv::Component*> results{&s.app.c("Edit17"), &s.app.c("Edit20")};
    for (auto _ : state) benchmark::DoNotOptimize(tv::sweep(s.app, width, 5, 500, 100, results, true));
}
BENCHMARK(BM_SweepConductorWidth)->Unit(benchmark::kMillisecond);

}  // namespace
