// A refusal of the surface coefficient dialog keeps it open with every choice the user made,
// and changes nothing in the form: its h line, the stored h and where that h came from.
#include "SurfaceDialogFixture.h"
#include "config/Uutils.h"

namespace {
const QString kMakeSense = "Please enter values that make sense!";
const QString kNoHeight = "Correct value for the sheet height is missing! Please retry!";
const QString kNoNumber = "Calulation of h failed! Please check input and retry! Error: 'fast' "
                          "is not a valid floating point value";

struct Refusal {
    const char* what;
    int type;
    bool outside;
    const char *wind, *height, *emissivity;
    int cladding; // -1: none chosen
    MessageKind kind;
    QString message;
};

const Refusal kRefusals[] = {
    {"outdoor sheet of height 0", 7, true, "3", "0", "", 2, MessageKind::Plain, kMakeSense},
    {"outdoor sheet of height -1", 6, true, "3", "-1", "", 2, MessageKind::Plain, kMakeSense},
    {"wind above 10 m/s", 1, true, "10.1", "", "", 2, MessageKind::Plain, kMakeSense},
    {"no wind", 2, true, "0", "", "", 2, MessageKind::Warning, kMakeSense},
    {"wind that is no number", 3, true, "fast", "", "", 2, MessageKind::Error, kNoNumber},
    {"outdoors without cladding", 1, true, "3", "", "", -1, MessageKind::Warning, kMakeSense},
    {"indoor sheet of height 0", 5, false, "", "0", "", -1, MessageKind::Plain, kNoHeight},
    {"emissivity above 1", 1, false, "", "", "1.01", -1, MessageKind::Plain, kMakeSense},
};

void Enter(TInsideOutside& d, const Refusal& r) {
    if (r.outside)
        ChooseOutside(d);
    if (r.cladding >= 0)
        ChooseCladding(d, r.cladding);
    for (const auto& [edit, text] :
         {std::pair(d.TntEdit1, r.emissivity), std::pair(d.TntEdit2, r.wind),
          std::pair(d.TntEdit3, r.height)})
        if (*text)
            Retype(edit, text);
}

void ExpectEntriesKept(const TInsideOutside& d, const Refusal& r) {
    const char* emissivity = r.cladding == 2 ? "0.13" : *r.emissivity ? r.emissivity : "0.93";
    EXPECT_TRUE(d.isVisible()) << r.what;
    EXPECT_EQ(d.TntRadioButton2->isChecked(), r.outside) << r.what;
    EXPECT_EQ(d.TntComboBox1->currentIndex(), r.cladding) << r.what;
    EXPECT_EQ(d.TntEdit1->text(), emissivity) << r.what;
    EXPECT_TRUE(!*r.wind || d.TntEdit2->text() == r.wind) << r.what;
    EXPECT_TRUE(!*r.height || d.TntEdit3->text() == r.height) << r.what;
}
} // namespace

// The user typed 7.5 into the h line; an earlier run left 8.027 stored. Each refusal, then
// "Cancel": the form still has 7.5, and the earlier outdoor h's origin stays as it was.
TEST_F(SurfaceDialogTest, EveryRefusalKeepsTheDialogAndItsChoicesAndChangesNothing) {
    for (const Refusal& r : kRefusals) {
        OpenForm(r.type);
        HLine().SetParaLineEditText("7.5");
        Shared().WorkingValues.SurfaceCoefficient = 8.027f;
        FormState().HFromDialog = true;
        FormState().ChosenCladdingIndex = 1;
        seam.messages.clear();
        CalculateH([&r](TInsideOutside& d) {
            Enter(d, r);
            Continue(d);
            ExpectEntriesKept(d, r);
            Continue(d); // the same refusal again: nothing piles up
            ExpectEntriesKept(d, r);
            ClickCaption(d.Button2);
        });
        EXPECT_EQ(Messages(r.kind), QStringList({r.message, r.message})) << r.what;
        EXPECT_EQ(HLine().ParaLineEditText(), "7.5") << r.what;
        EXPECT_FLOAT_EQ(H(), 8.027f) << r.what;
        EXPECT_TRUE(FormState().HFromDialog) << r.what;
        EXPECT_EQ(FormState().ChosenCladdingIndex, 1) << r.what;
        EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 1.0f) << r.what;
        form.reset();
    }
}

// After the refusal the user corrects the one entry and goes on with the rest as set.
TEST_F(SurfaceDialogTest, ACorrectedEntryAfterARefusalComputesWithTheOtherChoices) {
    OpenForm(7);
    HLine().SetParaLineEditText("7.5");
    CalculateH([](TInsideOutside& d) {
        Enter(d, kRefusals[0]);
        Continue(d);
        Retype(d.TntEdit3, "2");
        Continue(d);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(HLine().ParaLineEditText(), FormatPattern(H(), "#0.000"));
    EXPECT_NE(H(), 9.0f);
    EXPECT_TRUE(FormState().HFromDialog);
    EXPECT_EQ(FormState().ChosenCladdingIndex, 2);
    EXPECT_FLOAT_EQ(Shared().WorkingValues.SheetHeight, 2.0f);
}

// A computation that ends silently (no dimension to work with) closes the dialog as after
// success, but has no h to give: the form keeps its own.
TEST_F(SurfaceDialogTest, ASilentEndLeavesTheFormsH) {
    OpenForm(1);
    SetLine(kDiameterLine, "0");
    HLine().SetParaLineEditText("7.5");
    CalculateH([](TInsideOutside& d) {
        Continue(d);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(HLine().ParaLineEditText(), "7.5");
    EXPECT_FALSE(FormState().HFromDialog);
}
