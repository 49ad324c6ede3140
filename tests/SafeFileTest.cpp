// Files written whole or not at all, failures told in the user's words, and CSV cells a
// spreadsheet cannot run.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

#include "config/SafeFile.h"
#include "support/FileSizeLimit.h"

namespace {
QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SafeFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString File(const QString& name) const { return dir.filePath(name); }
    // Nothing but the named entries: no temporary file left behind.
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
    }
};

TEST_F(SafeFileTest, WritesNewFilesReplacesOldOnesAndFollowsLinks) {
    const QString path = File("a.csv");
    EXPECT_TRUE(SafeFile::Write(path, "first\n").ok);
    EXPECT_EQ(Contents(path), "first\n");
    const SafeFile::Result second = SafeFile::Write(path, "second\n");
    EXPECT_TRUE(second.ok && second.reason.isEmpty());
    EXPECT_EQ(Contents(path), "second\n");
    ASSERT_TRUE(QFile::link(path, File("link.csv")));
    EXPECT_TRUE(SafeFile::Write(File("link.csv"), "third\n").ok);
    EXPECT_TRUE(QFileInfo(File("link.csv")).isSymLink());
    EXPECT_EQ(Contents(path), "third\n");
    EXPECT_EQ(Entries(), (QStringList{"a.csv", "link.csv"}));
}

// Targets that cannot be written, also as root (who passes any permission check).
TEST_F(SafeFileTest, RefusedTargetsSayWhyAndChangeNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.csv"));
    Put(File("plain"), "plain");
    ASSERT_EQ(mkfifo(File("pipe.csv").toLocal8Bit().constData(), 0600), 0);
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {File("folder.csv"), "a folder of that name is in the way"},
        {File("missing/a.csv"), "the folder does not exist"},
        {File("plain/a.csv"), "the folder does not exist"},
        {File(QString(300, u'n') + ".csv"), "the file name is too long"},
        {File("pipe.csv"), "it is not a regular file"},
        {QStringLiteral("/dev/full"), "it is not a regular file"},
    };
    for (const auto& c : cases) {
        const SafeFile::Result r = SafeFile::Write(c.path, "data");
        EXPECT_FALSE(r.ok) << c.path.toStdString();
        EXPECT_EQ(r.reason, c.reason) << c.path.toStdString();
        EXPECT_EQ(r.Message(), "Could not write " + c.path + ": " + c.reason + ".");
    }
    EXPECT_EQ(Entries(), (QStringList{"folder.csv", "pipe.csv", "plain"}));
    EXPECT_EQ(Contents(File("plain")), "plain");
    EXPECT_TRUE(QFileInfo(File("pipe.csv")).isSymLink() == false &&
                !QFileInfo(File("pipe.csv")).isFile());
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

// A write that fails half-way (here the process's file size limit stands in for a full
// disk) keeps the old file, leaves no temporary file and says so.
TEST_F(SafeFileTest, AWriteFailingHalfWayKeepsTheOldFile) {
    const QString path = File("table.pdf");
    Put(path, "old contents");
    SafeFile::Result r;
    {
        FileSizeLimit full(4096);
        ASSERT_TRUE(full.Active());
        r = SafeFile::Write(path, QByteArray(100000, 'x'));
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "the file is larger than the system allows");
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(Entries(), QStringList{"table.pdf"});
}

TEST_F(SafeFileTest, AbandonedContentsKeepTheOldFile) {
    const QString path = File("table.csv");
    Put(path, "old");
    const SafeFile::Result r = SafeFile::Write(path, [](QIODevice& device) {
        device.write("half a ta");
        return false;
    });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "the contents could not be produced");
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Entries(), QStringList{"table.csv"});
}

TEST(SafeFileReasons, FullReadOnlyAndForbiddenInPlainWords) {
    EXPECT_EQ(SafeFile::ReasonForError(ENOSPC), "the disk is full");
    EXPECT_EQ(SafeFile::ReasonForError(EROFS), "the disk is read-only");
    EXPECT_EQ(SafeFile::ReasonForError(EACCES), "no permission to write there");
    EXPECT_FALSE(SafeFile::ReasonForError(EXDEV).isEmpty());
}

TEST(SafeFileDanglingLink, OnlyALinkToNothingIsDangling) {
    QTemporaryDir dir;
    const QString link = dir.filePath("link.csv");
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere.csv"), link));
    EXPECT_TRUE(SafeFile::IsDanglingLink(link));
    Put(dir.filePath("nowhere.csv"), "x");
    EXPECT_FALSE(SafeFile::IsDanglingLink(link));
    EXPECT_FALSE(SafeFile::IsDanglingLink(dir.filePath("nowhere.csv")));
    EXPECT_FALSE(SafeFile::IsDanglingLink(dir.filePath("absent.csv")));
}

TEST(CsvSafeCell, FormulasGetAnApostropheNumbersStayNumbers) {
    const std::pair<QString, QString> cases[] = {
        {"=HYPERLINK(\"http://x\",\"Foam\")", "'=HYPERLINK(\"http://x\",\"Foam\")"},
        {"+A1", "'+A1"},
        {"-/-", "'-/-"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"\rx", "'\rx"},
        {"-", "'-"},
        {"-inf", "'-inf"},
        {"-12.5", "-12.5"},
        {"-12,5", "-12,5"},
        {"+3", "+3"},
        {"-1.5e-3", "-1.5e-3"},
        {"-.5", "-.5"},
        {"12 x 48.3 mm", "12 x 48.3 mm"},
        {"", ""},
        {"Foam =1", "Foam =1"},
    };
    for (const auto& [text, safe] : cases)
        EXPECT_EQ(SafeFile::CsvSafeCell(text), safe) << text.toStdString();
}

// Random texts: a cell changes only by a leading apostrophe, only where a spreadsheet
// would read a formula, and what it keeps unescaped at a trigger reads as a number.
TEST(CsvSafeCell, OnlyFormulaStartsChange) {
    std::mt19937 random(17);
    const QString alphabet = QStringLiteral("=+-@\t\r0123456789.,eEa \"");
    for (int i = 0; i < 20000; ++i) {
        QString text;
        for (int n = random() % 6; n > 0; --n)
            text += alphabet[int(random() % alphabet.size())];
        const QString safe = SafeFile::CsvSafeCell(text);
        const bool trigger = !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text[0]);
        if (safe != text) {
            EXPECT_TRUE(trigger) << text.toStdString();
            EXPECT_EQ(safe, u'\'' + text);
        } else if (trigger) {
            bool number = false;
            QString(text).replace(u',', u'.').toDouble(&number);
            EXPECT_TRUE(number) << text.toStdString();
        }
    }
}
} // namespace
