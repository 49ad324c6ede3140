#include "app/Finfo.h"

#include <QPushButton>
#include <QUrl>

#include "app/Uclicklabel.h"
#include "app/Ulook.h"
#include "app/Umaker.h"
#include "app/Umessages.h"
#include "config/Udatafolder.h"
#include "config/Uutils.h"
#include "engine/State.h"

QString ProgramVersion() {
    return QStringLiteral(TERMORA_VERSION);
}

QString SalesContactText() {
    // The marker becomes a carriage return, which a label does not break at.
    const QString sales =
        ExpandLineBreaks(QString::fromStdString(Shared().GlobalSettings.SalesAdress));
    return sales.split(u'\r').join(u'\n');
}

void OpenMakersWebSite() {
    OpenWithDesktop(QUrl(QString::fromUtf8(Maker::kWebSite)));
}

namespace {
// The sales text above takes up to five lines; the maker's block starts below it.
constexpr int kLowerPartTop = 322;

QRect Row(int left, int top) {
    return {left, top, 593 - left - 8, 20};
}

TClickLabel* MakeLink(QWidget* parent, const char* name, const QRect& place) {
    auto* link = new TClickLabel(parent);
    link->setObjectName(QString::fromLatin1(name));
    link->setGeometry(place);
    return link;
}
} // namespace

Tfrm_Info::Tfrm_Info(QWidget* parent) : QDialog(parent) {
    setFixedSize(593, 459);
    ApplyCream(*this);
    BuildUpperPart();
    BuildLowerPart();
    Cmd_OK = new QPushButton(this);
    Cmd_OK->setObjectName(QStringLiteral("Cmd_OK"));
    Cmd_OK->setGeometry(258, 422, 81, 27);
    Cmd_OK->setDefault(true);
    connect(Cmd_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Image2, &TClickLabel::clicked, this, &OpenMakersWebSite);
    connect(Label10, &TClickLabel::clicked, this, &OpenMakersWebSite);
}

void Tfrm_Info::BuildUpperPart() {
    Label1 = MakeLabel(this, "Label1", {8, 7, 577, 69}, Look::kNavy, 56);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = MakeLabel(this, "Label2", {8, 86, 577, 20}, Look::kNavy, 15);
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = MakeLabel(this, "Label3", {120, 146, 102, 20}, Look::kNavy, 17);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TntLabel1 = MakeLabel(this, "TntLabel1", {230, 146, 200, 20}, Look::kNavy, 17);
    Label4 = MakeLabel(this, "Label4", {162, 172, 300, 40}, Look::kNavy, 13);
    Label4->setWordWrap(true);
    TntLabel2 = MakeLabel(this, "TntLabel2", {35, 224, 200, 20}, Look::kBlue, 17);
    TntLabel3 = MakeLabel(this, "TntLabel3", {44, 245, 420, 76}, Look::kBlue, 12);
    TntLabel3->setWordWrap(true);
    TntLabel3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2 = MakeLink(this, "Image2", {474, 113, 113, 130});
}

void Tfrm_Info::BuildLowerPart() {
    Label6 = MakeLabel(this, "Label6", Row(43, kLowerPartTop + 4), Look::kNavy, 14);
    Label7 = MakeLabel(this, "Label7", Row(43, kLowerPartTop + 21), Look::kNavy, 14);
    Label8 = MakeLabel(this, "Label8", Row(43, kLowerPartTop + 38), Look::kNavy, 14);
    Label9 = MakeLabel(this, "Label9", Row(43, kLowerPartTop + 55), Look::kNavy, 14);
    Label10 = MakeLink(this, "Label10", Row(43, kLowerPartTop + 76));
    QFont font = Label10->font();
    font.setBold(true);
    font.setUnderline(true);
    font.setPixelSize(14);
    Label10->setFont(font);
    QPalette palette = Label10->palette();
    palette.setColor(QPalette::WindowText, Look::kBlue);
    Label10->setPalette(palette);
}

void Tfrm_Info::showEvent(QShowEvent* event) {
    TntLabel1->setText(ProgramVersion());
    Cmd_OK->setText(QStringLiteral("Ok"));
    TntLabel2->setText(QStringLiteral("Sales Contact"));
    TntLabel3->setText(SalesContactText());
    Label1->setText(QStringLiteral("Termora"));
    Label2->setText(QStringLiteral("Software for calculations concerning insulation applications"));
    Label3->setText(QStringLiteral("Version"));
    Label4->setText(QString::fromUtf8(Maker::kNotice));
    Label6->setText(QString::fromUtf8(Maker::kName));
    Label7->setText(QString::fromUtf8(Maker::kStreet));
    Label8->setText(QString::fromUtf8(Maker::kPhoneFax));
    Label9->setText(QString::fromUtf8(Maker::kCountry));
    Label10->setText(QString::fromUtf8(Maker::kWebSiteLabel));
    ApplyGlobalFont(*this);
    ShowPicture(*Image2, InDataFolder(QStringLiteral("logo1.bmp")));
    QDialog::showEvent(event);
}
