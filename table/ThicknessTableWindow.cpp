#include "table/ThicknessTableWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AppWindows.h"
#include "app/Fhelp.h"
#include "app/Umessages.h"
#include "engine/Errors.h"
#include "engine/NominalTable.h"
#include "engine/PipeSizeTable.h"
#include "engine/State.h"
#include "table/LayerEditor.h"
#include "table/LayeredRows.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/WrappedHeaders.h"

namespace {
QTableView* MakeView(QAbstractItemModel* model, const char* name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    auto* wrapped = new TWrappedHeaders(view);
    wrapped->setSourceModel(model);
    view->setModel(wrapped);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->setEditTriggers(QAbstractItemView::AllEditTriggers);
    return view;
}

const TToleranceTable* NominalTable(bool pipe) {
    const auto& table = pipe ? Shared().PipeTable : Shared().SheetTable;
    return table ? &*table : nullptr;
}

// The position of this window's page in the configured help files.
constexpr int kTableHelp = 9;
} // namespace

TThicknessTableWindow::TThicknessTableWindow(bool pipe, QWidget* parent)
    : QWidget(parent, Qt::Window), pipe_(pipe) {
    setObjectName(QStringLiteral("ThicknessTable"));
    setWindowTitle(pipe ? QStringLiteral("Thickness table - Pipes")
                        : QStringLiteral("Thickness table - Sheets"));
    thicknessModel_ = new TThicknessModel(pipe, this);
    pipeSizeModel_ = new TPipeSizeModel(this);
    Inputs = new TTableInputs(pipe, this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("InputPanel"));
    scroll->setWidget(BuildInputPanel());
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(300);
    InputPanel = scroll;
    Tabs = new QTabWidget(this);
    Tabs->addTab(BuildThicknessTab(), QStringLiteral("By thickness"));
    if (pipe) {
        PipeSizeView = MakeView(pipeSizeModel_, "PipeSizeView", this);
        Tabs->addTab(PipeSizeView, QStringLiteral("By pipe size"));
    }
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setWordWrap(true);
    auto* rightSide = new QWidget(this);
    auto* right = new QVBoxLayout(rightSide);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(Tabs, 1);
    right->addWidget(Status);
    right->addWidget(BuildButtons());
    // The inputs give way to the table: a splitter, and a button that folds them away.
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("InputSplitter"));
    split->addWidget(scroll);
    split->addWidget(rightSide);
    split->setStretchFactor(1, 1);
    split->setSizes({360, 880});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split);
    connect(Inputs, &TTableInputs::Changed, this, &TThicknessTableWindow::Recompute);
    // The pipe sizes replace the one diameter, and the other way round.
    connect(Tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (Inputs->Diameter)
            Inputs->Diameter->setEnabled(tab == 0);
        if (Inputs->Diameters)
            Inputs->Diameters->setEnabled(tab == 1);
    });
    if (Inputs->Diameters)
        Inputs->Diameters->setEnabled(false);
    connect(thicknessModel_, &TThicknessModel::InstalledCostChanged, this,
            &TThicknessTableWindow::Recompute, Qt::QueuedConnection);
    // Within a 1366 x 768 laptop screen, title bar and task bar included.
    resize(1240, 680);
    Recompute();
}

QWidget* TThicknessTableWindow::BuildThicknessTab() {
    auto* tab = new QWidget(this);
    Minima = new QLabel(tab);
    Minima->setObjectName(QStringLiteral("Minima"));
    Minima->setWordWrap(true);
    ThicknessView = MakeView(layeredRows_, "ThicknessView", tab);
    // Product names are long: the column keeps a readable width, its tool tip the whole name.
    QHeaderView* header = ThicknessView->horizontalHeader();
    header->setSectionResizeMode(TThicknessModel::kProduct, QHeaderView::Interactive);
    header->resizeSection(TThicknessModel::kProduct, 150);
    Chart = new TThicknessChart(tab);
    Chart->setObjectName(QStringLiteral("Chart"));
    auto* split = new QSplitter(Qt::Vertical, tab);
    split->addWidget(ThicknessView);
    split->addWidget(Chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(Minima);
    layout->addWidget(split, 1);
    return tab;
}

QWidget* TThicknessTableWindow::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    ExportButton = new QPushButton(QStringLiteral("Export CSV..."), row);
    DecimalComma = new QCheckBox(QStringLiteral("\";\" and \",\" decimals"), row);
    PrintButton = new QPushButton(QStringLiteral("Print..."), row);
    PdfButton = new QPushButton(QStringLiteral("PDF..."), row);
    CloseButton = new QPushButton(QStringLiteral("Close"), row);
    HelpButton = new QPushButton(QStringLiteral("Help"), row);
    InputsButton = new QPushButton(QStringLiteral("Hide inputs"), row);
    InputsButton->setObjectName(QStringLiteral("InputsButton"));
    AddToProjectButton = new QPushButton(QStringLiteral("Add to project"), row);
    AddToProjectButton->setObjectName(QStringLiteral("AddToProject"));
    for (QWidget* w : {static_cast<QWidget*>(InputsButton), static_cast<QWidget*>(ExportButton),
                       static_cast<QWidget*>(DecimalComma)})
        layout->addWidget(w);
    layout->addStretch(1);
    for (QPushButton* b : {AddToProjectButton, PrintButton, PdfButton, HelpButton, CloseButton})
        layout->addWidget(b);
    connect(InputsButton, &QPushButton::clicked, this, &TThicknessTableWindow::ToggleInputs);
    connect(HelpButton, &QPushButton::clicked, this, &TThicknessTableWindow::ShowHelp,
            Qt::QueuedConnection);
    // Their dialogs run after the click has been handled, not inside the button's signal.
    connect(ExportButton, &QPushButton::clicked, this, &TThicknessTableWindow::ExportCsv,
            Qt::QueuedConnection);
    connect(PrintButton, &QPushButton::clicked, this, &TThicknessTableWindow::Print,
            Qt::QueuedConnection);
    connect(PdfButton, &QPushButton::clicked, this, &TThicknessTableWindow::SavePdf,
            Qt::QueuedConnection);
    connect(AddToProjectButton, &QPushButton::clicked, this, &TThicknessTableWindow::AddToProject,
            Qt::QueuedConnection);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    return row;
}

// It deletes itself on closing: not while a dialog of its own may still run over it.
void TThicknessTableWindow::closeEvent(QCloseEvent* event) {
    if (ModalWindowAbove(*this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// Nothing to export, print or save while an input is refused: not even an empty table.
void TThicknessTableWindow::EnableOutput(bool on) {
    for (QPushButton* button : {ExportButton, PrintButton, PdfButton, AddToProjectButton})
        button->setEnabled(on);
}

void TThicknessTableWindow::Refuse(const QString& text) {
    EnableOutput(false);
    Status->setText(text);
    thicknessModel_->Clear();
    pipeSizeModel_->SetRows({});
    Chart->SetData({});
    Minima->clear();
}

void TThicknessTableWindow::Recompute() {
    // A layer laid over fixed ones does not touch the medium: its limits are the rows'.
    Inputs->AgainstMedium = Layers->Rows().empty() || Layers->Varied->currentIndex() == 1;
    TableInputsReading reading = Inputs->Read();
    if (!reading.inputs) {
        Refuse(reading.refusal);
        return;
    }
    if (!ReadSystem(reading.inputs->TubeDiameter)) {
        Refuse(kMakeSenseText);
        return;
    }
    ThicknessTableInputs& in = *reading.inputs;
    in.InstalledCost = thicknessModel_->InstalledCosts(in.ThicknessesMm);
    const QString noNominal = NoNominalTable();
    const TToleranceTable* nominal = noNominal.isEmpty() ? NominalTable(pipe_) : nullptr;
    const bool heatLoss = in.MediumTemp > in.AmbientTemp;
    thicknessModel_->SetReading(heatLoss, noNominal);
    pipeSizeModel_->SetReading(heatLoss, noNominal);
    try {
        const ThicknessTable table = BuildTable(in, nominal);
        std::vector<PipeSizeRow> sizes;
        if (pipe_)
            sizes = BuildPipeSizeTable(in, reading.diametersMm, nominal);
        thicknessModel_->SetTable(table);
        pipeSizeModel_->SetRows(std::move(sizes));
        Chart->SetData({table, in.SurfaceTempLimit, in.MaxHeatFlow, pipe_, heatLoss,
                        UnitOf(layerSet_.Object.Kind)});
    } catch (const TermoraError& e) {
        Refuse(QStringLiteral("Calculation failed! Error: ") + QString::fromStdString(e.what()));
        return;
    }
    Status->setText(reading.warning);
    EnableOutput(true);
    ShowMinima();
}

void TThicknessTableWindow::ShowMinima() {
    const ThicknessTable& t = thicknessModel_->Table();
    const ThicknessCriteria& c = t.Criteria;
    // As the condensation forms show their minimum: 0.001 mm for pipes, 0.01 mm for walls.
    const int decimals = pipe_ ? 3 : 2;
    QStringList parts;
    auto add = [&parts, decimals](const char* caption, const CriterionMinimum& m) {
        if (!m.Active)
            return;
        QString part = QLatin1String(caption) + MinimumText(m, decimals) +
                       (m.Unreachable ? QString() : QStringLiteral(" mm"));
        if (const QString also = AlsoMetText(m, decimals); !also.isEmpty())
            part += QStringLiteral(" (") + also + u')';
        parts << part;
    };
    add("No condensation: ", c.Condensation);
    add("Surface temperature limit: ", c.SurfaceTemp);
    add("Maximum heat flow: ", c.HeatFlow);
    auto rowName = [this](int row) {
        return thicknessModel_->data(thicknessModel_->index(row, 0), Qt::DisplayRole).toString() +
               (row > 0 ? QStringLiteral(" mm") : QString());
    };
    const QString chosen =
        t.Chosen >= 0 ? rowName(t.Chosen) : QStringLiteral("no listed thickness meets them all");
    QString text = QStringLiteral("Minimum thickness - ") + parts.join(QStringLiteral("; ")) +
                   QStringLiteral(". Thinnest listed: ") + chosen + u'.';
    Minima->setText(text + layeredMinima_ + EconomicText());
}

// The cheapest row over the life; at the end of the list it is no optimum yet.
QString TThicknessTableWindow::EconomicText() const {
    const ThicknessTable& t = thicknessModel_->Table();
    if (t.Economic < 0)
        return {};
    const TThicknessModel& m = *thicknessModel_;
    QString text = QStringLiteral(" Cheapest over the life (bold): ") +
                   m.data(m.index(t.Economic, 0), Qt::DisplayRole).toString() +
                   (t.Economic > 0 ? QStringLiteral(" mm") : QString());
    float thickest = 0;
    for (const ThicknessRow& row : t.Rows)
        thickest = std::max(thickest, row.Thickness);
    if (t.Economic > 0 && t.Rows[static_cast<size_t>(t.Economic)].Thickness == thickest)
        text += QStringLiteral(", the thickest listed; list thicker layers to find the optimum");
    return text + u'.';
}

// A nominal table is one range's: its products are named only for that material.
QString TThicknessTableWindow::NoNominalTable() const {
    const int index = Inputs->Material->currentIndex();
    const auto& materials = Shared().ReferenceLists.Materials;
    if (index < 0 || index >= static_cast<int>(materials.size()))
        return QStringLiteral("No material chosen.");
    if (Inputs->UserMaterial())
        return QStringLiteral("A typed k-factor has no nominal table.");
    const std::string& name = materials[static_cast<size_t>(index)].Name;
    const TToleranceTable* table = NominalTable(pipe_);
    if (table && TableBelongsTo(*table, name))
        return {};
    return QString::fromStdString(name) + QStringLiteral(" has no nominal table.");
}

void TThicknessTableWindow::ShowHelp() {
    if (HelpWindow().OpenHelpFile(kTableHelp, this) == 0)
        ShowError(QStringLiteral("no help available!"), this);
}

void TThicknessTableWindow::ToggleInputs() {
    const bool show = !InputPanel->isVisible();
    InputPanel->setVisible(show);
    InputsButton->setText(show ? QStringLiteral("Hide inputs") : QStringLiteral("Show inputs"));
}

TThicknessTableWindow* OpenThicknessTable(bool pipe, QWidget* parent) {
    auto* window = new TThicknessTableWindow(pipe, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}
