// The four computations of h run from the dialog on a real form, and the default
// coefficient of a bare surface.
#include "SurfaceDialogFixture.h"

#include "config/Uutils.h"

namespace {
const QString kMakeSense = "Please enter values that make sense!";
const QString kFailed = "Calulation of h failed! Please check input and retry! Error: ";

void ChooseVertical(TInsideOutside& d) {
    QTest::mouseClick(d.TntRadioButton3, Qt::LeftButton);
}

// Outdoors under the "None" cladding (0.93) in the given wind.
std::function<void(TInsideOutside&)> Outdoors(const QString& wind) {
    return [wind](TInsideOutside& d) {
        ChooseOutside(d);
        ChooseCladding(d, 0);
        Retype(d.TntEdit2, wind);
        Continue(d);
    };
}

std::function<void(TInsideOutside&)> WithEmissivity(const QString& emissivity) {
    return [emissivity](TInsideOutside& d) {
        Retype(d.TntEdit1, emissivity);
        Continue(d);
    };
}
} // namespace

using SurfaceComputationTest = SurfaceDialogTest;

TEST_F(SurfaceComputationTest, PipeReferenceCoefficients) {
    OpenForm(1);
    CalculateH(Continue);
    EXPECT_NEAR(H(), 8.68, 0.005);
    CalculateH([](TInsideOutside& d) {
        ChooseVertical(d);
        Continue(d);
    });
    EXPECT_NEAR(H(), 8.84, 0.005);
    CalculateH(Outdoors("1"));
    EXPECT_NEAR(H(), 16.24, 0.005);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(SurfaceComputationTest, SheetReferenceCoefficientsStoreTheHeight) {
    Shared().WorkingValues.SheetHeight = 3;
    OpenForm(7);
    CalculateH([](TInsideOutside& d) {
        Retype(d.TntEdit3, "1");
        Continue(d);
    });
    EXPECT_NEAR(H(), 7.71, 0.005);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 1.0f);
    CalculateH(Outdoors("1"));
    EXPECT_NEAR(H(), 9.45, 0.005);
}

TEST_F(SurfaceComputationTest, OtherFormsReadTheirOwnLinePositions) {
    OpenForm(4); // diameter, thickness and material far down the freezing form
    CalculateH(Continue);
    EXPECT_NEAR(H(), 8.68, 0.005);
    form.reset();
    ResetFormState();
    OpenForm(6);
    CalculateH(Continue); // stored sheet height of 1 m
    EXPECT_NEAR(H(), 7.71, 0.005);
}

TEST_F(SurfaceComputationTest, CondensationFormAboveTheDewPointUsesTheClosedFormula) {
    for (int condensationType : {0, 5}) {
        form.reset();
        ResetFormState();
        Shared().WorkingValues.RelHumidity = 60;
        OpenForm(condensationType);
        Line(1).SetParaLineEditText("15");
        SetLine(kHumidityLine, "60");
        CalculateH(Continue);
        EXPECT_NEAR(H(), 8.58, 0.005) << "type " << condensationType;
        Shared().WorkingValues.SurfaceCoefficient = 0;
        CalculateH(Outdoors("5"));
        EXPECT_NEAR(H(), 8.58, 0.005) << "type " << condensationType;
    }
}

TEST_F(SurfaceComputationTest, CondensationFormRefusesAMediumWarmerThanTheAir) {
    OpenForm(0);
    Line(0).SetParaLineEditText("10");
    Line(1).SetParaLineEditText("12");
    CalculateH(Continue);
    EXPECT_EQ(Messages(MessageKind::Plain), QStringList{kMakeSense});
    EXPECT_FLOAT_EQ(H(), 9.0f);
    EXPECT_EQ(HLine().ParaLineEditText(), "9.000");
}

TEST_F(SurfaceComputationTest, EmissivityBoundsAreAcceptedAndBeyondRefused) {
    OpenForm(1);
    CalculateH(WithEmissivity("1.01"));
    EXPECT_FLOAT_EQ(H(), 9.0f);
    EXPECT_EQ(Messages(MessageKind::Plain), QStringList{kMakeSense});
    CalculateH(WithEmissivity("-0.01"));
    EXPECT_FLOAT_EQ(H(), 9.0f);
    CalculateH(WithEmissivity("1"));
    float withOne = H();
    EXPECT_GT(withOne, 8.68f);
    CalculateH(WithEmissivity("0"));
    EXPECT_LT(H(), 8.68f); // convection alone
    EXPECT_EQ(Messages(MessageKind::Plain).size(), 2);
}

TEST_F(SurfaceComputationTest, WindAndThicknessBoundsAreAcceptedAndBeyondRefused) {
    OpenForm(1);
    CalculateH(Outdoors("10.1"));
    EXPECT_FLOAT_EQ(H(), 9.0f);
    CalculateH(Outdoors("10"));
    EXPECT_GT(H(), 16.24f);
    Shared().WorkingValues.SurfaceCoefficient = 9;
    SetLine(kThicknessLine, "501");
    CalculateH(Continue);
    EXPECT_FLOAT_EQ(H(), 9.0f);
    SetLine(kThicknessLine, "500");
    CalculateH(Continue);
    EXPECT_NE(H(), 9.0f);
    EXPECT_EQ(Messages(MessageKind::Plain), QStringList({kMakeSense, kMakeSense}));
}

TEST_F(SurfaceComputationTest, IndoorPipeFallsBackToTheStoredEmissivity) {
    OpenForm(1);
    CalculateH(WithEmissivity("-"));
    EXPECT_NEAR(H(), 8.68, 0.005); // the stored 0.93
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(SurfaceComputationTest, IndoorPipeReportsABadLineAndStaysOpen) {
    OpenForm(1);
    Line(0).SetParaLineEditText("");
    CalculateH([](TInsideOutside& d) {
        Continue(d);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(MessageKind::Error),
              QStringList{kFailed + "'' is not a valid floating point value"});
    EXPECT_FLOAT_EQ(H(), 9.0f);
}

// Closing as after a success would pass the unchanged h off as the outdoor one.
TEST_F(SurfaceComputationTest, OutdoorPipeReportsABadLineAndStaysOpen) {
    OpenForm(1);
    SetLine(kDiameterLine, "-");
    CalculateH([](TInsideOutside& d) {
        Outdoors("1")(d);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(MessageKind::Error),
              QStringList{kFailed + "'-' is not a valid floating point value"});
    EXPECT_FALSE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, -1);
    EXPECT_FLOAT_EQ(H(), 9.0f);
    EXPECT_EQ(HLine().ParaLineEditText(), "9.000");
}

TEST_F(SurfaceComputationTest, SheetReportsABadTextAndStaysOpen) {
    OpenForm(7);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        ChooseCladding(d, 0);
        Retype(d.TntEdit3, "high");
        Continue(d);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(MessageKind::Error),
              QStringList{kFailed + "'high' is not a valid floating point value"});
    EXPECT_FLOAT_EQ(H(), 9.0f);
}

TEST_F(SurfaceComputationTest, SheetHeightIsStoredOnlyAfterTheChecks) {
    OpenForm(7);
    CalculateH([](TInsideOutside& d) {
        Retype(d.TntEdit3, "2");
        Retype(d.TntEdit1, "1.5");
        Continue(d);
    });
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 1.0f);
    Line(0).SetParaLineEditText("1e30"); // the iteration overflows
    CalculateH([](TInsideOutside& d) {
        Retype(d.TntEdit3, "2");
        Continue(d);
    });
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 2.0f);
    EXPECT_FLOAT_EQ(H(), 9.0f);
    EXPECT_EQ(seam.Texts(), QStringList{kMakeSense}); // the overflow passes silently
}

TEST_F(SurfaceComputationTest, ZeroTubeDiameterEndsSilently) {
    OpenForm(1);
    SetLine(kDiameterLine, "0");
    CalculateH(Continue);
    CalculateH(Outdoors("1"));
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FLOAT_EQ(H(), 9.0f);
}

TEST_F(SurfaceComputationTest, SurfaceTemperatureIsShownWithOneDecimalWhenConfigured) {
    OpenForm(1);
    CalculateH(Continue);
    EXPECT_TRUE(seam.messages.empty());
    Shared().GlobalSettings.ShowSurfaceTemp = true;
    CalculateH(Continue);
    EXPECT_EQ(Messages(MessageKind::Plain), QStringList{"surface temperature: 26.0°C"});
}

// Default coefficient of a bare surface: the dialog is driven but never appears.
class UnseenDialogSeam : public RecordingSeam {
public:
    int visibleDialogs = 0;
    MessageReply Message(MessageKind kind, const QString& text, const QString& title,
                         QWidget* parent) override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TInsideOutside*>(w) && w->isVisible())
                ++visibleDialogs;
        return RecordingSeam::Message(kind, text, title, parent);
    }
};

TEST_F(SurfaceComputationTest, DefaultCoefficientDrivesTheDialogUnseen) {
    UnseenDialogSeam unseen;
    InstallSeam(&unseen);
    Shared().GlobalSettings.BareSteelEmissivity = 0.93f;
    Shared().GlobalSettings.ShowSurfaceTemp = true;
    OpenForm(1);
    EXPECT_NEAR(DefaultSurfaceCoefficient(), 8.68, 0.005);
    EXPECT_NEAR(H(), 8.68, 0.005);
    EXPECT_TRUE(unseen.dialogTitles.empty());
    EXPECT_EQ(unseen.Texts(), QStringList{"surface temperature: 26.0°C"});
    EXPECT_EQ(unseen.visibleDialogs, 0);
    EXPECT_TRUE(FormState().HFromDialog); // set by "Continue"
    InstallSeam(&seam);
}

TEST_F(SurfaceComputationTest, DefaultCoefficientUsesTheEmissivityToTwoDecimals) {
    Shared().GlobalSettings.BareSteelEmissivity = 0.93f;
    OpenForm(1);
    float rounded = DefaultSurfaceCoefficient();
    Shared().GlobalSettings.BareSteelEmissivity = 0.934f;
    EXPECT_FLOAT_EQ(DefaultSurfaceCoefficient(), rounded);
    Shared().GlobalSettings.BareSteelEmissivity = 0.7f;
    EXPECT_LT(DefaultSurfaceCoefficient(), rounded);
}

TEST_F(SurfaceComputationTest, DefaultCoefficientOfASheetIsForOneMetre) {
    Shared().GlobalSettings.BareSteelEmissivity = 0.93f;
    Shared().WorkingValues.SheetHeight = 2.5f;
    OpenForm(7);
    EXPECT_NEAR(DefaultSurfaceCoefficient(), 7.71, 0.005);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 1.0f);
}

TEST_F(SurfaceComputationTest, DefaultCoefficientKeepsHAfterAFailure) {
    OpenForm(1);
    SetLine(kDiameterLine, "0");
    EXPECT_FLOAT_EQ(DefaultSurfaceCoefficient(), 9.0f);
    Line(0).SetParaLineEditText("warm");
    EXPECT_FLOAT_EQ(DefaultSurfaceCoefficient(), 9.0f);
    EXPECT_EQ(Messages(MessageKind::Error),
              QStringList{kFailed + "'warm' is not a valid floating point value"});
    form.reset();
    ResetFormState();
    EXPECT_FLOAT_EQ(DefaultSurfaceCoefficient(), 9.0f); // no form at all
}
