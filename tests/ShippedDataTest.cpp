// The data files shipped beside the executable load cleanly and make sense.
#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "support/RecordingSeam.h"

namespace {

class ShippedData : public SeamTest {
protected:
    QString dir = QCoreApplication::applicationDirPath();
    void SetUp() override {
        SeamTest::SetUp();
        LoadConfiguration(dir, [](const QString&) { return false; });
        LoadPipeTable(dir);
        LoadSheetTable(dir);
    }
    const TReferenceLists& Lists() { return Shared().ReferenceLists; }
};

TEST_F(ShippedData, LoadsWithoutAnyMessage) {
    EXPECT_TRUE(seam.messages.empty()) << seam.Texts().join("\n").toStdString();
    QFile ini(dir + "/Termora.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.read(3) == "\xEF\xBB\xBF");
}

TEST_F(ShippedData, HasNoDoubtfulEntries) {
    for (const TConfigFinding& f : LoadConfiguration(dir, [](const QString&) { return false; }))
        ADD_FAILURE() << DescribeFinding(f).toStdString();
}

TEST_F(ShippedData, MaterialsHavePlausibleConductivityLaws) {
    ASSERT_GE(Lists().Materials.size(), 9u);
    EXPECT_EQ(Lists().Materials.back().Name, "k-factor");
    for (size_t i = 0; i + 1 < Lists().Materials.size(); ++i) {
        const MaterialEntry& m = Lists().Materials[i];
        EXPECT_GE(m.Lambda0, 0.030f) << m.Name;
        EXPECT_LE(m.Lambda0, 0.045f) << m.Name;
        EXPECT_GE(m.LambdaSlope, 0.0001f) << m.Name;
        EXPECT_LE(m.LambdaSlope, 0.0002f) << m.Name;
        EXPECT_LT(m.MinTemp, m.MaxTemp) << m.Name;
    }
}

TEST_F(ShippedData, CladdingsMediaAndSettings) {
    const auto& claddings = Lists().Claddings;
    auto fe = std::find_if(claddings.begin(), claddings.end(),
                           [](const CladdingEntry& c) { return c.Name == "Fe"; });
    ASSERT_NE(fe, claddings.end());
    EXPECT_FLOAT_EQ(Shared().GlobalSettings.BareSteelEmissivity, fe->Emissivity);
    EXPECT_GE(Lists().Media.size(), 6u);
    for (const MediumEntry& m : Lists().Media) {
        EXPECT_GT(m.Density, 900.0f) << m.Name;
        EXPECT_GT(m.HeatCapacity, 2000.0f) << m.Name;
        EXPECT_GT(m.LatentHeat, 100.0f) << m.Name;
        EXPECT_LE(m.FreezingTemp, 0.0f) << m.Name;
    }
    EXPECT_EQ(Lists().HelpFiles.size(), 11u);
    EXPECT_EQ(Lists().HelpFiles[8], (dir + "/HELP/termora.html").toStdString());
    EXPECT_EQ(Lists().HelpFiles[9], (dir + "/HELP/thickness_table.html").toStdString());
    EXPECT_EQ(Lists().HelpFiles[10], (dir + "/HELP/project.html").toStdString());
    EXPECT_FALSE(Shared().GlobalSettings.ShowSurfaceTemp);
    EXPECT_NE(Shared().GlobalSettings.SalesAdress.find("<CR>"), std::string::npos);
}

TEST_F(ShippedData, TablesRecommendForTheRange) {
    EXPECT_EQ(LookupPipeRecommendation(0.022f, 11.3f), "VELTRA AF-13-022 / 13 x 22 mm");
    EXPECT_EQ(LookupSheetRecommendation(17.0f), "VELTRA AF-19-SH / 19 mm sheet");
    for (float mm : {6.0f, 15.0f, 22.0f, 48.3f, 88.9f, 114.3f, 160.0f}) {
        for (float t : {1.0f, 9.0f, 13.0f, 25.0f}) {
            QString text = LookupPipeRecommendation(mm / 1000.0f, t);
            EXPECT_TRUE(text.startsWith("VELTRA")) << mm << " " << t << " " << text.toStdString();
        }
    }
}

} // namespace
