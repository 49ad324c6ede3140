// The project's file, its spreadsheets and its paper: new, open, save, import, export,
// print, and the question about unsaved changes before anything is dropped.
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/UfileDialogs.h"
#include "app/Umessages.h"
#include "project/ProjectCsv.h"
#include "project/ProjectFile.h"
#include "projectprint/SchedulePrint.h"
#include "projectwin/LineClipboard.h"
#include "projectwin/LineCommands.h"
#include "projectwin/ProjectModel.h"
#include "projectwin/ProjectSession.h"
#include "projectwin/ProjectWindow.h"

namespace {
const QString kProjectFilter = QStringLiteral("Termora projects (*.termora)");
const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");
} // namespace

bool TProjectWindow::MayDiscard() {
    if (!Modified())
        return true;
    const QString name =
        fileName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(fileName_).fileName();
    switch (AskSaveChanges(QStringLiteral("Save the changes to %1?").arg(name), this)) {
    case MessageReply::Yes:
        return Save();
    case MessageReply::No:
        return true;
    default:
        return false;
    }
}

void TProjectWindow::NewProject() {
    if (!MayDiscard())
        return;
    model_->SetProject(Project{});
    fileName_.clear();
    undo_.clear();
    UpdateTitle();
}

void TProjectWindow::OpenDialog() {
    if (!MayDiscard())
        return;
    const QString path = AskOpenFileName(this, QStringLiteral("Open project"), kProjectFilter);
    if (!path.isEmpty())
        Load(path);
}

bool TProjectWindow::OpenFile(const QString& path) {
    return MayDiscard() && Load(path);
}

// A file that cannot be read changes nothing: the open project stays as it is.
bool TProjectWindow::Load(const QString& path) {
    ProjectReading read = LoadProject(path);
    if (!read.Read) {
        ShowError(read.Error, this);
        return false;
    }
    model_->SetProject(std::move(*read.Read));
    fileName_ = path;
    undo_.clear();
    UpdateTitle();
    RememberRecentProject(path);
    return true;
}

bool TProjectWindow::Save() {
    if (fileName_.isEmpty())
        return SaveAs();
    const QString error = SaveProject(model_->Document(), fileName_);
    if (!error.isEmpty()) {
        ShowError(error, this);
        return false;
    }
    undo_.setClean();
    UpdateTitle();
    return true;
}

bool TProjectWindow::SaveAs() {
    const SaveChoice choice = AskSaveFileName(this, QStringLiteral("Save project as"),
                                              {kProjectFilter}, {QLatin1String(kProjectSuffix)});
    if (choice.Path.isEmpty())
        return false;
    const QString previous = fileName_;
    fileName_ = choice.Path;
    if (!Save()) {
        fileName_ = previous;
        UpdateTitle();
        return false;
    }
    RememberRecentProject(fileName_);
    return true;
}

void TProjectWindow::ImportDialog() {
    const QString path = AskOpenFileName(this, QStringLiteral("Import line list"), kCsvFilter);
    if (!path.isEmpty())
        ImportFile(path);
}

// The rows that can be read are added at the end as one step; the others are listed.
void TProjectWindow::ImportFile(const QString& path) {
    CsvImport read = ImportLinesFile(path);
    if (!read.Error.isEmpty()) {
        ShowError(read.Error, this);
        return;
    }
    std::vector<int> rows(read.Lines.size());
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = model_->rowCount() + static_cast<int>(i);
    if (!rows.empty())
        undo_.push(new TInsertLines(*model_, rows, std::move(read.Lines),
                                    QStringLiteral("Import line list")));
    if (!read.Errors.empty())
        ShowWarning(RowErrorsText(read.Errors), this);
}

// One dialog for the three outputs: the lines with their results, the bill of materials and
// the printed schedule as PDF, told apart by the file type chosen.
void TProjectWindow::ExportDialog() {
    const SaveChoice choice = AskSaveFileName(
        this, QStringLiteral("Export"),
        {QStringLiteral("Lines with results (*.csv)"), QStringLiteral("Bill of materials (*.csv)"),
         QStringLiteral("Schedule PDF (*.pdf)")},
        {QStringLiteral("csv"), QStringLiteral("csv"), QStringLiteral("pdf")});
    if (choice.Path.isEmpty())
        return;
    model_->WaitForResults();
    const Project& project = model_->Document();
    const auto& results = model_->Results();
    QString error;
    if (choice.Filter == 0)
        error = WriteFileAtomically(choice.Path, ExportLinesCsv(project, results));
    else if (choice.Filter == 1)
        error = WriteFileAtomically(choice.Path, BomCsv(BillOfMaterials(project, results)));
    else
        error = WriteSchedulePdf(project, results, choice.Path);
    if (!error.isEmpty())
        ShowError(error, this);
}

void TProjectWindow::Print() {
    model_->WaitForResults();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Print schedule"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* device) {
        DrawSchedule(*device, model_->Document(), model_->Results());
    });
    ExecModal(preview);
}
