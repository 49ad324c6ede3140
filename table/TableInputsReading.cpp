// Reading the thickness table's fields: each number is converted as the calculation forms
// convert theirs and checked against the bounds the forms use; the first fault found is
// the one the status line tells, and every faulty field is marked.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <optional>

#include "app/Umessages.h"
#include "config/JobBounds.h"
#include "config/Uutils.h"
#include "engine/CalcFrame.h"
#include "engine/Economics.h"
#include "engine/Errors.h"
#include "engine/State.h"
#include "engine/Ucalc.h"
#include "table/TableInputs.h"

namespace {
using namespace jobbounds;
// More rows than anyone reads, and each one a full solution on every key typed.
constexpr std::size_t kMostListed = 200;

// Collects the faults of one reading.
class FieldReader {
public:
    using Range = std::function<bool(float)>;
    static Range Between(double lowest, double highest) {
        return [=](float value) { return Within(value, lowest, highest); };
    }
    static Range Between(jobbounds::Range r) { return Between(r.Lowest, r.Highest); }

    float Number(QLineEdit* field, const Range& inRange) {
        return Parse(field, field->text(), inRange).value_or(0.0f);
    }
    float Number(QLineEdit* field, jobbounds::Range r) { return Number(field, Between(r)); }

    // Each value once, in the order typed.
    std::vector<float> List(QLineEdit* field, jobbounds::Range r) {
        std::vector<float> values;
        static const QRegularExpression separators(QStringLiteral("[\\s;]+"));
        for (const QString& part : field->text().split(separators, Qt::SkipEmptyParts)) {
            const std::optional<float> value = Parse(field, part, Between(r));
            if (value && std::find(values.begin(), values.end(), *value) == values.end())
                values.push_back(*value);
        }
        if (values.empty())
            Refuse(field, kMakeSenseText);
        if (values.size() > kMostListed)
            Refuse(field, QStringLiteral("Please list at most %1 values.").arg(kMostListed));
        return values;
    }

    void Refuse(QLineEdit* field, const QString& text) {
        if (refusal.isEmpty())
            refusal = text;
        bad << field;
    }

    QString refusal;
    QList<QLineEdit*> bad;

private:
    // The forms' conversion, then the bounds; a value out of them is still returned.
    std::optional<float> Parse(QLineEdit* field, const QString& text, const Range& inRange) {
        try {
            // A decimal comma as the calculation forms take it.
            const float value = ToSingle(ParseNumber(text));
            if (!inRange(value))
                Refuse(field, kMakeSenseText);
            return value;
        } catch (const TermoraError& e) {
            Refuse(field, QString::fromStdString(e.what()));
            return std::nullopt;
        }
    }
};

void Mark(QLineEdit* field, bool bad) {
    field->setProperty("refused", bad);
    field->setStyleSheet(bad ? QStringLiteral("background-color: #ffc8c8;") : QString());
    field->setToolTip(bad ? kMakeSenseText : QString());
}

ConductivityLaw LawOf(const QComboBox& material, FieldReader& r, QLineEdit* kFactor) {
    const int index = material.currentIndex();
    const MaterialEntry& m = Shared().ReferenceLists.Materials.at(static_cast<size_t>(index));
    // The user's material takes the k-factor typed here, not the stored one.
    if (m.Lambda0 == kKFactorMark)
        return {r.Number(kFactor, kKFactor), 0};
    return ConductivityLawOf(index);
}

void ReadCoefficient(const TTableInputs& f, FieldReader& r, ThicknessTableInputs& in) {
    SurfaceCoefficientModel& m = in.Coefficient;
    const int mode = f.CoefficientMode->currentIndex();
    if (mode == 0) {
        m.Typed = r.Number(f.Coefficient, SurfaceCoefficientInRange);
        return;
    }
    m.Computed = true;
    m.Outside = mode == 2;
    m.Horizontal = f.Orientation->currentIndex() == 0;
    m.Emissivity = r.Number(f.Emissivity, kEmissivity);
    // No wind leaves radiation alone, which no outdoor surface has: refused as the h
    // dialog refuses it.
    if (m.Outside)
        m.WindSpeed = r.Number(f.WindSpeed, WindSpeedInRange);
    if (f.SheetHeight)
        m.SheetHeight = r.Number(f.SheetHeight, kSheetHeight);
}

std::optional<float> Optional(QCheckBox* on, FieldReader& r, QLineEdit* field,
                              const FieldReader::Range& inRange) {
    if (!on->isChecked())
        return std::nullopt;
    return r.Number(field, inRange);
}

// The configured bare steel's emission coefficient as the forms' dialog reads it: two
// decimals.
float BareEmissivity() {
    try {
        return ToSingle(
            StrToFloat(FormatPattern(Shared().GlobalSettings.BareSteelEmissivity, "#0.00")));
    } catch (const TermoraError&) {
        return 0;
    }
}
} // namespace

TableInputsReading TTableInputs::Read() {
    FieldReader r;
    ThicknessTableInputs in;
    in.Pipe = pipe_;
    if (pipe_)
        in.TubeDiameter = MillimetresToMetres(r.Number(Diameter, kDiameterMm));
    in.AmbientTemp = r.Number(Ambient, TemperatureInRange);
    in.MediumTemp = r.Number(Medium, TemperatureInRange);
    if (Material->currentIndex() >= 0)
        in.Law = LawOf(*Material, r, KFactor);
    in.RelHumidity = r.Number(Humidity, pipe_ ? kPipeHumidity : kWallHumidity);
    if (r.bad.isEmpty() && !DewPointBelowAir(in.AmbientTemp, in.RelHumidity))
        r.Refuse(Humidity, kMakeSenseText);
    ReadCoefficient(*this, r, in);
    in.BareEmissivity = BareEmissivity();
    in.Extent = r.Number(Extent, pipe_ ? kPipeLength : kWallArea);
    in.CostPerKWh = r.Number(Price, kEnergyPrice);
    if (PriceBasis->currentIndex() == 1) {
        const float efficiency = r.Number(Efficiency, kEfficiencyPercent) * 0.01f;
        if (r.bad.isEmpty())
            in.CostPerKWh = HeatPricePerKWh(in.CostPerKWh, true, efficiency);
    }
    in.HoursPerYear = r.Number(Hours, kHoursPerYear);
    in.Co2PerKWh = r.Number(Co2, kCo2PerKWh);
    in.SurfaceTempLimit = Optional(LimitOn, r, Limit, TemperatureInRange);
    in.MaxHeatFlow = Optional(MaxFlowOn, r, MaxFlow, FieldReader::Between(kMaxHeatFlow));
    in.ThicknessesMm = r.List(Thicknesses, kThicknessMm);
    in.LifeYears = r.Number(Life, kLifeYears);
    in.InterestRate = r.Number(Interest, kInterestPercent) * 0.01f;
    in.PriceIncrease = r.Number(PriceIncrease, kPriceIncreasePercent) * 0.01f;
    TableInputsReading reading;
    if (pipe_)
        reading.diametersMm = r.List(Diameters, kPipeSizeMm);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        Mark(field, r.bad.contains(field));
    if (Material->currentIndex() < 0)
        r.refusal = kNoMaterialText;
    reading.refusal = r.refusal;
    if (!reading.refusal.isEmpty())
        return reading;
    switch (CheckMaterialLimits(Material->currentIndex(), in.AmbientTemp,
                                AgainstMedium ? in.MediumTemp : in.AmbientTemp)) {
    case MaterialLimits::TooHigh:
        reading.refusal = kTooHotForMaterialText;
        return reading;
    case MaterialLimits::TooLow:
        reading.warning = kTooColdForMaterialText;
        break;
    case MaterialLimits::Ok:
        break;
    }
    reading.inputs = in;
    return reading;
}
