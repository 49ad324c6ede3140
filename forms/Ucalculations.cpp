#include "forms/Ucalculations.h"

#include <array>
#include <string>

#include "engine/Errors.h"

bool RunCalculation(int calculationType) {
    static constexpr std::array<bool (*)(), 8> kCalculations = {
        CalcPipeCondensation,    CalcPipeSurfaceTemperature, CalcPipeHeatLoss,
        CalcPipeTemperatureDrop, CalcPipeFreezingTime,       CalcSheetCondensation,
        CalcSheetHeatLoss,       CalcSheetSurfaceTemperature};
    if (calculationType < 0 || calculationType >= static_cast<int>(kCalculations.size()))
        throw TermoraError("List index out of bounds (" + std::to_string(calculationType) + ")");
    return kCalculations[static_cast<size_t>(calculationType)]();
}
