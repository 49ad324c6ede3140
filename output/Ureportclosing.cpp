#include "output/Ureportclosing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCommentBelowCaption = 30;
constexpr double kCommentBelowMovedCaption = 20; // the design's extra room goes first
constexpr double kSalesBelowCaption = 22;
constexpr double kSalesCaptionBelowComments = 80; // the design's room for the comment
constexpr double kGap = 6;                        // least room above a text moved down
constexpr double kSideColumn = 440;               // the sales contact beside the comment
constexpr double kSideGap = 20;

double Bottom(const TReportText& text, const QString& family) {
    return text.at.y() + ReportTextHeight(text, family);
}

// Places the block from top down; returns the bottom of the sales text. With designRoom
// the sales contact keeps at least its design distance from the "Comments" caption.
double Stack(const TClosingBlock& b, double top, double commentGap, bool designRoom,
             const QString& family) {
    b.commentsCaption.at.setY(top);
    b.comment.at.setY(top + commentGap);
    const double commentEnd =
        b.comment.text.isEmpty() ? top + commentGap : Bottom(b.comment, family) + kGap;
    const double least = designRoom ? top + kSalesCaptionBelowComments : 0;
    b.salesCaption.at.setY(std::max(least, commentEnd));
    b.sales.at.setY(b.salesCaption.at.y() + kSalesBelowCaption);
    return Bottom(b.sales, family);
}

// How many lines of the text fit from its top down to bottom.
int LinesAbove(const TReportText& text, double bottom, const QString& family) {
    const double line = ReportLinesHeight(text, family, 1);
    return std::max(0, static_cast<int>(std::floor((bottom - text.at.y()) / line)));
}

void ShortenAbove(TReportText& text, double bottom, const QString& family) {
    if (Bottom(text, family) > bottom)
        text.text = ShortenToLines(text, family, LinesAbove(text, bottom, family));
}

void SideBySide(const TClosingBlock& b, double top, double gap, double bottom,
                const QString& family) {
    const double commentLeft = b.comment.at.x();
    const double salesShift = kSideColumn - b.salesCaption.at.x();
    b.comment.wrapWidth = kSideColumn - kSideGap - commentLeft;
    b.salesCaption.at = QPointF(kSideColumn, top);
    b.sales.at = QPointF(b.sales.at.x() + salesShift, top + kSalesBelowCaption);
    b.sales.wrapWidth = ReportPage::kWidth - 8 - b.sales.at.x();
    b.commentsCaption.at.setY(top);
    b.comment.at.setY(top + gap);
    ShortenAbove(b.comment, bottom, family);
    ShortenAbove(b.sales, bottom, family);
}

} // namespace

void FitClosingBlock(const TClosingBlock& b, double rowsEnd, double bottom, const QString& family) {
    const bool pushed = rowsEnd > b.commentsCaption.at.y();
    const double top = std::max(b.commentsCaption.at.y(), rowsEnd);
    const double gap = pushed ? kCommentBelowMovedCaption : kCommentBelowCaption;
    if (Stack(b, top, gap, true, family) <= bottom || Stack(b, top, gap, false, family) <= bottom)
        return;
    SideBySide(b, top, gap, bottom, family);
}
