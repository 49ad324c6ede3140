// Timings of a project: a 10,000-line plant opened (read and computed on every core, target
// 1 s on 2 cores) and one edited line computed again (target 5 ms). BM_ProjectWriteFile
// writes the plant to TERMORA_BENCH_PROJECT for scripts/bench-project, which measures the
// resident memory of the command line computing it.
#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <random>

#include "config/Utolerance.h"
#include "project/ProjectCompute.h"
#include "project/ProjectData.h"
#include "project/ProjectFile.h"

namespace {
struct Service {
    const char* name;
    float medium;
    float ambient;
    float humidity;
};

// A plant's mix: chilled, heating, domestic and process lines, indoor and outdoor, pipes of
// the common steel series and some duct and tank walls.
Line PlantLine(std::mt19937& gen, int index) {
    static const std::vector<Service> services{{"CHW", 6, 25, 70},   {"CHR", 12, 25, 70},
                                               {"LTHW", 70, 20, 50}, {"DHW", 55, 20, 50},
                                               {"REF", -10, 25, 75}, {"STM", 100, 10, 80}};
    static const std::vector<float> diameters{21.3f, 26.9f, 33.7f,  42.4f,  48.3f, 60.3f,
                                              76.1f, 88.9f, 114.3f, 139.7f, 168.3f};
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(gen); };
    const Service& s = services[pick(services.size())];
    Line line;
    line.Tag = QStringLiteral("%1-%2").arg(QLatin1String(s.name)).arg(index);
    line.Kind = pick(10) == 0 ? LineKind::Wall : LineKind::Pipe;
    line.DiameterMm = diameters[pick(diameters.size())];
    line.Extent = std::uniform_real_distribution<float>(1, 120)(gen);
    line.MediumTemp = s.medium + static_cast<float>(pick(5));
    line.AmbientTemp = s.ambient;
    line.RelHumidity = s.humidity;
    line.Installation = pick(4) == 0 ? LineInstallation::Outdoors : LineInstallation::Indoors;
    line.WindSpeed = 3;
    line.Cladding = QStringLiteral("PVC jacket");
    line.Material = QStringLiteral("VELTRA AF elastomeric foam");
    if (pick(3) == 0)
        line.MaxHeatFlow = line.Kind == LineKind::Pipe ? 25.0f : 30.0f;
    return line;
}

const ProjectData& Data() {
    static bool loaded = LoadProjectData(QCoreApplication::applicationDirPath());
    static const ProjectData data = ProjectData::FromShared();
    (void)loaded;
    return data;
}

Project Plant(int lines) {
    std::mt19937 gen(2026);
    Project p;
    p.Title.ProjectName = QStringLiteral("Benchmark plant");
    for (int i = 0; i < lines; ++i)
        p.Lines.push_back(PlantLine(gen, i + 1));
    return p;
}
} // namespace

void BM_ProjectOpen10k(benchmark::State& state) {
    const QByteArray file = ProjectToJson(Plant(10000));
    const ProjectData& data = Data();
    for (auto _ : state) {
        const ProjectReading reading = ProjectFromJson(file);
        benchmark::DoNotOptimize(ComputeProject(*reading.Read, data));
    }
    state.counters["lines"] = 10000;
}
BENCHMARK(BM_ProjectOpen10k)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProjectEditOneLine(benchmark::State& state) {
    const Project p = Plant(200);
    const ProjectData& data = Data();
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
