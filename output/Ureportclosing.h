#pragma once
// The closing block of the report: the "Comments" caption with the comment, then the
// "Sales Contact" caption with the sales text, kept below the results and above the
// footer.
#include "output/Ureportpage.h"

struct TClosingBlock {
    TReportText& commentsCaption;
    TReportText& comment;
    TReportText& salesCaption;
    TReportText& sales;
};

// The block at its design places unless the rows above reach it; then it moves down as
// one, the caption with its comment. When the sales contact would then run past `bottom`
// (page coordinates), it gives up its design distance from the comment; when even that
// is not enough, the comment and the sales contact stand side by side below their
// captions, the comment shortened to the lines that fit there, ending in "…" (the sales
// contact too, should it alone be longer than the page has room for).
void FitClosingBlock(const TClosingBlock& block, double rowsEnd, double bottom,
                     const QString& family);
