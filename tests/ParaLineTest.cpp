#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "engine/Errors.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "forms/Uselector.h"
#include "support/FormFixture.h"

namespace {

const QColor kCream(255, 251, 240);
const QColor kWhite(255, 255, 255);

QColor BaseOf(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// Lines in two group boxes of the calculation form's size, outside any form.
class ParaLineTest : public FormTest {
protected:
    QWidget window;
    QGroupBox* params = new QGroupBox(&window);
    QGroupBox* results = new QGroupBox(&window);

    void SetUp() override {
        FormTest::SetUp();
        QFont font;
        font.setPixelSize(11);
        window.setFont(font);
        params->setGeometry(2, 2, 628, 396);
        results->setGeometry(2, 402, 453, 177);
        FormState().ParameterLines = std::make_unique<TParas>();
        FormState().ResultLines = std::make_unique<TResult>();
    }

    TParaLine& AddParameter(LineKind kind, const char* caption = "") {
        auto line = std::make_unique<TParaLine>(params, kind);
        TParaLine& added = *line;
        FormState().ParameterLines->Add(std::move(line));
        added.SetParaLineLabelText(QString::fromUtf8(caption));
        return added;
    }
    TParaLine& AddResult(LineKind kind) {
        auto line = std::make_unique<TParaLine>(results, kind);
        TParaLine& added = *line;
        FormState().ResultLines->Add(std::move(line));
        return added;
    }
};

struct KindParts {
    LineKind kind;
    int editX, editW;    // -1: no value field
    int selectorX, selW; // -1: no selector
    int unitX;           // -1: no unit label
    int buttonX;         // -1: no h button
    int captionX;
};

TEST_F(ParaLineTest, EachKindHasItsPartsAtTheirPlaces) {
    const KindParts kinds[] = {
        {lkValue, 400, 100, -1, 0, 510, -1, 30},
        {lkMaterial, -1, 0, 400, 200, -1, -1, 30},
        {lkSurfaceCoefficient, 505, 50, -1, 0, 565, 400, 30},
        {lkFlowRate, 400, 100, 270, 100, 510, -1, 30},
        {lkResult, 330, 75, -1, 0, 410, -1, 10},
        {lkAlternatives, -1, 0, 280, 125, 410, -1, 10},
        {lkMedium, 400, 100, 270, 100, 510, -1, 30},
    };
    for (const KindParts& k : kinds) {
        SCOPED_TRACE(k.kind);
        const bool result = k.kind == lkResult || k.kind == lkAlternatives;
        TParaLine& line = result ? AddResult(k.kind) : AddParameter(k.kind);
        EXPECT_TRUE(line.ParaLineLabelAvailable());
        EXPECT_EQ(line.CaptionLabel()->x(), k.captionX);
        ASSERT_EQ(line.ParaLineEditAvailable(), k.editX >= 0);
        if (k.editX >= 0) {
            EXPECT_EQ(line.ValueField()->x(), k.editX);
            EXPECT_EQ(line.ValueField()->width(), k.editW);
            EXPECT_EQ(line.ValueField()->isReadOnly(), k.kind == lkResult);
        }
        ASSERT_EQ(line.ParaLineUnitAvailable(), k.unitX >= 0);
        if (k.unitX >= 0) {
            EXPECT_EQ(line.UnitLabel()->x(), k.unitX);
        }
        ASSERT_EQ(line.ParaLinehButtonAvailable(), k.buttonX >= 0);
        if (k.buttonX >= 0) {
            EXPECT_EQ(line.HButton()->geometry(), QRect(400, line.ValueField()->y(), 90, 26));
        }
        EXPECT_EQ(line.ParaLineMaterialAvailable(), k.kind == lkMaterial);
        EXPECT_EQ(line.ParaLineFlowRateAvailable(), k.kind == lkFlowRate);
        EXPECT_EQ(line.ParaLineMediumAvailable(), k.kind == lkMedium);
        EXPECT_EQ(line.AlternativesAvailable(), k.kind == lkAlternatives);
        QComboBox* selector = line.MaterialSelector()   ? line.MaterialSelector()
                              : line.FlowRateSelector() ? line.FlowRateSelector()
                              : line.MediumSelector()   ? line.MediumSelector()
                                                        : line.AlternativesSelector();
        if (k.selectorX >= 0) {
            ASSERT_NE(selector, nullptr);
            EXPECT_EQ(selector->x(), k.selectorX);
            EXPECT_EQ(selector->width(), k.selW);
            EXPECT_EQ(selector->height(), 26);
        } else {
            EXPECT_EQ(selector, nullptr);
        }
    }
}

TEST_F(ParaLineTest, RowsAreSpacedEvenlyFromTheTopOfEachBox) {
    Shared().CalculationType = 3; // ten parameter lines, three result lines
    // Parameters: gap = (396 - 8 - 1 - 260) / 11 = 11; top = k * 37 + 11 + 9.
    for (int k = 0; k < 10; ++k) {
        TParaLine& line = AddParameter(lkValue);
        EXPECT_EQ(line.ValueField()->y(), 20 + 37 * k) << k;
        EXPECT_EQ(line.CaptionLabel()->y(), 22 + 37 * k) << k;
        EXPECT_EQ(line.UnitLabel()->y(), 24 + 37 * k) << k;
    }
    // Results: gap = (177 - 9 - 78) / 4 = 22; top = k * 48 + 22 + 9.
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(AddResult(lkResult).ValueField()->y(), 31 + 48 * k) << k;
}

TEST_F(ParaLineTest, NewLinesStartEmptyExceptTheSelectorsSelect) {
    TParaLine& flow = AddParameter(lkFlowRate);
    TParaLine& material = AddParameter(lkMaterial);
    TParaLine& medium = AddParameter(lkMedium);
    TParaLine& alternatives = AddResult(lkAlternatives);
    EXPECT_EQ(flow.ParaLineEditText(), "");
    EXPECT_EQ(flow.UnitText(), "");
    EXPECT_EQ(flow.FlowRateText(), "select");
    EXPECT_EQ(material.MaterialText(), "select");
    EXPECT_EQ(material.MaterialIndex(), -1);
    EXPECT_EQ(medium.MediumText(), "select");
    EXPECT_EQ(static_cast<TSelector*>(alternatives.AlternativesSelector())->Text(), "");
}

TEST_F(ParaLineTest, NumericFieldsSwallowLettersAndTakeCommaAsPoint) {
    for (LineKind kind : {lkValue, lkSurfaceCoefficient, lkFlowRate}) {
        TParaLine& line = AddParameter(kind);
        QTest::keyClicks(line.ValueField(), "1a2,5x -e3");
        EXPECT_EQ(line.ParaLineEditText(), "12.5-3") << kind;
    }
}

TEST_F(ParaLineTest, NumericFieldsKeepEditingKeys) {
    TParaLine& line = AddParameter(lkValue);
    QTest::keyClicks(line.ValueField(), "123");
    QTest::keyClick(line.ValueField(), Qt::Key_Backspace);
    QTest::keyClick(line.ValueField(), Qt::Key_Home);
    QTest::keyClicks(line.ValueField(), "-");
    EXPECT_EQ(line.ParaLineEditText(), "-12");
}

TEST_F(ParaLineTest, MediumValueFieldAcceptsAnyCharacter) {
    TParaLine& line = AddParameter(lkMedium);
    QTest::keyClicks(line.ValueField(), "ab,1");
    EXPECT_EQ(line.ParaLineEditText(), "ab,1");
}

TEST_F(ParaLineTest, SelectorsIgnoreTypedCharacters) {
    TParaLine& line = AddParameter(lkMaterial);
    line.SetMaterialItems({"Mineral wool", "Kautschuk", "k-factor"});
    QTest::keyClicks(line.MaterialSelector(), "kKm");
    EXPECT_EQ(line.MaterialIndex(), -1);
    EXPECT_EQ(line.MaterialText(), "select");
    EXPECT_TRUE(seam.dialogTitles.isEmpty());
}

TEST_F(ParaLineTest, ItemsAreAppendedWithoutSelectingAnything) {
    TParaLine& line = AddParameter(lkMaterial);
    line.SetMaterialItems({"A", "B"});
    line.SetMaterialItems({"C"});
    EXPECT_EQ(line.MaterialSelector()->count(), 3);
    EXPECT_EQ(line.MaterialSelector()->itemText(2), "C");
    EXPECT_EQ(line.MaterialIndex(), -1);
    EXPECT_EQ(line.MaterialText(), "select");
}

TEST_F(ParaLineTest, MaterialIndexNeverRestoresTheUserMaterial) {
    TParaLine& line = AddParameter(lkMaterial);
    line.SetMaterialItems({"Mineral wool", "Kautschuk", "k-factor"});
    line.SetMaterialIndex(2);
    EXPECT_EQ(line.MaterialIndex(), -1);
    EXPECT_EQ(line.MaterialText(), "select");
    line.SetMaterialIndex(1);
    EXPECT_EQ(line.MaterialText(), "Kautschuk");
    line.SetMaterialIndex(3); // beyond the end: nothing changes
    EXPECT_EQ(line.MaterialIndex(), 1);
    line.SetMaterialIndex(-1);
    EXPECT_EQ(line.MaterialIndex(), -1);
    EXPECT_EQ(line.MaterialText(), "");
    // Selecting through the property is no user choice: no dialog.
    EXPECT_TRUE(seam.dialogTitles.isEmpty());
}

TEST_F(ParaLineTest, MaterialIndexOutOfRangeKeepsSelect) {
    TParaLine& line = AddParameter(lkMaterial);
    line.SetMaterialItems({"A", "B"});
    line.SetMaterialIndex(-1);
    EXPECT_EQ(line.MaterialText(), "select");
    line.SetMaterialIndex(2);
    EXPECT_EQ(line.MaterialText(), "select");
    EXPECT_EQ(line.MaterialIndex(), -1);
}

TEST_F(ParaLineTest, ChoosingTheUserMaterialOpensItsDialogAndMarksStale) {
    TParaLine& line = AddParameter(lkMaterial);
    TParaLine& result = AddResult(lkResult);
    line.SetMaterialItems({"Mineral wool", "k-factor"});
    TPipeForm::MarkResultsCurrent();
    QTest::keyClick(line.MaterialSelector(), Qt::Key_Down);
    EXPECT_EQ(line.MaterialText(), "Mineral wool");
    EXPECT_TRUE(seam.dialogTitles.isEmpty());
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
    QTest::keyClick(line.MaterialSelector(), Qt::Key_Down);
    EXPECT_EQ(line.MaterialText(), "k-factor");
    EXPECT_TRUE(seam.dialogTitles.isEmpty()); // not inside the selector's change handler
    QCoreApplication::processEvents();
    EXPECT_EQ(seam.dialogTitles.size(), 1);
}

TEST_F(ParaLineTest, StaleMarkingFollowsTheWiringTable) {
    TParaLine& value = AddParameter(lkValue);
    TParaLine& h = AddParameter(lkSurfaceCoefficient);
    TParaLine& flow = AddParameter(lkFlowRate);
    TParaLine& medium = AddParameter(lkMedium);
    TParaLine& result = AddResult(lkResult);
    TParaLine& alternatives = AddResult(lkAlternatives);
    flow.SetFlowRateItems({"m/s", "l/s"});
    TPipeForm::MarkResultsCurrent();

    QTest::keyClicks(h.ValueField(), "12");
    QTest::keyClicks(flow.ValueField(), "3");
    QTest::keyClicks(medium.ValueField(), "4");
    EXPECT_EQ(BaseOf(result.ValueField()), kWhite);

    QTest::keyClicks(value.ValueField(), "5");
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
    EXPECT_EQ(BaseOf(alternatives.AlternativesSelector()), kCream);

    TPipeForm::MarkResultsCurrent();
    QTest::keyClick(flow.FlowRateSelector(), Qt::Key_Down);
    EXPECT_EQ(flow.FlowRateText(), "m/s");
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
}

TEST_F(ParaLineTest, TypingAnHClearsHFromDialog) {
    TParaLine& h = AddParameter(lkSurfaceCoefficient);
    FormState().HFromDialog = true;
    h.SetParaLineEditText("7.000");
    EXPECT_FALSE(FormState().HFromDialog);
}

TEST_F(ParaLineTest, MediumFillsTheFreezingLinesWhoseCaptionsMatch) {
    Shared().CalculationType = 4;
    AddParameter(lkValue, "ambient temperature");
    AddParameter(lkValue, "temperature of medium");
    TParaLine& medium = AddParameter(lkMedium, "density of medium");
    TParaLine& heat = AddParameter(lkValue, "specific heat capacity");
    TParaLine& freezing = AddParameter(lkValue, "freezing temperature of medium");
    TParaLine& latent = AddParameter(lkValue, "latent heat of fusion");
    FormState().MediumLineIndex = 2;
    medium.SetMediumItems({"Water", "Brine"});
    medium.SetMediumIndex(1);
    EXPECT_EQ(medium.ParaLineEditText(), "1200.00");
    EXPECT_EQ(heat.ParaLineEditText(), "3300.00");
    EXPECT_EQ(freezing.ParaLineEditText(), "-20.00");
    EXPECT_EQ(latent.ParaLineEditText(), "200.00");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ParaLineTest, MediumLeavesLinesWithOtherCaptionsAlone) {
    Shared().CalculationType = 4;
    TParaLine& medium = AddParameter(lkMedium, "density of medium");
    TParaLine& heat = AddParameter(lkValue, "specific heat");
    TParaLine& freezing = AddParameter(lkValue, "freezing temperature of medium");
    FormState().MediumLineIndex = 0;
    medium.SetMediumItems({"Water", "Brine"});
    medium.SetMediumIndex(1);
    EXPECT_EQ(heat.ParaLineEditText(), "");
    EXPECT_EQ(freezing.ParaLineEditText(), "-20.00");
}

TEST_F(ParaLineTest, TemperatureDropTakesOnlyTheHeatCapacity) {
    Shared().CalculationType = 3;
    TParaLine& medium = AddParameter(lkMedium, "density of medium");
    TParaLine& heat = AddParameter(lkValue, "specific heat capacity");
    TParaLine& next = AddParameter(lkValue, "freezing temperature of medium");
    FormState().MediumLineIndex = 0;
    medium.SetMediumItems({"Water", "Brine"});
    medium.SetMediumIndex(0);
    EXPECT_EQ(medium.ParaLineEditText(), "1000.00");
    EXPECT_EQ(heat.ParaLineEditText(), "4190.00");
    EXPECT_EQ(next.ParaLineEditText(), "");
}

TEST_F(ParaLineTest, MediumValueMarksStaleOnlyAfterAMediumWasChosen) {
    TParaLine& medium = AddParameter(lkMedium, "density of medium");
    TParaLine& result = AddResult(lkResult);
    FormState().MediumLineIndex = 0;
    medium.SetMediumItems({"Water", "Brine"});
    TPipeForm::MarkResultsCurrent();
    QTest::keyClicks(medium.ValueField(), "9");
    EXPECT_EQ(BaseOf(result.ValueField()), kWhite);
    QTest::keyClick(medium.MediumSelector(), Qt::Key_Down);
    EXPECT_EQ(medium.ParaLineEditText(), "1000.00");
    TPipeForm::MarkResultsCurrent();
    QTest::keyClicks(medium.ValueField(), "9");
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
}

TEST_F(ParaLineTest, MediumIndexBeyondTheListOrNegativeChangesNothing) {
    TParaLine& medium = AddParameter(lkMedium, "density of medium");
    medium.SetParaLineEditText("5.00");
    medium.SetMediumItems({"Water"});
    medium.SetMediumIndex(1);
    medium.SetMediumIndex(-1);
    EXPECT_EQ(medium.MediumIndex(), -1);
    EXPECT_EQ(medium.MediumText(), "select");
    EXPECT_EQ(medium.ParaLineEditText(), "5.00");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ParaLineTest, UnknownMediumReportsAndStillBindsTheValueField) {
    TParaLine& medium = AddParameter(lkMedium, "density of medium");
    TParaLine& result = AddResult(lkResult);
    Shared().ReferenceLists.Media.clear();
    medium.SetMediumItems({"Ghost"});
    medium.SetMediumIndex(0);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(seam.messages[0].text, "could not read medium valuesList index out of bounds (0)");
    TPipeForm::MarkResultsCurrent();
    QTest::keyClicks(medium.ValueField(), "1");
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
}

TEST_F(ParaLineTest, FlowRateIndexSelectsOnlyExistingPositions) {
    TParaLine& flow = AddParameter(lkFlowRate);
    flow.SetFlowRateItems({"m/s", "l/s", "ft/s", "gal/min"});
    flow.SetFlowRateIndex(4);
    EXPECT_EQ(flow.FlowRateIndex(), -1);
    EXPECT_EQ(flow.FlowRateText(), "select");
    flow.SetFlowRateIndex(3);
    EXPECT_EQ(flow.FlowRateText(), "gal/min");
}

TEST_F(ParaLineTest, AlternativesAreReplacedAndReadAsACopy) {
    TParaLine& line = AddResult(lkAlternatives);
    auto* selector = static_cast<TSelector*>(line.AlternativesSelector());
    line.SetAlternatives({"6", "9", "13"});
    EXPECT_EQ(selector->currentIndex(), 0);
    EXPECT_EQ(selector->Text(), "6");
    line.SetAlternativeText("select");
    EXPECT_EQ(selector->Text(), "select");
    EXPECT_EQ(selector->currentIndex(), 0);

    QStringList copy = line.Alternatives();
    EXPECT_EQ(copy, QStringList({"6", "9", "13"}));
    copy.clear();
    EXPECT_EQ(selector->count(), 3);

    line.SetAlternatives({"19"});
    EXPECT_EQ(line.Alternatives(), QStringList({"19"}));
    line.SetAlternatives({});
    EXPECT_EQ(selector->count(), 0);
    EXPECT_EQ(selector->Text(), "");
}

TEST_F(ParaLineTest, ChoosingAnAlternativeShowsItsText) {
    TParaLine& line = AddResult(lkAlternatives);
    auto* selector = static_cast<TSelector*>(line.AlternativesSelector());
    line.SetAlternatives({"6", "9"});
    line.SetAlternativeText("select");
    emit selector->activated(0); // the user picks the already selected first entry
    EXPECT_EQ(selector->Text(), "6");
}

TEST_F(ParaLineTest, AlternativeThicknessGoesIntoTheThicknessLine) {
    Shared().CalculationType = 2;
    for (int i = 0; i < 4; ++i)
        AddParameter(lkValue);
    TParaLine& result = AddResult(lkResult);
    TParaLine& alternatives = AddResult(lkAlternatives);
    alternatives.SetAlternatives({"6", "9", "13"});
    TPipeForm::MarkResultsCurrent();
    QTest::keyClick(alternatives.AlternativesSelector(), Qt::Key_Down);
    EXPECT_EQ((*FormState().ParameterLines)[3].ParaLineEditText(), "9");
    // The re-run did not succeed here, so the new thickness leaves the results outdated.
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
}

TEST_F(ParaLineTest, AlternativeFreezingTimeChangesNoColour) {
    Shared().CalculationType = 4;
    TParaLine& result = AddResult(lkResult);
    TParaLine& alternatives = AddResult(lkAlternatives);
    alternatives.SetAlternatives({"6 mm : 1.00", "13 mm : 2.00"});
    TPipeForm::MarkResultsStale();
    QTest::keyClick(alternatives.AlternativesSelector(), Qt::Key_Down);
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
}

TEST_F(ParaLineTest, EditColourPaintsValueFieldAndAlternatives) {
    TParaLine& result = AddResult(lkResult);
    TParaLine& alternatives = AddResult(lkAlternatives);
    result.SetEditColor(true);
    alternatives.SetEditColor(true);
    EXPECT_EQ(BaseOf(result.ValueField()), kCream);
    EXPECT_EQ(alternatives.AlternativesSelector()->palette().color(QPalette::Button), kCream);
    result.SetEditColor(false);
    alternatives.SetEditColor(false);
    EXPECT_EQ(BaseOf(result.ValueField()), kWhite);
    EXPECT_EQ(alternatives.AlternativesSelector()->palette().color(QPalette::Button), kWhite);
}

TEST_F(ParaLineTest, MoveAlternativeKeepsTheRightEdge) {
    TParaLine& line = AddResult(lkAlternatives);
    line.SetMoveAlternative(60);
    EXPECT_EQ(line.AlternativesSelector()->x(), 340);
    EXPECT_EQ(line.AlternativesSelector()->x() + line.AlternativesSelector()->width(), 405);
}

TEST_F(ParaLineTest, HButtonCaptionAndEnabledState) {
    TParaLine& line = AddParameter(lkSurfaceCoefficient);
    line.SetButtonText("calculate h");
    EXPECT_EQ(line.HButton()->text(), "calculate h");
    line.SetGet_h_enabled(false);
    EXPECT_FALSE(line.Get_h_enabled());
    line.SetGet_h_enabled(true);
    EXPECT_TRUE(line.Get_h_enabled());
}

TEST_F(ParaLineTest, MissingPartsAreReportedNotInvented) {
    TParaLine& material = AddParameter(lkMaterial);
    EXPECT_THROW(material.ParaLineEditText(), TermoraError);
    EXPECT_THROW(material.UnitText(), TermoraError);
    EXPECT_THROW(material.MediumIndex(), TermoraError);
    EXPECT_NO_THROW(material.SetEditColor(true));
}

TEST_F(ParaLineTest, ReleasingTheLinesDestroysTheirParts) {
    TParaLine& line = AddParameter(lkFlowRate);
    QPointer<QLineEdit> edit = line.ValueField();
    QPointer<QComboBox> selector = line.FlowRateSelector();
    QPointer<QLabel> caption = line.CaptionLabel();
    ReleaseFormLines();
    EXPECT_TRUE(edit.isNull());
    EXPECT_TRUE(selector.isNull());
    EXPECT_TRUE(caption.isNull());
}

TEST_F(ParaLineTest, LinesOutliveTheirGroupBoxSafely) {
    TParaLine& medium = AddParameter(lkMedium);
    TParaLine& alternatives = AddResult(lkAlternatives);
    delete params;
    delete results;
    EXPECT_FALSE(medium.ParaLineMediumAvailable());
    EXPECT_FALSE(medium.ParaLineEditAvailable());
    EXPECT_FALSE(alternatives.AlternativesAvailable());
    EXPECT_THROW(medium.MediumText(), TermoraError);
    ReleaseFormLines();
}

TEST_F(ParaLineTest, LongNamesCanBeReadInFullFromTheToolTip) {
    TParaLine& medium = AddParameter(lkMedium);
    medium.SetMediumItems({"Calcium chloride brine 20 % (mass)"});
    medium.MediumSelector()->setCurrentIndex(0);
    EXPECT_EQ(medium.MediumSelector()->toolTip(), "Calcium chloride brine 20 % (mass)");
}

} // namespace
