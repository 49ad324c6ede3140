#include "forms/UcalcFrame.h"

#include <QStringList>
#include <cmath>

#include "app/Umessages.h"
#include "coefficient/Finsideoutside.h"
#include "config/Uutils.h"
#include "engine/CalcFrame.h"
#include "engine/Errors.h"
#include "engine/State.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"

namespace {

TLineList& Lines(const auto& list) {
    if (!list)
        throw TermoraError("The calculation form has no lines");
    return *list;
}

// Message boxes open over the form.
QWidget* FormWidget() {
    return FormState().Form.data();
}

} // namespace

TParaLine& ParameterLine(int position) {
    return Lines(FormState().ParameterLines)[position];
}

TParaLine& ResultLine(int position) {
    return Lines(FormState().ResultLines)[position];
}

void WriteResult(int position, float value, const char* pattern) {
    if (std::isnan(value))
        throw FloatError(kInvalidOperation);
    if (std::isinf(value))
        throw FloatError(kOverflow);
    WriteResultText(position, FormatPattern(value, pattern));
}

void WriteResultText(int position, const QString& text) {
    ResultLine(position).SetParaLineEditText(text);
}

void WriteUnlessBare(int position, bool bare, float value, const char* pattern) {
    if (bare)
        WriteResultText(position, kNotApplicable);
    else
        WriteResult(position, value, pattern);
}

void ShowRefusal(const QString& text) {
    ShowMessage(text, FormWidget());
}

void WriteHeatLossResults(const HeatLossResult& r, float lambda) {
    WriteUnlessBare(0, r.Bare, lambda, kLambdaPattern);
    WriteUnlessBare(1, r.Bare, r.Transmittance, kThreeDecimals);
    WriteResult(2, r.HeatFlow, kThreeDecimals);
    if (r.NoTemperatureDifference)
        WriteResultText(3, QStringLiteral("0"));
    else
        WriteResult(3, r.Saving, kTwoDecimals);
    WriteResult(4, r.CostPerHour, kThreeDecimals);
}

void WriteSurfaceTempResults(const SurfaceTempResult& r, float lambda) {
    WriteUnlessBare(0, r.Bare, lambda, kLambdaPattern);
    WriteResult(1, r.SurfaceTemp, kTwoDecimals);
}

TCalcFrame::TCalcFrame(int materialLine) : materialLine_(materialLine) {}

void TCalcFrame::TakeMaterial() {
    materialIndex_ = ParameterLine(materialLine_).MaterialIndex();
}

bool TCalcFrame::MaterialChosen() {
    TakeMaterial();
    if (materialIndex_ >= 0)
        return true;
    ShowRefusal(QStringLiteral("Please enter the material type before calculating."));
    return false;
}

bool TCalcFrame::UserMaterial() const {
    return ParameterLine(materialLine_).MaterialText() == kUserMaterialName;
}

float TCalcFrame::Number(int line) {
    return ToSingle(StrToFloat(ParameterLine(line).ParaLineEditText()));
}

float TCalcFrame::Metres(int line) {
    return MillimetresToMetres(Number(line));
}

bool TCalcFrame::MaterialLimitsAllow(float ambientTemp, float mediumTemp) const {
    switch (CheckMaterialLimits(materialIndex_, ambientTemp, mediumTemp)) {
    case MaterialLimits::TooHigh:
        ShowRefusal(QStringLiteral("Ambient or medium temperature is too high for the selected "
                                   "material! Calculation skipped!"));
        return false;
    case MaterialLimits::TooLow:
        ShowRefusal(
            QStringLiteral("Ambient or medium temperature is too low for the selected material!"));
        return true;
    case MaterialLimits::Ok:
        break;
    }
    return true;
}

bool TCalcFrame::Plausible(bool inBounds) {
    if (!inBounds)
        ShowRefusal(kMakeSenseText);
    return inBounds;
}

bool TCalcFrame::LimitsAndBoundsAllow(float ambientTemp, float mediumTemp, bool inBounds) const {
    return MaterialLimitsAllow(ambientTemp, mediumTemp) && Plausible(inBounds);
}

float TCalcFrame::SurfaceCoefficientInUse(int hLine, float h, float thickness) {
    if (!NeedsDefaultCoefficient(FormState().HFromDialog, thickness))
        return h;
    const float coefficient = DefaultSurfaceCoefficient();
    ParameterLine(hLine).SetParaLineEditText(
        FormatPattern(Shared().WorkingValues.SurfaceCoefficient, "#0.000"));
    // The default is no h from the dialog, also when the line's text did not change and so
    // did not clear the flag itself.
    FormState().HFromDialog = false;
    FormState().HChoices.recorded = false;
    return coefficient;
}

float TCalcFrame::BareSurfaceCoefficient(int thicknessLine, float thickness, float h) {
    TFormState& state = FormState();
    const bool hFromDialog = state.HFromDialog;
    TParaLine& line = ParameterLine(thicknessLine);
    line.SetParaLineEditText(QStringLiteral("0"));
    DefaultSurfaceCoefficient();
    TWorkingValues& stored = Shared().WorkingValues;
    const float bare = stored.SurfaceCoefficient;
    line.SetParaLineEditText(FormatPattern(static_cast<float>(thickness * 1000.0), "#0.000"));
    stored.SurfaceCoefficient = h;
    // As it was: a reference that failed must not take away an h from the dialog either.
    state.HFromDialog = hFromDialog;
    return bare;
}

float TCalcFrame::Conductivity(float ambientTemp, float mediumTemp) {
    TakeKFactorText();
    return MeanConductivity(UserMaterial(), materialIndex_, ambientTemp, mediumTemp);
}

void TCalcFrame::TakeKFactorText() {
    if (UserMaterial())
        kFactorText_ = FormatPattern(Shared().WorkingValues.KFactor, "#0.0000");
}

void TCalcFrame::AppendRow(bool trailingTab, int unitLine, const QString& unit) const {
    QStringList fields;
    const TLineList& parameters = Lines(FormState().ParameterLines);
    for (int i = 0; i < parameters.Count(); ++i) {
        const TParaLine& line = parameters[i];
        if (i == materialLine_)
            fields << line.MaterialText() + u' ' + kFactorText_;
        else if (i == unitLine)
            fields << line.ParaLineEditText() + u'[' + unit + u']';
        else
            fields << line.ParaLineEditText();
    }
    const TLineList& results = Lines(FormState().ResultLines);
    for (int i = 0; i < results.Count(); ++i) {
        if (!results[i].AlternativesAvailable())
            fields << results[i].ParaLineEditText();
    }
    QString row = fields.join(u'\t');
    if (trailingTab)
        row += u'\t';
    FormState().ResultLog << row;
}
