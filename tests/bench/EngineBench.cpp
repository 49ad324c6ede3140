// Timings of the engine's numerical core: the secant thickness, one surface-coefficient
// iteration and the h of a condensation form, both branches.
#include <benchmark/benchmark.h>

#include "engine/Coefficient.h"
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

BENCHMARK_MAIN();
