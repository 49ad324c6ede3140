#include "config/Tntinifiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "engine/Errors.h"

namespace {

QString Decode(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding);
    return decoder.decode(bytes);
}

QString DecodeWithoutMark(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end is an error too, not silently dropped.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder ansi("windows-1252");
    if (!ansi.isValid()) // a Qt without ICU: the nearest single-byte reading
        return QString::fromLatin1(bytes);
    return ansi.decode(bytes);
}

} // namespace

QString DecodeText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (bytes.startsWith("\xFF\xFE"))
        return Decode(QStringConverter::Utf16LE, view.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return Decode(QStringConverter::Utf16BE, view.sliced(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Decode(QStringConverter::Utf8, view.sliced(3));
    return DecodeWithoutMark(bytes);
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n' && c != u'\x2028')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

namespace {
QString TooLarge() {
    return QStringLiteral("larger than %1 MB").arg(kDataFileLimit / (1024 * 1024));
}
} // namespace

QString DataFileProblem(const QString& fileName) {
    const QFileInfo info(fileName); // follows symbolic links to what they name
    if (!info.exists() || info.isDir())
        return {}; // opening reports these
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (info.size() > kDataFileLimit)
        return TooLarge();
    return {};
}

DataFile ReadDataFile(const QString& fileName) {
    DataFile read;
    read.Problem = DataFileProblem(fileName);
    if (!read.Problem.isEmpty())
        return read;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        read.SystemError = file.errorString();
        return read;
    }
    // Never more than the limit, should the file grow after the look at it.
    QByteArray bytes = file.read(kDataFileLimit + 1);
    if (file.error() != QFileDevice::NoError)
        read.SystemError = file.errorString();
    else if (bytes.size() > kDataFileLimit)
        read.Problem = TooLarge();
    else
        read.Bytes = std::move(bytes);
    return read;
}

QString CannotOpenText(const QString& fileName, const DataFile& read) {
    return QStringLiteral("Cannot open file %1: %2")
        .arg(fileName, read.Problem.isEmpty() ? read.SystemError : read.Problem);
}

QStringList ReadTextLines(const QString& fileName) {
    const DataFile read = ReadDataFile(fileName);
    if (!read.Bytes) {
        const QString why =
            read.Problem.isEmpty() ? QString() : QStringLiteral(": ") + read.Problem;
        throw TermoraError(("Cannot open file " + fileName + why).toStdString());
    }
    return SplitLines(DecodeText(*read.Bytes));
}

QString FileBeside(const QString& directory, const QString& name) {
    if (directory.isEmpty() || directory.endsWith(u'/'))
        return directory + name;
    return directory + u'/' + name;
}

TTntIniFile::TTntIniFile(const QString& fileName) : lines_(ReadTextLines(fileName)) {
    BuildIndex();
}

void TTntIniFile::BuildIndex() {
    nextSameName_.assign(static_cast<size_t>(lines_.size()), -1);
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        QStringView line(std::as_const(lines_)[i]);
        if (line.startsWith(u'[') && line.endsWith(u']') && !firstHeader_.contains(line))
            firstHeader_.insert(line, i);
        qsizetype eq = line.indexOf(u'=');
        QStringView name = eq < 0 ? QStringView() : line.first(eq);
        auto it = nameChain_.find(name);
        if (it == nameChain_.end()) {
            nameChain_.insert(name, {i, i});
        } else {
            nextSameName_[static_cast<size_t>(it->second)] = i;
            it->second = i;
        }
    }
}

qsizetype TTntIniFile::FindLine(const QString& section, const QString& key) const {
    const QString header = u'[' + section + u']';
    auto headerAt = firstHeader_.constFind(QStringView(header));
    auto chain = nameChain_.constFind(QStringView(key));
    if (headerAt == firstHeader_.cend() || chain == nameChain_.cend())
        return -1;
    for (qsizetype i = chain->first; i >= 0; i = nextSameName_[static_cast<size_t>(i)]) {
        if (i >= *headerAt)
            return i;
    }
    return -1;
}

QString TTntIniFile::ReadValue(const QString& section, const QString& key,
                               const QString& defaultValue) const {
    const qsizetype i = FindLine(section, key);
    if (i < 0)
        return defaultValue;
    const QString& line = lines_[i];
    qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.mid(eq + 1);
}

qsizetype TTntIniFile::LineOf(const QString& section, const QString& key) const {
    return FindLine(section, key) + 1;
}
