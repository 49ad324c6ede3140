#include "app/Umessagebox.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <cmath>

#include "app/Umessages.h"

namespace {

constexpr QChar kZeroWidthSpace(0x200B);
constexpr qsizetype kLongestLine = 300; // characters of one line shown in the box itself

QString Clipped(const QString& line) {
    return line.size() <= kLongestLine ? line : line.left(kLongestLine) + QChar(0x2026);
}

int WrappedLines(const QString& text, const QFontMetrics& metrics, int width) {
    int count = 0;
    for (const QString& line : text.split(u'\n')) {
        const double advance = metrics.horizontalAdvance(Clipped(line));
        count += std::max(1, static_cast<int>(std::ceil(advance / std::max(1, width))));
    }
    return count;
}

QRect ScreenOf(const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

} // namespace

qsizetype LinesThatFit(const QString& heading, const QStringList& lines, const QFont& font,
                       int width, int height) {
    const QFontMetrics metrics(font);
    // One line each for "and N more" and the box's own space around the text.
    int budget =
        height / std::max(1, metrics.lineSpacing()) - WrappedLines(heading, metrics, width) - 1;
    qsizetype fit = 0;
    for (const QString& line : lines) {
        budget -= WrappedLines(line, metrics, width);
        if (budget < 0)
            break;
        ++fit;
    }
    return fit;
}

TMessageBox::TMessageBox(Icon icon, const QString& title, const QString& text,
                         StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, QString(), buttons, parent) {
    setTextFormat(Qt::PlainText); // a file name with "<" is no markup
    SetShownText(text);
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this, &TMessageBox::CleanClipboard);
}

void TMessageBox::SetShownText(const QString& text) {
    shown_ = WithBreakableWords(text);
    setText(shown_);
}

void TMessageBox::SetList(const QString& heading, const QStringList& lines) {
    const QRect screen = ScreenOf(parentWidget());
    // The width a message box gives its text, and room for its icon, title and buttons.
    const int width = std::min(screen.width() / 2, 500);
    const qsizetype fit = LinesThatFit(heading, lines, font(), width, screen.height() / 2);
    QStringList shown{heading};
    for (qsizetype i = 0; i < fit; ++i)
        shown << Clipped(lines[i]);
    if (fit < lines.size()) {
        shown << QStringLiteral("and %1 more").arg(lines.size() - fit);
        setDetailedText((QStringList{heading} + lines).join(u'\n'));
    }
    SetShownText(shown.join(u'\n'));
}

// Ctrl+C copies the selected part of the text, or else the whole message with its details.
void TMessageBox::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Copy)) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    const auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QString copied = label && label->hasSelectedText() ? label->selectedText() : shown_;
    if (copied == shown_ && !detailedText().isEmpty())
        copied += QStringLiteral("\n\n") + detailedText();
    QGuiApplication::clipboard()->setText(copied.remove(kZeroWidthSpace));
    event->accept();
}

// A copy taken from this box (Ctrl+C copies the whole box, a selection its part) holds
// the break opportunities of the shown text: put the text back without them.
void TMessageBox::CleanClipboard(QClipboard::Mode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString copied = clipboard->text(mode);
    if (!copied.contains(kZeroWidthSpace))
        return;
    if (!shown_.contains(copied) && !copied.contains(shown_))
        return; // not from this box
    QString clean = copied;
    clean.remove(kZeroWidthSpace);
    clipboard->setText(clean, mode);
}
