// A 10,000-line plant opened (target 1 s on 2 cores), one edited line computed again (5 ms);
// the plant written to TERMORA_BENCH_PROJECT for scripts/bench-project's memory figure.
#include <benchmark/benchmark.h>

#include "../project/ProjectFixture.h"
#include "project/ProjectFile.h"

namespace {
Project Plant(int lines) {
    static const bool loaded = LoadProjectData(QCoreApplication::applicationDirPath());
    return loaded ? RandomProject(2026, lines) : Project{};
}
} // namespace

void BM_ProjectOpen10k(benchmark::State& state) {
    const QByteArray file = ProjectToJson(Plant(10000));
    const ProjectData data = ProjectData::FromShared();
    for (auto _ : state) {
        const ProjectReading reading = ProjectFromJson(file);
        benchmark::DoNotOptimize(ComputeProject(*reading.Read, data));
    }
    state.counters["lines"] = 10000;
}
BENCHMARK(BM_ProjectOpen10k)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProjectEditOneLine(benchmark::State& state) {
    const Project p = Plant(200);
    const ProjectData data = ProjectData::FromShared();
    size_t i = 0;
    for (auto _ : state) {
        Line edited = p.Lines[i++ % p.Lines.size()];
        edited.Extent += 1;
        benchmark::DoNotOptimize(ComputeLine(edited, p.Settings, data));
    }
}
BENCHMARK(BM_ProjectEditOneLine)->Unit(benchmark::kMillisecond);

void BM_ProjectWriteFile(benchmark::State& state) {
    const QString name = qEnvironmentVariable("TERMORA_BENCH_PROJECT");
    const Project p = Plant(10000);
    for (auto _ : state) {
        if (!name.isEmpty())
            benchmark::DoNotOptimize(SaveProject(p, name));
    }
}
BENCHMARK(BM_ProjectWriteFile)->Unit(benchmark::kMillisecond)->Iterations(1);
