// The report's print preview printing to a PDF file (the print dialog's "Print to File"):
// the file is written whole through the safe write, or the reason is told.
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "forms/Fpipessheets.h"
#include "output/Fprint.h"
#include "support/FormFixture.h"

namespace {

class ReportPdfFileTest : public FormTest {};

TEST_F(ReportPdfFileTest, PrintToFileIsWholeOrTold) {
    Shared().CalculationType = 2;
    auto form = std::make_unique<TPipeForm>(nullptr);
    form->FormShow();
    TPrintDecision dialog;
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath("report.pdf"), dir.filePath("no/report.pdf")}) {
        seam.messages.clear();
        int pages = 0;
        seam.onDialog = [&](QDialog& d) {
            auto& preview = static_cast<QPrintPreviewDialog&>(d);
            preview.printer()->setOutputFormat(QPrinter::PdfFormat);
            preview.printer()->setOutputFileName(path);
            if (auto* widget = d.findChild<QPrintPreviewWidget*>()) {
                widget->updatePreview(); // the preview itself is painted as before
                pages = widget->pageCount();
            }
            EXPECT_FALSE(QFile::exists(path)); // not by the preview
            emit preview.paintRequested(preview.printer());
            return int(QDialog::Accepted);
        };
        dialog.show();
        dialog.Button1->click(); // "Print actual result"
        EXPECT_EQ(pages, 1);
        QFile file(path);
        const bool written = file.open(QIODevice::ReadOnly);
        EXPECT_EQ(written, !path.contains("/no/"));
        if (written) {
            const QByteArray pdf = file.readAll();
            EXPECT_TRUE(pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF"));
            EXPECT_TRUE(seam.messages.empty());
        } else {
            EXPECT_EQ(seam.Texts(),
                      QStringList{"Could not write " + path + ": the folder does not exist."});
        }
    }
}

} // namespace
