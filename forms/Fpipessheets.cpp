#include "forms/Fpipessheets.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

#include "app/AppWindows.h"
#include "app/Fhelp.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "coefficient/Finsideoutside.h"
#include "config/Ureport.h"
#include "config/Uutils.h"
#include "engine/Errors.h"
#include "engine/State.h"
#include "forms/UcalcFrame.h"
#include "forms/Ucalculations.h"
#include "forms/Uclasses.h"
#include "forms/Ulayouts.h"
#include "forms/UrunSnapshot.h"
#include "forms/Uselector.h"
#include "output/Fprint.h"

namespace {

void PlacePanel(QFrame* panel, QGroupBox* box, const QRect& geometry) {
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(geometry);
    box->setGeometry(2, 2, geometry.width() - 4, geometry.height() - 4);
}

QStringList NamesOf(const auto& entries) {
    QStringList names;
    for (const auto& entry : entries)
        names << QString::fromStdString(entry.Name);
    return names;
}

QString InitialText(const TValueSource& value) {
    const float stored = Shared().WorkingValues.*value.field;
    const float shown = value.millimetres ? static_cast<float>(stored * 1000.0) : stored;
    return FormatPattern(shown, value.pattern);
}

// Caption, initial value, unit, selector items and positions, button: in this order,
// since setting a value fires the line's change handler.
void ConfigureParameter(TParaLine& line, const TLineSpec& spec, int position) {
    const TWorkingValues& stored = Shared().WorkingValues;
    line.SetParaLineLabelText(QString::fromUtf8(spec.caption));
    if (spec.value.field)
        line.SetParaLineEditText(InitialText(spec.value));
    if (line.ParaLineUnitAvailable())
        line.SetUnitText(QString::fromUtf8(spec.unit));
    switch (spec.kind) {
    case lkMaterial:
        line.SetMaterialItems(NamesOf(Shared().ReferenceLists.Materials));
        line.SetMaterialIndex(stored.MaterialIndex);
        break;
    case lkFlowRate:
        line.SetFlowRateItems(FlowRateUnits());
        line.SetFlowRateIndex(stored.FlowRateIndex);
        break;
    case lkMedium:
        line.SetMediumItems(NamesOf(Shared().ReferenceLists.Media));
        FormState().MediumLineIndex = position;
        break;
    case lkSurfaceCoefficient:
        line.SetButtonText(QStringLiteral("calculate h"));
        line.SetGet_h_enabled(true);
        break;
    default:
        break;
    }
}

void ConfigureResult(TParaLine& line, const TLineSpec& spec, int moveAlternative) {
    line.SetParaLineLabelText(QString::fromUtf8(spec.caption));
    line.SetUnitText(QString::fromUtf8(spec.unit));
    if (spec.kind == lkAlternatives && moveAlternative != 0)
        line.SetMoveAlternative(moveAlternative);
}

// In line order; the first text that is no number ends the storing, leaving that field,
// the later ones and the selector positions as they were.
void StoreInputs(const TFormLayout& layout, const TParas& lines) {
    TWorkingValues& stored = Shared().WorkingValues;
    for (size_t i = 0; i < layout.parameters.size(); ++i) {
        const TValueSource& value = layout.parameters[i].value;
        if (!value.field)
            continue;
        const double number = ParseNumber(lines[static_cast<int>(i)].ParaLineEditText());
        stored.*value.field = ToSingle(value.millimetres ? number * 0.001 : number);
    }
    if (int p = ParameterPosition(layout, lkMaterial); p >= 0)
        stored.MaterialIndex = lines[p].MaterialIndex();
    if (int p = ParameterPosition(layout, lkMedium); p >= 0)
        stored.MediumIndex = lines[p].MediumIndex();
    if (int p = ParameterPosition(layout, lkFlowRate); p >= 0)
        stored.FlowRateIndex = lines[p].FlowRateIndex();
}

void PaintResults(bool stale) {
    TFormState& state = FormState();
    state.ResultsStale = stale;
    if (!state.ResultLines)
        return;
    try {
        for (int i = 0; i < state.ResultLines->Count(); ++i)
            (*state.ResultLines)[i].SetEditColor(stale);
    } catch (const std::exception&) {
        // Colours only; a failure leaves the rest as they were.
    }
}

// A fresh list in the alternatives line, with "select" shown over it.
void OfferAlternatives(int resultLine, const QStringList& items) {
    TParaLine& alternatives = ResultLine(resultLine);
    alternatives.SetAlternatives(items);
    alternatives.SetAlternativeText(kSelectPrompt);
}

} // namespace

QString CalculationTitle(int calculationType) {
    if (calculationType < 0 || calculationType >= kCalculationTypes)
        return {};
    return QString::fromUtf8(FormLayout(calculationType).title);
}

TPipeForm::TPipeForm(QWidget* owner)
    : QDialog(owner), Panel1(new QFrame(this)), GroupBox1(new QGroupBox(Panel1)),
      Panel2(new QFrame(this)), GroupBox2(new QGroupBox(Panel2)), Panel3(new QFrame(this)),
      GroupBox3(new QGroupBox(Panel3)), Button1(new QPushButton(GroupBox3)),
      Button2(new QPushButton(GroupBox3)), Button3(new QPushButton(GroupBox3)),
      Button4(new QPushButton(GroupBox3)) {
    setFixedSize(632, 581);
    ApplyCream(*this);
    PlacePanel(Panel1, GroupBox1, QRect(0, 0, 632, 400));
    PlacePanel(Panel2, GroupBox2, QRect(0, 400, 457, 181));
    PlacePanel(Panel3, GroupBox3, QRect(457, 400, 175, 181));
    DrawTitlesOnTheFrame();
    Button1->setGeometry(34, 24, 100, 25);
    Button2->setGeometry(34, 60, 100, 25);
    Button3->setGeometry(34, 96, 100, 25);
    Button4->setGeometry(34, 132, 100, 25);
    Button1->setDefault(true);
    ApplyConfiguredFont();
    setWindowTitle(CalculationTitle(Shared().CalculationType));
    connect(Button1, &QPushButton::clicked, this, &TPipeForm::Button1Click);
    // Their dialogs run after the click has been handled, not inside the button's signal.
    connect(Button2, &QPushButton::clicked, this, &TPipeForm::Button2Click, Qt::QueuedConnection);
    connect(Button3, &QPushButton::clicked, this, &TPipeForm::Button3Click, Qt::QueuedConnection);
    connect(Button4, &QPushButton::clicked, this, &TPipeForm::Button4Click);
}

// Lines still held here go before the group boxes that hold their parts.
TPipeForm::~TPipeForm() {
    if (FormState().Form == this)
        ReleaseFormLines();
}

void TPipeForm::FormShow() {
    built_ = true;
    TFormState& state = FormState();
    const bool hFromDialog = state.HFromDialog;
    const THChoices hChoices = state.HChoices;
    ApplyConfiguredFont();
    state.ClipboardHeaderPending = true;
    SetCaptions();
    Button3->setEnabled(false);
    if (!state.ParameterLines)
        state.ParameterLines = std::make_unique<TParas>();
    if (!state.ResultLines)
        state.ResultLines = std::make_unique<TResult>();
    state.ResultLog.clear();
    state.MediumLineIndex = -1;
    state.Form = this;
    try {
        const TFormLayout& layout = FormLayout(Shared().CalculationType);
        const QString title = QString::fromUtf8(layout.title);
        state.ResultLog << title << HeaderRow(layout);
        setWindowTitle(title);
        BuildLines(layout);
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Cannot show calculation form! Error: ") +
                      QString::fromUtf8(e.what()),
                  this);
    }
    // Writing the h line's initial value, the stored h, cleared them.
    if (hFromDialog)
        state.HFromDialog = true;
    state.HChoices = hChoices;
}

void TPipeForm::BuildLines(const TFormLayout& layout) {
    TFormState& state = FormState();
    for (const TLineSpec& spec : layout.parameters) {
        auto line = std::make_unique<TParaLine>(GroupBox1, spec.kind);
        TParaLine& added = *line;
        ConfigureParameter(added, spec, state.ParameterLines->Add(std::move(line)));
    }
    for (const TLineSpec& spec : layout.results) {
        auto line = std::make_unique<TParaLine>(GroupBox2, spec.kind);
        TParaLine& added = *line;
        state.ResultLines->Add(std::move(line));
        ConfigureResult(added, spec, layout.moveAlternative);
    }
    // Last, so that the medium's properties land in lines that exist.
    if (state.MediumLineIndex >= 0)
        (*state.ParameterLines)[state.MediumLineIndex].SetMediumIndex(
            Shared().WorkingValues.MediumIndex);
}

void TPipeForm::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    TFormState& state = FormState();
    if (state.Form != this)
        return;
    try {
        if (state.ParameterLines)
            StoreInputs(FormLayout(Shared().CalculationType), *state.ParameterLines);
    } catch (const std::exception&) {
        // A value that is no number keeps the stored ones from there on.
    }
    ReleaseFormLines();
}

void TPipeForm::MarkResultsStale() {
    PaintResults(true);
}

void TPipeForm::MarkResultsCurrent() {
    FormState().ResultsShown = true;
    PaintResults(false);
}

bool TPipeForm::ResultsStale() {
    const TFormState& state = FormState();
    return state.Form && state.ResultsShown && state.ResultsStale;
}

void TPipeForm::EnablePrint(bool enabled) {
    if (TPipeForm* form = FormState().Form)
        form->Button3->setEnabled(enabled);
}

// Print only what a successful run has just written; a run that fails with an error
// changes nothing.
void TPipeForm::Calculate() {
    const RunSnapshot before;
    Button3->setEnabled(false);
    try {
        const int type = Shared().CalculationType;
        if (type == 4)
            WriteResultText(0, QString()); // a run that decides nothing leaves it empty
        if (!RunCalculation(type))
            return;
        if (type == 2 || type == 6)
            OfferAlternativeThicknesses();
        if (type == 4)
            OfferAlternativeFreezingTimes();
        Button3->setEnabled(true);
        MarkResultsCurrent();
    } catch (const std::exception& e) {
        before.Restore();
        ShowError(QStringLiteral("Calculation failed! Error: ") + ErrorText(e), this);
    }
}

// Picking one re-runs the heat loss with it (TParaLine::AlternativeChanged).
void TPipeForm::OfferAlternativeThicknesses() {
    OfferAlternatives(5, {"6", "9", "13", "19", "25", "32", "40", "50"});
}

// The freezing times of the same pipe under other thicknesses; none where the medium
// never freezes or the run decided nothing.
void TPipeForm::OfferAlternativeFreezingTimes() {
    static constexpr int kThicknesses[] = {6, 13, 19, 25, 32, 40, 50};
    QStringList times;
    for (int mm : kThicknesses) {
        const float hours = FreezingTimeFor(static_cast<float>(mm * 0.001));
        if (!std::isfinite(hours))
            throw FloatError(kOverflow);
        times << QStringLiteral("%1 mm : ").arg(mm) + FormatPattern(hours, "###0.00");
    }
    const QString critical = ResultLine(0).ParaLineEditText();
    if (critical == QStringLiteral("never") || critical.isEmpty())
        times.clear();
    OfferAlternatives(1, times);
}

TInsideOutside& TPipeForm::UnseenHDialog() {
    if (!unseenHDialog_)
        unseenHDialog_ = new TInsideOutside(this);
    return *unseenHDialog_;
}

void TPipeForm::Print() {
    ExecModal(PrintDecisionDialog());
}

void TPipeForm::Button1Click() {
    Calculate();
}

void TPipeForm::Button2Click() {
    const int type = Shared().CalculationType;
    if (HelpWindow().OpenHelpFile(type, this) != 0)
        return;
    if (type < 0 || type >= kCalculationTypes)
        return;
    HelpWindow().SetHelpText(QString::fromUtf8(FormLayout(type).help));
    ExecModal(HelpWindow());
}

void TPipeForm::Button3Click() {
    Print();
}

void TPipeForm::Button4Click() {
    close();
}

void TPipeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (built_ || event->spontaneous())
        return;
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    FormShow();
}

// Escape would throw the shown results away with one key press: only "Close" and the
// window's close box close the form.
void TPipeForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPipeForm::closeEvent(QCloseEvent* event) {
    if (ModalWindowAbove(*this)) {
        event->ignore();
        return;
    }
    FormClose();
    QDialog::closeEvent(event);
}

void TPipeForm::done(int result) {
    if (ModalWindowAbove(*this))
        return;
    FormClose();
    QDialog::done(result);
}

void TPipeForm::ApplyConfiguredFont() {
    const std::string& configured = Shared().GlobalSettings.FontName;
    QFont font = this->font();
    font.setFamily(configured.empty() ? QStringLiteral("Arial")
                                      : QString::fromStdString(configured));
    font.setPixelSize(11);
    setFont(font);
    font.setPixelSize(12);
    Button1->setFont(font);
    Button2->setFont(font);
}

// The rows start 10 pixels below a box's top, designed for a frame that runs through the
// middle of the title; the classic style draws it so, where others put it under the title.
void TPipeForm::DrawTitlesOnTheFrame() {
    QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (!classic)
        return;
    classic->setParent(this); // created after the boxes, so it goes after them
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3})
        box->setStyle(classic);
}

void TPipeForm::SetCaptions() {
    GroupBox1->setTitle(QStringLiteral("Parameters"));
    GroupBox2->setTitle(QStringLiteral("Results"));
    GroupBox3->setTitle(QStringLiteral("Control"));
    Button1->setText(QStringLiteral("Calculate"));
    Button2->setText(QStringLiteral("Help"));
    Button3->setText(QStringLiteral("Print"));
    Button4->setText(QStringLiteral("Close"));
}
