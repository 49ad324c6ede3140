#include "output/Updffile.h"

#include <QDir>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include "app/Umessages.h"

namespace {
// The PDF engine drops its write errors: a file cut short by a full temporary folder
// lacks the end-of-file mark the engine writes last.
bool Complete(const QByteArray& pdf) {
    return pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF");
}

QByteArray Render(QPrinter& printer, const QString& file, const PagePainter& paint) {
    const QString before = printer.outputFileName();
    printer.setOutputFileName(file);
    QPainter painter;
    bool painted = painter.begin(&printer);
    if (painted) {
        paint(painter);
        painted = painter.end();
    }
    printer.setOutputFileName(before);
    QFile result(file);
    if (!painted || !result.open(QIODevice::ReadOnly))
        return {};
    return result.readAll();
}
} // namespace

SafeFile::Result SavePdf(QPrinter& printer, const QString& path, const PagePainter& paint) {
    QTemporaryFile scratch(QDir::temp().filePath(QStringLiteral("termora-XXXXXX.pdf")));
    if (!scratch.open())
        return {false, path,
                QStringLiteral("no temporary file could be made in ") + QDir::tempPath()};
    scratch.close();
    const QByteArray pdf = Render(printer, scratch.fileName(), paint);
    if (!Complete(pdf))
        return {false, path,
                QStringLiteral("the temporary folder ") + QDir::tempPath() +
                    QStringLiteral(" is full or cannot be written")};
    return SafeFile::Write(path, pdf);
}

void PaintOrSavePdf(QPrinter& printer, const PagePainter& paint, QWidget* parent) {
    const QPaintEngine* engine = printer.paintEngine();
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat &&
                        !printer.outputFileName().isEmpty() && engine &&
                        engine->type() == QPaintEngine::Pdf;
    if (!toFile) {
        QPainter painter(&printer);
        paint(painter);
        return;
    }
    const SafeFile::Result saved = SavePdf(printer, printer.outputFileName(), paint);
    if (!saved.ok)
        ShowError(saved.Message(), parent);
}
