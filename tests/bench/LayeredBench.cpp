// Timings of layered "by thickness" tables with h computed at every row and every criterion
// active (target 5 ms): a hot pipe outdoors with a high-temperature inner layer and the
// outer layer varied, and a cold duct indoors with three layers under a cladding.
#include <benchmark/benchmark.h>

#include "engine/LayeredTable.h"

namespace {
InsulationLayer Layer(ConductivityLaw law, float thickness, float maxTemp) {
    InsulationLayer l;
    l.Law = law;
    l.Thickness = thickness;
    l.MaxTemp = maxTemp;
    return l;
}

ThicknessTableInputs Job(float ambient, float medium, SurfaceCoefficientModel h) {
    ThicknessTableInputs job;
    job.AmbientTemp = ambient;
    job.MediumTemp = medium;
    job.RelHumidity = 80;
    job.Coefficient = h;
    job.Extent = 100;
    job.MaxHeatFlow = 40;
    job.ThicknessesMm = DefaultThicknessesMm();
    return job;
}

LayeredTableInputs HotPipeOutdoors() {
    LayeredTableInputs in;
    in.Job = Job(5, 300, {true, 0, true, true, 3, 0.16f, 1});
    in.Job.SurfaceTempLimit = 50;
    in.Object = {Shape::Pipe, 0.1683f};
    in.Layers = {Layer({0.04f, 0.0002f}, 0.05f, 650), Layer({0.034f, 0.00017f}, 0, 250)};
    return in;
}

LayeredTableInputs ColdDuctIndoors() {
    LayeredTableInputs in;
    in.Job = Job(25, -10, {true, 0, false, true, 0, 0.9f, 1});
    in.Object = {Shape::Duct, 0, 0.8f, 0.4f};
    in.Layers = {Layer({0.033f, 0.0001f}, 0, 105), Layer({0.036f, 0}, 0.01f, 100),
                 Layer({0.034f, 0.0001f}, 0.01f, 105)};
    in.VaryInner = true;
    in.CladdingEmissivity = 0.2f;
    return in;
}
} // namespace

void BM_LayeredTablePipeOutdoors(benchmark::State& state) {
    const LayeredTableInputs in = HotPipeOutdoors();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildLayeredTable(in, nullptr));
}
BENCHMARK(BM_LayeredTablePipeOutdoors)->Unit(benchmark::kMillisecond);

void BM_LayeredTableDuctIndoors(benchmark::State& state) {
    const LayeredTableInputs in = ColdDuctIndoors();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildLayeredTable(in, nullptr));
}
BENCHMARK(BM_LayeredTableDuctIndoors)->Unit(benchmark::kMillisecond);
