// "Calculate" on the form: bare surfaces and their default h, the heat flow's sign, the
// flow-rate units, the freezing classification, the alternatives of the heat-loss and
// freezing forms, and what "Print" and the result colours say afterwards.
#include "CalculationFixture.h"

#include "forms/Uselector.h"

namespace {

const QColor kWhite(255, 255, 255);
const QColor kCream(255, 251, 240);

class CalculateAction : public CalculationTest {
protected:
    QString Line(int i) { return P(i).ParaLineEditText(); }
    QColor ResultColour(int i) { return R(i).ValueField()->palette().color(QPalette::Base); }
    QString ShownText(int i) {
        return static_cast<TSelector*>(R(i).AlternativesSelector())->Text();
    }

    // A user's choice of that entry of the alternatives: one step of the keyboard onto it.
    void Pick(int resultLine, int position) {
        QComboBox* selector = R(resultLine).AlternativesSelector();
        selector->setCurrentIndex(position - 1);
        QTest::keyClick(selector, Qt::Key_Down);
    }
};

TEST_F(CalculateAction, BarePipeTakesTheDefaultCoefficientAndShowsNoInsulation) {
    Open(2, {"25", "-5", "60.3", "0", "10", nullptr, "8", "0.5"});
    Press();
    const double h = BareH(-5, 25, 0.7, 0.0603, true);
    EXPECT_TRUE(Shows(Line(6), h, 3));
    EXPECT_EQ(Result(0), "-/-");
    EXPECT_EQ(Result(1), "-/-");
    EXPECT_TRUE(Shows(Result(2), h * kPi * 0.0603 * 10 * 30, 3)); // U = h·π·D
    EXPECT_EQ(Result(3), "0.00"); // the same pipe with and without "insulation"
    EXPECT_EQ(Line(3), "0.000");
    EXPECT_EQ(LastRow(), QStringList({"25", "-5", "60.3", "0.000", "10", "Mineral wool ", Line(6),
                                      "0.5", "-/-", "-/-", Result(2), "0.00", Result(4)})
                                 .join(u'\t') +
                             u'\t');
    EXPECT_FALSE(FormState().HFromDialog);
}

TEST_F(CalculateAction, BareSheetTransmitsItsDefaultCoefficient) {
    Open(6, {"25", "-5", "0", "10", nullptr, "8", "0.5"});
    Press();
    const double h = BareH(-5, 25, 0.7, 1, false);
    EXPECT_TRUE(Shows(Line(5), h, 3));
    EXPECT_EQ(Result(1), "-/-");
    EXPECT_TRUE(Shows(Result(2), h * 10 * 30, 3)); // U = h
    EXPECT_EQ(Result(3), "0.00");
}

TEST_F(CalculateAction, BareSurfaceIsAtTheMediumTemperature) {
    Open(7, {"20", "80", "0", nullptr, "8"});
    Press();
    EXPECT_EQ(Result(0), "-/-");
    EXPECT_EQ(Result(1), "80.00");
    EXPECT_TRUE(Shows(Line(4), BareH(80, 20, 0.7, 1, false), 3));
    Open(1, {"20", "60", "60.3", "0", nullptr, "8"});
    Press();
    EXPECT_EQ(Result(0), "-/-");
    EXPECT_EQ(Result(1), "60.00");
    EXPECT_TRUE(Shows(Line(5), BareH(60, 20, 0.7, 0.0603, true), 3));
}

TEST_F(CalculateAction, BarePipeOfFlowingAndStandingMediaUsesTheDefaultCoefficient) {
    Open(3, {"20", "80", "1000", "4190", "1", "50", "0", "100", nullptr, "8"});
    Press();
    const double h = BareH(80, 20, 0.7, 0.05, true);
    const double massFlow = (0.025 * kPi) * 0.025 * 1000;
    EXPECT_EQ(Result(0), "-/-");
    EXPECT_TRUE(
        Shows(Result(1), (1 - std::exp(-h * kPi * 0.05 * 100 / (massFlow * 4190))) * 60, 2));

    Open(4, {"-10", "10", "1000", "4190", "0", "335", "0", "100", "0", nullptr, "8"});
    Press();
    const double u = BareH(10, -10, 0.7, 0.1, true) * kPi * 0.1;
    const double content = (0.05 * kPi) * 0.05 * 1000;
    EXPECT_TRUE(Shows(Result(0), std::log(2.0) * content / u * 4190 / 3600, 2)); // cooling only
}

// The default is taken again whenever the inputs change, also after a run that left the
// h line's text as it was.
TEST_F(CalculateAction, BareSurfaceTakesTheDefaultOnEveryRun) {
    Open(7, {"20", "80", "0", nullptr, "8"});
    Press();
    Press();
    PressWith(0, "10");
    EXPECT_TRUE(Shows(Line(4), BareH(80, 10, 0.7, 1, false), 3));
    EXPECT_FALSE(FormState().HFromDialog);
}

TEST_F(CalculateAction, HFromTheDialogIsKeptForABareSurface) {
    Open(2, {"25", "-5", "60.3", "0", "10", nullptr, "12", "0.5"});
    FormState().HFromDialog = true;
    Press();
    EXPECT_EQ(Line(6), "12");
    EXPECT_TRUE(Shows(Result(2), 12 * kPi * 0.0603 * 10 * 30, 3));
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SurfaceCoefficient, 12.0f);
}

TEST_F(CalculateAction, HeatLossKeepsTheHInUseAfterItsBareReference) {
    Shared().WorkingValues.SurfaceCoefficient = 3;
    Open(6, {"25", "-5", "30", "10", nullptr, "12", "0.5"});
    Press();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SurfaceCoefficient, 12.0f);
    EXPECT_FALSE(FormState().HFromDialog);
    EXPECT_EQ(Line(2), "30.000");
}

TEST_F(CalculateAction, EqualTemperaturesLoseNothing) {
    Open(2, {"20", "20", "60.3", "30", "10", nullptr, "8", "0.5"});
    Press();
    EXPECT_EQ(Result(2), "0.000");
    EXPECT_EQ(Result(3), "0");
    EXPECT_EQ(Result(4), "0.000");
    Open(6, {"20", "20", "30", "10", nullptr, "8", "0.5"});
    Press();
    EXPECT_EQ(Result(2), "0.000");
    EXPECT_EQ(Result(3), "0");
    EXPECT_EQ(Result(4), "0.000");
    Open(3, {"20", "20", "1000", "4190", "1", "50", "30", "100", nullptr, "8"});
    Press();
    EXPECT_EQ(Result(1), "0.00");
    EXPECT_EQ(Result(2), "0.000");
}

TEST_F(CalculateAction, SwappedTemperaturesTurnTheHeatFlowAround) {
    for (int type : {2, 6}) {
        SCOPED_TRACE(type);
        if (type == 2)
            Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"});
        else
            Open(6, {"25", "-5", "30", "10", nullptr, "8", "0.5"});
        Press();
        const QStringList cold = {Result(2), Result(3), Result(4)};
        ASSERT_GT(cold[0].toDouble(), 0); // heat flows into the cold medium
        P(0).SetParaLineEditText(QStringLiteral("-5"));
        PressWith(1, "25");
        EXPECT_EQ(Result(2), u'-' + cold[0]);
        EXPECT_EQ(Result(3), cold[1]);
        EXPECT_EQ(Result(4), cold[2]);
    }
}

TEST_F(CalculateAction, ColderFlowingMediumWarmsUp) {
    Open(3, {"80", "20", "1000", "4190", "1", "50", "30", "100", nullptr, "8"});
    Press();
    EXPECT_LT(Result(1).toDouble(), 0);
    EXPECT_GT(Result(2).toDouble(), 0);
}

// A volume flow of water is its mass flow: 1 l/s is 1 kg/s whatever the diameter.
TEST_F(CalculateAction, FlowRateUnits) {
    Open(3, {"20", "80", "1000", "4190", "1", "50", "30", "100", nullptr, "8"});
    P(4).FlowRateSelector()->setCurrentIndex(1);
    const double lambda = WoolLambda(20, 80);
    for (double d : {0.05, 0.1}) {
        PressWith(5, d == 0.05 ? "50" : "100");
        const double drop = (1 - std::exp(-PipeU(d, 0.03, lambda, 8) * 100 / 4190)) * 60;
        EXPECT_TRUE(Shows(Result(1), drop, 2));
        EXPECT_TRUE(Shows(Result(2), -4190 * drop, 3));
    }
    EXPECT_TRUE(LastRow().contains(QStringLiteral("\t1[l/s]\t")));
    const QString litre = Result(2);
    P(4).FlowRateSelector()->setCurrentIndex(3);
    PressWith(4, "15.850323"); // gal/min in one litre per second
    EXPECT_TRUE(Shows(Result(2), litre.toDouble(), 3));
    EXPECT_TRUE(LastRow().contains(QStringLiteral("\t15.850323[gal/min]\t")));

    P(4).FlowRateSelector()->setCurrentIndex(2);
    PressWith(4, "1"); // ft/s: a velocity of 0.3048 m/s
    const double massFlow = (0.05 * kPi) * 0.05 * 0.3048 * 1000;
    const double drop = (1 - std::exp(-PipeU(0.1, 0.03, lambda, 8) * 100 / (massFlow * 4190))) * 60;
    EXPECT_TRUE(Shows(Result(1), drop, 2));
}

TEST_F(CalculateAction, FreezingClassification) {
    struct {
        const char *air, *medium, *freezing;
        const char* shown; // nullptr: a computed time
    } const cases[] = {
        {"20", "10", "0", "never"},   // θf < θi < θa
        {"5", "-5", "0", "frozen"},   // θi < θf <= θa
        {"0", "-5", "0", "frozen"},   //
        {"5", "10", "0", "never"},    // θf <= θa < θi
        {"0", "10", "0", "never"},    //
        {"-10", "-5", "0", "frozen"}, // θa < θi < θf
        {"-5", "-10", "0", "frozen"}, // θi < θa < θf
        {"-10", "10", "0", nullptr},  // θa < θf < θi
        {"-10", "0", "0", ""},        // medium at its freezing point
        {"-10", "-10", "0", ""},      // medium at the air temperature
    };
    Open(4, {"-10", "10", "1000", "4190", "0", "335", "20", "100", "20", nullptr, "8"});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.air << " " << c.medium << " " << c.freezing);
        P(0).SetParaLineEditText(QString::fromUtf8(c.air));
        P(1).SetParaLineEditText(QString::fromUtf8(c.medium));
        const int rows = Rows();
        PressWith(4, c.freezing);
        EXPECT_EQ(Rows(), rows + 1);
        EXPECT_TRUE(PrintEnabled());
        if (!c.shown) {
            EXPECT_GT(Result(0).toDouble(), 0);
            EXPECT_EQ(R(1).Alternatives().size(), 7);
            continue;
        }
        EXPECT_EQ(Result(0), QString::fromUtf8(c.shown));
        const QString kept = QString::fromUtf8(c.shown) == "frozen" ? "6 mm : 0.00" : "";
        EXPECT_EQ(R(1).Alternatives().value(0), kept);
        EXPECT_EQ(ShownText(1), "select");
    }
}

TEST_F(CalculateAction, FreezingTimeIsCoolingAloneWithoutLatentHeat) {
    Open(4, {"-10", "10", "1000", "4190", "0", "0", "0", "100", "20", nullptr, "8"});
    Press();
    const double content = (0.05 * kPi) * 0.05 * 1000;
    const double u = PipeU(0.1, 0.02, WoolLambda(-10, 10), 8);
    EXPECT_TRUE(Shows(Result(0), std::log(2.0) * content / u * 4190 / 3600, 2));
}

TEST_F(CalculateAction, HeatLossOffersTheAlternativeThicknesses) {
    Open(2, {"25", "-5", "60.3", "50", "10", nullptr, "8", "0.5"});
    Press();
    EXPECT_EQ(Line(3), "50.000");
    EXPECT_EQ(R(5).Alternatives(), QStringList({"6", "9", "13", "19", "25", "32", "40", "50"}));
    EXPECT_EQ(ShownText(5), "select");
}

TEST_F(CalculateAction, PickingAnAlternativeRecalculatesWithIt) {
    Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"});
    Press();
    P(7).SetParaLineEditText(QStringLiteral("0.6")); // results turn cream
    Pick(5, 2);
    EXPECT_EQ(Line(3), "13.000");
    const double q = PipeU(0.0603, 0.013, WoolLambda(25, -5), 8) * 10 * 30;
    EXPECT_TRUE(Shows(Result(2), q, 3));
    EXPECT_TRUE(Shows(Result(4), q * 0.6 * 0.001, 3));
    EXPECT_EQ(Rows(), 4);
    EXPECT_TRUE(LastRow().startsWith(QStringLiteral("25\t-5\t60.3\t13.000\t10\t")));
    EXPECT_EQ(ResultColour(2), kWhite);
    EXPECT_TRUE(PrintEnabled());
    EXPECT_EQ(ShownText(5), "13");

    Open(6, {"25", "-5", "30", "10", nullptr, "8", "0.5"});
    Press();
    Pick(5, 7);
    EXPECT_EQ(Line(2), "50.000");
    EXPECT_TRUE(Shows(Result(1), 1 / (0.05 / WoolLambda(25, -5) + 1.0 / 8), 3));
}

TEST_F(CalculateAction, AlternativeThatCannotBeCalculatedIsReported) {
    Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"});
    Press();
    P(0).SetParaLineEditText(QStringLiteral("x"));
    Pick(5, 1);
    EXPECT_EQ(Messages(), QStringList{kFailed + "'x' is not a valid floating point value"});
    EXPECT_EQ(seam.messages.back().kind, MessageKind::Error);
    EXPECT_TRUE(PrintEnabled()); // a failure leaves it as it was
    EXPECT_EQ(ResultColour(2), kCream);
    EXPECT_EQ(Rows(), 3);

    PressWith(0, "25");
    P(6).SetParaLineEditText(QStringLiteral("0.5"));
    seam.messages.clear();
    Pick(5, 3);
    EXPECT_EQ(Messages(), QStringList{kMakeSense});
    EXPECT_FALSE(PrintEnabled());
}

TEST_F(CalculateAction, PrintAndColoursFollowTheLastRun) {
    Open(7, {"20", "80", "50", nullptr, "8"});
    EXPECT_FALSE(PrintEnabled());
    Press();
    EXPECT_TRUE(PrintEnabled());
    EXPECT_EQ(ResultColour(0), kWhite);
    P(2).SetParaLineEditText(QStringLiteral("60"));
    EXPECT_EQ(ResultColour(0), kCream);
    PressWith(4, "0.5");
    EXPECT_FALSE(PrintEnabled());
    EXPECT_EQ(ResultColour(0), kCream);
    PressWith(4, "");
    EXPECT_FALSE(PrintEnabled());
    PressWith(4, "8");
    EXPECT_TRUE(PrintEnabled());
    EXPECT_EQ(ResultColour(1), kWhite);
}

TEST_F(CalculateAction, FreezingRunStartsFromAnEmptyTime) {
    Open(4, {"-10", "10", "1000", "4190", "0", "335", "20", "100", "20", nullptr, "8"});
    Press();
    ASSERT_FALSE(Result(0).isEmpty());
    const QString before = Result(0);
    PressWith(1, "");
    EXPECT_EQ(Result(0), before); // a run that fails changes nothing
    PressWith(1, "10");
    ASSERT_FALSE(Result(0).isEmpty());
    PressWith(1, "0"); // at the freezing point: nothing decided
    EXPECT_EQ(Result(0), "");
    EXPECT_TRUE(R(1).Alternatives().isEmpty());
}

TEST_F(CalculateAction, SurfaceTemperatureMessageOncePerDefaultCoefficient) {
    Shared().GlobalSettings.ShowSurfaceTemp = true;
    Open(2, {"25", "-5", "60.3", "0", "10", nullptr, "8", "0.5"});
    Press();
    EXPECT_EQ(Messages().size(), 2); // the bare pipe's default, and its reference
    EXPECT_TRUE(Messages()[0].startsWith(QStringLiteral("surface temperature: ")));
    seam.messages.clear();
    PressWith(3, "30");
    EXPECT_EQ(Messages(), QStringList{"surface temperature: -5.0°C"});
}

TEST_F(CalculateAction, CostOfZeroCostsNothing) {
    Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0"});
    Press();
    EXPECT_EQ(Result(4), "0.000");
}

} // namespace
