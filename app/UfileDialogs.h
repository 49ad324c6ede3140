#pragma once
// File names asked of the user through the seam's modal dialogs, so that tests can answer
// them. The save dialog's own overwrite question would bypass the seam and miss a link to a
// file that is gone: it is asked here instead, and "No" goes back to the dialog.
#include <QString>
#include <QStringList>

class QWidget;

// A file to read; empty when cancelled.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter);

// A file to write, with the name filter chosen (for a dialog offering several outputs);
// empty when cancelled.
struct SaveChoice {
    QString Path;
    qsizetype Filter = 0; // index into the filters
};
SaveChoice AskSaveFileName(QWidget* parent, const QString& caption, const QStringList& filters,
                           const QStringList& suffixes);
