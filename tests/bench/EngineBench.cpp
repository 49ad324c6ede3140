// Timings of the engine's numerical core: the secant thickness, one surface-coefficient
// iteration and the h of a condensation form, both branches.
#include <benchmark/benchmark.h>

#include "engine/Coefficient.h"
#include "engine/PipeCalculations.h"
#include "engine/SheetCalculations.h"
#include "engine/State.h"
#include "engine/Ucalc.h"

namespace {
void UseReferenceMaterials() {
    ResetShared();
    Shared().ReferenceLists.Materials.push_back({"Wool", 0.032f, 0.0001f, -50, 250});
    Shared().ReferenceLists.Materials.push_back({"k-factor", -99, 0, -200, 200});
}

CoefficientInputs ReferencePipe() {
    CoefficientInputs in;
    in.AmbientTemp = 20;
    in.MediumTemp = 60;
    in.TubeDiameter = 0.1f;
    in.Thickness = 0.02f;
    in.MaterialIndex = 0;
    in.Emissivity = 0.93f;
    in.WindSpeed = 1;
    in.SheetHeight = 1;
    in.Horizontal = true;
    return in;
}

CoefficientInputs CondensationPipe(float medium) {
    CoefficientInputs in = ReferencePipe();
    in.CondensationForm = true;
    in.MediumTemp = medium;
    in.RelHumidity = 60;
    in.StoredRelHumidity = 60;
    return in;
}
} // namespace

void BM_RequiredThickness(benchmark::State& state) {
    UseReferenceMaterials();
    const float dew = DewPoint(20, 60);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RequiredThickness(5, 20, 0.1f, 8, dew, 0, kCylinder));
    }
}
BENCHMARK(BM_RequiredThickness);

void BM_SurfaceCoefficientIteration(benchmark::State& state) {
    UseReferenceMaterials();
    const CoefficientInputs in = ReferencePipe();
    for (auto _ : state) {
        benchmark::DoNotOptimize(IterateSurfaceCoefficient(Installation::InsidePipe, in));
    }
}
BENCHMARK(BM_SurfaceCoefficientIteration);

// Medium above the dew point: passes plus the closed dew-point formula.
void BM_CondensationCoefficientClosedFormula(benchmark::State& state) {
    UseReferenceMaterials();
    const CoefficientInputs in = CondensationPipe(15);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IterateSurfaceCoefficient(Installation::InsidePipe, in));
    }
}
BENCHMARK(BM_CondensationCoefficientClosedFormula);

// Medium below the dew point: ten rounds of thickness and passes.
void BM_CondensationCoefficientTenRounds(benchmark::State& state) {
    UseReferenceMaterials();
    const CoefficientInputs in = CondensationPipe(5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IterateSurfaceCoefficient(Installation::InsidePipe, in));
    }
}
BENCHMARK(BM_CondensationCoefficientTenRounds);

// The physics of the calculations (without their forms).
void BM_PipeCondensation(benchmark::State& state) {
    UseReferenceMaterials();
    const PipeCondensationInputs in{20, 5, 0.1f, 1, 8, 60};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PipeCondensation(in));
    }
}
BENCHMARK(BM_PipeCondensation);

void BM_SheetCondensation(benchmark::State& state) {
    UseReferenceMaterials();
    const SheetCondensationInputs in{20, 5, 1, 8, 60};
    for (auto _ : state) {
        benchmark::DoNotOptimize(SheetCondensation(in));
    }
}
BENCHMARK(BM_SheetCondensation);

void BM_PipeHeatLoss(benchmark::State& state) {
    const PipeHeatLossInputs in{25, -5, 0.1f, 0.02f, 10, 8, 0.5f, 0.036f, 10};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PipeHeatLoss(in));
    }
}
BENCHMARK(BM_PipeHeatLoss);

void BM_PipeTemperatureDrop(benchmark::State& state) {
    const PipeTemperatureDropInputs in{20, 80, 1000, 4180, 1, 0, 0.05f, 0.03f, 100, 8, 0.04f};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PipeTemperatureDrop(in));
    }
}
BENCHMARK(BM_PipeTemperatureDrop);

// The freezing time and its seven alternative thicknesses.
void BM_PipeFreezingTimeWithAlternatives(benchmark::State& state) {
    PipeFreezingInputs in{-10, 10, 1000, 4180, 0, 335000, 0.2f, 0.1f, 0.02f, 8, 0.036f};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PipeFreezingTime(in));
        for (float x : {0.006f, 0.013f, 0.019f, 0.025f, 0.032f, 0.040f, 0.050f}) {
            in.Thickness = x;
            benchmark::DoNotOptimize(PipeFreezingTime(in).Hours);
        }
        in.Thickness = 0.02f;
    }
}
BENCHMARK(BM_PipeFreezingTimeWithAlternatives);
