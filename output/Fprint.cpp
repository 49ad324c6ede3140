#include "output/Fprint.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include "app/Ulook.h"
#include "app/Umessages.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "output/Freport.h"

namespace {

constexpr int kHeaderRows = 3;

QLabel* MakeFieldLabel(QWidget* parent, const char* name, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(0, top, 72, 20); // the text ends at x 72, left of its field
    return label;
}

QLineEdit* MakeField(QWidget* parent, const char* name, int top) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(78, top, 301, 25);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Look::kCream);
    palette.setColor(QPalette::Text, Qt::black);
    edit->setPalette(palette);
    QFont font = edit->font();
    font.setPixelSize(15);
    edit->setFont(font);
    return edit;
}

QRadioButton* MakeChoice(QGroupBox* frame, const char* name, int top) {
    auto* radio = new QRadioButton(frame);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(84 - frame->x(), top - frame->y(), 250, 17);
    return radio;
}

QString HeaderRow(const QLabel* caption, const QLineEdit* field) {
    return caption->text() + QLatin1Char(' ') + field->text();
}

// The first copy of a form puts the header rows in front of its log; later copies put
// the current ones in place of those.
void PutHeaderRows(const QStringList& header) {
    TFormState& state = FormState();
    QStringList& log = state.ResultLog;
    if (state.ClipboardHeaderPending)
        state.ClipboardHeaderPending = false;
    else
        log.remove(0, std::min<qsizetype>(kHeaderRows, log.size()));
    log = header + log;
}

QString JoinedWithCrLf(const QStringList& rows) {
    QString text;
    for (const QString& row : rows)
        text += row + QStringLiteral("\r\n");
    return text;
}

} // namespace

TPrintDecision::TPrintDecision(QWidget* parent)
    : QDialog(parent), TntLabel1(new QLabel(this)), TntRadioGroup1(new QGroupBox(this)),
      RB1(nullptr), RB2(nullptr), Label2(MakeFieldLabel(this, "Label2", 138)),
      E_project(MakeField(this, "E_project", 135)), Label3(MakeFieldLabel(this, "Label3", 172)),
      E_company(MakeField(this, "E_company", 169)), Label4(MakeFieldLabel(this, "Label4", 207)),
      E_remarks(MakeField(this, "E_remarks", 204)),
      Button1(MakeButton(this, "Button1", {115, 257, 76, 26})),
      Button2(MakeButton(this, "Button2", {211, 257, 75, 26})) {
    setFixedSize(389, 295);
    ApplyCream(*this);
    TntLabel1->setObjectName(QStringLiteral("TntLabel1"));
    TntLabel1->move(25, 8);
    QFont bold = TntLabel1->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    TntLabel1->setFont(bold);
    TntRadioGroup1->setObjectName(QStringLiteral("TntRadioGroup1"));
    TntRadioGroup1->setGeometry(68, 32, 281, 74);
    RB1 = MakeChoice(TntRadioGroup1, "RB1", 48);
    RB2 = MakeChoice(TntRadioGroup1, "RB2", 72);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TPrintDecision::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPrintDecision::Button2Click);
}

void TPrintDecision::showEvent(QShowEvent* event) {
    ApplyGlobalFont(*this);
    FormActivate();
    if (!event->spontaneous())
        if (const QScreen* desktop = screen())
            move(desktop->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TPrintDecision::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

// The fields keep their texts; the choice starts from printing again.
void TPrintDecision::FormActivate() {
    setWindowTitle(QString());
    TntLabel1->setText(QStringLiteral("Please select the next step"));
    TntLabel1->adjustSize();
    RB1->setText(QStringLiteral("Print actual result"));
    RB2->setText(QStringLiteral("Copy list of results to clipboard"));
    Label2->setText(QStringLiteral("Project"));
    Label3->setText(QStringLiteral("Company"));
    Label4->setText(QStringLiteral("Comments"));
    Button1->setText(QStringLiteral("Continue"));
    Button2->setText(QStringLiteral("Cancel"));
    RB1->setChecked(true);
}

void TPrintDecision::Button1Click() {
    if (RB1->isChecked())
        PrintActualResult();
    else
        CopyResultsToClipboard();
    accept();
}

void TPrintDecision::Button2Click() {
    reject();
}

void TPrintDecision::PrintActualResult() {
    Button1->setEnabled(false);
    {
        Tf_Print report(*this);
        report.Preview(); // reports its own failures
    }
    Button1->setEnabled(true);
}

void TPrintDecision::CopyResultsToClipboard() {
    PutHeaderRows(
        {HeaderRow(Label2, E_project), HeaderRow(Label3, E_company), HeaderRow(Label4, E_remarks)});
    // Unicode text: the desktop's clipboard takes any character the rows hold. Rows copied
    // while the form shows outdated results say so first.
    QStringList rows = FormState().ResultLog;
    if (TPipeForm::ResultsStale())
        rows.prepend(kResultsNotCurrent);
    QGuiApplication::clipboard()->setText(JoinedWithCrLf(rows));
    ShowMessage(QStringLiteral("Ok"), this);
}
