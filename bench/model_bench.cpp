// Times a full headless recalculation and a function selection.
#include <benchmark/benchmark.h>

#include "core/app.h"
#include "shell/program.h"
#include "shell/script_driver.h"
#include "shell/selection.h"

#include <sstream>

namespace {

struct Headless {
    std::ostringstream out, err;
    tv::MemorySettingsKey key;
    tv::RecordingPlatform platform{out};
    tv::App app{platform, key, tv::functionCatalogue(), "."};
    Headless() {
        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        tv::buildWindows(app);
        tv::StartupSequence(app);
    }
};

void BM_Recalculate(benchmark::State& state) {
    Headless h;
    tv::SelectProgramFunction(h.app, static_cast<int>(state.range(0)));
    for (auto _ : state) h.app.Button1Click();
}
BENCHMARK(BM_Recalculate)->Arg(0)->Arg(1)->Arg(12);

void BM_SelectFunction(benchmark::State& state) {
    Headless h;
    int f = 0;
    for (auto _ : state) {
        tv::SelectProgramFunction(h.app, f);
        f = (f + 1) % 20;
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
