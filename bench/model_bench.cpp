// Times the model without windows: the recalculation of each of the twenty
// functions on its start-up inputs, a function selection, and start-up.
//
//   ./build/bench/tolvane_bench --benchmark_filter=Recalculate
//       --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "core/app.h"
#include "shell/program.h"
#include "shell/script_driver.h"
#include "shell/selection.h"

namespace {

// The window hands the field solver's line to a worker thread after each
// recalculation (its cost is in tolvane_solver_bench); here the work is handed
// over and dropped, so that a recalculation is timed as the window runs it.
struct ModelPlatform : tv::RecordingPlatform {
    using RecordingPlatform::RecordingPlatform;
    void runInBackground(BackgroundWork) override {}
};

struct Headless {
    std::ostringstream out, err;
    tv::MemorySettingsKey key;
    ModelPlatform platform{out};
    tv::App app{platform, key, tv::functionCatalogue(), "."};
    Headless() {
        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        tv::buildWindows(app);
        tv::StartupSequence(app);
    }
};

// One recalculation (Button1Click) of the function, selected on the start-up
// inputs. A message on the way would mean the defaults do not read.
void recalculate(benchmark::State& state, int function) {
    Headless h;
    tv::SelectProgramFunction(h.app, function);
    const auto before = h.platform.unchecked.size();
    for (auto _ : state) h.app.Button1Click();
    if (h.platform.unchecked.size() != before) state.SkipWithError("the recalculation showed a message");
}

// One benchmark per function, named by its tab ("Recalculate/Via_Properties").
const bool registered = [] {
    for (const auto& f : tv::functionCatalogue().functions) {
        std::string name = "Recalculate/";
        for (const char* p = f.tabCaption; *p; ++p)
            if (*p == ' ') name += '_';
            else if (*p != '&' && *p != '\'') name += *p;
        benchmark::RegisterBenchmark(name.c_str(), recalculate, f.index());
    }
    return true;
}();

void BM_SelectFunction(benchmark::State& state) {
    Headless h;
    int f = 0;
    for (auto _ : state) {
        tv::SelectProgramFunction(h.app, f);
        f = (f + 1) % tv::kFunctionCount;
    }
}
BENCHMARK(BM_SelectFunction);

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        Headless h;
        benchmark::DoNotOptimize(h.app.currentFunction);
    }
}
BENCHMARK(BM_StartUp);

}  // namespace
