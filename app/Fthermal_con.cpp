#include "app/Fthermal_con.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Ulook.h"
#include "app/Umessages.h"
#include "config/Uutils.h"
#include "engine/Errors.h"
#include "engine/State.h"

namespace {
const char* const kExplanation =
    "Please enter your desired thermal conductivity\n"
    "\n"
    "(Please pay attention to the fact that the thermal conductivity depends on the "
    "temperature. Consequently enter the thermal conductivity valid for the mean temperature "
    "of your application.)";
} // namespace

TThermal_Cond::TThermal_Cond(QWidget* parent)
    : QDialog(parent), TntMemo1(MakeMemo(this, "TntMemo1", {9, 9, 500, 130}, 13, true)),
      TntLabel2(MakeLabel(this, "TntLabel2", {9, 157, 275, 20}, Qt::black, 13)),
      ME_lambda(new QLineEdit(this)),
      TntLabel1(MakeLabel(this, "TntLabel1", {396, 157, 100, 20}, Qt::black, 13)),
      Cmd_cancel(MakeButton(this, "Cmd_cancel", {172, 198, 81, 27})),
      Cmd_finished(MakeButton(this, "Cmd_finished", {267, 198, 81, 27})) {
    setFixedSize(520, 235);
    ApplyCream(*this);
    TntLabel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ME_lambda->setObjectName(QStringLiteral("ME_lambda"));
    ME_lambda->setGeometry(293, 155, 96, 24);
    ME_lambda->installEventFilter(this);
    Cmd_finished->setDefault(true);
    connect(Cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Cmd_finished, &QPushButton::clicked, this, &TThermal_Cond::Cmd_finishedClick);
}

void TThermal_Cond::showEvent(QShowEvent* event) {
    ApplyGlobalFont(*this);
    FormActivate();
    ME_lambda->clear();
    ME_lambda->setFocus();
    QDialog::showEvent(event);
}

void TThermal_Cond::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

void TThermal_Cond::FormActivate() {
    TntMemo1->setPlainText(QString::fromUtf8(kExplanation));
    TntLabel2->setText(QStringLiteral("thermal conductivity lambda"));
    TntLabel1->setText(QStringLiteral("W/m K"));
    Cmd_cancel->setText(QStringLiteral("Cancel"));
    Cmd_finished->setText(QStringLiteral("Accept"));
}

// Typed characters go through the numeric key filter; control keys (Enter, Escape,
// arrows, shortcuts) pass so that the dialog's buttons still answer them.
bool TThermal_Cond::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ME_lambda || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() != 1 || (text[0].unicode() < 0x20 && text[0].unicode() != 8))
        return false;
    const QChar accepted = FilterNumberKey(text[0]);
    if (accepted.isNull())
        return true;
    if (accepted != text[0]) {
        ME_lambda->insert(QString(accepted));
        return true;
    }
    return false;
}

void TThermal_Cond::Cmd_finishedClick() {
    const QString text = ME_lambda->text();
    try {
        // A conductivity of zero or below gives no physical result in any calculation.
        const float value = text.isEmpty() ? 0.0f : ToSingle(ParseNumber(text));
        if (!(value > 0.0f)) {
            ShowMessage(kMakeSenseText, this);
            return;
        }
        Shared().WorkingValues.KFactor = value;
        accept();
    } catch (const TermoraError&) {
        ShowMessage(kMakeSenseText, this);
    }
}
