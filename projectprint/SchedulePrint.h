#pragma once
// The insulation schedule on paper: a title block, one row per line with its results (column
// headers repeated on every page), the totals and the bill of materials, page numbers on every
// page. Text that does not fit a cell wraps, so nothing is cut off however long a tag or a
// project. Draws on any paged device (a QPrinter, a QPdfWriter) with Qt Gui only, so the
// command line can write a PDF with the offscreen platform.
#include <QString>
#include <vector>

#include "project/Project.h"
#include "project/ProjectCompute.h"

class QPagedPaintDevice;

// Draws the whole schedule on the device, starting on its current page, and returns the
// number of pages drawn. The device's page layout is used as it is set.
int DrawSchedule(QPagedPaintDevice& device, const Project& project,
                 const std::vector<LineResult>& results);

// The schedule as an A4 landscape PDF file, written atomically; "" when written, otherwise
// the message to show.
QString WriteSchedulePdf(const Project& project, const std::vector<LineResult>& results,
                         const QString& fileName);

// The schedule's column headers and one line's cells, as printed.
QStringList ScheduleHeaders();
QStringList ScheduleCells(const Line& line, const LineResult& result);
