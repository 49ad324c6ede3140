// Results that reach the screen are the converged answer or nothing: the thickness search
// ends at its target, inputs beyond the formulas are refused, and a run that fails leaves
// the form as it was.
#include "CalculationFixture.h"

namespace {
constexpr int kGlassWool = 3;
constexpr int kCryo = 4;

class SignableResultsTest : public CalculationTest {
protected:
    void SetUp() override {
        CalculationTest::SetUp();
        auto& materials = Shared().ReferenceLists.Materials;
        materials.push_back({"Glass wool", 0.032f, 0.00018f, 0, 250});
        materials.push_back({"Cryogenic foam", 0.031f, 0.0001f, -200, 125});
    }
    // The minimum thickness shown by a condensation form for the line texts.
    double MinimumThickness(int type, std::initializer_list<const char*> texts, int material) {
        Open(type, texts, material);
        Press();
        for (const QString& text : Messages())
            EXPECT_FALSE(text.startsWith(kFailed)) << text.toStdString();
        EXPECT_TRUE(PrintEnabled());
        return Result(1).toDouble();
    }
};
} // namespace

// Inputs where the ten secant steps stopped short of the answer or failed on the way.
TEST_F(SignableResultsTest, ThicknessSearchEndsAtTheConvergedAnswer) {
    EXPECT_NEAR(MinimumThickness(0, {"132", "-200", "114.3", nullptr, "8", "43"}, kGlassWool), 30.7,
                0.1);
    EXPECT_NEAR(MinimumThickness(5, {"112", "-200", nullptr, "10", "50"}, kGlassWool), 35.9, 0.1);
    // Equal trial temperatures divided by zero here; the air is 0.05 K above its dew point,
    // where a surface within 0.001 K still left the thickness 10 mm short (927.330).
    EXPECT_NEAR(MinimumThickness(0, {"-100", "-110", "25.4", nullptr, "1", "96"}, kCryo), 937.25,
                0.05);
    EXPECT_TRUE(Result(1).contains(QRegularExpression("^937\\.2\\d\\d$")))
        << Result(1).toStdString();
    // 31765.8 before the thickness itself had to be known to the shown digit.
    EXPECT_NEAR(MinimumThickness(5, {"-100", "-200", nullptr, "1", "96"}, kCryo), 32133.36, 0.05);
}

TEST_F(SignableResultsTest, MediumExactlyAtTheDewPointNeedsNoInsulation) {
    const QString dewPoint = QString::number(DewPoint(20, 60), 'g', 9);
    Open(0, {"20", dewPoint.toUtf8().constData(), "60.3", nullptr, "8", "60"});
    Press();
    EXPECT_EQ(Result(1), "- / -");
    EXPECT_EQ(Result(2), "- / -");
    Open(5, {"20", dewPoint.toUtf8().constData(), nullptr, "8", "60"});
    Press();
    EXPECT_EQ(Result(1), "-/-");
}

TEST_F(SignableResultsTest, AirTooColdForTheDewPointFormulaIsRefusedAndChangesNothing) {
    Open(0, {"20", "5", "60.3", nullptr, "8", "60"}, kRubber);
    Press();
    const QString shown = EverythingShown();
    const float stored = Shared().WorkingValues.InsulationThickness;
    for (const auto& temps : {std::pair{"-150", "-160"}, std::pair{"-137.5", "-187.5"}}) {
        seam.messages.clear();
        P(0).SetParaLineEditText(temps.first);
        P(1).SetParaLineEditText(temps.second);
        P(2).SetParaLineEditText("1");
        P(4).SetParaLineEditText("5");
        PressWith(5, "96");
        EXPECT_EQ(Messages(), QStringList{kMakeSense}) << temps.first;
        EXPECT_EQ(EverythingShown(), shown);
        EXPECT_EQ(Rows(), 3); // title, header and the one successful run
        EXPECT_EQ(Shared().WorkingValues.InsulationThickness, stored);
    }
    Open(5, {"-150", "-160", nullptr, "8", "60"}, kRubber);
    Press();
    EXPECT_EQ(Messages(), QStringList{kMakeSense});
}

TEST_F(SignableResultsTest, ARunEndingInAnErrorLogsNothingAndKeepsPrint) {
    Open(4, {"-10", "10", "1000", "4190", "0", "335", "20", "50", "20", nullptr, "8"}, kUser);
    Press();
    ASSERT_TRUE(PrintEnabled());
    const int rows = Rows();
    const QString shown = EverythingShown();
    Shared().WorkingValues.KFactor = 1e-40f;
    Press();
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].startsWith(kFailed));
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(EverythingShown(), shown);
    EXPECT_TRUE(PrintEnabled());
}

TEST_F(SignableResultsTest, ASuccessfulAlternativeAfterARefusedOneEnablesPrint) {
    Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"});
    Press();
    QComboBox* alternatives = R(5).AlternativesSelector();
    ASSERT_NE(alternatives, nullptr);
    P(0).SetParaLineEditText("400"); // refused on the re-run
    alternatives->setCurrentIndex(0);
    QTest::keyClick(alternatives, Qt::Key_Down);
    EXPECT_FALSE(PrintEnabled());
    P(0).SetParaLineEditText("25");
    QTest::keyClick(alternatives, Qt::Key_Down);
    EXPECT_TRUE(PrintEnabled());
    EXPECT_EQ(P(3).ParaLineEditText(), alternatives->currentText() + ".000");
}
