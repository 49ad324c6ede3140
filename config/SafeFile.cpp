#include "config/SafeFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace SafeFile {
namespace {
// QSaveFile refuses some targets itself, without an error number: tell those first.
QString ReasonForTarget(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("a folder of that name is in the way");
    if (target.exists() && !target.isFile())
        return QStringLiteral("it is not a regular file");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("the file is read-only");
    return {};
}

// The reason of the failed step: the error number it left, else what Qt says.
QString ReasonOf(const QSaveFile& file, int error) {
    if (error != 0)
        return ReasonForError(error);
    const QString qt = file.errorString();
    return qt.isEmpty() ? QStringLiteral("the system gave no reason") : qt;
}

Result Failed(const QString& path, const QString& reason) {
    return {false, path, reason};
}
} // namespace

QString Result::Message() const {
    return QStringLiteral("Could not write ") + path + QStringLiteral(": ") + reason + u'.';
}

QString ReasonForError(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EACCES:
    case EPERM:
        return QStringLiteral("no permission to write there");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("the folder does not exist");
    case EISDIR:
        return QStringLiteral("a folder of that name is in the way");
    case ENAMETOOLONG:
        return QStringLiteral("the file name is too long");
    case EFBIG:
        return QStringLiteral("the file is larger than the system allows");
    case EIO:
        return QStringLiteral("the disk reported a fault");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

Result Write(const QString& path, const std::function<bool(QIODevice&)>& fill) {
    // A device or a pipe would be replaced by a plain file, not written into.
    if (const QFileInfo target(path); target.exists() && !target.isFile())
        return Failed(path, ReasonForTarget(path));
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        const QString target = ReasonForTarget(path);
        return Failed(path, target.isEmpty() ? ReasonOf(file, error) : target);
    }
    errno = 0;
    const bool filled = fill(file);
    // The data sits in a buffer until flushed: a full disk shows here, not in write().
    if (file.error() == QFileDevice::NoError && filled)
        file.flush();
    if (file.error() != QFileDevice::NoError) {
        const int error = errno;
        file.cancelWriting();
        return Failed(path, ReasonOf(file, error));
    }
    if (!filled) {
        file.cancelWriting();
        return Failed(path, QStringLiteral("the contents could not be produced"));
    }
    errno = 0;
    if (!file.commit())
        return Failed(path, ReasonOf(file, errno));
    return {true, path, {}};
}

Result Write(const QString& path, const QByteArray& bytes) {
    // A write may stop short without an error (the first bytes went); the next one tells.
    return Write(path, [&bytes](QIODevice& device) {
        for (qint64 done = 0, n = 0; done < bytes.size(); done += n) {
            n = device.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0)
                return false;
        }
        return true;
    });
}

bool IsDanglingLink(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() && !info.exists();
}

QString CsvSafeCell(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    static const QString triggers = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || !triggers.contains(text.front()) || number.match(text).hasMatch())
        return text;
    return u'\'' + text;
}

QString CsvQuoted(const QString& cell, QChar separator) {
    const bool plain = !cell.contains(separator) && !cell.contains(u'"') && !cell.contains(u'\n') &&
                       !cell.contains(u'\r') && cell.trimmed() == cell;
    if (plain)
        return cell;
    QString doubled = cell;
    doubled.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

} // namespace SafeFile
