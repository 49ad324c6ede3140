#include "projectwin/ProjectSession.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QSettings>

#include "project/Project.h"
#include "projectwin/ProjectWindow.h"

namespace {
constexpr int kRecentCount = 8;
const QString kRecentKey = QStringLiteral("projects/recent");

QPointer<TProjectWindow>& TheWindow() {
    static QPointer<TProjectWindow> window;
    return window;
}

QSettings Settings() {
    return QSettings(QStringLiteral("Termora"), QStringLiteral("Termora"));
}

template <typename Slot> void WithWindow(Slot slot) {
    if (TProjectWindow* window = CurrentProjectWindow())
        (window->*slot)();
}

void FillRecent(QMenu& recent) {
    recent.clear();
    for (const QString& path : RecentProjects())
        QObject::connect(recent.addAction(QDir::toNativeSeparators(path)), &QAction::triggered,
                         [path] { ProjectWindowShown().OpenFile(path); });
    recent.setEnabled(!recent.isEmpty());
}
} // namespace

TProjectWindow* CurrentProjectWindow() {
    return TheWindow().data();
}

TProjectWindow& ProjectWindowShown() {
    QPointer<TProjectWindow>& window = TheWindow();
    if (!window) {
        window = new TProjectWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

void FillProjectMenu(QMenu& menu) {
    auto add = [&menu](const QString& text, const char* name, auto run) {
        QAction* action = menu.addAction(text);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, action, run);
        return action;
    };
    add(QStringLiteral("New"), "Menu_Project_New", [] { ProjectWindowShown().NewProject(); });
    add(QStringLiteral("Open..."), "Menu_Project_Open", [] { ProjectWindowShown().OpenDialog(); });
    QMenu* recent = menu.addMenu(QStringLiteral("Open Recent"));
    recent->setObjectName(QStringLiteral("Menu_Project_Recent"));
    QList<QAction*> needProject{
        add(QStringLiteral("Save"), "Menu_Project_Save", [] { WithWindow(&TProjectWindow::Save); }),
        add(QStringLiteral("Save As..."), "Menu_Project_SaveAs",
            [] { WithWindow(&TProjectWindow::SaveAs); }),
        add(QStringLiteral("Import line list..."), "Menu_Project_Import",
            [] { WithWindow(&TProjectWindow::ImportDialog); }),
        add(QStringLiteral("Export..."), "Menu_Project_Export",
            [] { WithWindow(&TProjectWindow::ExportDialog); }),
        add(QStringLiteral("Print..."), "Menu_Project_Print",
            [] { WithWindow(&TProjectWindow::Print); }),
        add(QStringLiteral("Close project"), "Menu_Project_Close",
            [] { WithWindow(&QWidget::close); })};
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [needProject, recent] {
        for (QAction* action : needProject)
            action->setEnabled(CurrentProjectWindow() != nullptr);
        FillRecent(*recent);
    });
}

bool OpenProjectFile(const QString& path) {
    return ProjectWindowShown().OpenFile(QFileInfo(path).absoluteFilePath());
}

void AddLineToProject(const Line& line) {
    ProjectWindowShown().AppendLine(line);
}

bool MayQuitWithProject() {
    TProjectWindow* window = CurrentProjectWindow();
    return !window || window->MayDiscard();
}

void DestroyProjectWindow() {
    delete TheWindow().data();
}

QStringList RecentProjects() {
    return Settings().value(kRecentKey).toStringList();
}

void RememberRecentProject(const QString& path) {
    QStringList recent = RecentProjects();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentCount)
        recent.removeLast();
    Settings().setValue(kRecentKey, recent);
}
