#pragma once
// The bounds and refusal messages of a thickness job's inputs, shared by the thickness
// table's fields and a project's lines so that both refuse the same values with the same
// words. All bounds inclusive; temperatures and a typed h use TemperatureInRange and
// SurfaceCoefficientInRange (engine/CalcFrame.h).
#include <QString>

namespace jobbounds {
struct Range {
    double Lowest;
    double Highest;
};

inline constexpr double kHuge = 3e38;
inline constexpr Range kDiameterMm{1, kHuge};
inline constexpr Range kKFactor{0.0001, 10}; // W/(m·K), the user material
inline constexpr Range kPipeHumidity{25, 96};
inline constexpr Range kWallHumidity{0, 96};
inline constexpr Range kEmissivity{0, 1};
inline constexpr Range kWindSpeed{0, 10}; // lowest exclusive: see WindSpeedInRange
inline constexpr Range kSheetHeight{1e-6, kHuge};
inline constexpr Range kPipeLength{0.001, kHuge};
inline constexpr Range kWallArea{0.01, kHuge};
inline constexpr Range kEnergyPrice{0, 1e6};
inline constexpr Range kHoursPerYear{0, 8784};
inline constexpr Range kCo2PerKWh{0, 100};
inline constexpr Range kMaxHeatFlow{1e-6, kHuge};
inline constexpr Range kThicknessMm{1e-3, 500};
inline constexpr Range kLifeYears{0, 1000};
inline constexpr Range kInstalledCost{0, 1e9}; // per m, m² or vessel
inline constexpr Range kPipeSizeMm{1, 10000};
inline constexpr Range kEfficiencyPercent{1, 100};      // of the heat source
inline constexpr Range kInterestPercent{0, 100};        // per year
inline constexpr Range kPriceIncreasePercent{-50, 100}; // of the energy price per year
// No wind leaves radiation alone, which no outdoor surface has; the h dialog refuses it too.
inline bool WindSpeedInRange(float v) {
    return v > kWindSpeed.Lowest && v <= kWindSpeed.Highest;
}
} // namespace jobbounds

inline const QString kSenselessValueText = QStringLiteral("Please enter values that make sense!");
inline const QString kNoMaterialText =
    QStringLiteral("Please enter the material type before calculating.");
inline const QString kTooHotForMaterialText =
    QStringLiteral("Ambient or medium temperature is too high for the selected material! "
                   "Calculation skipped!");
inline const QString kTooColdForMaterialText =
    QStringLiteral("Ambient or medium temperature is too low for the selected material!");
