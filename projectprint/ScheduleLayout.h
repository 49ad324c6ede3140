#pragma once
// Lays a report of headings, label/value pairs and tables out on pages: every cell's text is
// wrapped to its column and a row is as tall as its tallest cell; a table's header row is
// repeated at the top of every page the table continues on; a heading is never the last thing
// on a page; a row taller than a page goes on over the next pages, broken between text lines;
// each page carries "Page n of N" and the footer text.
#include <QFont>
#include <QStringList>
#include <utility>
#include <vector>

class QPagedPaintDevice;
class QPainter;

class ScheduleLayout {
public:
    ScheduleLayout(QPagedPaintDevice& device, const QString& footer);

    void Heading(const QString& text);
    void Pairs(const std::vector<std::pair<QString, QString>>& pairs);
    // Starts a table: relative column widths (adding up to 1) and its header row.
    void Table(const std::vector<double>& widths, const QStringList& headers);
    void Row(const QStringList& cells);

    // Places the blocks on pages and draws them; returns the number of pages.
    int Draw();

private:
    enum class Kind { Heading, Header, Row };
    struct Block {
        Kind Type = Kind::Row;
        QStringList Cells;
        int Table = -1; // index into tables_
        double Height = 0;
    };
    // A block on a page: all of it, or the part [From, To) of a row taller than a page.
    struct Piece {
        int Index = 0; // into blocks_
        double From = 0, To = 0;
    };
    using Page = std::vector<Piece>;

    void Add(Kind type, const QStringList& cells, int table);
    double CellHeight(const QString& text, const QFont& font, double width) const;
    double Measure(const Block& block) const;
    double KeptHeight(const Block& block) const;
    std::vector<double> Breaks(const Block& block) const;
    std::vector<Page> Paginate() const;
    void DrawPiece(QPainter& p, const Piece& piece, double y) const;
    void DrawFooter(QPainter& p, int page, int pages) const;
    QFont FontOf(Kind type) const;

    QPagedPaintDevice& device_;
    QString footer_;
    QFont body_, bold_, heading_;
    double width_ = 0, height_ = 0, pad_ = 0, footerHeight_ = 0;
    std::vector<std::vector<double>> tables_;
    std::vector<Block> blocks_;
};
