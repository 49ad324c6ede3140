#pragma once
// What the eight calculations do alike on the open calculation form: find the material,
// read and convert the lines, refuse with the fixed messages, substitute the default h of a
// bare surface, pick the conductivity, write the results and append the ResultLog row.
// The physics itself is in engine/; this is the layer between it and the lines.
#include <QString>

class TParaLine;

// Fixed-decimal patterns of the results.
inline constexpr const char* kLambdaPattern = "#########0.0000";
inline constexpr const char* kThreeDecimals = "#########0.000";
inline constexpr const char* kTwoDecimals = "#########0.00";
// "Does not apply".
inline const QString kNotApplicable = QStringLiteral("-/-");

TParaLine& ParameterLine(int position);
TParaLine& ResultLine(int position);

// Writes a result; an infinity or not-a-number never reaches the screen but fails the run
// as the arithmetic error it is.
void WriteResult(int position, float value, const char* pattern);
void WriteResultText(int position, const QString& text);
// The value, or "-/-" for a bare surface, which has no insulation to describe.
void WriteUnlessBare(int position, bool bare, float value, const char* pattern);

// A refusal or warning of a calculation, in a plain message box over the form.
void ShowRefusal(const QString& text);

struct HeatLossResult;
struct SurfaceTempResult;
// Results 0-4 of the two heat-loss forms and 0-1 of the two surface-temperature forms.
void WriteHeatLossResults(const HeatLossResult& r, float lambda);
void WriteSurfaceTempResults(const SurfaceTempResult& r, float lambda);

// One run of a calculation, for the material line at materialLine.
class TCalcFrame {
public:
    explicit TCalcFrame(int materialLine);

    // False after "Please enter the material type before calculating.".
    bool MaterialChosen();
    // The material's position as it is, chosen or not.
    void TakeMaterial();
    int MaterialIndex() const { return materialIndex_; }
    // The material line reads "k-factor": the user's conductivity.
    bool UserMaterial() const;

    // The line's number by the standard conversion ("." only); a text that is no number
    // throws ConversionError. Call in ascending line order.
    static float Number(int line);
    // A line typed in mm, in m.
    static float Metres(int line);

    // False after the "too high" refusal; shows the "too low" warning and goes on.
    bool MaterialLimitsAllow(float ambientTemp, float mediumTemp) const;
    // False after "Please enter values that make sense!".
    static bool Plausible(bool inBounds);
    // The material's limits, then the bounds: false after either refusal.
    bool LimitsAndBoundsAllow(float ambientTemp, float mediumTemp, bool inBounds) const;

    // The h in use: for a bare surface (thickness 0) without an h from the dialog, the
    // default coefficient, which is also written into the h line with three decimals.
    static float SurfaceCoefficientInUse(int hLine, float h, float thickness);

    // The heat-loss forms' reference: the default coefficient of the same surface left bare,
    // found with the thickness line at "0". The line then shows the thickness in mm with
    // three decimals, and SurfaceCoefficient and HFromDialog are back to the h in use.
    static float BareSurfaceCoefficient(int thicknessLine, float thickness, float h);

    // λ at the mean of θa and θi, or the user's conductivity, which also becomes the
    // k-factor text of the row.
    float Conductivity(float ambientTemp, float mediumTemp);
    // The k-factor text alone, for calculations that show no conductivity.
    void TakeKFactorText();

    // The row: every parameter line's text in order, the material line as name, space and
    // k-factor text, the unit in brackets after line unitLine (if any), then the result
    // lines but an alternatives line; a trailing tab unless told otherwise.
    void AppendRow(bool trailingTab, int unitLine = -1, const QString& unit = {}) const;

private:
    int materialLine_;
    int materialIndex_ = -1;
    QString kFactorText_;
};
