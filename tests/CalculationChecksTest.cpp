// The checks every calculation makes before it computes: the material, the numbers, the
// material's limits and the plausibility bounds (each met exactly is accepted, just past
// refused), in that order; and the failures that end a run with the error box.
#include "CalculationFixture.h"

#include <vector>

namespace {

struct Bound {
    int line;
    const char* text;
    bool accepted;
};

struct BoundsCase {
    int type;
    std::vector<const char*> base; // nullptr: the material line
    std::vector<Bound> bounds;
};

const std::vector<BoundsCase>& Cases() {
    static const std::vector<BoundsCase> cases = {
        {0,
         {"20", "5", "60.3", nullptr, "8", "60"},
         {{0, "300", true},
          {0, "300.01", false},
          {1, "-200", true},
          {1, "-200.01", false},
          {1, "20", true},
          {1, "20.01", false},
          {2, "1", true},
          {2, "0.99", false},
          {4, "1", true},
          {4, "0.99", false},
          {4, "50", true},
          {4, "50.01", false},
          {5, "96", true},
          {5, "96.5", false},
          {5, "25", true},
          {5, "24.9", false}}},
        {1,
         {"20", "60", "60.3", "20", nullptr, "8"},
         {{0, "-200", true},
          {0, "-200.01", false},
          {1, "300", true},
          {1, "300.01", false},
          {2, "1", true},
          {2, "0.99", false},
          {3, "0", true},
          {3, "-0.01", false},
          {5, "1", true},
          {5, "0.99", false},
          {5, "50", true},
          {5, "50.01", false}}},
        {2,
         {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"},
         {{0, "300", true},
          {0, "300.01", false},
          {1, "-200", true},
          {1, "-200.01", false},
          {2, "1", true},
          {2, "0.99", false},
          {3, "0", true},
          {3, "-0.01", false},
          {4, "0.001", true},
          {4, "0.0009", false},
          {6, "1", true},
          {6, "0.99", false},
          {6, "50", true},
          {6, "50.01", false},
          {7, "0", true},
          {7, "-0.01", false},
          {7, "1000000", true},
          {7, "1000001", false}}},
        {3,
         {"20", "80", "1000", "4190", "1", "50", "30", "100", nullptr, "8"},
         {{0, "-200", true},  {0, "-200.01", false}, {1, "300", true},   {1, "300.01", false},
          {2, "0.001", true}, {2, "0.0009", false},  {2, "22580", true}, {2, "22581", false},
          {3, "1", true},     {3, "0.99", false},    {3, "25000", true}, {3, "25001", false},
          {4, "0.001", true}, {4, "0.0009", false},  {4, "1000", true},  {4, "1000.1", false},
          {5, "1", true},     {5, "0.99", false},    {6, "0", true},     {6, "-0.01", false},
          {7, "0.001", true}, {7, "0.0009", false},  {9, "1", true},     {9, "0.99", false},
          {9, "50", true},    {9, "50.01", false}}},
        {4,
         {"-10", "10", "1000", "4190", "0", "335", "20", "100", "20", nullptr, "8"},
         {{0, "-200", true},  {0, "-200.01", false}, {1, "300", true},   {1, "300.01", false},
          {2, "0.001", true}, {2, "0.0009", false},  {2, "22580", true}, {2, "22581", false},
          {3, "1", true},     {3, "0.99", false},    {3, "25000", true}, {3, "25001", false},
          {4, "-200", true},  {4, "-200.01", false}, {4, "300", true},   {4, "300.01", false},
          {5, "0", true},     {5, "-0.01", false},   {5, "10000", true}, {5, "10000.01", false},
          {6, "0", true},     {6, "-0.01", false},   {6, "100", true},   {6, "100.01", false},
          {7, "1", true},     {7, "0.99", false},    {8, "0", true},     {8, "-0.01", false},
          {10, "1", true},    {10, "0.99", false},   {10, "50", true},   {10, "50.01", false}}},
        {5,
         {"20", "5", nullptr, "8", "60"},
         {{0, "300", true},
          {0, "300.01", false},
          {1, "-200", true},
          {1, "-200.01", false},
          {1, "20", true},
          {1, "20.01", false},
          {3, "1", true},
          {3, "0.99", false},
          {3, "50", true},
          {3, "50.01", false},
          {4, "96", true},
          {4, "96.5", false},
          {4, "10", true},
          {4, "0", true}}},
        {6,
         {"25", "-5", "30", "10", nullptr, "8", "0.5"},
         {{0, "300", true},
          {0, "300.01", false},
          {1, "-200", true},
          {1, "-200.01", false},
          {2, "0", true},
          {2, "-0.01", false},
          {3, "0.011", true},
          {3, "0.01", false},
          {5, "1", true},
          {5, "0.99", false},
          {5, "50", true},
          {5, "50.01", false},
          {6, "0", true},
          {6, "-0.01", false},
          {6, "1000000", true},
          {6, "1000001", false}}},
        {7,
         {"20", "80", "50", nullptr, "8"},
         {{0, "-200", true},
          {0, "-200.01", false},
          {1, "300", true},
          {1, "300.01", false},
          {2, "0", true},
          {2, "-0.01", false},
          {4, "1", true},
          {4, "0.99", false},
          {4, "50", true},
          {4, "50.01", false}}},
    };
    return cases;
}

class CalculationChecks : public CalculationTest {
protected:
    // The user's material, usable beyond every temperature bound, so that only the
    // plausibility test decides.
    void WidenUserMaterial() {
        MaterialEntry& user = Shared().ReferenceLists.Materials[kUser];
        user.MinTemp = -300;
        user.MaxTemp = 400;
    }

    void TypeBase(const BoundsCase& c) {
        for (size_t i = 0; i < c.base.size(); ++i)
            if (c.base[i])
                P(static_cast<int>(i)).SetParaLineEditText(QString::fromUtf8(c.base[i]));
    }

    // All value lines of the form hold text that is no number.
    void SpoilEveryNumber() {
        for (int i = 0; i < FormState().ParameterLines->Count(); ++i)
            if (P(i).ParaLineEditAvailable())
                P(i).SetParaLineEditText(QStringLiteral("1.2.3"));
    }

    QStringList Errors() const {
        QStringList texts;
        for (const auto& m : seam.messages)
            if (m.kind == MessageKind::Error)
                texts << m.text;
        return texts;
    }
};

TEST_F(CalculationChecks, EveryBoundMetExactlyIsAcceptedAndJustPastRefused) {
    WidenUserMaterial();
    for (const BoundsCase& c : Cases()) {
        Open(c.type, {}, kUser);
        for (const Bound& b : c.bounds) {
            SCOPED_TRACE(testing::Message()
                         << "type " << c.type << " line " << b.line << " = " << b.text);
            TypeBase(c);
            seam.messages.clear();
            const int rows = Rows();
            PressWith(b.line, b.text);
            if (b.accepted) {
                EXPECT_TRUE(Messages().isEmpty()) << Messages().join(u'|').toStdString();
                EXPECT_TRUE(PrintEnabled());
                EXPECT_TRUE(NothingNonFinite());
            } else {
                EXPECT_EQ(Messages(), QStringList{kMakeSense});
                EXPECT_FALSE(PrintEnabled());
                EXPECT_EQ(Rows(), rows);
            }
        }
    }
}

TEST_F(CalculationChecks, FlowBoundsApplyAfterTheUnitConversion) {
    struct {
        int unit;
        const char* flow;
        bool accepted;
    } const flows[] = {{2, "0.0033", true},  {2, "0.0032", false}, {3, "0.0159", true},
                       {3, "0.0158", false}, {1, "0.001", true},   {1, "0.0009", false},
                       {3, "15850", true},   {3, "15851", false}};
    Open(3, {"20", "80", "1000", "4190", "1", "50", "30", "100", nullptr, "8"});
    for (const auto& f : flows) {
        SCOPED_TRACE(testing::Message() << "unit " << f.unit << " flow " << f.flow);
        P(4).FlowRateSelector()->setCurrentIndex(f.unit);
        seam.messages.clear();
        PressWith(4, f.flow);
        EXPECT_EQ(Messages().isEmpty(), f.accepted);
    }
}

TEST_F(CalculationChecks, MissingMaterialComesBeforeEveryNumber) {
    for (int type = 0; type < 8; ++type) {
        SCOPED_TRACE(type);
        Open(type, {}, -1);
        SpoilEveryNumber();
        if (type == 3)
            P(4).FlowRateSelector()->setCurrentIndex(-1);
        const int rows = Rows();
        Press();
        EXPECT_EQ(Messages(), QStringList{kNoMaterial});
        EXPECT_EQ(Rows(), rows);
        EXPECT_FALSE(PrintEnabled());
    }
}

TEST_F(CalculationChecks, MissingFlowUnitComesBeforeTheNumbers) {
    Open(3, {}, kWool);
    SpoilEveryNumber();
    P(4).FlowRateSelector()->setCurrentIndex(-1);
    Press();
    EXPECT_EQ(Messages(), QStringList{"Please choose a flowrate unit before calculating"});
}

TEST_F(CalculationChecks, TooHighForTheMaterialBeatsAnImplausibleH) {
    Open(2, {"25", "260", "60.3", "30", "10", nullptr, "0.5", "0.5"});
    Press();
    EXPECT_EQ(Messages(), QStringList{kTooHigh});
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(Result(0), "");
    EXPECT_FALSE(PrintEnabled());
}

TEST_F(CalculationChecks, TooLowForTheMaterialWarnsAndCalculates) {
    Open(7, {"20", "-60", "50", nullptr, "8"});
    Press();
    EXPECT_EQ(Messages(), QStringList{kTooLow});
    EXPECT_EQ(seam.messages.front().kind, MessageKind::Plain);
    EXPECT_TRUE(Shows(Result(0), WoolLambda(20, -60), 4));
    EXPECT_EQ(Rows(), 3);
    EXPECT_TRUE(PrintEnabled());
}

TEST_F(CalculationChecks, TooLowIsStillFollowedByThePlausibilityTest) {
    Open(7, {"20", "-60", "50", nullptr, "0.5"});
    Press();
    EXPECT_EQ(Messages(), (QStringList{kTooLow, kMakeSense}));
    EXPECT_FALSE(PrintEnabled());
}

TEST_F(CalculationChecks, CondensationRefusesAMediumWarmerThanTheAir) {
    Open(0, {"10", "12", "60.3", nullptr, "8", "60"});
    Press();
    EXPECT_EQ(Messages(), QStringList{kMakeSense});
    Open(5, {"10", "12", nullptr, "8", "60"});
    Press();
    EXPECT_EQ(Messages(), QStringList{kMakeSense});
}

TEST_F(CalculationChecks, ZeroDiameterIsRefused) {
    const int diameterLine[] = {2, 2, 2, 5, 7};
    for (int type = 0; type < 5; ++type) {
        SCOPED_TRACE(type);
        Open(type, {}, kWool);
        PressWith(diameterLine[type], "0");
        EXPECT_EQ(Messages(), QStringList{kMakeSense});
        EXPECT_FALSE(PrintEnabled());
    }
}

// Refusals and failures leave the results of the previous run, and add no row.
TEST_F(CalculationChecks, TextsThatAreNoNumbersFailTheRun) {
    Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"});
    Press();
    const QString heatLoss = Result(2);
    ASSERT_TRUE(PrintEnabled());
    for (const char* text : {"", "1.2.3", "1,5", "abc", " "}) {
        SCOPED_TRACE(text);
        seam.messages.clear();
        PressWith(4, text);
        EXPECT_EQ(Errors(), QStringList{kFailed + "'" + QString::fromUtf8(text) +
                                        "' is not a valid floating point value"});
        EXPECT_TRUE(PrintEnabled()); // as it was
        EXPECT_EQ(Rows(), 3);
        EXPECT_EQ(Result(2), heatLoss);
    }
}

TEST_F(CalculationChecks, TheFirstBadLineInLineOrderIsReported) {
    Open(6, {"25", "-5", "x", "y", nullptr, "z", "0.5"});
    Press();
    EXPECT_EQ(Errors(), QStringList{kFailed + "'x' is not a valid floating point value"});
}

TEST_F(CalculationChecks, EmptyFieldFailsEveryCalculation) {
    for (int type = 0; type < 8; ++type) {
        SCOPED_TRACE(type);
        Open(type, {}, kWool);
        PressWith(0, "");
        EXPECT_EQ(Errors(), QStringList{kFailed + "'' is not a valid floating point value"});
        EXPECT_TRUE(NothingNonFinite());
    }
}

TEST_F(CalculationChecks, ConductivityOfZeroFailsOrGivesTheMediumTemperature) {
    Shared().WorkingValues.KFactor = 0;
    Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"}, kUser);
    Press();
    EXPECT_EQ(Errors(), QStringList{kFailed + "Floating point division by zero"});
    EXPECT_TRUE(NothingNonFinite());

    Open(6, {"25", "-5", "30", "10", nullptr, "8", "0.5"}, kUser);
    Press();
    EXPECT_EQ(Errors(), QStringList{kFailed + "Floating point division by zero"});

    Open(3, {"20", "80", "1000", "4190", "1", "50", "30", "100", nullptr, "8"}, kUser);
    Press();
    EXPECT_EQ(Errors(), QStringList{kFailed + "Floating point division by zero"});

    Open(4, {"-10", "10", "1000", "4190", "0", "335", "20", "100", "20", nullptr, "8"}, kUser);
    Press();
    EXPECT_EQ(Errors(), QStringList{kFailed + "Floating point division by zero"});
    EXPECT_TRUE(R(1).Alternatives().isEmpty());

    Open(0, {"20", "5", "60.3", nullptr, "8", "60"}, kUser);
    Press();
    ASSERT_EQ(Errors().size(), 1);
    EXPECT_TRUE(Errors()[0].startsWith(kFailed));
    EXPECT_TRUE(NothingNonFinite());

    // No conductance at all: the surface stays at the medium temperature.
    Open(7, {"20", "80", "50", nullptr, "8"}, kUser);
    Press();
    EXPECT_EQ(Result(0), "0.0000");
    EXPECT_EQ(Result(1), "80.00");
    Open(1, {"20", "60", "100", "20", nullptr, "8"}, kUser);
    Press();
    EXPECT_EQ(Result(1), "60.00");
}

TEST_F(CalculationChecks, NumbersBeyondTheFloatsFailTheRun) {
    Open(2, {"25", "-5", "60.3", "30", "1e39", nullptr, "8", "0.5"});
    Press();
    EXPECT_EQ(Errors(), QStringList{kFailed + "Floating point overflow"});
    // A length that fits but a heat flow that does not.
    PressWith(4, "3e38");
    EXPECT_EQ(Errors().size(), 2);
    EXPECT_EQ(Errors().last(), kFailed + "Floating point overflow");
    EXPECT_TRUE(NothingNonFinite());
    EXPECT_EQ(Rows(), 2);
}

} // namespace
