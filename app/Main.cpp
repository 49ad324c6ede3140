#include "app/Main.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <exception>
#include <memory>

#include "app/AppWindows.h"
#include "app/Fhelp.h"
#include "app/Finfo.h"
#include "app/Fsplash.h"
#include "app/Uclicklabel.h"
#include "app/Ulook.h"
#include "app/Umessages.h"
#include "config/Uconfig.h"
#include "config/Ureport.h"
#include "config/Utolerance.h"
#include "engine/State.h"
#include "forms/Fpipessheets.h"
#include "projectwin/ProjectSession.h"
#include "table/ThicknessTableWindow.h"

namespace {

// One calculation entry: its button in the Pipes or Sheets group and its menu item.
struct Entry {
    const char* button;
    const char* menuItem;
    const char* caption;
    int calculationType;
    int top;
    bool pipes;
};

// In the order of the groups and of the menus.
constexpr std::array<Entry, 8> kEntryTable = {{
    {"button_heatloss_pipes", "Menu_Pipes_HeatLoss", "Heat Loss", 2, 24, true},
    {"button_thickness_pipes", "Menu_Pipes_ThicknessofInsulation", "Condensation Prevention", 0, 56,
     true},
    {"button_surface_pipes", "Menu_Pipes_SurfaceTemperature", "Surface Temperature", 1, 88, true},
    {"button_temperature_drop_pipes", "Menu_Pipes_TemperatureDrop", "Temperature Drop", 3, 120,
     true},
    {"button_freeze_pipes", "Menu_Pipes_FreezingTime", "Time To Freeze", 4, 152, true},
    {"button_heatloss_sheets", "Menu_Sheets_HeatLoss", "Heat Loss", 6, 24, false},
    {"button_thickness_sheets", "Menu_Sheets_ThicknessofInsulation", "Condensation Prevention", 5,
     56, false},
    {"button_surface_sheets", "Menu_Sheets_SurfaceTemperature", "Surface Temperature", 7, 88,
     false},
}};

constexpr int kGeneralHelp = 8;

// What the load of the configuration left out and all its doubtful entries, in one message;
// the program goes on with what it has.
void ReportLoad(const TConfigLoad& load, QWidget* parent) {
    if (load.gaps.isEmpty() && load.findings.empty())
        return;
    QStringList heading = load.gaps;
    if (!load.findings.empty())
        heading << QStringLiteral("These entries of Termora.ini cannot be right; "
                                  "calculations with them give wrong results:");
    QStringList lines;
    for (const TConfigFinding& finding : load.findings)
        lines << DescribeFinding(finding);
    ShowWarningList(heading.join(u'\n'), lines, parent);
}

bool FontInstalled(const QString& family) {
    return QFontDatabase::hasFamily(family);
}

// A group box filling a lowered panel, as the three groups of the window sit.
QGroupBox* MakeGroup(QWidget* client, const char* name, const QRect& panelPlace) {
    auto* panel = new QFrame(client);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setGeometry(panelPlace);
    auto* group = new QGroupBox(panel);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(4, 2, panelPlace.width() - 8, panelPlace.height() - 6);
    return group;
}

QAction* MakeAction(QObject* parent, const char* name) {
    auto* action = new QAction(parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

Tfrm_Main::Tfrm_Main(QWidget* parent) : QMainWindow(parent) {
    Shared().WorkingValues = TWorkingValues{};
    setObjectName(QStringLiteral("frm_Main"));
    auto* client = new QWidget(this);
    client->setFixedSize(562, 426);
    ApplyCream(*client);
    setCentralWidget(client);
    BuildLabels(client);
    BuildGroups(client);
    BuildMenu();
    BuildEntries();
    BuildTableItems();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfrm_Main::BuildLabels(QWidget* client) {
    Label1 = MakeLabel(client, "Label1", {20, 54, 410, 60}, Look::kGreen, 44);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = MakeLabel(client, "Label2", {17, 152, 527, 20}, Look::kMaroon, 17);
    Label2->setAlignment(Qt::AlignCenter);
    Image1 = new TClickLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(448, 26, 89, 113);
    connect(Image1, &TClickLabel::clicked, this, &Tfrm_Main::Image1Click);
}

void Tfrm_Main::BuildGroups(QWidget* client) {
    GroupBox1 = MakeGroup(client, "GroupBox1", {27, 206, 250, 210});
    GroupBox2 = MakeGroup(client, "GroupBox2", {291, 206, 250, 131});
    GroupBox3 = MakeGroup(client, "GroupBox3", {291, 342, 250, 73});
    button_main_info = MakeButton(GroupBox3, "button_main_info", {18, 23, 95, 25});
    button_main_end = MakeButton(GroupBox3, "button_main_end", {132, 23, 95, 25});
    connect(button_main_info, &QPushButton::clicked, this, &Tfrm_Main::button_main_infoClick);
    connect(button_main_end, &QPushButton::clicked, this, &QWidget::close);
}

// Each calculation has its button in the Pipes or Sheets group and its item in the menu
// of the same name.
void Tfrm_Main::BuildEntries() {
    for (size_t i = 0; i < kEntryTable.size(); ++i) {
        const Entry& entry = kEntryTable[i];
        const bool condensation = entry.calculationType == 0 || entry.calculationType == 5;
        QRect place(16, entry.top, entry.pipes ? 205 : 206, condensation ? 26 : 25);
        entryButtons_[i] = MakeButton(entry.pipes ? GroupBox1 : GroupBox2, entry.button, place);
        QMenu* menu = entry.pipes ? Menu_Pipes : Menu_Sheets;
        entryActions_[i] = MakeAction(menu, entry.menuItem);
        menu->addAction(entryActions_[i]);
        const auto open = [this, type = entry.calculationType] { CalculationEntryClick(type); };
        connect(entryButtons_[i], &QPushButton::clicked, this, open);
        connect(entryActions_[i], &QAction::triggered, this, open);
    }
}

// The thickness table closes each menu, after the calculations.
void Tfrm_Main::BuildTableItems() {
    Menu_Pipes_ThicknessTable = MakeAction(Menu_Pipes, "Menu_Pipes_ThicknessTable");
    Menu_Sheets_ThicknessTable = MakeAction(Menu_Sheets, "Menu_Sheets_ThicknessTable");
    Menu_Pipes->addAction(Menu_Pipes_ThicknessTable);
    Menu_Sheets->addAction(Menu_Sheets_ThicknessTable);
    connect(Menu_Pipes_ThicknessTable, &QAction::triggered, this,
            [this] { OpenThicknessTable(true, this); });
    connect(Menu_Sheets_ThicknessTable, &QAction::triggered, this,
            [this] { OpenThicknessTable(false, this); });
}

void Tfrm_Main::BuildMenu() {
    Menu_Pipes = menuBar()->addMenu(QString());
    Menu_Pipes->setObjectName(QStringLiteral("Menu_Pipes"));
    Menu_Sheets = menuBar()->addMenu(QString());
    Menu_Sheets->setObjectName(QStringLiteral("Menu_Sheets"));
    Menu_Project = menuBar()->addMenu(QString());
    Menu_Project->setObjectName(QStringLiteral("Menu_Project"));
    FillProjectMenu(*Menu_Project);
    Menu_Info = MakeAction(this, "Menu_Info");
    Help1 = MakeAction(this, "Help1");
    Menu_End = MakeAction(this, "Menu_End");
    menuBar()->addAction(Menu_Info);
    menuBar()->addAction(Help1);
    menuBar()->addAction(Menu_End);
    connect(Menu_Info, &QAction::triggered, this, &Tfrm_Main::button_main_infoClick);
    connect(Help1, &QAction::triggered, this, &Tfrm_Main::Help1Click);
    connect(Menu_End, &QAction::triggered, this, &QWidget::close);
}

void Tfrm_Main::FormCreate(const QString& dataDirectory) {
    // Numbers already read and write "." (set up right after the application object).
    ReportLoad(LoadConfigurationReport(dataDirectory, &FontInstalled), this);
    LoadPipeTable(dataDirectory);
    LoadSheetTable(dataDirectory);
    ShowPicture(*Image1, QDir(dataDirectory).filePath(QStringLiteral("logo1.bmp")));
}

void Tfrm_Main::SetCaptions() {
    setWindowTitle(QStringLiteral("Termora 5"));
    Label1->setText(QStringLiteral("Termora ") + QStringLiteral(" 5.0"));
    Label2->setText(QStringLiteral("Calculations for Thermal Insulation Applications"));
    GroupBox1->setTitle(QStringLiteral("Pipes"));
    GroupBox2->setTitle(QStringLiteral("Sheets"));
    GroupBox3->setTitle(QStringLiteral("Control"));
    button_main_info->setText(QStringLiteral("About"));
    button_main_end->setText(QStringLiteral("Close"));
    for (size_t i = 0; i < kEntryTable.size(); ++i) {
        entryButtons_[i]->setText(QString::fromUtf8(kEntryTable[i].caption));
        entryActions_[i]->setText(QString::fromUtf8(kEntryTable[i].caption));
    }
    Menu_Pipes_ThicknessTable->setText(QStringLiteral("Thickness table"));
    Menu_Sheets_ThicknessTable->setText(QStringLiteral("Thickness table"));
    Menu_Pipes->setTitle(QStringLiteral("Pipes"));
    Menu_Sheets->setTitle(QStringLiteral("Sheets"));
    Menu_Project->setTitle(QStringLiteral("Project"));
    Menu_Info->setText(QStringLiteral("About"));
    Help1->setText(QStringLiteral("Help"));
    Menu_End->setText(QStringLiteral("Close"));
}

void Tfrm_Main::showEvent(QShowEvent* event) {
    SetCaptions();
    ApplyGlobalFont(*this);
    QMainWindow::showEvent(event);
    if (!splashPending_)
        return;
    splashPending_ = false;
    if (const QScreen* where = screen())
        move(where->availableGeometry().center() - rect().center());
    // After this showing has been painted, so the main window stands behind the splash.
    QTimer::singleShot(0, this, &Tfrm_Main::ShowSplash);
}

void Tfrm_Main::ShowSplash() {
    ExecModal(SplashWindow());
}

void Tfrm_Main::closeEvent(QCloseEvent* event) {
    if (ModalWindowAbove(*this) ||
        !AskYesNo(QStringLiteral("Are you sure to close the program?"), QStringLiteral("Termora"),
                  this) ||
        !MayQuitWithProject()) {
        event->ignore();
        return;
    }
    event->accept();
    Shared().ReferenceLists = TReferenceLists{};
    emit Closed();
}

// One calculation form at a time: an assistive tool can press an entry past the modality
// of an open form or dialog, and a second form would take the first one's shared lines.
void Tfrm_Main::CalculationEntryClick(int calculationType) {
    if (ModalWindowAbove(*this))
        return;
    try {
        Shared().CalculationType = calculationType;
        // The form is a child of this window; whichever goes first takes it along.
        QPointer<TPipeForm> form = new TPipeForm(this);
        const auto release = qScopeGuard([&form] { delete form.data(); });
        ExecModal(*form);
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Cannot show calculation form! Error: ") + ErrorText(e), this);
    }
}

void Tfrm_Main::button_main_infoClick() {
    Tfrm_Info& info = InfoWindow();
    info.show();
    info.raise();
    info.activateWindow();
}

void Tfrm_Main::Help1Click() {
    if (HelpWindow().OpenHelpFile(kGeneralHelp, this) == 0)
        ShowError(QStringLiteral("no help available!"), this);
}

void Tfrm_Main::Image1Click() {
    OpenMakersWebSite();
}
