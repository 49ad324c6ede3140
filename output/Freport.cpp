#include "output/Freport.h"

#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <algorithm>
#include <exception>

#include "app/Finfo.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "config/Udatafolder.h"
#include "config/Ureport.h"
#include "engine/State.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "output/Fprint.h"
#include "output/Updffile.h"
#include "output/Ureportclosing.h"
#include "output/Ureportrows.h"

using namespace ReportPage;

namespace {

constexpr double kInnerMargin = 8;   // of the texts at the bands' left and right edges
constexpr double kPictureLeft = 480; // the picture and its room in the header box
constexpr double kPictureTop = 40;
constexpr double kPictureWidth = 226;
constexpr double kPictureHeight = 91;
constexpr double kColumnWidth = 669; // of the comment and the sales text
constexpr double kBlockGap = 6;      // least room between a block and what it gives way to
constexpr double kFooterGap = 4;     // least room above the footer

TReportText Item(double bandTop, double left, double top, double points, bool bold,
                 Qt::Alignment align = Qt::AlignLeft, double wrapWidth = 0) {
    TReportText item;
    item.at = QPointF(left, bandTop + top);
    item.align = align;
    item.points = points;
    item.bold = bold;
    item.wrapWidth = wrapWidth;
    return item;
}

QString ConfiguredFamily() {
    const std::string& name = Shared().GlobalSettings.FontName;
    return name.empty() ? QStringLiteral("Arial") : QString::fromStdString(name);
}

QString ChosenCladding() {
    const TFormState& state = FormState();
    const auto& claddings = Shared().ReferenceLists.Claddings;
    const int index = state.ChosenCladdingIndex;
    if (!state.HFromDialog || index < 0 || index >= static_cast<int>(claddings.size()))
        return {};
    return QString::fromStdString(claddings[static_cast<size_t>(index)].Name);
}

// How the surface coefficient dialog obtained h, while the form's h is the dialog's.
QString HOrigin() {
    const TFormState& state = FormState();
    const THChoices& c = state.HChoices;
    if (!state.HFromDialog || !c.recorded)
        return {};
    QStringList parts{c.outside ? QStringLiteral("outside") : QStringLiteral("inside")};
    if (c.outside)
        parts << QStringLiteral("wind speed %1 m/s").arg(c.windSpeed);
    else if (c.sheet)
        parts << QStringLiteral("sheet height %1 m").arg(c.sheetHeight);
    else
        parts << (c.vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal"));
    parts << QStringLiteral("emission coefficient %1").arg(c.emissivity);
    return parts.join(QStringLiteral(", "));
}

} // namespace

Tf_Print::Tf_Print(TPrintDecision& owner)
    : QObject(&owner), PicturePath(InDataFolder(QStringLiteral("logoprint.bmp"))),
      PrintDate(QDate::currentDate()), owner_(owner) {
    PlaceFixedItems();
}

void Tf_Print::PlaceFixedItems() {
    // The program's name is centred over the box left of the picture.
    QRL_Version = Item(kHeaderTop, kPictureLeft / 2, 16, 24, true, Qt::AlignHCenter);
    QRLabel2 = Item(kHeaderTop, kInnerMargin, 80, 12, true);
    QRLabel1 = Item(kHeaderTop, kInnerMargin, 120, 12, true);
    QRL_Titel_von_was = Item(kHeadingTop, kInnerMargin, 24, 12, true);
    QRSysData1 = Item(kHeadingTop, kWidth - kInnerMargin, 24, 12, true, Qt::AlignRight);
    QRLabel3 = Item(kHeadingTop, kInnerMargin, 64, 12, true);
    QRL_Project = Item(kHeadingTop, 104, 64, 12, true);
    QRLabel4 = Item(kHeadingTop, kInnerMargin, 96, 12, true);
    QRL_Company = Item(kHeadingTop, 104, 96, 12, true);
    QRLabel5 = Item(kBodyTop, 16, 24, 11, true);
    QRLabel6 = Item(kBodyTop, 16, 370, 11, true);
    QRLabel7 = Item(kBodyTop, 16, 560, 11, true);
    QRL_Remarks = Item(kBodyTop, 20, 590, 11, false, Qt::AlignLeft, kColumnWidth);
    QRLabel9 = Item(kBodyTop, 16, 640, 11, true);
    QRLabel10 = Item(kBodyTop, 20, 662, 11, false, Qt::AlignLeft, kColumnWidth);
    Footer = Item(0, kWidth - kInnerMargin, kHeight - 20, 10, false, Qt::AlignRight);
    NotCurrent = Item(kHeadingTop, kInnerMargin, 122, 12, true);
}

void Tf_Print::Preview() {
    try {
        Build();
        QPrinter printer(QPrinter::HighResolution);
        SetUpPage(printer);
        printer.setDocName(QRL_Titel_von_was.text);
        QPrintPreviewDialog preview(&printer, &owner_);
        FitToScreen(preview);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, &Tf_Print::Paint);
        ExecModal(preview);
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("could not read medium values") + ErrorText(e), &owner_);
    }
}

void Tf_Print::FitToScreen(QWidget& preview) {
    QSize size(820, 1000);
    if (const QScreen* screen = preview.screen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    preview.resize(size);
}

void Tf_Print::SetUpPage(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
}

void Tf_Print::Build() {
    PlaceFixedItems();
    QRImage1 = QImage(PicturePath); // none when missing: no failure
    SetFixedTexts();
    BuildRows();
}

void Tf_Print::SetFixedTexts() {
    const QString version = ProgramVersion().section(u'.', 0, 1);
    QRL_Version.text = QStringLiteral("Termora ") + QStringLiteral(" ") + version;
    QRLabel2.text = QStringLiteral("Calculations for Thermal Insulation Applications");
    QRLabel1.text = QStringLiteral("Calculation is based on ISO 12241:1998");
    const TPipeForm* form = FormState().Form;
    QRL_Titel_von_was.text = form ? form->windowTitle() : QString();
    QRSysData1.text = QLocale::system().toString(PrintDate, QLocale::ShortFormat);
    QRLabel3.text = QStringLiteral("Project");
    QRL_Project.text = owner_.E_project->text();
    QRLabel4.text = QStringLiteral("Company");
    QRL_Company.text = owner_.E_company->text();
    QRLabel5.text = QStringLiteral("Parameters");
    QRLabel6.text = QStringLiteral("Results");
    QRLabel7.text = QStringLiteral("Comments");
    QRL_Remarks.text = owner_.E_remarks->text();
    QRLabel9.text = QStringLiteral("Sales Contact");
    QRLabel10.text = SalesContactText();
    Footer.text = QStringLiteral("Termora ") + ProgramVersion();
    NotCurrent.text = TPipeForm::ResultsStale() ? kResultsNotCurrent : QString();
}

void Tf_Print::BuildRows() {
    const TFormState& state = FormState();
    rows_.clear();
    if (state.ParameterLines) {
        const float kFactor = Shared().WorkingValues.KFactor;
        rows_ = ParameterRows(*state.ParameterLines, kFactor, ChosenCladding(), HOrigin());
    }
    // The rows that tell how h was obtained may reach the "Results" caption: the results
    // then move down with it.
    QRLabel6.at.ry() += std::max(0.0, TopAfterRows(rows_) - QRLabel6.at.y());
    const double captionEnd = QRLabel6.at.y() + ReportTextHeight(QRLabel6, ConfiguredFamily());
    const double lower = std::max(0.0, captionEnd + kBlockGap - FirstResultTop());
    std::vector<TReportText> results;
    if (state.ResultLines)
        results = ResultRows(*state.ResultLines, Shared().CalculationType, lower);
    rows_.insert(rows_.end(), results.begin(), results.end());
    FitValuesBesideCaptions(rows_, ConfiguredFamily());
    KeepCommentAndSalesClear(TopAfterRows(results));
}

// The comment and the sales contact stay at their places unless what is above reaches
// them (the seven alternatives of the freezing time): then they move down clear of it, and
// a comment too long for the rest of the page is shortened rather than pushing the sales
// contact over the footer.
void Tf_Print::KeepCommentAndSalesClear(double resultsEnd) {
    const TClosingBlock block{QRLabel7, QRL_Remarks, QRLabel9, QRLabel10};
    FitClosingBlock(block, resultsEnd, Footer.at.y() - kFooterGap, ConfiguredFamily());
}

std::vector<TReportText> Tf_Print::Texts() const {
    std::vector<TReportText> texts = {QRL_Version, QRLabel2, QRLabel1,    QRL_Titel_von_was,
                                      QRSysData1,  QRLabel3, QRL_Project, QRLabel4,
                                      QRL_Company, QRLabel5, QRLabel6,    QRLabel7,
                                      QRL_Remarks, QRLabel9, QRLabel10,   Footer};
    if (!NotCurrent.text.isEmpty())
        texts.push_back(NotCurrent);
    texts.insert(texts.end(), rows_.begin(), rows_.end());
    return texts;
}

QRectF Tf_Print::PictureBox() const {
    QSizeF size = QRImage1.size();
    if (size.width() > kPictureWidth || size.height() > kPictureHeight)
        size.scale(kPictureWidth, kPictureHeight, Qt::KeepAspectRatio);
    return QRectF(QPointF(kPictureLeft, kHeaderTop + kPictureTop), size);
}

void Tf_Print::draw(QPainter& painter) const {
    painter.save();
    const QPaintDevice& device = *painter.device();
    painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    // Lines inside their areas, half a line's width from the edges.
    painter.drawRect(QRectF(0.5, kHeaderTop + 0.5, kWidth - 1, kHeaderHeight - 1));
    painter.drawLine(QLineF(0, kBodyTop - 0.5, kWidth, kBodyTop - 0.5));
    if (!QRImage1.isNull())
        painter.drawImage(PictureBox(), QRImage1);
    const QString family = ConfiguredFamily();
    for (const TReportText& text : Texts())
        DrawReportText(painter, text, family);
    painter.restore();
}

// A print to a PDF file goes through the safe write; the preview and printers directly.
void Tf_Print::Paint(QPrinter* printer) const {
    PaintOrSavePdf(
        *printer, [this](QPainter& painter) { draw(painter); }, &owner_);
}
