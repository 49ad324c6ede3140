// ReadValue of the "[section]" / "name=value" reader against a line-by-line reading of its
// contract, for sections and names taken from the file itself.
#include <QStringList>
#include <algorithm>

#include "FuzzSupport.h"
#include "config/Tntinifiles.h"

namespace {

const QString kDefault = QStringLiteral("\x01"
                                        "default");

// The first line at or below the first exact "[section]" line whose text before its first
// "=" is key gives the text after that "=".
QString Reference(const QStringList& lines, const QString& section, const QString& key) {
    const qsizetype header = lines.indexOf(u'[' + section + u']');
    if (header < 0)
        return kDefault;
    for (qsizetype i = header; i < lines.size(); ++i) {
        const qsizetype eq = lines[i].indexOf(u'=');
        if (eq >= 0 && lines[i].first(eq) == key)
            return lines[i].mid(eq + 1);
    }
    return kDefault;
}

// Up to eight sections and eight names that occur in the file, and one of each that does not.
void Candidates(const QStringList& lines, QStringList& sections, QStringList& keys) {
    for (const QString& line : lines) {
        if (sections.size() < 8 && line.startsWith(u'[') && line.endsWith(u']') && line.size() > 1)
            sections << line.mid(1, line.size() - 2);
        const qsizetype eq = line.indexOf(u'=');
        if (keys.size() < 8 && eq > 0)
            keys << line.first(eq);
    }
    sections << QStringLiteral("Absent");
    keys << QStringLiteral("Absent");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Bytes(data, size);
    WriteFile(QStringLiteral("values.ini"), bytes);
    const TTntIniFile ini(RunDir().filePath(QStringLiteral("values.ini")));
    const QStringList lines = SplitLines(DecodeText(bytes));
    QStringList sections, keys;
    Candidates(lines, sections, keys);
    for (const QString& section : std::as_const(sections))
        for (const QString& key : std::as_const(keys))
            Require(ini.ReadValue(section, key, kDefault) == Reference(lines, section, key),
                    "ReadValue finds what its contract names");
    return 0;
}
