#pragma once
// The keys of the project file (docs/project-format.md), units in their names.
#include "project/Project.h"

namespace keys {
inline constexpr const char* kFormat = "format";
inline constexpr const char* kVersion = "version";
inline constexpr const char* kTitle = "title";
inline constexpr const char* kSettings = "settings";
inline constexpr const char* kLines = "lines";

inline constexpr const char* kProjectName = "project";
inline constexpr const char* kClient = "client";
inline constexpr const char* kEngineer = "engineer";
inline constexpr const char* kDate = "date";

inline constexpr const char* kEnergyPrice = "energy_price_per_kwh";
inline constexpr const char* kHours = "hours_per_year";
inline constexpr const char* kCo2 = "co2_kg_per_kwh";
inline constexpr const char* kWaste = "waste_allowance_percent";

inline constexpr const char* kTag = "tag";
inline constexpr const char* kKind = "kind";
inline constexpr const char* kDiameter = "outside_diameter_mm";
inline constexpr const char* kLength = "length_m";
inline constexpr const char* kArea = "area_m2";
inline constexpr const char* kMediumTemp = "medium_temperature_c";
inline constexpr const char* kAmbientTemp = "ambient_temperature_c";
inline constexpr const char* kHumidity = "relative_humidity_percent";
inline constexpr const char* kInstallation = "installation";
inline constexpr const char* kOrientation = "orientation";
inline constexpr const char* kWindSpeed = "wind_speed_m_s";
inline constexpr const char* kWallHeight = "wall_height_m";
inline constexpr const char* kSurfaceCoefficient = "surface_coefficient_w_m2k";
inline constexpr const char* kCladding = "cladding";
inline constexpr const char* kEmissivity = "emission_coefficient";
inline constexpr const char* kMaterial = "material";
inline constexpr const char* kKFactor = "k_factor_w_mk";
inline constexpr const char* kSurfaceTempLimit = "surface_temperature_limit_c";
inline constexpr const char* kMaxHeatFlowPipe = "max_heat_flow_w_m";
inline constexpr const char* kMaxHeatFlowWall = "max_heat_flow_w_m2";
inline constexpr const char* kThickness = "thickness_mm";
inline constexpr const char* kProduct = "product";
// Version 2: ducts, spheres and fixed layers.
inline constexpr const char* kDuctWidth = "duct_width_mm";
inline constexpr const char* kDuctHeight = "duct_height_mm";
inline constexpr const char* kSphereCount = "sphere_count";
inline constexpr const char* kMaxHeatFlowSphere = "max_heat_flow_w";
inline constexpr const char* kLayers = "fixed_layers";
inline constexpr const char* kVariedLayer = "varied_layer";
// Version 3: installed costs and the life economics, in a line and in the settings.
inline constexpr const char* kLifeYears = "life_years";
inline constexpr const char* kInterestRate = "interest_rate_percent";
inline constexpr const char* kPriceIncrease = "price_increase_percent";
inline constexpr const char* kInstalledCosts = "installed_costs";
inline constexpr const char* kCostPerUnit = "cost_per_unit";

// The keys that depend on the line's kind.
inline const char* ExtentKey(LineKind kind) {
    return kind == LineKind::Wall ? kArea : kind == LineKind::Sphere ? kSphereCount : kLength;
}
inline const char* MaxHeatFlowKey(LineKind kind) {
    return kind == LineKind::Wall     ? kMaxHeatFlowWall
           : kind == LineKind::Sphere ? kMaxHeatFlowSphere
                                      : kMaxHeatFlowPipe;
}
} // namespace keys

// The name of the user material of Termora.ini whose conductivity the line gives.
inline constexpr const char* kUserMaterial = "k-factor";
