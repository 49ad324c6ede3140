#pragma once
// Where the shipped data (Termora.ini, the thickness tables, pictures and help pages) live.
#include <QString>

// Beside the executable when Termora.ini is there (a build folder or a copied folder),
// otherwise ../share/termora relative to it when Termora.ini is there (an installed tree,
// whatever its prefix). With neither, the folder of the executable, so that the messages
// about missing files name the place looked at first.
QString DataFolderFor(const QString& executableFolder);

// The data folder of the running program (needs the application object).
QString DataFolder();

// A file in the running program's data folder.
QString InDataFolder(const QString& fileName);
