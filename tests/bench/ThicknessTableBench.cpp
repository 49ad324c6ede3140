// Timings of the thickness table: one "by thickness" table with h computed for every row
// and every criterion active, each minimum scanned over 0-1000 mm (target 2 ms; layered
// tables 5 ms), and the "by pipe size" table over the shipped pipe table's diameters (target
// 50 ms).
#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include "config/Utolerance.h"
#include "engine/LayeredTable.h"
#include "engine/NominalTable.h"
#include "engine/PipeSizeTable.h"
#include "engine/State.h"
#include "engine/ThicknessTable.h"

namespace {
ThicknessTableInputs OutdoorPipe() {
    ThicknessTableInputs in;
    in.AmbientTemp = 5;
    in.MediumTemp = 140;
    in.TubeDiameter = 0.0889f;
    in.Law = {0.034f, 0.00017f};
    in.RelHumidity = 80;
    in.Coefficient = {true, 0, true, true, 3, 0.16f, 1};
    in.BareEmissivity = 0.9f;
    in.Extent = 100;
    in.SurfaceTempLimit = 50;
    in.MaxHeatFlow = 40;
    in.ThicknessesMm = DefaultThicknessesMm();
    return in;
}

const TToleranceTable& ShippedPipeTable() {
    if (!Shared().PipeTable)
        LoadPipeTable(QCoreApplication::applicationDirPath());
    return *Shared().PipeTable;
}

// The outdoor job hotter, a high-temperature inner layer under the outer one varied.
LayeredTableInputs HotPipeOutdoors() {
    LayeredTableInputs in;
    in.Job = OutdoorPipe(), in.Job.MediumTemp = 300, in.Job.BareEmissivity = 0.3f;
    in.Object = {Shape::Pipe, 0.1683f};
    in.Layers = {{{0.04f, 0.0002f}, 0.05f, {}, 650}, {{0.034f, 0.00017f}, 0, {}, 250}};
    return in;
}

// A cold duct indoors, three layers under a cladding, the inner one varied.
LayeredTableInputs ColdDuctIndoors() {
    LayeredTableInputs in;
    in.Job = OutdoorPipe(), in.Job.AmbientTemp = 25, in.Job.MediumTemp = -10;
    in.Job.Coefficient = {true, 0, false, true, 0, 0.9f, 1}, in.Job.BareEmissivity = 0.3f;
    in.Job.SurfaceTempLimit.reset(), in.Object = {Shape::Duct, 0, 0.8f, 0.4f};
    in.Layers = {{{0.033f, 0.0001f}, 0, {}, 105},
                 {{0.036f, 0}, 0.01f, {}, 100},
                 {{0.034f, 0.0001f}, 0.01f, {}, 105}};
    in.VaryInner = true, in.CladdingEmissivity = 0.2f;
    return in;
}

void BM_LayeredTable(benchmark::State& state, const LayeredTableInputs& in) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildLayeredTable(in, nullptr));
}
} // namespace

BENCHMARK_CAPTURE(BM_LayeredTable, PipeOutdoors, HotPipeOutdoors())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LayeredTable, DuctIndoors, ColdDuctIndoors())->Unit(benchmark::kMillisecond);

void BM_ThicknessTableComputedH(benchmark::State& state) {
    const ThicknessTableInputs in = OutdoorPipe();
    const TToleranceTable& nominal = ShippedPipeTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildThicknessTable(in, &nominal));
}
BENCHMARK(BM_ThicknessTableComputedH)->Unit(benchmark::kMillisecond);

// A cold wall in still air, where h alternates near its regime change and the scan locates
// it: the hardest "by thickness" table to solve.
void BM_ThicknessTableWallAtTheJump(benchmark::State& state) {
    ThicknessTableInputs in;
    in.Pipe = false, in.AmbientTemp = 25, in.MediumTemp = -23, in.RelHumidity = 51;
    in.Law = {0.033f, 0.0001f}, in.Coefficient = {true, 0, false, true, 0, 0.93f, 1};
    in.SurfaceTempLimit = 50, in.MaxHeatFlow = 20, in.ThicknessesMm = DefaultThicknessesMm();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildThicknessTable(in, nullptr));
}
BENCHMARK(BM_ThicknessTableWallAtTheJump)->Unit(benchmark::kMillisecond);

void BM_PipeSizeTable(benchmark::State& state) {
    const ThicknessTableInputs in = OutdoorPipe();
    const TToleranceTable& nominal = ShippedPipeTable();
    const std::vector<float> diameters = NominalDiametersMm(nominal);
    state.counters["diameters"] = static_cast<double>(diameters.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildPipeSizeTable(in, diameters, &nominal));
}
BENCHMARK(BM_PipeSizeTable)->Unit(benchmark::kMillisecond);
