// The thickness table's money and products: the present value factor against the sum it
// stands for, the heat price of a fuel, and which rows a nominal table's product names.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "engine/Economics.h"
#include "engine/Errors.h"
#include "engine/NominalTable.h"
#include "engine/State.h"
#include "engine/ThicknessTable.h"

namespace {

double SummedFactor(int years, double interest, double increase) {
    double sum = 0;
    for (int k = 1; k <= years; ++k)
        sum += std::pow(1 + increase, k - 1) / std::pow(1 + interest, k);
    return sum;
}

TEST(PresentValueFactor, IsTheSumOfTheYearsDiscountedAndGrown) {
    std::mt19937 random(14);
    std::uniform_real_distribution<double> rate(0, 0.15);
    for (int i = 0; i < 500; ++i) {
        const int years = 1 + static_cast<int>(random() % 60);
        const double interest = rate(random), increase = random() % 4 ? rate(random) : interest;
        EXPECT_NEAR(PresentValueFactor(years, interest, increase),
                    SummedFactor(years, interest, increase), 1e-9 * years)
            << years << " " << interest << " " << increase;
    }
    EXPECT_DOUBLE_EQ(PresentValueFactor(10, 0, 0), 10); // the undiscounted life
    EXPECT_DOUBLE_EQ(PresentValueFactor(2.5, 0, 0), 2.5);
    for (double apart : {1e-12, 1e-10, 1e-8, 1e-6}) // continuous across interest = increase
        EXPECT_NEAR(PresentValueFactor(20, 0.05, 0.05 + apart),
                    SummedFactor(20, 0.05, 0.05 + apart), 1e-7)
            << apart;
}

TEST(HeatPricePerKWh, AFuelPriceIsDividedByTheEfficiency) {
    EXPECT_EQ(HeatPricePerKWh(0.08f, false, 0.5f), 0.08f);
    EXPECT_EQ(HeatPricePerKWh(0.09f, true, 0.9f), static_cast<float>(0.09f / double{0.9f}));
    EXPECT_THROW(HeatPricePerKWh(0.09f, true, 0), FloatError);
}

std::unique_ptr<TToleranceTable> Nominal(std::initializer_list<TToleranceLine> lines) {
    auto table = std::make_unique<TToleranceTable>();
    for (const TToleranceLine& line : lines)
        table->Add(std::make_unique<TToleranceLine>(line));
    return table;
}

TEST(NominalTable, BelongsToTheMaterialNamedByItsProductCode) {
    const std::string af = "VELTRA AF elastomeric foam";
    const auto foam = Nominal({{42.4f, 48.3f, 0, 6, "VELTRA AF-06-048 / 6 x 48.3 mm"},
                               {42.4f, 48.3f, 6, 9, "VELTRA AF-09-048 / 9 x 48.3 mm"}});
    EXPECT_TRUE(TableBelongsTo(*foam, af));
    for (const char* other : {"VELTRA XF elastomeric foam, low λ", "VELTRA AFX foam",
                              "VELTRA MW mineral wool pipe section", "k-factor", ""})
        EXPECT_FALSE(TableBelongsTo(*foam, other)) << other;
    EXPECT_FALSE(TableBelongsTo(
        *Nominal({{0, 0, 0, 6, "VELTRA AF-06-SH"}, {0, 0, 6, 9, "OTHER X-09"}}), af));
    EXPECT_FALSE(TableBelongsTo(TToleranceTable(), af));
    EXPECT_TRUE(TableBelongsTo(
        *Nominal({{0, 6, 0, 6, "=HYPERLINK(x) / 6 x 6 mm"}, {0, 6, 6, 9, "VELTRA AF-09"}}), af));
}

TEST(NominalTable, ARowNamesAProductOnlyOfItsOwnThickness) {
    const auto foam = Nominal({{42.4f, 48.3f, 0, 6, "P6"}, {42.4f, 48.3f, 6, 9, "P9"}});
    ThicknessTableInputs in;
    in.AmbientTemp = 20, in.MediumTemp = 80, in.TubeDiameter = 0.0483f;
    in.Law = {0.033f, 0.0001f};
    in.ThicknessesMm = {1, 6, 7.5f, 9, 10};
    const ThicknessTable table = BuildThicknessTable(in, foam.get());
    const std::pair<std::string, std::string> expected[] = {{"", ""},   {"", "P6"}, {"P6", ""},
                                                            {"", "P9"}, {"P9", ""}, {"", ""}};
    ASSERT_EQ(table.Rows.size(), std::size(expected));
    for (size_t i = 0; i < table.Rows.size(); ++i)
        EXPECT_EQ(std::pair(table.Rows[i].Product, table.Rows[i].NextProduct), expected[i]) << i;
}

TEST(ThicknessTableEconomics, TheCheapestIsTheLowestPresentValue) {
    ThicknessTableInputs in;
    in.AmbientTemp = 10, in.MediumTemp = 150, in.TubeDiameter = 0.1143f;
    in.Law = {0.034f, 0.00017f};
    in.ThicknessesMm = {20, 40, 80};
    in.InstalledCost = {20.0f, 30.0f, 60.0f};
    in.LifeYears = 15;
    for (auto [interest, increase] : {std::pair{0.0f, 0.0f}, {0.08f, 0.0f}, {0.03f, 0.06f}}) {
        in.InterestRate = interest, in.PriceIncrease = increase;
        const ThicknessTable t = BuildThicknessTable(in, nullptr);
        const double years = PresentValueFactor(15, interest, increase);
        for (size_t i = 0; i < t.Rows.size(); ++i) {
            const ThicknessRow& row = t.Rows[i];
            ASSERT_TRUE(row.PresentValue && row.LifeCost);
            const double installed = i == 0 ? 0 : *in.InstalledCost[i - 1] * double{in.Extent};
            EXPECT_EQ(*row.PresentValue, static_cast<float>(installed + years * row.CostPerYear));
            EXPECT_LE(*t.Rows[t.Economic].PresentValue, *row.PresentValue);
        }
        EXPECT_TRUE(interest != 0 || *t.Rows[2].PresentValue == *t.Rows[2].LifeCost);
    }
}

} // namespace
