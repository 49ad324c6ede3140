#include "coefficient/Finsideoutside.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>
#include <string>

#include "app/AppWindows.h"
#include "app/Fhelp.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "config/Uutils.h"
#include "engine/Errors.h"
#include "engine/State.h"
#include "forms/Uclasses.h"
#include "forms/Uselector.h"

namespace {

constexpr int kLineHeight = 21;
constexpr int kLabelHeight = 16;
// "Additional Settings" is wider than the control group so that the cladding names of the
// configuration fit their selector; its fields line up at the right.
constexpr int kSettingsWidth = 352;
constexpr int kFieldLeft = 298;
constexpr int kFieldWidth = 42;
constexpr int kCladdingLeft = 118;

bool IsSheetForm() {
    return Shared().CalculationType >= 5;
}

QFont BoldFont() {
    QFont font; // only the weight: the family follows the dialog's font
    font.setBold(true);
    return font;
}

// A sunken cream panel holding a group box that fills it.
QFrame* MakePanel(QWidget* parent, const QRect& geometry, QGroupBox** box) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(geometry);
    ApplyCream(*panel);
    *box = new QGroupBox(panel);
    (*box)->setGeometry(2, 2, geometry.width() - 4, geometry.height() - 4);
    return panel;
}

// A bold label whose text ends at x = right, the edge of the control it names.
QLabel* MakeRightLabel(QWidget* parent, int left, int right, int top) {
    auto* label = new QLabel(parent);
    label->setFont(BoldFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(left, top - 2, right - left, kLabelHeight + 2);
    return label;
}

QRadioButton* MakeRadio(QWidget* parent, int left, int top, int width) {
    auto* radio = new QRadioButton(parent);
    radio->setFont(BoldFont());
    radio->setGeometry(left, top - 2, width, kLabelHeight + 4);
    return radio;
}

QLineEdit* MakeEdit(QWidget* parent, int left, int top, int width, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(left, top, width, kLineHeight);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

// One entry a line of the text; a long line is one parenthesised literal split for width.
const char* const kHelpLines[] = {
    "The surface heat transfer coefficient composes essentially of two parts:",
    "",
    ("1) The thermal radiation which depends on the temperature difference between surface and "
     "surroundings and the emission coefficient Epsilon. The following values can be used as "
     "standard values:"),
    "",
    "eps=0.13 for bare, oxidized Aluminium",
    "eps=0.44 for galvanized metallic surfaces (like zinced iron)",
    "eps=0.93 for nonmetallic surfaces (i.e. VELTRA insulations)",
    "",
    ("2) The convective part which depends on air flow and flow direction of the pipe. For more "
     "information see EN ISO 12241:1998."),
};

} // namespace

TInsideOutside::TInsideOutside(QWidget* owner) : QDialog(owner) {
    setFixedSize(477, 470);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    BuildParameters();
    BuildSettings();
    BuildControl();
    TntEdit1->installEventFilter(this);
}

void TInsideOutside::BuildParameters() {
    Panel1 = MakePanel(this, QRect(0, 0, 477, 335), &GroupBox1);
    TntLabel1 = MakeRightLabel(GroupBox1, 8, 190, 27);
    Panel5 = new QFrame(GroupBox1);
    Panel5->setGeometry(197, 16, 267, 35);
    TntRadioButton1 = MakeRadio(Panel5, 11, 13, 120);
    TntRadioButton1->setChecked(true);
    TntRadioButton2 = MakeRadio(Panel5, 146, 13, 115);
    TntLabel2 = new QLabel(GroupBox1);
    TntLabel2->setFont(BoldFont());
    TntLabel2->setGeometry(14, 86, 200, kLabelHeight + 2);
    connect(TntRadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            TntRadioButton1Click();
    });
    connect(TntRadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            TntRadioButton2Click();
    });
}

// Rows of the additional settings: "vertical" shares its row with the sheet height and
// "horizontal" with the wind speed; the handlers never show both members of a pair.
void TInsideOutside::BuildSettings() {
    Panel2 = MakePanel(this, QRect(0, 335, kSettingsWidth, 135), &GroupBox2);
    TntLabel3 = MakeRightLabel(GroupBox2, 8, kFieldLeft - 6, 15);
    TntEdit1 = MakeEdit(GroupBox2, kFieldLeft, 12, kFieldWidth, QString());
    TntLabel6 = MakeRightLabel(GroupBox2, 160, kFieldLeft - 6, 44);
    TntEdit3 = MakeEdit(GroupBox2, kFieldLeft, 41, kFieldWidth, QStringLiteral("1"));
    TntRadioButton3 = MakeRadio(GroupBox2, 68, 44, 120);
    TntRadioButton4 = MakeRadio(GroupBox2, 66, 73, 120);
    TntRadioButton4->setChecked(true);
    TntLabel4 = MakeRightLabel(GroupBox2, 160, kFieldLeft - 6, 73);
    TntLabel4->hide();
    TntEdit2 = MakeEdit(GroupBox2, kFieldLeft, 70, kFieldWidth, QStringLiteral("0"));
    TntEdit2->hide();
    TntLabel5 = MakeRightLabel(GroupBox2, 4, kCladdingLeft - 6, 102);
    TntComboBox1 = new QComboBox(GroupBox2);
    TntComboBox1->setEditable(true);
    TntComboBox1->setInsertPolicy(QComboBox::NoInsert);
    TntComboBox1->setGeometry(kCladdingLeft, 99, kFieldLeft + kFieldWidth - kCladdingLeft,
                              kLineHeight);
    connect(TntComboBox1, &QComboBox::activated, this, &TInsideOutside::TntComboBox1Change);
    // Typed text names no position of the list.
    connect(TntComboBox1->lineEdit(), &QLineEdit::textEdited, this,
            [this] { TntComboBox1Change(-1); });
}

void TInsideOutside::BuildControl() {
    Panel3 = MakePanel(this, QRect(kSettingsWidth, 335, 477 - kSettingsWidth, 135), &GroupBox3);
    Button1 = MakeButton(GroupBox3, QRect(17, 29, 87, 22));
    Button1->setDefault(true);
    Button3 = MakeButton(GroupBox3, QRect(17, 61, 87, 21));
    Button2 = MakeButton(GroupBox3, QRect(17, 92, 87, 21));
    connect(Button1, &QPushButton::clicked, this, &TInsideOutside::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TInsideOutside::Button2Click);
    // The help runs after the click has been handled, not inside the button's signal.
    connect(Button3, &QPushButton::clicked, this, &TInsideOutside::Button3Click,
            Qt::QueuedConnection);
}

// The entries start afresh once, on the first appearance of a modal run, and do not wait
// for activation: a window manager may activate late or not at all, and what the user then
// sets (also after the dialog's own messages) stays until the dialog closes.
void TInsideOutside::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        outcome_ = HOutcome::Refused;
        TntFormShow();
        FormActivate();
    }
}

void TInsideOutside::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Printable keys and backspace go through the emissivity filter; control keys (Enter,
// Delete, shortcuts) keep their usual meaning.
bool TInsideOutside::eventFilter(QObject* watched, QEvent* event) {
    if (watched != TntEdit1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().size() != 1)
        return false;
    QChar typed = key->text().at(0);
    if (typed.category() == QChar::Other_Control && typed.unicode() != 8)
        return false;
    QChar entered = TntEdit1KeyPress(typed);
    if (entered.isNull())
        return true;
    if (entered != typed) {
        TntEdit1->insert(QString(entered));
        return true;
    }
    return false;
}

void TInsideOutside::ApplyConfiguredFont() {
    // The character set of the configuration has no meaning for Unicode text; the family
    // reaches every control through the dialog's font.
    const std::string& family = Shared().GlobalSettings.FontName;
    if (family.empty())
        return;
    QFont font = this->font();
    font.setFamily(QString::fromStdString(family));
    setFont(font);
}

void TInsideOutside::TntFormShow() {
    ApplyConfiguredFont();
    TntEdit3->hide();
    TntLabel6->hide();
    if (IsSheetForm()) {
        TntRadioButton3->hide();
        TntRadioButton4->hide();
        TntEdit3->setText(FormatPattern(Shared().WorkingValues.SheetHeight, "#0.00"));
        TntEdit3->show();
        TntLabel6->show();
    }
    FormState().HFromDialog = false;
}

void TInsideOutside::SetCaptions() {
    setWindowTitle(QStringLiteral("Calculation of Heat Transfer Coefficent h"));
    GroupBox1->setTitle(QStringLiteral("Parameters"));
    GroupBox2->setTitle(QStringLiteral("Additional Settings"));
    GroupBox3->setTitle(QStringLiteral("Control"));
    Button1->setText(QStringLiteral("Continue"));
    Button2->setText(QStringLiteral("Cancel"));
    Button3->setText(QStringLiteral("Help"));
    TntRadioButton1->setText(QStringLiteral("inside"));
    TntRadioButton2->setText(QStringLiteral("outside"));
    TntRadioButton3->setText(QStringLiteral("vertical"));
    TntRadioButton4->setText(QStringLiteral("horizontal"));
    TntLabel1->setText(QStringLiteral("Calculation type"));
    TntLabel2->setText(QStringLiteral("Parameters"));
    TntLabel3->setText(QStringLiteral("emission coefficient (see help)"));
    TntLabel4->setText(QStringLiteral("wind speed (m/s)"));
    TntLabel5->setText(QStringLiteral("type of cladding"));
    TntLabel6->setText(QStringLiteral("sheet height (m)"));
}

void TInsideOutside::FillCladdings() {
    TntComboBox1->clear();
    for (const CladdingEntry& cladding : Shared().ReferenceLists.Claddings)
        TntComboBox1->addItem(QString::fromStdString(cladding.Name));
    TntComboBox1->setCurrentIndex(-1);
    TntComboBox1->setEditText(kSelectPrompt);
}

// Starts the entries afresh (see showEvent for when).
void TInsideOutside::FormActivate() {
    SetCaptions();
    TntRadioButton1->setChecked(true);
    TntEdit1->setText(FormatPattern(Shared().WorkingValues.Emissivity, "#0.00"));
    TntEdit2->setText(QStringLiteral("1"));
    FillCladdings();
    BuildSummary();
}

void TInsideOutside::BuildSummary() {
    qDeleteAll(summary_);
    summary_.clear();
    const auto& lines = FormState().ParameterLines;
    if (!lines)
        return;
    QFont font;
    font.setPixelSize(13);
    QFont bold = font;
    bold.setBold(true);
    int row = 0;
    for (int i = 0; i < lines->Count(); ++i) {
        const TParaLine& line = (*lines)[i];
        if (line.ParaLinehButtonAvailable())
            continue;
        int top = 120 + 16 * row++;
        QString value = line.ParaLineEditAvailable() ? line.ParaLineEditText() : QString();
        if (line.ParaLineMaterialAvailable())
            value = line.MaterialText();
        bool hasUnit = line.ParaLineUnitAvailable();
        auto add = [&](const QString& text, int left, int right, const QFont& f) {
            auto* label = new QLabel(text, GroupBox1);
            label->setFont(f);
            label->setGeometry(left, top, right - left, kLabelHeight);
            label->show();
            summary_ << label;
        };
        add(line.ParaLineLabelAvailable() ? line.ParaLineLabelText() : QString(), 16, 256, font);
        add(value, 260, hasUnit ? 346 : 466, font);
        add(hasUnit ? line.UnitText() : QString(), hasUnit ? 350 : 480, hasUnit ? 466 : 580, bold);
    }
}

void TInsideOutside::TntRadioButton1Click() {
    TntLabel4->hide();
    TntEdit2->hide();
    if (!IsSheetForm()) {
        TntRadioButton3->show();
        TntRadioButton4->show();
    }
}

void TInsideOutside::TntRadioButton2Click() {
    TntLabel4->show();
    TntEdit2->show();
    TntRadioButton3->hide();
    TntRadioButton4->hide();
}

void TInsideOutside::TntComboBox1Change(int position) {
    const auto& claddings = Shared().ReferenceLists.Claddings;
    try {
        if (position < 0 || position >= static_cast<int>(claddings.size()))
            throw std::out_of_range("List index out of bounds (" + std::to_string(position) + ")");
        float emissivity = claddings[static_cast<size_t>(position)].Emissivity;
        if (emissivity == 0)
            throw std::runtime_error("epsilon value is zero!");
        TntEdit1->setText(FormatPattern(emissivity, "#0.00"));
        Shared().WorkingValues.Emissivity = emissivity;
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Could not get cladding parameters! Error: ") +
                      QString::fromStdString(e.what()),
                  this);
        // The dialog stays for another choice; an outdoor h needs one.
        TntEdit1->setText(FormatPattern(Shared().WorkingValues.Emissivity, "#0.00"));
        TntComboBox1->setCurrentIndex(-1);
        TntComboBox1->setEditText(kSelectPrompt);
    }
}

QChar TInsideOutside::TntEdit1KeyPress(QChar key) {
    QChar entered = FilterNumberKey(key);
    if (!entered.isNull()) {
        // A typed emissivity replaces the cladding choice.
        TntComboBox1->setCurrentIndex(-1);
        TntComboBox1->setEditText(kSelectPrompt);
    }
    return entered;
}

bool TInsideOutside::EntriesRefused() const {
    bool outside = TntRadioButton2->isChecked();
    if (outside && TntComboBox1->currentIndex() < 0)
        return true;
    if (TntEdit1->text().isEmpty() || TntEdit2->text().isEmpty())
        return true;
    if (StrToFloat(TntEdit2->text()) < 0)
        return true;
    return outside && !(ParseNumber(TntEdit2->text()) > 0);
}

bool TInsideOutside::SheetHeightMissing() const {
    if (!TntRadioButton1->isChecked() || !IsSheetForm() || TntEdit3->isHidden())
        return false;
    try {
        return !(StrToFloat(TntEdit3->text()) > 0);
    } catch (const ConversionError&) {
        return true;
    }
}

HOutcome TInsideOutside::RunComputation() {
    bool pipe = !IsSheetForm();
    if (TntRadioButton1->isChecked())
        return pipe ? InsidePipeCoefficient(*this) : InsideSheetCoefficient(*this);
    // A text that is no number is reported by "Continue" and keeps the dialog open, as
    // indoors: closing would pass the unchanged h off as the outdoor one.
    return pipe ? OutsidePipeCoefficient(*this) : OutsideSheetCoefficient(*this);
}

// A refusal keeps the dialog open and stores nothing, so that the form keeps its h.
void TInsideOutside::Button1Click() {
    QWidget* parent = isVisible() ? this : nullptr;
    HOutcome outcome = HOutcome::Refused;
    try {
        if (EntriesRefused()) {
            ShowWarning(kMakeSenseText, parent);
            return;
        }
        if (SheetHeightMissing()) {
            ShowMessage(QStringLiteral("Correct value for the sheet height is missing! "
                                       "Please retry!"),
                        parent);
            return;
        }
        outcome = RunComputation();
    } catch (const std::exception& e) {
        ShowError(kHFailed + QString::fromStdString(e.what()), parent);
        return;
    }
    if (outcome == HOutcome::Refused && isVisible())
        return; // the user corrects the entries or cancels
    outcome_ = outcome;
    FormState().HFromDialog = true;
    accept();
}

void TInsideOutside::Button2Click() {
    TntComboBox1->setCurrentIndex(-1);
    reject();
}

void TInsideOutside::reject() {
    FormState().HFromDialog = false;
    QDialog::reject();
}

void TInsideOutside::Button3Click() {
    QStringList lines;
    for (const char* line : kHelpLines)
        lines << QString::fromUtf8(line);
    TF_Help& help = HelpWindow();
    help.SetHelpText(lines.join(u'\n'));
    ExecModal(help);
}
