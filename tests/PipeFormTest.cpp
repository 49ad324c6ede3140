#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "forms/Ulayouts.h"
#include "support/FormFixture.h"

namespace {

using W = TWorkingValues;

const QColor kCream(255, 251, 240);

struct Row {
    const char* caption;
    const char* unit; // nullptr: no unit label
};

struct Stored {
    int line;
    float W::*field;
    bool millimetres;
};

struct TypeTable {
    const char* title;
    std::vector<Row> parameters;
    std::vector<Row> results;
    int alternativesLine;                  // result position of the alternatives line, -1 none
    std::vector<const char*> initialTexts; // "" for the material line
    std::vector<Stored> stored;
};

const Row kAmb{"ambient temperature", "°C"}, kMed{"temperature of medium", "°C"},
    kDia{"tube diameter", "mm"}, kThi{"thickness of insulation", "mm"},
    kMat{"Insulation material", nullptr}, kH{"surface heat transfer coefficient h", "W/m²K"},
    kHum{"rel. humidity (30%-95%)", "%"}, kDen{"density of medium", "kg/m³"},
    kCap{"specific heat capacity", "J/kg K"}, kLen{"pipe length", "m"},
    kLam{"mean thermal conductivity lambda", "W/m K"}, kLoss{"heat loss Q", "W"},
    kDec{"decrease of heat loss by insulation", "%"}, kCost{"cost per hour", "£"},
    kVel{"Calculate alternatively for VELTRA dimension", "mm"};

// Written from the form descriptions, independently of the program's own tables.
const std::vector<TypeTable>& Tables() {
    static const std::vector<TypeTable> tables = {
        {"Prevention of Condensation on Pipes",
         {kAmb, kMed, kDia, kMat, kH, kHum},
         {{"dewpoint temperature", "°C"},
          {"minimum thickness of insulation", "mm"},
          {"nominal thickness recommendation", ""}},
         -1,
         {"25.00", "-5.00", "25.400", "", "9.000", "60.00"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {2, &W::TubeDiameter, true},
          {4, &W::SurfaceCoefficient, false},
          {5, &W::RelHumidity, false}}},
        {"Calculation of Surface Temperatures",
         {kAmb, kMed, kDia, kThi, kMat, kH},
         {kLam, {"surface temperature", "°C"}},
         -1,
         {"25.00", "-5.00", "25.400", "10.000", "", "9.000"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {2, &W::TubeDiameter, true},
          {3, &W::InsulationThickness, true},
          {5, &W::SurfaceCoefficient, false}}},
        {"Calculation of Heat Loss from Pipes",
         {kAmb, kMed, kDia, kThi, kLen, kMat, kH, {"cost per kWh", "£"}},
         {kLam, {"thermal transmittance of insulation", "W/m K"}, kLoss, kDec, kCost, kVel},
         5,
         {"25.00", "-5.00", "25.400", "10.000", "1.000", "", "9.000", "0.500"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {2, &W::TubeDiameter, true},
          {3, &W::InsulationThickness, true},
          {4, &W::PipeLength, false},
          {6, &W::SurfaceCoefficient, false},
          {7, &W::CostPerKWh, false}}},
        {"Calculation of Temperature Drop in Pipes",
         {kAmb, kMed, kDen, kCap, {"flow rate", ""}, kDia, kThi, kLen, kMat, kH},
         {kLam, {"temperature drop", "°C"}, kLoss},
         -1,
         // Density and heat capacity come from the stored medium position 0, "Water".
         {"25.00", "-5.00", "1000.00", "4190.00", "0.20", "25.400", "10.000", "1.00", "", "9.000"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {2, &W::MediumDensity, false},
          {3, &W::MediumHeatCapacity, false},
          {4, &W::FlowRate, false},
          {5, &W::TubeDiameter, true},
          {6, &W::InsulationThickness, true},
          {7, &W::PipeLength, false},
          {9, &W::SurfaceCoefficient, false}}},
        {"Freezing Times in Pipes",
         {kAmb,
          kMed,
          kDen,
          kCap,
          {"freezing temperature of medium", "°C"},
          {"latent heat of fusion", "kJ/kg"},
          {"max. frozen part of medium", "%"},
          kDia,
          kThi,
          kMat,
          kH},
         {{"critical freezing time", "h"}, {"alternative freezing time for", "h"}},
         1,
         {"25.00", "-5.00", "1000.00", "4190.00", "0.00", "335.00", "20", "25.400", "10.000", "",
          "9.000"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {2, &W::MediumDensity, false},
          {3, &W::MediumHeatCapacity, false},
          {4, &W::FreezingTemp, false},
          {5, &W::LatentHeat, false},
          {6, &W::MaxFrozenPart, false},
          {7, &W::TubeDiameter, true},
          {8, &W::InsulationThickness, true},
          {10, &W::SurfaceCoefficient, false}}},
        {"Avoiding Condensation on Sheets",
         {kAmb, kMed, kMat, kH, kHum},
         {{"dewpoint temperature", "°C"},
          {"minimum thickness of insulation", "mm"},
          {"nominal thickness recommendation", ""}},
         -1,
         {"25.00", "-5.00", "", "9.000", "60.00"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {3, &W::SurfaceCoefficient, false},
          {4, &W::RelHumidity, false}}},
        {"Calculation of Heat Loss from Sheets",
         {kAmb, kMed, kThi, {"surface area", "m²"}, kMat, kH, {"cost per kWh", "£"}},
         {kLam, {"thermal transmittance of insulation", "W/m²K"}, kLoss, kDec, kCost, kVel},
         5,
         {"25.00", "-5.00", "10.000", "1.000", "", "9.000", "0.500"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {2, &W::InsulationThickness, true},
          {3, &W::SurfaceArea, false},
          {5, &W::SurfaceCoefficient, false},
          {6, &W::CostPerKWh, false}}},
        {"Calculation of Surface Temperatures on Sheets",
         {kAmb, kMed, kThi, kMat, kH},
         {kLam, {"surface temperature", "°C"}},
         -1,
         {"25.00", "-5.00", "10.000", "", "9.000"},
         {{0, &W::AmbientTemp, false},
          {1, &W::MediumTemp, false},
          {2, &W::InsulationThickness, true},
          {4, &W::SurfaceCoefficient, false}}},
    };
    return tables;
}

TParaLine& P(int i) {
    return (*FormState().ParameterLines)[i];
}
TParaLine& R(int i) {
    return (*FormState().ResultLines)[i];
}
int ParameterCount() {
    return FormState().ParameterLines->Count();
}
int ResultCount() {
    return FormState().ResultLines->Count();
}

bool IsCream(const TParaLine& line) {
    const QWidget* field = line.ParaLineEditAvailable() ? static_cast<QWidget*>(line.ValueField())
                                                        : line.AlternativesSelector();
    return field->palette().color(QPalette::Base) == kCream;
}

class PipeFormTest : public FormTest {
protected:
    std::unique_ptr<TPipeForm> form;

    void Open(int type) {
        Shared().CalculationType = type;
        form = std::make_unique<TPipeForm>(nullptr);
        form->FormShow();
    }
    void TearDown() override {
        form.reset();
        FormTest::TearDown();
    }
};

class EveryFormTest : public PipeFormTest, public ::testing::WithParamInterface<int> {
protected:
    const TypeTable& table = Tables()[static_cast<size_t>(GetParam())];
    void SetUp() override {
        PipeFormTest::SetUp();
        Open(GetParam());
    }
};

TEST_P(EveryFormTest, HasTheLinesOfItsTable) {
    EXPECT_EQ(form->windowTitle(), table.title);
    ASSERT_EQ(ParameterCount(), static_cast<int>(table.parameters.size()));
    ASSERT_EQ(ResultCount(), static_cast<int>(table.results.size()));
    for (int i = 0; i < ParameterCount(); ++i) {
        const Row& row = table.parameters[static_cast<size_t>(i)];
        EXPECT_EQ(P(i).ParaLineLabelText(), QString::fromUtf8(row.caption)) << i;
        ASSERT_EQ(P(i).ParaLineUnitAvailable(), row.unit != nullptr) << i;
        if (row.unit) {
            EXPECT_EQ(P(i).UnitText(), QString::fromUtf8(row.unit)) << i;
        }
    }
    for (int i = 0; i < ResultCount(); ++i) {
        const Row& row = table.results[static_cast<size_t>(i)];
        EXPECT_EQ(R(i).ParaLineLabelText(), QString::fromUtf8(row.caption)) << i;
        EXPECT_EQ(R(i).UnitText(), QString::fromUtf8(row.unit)) << i;
        EXPECT_EQ(R(i).AlternativesAvailable(), i == table.alternativesLine) << i;
        if (!R(i).AlternativesAvailable()) {
            EXPECT_EQ(R(i).ParaLineEditText(), "") << i;
        }
    }
}

TEST_P(EveryFormTest, ResultLogStartsWithTitleAndHeader) {
    QStringList captions;
    for (const Row& row : table.parameters)
        captions << QString::fromUtf8(row.caption);
    for (size_t i = 0; i < table.results.size(); ++i)
        if (static_cast<int>(i) != table.alternativesLine)
            captions << QString::fromUtf8(table.results[i].caption);
    ASSERT_EQ(FormState().ResultLog.size(), 2);
    EXPECT_EQ(FormState().ResultLog[0], table.title);
    EXPECT_EQ(FormState().ResultLog[1], captions.join('\t'));
}

TEST_P(EveryFormTest, RowsAreSpacedEvenlyOverBothBoxes) {
    auto tops = [](int n, int boxHeight) {
        const int gap = (boxHeight - 8 - 1 - 26 * n) / (n + 1);
        std::vector<int> result;
        for (int k = 0; k < n; ++k)
            result.push_back(k * (gap + 26) + gap + 9);
        return result;
    };
    const std::vector<int> parameterTops = tops(ParameterCount(), 396);
    for (int k = 0; k < ParameterCount(); ++k) {
        const QWidget* value = P(k).ParaLineEditAvailable()
                                   ? static_cast<QWidget*>(P(k).ValueField())
                                   : P(k).MaterialSelector();
        EXPECT_EQ(value->y(), parameterTops[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(P(k).CaptionLabel()->y(), parameterTops[static_cast<size_t>(k)] + 2) << k;
    }
    const std::vector<int> resultTops = tops(ResultCount(), 177);
    for (int k = 0; k < ResultCount(); ++k)
        EXPECT_EQ(R(k).CaptionLabel()->y(), resultTops[static_cast<size_t>(k)] + 2) << k;
    EXPECT_EQ(form->GroupBox1->height(), 396);
    EXPECT_EQ(form->GroupBox2->height(), 177);
}

std::vector<QWidget*> PartsOf(const TParaLine& line) {
    std::vector<QWidget*> parts;
    for (QWidget* w : std::initializer_list<QWidget*>{
             line.CaptionLabel(), line.HButton(), line.FlowRateSelector(), line.MediumSelector(),
             line.MaterialSelector(), line.AlternativesSelector(), line.ValueField(),
             line.UnitLabel()})
        if (w)
            parts.push_back(w);
    std::sort(parts.begin(), parts.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    return parts;
}

// Text wider than its label would be cut off by the next part or the box.
QRect TextRect(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return QRect(label->pos(), label->sizeHint());
    return w->geometry();
}

// Where the glyphs of a text drawn from the top of a rectangle of its font's height go.
QRect InkOf(const QFont& font, const QString& text, const QPoint& topLeft) {
    const QFontMetrics metrics(font);
    return metrics.tightBoundingRect(text).translated(topLeft + QPoint(0, metrics.ascent()));
}

QRect TitleInk(QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return InkOf(box->font(), box->title(), label.topLeft());
}

QRect InkOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return InkOf(label->font(), label->text(), label->pos());
    return w->geometry();
}

void ExpectTidy(const TParaLine& line, QGroupBox* box, int k) {
    const std::vector<QWidget*> parts = PartsOf(line);
    const QRect inner = box->rect().adjusted(2, 0, -2, -2);
    for (size_t i = 0; i < parts.size(); ++i) {
        const QRect r = TextRect(parts[i]);
        EXPECT_TRUE(inner.contains(r)) << k << " part " << i << " leaves its box";
        EXPECT_FALSE(InkOf(parts[i]).intersects(TitleInk(box)))
            << k << " part " << i << " covers the title";
        if (i + 1 < parts.size()) {
            EXPECT_LE(r.right() + 3, parts[i + 1]->x())
                << k << " part " << i << " runs into the next";
        }
    }
}

TEST_P(EveryFormTest, EveryTextFitsAndNothingOverlaps) {
    for (int k = 0; k < ParameterCount(); ++k)
        ExpectTidy(P(k), form->GroupBox1, k);
    for (int k = 0; k < ResultCount(); ++k)
        ExpectTidy(R(k), form->GroupBox2, 100 + k);
    for (QPushButton* b : {form->Button1, form->Button2, form->Button3, form->Button4})
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 8, b->width());
}

TEST_P(EveryFormTest, OpensWithTheStoredValues) {
    for (int i = 0; i < ParameterCount(); ++i) {
        if (P(i).ParaLineMaterialAvailable()) {
            EXPECT_EQ(P(i).MaterialText(), "select");
            EXPECT_EQ(P(i).MaterialIndex(), -1);
            EXPECT_EQ(P(i).MaterialSelector()->count(), 3);
        } else {
            EXPECT_EQ(P(i).ParaLineEditText(), table.initialTexts[static_cast<size_t>(i)]) << i;
        }
        if (P(i).ParaLinehButtonAvailable()) {
            EXPECT_EQ(P(i).HButton()->text(), "calculate h");
            EXPECT_TRUE(P(i).Get_h_enabled());
        }
    }
    EXPECT_FALSE(form->Button3->isEnabled());
}

TEST_P(EveryFormTest, ClosingStoresEveryInputInItsField) {
    Shared().WorkingValues.FlowRateIndex = 0;
    for (int i = 0; i < ParameterCount(); ++i) {
        if (P(i).ParaLineMaterialAvailable())
            P(i).MaterialSelector()->setCurrentIndex(1);
        if (P(i).ParaLineMediumAvailable())
            P(i).MediumSelector()->setCurrentIndex(1);
        if (P(i).ParaLineFlowRateAvailable())
            P(i).FlowRateSelector()->setCurrentIndex(2);
    }
    for (const Stored& s : table.stored)
        P(s.line).SetParaLineEditText(QString::number(s.line + 10) + ".5");
    form->close();
    const TWorkingValues& stored = Shared().WorkingValues;
    for (const Stored& s : table.stored) {
        const float typed = static_cast<float>(s.line + 10.5);
        EXPECT_FLOAT_EQ(stored.*s.field, s.millimetres ? typed * 0.001f : typed) << s.line;
    }
    EXPECT_EQ(stored.MaterialIndex, 1);
    const bool medium = GetParam() == 3 || GetParam() == 4;
    EXPECT_EQ(stored.MediumIndex, medium ? 1 : 0);
    EXPECT_EQ(stored.FlowRateIndex, GetParam() == 3 ? 2 : 0);
    EXPECT_EQ(FormState().ParameterLines, nullptr);
    EXPECT_EQ(FormState().ResultLines, nullptr);
    EXPECT_TRUE(FormState().ResultLog.isEmpty());
}

TEST_P(EveryFormTest, EditingAnInputMarksEveryResultStale) {
    TPipeForm::MarkResultsCurrent();
    QTest::keyClicks(P(0).ValueField(), "1");
    for (int i = 0; i < ResultCount(); ++i)
        EXPECT_TRUE(IsCream(R(i))) << i;
    TPipeForm::MarkResultsCurrent();
    for (int i = 0; i < ResultCount(); ++i)
        EXPECT_FALSE(IsCream(R(i))) << i;
}

INSTANTIATE_TEST_SUITE_P(Types, EveryFormTest, ::testing::Range(0, 8));

TEST_F(PipeFormTest, FreezingHeaderHasTwelveCaptions) {
    Open(4);
    EXPECT_EQ(FormState().ResultLog[1].split('\t').size(), 12);
    EXPECT_EQ(FormState().ResultLog[1].count('\t'), 11);
}

TEST_F(PipeFormTest, ControlsCarryTheirCaptions) {
    Open(0);
    EXPECT_EQ(form->GroupBox1->title(), "Parameters");
    EXPECT_EQ(form->GroupBox2->title(), "Results");
    EXPECT_EQ(form->GroupBox3->title(), "Control");
    EXPECT_EQ(form->Button1->text(), "Calculate");
    EXPECT_TRUE(form->Button1->isDefault());
    EXPECT_EQ(form->Button2->text(), "Help");
    EXPECT_EQ(form->Button3->text(), "Print");
    EXPECT_EQ(form->Button4->text(), "Close");
    EXPECT_EQ(form->size(), QSize(632, 581));
    EXPECT_EQ(form->palette().color(QPalette::Window), kCream);
}

TEST_F(PipeFormTest, ConfiguredFontNameIsApplied) {
    Shared().GlobalSettings.FontName = "DejaVu Serif";
    Open(1);
    EXPECT_EQ(form->font().family(), "DejaVu Serif");
    EXPECT_EQ(P(0).CaptionLabel()->font().family(), "DejaVu Serif");
}

TEST_F(PipeFormTest, MaterialNamesAreShownAsConfigured) {
    Open(0);
    EXPECT_EQ(P(3).MaterialSelector()->itemText(1), QString::fromUtf8("Kautschuk älastisch"));
    EXPECT_EQ(P(3).MaterialSelector()->itemText(2), "k-factor");
}

TEST_F(PipeFormTest, StoredMaterialIsSelected) {
    Shared().WorkingValues.MaterialIndex = 1;
    Open(7);
    EXPECT_EQ(P(3).MaterialIndex(), 1);
}

TEST_F(PipeFormTest, StoredUserMaterialShowsSelect) {
    Shared().WorkingValues.MaterialIndex = 2; // "k-factor"
    Open(2);
    EXPECT_EQ(P(5).MaterialText(), "select");
    EXPECT_EQ(P(5).MaterialIndex(), -1);
    EXPECT_TRUE(seam.dialogTitles.isEmpty());
}

TEST_F(PipeFormTest, UserMaterialPositionIsStoredLikeAnyOther) {
    Open(2);
    QTest::keyClick(P(5).MaterialSelector(), Qt::Key_End);
    ASSERT_EQ(P(5).MaterialText(), "k-factor");
    form->close();
    EXPECT_EQ(Shared().WorkingValues.MaterialIndex, 2);
}

TEST_F(PipeFormTest, StoredMediumOverridesTheStoredProperties) {
    Shared().WorkingValues.MediumIndex = 1; // "Brine"
    Open(4);
    EXPECT_EQ(P(2).MediumText(), "Brine");
    EXPECT_EQ(P(2).ParaLineEditText(), "1200.00");
    EXPECT_EQ(P(3).ParaLineEditText(), "3300.00");
    EXPECT_EQ(P(4).ParaLineEditText(), "-20.00");
    EXPECT_EQ(P(5).ParaLineEditText(), "200.00");
    EXPECT_TRUE(IsCream(R(0)));
}

TEST_F(PipeFormTest, MediumMatchingTheStoredValuesLeavesResultsAsOpened) {
    TWorkingValues& stored = Shared().WorkingValues;
    stored.MediumHeatCapacity = 4190;
    Open(3);
    EXPECT_FALSE(IsCream(R(0)));
}

TEST_F(PipeFormTest, WithoutMediaTheStoredPropertiesStay) {
    Shared().ReferenceLists.Media.clear();
    Shared().WorkingValues.MediumDensity = 998;
    Open(3);
    EXPECT_EQ(P(2).MediumText(), "select");
    EXPECT_EQ(P(2).ParaLineEditText(), "998.00");
    EXPECT_EQ(P(3).ParaLineEditText(), "4180.00");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(IsCream(R(0)));
}

TEST_F(PipeFormTest, FlowRateUnitsAndStoredPosition) {
    Shared().WorkingValues.FlowRateIndex = 3;
    Open(3);
    QStringList units;
    for (int i = 0; i < P(4).FlowRateSelector()->count(); ++i)
        units << P(4).FlowRateSelector()->itemText(i);
    EXPECT_EQ(units, QStringList({"m/s", "l/s", "ft/s", "gal/min"}));
    EXPECT_EQ(P(4).FlowRateText(), "gal/min");
}

TEST_F(PipeFormTest, AlternativesSelectorSitsRightOfTheHeatLossCaption) {
    Open(6);
    EXPECT_EQ(R(5).AlternativesSelector()->geometry(),
              QRect(340, R(5).AlternativesSelector()->y(), 65, 26));
    ResetFormState();
    form.reset();
    Open(4);
    EXPECT_EQ(R(1).AlternativesSelector()->x(), 280);
}

TEST_F(PipeFormTest, HFromDialogSurvivesTheBuild) {
    FormState().HFromDialog = true;
    Open(2);
    EXPECT_TRUE(FormState().HFromDialog);
    P(6).SetParaLineEditText("12.000");
    EXPECT_FALSE(FormState().HFromDialog);
}

TEST_F(PipeFormTest, HFromDialogStaysClearWhenItWasClear) {
    Open(2);
    EXPECT_FALSE(FormState().HFromDialog);
}

TEST_F(PipeFormTest, TypingHOrFlowRateLeavesColours) {
    Open(3);
    TPipeForm::MarkResultsCurrent();
    QTest::keyClicks(P(9).ValueField(), "1");
    QTest::keyClicks(P(4).ValueField(), "1");
    EXPECT_FALSE(IsCream(R(0)));
    QTest::keyClicks(P(7).ValueField(), "1");
    EXPECT_TRUE(IsCream(R(0)));
}

TEST_F(PipeFormTest, ClosingStopsAtTheFirstValueThatIsNoNumber) {
    Open(2);
    P(0).SetParaLineEditText("30");
    P(1).SetParaLineEditText("60");
    P(2).SetParaLineEditText("50");
    P(3).SetParaLineEditText("1.2.3");
    P(4).SetParaLineEditText("12");
    P(5).MaterialSelector()->setCurrentIndex(1);
    form->close();
    const TWorkingValues& stored = Shared().WorkingValues;
    EXPECT_FLOAT_EQ(stored.AmbientTemp, 30);
    EXPECT_FLOAT_EQ(stored.MediumTemp, 60);
    EXPECT_FLOAT_EQ(stored.TubeDiameter, 0.05f);
    EXPECT_FLOAT_EQ(stored.InsulationThickness, 0.01f);
    EXPECT_FLOAT_EQ(stored.PipeLength, 1);
    EXPECT_EQ(stored.MaterialIndex, -1);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(FormState().ParameterLines, nullptr);
}

TEST_F(PipeFormTest, EmptyAmbientKeepsEveryStoredValue) {
    Open(0);
    P(0).SetParaLineEditText("");
    P(1).SetParaLineEditText("3");
    P(3).MaterialSelector()->setCurrentIndex(0);
    form->close();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.AmbientTemp, 25);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.MediumTemp, -5);
    EXPECT_EQ(Shared().WorkingValues.MaterialIndex, -1);
}

TEST_F(PipeFormTest, ValueTooLargeForTheStoreEndsTheStoring) {
    Open(7);
    P(0).SetParaLineEditText("1e39");
    P(1).SetParaLineEditText("3");
    form->close();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.AmbientTemp, 25);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.MediumTemp, -5);
}

TEST_F(PipeFormTest, MillimetresGoBackAsMetresAndReturnAsTyped) {
    Open(1);
    P(3).ValueField()->clear();
    QTest::keyClicks(P(3).ValueField(), "30");
    form->close();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.InsulationThickness, 0.03f);
    form.reset();
    Open(1);
    EXPECT_EQ(P(3).ParaLineEditText(), "30.000");
}

TEST_F(PipeFormTest, MediumDensityTypedWithCommaIsStored) {
    Open(3);
    P(2).SetParaLineEditText("1000,5");
    form->close();
    EXPECT_FLOAT_EQ(Shared().WorkingValues.MediumDensity, 1000.5f);
}

TEST_F(PipeFormTest, CloseButtonStoresAndKeepsTheCarriedState) {
    Shared().CalculationType = 5;
    form = std::make_unique<TPipeForm>(nullptr);
    form->show();
    ASSERT_NE(FormState().ParameterLines, nullptr);
    FormState().HFromDialog = true;
    FormState().ChosenCladdingIndex = 1;
    P(0).SetParaLineEditText("18");
    form->Button4->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FLOAT_EQ(Shared().WorkingValues.AmbientTemp, 18);
    EXPECT_EQ(FormState().ParameterLines, nullptr);
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, 1);
}

// One key press must not throw the shown results away: Escape leaves the form open, and
// the window's close box closes and stores as "Close" does.
TEST_F(PipeFormTest, EscapeKeepsTheFormOpenTheCloseBoxClosesAndStores) {
    Shared().CalculationType = 6;
    form = std::make_unique<TPipeForm>(nullptr);
    form->show();
    P(3).SetParaLineEditText("4");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SurfaceArea, 4);
}

TEST_F(PipeFormTest, ShowingBuildsOnlyOnce) {
    Shared().CalculationType = 0;
    form = std::make_unique<TPipeForm>(nullptr);
    form->show();
    form->hide();
    form->show();
    EXPECT_EQ(ParameterCount(), 6);
}

TEST_F(PipeFormTest, DestroyingAnOpenFormReleasesItsLines) {
    Open(4);
    QPointer<QLineEdit> edit = P(0).ValueField();
    form.reset();
    EXPECT_TRUE(edit.isNull());
    EXPECT_EQ(FormState().ParameterLines, nullptr);
}

TEST_F(PipeFormTest, HelpShowsTheBuiltInTextWithoutAHelpFile) {
    Open(4);
    form->Button2->click();
    QCoreApplication::processEvents(); // the help runs after the click has been handled
    EXPECT_EQ(seam.dialogTitles.size(), 1);
}

TEST_F(PipeFormTest, UnknownTypeReportsAndKeepsTheFormOpen) {
    FormState().HFromDialog = true;
    Open(9);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(seam.messages[0].text.startsWith("Cannot show calculation form! Error: "));
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(ParameterCount(), 0);
}

} // namespace

namespace {

TEST_F(PipeFormTest, EnterInAValueFieldPressesCalculate) {
    Shared().CalculationType = 1;
    form = std::make_unique<TPipeForm>(nullptr);
    form->show();
    QSignalSpy calculate(form->Button1, &QPushButton::clicked);
    QTest::keyClick(P(0).ValueField(), Qt::Key_Return);
    EXPECT_EQ(calculate.count(), 1);
    EXPECT_TRUE(form->isVisible());
}

TEST(HelpTexts, ParagraphsAreSeparatedByAnEmptyLine) {
    const int paragraphs[8] = {3, 1, 3, 2, 4, 3, 3, 1};
    for (int type = 0; type < 8; ++type) {
        const QString text = QString::fromUtf8(FormLayout(type).help);
        EXPECT_EQ(text.split(QStringLiteral("\n\n")).size(), paragraphs[type]) << type;
        EXPECT_FALSE(text.contains(QStringLiteral("\n\n\n"))) << type;
    }
}

} // namespace
