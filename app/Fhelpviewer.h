#pragma once
#include <QDialog>

class QPushButton;
class QTextBrowser;

// The program's own window for a help page, for a desktop that has no viewer for it:
// the page with its links, and "Close". It stays open beside the window that asked for
// help and deletes itself when closed.
class THelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);
    // Loads the page (a local HTML file); its title becomes the window's.
    void ShowPage(const QString& path);

    QTextBrowser* Browser;
    QPushButton* Cmd_Close;
};
