#pragma once
// PDF files written whole or not at all: the printer draws into a temporary file, which
// then goes to its place through the safe write (config/SafeFile.h).
#include <functional>

#include "config/SafeFile.h"

class QPainter;
class QPrinter;
class QWidget;

using PagePainter = std::function<void(QPainter&)>;

// Paints the pages as a PDF on the set-up printer (page layout, document name) and saves
// them at path. The printer's own output file name is left as it was.
SafeFile::Result SavePdf(QPrinter& printer, const QString& path, const PagePainter& paint);

// For a print preview's paintRequested: a printer printing to a PDF file (the print
// dialog's "Print to File") gets the file through SavePdf, a failure told through the
// message seam over parent; the preview itself and a real printer are painted directly.
void PaintOrSavePdf(QPrinter& printer, const PagePainter& paint, QWidget* parent);
