// One ordinary case of each calculation through its form: the result texts against the
// formulas worked out by hand, and the row each run appends to the ResultLog.
#include "CalculationFixture.h"

#include <optional>

#include "engine/State.h"
#include "forms/Uselector.h"

namespace {

void AddRow(std::optional<TToleranceTable>& table, TToleranceLine row) {
    if (!table)
        table.emplace();
    table->Add(std::make_unique<TToleranceLine>(row));
}

// Rows of the product tables: pipes of 50 to 70 mm, and sheets.
void UseProductTables() {
    AddRow(Shared().PipeTable, {50, 70, 0, 2, "4 x 60"});
    AddRow(Shared().PipeTable, {50, 70, 2, 10, "9 x 60"});
    AddRow(Shared().SheetTable, {0, 0, 0, 10, "10 mm"});
    AddRow(Shared().SheetTable, {0, 0, 10, 20, "20 mm"});
}

// Insulation thickness (m) whose surface sits at the target temperature: bisection of
// θs = θa + (θi − θa)·Rse/(1/c + Rse), with λ between the medium and the target.
double PipeThicknessFor(double air, double medium, double d, double h, double target,
                        double lambda) {
    double low = 0, high = 0.5;
    for (int i = 0; i < 200; ++i) {
        const double s = (low + high) / 2, outer = d + 2 * s;
        const double c = 2 * kPi * lambda / std::log(outer / d);
        const double rse = 1 / (kPi * h * outer);
        const double surface = air + (medium - air) * rse / (1 / c + rse);
        (surface < target ? low : high) = s;
    }
    return (low + high) / 2;
}

QString Joined(std::initializer_list<QString> fields) {
    return QStringList(fields).join(u'\t');
}

class Calculations : public CalculationTest {};

TEST_F(Calculations, PipeCondensation) {
    UseProductTables();
    Open(0, {"20", "5", "60.3", nullptr, "8", "60"});
    Press();
    const double dew = DewPointOf(20, 60);
    const double s = PipeThicknessFor(20, 5, 0.0603, 8, dew, WoolLambda(5, dew));
    ASSERT_GT(s * 1000, 2); // the table row of the expected text
    ASSERT_LT(s * 1000, 10);
    EXPECT_TRUE(Shows(Result(0), dew, 2));
    EXPECT_TRUE(Shows(Result(1), s * 1000, 3));
    EXPECT_EQ(Result(2), "9 x 60");
    EXPECT_NEAR(Shared().WorkingValues.InsulationThickness, s, 1e-6);
    EXPECT_EQ(LastRow(), Joined({"20", "5", "60.3", "Mineral wool ", "8", "60", Result(0),
                                 Result(1), "9 x 60"})); // no tab after the last field
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(PrintEnabled());
}

TEST_F(Calculations, PipeCondensationWithTheUserMaterialHasNoProductThickness) {
    UseProductTables();
    Shared().WorkingValues.KFactor = 0.04f;
    Open(0, {"20", "5", "60.3", nullptr, "8", "60"}, kUser);
    Press();
    const double dew = DewPointOf(20, 60);
    EXPECT_TRUE(Shows(Result(1), PipeThicknessFor(20, 5, 0.0603, 8, dew, 0.04) * 1000, 3));
    EXPECT_EQ(Result(2), "-/-");
    EXPECT_TRUE(LastRow().contains(QStringLiteral("\tk-factor 0.0400\t")));
}

TEST_F(Calculations, PipeCondensationAboveTheDewPointNeedsNoInsulation) {
    Open(0, {"20", "20", "60.3", nullptr, "8", "96"});
    Shared().WorkingValues.InsulationThickness = 0.007f;
    Press();
    EXPECT_TRUE(Shows(Result(0), DewPointOf(20, 96), 2));
    EXPECT_EQ(Result(1), "- / -");
    EXPECT_EQ(Result(2), "- / -");
    EXPECT_FLOAT_EQ(Shared().WorkingValues.InsulationThickness, 0.007f);
    EXPECT_EQ(LastRow(), Joined({"20", "20", "60.3", "Mineral wool ", "8", "96", Result(0), "- / -",
                                 "- / -"}));
}

TEST_F(Calculations, PipeSurfaceTemperature) {
    Shared().WorkingValues.KFactor = 0.036f;
    Open(1, {"20", "60", "100", "20", nullptr, "8.68"}, kUser);
    Press();
    const double outer = 0.14, c = 2 * kPi * 0.036 / std::log(outer / 0.1);
    const double rse = 1 / (kPi * 8.68 * outer);
    EXPECT_EQ(Result(0), "0.0360");
    EXPECT_TRUE(Shows(Result(1), 20 + 40 * rse / (1 / c + rse), 2));
    EXPECT_EQ(LastRow(),
              Joined({"20", "60", "100", "20", "k-factor 0.0360", "8.68", "0.0360", Result(1)}) +
                  u'\t');
}

TEST_F(Calculations, PipeHeatLoss) {
    Open(2, {"25", "-5", "60.3", "30", "10", nullptr, "8", "0.5"});
    Press();
    const double lambda = WoolLambda(25, -5);
    const double u = PipeU(0.0603, 0.03, lambda, 8), q = u * 10 * 30;
    const double bare = BareH(-5, 25, 0.7, 0.0603, true) * kPi * 0.0603 * 10 * 30;
    EXPECT_TRUE(Shows(Result(0), lambda, 4));
    EXPECT_TRUE(Shows(Result(1), u, 3));
    EXPECT_TRUE(Shows(Result(2), q, 3));
    EXPECT_TRUE(Shows(Result(3), (1 - q / bare) * 100, 2));
    EXPECT_TRUE(Shows(Result(4), q * 0.5 * 0.001, 3));
    EXPECT_EQ(LastRow(), Joined({"25", "-5", "60.3", "30.000", "10", "Mineral wool ", "8", "0.5",
                                 Result(0), Result(1), Result(2), Result(3), Result(4)}) +
                             u'\t');
    EXPECT_EQ(P(6).ParaLineEditText(), "8"); // the typed h is the one in use
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SurfaceCoefficient, 8.0f);
    EXPECT_FALSE(FormState().HFromDialog);
}

TEST_F(Calculations, PipeTemperatureDrop) {
    // Water from the stored medium: 1000 kg/m³, 4190 J/(kg·K); 1 m/s.
    Open(3, {"20", "80", nullptr, nullptr, "1", "50", "30", "100", nullptr, "8"});
    Press();
    const double lambda = WoolLambda(20, 80), u = PipeU(0.05, 0.03, lambda, 8);
    const double massFlow = (0.025 * kPi) * 0.025 * 1 * 1000;
    const double drop = (1 - std::exp(-u * 100 / (massFlow * 4190))) * 60;
    EXPECT_TRUE(Shows(Result(0), lambda, 4));
    EXPECT_TRUE(Shows(Result(1), drop, 2)); // the warmer medium cools
    EXPECT_TRUE(Shows(Result(2), -massFlow * 4190 * drop, 3));
    EXPECT_EQ(LastRow(), Joined({"20", "80", "1000.00", "4190.00", "1[m/s]", "50", "30", "100",
                                 "Mineral wool ", "8", Result(0), Result(1), Result(2)}) +
                             u'\t');
}

TEST_F(Calculations, PipeFreezingTime) {
    // Water standing in a 100 mm pipe with 20 mm of wool, air at -10 °C.
    Open(4, {"-10", "10", nullptr, nullptr, "0", "335", "20", "100", "20", nullptr, "8"});
    Press();
    const double content = (0.05 * kPi) * 0.05 * 1000;
    const auto hours = [&](double s) {
        const double u = PipeU(0.1, s, WoolLambda(-10, 10), 8);
        const double cooling = std::log(20.0 / 10.0) * content / u * 4190;
        const double freezing = content / u * 335000 * 0.2 / 10;
        return (cooling + freezing) / 3600;
    };
    EXPECT_TRUE(Shows(Result(0), hours(0.02), 2));
    const QStringList alternatives = R(1).Alternatives();
    ASSERT_EQ(alternatives.size(), 7);
    const int mm[] = {6, 13, 19, 25, 32, 40, 50};
    for (int i = 0; i < 7; ++i) {
        const QString prefix = QStringLiteral("%1 mm : ").arg(mm[i]);
        ASSERT_TRUE(alternatives[i].startsWith(prefix)) << alternatives[i].toStdString();
        EXPECT_TRUE(Shows(alternatives[i].mid(prefix.size()), hours(mm[i] * 0.001), 2));
    }
    EXPECT_EQ(static_cast<TSelector*>(R(1).AlternativesSelector())->Text(), "select");
    EXPECT_EQ(LastRow(), Joined({"-10", "10", "1000.00", "4190.00", "0[°C]", "335", "20", "100",
                                 "20", "Mineral wool ", "8", Result(0)}) +
                             u'\t');
}

// Plane layer at the dew point: s = λ·(1/h)·((θi − θa)/(θdp − θa) − 1).
TEST_F(Calculations, SheetCondensation) {
    UseProductTables();
    Open(5, {"20", "5", nullptr, "8", "60"});
    Press();
    const double dew = DewPointOf(20, 60);
    const double s = WoolLambda(5, dew) / 8 * ((5 - 20) / (dew - 20) - 1);
    EXPECT_EQ(Result(0), "11.99");
    EXPECT_TRUE(Shows(Result(1), s * 1000, 2));
    EXPECT_EQ(Result(2), "10 mm");
    EXPECT_NEAR(Shared().WorkingValues.InsulationThickness, s, 1e-6);
    EXPECT_EQ(LastRow(),
              Joined({"20", "5", "Mineral wool ", "8", "60", "11.99", Result(1), "10 mm"}));
}

TEST_F(Calculations, SheetCondensationOfTheUserMaterialShowsNoConductivityInItsRow) {
    UseProductTables();
    Shared().WorkingValues.KFactor = 0.04f;
    Open(5, {"20", "5", nullptr, "8", "60"}, kUser);
    Press();
    EXPECT_EQ(Result(2), "-/-");
    EXPECT_EQ(LastRow(), Joined({"20", "5", "k-factor ", "8", "60", "11.99", Result(1), "-/-"}));
}

TEST_F(Calculations, SheetCondensationWithoutDangerAppendsNoRow) {
    Open(5, {"20", "15", nullptr, "8", "50"});
    Shared().WorkingValues.InsulationThickness = 0.007f;
    const int rows = Rows();
    Press();
    EXPECT_EQ(Result(0), "9.25");
    EXPECT_EQ(Result(1), "-/-");
    EXPECT_EQ(Result(2), "-/-");
    EXPECT_EQ(Rows(), rows);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.InsulationThickness, 0.007f);
    EXPECT_TRUE(PrintEnabled()); // still a success
}

TEST_F(Calculations, SheetHeatLoss) {
    Shared().WorkingValues.SheetHeight = 2.5f;
    Open(6, {"25", "-5", "30", "10", nullptr, "8", "0.5"});
    Press();
    const double lambda = WoolLambda(25, -5);
    const double u = 1 / (0.03 / lambda + 1.0 / 8), q = u * 10 * 30;
    const double bare = BareH(-5, 25, 0.7, 1, false) * 10 * 30;
    EXPECT_TRUE(Shows(Result(0), lambda, 4));
    EXPECT_TRUE(Shows(Result(1), u, 3));
    EXPECT_TRUE(Shows(Result(2), q, 3));
    EXPECT_TRUE(Shows(Result(3), (1 - q / bare) * 100, 2));
    EXPECT_TRUE(Shows(Result(4), q * 0.5 * 0.001, 3));
    EXPECT_EQ(LastRow(), Joined({"25", "-5", "30.000", "10", "Mineral wool ", "8", "0.5", Result(0),
                                 Result(1), Result(2), Result(3), Result(4)}) +
                             u'\t');
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 1.0f); // the unseen dialog's height
}

TEST_F(Calculations, SheetSurfaceTemperature) {
    Open(7, {"20", "80", "50", nullptr, "8"});
    Press();
    const double lambda = WoolLambda(20, 80);
    EXPECT_TRUE(Shows(Result(0), lambda, 4));
    EXPECT_TRUE(Shows(Result(1), 20 + 60 * (1.0 / 8) / (0.05 / lambda + 1.0 / 8), 2));
    EXPECT_EQ(LastRow(),
              Joined({"20", "80", "50", "Mineral wool ", "8", Result(0), Result(1)}) + u'\t');
}

TEST_F(Calculations, UserMaterialRowsCarryTheConductivity) {
    Shared().WorkingValues.KFactor = 0.0415f;
    Open(7, {"20", "80", "50", nullptr, "8"}, kUser);
    Press();
    EXPECT_EQ(Result(0), "0.0415");
    EXPECT_EQ(LastRow(),
              Joined({"20", "80", "50", "k-factor 0.0415", "8", "0.0415", Result(1)}) + u'\t');
}

TEST_F(Calculations, EveryRunAppendsOneRow) {
    Open(7, {"20", "80", "50", nullptr, "8"});
    Press();
    PressWith(2, "60");
    ASSERT_EQ(Rows(), 4); // title, header, two runs
    EXPECT_TRUE(FormState().ResultLog[2].startsWith(QStringLiteral("20\t80\t50\t")));
    EXPECT_TRUE(FormState().ResultLog[3].startsWith(QStringLiteral("20\t80\t60\t")));
}

} // namespace
