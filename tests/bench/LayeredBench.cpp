// Timings of layered "by thickness" tables with h computed at every row and every criterion
// active (target 5 ms): a hot pipe outdoors with a high-temperature inner layer and the
// outer layer varied, and a cold duct indoors with three layers under a cladding.
#include <benchmark/benchmark.h>

#include "engine/LayeredTable.h"

namespace {
LayeredTableInputs Job(float ambient, float medium, SurfaceCoefficientModel h) {
    LayeredTableInputs in;
    in.Job.AmbientTemp = ambient, in.Job.MediumTemp = medium, in.Job.RelHumidity = 80;
    in.Job.Coefficient = h, in.Job.Extent = 100, in.Job.MaxHeatFlow = 40;
    in.Job.ThicknessesMm = DefaultThicknessesMm();
    return in;
}

LayeredTableInputs HotPipeOutdoors() {
    LayeredTableInputs in = Job(5, 300, {true, 0, true, true, 3, 0.16f, 1});
    in.Job.SurfaceTempLimit = 50;
    in.Object = {Shape::Pipe, 0.1683f};
    in.Layers = {{{0.04f, 0.0002f}, 0.05f, {}, 650}, {{0.034f, 0.00017f}, 0, {}, 250}};
    return in;
}

LayeredTableInputs ColdDuctIndoors() {
    LayeredTableInputs in = Job(25, -10, {true, 0, false, true, 0, 0.9f, 1});
    in.Object = {Shape::Duct, 0, 0.8f, 0.4f};
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
