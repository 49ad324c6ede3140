// Export, print and PDF of the thickness table window.
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTabWidget>

#include "app/Umessages.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

TablePage TThicknessTableWindow::Page() const {
    TablePage page;
    const bool bySize = Tabs->currentIndex() == 1;
    page.title = windowTitle() +
                 (bySize ? QStringLiteral(", by pipe size") : QStringLiteral(", by thickness"));
    page.inputs = Inputs->Summary(bySize);
    if (!bySize)
        page.minima << Minima->text();
    page.model = bySize ? static_cast<const QAbstractItemModel*>(pipeSizeModel_)
                        : static_cast<const QAbstractItemModel*>(thicknessModel_);
    page.chart = Chart->Data();
    page.withChart = !bySize;
    return page;
}

QString TThicknessTableWindow::AskFileName(const QString& caption, const QString& filter,
                                           const QString& suffix) {
    QFileDialog dialog(this, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TThicknessTableWindow::ExportCsv() {
    const QString path = AskFileName(QStringLiteral("Export CSV"),
                                     QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const QAbstractItemModel& model = *Page().model;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(CsvText(model, DecimalComma->isChecked()).toUtf8()) < 0) {
        ShowError(QStringLiteral("Could not write ") + path, this);
    }
}

void TThicknessTableWindow::Print() {
    PreviewTablePage(Page(), this);
}

void TThicknessTableWindow::SavePdf() {
    const QString path = AskFileName(QStringLiteral("Save PDF"),
                                     QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty() && !WriteTablePdf(Page(), path))
        ShowError(QStringLiteral("Could not write ") + path, this);
}
