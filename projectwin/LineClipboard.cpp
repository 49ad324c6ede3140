#include "projectwin/LineClipboard.h"

#include <QStringList>

#include "config/SafeFile.h"

namespace {
QString Cell(const QString& text) {
    return SafeFile::CsvQuoted(text, u'\t');
}

QString InputHeader() {
    QStringList header;
    for (int f = 0; f < kLineFieldCount; ++f)
        header << FieldHeader(static_cast<LineField>(f));
    return header.join(u'\t');
}

QString WithoutFinalBreak(QString text) {
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}
} // namespace

QString LinesToClipboard(const std::vector<Line>& lines, const std::vector<LineResult>& results) {
    QStringList rows{InputHeader() + u'\t' + ResultHeaders().join(u'\t')};
    for (size_t i = 0; i < lines.size(); ++i) {
        QStringList cells;
        for (int f = 0; f < kLineFieldCount; ++f)
            cells << Cell(FieldText(lines[i], static_cast<LineField>(f)));
        if (i < results.size())
            for (const QString& result : ResultCells(results[i]))
                cells << Cell(result);
        rows << cells.join(u'\t');
    }
    return rows.join(u'\n') + u'\n';
}

CsvImport LinesFromClipboard(const QString& text) {
    const QString body = WithoutFinalBreak(text);
    const auto rows = SplitDelimited(body, u'\t');
    if (rows.empty())
        return {};
    const QStringList& first = rows.front().Cells;
    const bool hasHeader = !first.isEmpty() && FieldFromHeader(first.front()).has_value();
    if (hasHeader)
        return ImportLinesText(body);
    // Row numbers as the user sees the pasted rows, without the header put in front.
    CsvImport read = ImportLinesText(InputHeader() + u'\n' + body);
    for (CsvRowError& error : read.Errors)
        --error.Row;
    return read;
}

bool IsSingleCell(const QString& text) {
    const QString body = WithoutFinalBreak(text);
    return !body.contains(u'\t') && !body.contains(u'\n') && !body.contains(u'\r');
}

QString RowErrorsText(const std::vector<CsvRowError>& errors) {
    QStringList lines{QStringLiteral("These rows could not be read and were left out:")};
    for (const CsvRowError& e : errors)
        lines << QStringLiteral("Row %1: %2").arg(e.Row).arg(e.Reason);
    return lines.join(u'\n');
}
