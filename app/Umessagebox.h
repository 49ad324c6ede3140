#pragma once
// The program's message box. A long word is shown with invisible break opportunities so
// that it wraps, yet what the user copies from the box (Ctrl+C, or a selection of the
// text) comes without them. A list too long for the screen shows its leading lines and
// "and N more", and the whole list scrollable and copyable under "Show Details...".
#include <QClipboard>
#include <QMessageBox>
#include <QStringList>

class TMessageBox : public QMessageBox {
public:
    TMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                QWidget* parent);

    // The heading in full, then as many of the lines as fit the screen.
    void SetList(const QString& heading, const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetShownText(const QString& text);
    void CleanClipboard(QClipboard::Mode mode);
    QString shown_; // the text as the box shows it, break opportunities included
};

// How many of the lines, after the heading, a box fits in the given height at the given
// text width: each line wraps, and one more line is kept for "and N more".
qsizetype LinesThatFit(const QString& heading, const QStringList& lines, const QFont& font,
                       int width, int height);
