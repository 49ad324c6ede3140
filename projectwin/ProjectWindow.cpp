#include "projectwin/ProjectWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AppWindows.h"
#include "app/Fhelp.h"
#include "app/Umessages.h"
#include "projectwin/ChoiceDelegate.h"
#include "projectwin/LineCommands.h"
#include "projectwin/ProjectHead.h"
#include "projectwin/ProjectModel.h"
#include "projectwin/ProjectSession.h"
#include "projectwin/ProjectSummary.h"

namespace {
// The position of this window's page in the configured help files.
constexpr int kProjectHelp = 10;

// How long a computation may take before its progress is shown.
constexpr int kProgressDelayMs = 300;

QTableView* MakeView(QAbstractItemModel* model, const char* name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    return view;
}
} // namespace

TProjectWindow::TProjectWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("ProjectWindow"));
    model_ = new TProjectModel(undo_, this);
    totals_ = new QStandardItemModel(this);
    bom_ = new QStandardItemModel(this);
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->hide();
    statusBar()->addWidget(Status, 1);
    statusBar()->addPermanentWidget(Progress);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(BuildLines());
    split->addWidget(BuildSummary());
    split->setStretchFactor(0, 3);
    setCentralWidget(split);
    BuildActions();
    progressDelay_.setSingleShot(true);
    connect(&progressDelay_, &QTimer::timeout, this,
            [this] { Progress->setVisible(model_->Computing()); });
    connect(model_, &TProjectModel::ComputeStarted, this, &TProjectWindow::ComputeStarted);
    connect(model_, &TProjectModel::ComputeProgress, this, [this](int done, int total) {
        Progress->setRange(0, total);
        Progress->setValue(done);
    });
    // Totals and the bill of materials go over every line: edits handled in one pass of the
    // event loop share one refresh after them, so that typing stays quick on a large plant.
    summaryDelay_.setSingleShot(true);
    summaryDelay_.setInterval(0);
    connect(&summaryDelay_, &QTimer::timeout, this, &TProjectWindow::UpdateSummary);
    connect(model_, &TProjectModel::ResultsChanged, this, &TProjectWindow::ResultsArrived);
    connect(model_, &TProjectModel::ResultsChanged, this, &TProjectWindow::ShowLineStatus);
    connect(model_, &TProjectModel::CellRefused, this, &TProjectWindow::Refused);
    connect(model_, &TProjectModel::HeadChanged, this,
            [this] { Head->Show(model_->Document().Title, model_->Document().Settings); });
    connect(Head, &TProjectHead::Edited, this,
            [this](const TitleBlock& t, const ProjectSettings& s) {
                undo_.push(new TSetHead(*model_, t, s));
            });
    connect(Head, &TProjectHead::Refused, this, &TProjectWindow::Refused);
    connect(&undo_, &QUndoStack::cleanChanged, this, &TProjectWindow::UpdateTitle);
    // A change taken (or undone) ends the explanation of an earlier refusal.
    connect(&undo_, &QUndoStack::indexChanged, this, [this] {
        refusal_.clear();
        ShowLineStatus();
    });
    model_->SetProject(Project{});
    UpdateTitle();
    resize(1200, 760);
}

TProjectWindow::~TProjectWindow() {
    // The commands refer to the model: they go first.
    undo_.clear();
}

QWidget* TProjectWindow::BuildLines() {
    auto* pane = new QWidget(this);
    Head = new TProjectHead(pane);
    Proxy = new QSortFilterProxyModel(this);
    Proxy->setSourceModel(model_);
    Proxy->setSortRole(Qt::UserRole);
    Proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    Proxy->setFilterKeyColumn(-1);
    LinesView = MakeView(Proxy, "LinesView", pane);
    LinesView->setItemDelegate(new TChoiceDelegate(*model_, LinesView));
    LinesView->setSortingEnabled(true);
    LinesView->sortByColumn(-1, Qt::AscendingOrder);
    LinesView->setSelectionBehavior(QAbstractItemView::SelectItems);
    LinesView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LinesView->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    Filter = new QLineEdit(pane);
    Filter->setObjectName(QStringLiteral("Filter"));
    Filter->setPlaceholderText(QStringLiteral("Filter"));
    FilterColumn = new QComboBox(pane);
    FilterColumn->setObjectName(QStringLiteral("FilterColumn"));
    FilterColumn->addItem(QStringLiteral("All columns"));
    for (int c = 0; c < model_->columnCount(); ++c)
        FilterColumn->addItem(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    connect(Filter, &QLineEdit::textChanged, Proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(FilterColumn, &QComboBox::currentIndexChanged, Proxy,
            [this](int index) { Proxy->setFilterKeyColumn(index - 1); });
    connect(LinesView->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        refusal_.clear();
        ShowLineStatus();
    });
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("Filter:"), pane));
    filterRow->addWidget(Filter, 1);
    filterRow->addWidget(FilterColumn);
    auto* layout = new QVBoxLayout(pane);
    layout->addWidget(Head);
    layout->addLayout(filterRow);
    layout->addWidget(LinesView, 1);
    return pane;
}

QWidget* TProjectWindow::BuildSummary() {
    auto* tabs = new QTabWidget(this);
    TotalsView = MakeView(totals_, "TotalsView", tabs);
    BomView = MakeView(bom_, "BomView", tabs);
    tabs->addTab(TotalsView, QStringLiteral("Totals"));
    tabs->addTab(BomView, QStringLiteral("Bill of materials"));
    return tabs;
}

void TProjectWindow::BuildActions() {
    QMenu* project = menuBar()->addMenu(QStringLiteral("Project"));
    FillProjectMenu(*project);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    QToolBar* bar = addToolBar(QStringLiteral("Lines"));
    UndoAction = undo_.createUndoAction(this, QStringLiteral("Undo"));
    RedoAction = undo_.createRedoAction(this, QStringLiteral("Redo"));
    UndoAction->setShortcut(QKeySequence::Undo);
    RedoAction->setShortcut(QKeySequence::Redo);
    auto add = [&](QAction*& action, const QString& text, QKeySequence keys, auto slot) {
        action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        LinesView->addAction(action);
        edit->addAction(action);
        bar->addAction(action);
    };
    edit->addAction(UndoAction);
    edit->addAction(RedoAction);
    edit->addSeparator();
    add(AddAction, QStringLiteral("Add line"), QKeySequence(Qt::CTRL | Qt::Key_Return),
        &TProjectWindow::AddLine);
    add(DuplicateAction, QStringLiteral("Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D),
        &TProjectWindow::DuplicateLines);
    add(DeleteAction, QStringLiteral("Delete lines"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        &TProjectWindow::DeleteLines);
    add(UpAction, QStringLiteral("Move up"), QKeySequence(Qt::ALT | Qt::Key_Up),
        [this] { MoveLines(-1); });
    add(DownAction, QStringLiteral("Move down"), QKeySequence(Qt::ALT | Qt::Key_Down),
        [this] { MoveLines(1); });
    add(CopyAction, QStringLiteral("Copy"), QKeySequence::Copy, &TProjectWindow::CopyLines);
    add(PasteAction, QStringLiteral("Paste"), QKeySequence::Paste, &TProjectWindow::PasteLines);
    add(TableAction, QStringLiteral("Open in thickness table"), QKeySequence(),
        &TProjectWindow::OpenInTable);
    HelpAction = menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("Help"));
    HelpAction->setShortcut(QKeySequence::HelpContents);
    // The help's dialogs run after the action has been handled, not inside its signal.
    connect(HelpAction, &QAction::triggered, this, &TProjectWindow::ShowHelp, Qt::QueuedConnection);
}

void TProjectWindow::ShowHelp() {
    if (HelpWindow().OpenHelpFile(kProjectHelp, this) == 0)
        ShowError(QStringLiteral("no help available!"), this);
}

void TProjectWindow::UpdateTitle() {
    const QString name =
        fileName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(fileName_).fileName();
    setWindowTitle(name + (Modified() ? QStringLiteral("*") : QString()) +
                   QStringLiteral(" - Termora project"));
}

// Shown until the user moves to another cell.
void TProjectWindow::Refused(const QString& reason) {
    refusal_ = reason;
    Status->setText(reason);
}

// The current line's status when it is not "ok", so a refused cell is explained.
void TProjectWindow::ShowLineStatus() {
    if (!refusal_.isEmpty()) {
        Status->setText(refusal_);
        return;
    }
    const QModelIndex current = Proxy->mapToSource(LinesView->currentIndex());
    if (!current.isValid() || model_->Computing()) {
        Status->clear();
        return;
    }
    const LineResult& r = model_->Results()[static_cast<size_t>(current.row())];
    Status->setText(r.State == LineState::Ok
                        ? QString()
                        : QStringLiteral("Line %1: ").arg(current.row() + 1) + r.Status);
}

void TProjectWindow::ComputeStarted() {
    progressDelay_.start(kProgressDelayMs);
}

void TProjectWindow::ResultsArrived() {
    if (model_->Computing())
        return;
    progressDelay_.stop();
    Progress->hide();
    summaryDelay_.start();
}

void TProjectWindow::UpdateSummary() {
    if (model_->Computing())
        return; // the computation's end brings the results again
    FillTotals(*totals_, model_->Document(), model_->Results());
    FillBom(*bom_, model_->Document(), model_->Results());
}

void TProjectWindow::closeEvent(QCloseEvent* event) {
    if (ModalWindowAbove(*this) || !MayDiscard()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// Compiled here, away from the calculation forms' headers (their LineKind).
#include "moc_ProjectWindow.cpp"
