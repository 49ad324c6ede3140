// Renders each calculation form to a PNG for looking at it; run by scripts/form-screenshots
// under a real X server, skipped otherwise.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "forms/Fpipessheets.h"
#include "support/FormFixture.h"

namespace {

class FormScreenshot : public FormTest {};

TEST_F(FormScreenshot, DISABLED_RendersEveryForm) {
    const QString dir = qEnvironmentVariable("TERMORA_SHOT_DIR", QDir::currentPath());
    for (int type = 0; type < 8; ++type) {
        Shared().CalculationType = type;
        auto form = std::make_unique<TPipeForm>(nullptr);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTest::qWait(100);
        const QString path = QStringLiteral("%1/form-%2.png").arg(dir).arg(type);
        EXPECT_TRUE(form->grab().save(path)) << path.toStdString();
        form->close();
    }
}

} // namespace
