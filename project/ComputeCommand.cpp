#include "project/ComputeCommand.h"

#include "project/ProjectCsv.h"
#include "project/ProjectFile.h"

namespace {
void Print(std::ostream& err, const QString& text) {
    err << text.toStdString() << '\n';
}

QString Label(const Line& line, size_t index) {
    if (!line.Tag.trimmed().isEmpty())
        return line.Tag;
    return QStringLiteral("line %1").arg(index + 1);
}

// Writes each output asked for; the first failure is told and ends the run.
bool WriteOutputs(const ComputeOptions& o, const Project& project,
                  const std::vector<LineResult>& results, std::ostream& err,
                  const SchedulePdfWriter& pdf) {
    QString fault;
    if (!o.CsvFile.isEmpty())
        fault = WriteFileAtomically(o.CsvFile, ExportLinesCsv(project, results));
    if (fault.isEmpty() && !o.BomFile.isEmpty())
        fault = WriteFileAtomically(o.BomFile, BomCsv(BillOfMaterials(project, results)));
    if (fault.isEmpty() && !o.PdfFile.isEmpty())
        fault = pdf ? pdf(project, results, o.PdfFile)
                    : QStringLiteral("This program cannot write PDF files.");
    if (!fault.isEmpty())
        Print(err, fault);
    return fault.isEmpty();
}
} // namespace

bool AsksToCompute(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--compute"));
}

std::optional<ComputeOptions> ParseComputeOptions(const QStringList& arguments, QString& error) {
    ComputeOptions o;
    const std::vector<std::pair<QString, QString*>> options{
        {QStringLiteral("--compute"), &o.ProjectFile},
        {QStringLiteral("--csv"), &o.CsvFile},
        {QStringLiteral("--bom"), &o.BomFile},
        {QStringLiteral("--pdf"), &o.PdfFile}};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString* target = nullptr;
        for (const auto& [name, field] : options)
            target = arguments[i] == name ? field : target;
        if (!target) {
            error = QStringLiteral("Unknown argument with --compute: %1").arg(arguments[i]);
            return std::nullopt;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))) {
            error = QStringLiteral("%1 needs a file name.").arg(arguments[i]);
            return std::nullopt;
        }
        *target = arguments[++i];
    }
    return o;
}

int RunCompute(const ComputeOptions& options, const ProjectData& data, std::ostream& err,
               const SchedulePdfWriter& pdf) {
    const ProjectReading reading = LoadProject(options.ProjectFile);
    if (!reading.Read) {
        Print(err, reading.Error);
        return kComputeUnreadable;
    }
    const Project& project = *reading.Read;
    const std::vector<LineResult> results = ComputeProject(project, data);
    bool allOk = true;
    for (size_t i = 0; i < results.size(); ++i) {
        if (results[i].State == LineState::Ok)
            continue;
        allOk = false;
        Print(err, Label(project.Lines[i], i) + QStringLiteral(": ") + results[i].Status);
    }
    if (!WriteOutputs(options, project, results, err, pdf))
        return kComputeUnreadable;
    return allOk ? kComputeAllOk : kComputeSomeNotOk;
}
