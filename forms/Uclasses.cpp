#include "forms/Uclasses.h"
#include "forms/UrunSnapshot.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "app/AppWindows.h"
#include "app/Fthermal_con.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "coefficient/Finsideoutside.h"
#include "config/Ureport.h"
#include "config/Uutils.h"
#include "engine/Errors.h"
#include "engine/State.h"
#include "forms/Fpipessheets.h"
#include "forms/Ucalculations.h"
#include "forms/Ulayouts.h"
#include "forms/Uselector.h"

namespace {

constexpr int kRowHeight = 26;
constexpr int kEditHeight = 24;
// Units end close to the results box's right edge; a point less than designed keeps
// "W/m²K" inside it in the wider replacement fonts of Arial.
constexpr int kUnitPoints = 8;

// A typed character, as opposed to navigation keys, shortcuts, Enter, Tab or Backspace.
bool IsTypedCharacter(const QKeyEvent& key) {
    const QString text = key.text();
    const auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return text.size() == 1 && text[0].isPrint() && !(key.modifiers() & shortcut);
}

// The numeric key filter of value fields: "," is entered as ".", anything but a number
// character is discarded.
class TNumberKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!IsTypedCharacter(*key))
            return false;
        const QChar typed = key->text()[0];
        const QChar allowed = FilterNumberKey(typed);
        if (allowed.isNull())
            return true;
        if (allowed != typed) {
            QKeyEvent replaced(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), allowed);
            QCoreApplication::sendEvent(watched, &replaced);
            return true;
        }
        return false;
    }
};

// SwallowKey: selectors are operated only by choosing from their lists, so a typed
// character never searches the list. Space still opens it.
class TSwallowKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return IsTypedCharacter(*key) && key->text() != QStringLiteral(" ");
    }
};

// The form's design sizes are points at 96 dots per inch; pixels keep the form unscaled.
int PixelsOfPoints(int points) {
    return (points * 96 + 36) / 72;
}

int PointsOf(const QFont& font) {
    return font.pointSize() > 0 ? font.pointSize() : (font.pixelSize() * 72 + 48) / 96;
}

QFont PartFont(const QGroupBox* box, int points) {
    QFont font = box->font();
    font.setPixelSize(PixelsOfPoints(points));
    return font;
}

int LinesIn(bool results) {
    const TFormState& state = FormState();
    if (results)
        return state.ResultLines ? state.ResultLines->Count() : 0;
    return state.ParameterLines ? state.ParameterLines->Count() : 0;
}

// Rows of equal gaps from the top of the box; the row number is the count of lines
// already in the list the new line joins.
int RowTop(const QGroupBox* box, bool results) {
    const int boxFont = PointsOf(box->font());
    const int s = boxFont + 1;
    const int n = LineCountOf(Shared().CalculationType, results);
    const int available = box->height() - boxFont - 1;
    const int gap = (available - kRowHeight * n) / (n + 1);
    return LinesIn(results) * (gap + kRowHeight) + gap + s;
}

QLabel* MakeLabel(QGroupBox* box, int x, int y, int points) {
    auto* label = new QLabel(box);
    label->setFont(PartFont(box, points));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->move(x, y);
    label->adjustSize();
    label->show();
    return label;
}

QLineEdit* MakeEdit(QGroupBox* box, int x, int y, int width) {
    auto* edit = new QLineEdit(box);
    edit->setFont(PartFont(box, 10));
    edit->setGeometry(x, y, width, kEditHeight);
    edit->show();
    return edit;
}

TSelector* MakeSelector(QGroupBox* box, int x, int y, int width, const QString& text) {
    auto* selector = new TSelector(box);
    selector->setFont(PartFont(box, 10));
    selector->setGeometry(x, y, width, kRowHeight);
    selector->SetText(text);
    selector->installEventFilter(new TSwallowKeyFilter(selector));
    selector->show();
    return selector;
}

QLabel* MakeUnit(QGroupBox* box, int x, int top) {
    return MakeLabel(box, x, top + 4, kUnitPoints);
}

QLabel* UnitRightOf(QGroupBox* box, const QWidget* part, int space, int top) {
    return MakeUnit(box, part->x() + part->width() + space, top);
}

void FilterNumberKeys(QLineEdit* edit) {
    edit->installEventFilter(new TNumberKeyFilter(edit));
}

template <typename T> T* Require(const QPointer<T>& part, const char* what) {
    if (!part)
        throw TermoraError(std::string("The line has no ") + what);
    return part.data();
}

// Stale results are cream with grey text, current ones white with black text, so that
// the difference shows even where the two backgrounds look alike.
void Paint(QWidget* widget, bool stale) {
    if (!widget)
        return;
    const QColor background = stale ? Look::kCream : QColor(255, 255, 255);
    const QColor text = stale ? Look::kStaleText : QColor(0, 0, 0);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

} // namespace

struct TParaLine::Parts {
    LineKind kind = lkValue;
    QPointer<QLabel> caption;
    QPointer<QLineEdit> edit;
    QPointer<QLabel> unit;
    QPointer<TSelector> material;
    QPointer<TSelector> flowRate;
    QPointer<TSelector> medium;
    QPointer<TSelector> alternatives;
    QPointer<QPushButton> hButton;
    bool mediumChosen = false; // the medium line's value field marks results stale from then on
};

TParaLine::TParaLine(QGroupBox* box, LineKind kind) : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    p.kind = kind;
    const bool result = kind == lkResult || kind == lkAlternatives;
    const int top = RowTop(box, result);
    p.caption = MakeLabel(box, result ? 10 : 30, top + 2, result ? 10 : 11);
    switch (kind) {
    case lkValue:
        p.edit = MakeEdit(box, 400, top, 100);
        p.unit = UnitRightOf(box, p.edit, 10, top);
        FilterNumberKeys(p.edit);
        connect(p.edit, &QLineEdit::textChanged, this, &TParaLine::ValueChanged);
        break;
    case lkMaterial:
        p.material = MakeSelector(box, 400, top, 200, kSelectPrompt);
        connect(p.material, &QComboBox::activated, this, &TParaLine::MaterialChanged);
        break;
    case lkSurfaceCoefficient:
        p.hButton = new QPushButton(box);
        p.hButton->setFont(PartFont(box, 9));
        p.hButton->setGeometry(400, top, 90, kRowHeight);
        p.hButton->setAutoDefault(false);
        p.hButton->show();
        p.edit = MakeEdit(box, 505, top, 50);
        p.unit = UnitRightOf(box, p.edit, 10, top);
        FilterNumberKeys(p.edit);
        connect(p.edit, &QLineEdit::textChanged, this, &TParaLine::SurfaceCoefficientEdited);
        // The dialog runs after the click has been handled: a line gone by then runs none.
        connect(p.hButton, &QPushButton::clicked, this, &TParaLine::CalculateHClick,
                Qt::QueuedConnection);
        break;
    case lkFlowRate:
        p.flowRate = MakeSelector(box, 270, top, 100, kSelectPrompt);
        p.edit = MakeEdit(box, 400, top, 100);
        p.unit = MakeUnit(box, 510, top);
        FilterNumberKeys(p.edit);
        connect(p.flowRate, &QComboBox::activated, this, &TParaLine::FlowRateChanged);
        break;
    case lkResult:
        p.edit = MakeEdit(box, 330, top, 75);
        p.edit->setReadOnly(true);
        p.unit = UnitRightOf(box, p.edit, 5, top);
        break;
    case lkAlternatives:
        p.alternatives = MakeSelector(box, 280, top, 125, QString());
        p.unit = UnitRightOf(box, p.alternatives, 5, top);
        connect(p.alternatives, &QComboBox::activated, this, &TParaLine::AlternativeChanged);
        break;
    case lkMedium:
        p.medium = MakeSelector(box, 270, top, 100, kSelectPrompt);
        p.edit = MakeEdit(box, 400, top, 100);
        p.unit = MakeUnit(box, 510, top);
        connect(p.medium, &QComboBox::activated, this, &TParaLine::MediumChanged);
        break;
    }
}

// The parts are children of the form's group boxes; one that went with its box is
// already null here.
TParaLine::~TParaLine() {
    Parts& p = *parts_;
    delete p.caption.data();
    delete p.edit.data();
    delete p.unit.data();
    delete p.material.data();
    delete p.flowRate.data();
    delete p.medium.data();
    delete p.alternatives.data();
    delete p.hButton.data();
}

QString TParaLine::ParaLineEditText() const {
    return Require(parts_->edit, "value field")->text();
}

// A text longer than its field shows its beginning; a result also carries the whole
// text as its tool tip.
void TParaLine::SetParaLineEditText(const QString& text) {
    QLineEdit* edit = Require(parts_->edit, "value field");
    edit->setText(text);
    edit->setCursorPosition(0);
    if (parts_->kind == lkResult)
        edit->setToolTip(text);
}

QString TParaLine::ParaLineLabelText() const {
    return Require(parts_->caption, "caption")->text();
}

void TParaLine::SetParaLineLabelText(const QString& text) {
    QLabel* caption = Require(parts_->caption, "caption");
    caption->setText(text);
    caption->adjustSize();
}

QString TParaLine::UnitText() const {
    return Require(parts_->unit, "unit label")->text();
}

void TParaLine::SetUnitText(const QString& text) {
    QLabel* unit = Require(parts_->unit, "unit label");
    unit->setText(text);
    unit->adjustSize();
}

void TParaLine::SetMaterialItems(const QStringList& items) {
    Require(parts_->material, "material selector")->AppendItems(items);
}

void TParaLine::SetFlowRateItems(const QStringList& items) {
    Require(parts_->flowRate, "flow-rate selector")->AppendItems(items);
}

void TParaLine::SetMediumItems(const QStringList& items) {
    Require(parts_->medium, "medium selector")->AppendItems(items);
}

void TParaLine::SetButtonText(const QString& text) {
    Require(parts_->hButton, "h button")->setText(text);
}

QString TParaLine::MaterialText() const {
    return Require(parts_->material, "material selector")->Text();
}

void TParaLine::SetMaterialText(const QString& text) {
    Require(parts_->material, "material selector")->SetText(text);
}

void TParaLine::SetAlternativeText(const QString& text) {
    Require(parts_->alternatives, "alternatives selector")->SetText(text);
}

QString TParaLine::FlowRateText() const {
    return Require(parts_->flowRate, "flow-rate selector")->Text();
}

void TParaLine::SetFlowRateText(const QString& text) {
    Require(parts_->flowRate, "flow-rate selector")->SetText(text);
}

QString TParaLine::MediumText() const {
    return Require(parts_->medium, "medium selector")->Text();
}

void TParaLine::SetMediumText(const QString& text) {
    Require(parts_->medium, "medium selector")->SetText(text);
}

int TParaLine::MaterialIndex() const {
    return Require(parts_->material, "material selector")->currentIndex();
}

// A stored choice of the user material is never restored silently: picking it again is
// what opens its dialog.
void TParaLine::SetMaterialIndex(int index) {
    TSelector* selector = Require(parts_->material, "material selector");
    if (index >= selector->count())
        return;
    selector->SelectPosition(index);
    if (selector->Text() == kUserMaterialName) {
        selector->setCurrentIndex(-1);
        selector->SetText(kSelectPrompt);
    }
}

void TParaLine::SetMoveAlternative(int pixels) {
    TSelector* selector = Require(parts_->alternatives, "alternatives selector");
    const QRect r = selector->geometry();
    selector->setGeometry(r.x() + pixels, r.y(), r.width() - pixels, r.height());
}

bool TParaLine::Get_h_enabled() const {
    return Require(parts_->hButton, "h button")->isEnabled();
}

void TParaLine::SetGet_h_enabled(bool enabled) {
    Require(parts_->hButton, "h button")->setEnabled(enabled);
}

int TParaLine::FlowRateIndex() const {
    return Require(parts_->flowRate, "flow-rate selector")->currentIndex();
}

void TParaLine::SetFlowRateIndex(int index) {
    TSelector* selector = Require(parts_->flowRate, "flow-rate selector");
    if (index < selector->count())
        selector->SelectPosition(index);
}

int TParaLine::MediumIndex() const {
    return Require(parts_->medium, "medium selector")->currentIndex();
}

// As if the user had chosen the medium: its properties fill the lines.
void TParaLine::SetMediumIndex(int index) {
    TSelector* selector = Require(parts_->medium, "medium selector");
    if (index >= selector->count())
        return;
    selector->SelectPosition(index);
    if (index >= 0)
        MediumChanged();
}

bool TParaLine::ParaLineLabelAvailable() const {
    return !parts_->caption.isNull();
}
bool TParaLine::ParaLineEditAvailable() const {
    return !parts_->edit.isNull();
}
bool TParaLine::ParaLineMaterialAvailable() const {
    return !parts_->material.isNull();
}
bool TParaLine::ParaLineFlowRateAvailable() const {
    return !parts_->flowRate.isNull();
}
bool TParaLine::ParaLinehButtonAvailable() const {
    return !parts_->hButton.isNull();
}
bool TParaLine::ParaLineMediumAvailable() const {
    return !parts_->medium.isNull();
}
bool TParaLine::ParaLineUnitAvailable() const {
    return !parts_->unit.isNull();
}
bool TParaLine::AlternativesAvailable() const {
    return !parts_->alternatives.isNull();
}

QStringList TParaLine::Alternatives() {
    TSelector* selector = Require(parts_->alternatives, "alternatives selector");
    QStringList copy;
    for (int i = 0; i < selector->count(); ++i)
        copy << selector->itemText(i);
    return copy;
}

void TParaLine::SetAlternatives(const QStringList& items) {
    Require(parts_->alternatives, "alternatives selector")->ReplaceItems(items);
}

void TParaLine::SetEditColor(bool stale) {
    Paint(parts_->edit, stale);
    Paint(parts_->alternatives, stale);
}

QLabel* TParaLine::CaptionLabel() const {
    return parts_->caption;
}
QLineEdit* TParaLine::ValueField() const {
    return parts_->edit;
}
QLabel* TParaLine::UnitLabel() const {
    return parts_->unit;
}
QComboBox* TParaLine::MaterialSelector() const {
    return parts_->material;
}
QComboBox* TParaLine::FlowRateSelector() const {
    return parts_->flowRate;
}
QComboBox* TParaLine::MediumSelector() const {
    return parts_->medium;
}
QComboBox* TParaLine::AlternativesSelector() const {
    return parts_->alternatives;
}
QPushButton* TParaLine::HButton() const {
    return parts_->hButton;
}

void TParaLine::ValueChanged() {
    TPipeForm::MarkResultsStale();
}

// A typed h is no longer the one the surface coefficient dialog produced.
void TParaLine::SurfaceCoefficientEdited() {
    FormState().HFromDialog = false;
    FormState().HChoices.recorded = false;
}

void TParaLine::FlowRateChanged() {
    TPipeForm::MarkResultsStale();
}

// The conductivity dialog runs after the selector's change has been handled, never inside
// it: the line and its form may be gone when the dialog returns.
void TParaLine::MaterialChanged() {
    TPipeForm::MarkResultsStale();
    if (Require(parts_->material, "material selector")->Text() == kUserMaterialName)
        QMetaObject::invokeMethod(this, &TParaLine::AskUserConductivity, Qt::QueuedConnection);
}

void TParaLine::AskUserConductivity() {
    ExecModal(ThermalCondDialog());
    TPipeForm::MarkResultsStale(); // the results of a form still open, by the new value
}

namespace {

const MediumEntry& ChosenMedium(int position) {
    const auto& media = Shared().ReferenceLists.Media;
    if (position < 0 || position >= static_cast<int>(media.size()))
        throw TermoraError("List index out of bounds (" + std::to_string(position) + ")");
    return media[static_cast<size_t>(position)];
}

// Fills the line that many places below the medium line when it is the expected one.
void FillBelowMedium(int offset, const char* caption, float value) {
    const TFormState& state = FormState();
    const int position = state.MediumLineIndex + offset;
    if (!state.ParameterLines || position < 0 || position >= state.ParameterLines->Count())
        return;
    TParaLine& line = (*state.ParameterLines)[position];
    if (line.ParaLineEditAvailable() && line.ParaLineLabelAvailable() &&
        line.ParaLineLabelText() == QString::fromUtf8(caption))
        line.SetParaLineEditText(FormatPattern(value, "#0.00"));
}

} // namespace

void TParaLine::MediumChanged() {
    try {
        const MediumEntry& medium =
            ChosenMedium(Require(parts_->medium, "medium selector")->currentIndex());
        SetParaLineEditText(FormatPattern(medium.Density, "#0.00"));
        const int type = Shared().CalculationType;
        if (type == 3 || type == 4)
            FillBelowMedium(1, "specific heat capacity", medium.HeatCapacity);
        if (type == 4) {
            FillBelowMedium(2, "freezing temperature of medium", medium.FreezingTemp);
            FillBelowMedium(3, "latent heat of fusion", medium.LatentHeat);
        }
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("could not read medium values") + QString::fromUtf8(e.what()));
    }
    if (!parts_->mediumChosen && parts_->edit) {
        parts_->mediumChosen = true;
        connect(parts_->edit, &QLineEdit::textChanged, this, &TParaLine::ValueChanged);
    }
}

// Picking an alternative thickness re-runs the heat loss with it. The results count as
// current only when that run succeeded; the freezing times only display, so choosing one
// says nothing about whether the shown results match the inputs. A re-run that fails is
// reported as a press of "Calculate" would report it, and the stale results are not for
// printing.
void TParaLine::AlternativeChanged() {
    const int type = Shared().CalculationType;
    if (type != 2 && type != 6)
        return;
    const RunSnapshot before;
    bool calculated = false;
    try {
        const QString thickness = Require(parts_->alternatives, "alternatives selector")->Text();
        (*FormState().ParameterLines)[type == 2 ? 3 : 2].SetParaLineEditText(thickness);
        calculated = type == 2 ? CalcPipeHeatLoss() : CalcSheetHeatLoss();
    } catch (const std::exception& e) {
        before.Restore();
        ShowError(QStringLiteral("Calculation failed! Error: ") + ErrorText(e),
                  FormState().Form.data());
        return;
    }
    TPipeForm::EnablePrint(calculated);
    if (calculated)
        TPipeForm::MarkResultsCurrent();
}

void TParaLine::CalculateHClick() {
    CalculateHFor(*this);
}

int TLineList::Add(std::unique_ptr<TParaLine> line) {
    lines_.push_back(std::move(line));
    return static_cast<int>(lines_.size()) - 1;
}

TParaLine& TLineList::operator[](int i) const {
    if (i < 0 || i >= Count())
        throw TermoraError("List index out of bounds (" + std::to_string(i) + ")");
    return *lines_[static_cast<size_t>(i)];
}

int TLineList::Count() const {
    return static_cast<int>(lines_.size());
}

THChoices HChoicesOf(const TInsideOutside& dialog) {
    THChoices choices;
    choices.recorded = true;
    choices.outside = dialog.TntRadioButton2->isChecked();
    choices.sheet = Shared().CalculationType >= 5;
    choices.vertical = dialog.TntRadioButton3->isChecked();
    choices.windSpeed = dialog.TntEdit2->text();
    choices.sheetHeight = dialog.TntEdit3->text();
    choices.emissivity = dialog.TntEdit1->text();
    return choices;
}

TFormState& FormState() {
    static TFormState state;
    return state;
}

void ReleaseFormLines() {
    TFormState& state = FormState();
    state.ParameterLines.reset();
    state.ResultLines.reset();
    state.ResultLog.clear();
    state.MediumLineIndex = -1;
    state.Form = nullptr;
    state.ResultsShown = false;
    state.ResultsStale = false;
}

void ResetFormState() {
    ReleaseFormLines();
    TFormState& state = FormState();
    state.HFromDialog = false;
    state.ChosenCladdingIndex = -1;
    state.ClipboardHeaderPending = false;
    state.HChoices = THChoices();
}
