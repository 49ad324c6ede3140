// Prints the report of a computed pipe heat loss with the shipped configuration into
// report-sample.pdf, for looking at it; run by scripts/report-sample.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "output/Fprint.h"
#include "output/Freport.h"
#include "support/RecordingSeam.h"

namespace {

class ReportSample : public SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        ResetFormState();
        const QString beside = QCoreApplication::applicationDirPath();
        LoadConfiguration(beside, [](const QString&) { return true; });
        LoadPipeTable(beside);
    }
    void TearDown() override {
        ResetFormState();
        SeamTest::TearDown();
    }
};

TEST_F(ReportSample, DISABLED_PipeHeatLoss) {
    Shared().CalculationType = 2;
    auto form = std::make_unique<TPipeForm>(nullptr);
    form->FormShow();
    TParas& lines = *FormState().ParameterLines;
    const char* texts[] = {"20", "60", "60.3", "30", "25", nullptr, "9", "0.25"};
    for (int i = 0; i < 8; ++i)
        if (texts[i])
            lines[i].SetParaLineEditText(QString::fromUtf8(texts[i]));
    lines[5].MaterialSelector()->setCurrentIndex(5);
    form->Button1->click();
    ASSERT_TRUE(form->Button3->isEnabled()) << seam.Texts().join(u'|').toStdString();

    TPrintDecision dialog;
    dialog.E_project->setText(QString::fromUtf8("Harbour Road dairy \xE2\x80\x93 hot water main"));
    dialog.E_company->setText("Northwind Building Services");
    dialog.E_remarks->setText("Pipe rack B, level 2. Valves and flanges insulated with "
                              "removable covers of the same material.");
    Tf_Print report(dialog);
    report.Build();

    const QString dir = qEnvironmentVariable("TERMORA_SAMPLE_DIR", QDir::currentPath());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir + QStringLiteral("/report-sample.pdf"));
    Tf_Print::SetUpPage(printer);
    QPainter painter(&printer);
    report.draw(painter);
}

} // namespace
