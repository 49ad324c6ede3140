#pragma once
// The inputs of a line as columns: one enumeration shared by the CSV files, the clipboard and
// the window's table, with the documented column names and the text of each cell.
#include <QString>
#include <optional>

#include "project/Project.h"

enum class LineField {
    Tag,
    Kind,
    Diameter,
    Extent,
    MediumTemp,
    AmbientTemp,
    RelHumidity,
    Installation,
    Orientation,
    WindSpeed,
    WallHeight,
    SurfaceCoefficient,
    Cladding,
    Emissivity,
    Material,
    KFactor,
    SurfaceTempLimit,
    MaxHeatFlow,
    Thickness, // "auto", a thickness in mm, or a product name
    EnergyPrice,
    HoursPerYear,
    Co2PerKWh,
    WasteAllowance,
    DuctWidth,
    DuctHeight,
    Layers,         // the fixed layers as project/LineLayers.h writes them
    VariedLayer,    // "outer" or "inner"
    InstalledCosts, // by thickness, as project/InstalledCosts.h writes them
    LifeYears,
    InterestRate,  // %/a
    PriceIncrease, // %/a
};
inline constexpr int kLineFieldCount = static_cast<int>(LineField::PriceIncrease) + 1;

// The documented column name with its unit, e.g. "Outside diameter (mm)".
QString FieldHeader(LineField field);
// The column name without the unit, e.g. "Outside diameter".
QString FieldName(LineField field);
// A CSV or clipboard header cell matched against the column names: case and blanks do not
// matter, and a unit in round or square brackets after the name is ignored.
std::optional<LineField> FieldFromHeader(const QString& header);

// The cell's text as the CSV and the window show it: numbers with "." and no more digits
// than the stored 32-bit value needs, "" for an absent optional value, "auto" for an
// automatic thickness.
QString FieldText(const Line& line, LineField field);

// Sets a field from a cell's text: numbers with "." or ",", "" clears an optional value
// (and is refused for a required one), enumerations as their texts, the thickness as
// "auto", a number (mm) or a product name. Returns "" when taken, otherwise the reason
// ("'abc' is not a valid floating point value", ...), the line unchanged. Bounds are not
// checked here: a value out of them is kept and the computation refuses it by name.
QString SetFieldText(Line& line, LineField field, const QString& text);
