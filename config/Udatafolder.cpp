#include "config/Udatafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool HoldsData(const QDir& folder) {
    return QFileInfo(folder.filePath(QStringLiteral("Termora.ini"))).isFile();
}

} // namespace

QString DataFolderFor(const QString& executableFolder) {
    const QDir beside(executableFolder);
    if (HoldsData(beside))
        return executableFolder;
    // Installed as <prefix>/bin/termora with the data in <prefix>/share/termora.
    const QDir installed(QDir::cleanPath(beside.filePath(QStringLiteral("../share/termora"))));
    if (HoldsData(installed))
        return installed.path();
    return executableFolder;
}

QString DataFolder() {
    return DataFolderFor(QCoreApplication::applicationDirPath());
}

QString InDataFolder(const QString& fileName) {
    return QDir(DataFolder()).filePath(fileName);
}
