#include "project/ProjectCsv.h"

#include <QRegularExpression>
#include <array>

#include "config/SafeFile.h"
#include "config/Tntinifiles.h"
#include "config/Uutils.h"
#include "project/LineFields.h"

namespace {
// Reads the cells of delimited text one character at a time, quotes as spreadsheets write.
class Splitter {
public:
    Splitter(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    std::vector<DelimitedRow> Rows() {
        while (i_ < text_.size())
            ReadRow();
        return std::move(rows_);
    }

private:
    void ReadRow() {
        DelimitedRow row;
        row.Row = line_;
        QString cell;
        bool quoted = false;
        for (; i_ < text_.size(); ++i_) {
            const QChar c = text_[i_];
            if (quoted) {
                if (c == u'"' && Peek(1) == u'"') {
                    cell += c;
                    ++i_;
                } else if (c == u'"') {
                    quoted = false;
                } else {
                    CountLine(c);
                    cell += c;
                }
            } else if (c == u'"') {
                quoted = true;
            } else if (c == separator_) {
                row.Cells << cell;
                cell.clear();
            } else if (c == u'\r' || c == u'\n') {
                EndOfLine(c);
                break;
            } else {
                cell += c;
            }
        }
        row.Cells << cell;
        rows_.push_back(row);
    }
    QChar Peek(qsizetype ahead) const {
        return i_ + ahead < text_.size() ? text_[i_ + ahead] : QChar();
    }
    void CountLine(QChar c) {
        if (c == u'\n' || (c == u'\r' && Peek(1) != u'\n'))
            ++line_;
    }
    void EndOfLine(QChar c) {
        if (c == u'\r' && Peek(1) == u'\n')
            ++i_;
        ++i_;
        ++line_;
    }

    const QString& text_;
    QChar separator_;
    qsizetype i_ = 0;
    int line_ = 1;
    std::vector<DelimitedRow> rows_;
};

bool Blank(const QStringList& cells) {
    for (const QString& cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

bool Optional(LineField field) {
    switch (field) {
    case LineField::SurfaceTempLimit:
    case LineField::MaxHeatFlow:
    case LineField::EnergyPrice:
    case LineField::HoursPerYear:
    case LineField::Co2PerKWh:
    case LineField::WasteAllowance:
    case LineField::Thickness:
    case LineField::Tag:
    case LineField::Cladding:
    case LineField::Layers:
    case LineField::InstalledCosts:
    case LineField::LifeYears:
    case LineField::InterestRate:
    case LineField::PriceIncrease:
        return true;
    default:
        return false;
    }
}

// A spreadsheet runs a text cell beginning with "=", "+", "-" or "@" as a formula; export
// writes it with a leading apostrophe, which reading takes off again.
bool Escaped(const QString& cell) {
    return cell.size() > 1 && cell[0] == u'\'' && SafeFile::CsvSafeCell(cell.mid(1)) != cell.mid(1);
}

QString Unescaped(const QString& cell) {
    return Escaped(cell) ? cell.mid(1) : cell;
}

QString Money(const std::optional<float>& value) {
    return value ? FormatFloat(*value, 2) : QString();
}

// One row into a line; the first cell that cannot be read refuses the row.
QString ReadRow(const QStringList& cells, const std::vector<std::optional<LineField>>& columns,
                Line& line) {
    for (size_t c = 0; c < columns.size() && c < static_cast<size_t>(cells.size()); ++c) {
        if (!columns[c])
            continue;
        const QString& cell = cells[static_cast<qsizetype>(c)];
        if (cell.trimmed().isEmpty() && !Optional(*columns[c]))
            continue;
        const QString fault = SetFieldText(line, *columns[c], Unescaped(cell));
        if (!fault.isEmpty())
            return FieldName(*columns[c]) + QStringLiteral(": ") + fault;
    }
    return {};
}

QByteArray CsvBytes(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList quoted;
        for (const QString& cell : row)
            quoted << SafeFile::CsvQuoted(SafeFile::CsvSafeCell(cell), u',');
        text += quoted.join(u',') + QStringLiteral("\r\n");
    }
    // With the byte-order mark, spreadsheets read the units' "°" and "²" as UTF-8.
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
} // namespace

std::vector<DelimitedRow> SplitDelimited(const QString& text, QChar separator) {
    return Splitter(text, separator).Rows();
}

QChar GuessSeparator(const QString& headerLine) {
    const qsizetype semicolons = headerLine.count(u';');
    const qsizetype commas = headerLine.count(u',');
    if (semicolons > commas)
        return u';';
    if (commas == 0 && headerLine.contains(u'\t'))
        return u'\t';
    return u',';
}

CsvImport ImportLinesText(const QString& text) {
    CsvImport result;
    const QString first = text.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0);
    std::vector<DelimitedRow> rows = SplitDelimited(text, GuessSeparator(first));
    auto row = rows.begin();
    while (row != rows.end() && Blank(row->Cells))
        ++row;
    std::vector<std::optional<LineField>> columns;
    bool known = false;
    if (row != rows.end()) {
        for (const QString& header : row->Cells) {
            columns.push_back(FieldFromHeader(header));
            known = known || columns.back().has_value();
        }
    }
    if (!known) {
        result.Error = QStringLiteral("The file has no header row with the line list's column "
                                      "names (Tag, Kind, Outside diameter, ...).");
        return result;
    }
    for (++row; row != rows.end(); ++row) {
        if (Blank(row->Cells))
            continue;
        Line line;
        const QString fault = ReadRow(row->Cells, columns, line);
        if (fault.isEmpty())
            result.Lines.push_back(std::move(line));
        else
            result.Errors.push_back({row->Row, fault});
    }
    return result;
}

CsvImport ImportLinesCsv(const QByteArray& bytes) {
    return ImportLinesText(DecodeText(bytes));
}

CsvImport ImportLinesFile(const QString& fileName) {
    return ParseDataFile<CsvImport>(fileName, ImportLinesCsv);
}

QStringList ResultHeaders() {
    return {QStringLiteral("Status"),
            QStringLiteral("Chosen thickness (mm)"),
            QStringLiteral("Product"),
            QStringLiteral("Surface temperature (°C)"),
            QStringLiteral("Heat loss or gain"),
            QStringLiteral("Heat flow per m or m² (W/m or W/m²)"),
            QStringLiteral("Heat flow (W)"),
            QStringLiteral("Energy per year (kWh)"),
            QStringLiteral("Cost per year"),
            QStringLiteral("CO2 per year (kg)"),
            QStringLiteral("Saving against bare (%)"),
            QStringLiteral("Bare heat flow (W)"),
            QStringLiteral("Bare energy per year (kWh)"),
            QStringLiteral("Bare cost per year"),
            QStringLiteral("Bare CO2 per year (kg)"),
            QStringLiteral("Installed cost"),
            QStringLiteral("Payback (years)"),
            QStringLiteral("Life cost"),
            QStringLiteral("Present value")};
}

QString ResultCell(const LineResult& r, int column) {
    if (column == 0)
        return r.Status;
    if (!r.HasFigures())
        return {};
    switch (column) {
    case 1:
        return FormatFloat(r.ThicknessMm, 1);
    case 2:
        return r.Product;
    case 3:
        return FormatFloat(r.SurfaceTemp, 2);
    case 4:
        return r.Gain ? QStringLiteral("gain") : QStringLiteral("loss");
    case 5:
        return FormatFloat(r.HeatFlowPerUnit, 3);
    case 6:
        return FormatFloat(r.HeatFlow, 3);
    case 7:
        return FormatFloat(r.EnergyPerYear, 1);
    case 8:
        return FormatFloat(r.CostPerYear, 2);
    case 9:
        return FormatFloat(r.Co2PerYear, 1);
    case 10:
        return FormatFloat(r.Saving, 2);
    case 11:
        return FormatFloat(r.BareHeatFlow, 3);
    case 12:
        return FormatFloat(r.BareEnergyPerYear, 1);
    case 13:
        return FormatFloat(r.BareCostPerYear, 2);
    case 14:
        return FormatFloat(r.BareCo2PerYear, 1);
    case 15:
        return Money(r.InstalledCost);
    case 16:
        return r.PaybackYears ? FormatFloat(*r.PaybackYears, 1) : QString();
    case 17:
        return Money(r.LifeCost);
    case 18:
        return Money(r.PresentValue);
    default:
        return {};
    }
}

QStringList ResultCells(const LineResult& r) {
    QStringList cells;
    for (int column = 0; column < kResultColumnCount; ++column)
        cells << ResultCell(r, column);
    return cells;
}

QByteArray ExportLinesCsv(const Project& project, const std::vector<LineResult>& results) {
    std::vector<QStringList> rows;
    QStringList header;
    for (int f = 0; f < kLineFieldCount; ++f)
        header << FieldHeader(static_cast<LineField>(f));
    rows.push_back(header + ResultHeaders());
    for (size_t i = 0; i < project.Lines.size(); ++i) {
        QStringList row;
        for (int f = 0; f < kLineFieldCount; ++f)
            row << FieldText(project.Lines[i], static_cast<LineField>(f));
        if (i < results.size())
            row << ResultCells(results[i]);
        rows.push_back(row);
    }
    return CsvBytes(rows);
}

QStringList BomHeaders() {
    return {QStringLiteral("Product"),
            QStringLiteral("Kind"),
            QStringLiteral("Thickness (mm)"),
            QStringLiteral("Lines"),
            QStringLiteral("Quantity (m or m²)"),
            QStringLiteral("Quantity with waste (m or m²)")};
}

QStringList BomCells(const BomItem& item) {
    return {item.Product,
            KindText(item.Kind),
            FormatFloat(item.ThicknessMm, 1),
            QString::number(item.Lines),
            FormatFloat(item.Quantity, 2),
            FormatFloat(item.QuantityWithWaste, 2)};
}

QByteArray BomCsv(const std::vector<BomItem>& items) {
    std::vector<QStringList> rows{BomHeaders()};
    for (const BomItem& item : items)
        rows.push_back(BomCells(item));
    return CsvBytes(rows);
}
