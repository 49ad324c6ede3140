// Export, print and PDF of the thickness table window.
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringListModel>
#include <QTabWidget>
#include <set>

#include "app/Umessages.h"
#include "config/SafeFile.h"
#include "project/NumberText.h"
#include "project/Project.h"
#include "projectwin/ProjectSession.h"
#include "table/LayeredRows.h"
#include "table/TableInputs.h"
#include "table/TableSystemLine.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

TablePage TThicknessTableWindow::Page() const {
    TablePage page;
    const bool bySize = Tabs->currentIndex() == 1;
    page.title = windowTitle() +
                 (bySize ? QStringLiteral(", by pipe size") : QStringLiteral(", by thickness"));
    page.inputs = Inputs->Summary(bySize);
    if (!bySize)
        page.inputs << SystemSummary();
    if (!bySize)
        page.minima << Minima->text();
    page.model = bySize ? static_cast<const QAbstractItemModel*>(pipeSizeModel_)
                        : static_cast<const QAbstractItemModel*>(layeredRows_);
    page.chart = Chart->Data();
    page.withChart = !bySize;
    return page;
}

// The dialog's own overwrite question misses a link to a file that is gone, and it does
// not go through the seam: the question is asked here, for both, and "No" goes back to the
// dialog.
QString TThicknessTableWindow::AskFileName(const QString& caption, const QString& filter,
                                           const QString& suffix) {
    QFileDialog dialog(this, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    while (ExecModal(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        const QFileInfo target(path);
        // A folder is not replaced: the write tells why.
        if (target.isDir() || (!target.exists() && !SafeFile::IsDanglingLink(path)))
            return path;
        if (AskYesNo(target.fileName() +
                         QStringLiteral(" already exists.\nDo you want to replace it?"),
                     caption, this))
            return path;
    }
    return {};
}

void TThicknessTableWindow::ExportCsv() {
    const QString path = AskFileName(QStringLiteral("Export CSV"),
                                     QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const QAbstractItemModel& model = *Page().model;
    QString text = CsvText(model, DecimalComma->isChecked());
    // The object and its layers under the rows, one cell a line.
    if (Tabs->currentIndex() == 0 && !SystemSummary().isEmpty())
        text +=
            u'\n' +
            CsvText(QStringListModel(SystemSummary()), DecimalComma->isChecked()).section(u'\n', 1);
    const SafeFile::Result saved = SafeFile::Write(path, text.toUtf8());
    if (!saved.ok)
        ShowError(saved.Message(), this);
}

void TThicknessTableWindow::Print() {
    PreviewTablePage(Page(), this);
}

void TThicknessTableWindow::SavePdf() {
    const QString path = AskFileName(QStringLiteral("Save PDF"),
                                     QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const SafeFile::Result saved = WriteTablePdf(Page(), path);
    if (!saved.ok)
        ShowError(saved.Message(), this);
}

void TThicknessTableWindow::SetJob(const Line& line, const ProjectSettings& settings) {
    SetLineSystem(*Geometry, *Layers, line);
    Inputs->SetLine(line, settings);
    thicknessModel_->SetInstalledCosts(line.InstalledCosts);
    ListCostedThicknesses(line.InstalledCosts);
    Recompute();
}

// The thicknesses a cost is typed for join the listed ones, thinnest first: each cost shows.
void TThicknessTableWindow::ListCostedThicknesses(const std::map<float, float>& costs) {
    if (costs.empty())
        return;
    std::set<float> listed;
    for (const QString& part : Inputs->Thicknesses->text().split(
             QRegularExpression(QStringLiteral("[\\s;]+")), Qt::SkipEmptyParts))
        if (const std::optional<float> mm = TryNumber(part))
            listed.insert(*mm);
    for (const auto& [mm, cost] : costs)
        listed.insert(mm);
    QStringList texts;
    for (float mm : listed)
        texts << NumberText(mm);
    Inputs->Thicknesses->setText(texts.join(u' '));
}

// Only while the inputs are accepted (the button is disabled otherwise), so every field
// reads as a number.
void TThicknessTableWindow::AddToProject() {
    const std::optional<ThicknessTableInputs> in = Inputs->Read().inputs;
    if (!in)
        return;
    Line line = Inputs->ToLine();
    ReadLineSystem(*Geometry, *Layers, line);
    line.InstalledCosts = thicknessModel_->InstalledCostsByMm(in->ThicknessesMm);
    AddLineToProject(line);
}
