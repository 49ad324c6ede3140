// The two uses of the surface coefficient dialog: the "calculate h" button of a form's
// h line, and the default coefficient of a bare surface, with the dialog never shown.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScopeGuard>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/Umessages.h"
#include "coefficient/Finsideoutside.h"
#include "config/Uutils.h"
#include "engine/State.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "forms/Ulayouts.h"

namespace {

constexpr int kNone = -1;

// The open form's table; an unknown CalculationType counts as the first.
const TFormLayout& LayoutOfForm() {
    const int type = Shared().CalculationType;
    return FormLayout(type >= 0 && type < kCalculationTypes ? type : 0);
}

TParaLine* LineAt(int position) {
    const auto& lines = FormState().ParameterLines;
    if (!lines || position < 0 || position >= lines->Count())
        return nullptr;
    return &(*lines)[position];
}

bool MaterialChosen() {
    const auto& lines = FormState().ParameterLines;
    for (int i = 0; lines && i < lines->Count(); ++i)
        if ((*lines)[i].ParaLineMaterialAvailable() && (*lines)[i].MaterialIndex() >= 0)
            return true;
    return false;
}

// An insulated surface may be outdoors under a cladding; a bare one is steel indoors.
void OfferChoicesByThickness(TInsideOutside& dialog) {
    const int position = ParameterPosition(LayoutOfForm(), &TWorkingValues::InsulationThickness);
    if (position == kNone)
        return;
    try {
        TParaLine* line = LineAt(position);
        if (!line)
            return;
        float thickness = ToSingle(StrToFloat(line->ParaLineEditText()));
        TWorkingValues& wv = Shared().WorkingValues;
        if (thickness != 0) {
            dialog.TntComboBox1->show();
            dialog.TntLabel5->show();
            wv.Emissivity = 0.93f;
        } else {
            dialog.TntRadioButton2->hide();
            dialog.TntComboBox1->hide();
            dialog.TntLabel5->hide();
            wv.Emissivity = Shared().GlobalSettings.BareSteelEmissivity;
        }
    } catch (const std::exception&) {
        // The dialog opens as configured so far.
    }
}

void WriteHLine() {
    const int position = ParameterPosition(LayoutOfForm(), lkSurfaceCoefficient);
    TParaLine* line = LineAt(position);
    try {
        if (!line)
            throw std::out_of_range("List index out of bounds (" + std::to_string(position) + ")");
        line->SetParaLineEditText(
            FormatPattern(Shared().WorkingValues.SurfaceCoefficient, "#0.000"));
    } catch (const std::exception& e) {
        ShowError(kHFailed + QString::fromStdString(e.what()));
    }
}

// What the dialog may change in the form, kept to be put back when it produced no h.
struct HState {
    bool fromDialog;
    int cladding;
    THChoices choices;
};

} // namespace

void CalculateHFor(TParaLine&) {
    if (!MaterialChosen()) {
        ShowMessage(QStringLiteral("Please enter the material type before calculating."));
        return;
    }
    TFormState& state = FormState();
    // One h dialog at a time, also when an assistive tool presses the button past it.
    if (state.Form && ModalWindowAbove(*state.Form))
        return;
    const HState before{state.HFromDialog, state.ChosenCladdingIndex, state.HChoices};
    // A child of the form; whichever goes first takes it along.
    QPointer<TInsideOutside> dialog = new TInsideOutside(state.Form.data());
    const auto release = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->TntRadioButton2->show();
    OfferChoicesByThickness(*dialog);
    ExecModal(*dialog);
    if (!dialog || !dialog->HStored()) {
        // Cancelled, or no h came out: the form keeps the h it had, typed or computed.
        state.HFromDialog = before.fromDialog;
        state.ChosenCladdingIndex = before.cladding;
        state.HChoices = before.choices;
        return;
    }
    bool outdoor = dialog->TntRadioButton2->isChecked();
    state.ChosenCladdingIndex = outdoor ? dialog->TntComboBox1->currentIndex() : -1;
    const THChoices choices = HChoicesOf(*dialog);
    WriteHLine();             // its change handler clears HFromDialog and the recorded choices
    state.HChoices = choices; // for the report, while the h line holds this h
    state.HFromDialog = outdoor;
    TPipeForm::MarkResultsStale();
}

namespace {

// "inside", "horizontal", the bare steel's emissivity as two decimals, and the fields as a
// new dialog has them, whether it is new or the form's reused one.
void PrepareUnseen(TInsideOutside& dialog) {
    dialog.TntRadioButton1->setChecked(true);
    dialog.TntRadioButton4->setChecked(true);
    dialog.TntEdit1->setText(FormatPattern(Shared().GlobalSettings.BareSteelEmissivity, "#0.00"));
    dialog.TntEdit2->setText(QStringLiteral("0"));
    dialog.TntEdit3->setText(QStringLiteral("1"));
}

} // namespace

float DefaultSurfaceCoefficient() {
    TWorkingValues& wv = Shared().WorkingValues;
    try {
        FormState().HFromDialog = false;
        std::unique_ptr<TInsideOutside> temporary;
        TInsideOutside* dialog = nullptr;
        if (TPipeForm* form = FormState().Form) {
            dialog = &form->UnseenHDialog();
        } else {
            temporary = std::make_unique<TInsideOutside>(nullptr);
            dialog = temporary.get();
        }
        PrepareUnseen(*dialog);
        dialog->Button1Click();
    } catch (const std::exception&) {
        // h stays as the failed computation left it.
    }
    return wv.SurfaceCoefficient;
}
