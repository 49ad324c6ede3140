#include "forms/Ulayouts.h"

#include <QStringList>
#include <array>
#include <string>

#include "engine/Errors.h"

namespace {

using W = TWorkingValues;

constexpr TValueSource F2(float W::*field) {
    return {field, kPatternF2, false};
}
constexpr TValueSource F3(float W::*field) {
    return {field, kPatternF3, false};
}
constexpr TValueSource Mm(float W::*field) {
    return {field, kPatternF3, true};
}

const TLineSpec kAmbient{lkValue, "ambient temperature", "°C", F2(&W::AmbientTemp)};
const TLineSpec kMedium{lkValue, "temperature of medium", "°C", F2(&W::MediumTemp)};
const TLineSpec kDiameter{lkValue, "tube diameter", "mm", Mm(&W::TubeDiameter)};
const TLineSpec kThickness{lkValue, "thickness of insulation", "mm", Mm(&W::InsulationThickness)};
const TLineSpec kMaterial{lkMaterial, "Insulation material", "", {}};
const TLineSpec kH{lkSurfaceCoefficient, "surface heat transfer coefficient h", "W/m²K",
                   F3(&W::SurfaceCoefficient)};
const TLineSpec kHumidity{lkValue, "rel. humidity (30%-95%)", "%", F2(&W::RelHumidity)};
const TLineSpec kDensity{lkMedium, "density of medium", "kg/m³", F2(&W::MediumDensity)};
const TLineSpec kHeatCapacity{lkValue, "specific heat capacity", "J/kg K",
                              F2(&W::MediumHeatCapacity)};

TLineSpec Result(const char* caption, const char* unit) {
    return {lkResult, caption, unit, {}};
}

const TLineSpec kLambda = Result("mean thermal conductivity lambda", "W/m K");
const TLineSpec kDewPoint = Result("dewpoint temperature", "°C");
const TLineSpec kMinThickness = Result("minimum thickness of insulation", "mm");
const TLineSpec kNominal = Result("nominal thickness recommendation", "");
const TLineSpec kSurfaceTemp = Result("surface temperature", "°C");
const TLineSpec kHeatLoss = Result("heat loss Q", "W");
const TLineSpec kDecrease = Result("decrease of heat loss by insulation", "%");
const TLineSpec kCostPerHour = Result("cost per hour", "£");
const TLineSpec kVeltra{lkAlternatives, "Calculate alternatively for VELTRA dimension", "mm", {}};

std::array<TFormLayout, kCalculationTypes> MakeLayouts() {
    return {{
        {"Prevention of Condensation on Pipes",
         {kAmbient, kMedium, kDiameter, kMaterial, kH, kHumidity},
         {kDewPoint, kMinThickness, kNominal},
         0,
         "One of the main interests in insulating cold pipes is to avoid condensation of air "
         "humidity on the surface of the insulation. Here you can determine the minimal "
         "thickness of insulation to avoid condensation.\n\n"
         "If not known you can calculate the surface heat transfer coefficient h. (This is "
         "recommended for metallic surfaces.)\n\n"
         "Is no dimension for VELTRA insulations given one have to double insulate or use "
         "sheet material."},
        {"Calculation of Surface Temperatures",
         {kAmbient, kMedium, kDiameter, kThickness, kMaterial, kH},
         {kLambda, kSurfaceTemp},
         0,
         "The surface temperature of a pipe is the most important quantity if condensation on "
         "cold pipes is to be avoided. Its value regulates itself as a result of a "
         "sophisticated, physical balance. You can calculate this value in dependence of the "
         "essential parameters."},
        {"Calculation of Heat Loss from Pipes",
         {kAmbient,
          kMedium,
          kDiameter,
          kThickness,
          {lkValue, "pipe length", "m", F3(&W::PipeLength)},
          kMaterial,
          kH,
          {lkValue, "cost per kWh", "£", {&W::CostPerKWh, "#0.000", false}}},
         {kLambda, Result("thermal transmittance of insulation", "W/m K"), kHeatLoss, kDecrease,
          kCostPerHour, kVeltra},
         60,
         "Even an insulated pipe loses heat. However, the heat loss is less than that of an "
         "uninsulated pipe.\n\n"
         "Enter the requested values and calculate the quantity of heat loss and the resulting "
         "costs.\n\n"
         "If not known you can calculate the surface heat transfer coefficient h by pressing "
         "the corresponding button."},
        {"Calculation of Temperature Drop in Pipes",
         {kAmbient,
          kMedium,
          kDensity,
          kHeatCapacity,
          {lkFlowRate, "flow rate", "", F2(&W::FlowRate)},
          kDiameter,
          kThickness,
          {lkValue, "pipe length", "m", F2(&W::PipeLength)},
          kMaterial,
          kH},
         {kLambda, Result("temperature drop", "°C"), kHeatLoss},
         0,
         "Because of the loss of heat even of an uninsulated pipe the temperature of the medium "
         "drops (or rises if the medium is colder than the sourounding) along the pipe. For "
         "estimating the efficiency of the insulation it is important to know the temperature "
         "drop due to heat loss.\n\n"
         "If not known the surface heat transfer coefficient h can be calculated by pressing "
         "the corresponding button."},
        {"Freezing Times in Pipes",
         {kAmbient,
          kMedium,
          kDensity,
          kHeatCapacity,
          {lkValue, "freezing temperature of medium", "°C", F2(&W::FreezingTemp)},
          {lkValue, "latent heat of fusion", "kJ/kg", F2(&W::LatentHeat)},
          {lkValue, "max. frozen part of medium", "%", {&W::MaxFrozenPart, kPatternF0, false}},
          kDiameter,
          kThickness,
          kMaterial,
          kH},
         {Result("critical freezing time", "h"),
          {lkAlternatives, "alternative freezing time for", "h", {}}},
         0,
         "If you close off a pipe suddenly the medium temperature will start to assimilate to "
         "the ambient temperature. Especially if the ambient temperature is below the freezing "
         "temperature of the medium the medium will freeze after a while.\n\n"
         "Here you can calculate the time it takes until a critical part of the medium is "
         "frozen.\n\n"
         "If you set the maximal frozen part to 0% the program calculates the time it will "
         "take until the medium reaches the given freezing temperature.\n\n"
         "The values for density, heat capacity, freezing temperature and latent heat are "
         "available for different fluids."},
        {"Avoiding Condensation on Sheets",
         {kAmbient, kMedium, kMaterial, kH, kHumidity},
         {kDewPoint, kMinThickness, kNominal},
         0,
         "The main interest in insulating cold rooms is to avoid condensation of air humidity "
         "on the surface of the insulation. Here you can determine the minimal thickness of "
         "insulation to avoid condensation.\n\n"
         "If not known you can calculate the surface heat transfer coefficient h. (This is "
         "recommended for metallic surfaces.)\n\n"
         "Is no dimension for VELTRA insulations given one have to double insulate."},
        {"Calculation of Heat Loss from Sheets",
         {kAmbient,
          kMedium,
          kThickness,
          {lkValue, "surface area", "m²", F3(&W::SurfaceArea)},
          kMaterial,
          kH,
          {lkValue, "cost per kWh", "£", F3(&W::CostPerKWh)}},
         {kLambda, Result("thermal transmittance of insulation", "W/m²K"), kHeatLoss, kDecrease,
          kCostPerHour, kVeltra},
         60,
         "Even an insulated surface will lose heat to the surrounding.\n\n"
         "Please enter the requested values to calculate the heat loss through the "
         "insulation.\n\n"
         "If not known you can calculate the surface heat transfer coefficient."},
        {"Calculation of Surface Temperatures on Sheets",
         {kAmbient, kMedium, kThickness, kMaterial, kH},
         {kLambda, kSurfaceTemp},
         0,
         "The surface temperature is the most important quantity if condensation on cold rooms "
         "is to be avoided. Its value regulates itself as a result of a sophisticated, physical "
         "balance. You can calculate this value in dependence of the essential parameters."},
    }};
}

bool IsKnownType(int calculationType) {
    return calculationType >= 0 && calculationType < kCalculationTypes;
}

} // namespace

const TFormLayout& FormLayout(int calculationType) {
    static const std::array<TFormLayout, kCalculationTypes> layouts = MakeLayouts();
    if (!IsKnownType(calculationType))
        throw TermoraError("unknown calculation type " + std::to_string(calculationType));
    return layouts[static_cast<size_t>(calculationType)];
}

namespace {

int PositionWhere(const TFormLayout& layout, auto matches) {
    for (size_t i = 0; i < layout.parameters.size(); ++i)
        if (matches(layout.parameters[i]))
            return static_cast<int>(i);
    return -1;
}

} // namespace

int ParameterPosition(const TFormLayout& layout, LineKind kind) {
    return PositionWhere(layout, [kind](const TLineSpec& line) { return line.kind == kind; });
}

int ParameterPosition(const TFormLayout& layout, float TWorkingValues::*field) {
    return PositionWhere(layout,
                         [field](const TLineSpec& line) { return line.value.field == field; });
}

int LineCountOf(int calculationType, bool results) {
    if (!IsKnownType(calculationType))
        return 0;
    const TFormLayout& layout = FormLayout(calculationType);
    return static_cast<int>(results ? layout.results.size() : layout.parameters.size());
}

QString HeaderRow(const TFormLayout& layout) {
    QStringList captions;
    for (const TLineSpec& line : layout.parameters)
        captions << QString::fromUtf8(line.caption);
    for (const TLineSpec& line : layout.results)
        if (line.kind != lkAlternatives)
            captions << QString::fromUtf8(line.caption);
    return captions.join(u'\t');
}

QStringList FlowRateUnits() {
    return {QStringLiteral("m/s"), QStringLiteral("l/s"), QStringLiteral("ft/s"),
            QStringLiteral("gal/min")};
}
