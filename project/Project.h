#pragma once
// A project: the title block, the project-wide settings and the list of lines, each line one
// pipe, wall, rectangular duct or sphere whose insulation the thickness table's engine designs.
// Inputs only; results are computed (project/ProjectCompute.h) and never stored.
//
// Units are those of the file and of the window's columns: mm for diameters and thicknesses,
// m and m² for extents and heights, °C, %, m/s, W/(m²·K), W/(m·K).
#include <QString>
#include <map>
#include <optional>
#include <vector>

enum class LineKind { Pipe, Wall, Duct, Sphere };

// Which layer of a layered line the thickness (automatic or fixed) is that of: the one laid on
// the object, or the one outside the fixed layers.
enum class VariedLayer { Outer, Inner };

// A layer that keeps its thickness while the line's own layer is designed.
struct FixedLayer {
    QString Material;       // by its name in Termora.ini
    float KFactor = 0.036f; // for the user material "k-factor"
    float ThicknessMm = 0;

    bool operator==(const FixedLayer&) const = default;
};

// The line's own layer and its fixed layers: at most this many in all.
inline constexpr int kMaxLineLayers = 5;

// Where the line runs, which decides its outer surface coefficient h.
enum class LineInstallation {
    Indoors,  // still air; h computed with the orientation (pipes) or wall height (walls)
    Outdoors, // wind; h computed with the wind speed (and wall height for walls)
    TypedH,   // h as typed in SurfaceCoefficient
};

enum class LineOrientation { Horizontal, Vertical };

// Automatic: the thinnest nominal product meeting every criterion. Fixed: FixedProduct when
// it is not empty (its nominal thickness), otherwise FixedThicknessMm.
enum class ThicknessMode { Automatic, Fixed };

struct Line {
    QString Tag;
    LineKind Kind = LineKind::Pipe;
    float DiameterMm = 48.3f; // outside diameter of the pipe or sphere
    // Pipe or duct length (m), wall area (m²), or the number of spheres (a fraction for part of
    // one: the two heads of a vessel make one sphere).
    float Extent = 1;
    float MediumTemp = 60;
    float AmbientTemp = 20;
    float RelHumidity = 60;
    LineInstallation Installation = LineInstallation::Indoors;
    LineOrientation Orientation = LineOrientation::Horizontal; // indoor pipes
    float WindSpeed = 1;                                       // outdoors
    float WallHeight = 1;                                      // walls, h computed
    float SurfaceCoefficient = 9;                              // TypedH
    // Cladding by its name in Termora.ini; empty: the typed Emissivity (h computed only).
    QString Cladding;
    float Emissivity = 0.93f;
    QString Material;       // by its name in Termora.ini
    float KFactor = 0.036f; // for the user material "k-factor"
    // Criteria besides "no condensation", which always holds.
    std::optional<float> SurfaceTempLimit; // °C
    std::optional<float> MaxHeatFlow;      // W/m (pipes) or W/m² (walls), magnitude
    ThicknessMode Mode = ThicknessMode::Automatic;
    float FixedThicknessMm = 0;
    QString FixedProduct;
    // The line's own values in place of the project settings'.
    std::optional<float> EnergyPrice;    // per kWh
    std::optional<float> HoursPerYear;   // h
    std::optional<float> Co2PerKWh;      // kg
    std::optional<float> WasteAllowance; // %
    std::optional<float> LifeYears;
    std::optional<float> InterestRatePercent;  // %/a
    std::optional<float> PriceIncreasePercent; // %/a, of the energy price
    // The cost of installing the line's own layer per unit of its extent (per m of pipe or
    // duct, per m² of wall, per sphere), by nominal thickness in mm, as typed in the table.
    std::map<float, float> InstalledCosts;
    // Ducts: outside width and height of the bare duct.
    float DuctWidthMm = 400;
    float DuctHeightMm = 300;
    // Layers besides the line's own, inside out; the own layer lies inside or outside them.
    std::vector<FixedLayer> Layers;
    VariedLayer Varied = VariedLayer::Outer;

    bool operator==(const Line&) const = default;
};

struct ProjectSettings {
    float EnergyPrice = 0.1f;  // per kWh
    float HoursPerYear = 8760; // h
    float Co2PerKWh = 0.2f;    // kg
    float WasteAllowance = 10; // % added to every quantity of the bill of materials
    // The life economics, as the thickness table's defaults.
    float LifeYears = 10;
    float InterestRatePercent = 0;  // %/a: discounts the life's energy costs
    float PriceIncreasePercent = 0; // %/a: the energy price's growth

    bool operator==(const ProjectSettings&) const = default;
};

struct TitleBlock {
    QString ProjectName;
    QString Client;
    QString Engineer;
    QString Date; // as typed, e.g. "2026-12-10"

    bool operator==(const TitleBlock&) const = default;
};

struct Project {
    TitleBlock Title;
    ProjectSettings Settings;
    std::vector<Line> Lines;

    bool operator==(const Project&) const = default;
};

// The settings a line is computed with: the project's, replaced by the line's overrides.
ProjectSettings EffectiveSettings(const Line& line, const ProjectSettings& project);

// Whether the line is computed as a layered system: fixed layers, or a duct or a sphere. The
// others are the thickness table's single layer on a pipe or a wall.
bool IsLayered(const Line& line);

// The texts of the enumerations as the file, the CSV and the window write them.
QString KindText(LineKind kind);                         // "pipe", "wall", "duct", "sphere"
QString InstallationText(LineInstallation installation); // "indoors", "outdoors", "typed h"
QString OrientationText(LineOrientation orientation);    // "horizontal", "vertical"
QString VariedLayerText(VariedLayer varied);             // "outer", "inner"
// Reading them back: case and surrounding blanks do not matter; nullopt for anything else.
std::optional<LineKind> KindFromText(const QString& text);
std::optional<LineInstallation> InstallationFromText(const QString& text);
std::optional<LineOrientation> OrientationFromText(const QString& text);
std::optional<VariedLayer> VariedLayerFromText(const QString& text);
