// Renders the thickness table window (both tabs) and its printed page to PNGs for the
// documentation; run by scripts/table-screenshots under Xvfb, skipped otherwise.
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "support/RecordingSeam.h"
#include "table/TableInputs.h"
#include "table/ThicknessTableWindow.h"

namespace {

class ThicknessTableScreenshot : public SeamTest {};

TEST_F(ThicknessTableScreenshot, DISABLED_BothTabsAndThePage) {
    const QString beside = QCoreApplication::applicationDirPath();
    LoadConfiguration(beside, [](const QString&) { return true; });
    LoadPipeTable(beside);
    TWorkingValues& wv = Shared().WorkingValues;
    wv.AmbientTemp = 20, wv.MediumTemp = 80, wv.TubeDiameter = 0.0483f, wv.MaterialIndex = 0;
    const QString shots = qEnvironmentVariable("TERMORA_SHOT_DIR", QDir::currentPath());
    TThicknessTableWindow window(true);
    window.Inputs->MaxFlowOn->click();
    window.Inputs->MaxFlow->setText("20");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.grab().save(shots + "/thickness-table.png"));
    window.Tabs->setCurrentIndex(1);
    ASSERT_TRUE(window.grab().save(shots + "/thickness-table-pipe-sizes.png"));
    window.Tabs->setCurrentIndex(0);
    QImage page(794, 1123, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(38, 38); // the 10 mm margins at 96 dpi
    PaintTablePage(painter, window.Page());
    painter.end();
    ASSERT_TRUE(page.save(shots + "/thickness-table-page.png"));
}

} // namespace
