// What the scheduler's once-a-second work on the plan table costs: a refresh when
// nothing changed, a refresh after the other program wrote, and a scan of all rows.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "PlanFile.h"
#include "PlanTable.h"

namespace {

namespace fs = std::filesystem;
using vorlen::GbkCharWidth;
using vorlen::Plan;
using vorlen::PlanTable;

struct PlanFileWithRows {
    explicit PlanFileWithRows(int rows) {
        folder = fs::temp_directory_path() / ("vorlen-bench-" + std::to_string(rows));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / "data.tdb").string();
        vorlen::CreateEmptyPlanFile(path);
        PlanTable writer(GbkCharWidth);
        writer.Open(path);
        Plan plan;
        plan.texts = {"提醒", "五", "2026/12/11", "9:05:00", "C:\\铃声.wav", "起床了，今天要开会", "每天"};
        for (int i = 0; i < rows; ++i) writer.Append(plan);
    }
    ~PlanFileWithRows() { fs::remove_all(folder); }
    fs::path folder;
    std::string path;
};

void RefreshUnchanged(benchmark::State& state) {
    PlanFileWithRows file(static_cast<int>(state.range(0)));
    PlanTable scheduler(GbkCharWidth);
    scheduler.Open(file.path);
    for (auto _ : state) scheduler.Refresh();
}

void RefreshAfterAWrite(benchmark::State& state) {
    PlanFileWithRows file(static_cast<int>(state.range(0)));
    PlanTable scheduler(GbkCharWidth), config(GbkCharWidth);
    scheduler.Open(file.path);
    config.Open(file.path);
    Plan plan;
    plan.texts = {"程序", "一", "2026/12/14", "8:30:00", "C:\\Windows\\notepad.exe", "无", "每周"};
    for (auto _ : state) {
        state.PauseTiming();
        config.Append(plan);
        state.ResumeTiming();
        scheduler.Refresh();
    }
}

void ScanAllRows(benchmark::State& state) {
    PlanFileWithRows file(static_cast<int>(state.range(0)));
    PlanTable scheduler(GbkCharWidth);
    scheduler.Open(file.path);
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (scheduler.First(); !scheduler.Eof(); scheduler.Next()) bytes += scheduler.Current().time().size();
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK(RefreshUnchanged)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RefreshAfterAWrite)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Iterations(50);
BENCHMARK(ScanAllRows)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
