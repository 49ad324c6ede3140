#include "project/ProjectFile.h"

#include "config/SafeFile.h"

QString WriteFileAtomically(const QString& fileName, const QByteArray& bytes) {
    const SafeFile::Result written = SafeFile::Write(fileName, bytes);
    return written.ok ? QString() : written.Message();
}

QString SaveProject(const Project& project, const QString& fileName) {
    return WriteFileAtomically(fileName, ProjectToJson(project));
}
