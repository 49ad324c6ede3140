#pragma once
// The program's process-wide state, kept in one place so that tests can reset it.
// Plain C++: texts are UTF-8 std::string; the windows convert them for display.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Input values that carry over from one calculation form to the next.
struct TWorkingValues {
    float AmbientTemp = 25.0f;
    float MediumTemp = -5.0f;
    float SurfaceCoefficient = 9.0f;
    float TubeDiameter = 0.0254f; // m
    float SheetHeight = 1.0f;
    float InsulationThickness = 0.01f; // m
    float PipeLength = 1.0f;
    float CostPerKWh = 0.5f;
    float KFactor = 0.036f;
    float Emissivity = 0.93f;
    float MediumDensity = 1000.0f;
    float MediumHeatCapacity = 4180.0f;
    float FlowRate = 0.2f;
    float FreezingTemp = 0.0f;
    float LatentHeat = 335.0f; // kJ/kg
    float MaxFrozenPart = 20.0f;
    float RelHumidity = 60.0f;
    float SurfaceArea = 1.0f;
    int32_t MaterialIndex = -1;
    int32_t FlowRateIndex = 0;
    int32_t MediumIndex = 0;
};

struct MaterialEntry {
    std::string Name;
    float Lambda0 = 0; // -99 marks the user material "k-factor"
    float LambdaSlope = 0;
    float MinTemp = 0;
    float MaxTemp = 0;
};

struct CladdingEntry {
    std::string Name;
    float Emissivity = 0;
};

struct MediumEntry {
    std::string Name;
    float Density = 0;
    float HeatCapacity = 0;
    float LatentHeat = 0; // kJ/kg
    float FreezingTemp = 0;
};

struct TReferenceLists {
    std::vector<MaterialEntry> Materials;
    std::vector<CladdingEntry> Claddings;
    std::vector<MediumEntry> Media;
    std::vector<std::string> HelpFiles; // full paths
};

struct TGlobalSettings {
    std::string FontName;
    uint8_t CurrCharSet = 0;
    std::string SalesAdress; // with "<CR>" markers
    bool ShowSurfaceTemp = false;
    std::string HelpFileDir;
    float BareSteelEmissivity = 0;
};

// One row of a nominal thickness table; bounds in mm, lower exclusive, upper inclusive.
struct TToleranceLine {
    float DiameterFrom = 0;
    float DiameterTo = 0;
    float ThicknessFrom = 0;
    float ThicknessTo = 0;
    std::string Recommendation;
};

// Owning ordered list of table rows; a position is the row's address.
class TToleranceTable {
public:
    int Add(std::unique_ptr<TToleranceLine> line) {
        rows_.push_back(std::move(line));
        return static_cast<int>(rows_.size()) - 1;
    }
    TToleranceLine& operator[](int i) { return *rows_.at(static_cast<size_t>(i)); }
    const TToleranceLine& operator[](int i) const { return *rows_.at(static_cast<size_t>(i)); }
    int Count() const { return static_cast<int>(rows_.size()); }

private:
    std::vector<std::unique_ptr<TToleranceLine>> rows_;
};

struct TProcessState {
    TWorkingValues WorkingValues;
    TReferenceLists ReferenceLists;
    TGlobalSettings GlobalSettings;
    int CalculationType = 0; // 0..7
    // Absent when its file could not be opened.
    std::optional<TToleranceTable> PipeTable;
    std::optional<TToleranceTable> SheetTable;
};

// The one process-wide state of the run.
TProcessState& Shared();
// Back to the start-up state (defaults, empty lists); for tests and a fresh start.
void ResetShared();
