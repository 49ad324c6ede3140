#include "project/ProjectFile.h"

#include <QSaveFile>

QString WriteFileAtomically(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot save file %1: %2").arg(fileName, file.errorString());
    return {};
}

QString SaveProject(const Project& project, const QString& fileName) {
    return WriteFileAtomically(fileName, ProjectToJson(project));
}
