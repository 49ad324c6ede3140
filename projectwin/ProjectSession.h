#pragma once
// The one open project of the program: its window, the "Project" menu that works on it, the
// recently opened files, and the thickness table's "Add to project".
#include <QString>
#include <QStringList>

struct Line;
class QMenu;
class TProjectWindow;

// The open project's window, or none.
TProjectWindow* CurrentProjectWindow();
// The open project's window, with a new project when none is open; shown and raised.
TProjectWindow& ProjectWindowShown();

// New, Open..., Open Recent, Save, Save As..., Import line list..., Export..., Print...,
// Close project; the items that need an open project are disabled while none is.
void FillProjectMenu(QMenu& menu);

// Opens a file as the project (the command line's file); false when it was refused.
bool OpenProjectFile(const QString& path);
// The thickness table's job as a new line of the open project (a new one when none is).
void AddLineToProject(const Line& line);

// Before the program ends: false when unsaved changes are to be kept (the user went back).
bool MayQuitWithProject();
// Closes the project's window without asking (the program is ending).
void DestroyProjectWindow();

QStringList RecentProjects();
void RememberRecentProject(const QString& path);
