#include "app/Umessages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>

#include "app/Umessagebox.h"
#include <algorithm>

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Question:
    case MessageKind::SaveQuestion:
        return QMessageBox::Question;
    case MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

class DesktopSeam : public MessageSeam {
public:
    MessageReply Message(MessageKind kind, const QString& text, const QString& title,
                         QWidget* parent) override {
        const bool question = kind == MessageKind::Question;
        const bool save = kind == MessageKind::SaveQuestion;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        if (question || save)
            buttons = QMessageBox::Yes | QMessageBox::No;
        if (save)
            buttons |= QMessageBox::Cancel;
        TMessageBox box(IconOf(kind), title, text, buttons, parent);
        if (question || save)
            box.setDefaultButton(save ? QMessageBox::Cancel : QMessageBox::No);
        const int answer = box.exec();
        if (!question && !save)
            return MessageReply::Ok;
        if (answer == QMessageBox::Yes)
            return MessageReply::Yes;
        return answer == QMessageBox::No ? MessageReply::No : MessageReply::Cancel;
    }
    void MessageList(MessageKind kind, const QString& heading, const QStringList& lines,
                     const QString& title, QWidget* parent) override {
        TMessageBox box(IconOf(kind), title, QString(), QMessageBox::Ok, parent);
        box.SetList(heading, lines);
        box.exec();
    }
    int ExecDialog(QDialog& dialog) override { return dialog.exec(); }
    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

MessageSeam* installed = nullptr;

const QString kTitle = QStringLiteral("Termora");

} // namespace

QString WithBreakableWords(const QString& text, int maxRun) {
    static const QChar kZeroWidthSpace(0x200B);
    QString shown;
    shown.reserve(text.size() + text.size() / std::max(1, maxRun));
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > maxRun && !c.isLowSurrogate()) {
            shown += kZeroWidthSpace;
            run = 1;
        }
        shown += c;
    }
    return shown;
}

MessageSeam& Seam() {
    static DesktopSeam desktop;
    return installed ? *installed : desktop;
}

void InstallSeam(MessageSeam* seam) {
    installed = seam;
}

void ShowMessage(const QString& text, QWidget* parent) {
    Seam().Message(MessageKind::Plain, text, kTitle, parent);
}

void ShowWarning(const QString& text, QWidget* parent) {
    Seam().Message(MessageKind::Warning, text, kTitle, parent);
}

void ShowWarningList(const QString& heading, const QStringList& lines, QWidget* parent) {
    Seam().MessageList(MessageKind::Warning, heading, lines, kTitle, parent);
}

void ShowError(const QString& text, QWidget* parent) {
    Seam().Message(MessageKind::Error, text, kTitle, parent);
}

bool AskYesNo(const QString& text, const QString& title, QWidget* parent) {
    return Seam().Message(MessageKind::Question, text, title, parent) == MessageReply::Yes;
}

MessageReply AskSaveChanges(const QString& text, QWidget* parent) {
    return Seam().Message(MessageKind::SaveQuestion, text, kTitle, parent);
}

int ExecModal(QDialog& dialog) {
    return Seam().ExecDialog(dialog);
}

bool ModalWindowAbove(const QWidget& window) {
    const QWidget* top = QApplication::activeModalWidget();
    return top && top != window.window();
}

bool OpenWithDesktop(const QUrl& url) {
    return Seam().OpenUrl(url);
}
