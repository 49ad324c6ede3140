// Timings of layered insulation systems over the default thickness list, h computed at
// every row (target 5 ms for a whole list): a hot pipe outdoors with a high-temperature
// inner layer and the outer layer varied, and a three-layer duct indoors with a cladding.
#include <benchmark/benchmark.h>

#include "engine/LayeredSystem.h"
#include "engine/ThicknessTable.h"

namespace {
InsulationLayer Layer(ConductivityLaw law, float thickness) {
    InsulationLayer l;
    l.Law = law;
    l.Thickness = thickness;
    return l;
}

LayeredInputs HotPipeOutdoors() {
    LayeredInputs in;
    in.AmbientTemp = 5;
    in.MediumTemp = 300;
    in.Object = {Shape::Pipe, 0.1683f};
    in.Layers = {Layer({0.04f, 0.0002f}, 0.05f), Layer({0.034f, 0.00017f}, 0)};
    in.Coefficient = {true, 0, true, true, 3, 0.16f, 1};
    return in;
}

LayeredInputs ColdDuctIndoors() {
    LayeredInputs in;
    in.AmbientTemp = 25;
    in.MediumTemp = -10;
    in.Object = {Shape::Duct, 0, 0.8f, 0.4f};
    in.Layers = {Layer({0.033f, 0.0001f}, 0.02f), Layer({0.036f, 0}, 0.01f),
                 Layer({0.034f, 0.0001f}, 0)};
    in.CladdingEmissivity = 0.2f;
    in.Coefficient = {true, 0, false, true, 0, 0.9f, 1};
    return in;
}

// Every default thickness as the outer layer, as a table's rows would be solved.
void SolveList(benchmark::State& state, LayeredInputs in) {
    const std::vector<float> list = DefaultThicknessesMm();
    state.counters["rows"] = static_cast<double>(list.size());
    for (auto _ : state) {
        for (float mm : list) {
            in.Layers.back().Thickness = mm * 0.001f;
            benchmark::DoNotOptimize(SolveLayered(in));
        }
    }
}
} // namespace

void BM_LayeredPipeOverDefaultList(benchmark::State& state) {
    SolveList(state, HotPipeOutdoors());
}
BENCHMARK(BM_LayeredPipeOverDefaultList)->Unit(benchmark::kMillisecond);

void BM_LayeredDuctOverDefaultList(benchmark::State& state) {
    SolveList(state, ColdDuctIndoors());
}
BENCHMARK(BM_LayeredDuctOverDefaultList)->Unit(benchmark::kMillisecond);
