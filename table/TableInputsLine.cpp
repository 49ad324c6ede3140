// The thickness table's fields and a project line: "Open in thickness table" fills them,
// "Add to project" reads them back.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "engine/Economics.h"
#include "project/NumberText.h"
#include "project/Project.h"
#include "table/TableInputs.h"

namespace {
void SetNumber(QLineEdit* field, float value) {
    if (field)
        field->setText(NumberText(value));
}

void SetOptional(QCheckBox* on, QLineEdit* field, const std::optional<float>& value) {
    on->setChecked(value.has_value());
    if (value)
        field->setText(NumberText(*value));
}

float Number(const QLineEdit* field, float otherwise) {
    return field ? TryNumber(field->text()).value_or(otherwise) : otherwise;
}

std::optional<float> Optional(const QCheckBox* on, const QLineEdit* field) {
    if (!on->isChecked())
        return std::nullopt;
    return TryNumber(field->text());
}

int ModeOf(LineInstallation installation) {
    switch (installation) {
    case LineInstallation::TypedH:
        return 0;
    case LineInstallation::Indoors:
        return 1;
    case LineInstallation::Outdoors:
        break;
    }
    return 2;
}

constexpr LineInstallation kInstallations[] = {LineInstallation::TypedH, LineInstallation::Indoors,
                                               LineInstallation::Outdoors};
} // namespace

void TTableInputs::SetLine(const Line& line, const ProjectSettings& settings) {
    SetNumber(Diameter, line.DiameterMm);
    SetNumber(Ambient, line.AmbientTemp);
    SetNumber(Medium, line.MediumTemp);
    if (const int material = Material->findText(line.Material); material >= 0)
        Material->setCurrentIndex(material);
    SetNumber(KFactor, line.KFactor);
    SetNumber(Humidity, line.RelHumidity);
    CoefficientMode->setCurrentIndex(ModeOf(line.Installation));
    SetNumber(Coefficient, line.SurfaceCoefficient);
    Orientation->setCurrentIndex(line.Orientation == LineOrientation::Vertical ? 1 : 0);
    SetNumber(WindSpeed, line.WindSpeed);
    // The cladding first: choosing one writes its emission coefficient.
    const int cladding = line.Cladding.isEmpty() ? -1 : Cladding->findText(line.Cladding);
    Cladding->setCurrentIndex(cladding >= 0 ? cladding : Cladding->count() - 1);
    if (cladding < 0)
        SetNumber(Emissivity, line.Emissivity);
    SetNumber(SheetHeight, line.WallHeight);
    SetNumber(Extent, line.Extent);
    PriceBasis->setCurrentIndex(0); // a line's price is per kWh of heat
    SetNumber(Price, settings.EnergyPrice);
    SetNumber(Hours, settings.HoursPerYear);
    SetNumber(Co2, settings.Co2PerKWh);
    SetNumber(Life, settings.LifeYears);
    SetNumber(Interest, settings.InterestRatePercent);
    SetNumber(PriceIncrease, settings.PriceIncreasePercent);
    SetOptional(LimitOn, Limit, line.SurfaceTempLimit);
    SetOptional(MaxFlowOn, MaxFlow, line.MaxHeatFlow);
}

// The price per kWh of heat the table computes with: a fuel's divided by the efficiency.
std::optional<float> TTableInputs::HeatPrice() const {
    const std::optional<float> price = TryNumber(Price->text());
    const std::optional<float> efficiency = TryNumber(Efficiency->text());
    if (PriceBasis->currentIndex() != 1 || !price)
        return price;
    if (!efficiency || *efficiency <= 0)
        return std::nullopt;
    return HeatPricePerKWh(*price, true, *efficiency * 0.01f);
}

Line TTableInputs::ToLine() const {
    Line line;
    line.Kind = pipe_ ? LineKind::Pipe : LineKind::Wall;
    line.DiameterMm = Number(Diameter, line.DiameterMm);
    line.AmbientTemp = Number(Ambient, line.AmbientTemp);
    line.MediumTemp = Number(Medium, line.MediumTemp);
    line.Material = Material->currentText();
    line.KFactor = Number(KFactor, line.KFactor);
    line.RelHumidity = Number(Humidity, line.RelHumidity);
    line.Installation = kInstallations[std::clamp(CoefficientMode->currentIndex(), 0, 2)];
    line.SurfaceCoefficient = Number(Coefficient, line.SurfaceCoefficient);
    line.Orientation =
        Orientation->currentIndex() == 1 ? LineOrientation::Vertical : LineOrientation::Horizontal;
    line.WindSpeed = Number(WindSpeed, line.WindSpeed);
    if (Cladding->currentIndex() != Cladding->count() - 1)
        line.Cladding = Cladding->currentText();
    line.Emissivity = Number(Emissivity, line.Emissivity);
    line.WallHeight = Number(SheetHeight, line.WallHeight);
    line.Extent = Number(Extent, line.Extent);
    line.EnergyPrice = HeatPrice();
    line.HoursPerYear = TryNumber(Hours->text());
    line.Co2PerKWh = TryNumber(Co2->text());
    line.LifeYears = TryNumber(Life->text());
    line.InterestRatePercent = TryNumber(Interest->text());
    line.PriceIncreasePercent = TryNumber(PriceIncrease->text());
    line.SurfaceTempLimit = Optional(LimitOn, Limit);
    line.MaxHeatFlow = Optional(MaxFlowOn, MaxFlow);
    return line;
}
