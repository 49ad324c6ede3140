#include "app/Fhelpviewer.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Ulook.h"

THelpViewer::THelpViewer(QWidget* parent)
    : QDialog(parent), Browser(new QTextBrowser(this)), Cmd_Close(new QPushButton(this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    ApplyCream(*this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(false);
    Cmd_Close->setObjectName(QStringLiteral("Cmd_Close"));
    Cmd_Close->setText(QStringLiteral("Close"));
    Cmd_Close->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Browser);
    layout->addWidget(Cmd_Close, 0, Qt::AlignHCenter);
    resize(720, 640);
    connect(Cmd_Close, &QPushButton::clicked, this, &QDialog::close);
    // The title follows the page a link led to.
    connect(Browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(Browser->documentTitle()); });
}

void THelpViewer::ShowPage(const QString& path) {
    Browser->setSource(QUrl::fromLocalFile(path));
    setWindowTitle(Browser->documentTitle());
    show();
    raise();
    activateWindow();
}
