#include "app/Fhelp.h"

#include <QApplication>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

#include "app/Fhelpviewer.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "config/Tntinifiles.h"
#include "engine/State.h"

TF_Help::TF_Help(QWidget* parent)
    : QDialog(parent), Memo_Help(MakeMemo(this, "Memo_Help", {8, 8, 537, 337}, 14, false)),
      Cmd_OK(new QPushButton(this)) {
    setFixedSize(554, 394);
    ApplyCream(*this);
    Cmd_OK->setObjectName(QStringLiteral("Cmd_OK"));
    Cmd_OK->setGeometry(232, 360, 75, 26);
    Cmd_OK->setDefault(true);
    connect(Cmd_OK, &QPushButton::clicked, this, &QDialog::accept);
}

int TF_Help::OpenHelpFile(int position, QWidget* over) {
    const auto& files = Shared().ReferenceLists.HelpFiles;
    if (position < 0 || position >= static_cast<int>(files.size()))
        return 0;
    const QString path = QString::fromStdString(files[static_cast<size_t>(position)]);
    if (!QFileInfo(path).isFile() || !DataFileProblem(path).isEmpty())
        return 0;
    // Without a desktop viewer (no browser installed) the page still reaches the user.
    if (!OpenWithDesktop(QUrl::fromLocalFile(path)))
        (new THelpViewer(over))->ShowPage(path);
    return 1;
}

void TF_Help::SetHelpText(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n|\u2028"));
    Memo_Help->setPlainText(text.split(lineBreak).join(u'\n'));
}

void TF_Help::showEvent(QShowEvent* event) {
    ApplyGlobalFont(*this);
    Cmd_OK->setText(QStringLiteral("Close"));
    setWindowTitle(QStringLiteral("Help"));
    // Centred over the window that asked for help (the main window or a calculation form).
    if (QWidget* over = QApplication::activeWindow(); over && over != this)
        move(over->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
