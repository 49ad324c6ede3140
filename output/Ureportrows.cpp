#include "output/Ureportrows.h"

#include <algorithm>

#include "config/Uutils.h"
#include "forms/Uclasses.h"

namespace {

constexpr double kParametersTop = 60;
constexpr double kResultsTop = 406;
constexpr double kRowPitch = 25;
constexpr double kCaptionX = 20;
constexpr double kValueRight = 500;
constexpr double kUnitX = 520;
constexpr double kMediumX = 600;
constexpr double kRowPoints = 14;
constexpr double kMediumPoints = 12;
// The user's conductivity as the calculation's own row records it; two decimals would
// print 0.036 as 0.04, unlike the conductivity the results were computed with.
const char* const kKFactorPattern = "#0.0000";
constexpr double kCaptionGap = 16;
constexpr double kSmallestPoints = 8;

class TRowWriter {
public:
    TRowWriter(std::vector<TReportText>& texts, double firstTop)
        : texts_(texts), firstTop_(ReportPage::kBodyTop + firstTop) {}

    void Caption(int row, const QString& text) { Add(row, kCaptionX, Qt::AlignLeft, text); }
    void Value(int row, const QString& text) { Add(row, kValueRight, Qt::AlignRight, text); }
    void Unit(int row, const QString& text) { Add(row, kUnitX, Qt::AlignLeft, text); }
    void Medium(int row, const QString& text) {
        Add(row, kMediumX, Qt::AlignLeft, QLatin1Char('(') + text + QLatin1Char(')'), kMediumPoints,
            2);
    }

private:
    void Add(int row, double x, Qt::Alignment align, const QString& text,
             double points = kRowPoints, double lower = 0) {
        if (text.isEmpty())
            return;
        TReportText added;
        added.at = QPointF(x, firstTop_ + kRowPitch * row + lower);
        added.align = align;
        added.points = points;
        added.text = text;
        texts_.push_back(added);
    }

    std::vector<TReportText>& texts_;
    double firstTop_;
};

void ValueLineRow(TRowWriter& rows, int r, const TParaLine& line) {
    if (line.ParaLineLabelAvailable())
        rows.Caption(r, line.ParaLineLabelText());
    rows.Value(r, line.ParaLineEditText());
    if (line.ParaLineUnitAvailable())
        rows.Unit(r, line.UnitText());
    if (line.ParaLineMediumAvailable())
        rows.Medium(r, line.MediumText());
    if (line.ParaLineFlowRateAvailable())
        rows.Unit(r, line.FlowRateText());
}

void MaterialLineRow(TRowWriter& rows, int r, const TParaLine& line, float kFactor) {
    rows.Caption(r, line.ParaLineLabelText());
    const QString material = line.MaterialText();
    if (material == kUserMaterialName) {
        rows.Value(r, material + QLatin1Char(' ') + FormatPattern(kFactor, kKFactorPattern));
        rows.Unit(r, QStringLiteral("W/m K"));
    } else {
        rows.Value(r, material);
    }
    if (line.ParaLineUnitAvailable())
        rows.Unit(r, line.UnitText());
}

// Returns the row after the line's last one.
int ResultLineRows(TRowWriter& rows, int r, TParaLine& line, bool listAlternatives) {
    if (line.ParaLineLabelAvailable()) {
        rows.Caption(r, line.ParaLineLabelText());
        if (line.AlternativesAvailable() && listAlternatives)
            for (const QString& entry : line.Alternatives()) {
                rows.Value(r, entry);
                rows.Unit(r, line.UnitText());
                ++r;
            }
    }
    if (line.ParaLineEditAvailable())
        rows.Value(r, line.ParaLineEditText());
    if (line.ParaLineUnitAvailable() && !line.AlternativesAvailable())
        rows.Unit(r, line.UnitText());
    return r + 1;
}

const TReportText* CaptionOfRow(const std::vector<TReportText>& rows, const TReportText& value) {
    for (const TReportText& text : rows)
        if (text.at.x() == kCaptionX && text.at.y() == value.at.y())
            return &text;
    return nullptr;
}

void StartAfter(TReportText& value, double left, const QString& family) {
    value.at.setX(left);
    value.align = Qt::AlignLeft;
    const double room = ReportPage::kWidth - left;
    const double width = ReportTextWidth(value, family);
    if (width > room)
        value.points = std::max(kSmallestPoints, value.points * room / width);
}

} // namespace

std::vector<TReportText> ParameterRows(const TParas& lines, float kFactor, const QString& cladding,
                                       const QString& hOrigin) {
    std::vector<TReportText> texts;
    TRowWriter rows(texts, kParametersTop);
    for (int r = 0; r < lines.Count(); ++r) {
        const TParaLine& line = lines[r];
        if (line.ParaLineEditAvailable())
            ValueLineRow(rows, r, line);
        else if (line.ParaLineMaterialAvailable())
            MaterialLineRow(rows, r, line, kFactor);
    }
    int r = lines.Count();
    if (!cladding.isEmpty()) {
        rows.Caption(r, QStringLiteral("type of cladding"));
        rows.Value(r++, cladding);
    }
    if (!hOrigin.isEmpty()) {
        rows.Caption(r, QStringLiteral("h calculated for"));
        rows.Value(r, hOrigin);
    }
    return texts;
}

std::vector<TReportText> ResultRows(const TResult& lines, int calculationType, double lower) {
    std::vector<TReportText> texts;
    TRowWriter rows(texts, kResultsTop + lower);
    int r = 0;
    for (int i = 0; i < lines.Count(); ++i)
        r = ResultLineRows(rows, r, lines[i], calculationType == 4);
    return texts;
}

double FirstResultTop() {
    return ReportPage::kBodyTop + kResultsTop;
}

double TopAfterRows(const std::vector<TReportText>& rows) {
    double after = 0;
    for (const TReportText& text : rows)
        after = std::max(after, text.at.y() + kRowPitch);
    return after;
}

void FitValuesBesideCaptions(std::vector<TReportText>& rows, const QString& family) {
    for (TReportText& value : rows) {
        if (value.at.x() != kValueRight)
            continue;
        const TReportText* caption = CaptionOfRow(rows, value);
        if (!caption)
            continue;
        const double captionEnd = kCaptionX + ReportTextWidth(*caption, family);
        if (kValueRight - ReportTextWidth(value, family) < captionEnd + kCaptionGap)
            StartAfter(value, captionEnd + kCaptionGap, family);
    }
}
