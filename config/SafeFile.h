#pragma once
// Every file the program writes goes through here. A file is written whole or not at all
// (QSaveFile: a temporary file beside the target, renamed over it when complete), so a full
// disk or a lost drive never leaves a cut-off file, and a file already there survives a
// failed write untouched. A failure comes back with its reason in the user's words, ready
// for a message box.
//
//   const SafeFile::Result saved = SafeFile::Write(path, bytes);
//   if (!saved.ok)
//       ShowError(saved.Message(), parent); // "Could not write /x/a.csv: the disk is full."
//
// Also here: the cell escaping every CSV file needs, and the check for a dangling symbolic
// link, which a save dialog's overwrite question does not see.
#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace SafeFile {

struct Result {
    bool ok = false;
    QString path;   // the file asked for
    QString reason; // why it failed, e.g. "the disk is full"; empty on success

    // "Could not write <path>: <reason>."
    QString Message() const;
};

// Writes bytes to path atomically. A symbolic link as the target is followed: the file it
// points to is replaced, the link stays. A target that exists but is no regular file (a
// folder, a device such as /dev/full, a named pipe) is refused and left as it is.
Result Write(const QString& path, const QByteArray& bytes);

// The same for contents produced by fill, which writes into the open device and returns
// false to abandon the file (nothing is written then; the reason is "the contents could not
// be produced").
Result Write(const QString& path, const std::function<bool(QIODevice&)>& fill);

// The reason for an operating system error number (errno) in the user's words; an unknown
// number falls back to the system's own text.
QString ReasonForError(int error);

// Whether path is a symbolic link whose target does not exist: saving there creates a file
// elsewhere, so it deserves the overwrite question of an existing file.
bool IsDanglingLink(const QString& path);

// A CSV cell's text made safe for a spreadsheet: a text beginning with "=", "+", "-", "@",
// a tab or a carriage return would run as a formula, so it gets a leading apostrophe.
// Numbers ("-12.5", "-12,5", "+3", "1e-3") stay as they are. Quoting for the separator
// is CsvQuoted's.
QString CsvSafeCell(const QString& text);

// A cell as delimited text holds it: in quotes ("" for a quote inside) when it holds the
// separator, a quote or a line break, or begins or ends with white space that a
// spreadsheet would trim; otherwise as it is.
QString CsvQuoted(const QString& cell, QChar separator);

} // namespace SafeFile
