#pragma once
// "termora --compute PLANT.termora [--csv RESULTS.csv] [--bom BOM.csv] [--pdf SCHEDULE.pdf]":
// a project computed without a display. Exit status 0 when every line is "ok", 1 when some
// line is not, 2 when the project (or the program's data) cannot be read or an output cannot
// be written.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <ostream>

#include "project/Project.h"
#include "project/ProjectCompute.h"

struct ComputeOptions {
    QString ProjectFile;
    QString CsvFile; // "" when not asked for
    QString BomFile;
    QString PdfFile;
};

inline constexpr int kComputeAllOk = 0;
inline constexpr int kComputeSomeNotOk = 1;
inline constexpr int kComputeUnreadable = 2;

// Whether the arguments (without the program's name) ask for --compute.
bool AsksToCompute(const QStringList& arguments);

// The options of a --compute command line; nullopt with error set when they are not usable
// (an option without its file, an unknown option, no project).
std::optional<ComputeOptions> ParseComputeOptions(const QStringList& arguments, QString& error);

// Draws the schedule into a PDF file; returns "" when written, otherwise why not. Given by the
// program, which has the painting library; none means --pdf is refused.
using SchedulePdfWriter =
    std::function<QString(const Project&, const std::vector<LineResult>&, const QString& fileName)>;

// Reads, computes and writes what the options ask for; one line on err for each line whose
// status is not "ok" ("TAG: status", the line's number where it has no tag). The reference
// data must be loaded (LoadProjectData).
int RunCompute(const ComputeOptions& options, const ProjectData& data, std::ostream& err,
               const SchedulePdfWriter& pdf);
