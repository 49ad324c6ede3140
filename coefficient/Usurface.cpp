#include "coefficient/Usurface.h"

#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "app/Umessages.h"
#include "coefficient/Finsideoutside.h"
#include "config/Uutils.h"
#include "engine/Coefficient.h"
#include "engine/Errors.h"
#include "engine/State.h"
#include "forms/Uclasses.h"

namespace {

const QString kMakeSense = QStringLiteral("Please enter values that make sense!");
const QString kFailed =
    QStringLiteral("Calulation of h failed! Please check input and retry! Error: ");

constexpr int kNone = -1;

// Where the lines the computations read sit on the form of each CalculationType.
struct LinePositions {
    int ambient, medium, diameter, thickness, material, humidity;
};

constexpr std::array<LinePositions, 8> kPositions = {{
    {0, 1, 2, kNone, 3, 5},
    {0, 1, 2, 3, 4, kNone},
    {0, 1, 2, 3, 5, kNone},
    {0, 1, 5, 6, 8, kNone},
    {0, 1, 7, 8, 9, kNone},
    {0, 1, kNone, kNone, 2, 4},
    {0, 1, kNone, 2, 4, kNone},
    {0, 1, kNone, 2, 3, kNone},
}};

[[noreturn]] void ThrowIndex(int position) {
    throw TermoraError("List index out of bounds (" + std::to_string(position) + ")");
}

const LinePositions& PositionsOfForm() {
    int type = Shared().CalculationType;
    if (type < 0 || type >= static_cast<int>(kPositions.size()))
        ThrowIndex(type);
    return kPositions[static_cast<size_t>(type)];
}

TParaLine& LineAt(int position) {
    const auto& lines = FormState().ParameterLines;
    if (!lines || position < 0 || position >= lines->Count())
        ThrowIndex(position);
    return (*lines)[position];
}

float NumberOf(const QString& text) {
    return ToSingle(StrToFloat(text));
}

float LineNumber(int position) {
    return NumberOf(LineAt(position).ParaLineEditText());
}

float MillimetresToMetres(float mm) {
    return static_cast<float>(static_cast<double>(mm) * 0.001);
}

bool IsPipe(Installation i) {
    return i == Installation::InsidePipe || i == Installation::OutsidePipe;
}

bool IsOutside(Installation i) {
    return i == Installation::OutsidePipe || i == Installation::OutsideSheet;
}

QWidget* MessageParent(TInsideOutside& dialog) {
    return dialog.isVisible() ? &dialog : nullptr;
}

// The form's lines, in metres; the stored thickness of the condensation forms is in metres.
CoefficientInputs ReadLines(Installation installation) {
    const LinePositions& at = PositionsOfForm();
    const TWorkingValues& wv = Shared().WorkingValues;
    CoefficientInputs in;
    in.AmbientTemp = LineNumber(at.ambient);
    in.MediumTemp = LineNumber(at.medium);
    if (IsPipe(installation))
        in.TubeDiameter = MillimetresToMetres(LineNumber(at.diameter));
    in.Thickness = at.thickness == kNone ? wv.InsulationThickness
                                         : MillimetresToMetres(LineNumber(at.thickness));
    in.MaterialIndex = LineAt(at.material).MaterialIndex();
    int type = Shared().CalculationType;
    in.CondensationForm = IsPipe(installation) ? type == 0 : type == 5;
    if (in.CondensationForm)
        in.RelHumidity = LineNumber(at.humidity);
    in.StoredRelHumidity = wv.RelHumidity;
    return in;
}

float ReadEmissivity(Installation installation, const TInsideOutside& dialog) {
    if (installation != Installation::InsidePipe)
        return NumberOf(dialog.TntEdit1->text());
    try {
        return NumberOf(dialog.TntEdit1->text());
    } catch (const ConversionError&) {
        return Shared().WorkingValues.Emissivity;
    }
}

// Reads and checks everything up to the iteration; nullopt after a refusal, shown here.
std::optional<CoefficientInputs> ReadChecked(Installation installation, TInsideOutside& dialog) {
    CoefficientInputs in = ReadLines(installation);
    if (CondensationTemperaturesRefused(in)) {
        ShowMessage(kMakeSense, MessageParent(dialog));
        return std::nullopt;
    }
    in.Emissivity = ReadEmissivity(installation, dialog);
    if (IsOutside(installation))
        in.WindSpeed = NumberOf(dialog.TntEdit2->text());
    in.Horizontal = dialog.TntRadioButton4->isChecked();
    if (CoefficientInputsRefused(installation, in)) {
        ShowMessage(kMakeSense, MessageParent(dialog));
        return std::nullopt;
    }
    if (!IsPipe(installation)) {
        in.SheetHeight = NumberOf(dialog.TntEdit3->text());
        Shared().WorkingValues.SheetHeight = in.SheetHeight;
    }
    return in;
}

// An arithmetic error of the iteration ends the computation silently with h unchanged.
void IterateAndStore(Installation installation, const CoefficientInputs& in,
                     TInsideOutside& dialog) {
    CoefficientResult result;
    try {
        result = IterateSurfaceCoefficient(installation, in);
    } catch (const FloatError&) {
        return;
    }
    if (!std::isfinite(result.h))
        return; // never store a broken coefficient
    Shared().WorkingValues.SurfaceCoefficient = result.h;
    if (Shared().GlobalSettings.ShowSurfaceTemp)
        ShowMessage(QStringLiteral("surface temperature: ") +
                        FormatPattern(result.SurfaceTemp, "#0.0") + QStringLiteral("°C"),
                    MessageParent(dialog));
}

void PipeCoefficient(Installation installation, TInsideOutside& dialog) {
    if (std::optional<CoefficientInputs> in = ReadChecked(installation, dialog))
        IterateAndStore(installation, *in, dialog);
}

void SheetCoefficient(Installation installation, TInsideOutside& dialog) {
    std::optional<CoefficientInputs> in;
    try {
        in = ReadChecked(installation, dialog);
    } catch (const TermoraError& e) {
        ShowMessage(kFailed + QString::fromStdString(e.what()), MessageParent(dialog));
        return;
    }
    if (in)
        IterateAndStore(installation, *in, dialog);
}

} // namespace

void InsidePipeCoefficient(TInsideOutside& dialog) {
    PipeCoefficient(Installation::InsidePipe, dialog);
}

void OutsidePipeCoefficient(TInsideOutside& dialog) {
    PipeCoefficient(Installation::OutsidePipe, dialog);
}

void InsideSheetCoefficient(TInsideOutside& dialog) {
    SheetCoefficient(Installation::InsideSheet, dialog);
}

void OutsideSheetCoefficient(TInsideOutside& dialog) {
    SheetCoefficient(Installation::OutsideSheet, dialog);
}
