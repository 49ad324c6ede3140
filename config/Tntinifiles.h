#pragma once
// Text files of the configuration and the thickness tables: read whole, decoded by their
// byte-order mark, split into lines; and the reader of "[section]" / "name=value" files.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

// UTF-16 LE/BE or UTF-8 by their byte-order mark; without one, valid UTF-8 is UTF-8 and
// anything else is Windows-1252, the code page such files are written in.
QString DecodeText(const QByteArray& bytes);

// Splits at CR LF, CR, LF and U+2028; a terminator at the very end starts no further line.
QStringList SplitLines(const QString& text);

// The largest data file read (text, pictures, help pages): far above any real one.
inline constexpr qint64 kDataFileLimit = 32 * 1024 * 1024;

// Why a data file that exists must not be read: "" when it may be (or when it is missing,
// which opening reports). Only regular files up to kDataFileLimit are read: a named pipe
// would block start-up for ever, a device such as /dev/zero would fill the memory.
QString DataFileProblem(const QString& fileName);

// A data file read whole within those bounds. Without Bytes, Problem holds the
// DataFileProblem, or, when that is empty, SystemError why opening or reading failed.
struct DataFile {
    std::optional<QByteArray> Bytes;
    QString Problem;
    QString SystemError;
};
DataFile ReadDataFile(const QString& fileName);
// "Cannot open file <fileName>: <why>" for a file ReadDataFile did not read.
QString CannotOpenText(const QString& fileName, const DataFile& read);
// A file read as ReadDataFile reads it and given to parse(bytes); a Result whose Error is the
// CannotOpenText when it could not be read.
template <typename Result, typename Parse>
Result ParseDataFile(const QString& fileName, Parse parse) {
    const DataFile read = ReadDataFile(fileName);
    if (read.Bytes)
        return parse(*read.Bytes);
    Result result;
    result.Error = CannotOpenText(fileName, read);
    return result;
}

// Reads the whole file; throws TermoraError "Cannot open file " + fileName, followed by
// ": " and the DataFileProblem when there is one.
QStringList ReadTextLines(const QString& fileName);

// <directory>/<name>, the way files beside the executable are named.
QString FileBeside(const QString& directory, const QString& name);

class TTntIniFile {
public:
    // Loads the file; throws TermoraError "Cannot open file " + fileName.
    explicit TTntIniFile(const QString& fileName);
    TTntIniFile(const TTntIniFile&) = delete;
    TTntIniFile& operator=(const TTntIniFile&) = delete;

    // The text after the first "=" of the first line at or below the first line that is
    // exactly "[section]" whose text before that "=" is exactly key; later section headers
    // do not end the search. defaultValue when there is no such section or line.
    QString ReadValue(const QString& section, const QString& key,
                      const QString& defaultValue) const;

    // The 1-based number of the line that ReadValue reads for section and key; 0 when
    // ReadValue would return its default.
    qsizetype LineOf(const QString& section, const QString& key) const;

private:
    void BuildIndex();
    qsizetype FindLine(const QString& section, const QString& key) const; // -1: none

    QStringList lines_;
    // Lookups are indexed once, so that reading many keys of a large file stays linear.
    QHash<QStringView, qsizetype> firstHeader_; // whole header line -> its first line
    QHash<QStringView, std::pair<qsizetype, qsizetype>> nameChain_; // name -> first, last line
    std::vector<qsizetype> nextSameName_; // line -> next line of the same name, or -1
};
