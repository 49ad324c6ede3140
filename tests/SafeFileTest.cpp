// Files written whole or not at all, and CSV cells a spreadsheet cannot run.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "config/SafeFile.h"
#include "support/FileSizeLimit.h"

namespace {
QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Targets that fail also for root (who passes every permission check): the reason is
// told, the file that was there survives, no temporary file is left behind.
TEST(SafeFile, FailuresSayWhyAndKeepWhatWasThere) {
    QTemporaryDir dir;
    const QString old = dir.filePath("old.csv");
    ASSERT_TRUE(SafeFile::Write(old, "old").ok);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.csv"));
    ASSERT_EQ(mkfifo(dir.filePath("pipe.csv").toLocal8Bit().constData(), 0600), 0);
    const std::pair<QString, const char*> cases[] = {
        {dir.filePath("folder.csv"), "a folder of that name is in the way"},
        {dir.filePath("no/a.csv"), "the folder does not exist"},
        {old + "/a.csv", "the folder does not exist"},
        {dir.filePath(QString(300, u'n')), "the file name is too long"},
        {dir.filePath("pipe.csv"), "it is not a regular file"},
        {"/dev/full", "it is not a regular file"}};
    for (const auto& [path, reason] : cases) {
        const SafeFile::Result r = SafeFile::Write(path, "new");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.Message(), "Could not write " + path + ": " + reason + ".");
    }
    FileSizeLimit full(4096); // a write failing half-way
    const SafeFile::Result r = SafeFile::Write(old, QByteArray(100000, 'x'));
    EXPECT_EQ(r.reason, "the file is larger than the system allows");
    EXPECT_EQ(Contents(old), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
              (QStringList{"folder.csv", "old.csv", "pipe.csv"}));
}

TEST(SafeFile, CsvFormulasGetAnApostropheNumbersStayNumbers) {
    for (const char* text : {"=HYPERLINK(\"x\")", "+A1", "-/-", "@SUM(A1)", "\tx", "\rx", "-"})
        EXPECT_EQ(SafeFile::CsvSafeCell(text), "'" + QString(text));
    for (const char* text : {"-12.5", "-12,5", "+3", "-1.5e-3", "-.5", "6 x 6 mm", "", "a=1"})
        EXPECT_EQ(SafeFile::CsvSafeCell(text), text);
}
} // namespace
