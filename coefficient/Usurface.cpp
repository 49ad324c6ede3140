#include "coefficient/Usurface.h"

#include <QLineEdit>
#include <QRadioButton>
#include <cmath>
#include <optional>
#include <string>

#include "app/Umessages.h"
#include "coefficient/Finsideoutside.h"
#include "config/Uutils.h"
#include "engine/CalcFrame.h"
#include "engine/Coefficient.h"
#include "engine/Errors.h"
#include "engine/State.h"
#include "forms/Uclasses.h"
#include "forms/Ulayouts.h"

namespace {

constexpr int kNone = -1;

[[noreturn]] void ThrowIndex(int position) {
    throw TermoraError("List index out of bounds (" + std::to_string(position) + ")");
}

// Where the lines the computations read sit on the open form; kNone where it has none.
struct LinePositions {
    int ambient, medium, diameter, thickness, material, humidity;
};

LinePositions PositionsOfForm() {
    const int type = Shared().CalculationType;
    if (type < 0 || type >= kCalculationTypes)
        ThrowIndex(type);
    using W = TWorkingValues;
    const TFormLayout& layout = FormLayout(type);
    return {ParameterPosition(layout, &W::AmbientTemp),
            ParameterPosition(layout, &W::MediumTemp),
            ParameterPosition(layout, &W::TubeDiameter),
            ParameterPosition(layout, &W::InsulationThickness),
            ParameterPosition(layout, lkMaterial),
            ParameterPosition(layout, &W::RelHumidity)};
}

// The list checks the position itself.
TParaLine& LineAt(int position) {
    const auto& lines = FormState().ParameterLines;
    if (!lines)
        ThrowIndex(position);
    return (*lines)[position];
}

float NumberOf(const QString& text) {
    return ToSingle(StrToFloat(text));
}

float LineNumber(int position) {
    return NumberOf(LineAt(position).ParaLineEditText());
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
    const LinePositions at = PositionsOfForm();
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
        ShowMessage(kMakeSenseText, MessageParent(dialog));
        return std::nullopt;
    }
    in.Emissivity = ReadEmissivity(installation, dialog);
    if (IsOutside(installation))
        in.WindSpeed = NumberOf(dialog.TntEdit2->text());
    in.Horizontal = dialog.TntRadioButton4->isChecked();
    if (CoefficientInputsRefused(installation, in)) {
        ShowMessage(kMakeSenseText, MessageParent(dialog));
        return std::nullopt;
    }
    if (!IsPipe(installation)) {
        in.SheetHeight = NumberOf(dialog.TntEdit3->text());
        // Wind along no height at all has no convection: only a radiation h would remain.
        if (installation == Installation::OutsideSheet && !(in.SheetHeight > 0)) {
            ShowMessage(kMakeSenseText, MessageParent(dialog));
            return std::nullopt;
        }
        Shared().WorkingValues.SheetHeight = in.SheetHeight;
    }
    return in;
}

// An arithmetic error of the iteration ends the computation silently with h unchanged.
HOutcome IterateAndStore(Installation installation, const CoefficientInputs& in,
                         TInsideOutside& dialog) {
    CoefficientResult result;
    try {
        result = IterateSurfaceCoefficient(installation, in);
    } catch (const FloatError&) {
        return HOutcome::Silent;
    }
    if (!std::isfinite(result.h))
        return HOutcome::Silent; // never store a broken coefficient
    Shared().WorkingValues.SurfaceCoefficient = result.h;
    if (Shared().GlobalSettings.ShowSurfaceTemp)
        ShowMessage(QStringLiteral("surface temperature: ") +
                        FormatPattern(result.SurfaceTemp, "#0.0") + QStringLiteral("°C"),
                    MessageParent(dialog));
    return HOutcome::Stored;
}

// A text that is no number leaves as an error, which "Continue" reports and which keeps
// the dialog open.
HOutcome Coefficient(Installation installation, TInsideOutside& dialog) {
    if (std::optional<CoefficientInputs> in = ReadChecked(installation, dialog))
        return IterateAndStore(installation, *in, dialog);
    return HOutcome::Refused;
}

} // namespace

HOutcome InsidePipeCoefficient(TInsideOutside& dialog) {
    return Coefficient(Installation::InsidePipe, dialog);
}

HOutcome OutsidePipeCoefficient(TInsideOutside& dialog) {
    return Coefficient(Installation::OutsidePipe, dialog);
}

HOutcome InsideSheetCoefficient(TInsideOutside& dialog) {
    return Coefficient(Installation::InsideSheet, dialog);
}

HOutcome OutsideSheetCoefficient(TInsideOutside& dialog) {
    return Coefficient(Installation::OutsideSheet, dialog);
}
