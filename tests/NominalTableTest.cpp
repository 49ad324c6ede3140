// The thickness table's lookup in the nominal tables gives the recommendation the
// calculation forms give, for every diameter and thickness around the shipped bounds.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "config/Utolerance.h"
#include "engine/CalcFrame.h"
#include "engine/NominalTable.h"
#include "engine/State.h"
#include "support/RecordingSeam.h"

namespace {

class NominalTableTest : public SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        LoadPipeTable(QCoreApplication::applicationDirPath());
        LoadSheetTable(QCoreApplication::applicationDirPath());
        ASSERT_TRUE(Shared().PipeTable && Shared().SheetTable);
    }
};

QString Recommendation(const TToleranceLine* row) {
    return row ? QString::fromStdString(row->Recommendation) : QStringLiteral("see Help");
}

TEST_F(NominalTableTest, AgreesWithTheFormsLookupAtAndAroundEveryBound) {
    const TToleranceTable& pipes = *Shared().PipeTable;
    std::vector<float> diameters = NominalDiametersMm(pipes);
    ASSERT_GT(diameters.size(), 10u);
    diameters.push_back(0.5f);
    diameters.push_back(1000);
    for (float mm : diameters) {
        for (float near : {mm - 0.001f, mm, mm + 0.001f}) {
            const float d = MillimetresToMetres(near);
            for (float t : {0.0f, 0.5f, 6.0f, 6.001f, 13.0f, 19.5f, 32.0f, 50.0f, 51.0f}) {
                EXPECT_EQ(Recommendation(NominalRow(pipes, true, d, t)),
                          LookupPipeRecommendation(d, t))
                    << near << " mm, " << t << " mm";
                EXPECT_EQ(Recommendation(NominalRow(*Shared().SheetTable, false, d, t)),
                          LookupSheetRecommendation(t));
            }
        }
    }
    EXPECT_TRUE(seam.messages.empty());
}

} // namespace
