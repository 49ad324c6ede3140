// The program finds its data beside itself (build or copied folder) or, installed, in
// ../share/termora relative to itself, whatever the prefix.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "config/Udatafolder.h"

namespace {

class DataFolderTest : public ::testing::Test {
protected:
    QTemporaryDir root_;

    QString Folder(const QString& relative) {
        const QString path = QDir::cleanPath(root_.filePath(relative));
        EXPECT_TRUE(QDir().mkpath(path));
        return path;
    }
    QString FolderWithData(const QString& relative) {
        const QString folder = Folder(relative);
        QFile ini(QDir(folder).filePath("Termora.ini"));
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        return folder;
    }
};

} // namespace

TEST_F(DataFolderTest, DataBesideTheExecutableComeFirst) {
    const QString bin = FolderWithData("opt/bin");
    FolderWithData("opt/share/termora");
    EXPECT_EQ(DataFolderFor(bin), bin);
}

TEST_F(DataFolderTest, InstalledTreeReadsShareTermoraUnderAnyPrefix) {
    for (const QString prefix : {"usr", "usr/local", "home/eng/apps"}) {
        const QString bin = Folder(prefix + "/bin");
        const QString data = FolderWithData(prefix + "/share/termora");
        EXPECT_EQ(DataFolderFor(bin), data) << prefix.toStdString();
    }
}

TEST_F(DataFolderTest, AFolderWithoutTheConfigurationDoesNotCount) {
    const QString bin = Folder("usr/bin");
    Folder("usr/share/termora/HELP"); // help pages alone are no data folder
    QFile picture(QDir(bin).filePath("logo1.bmp"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    // Nothing found: the executable's folder, so missing-file messages name it.
    EXPECT_EQ(DataFolderFor(bin), bin);
}

TEST_F(DataFolderTest, RunningProgramUsesTheBuildFolderData) {
    // The tests run from the build folder, which holds the shipped data.
    EXPECT_TRUE(QFile::exists(InDataFolder("Termora.ini")));
    EXPECT_TRUE(QFile::exists(InDataFolder("tt_p.txt")));
    EXPECT_TRUE(QFile::exists(QDir(DataFolder()).filePath("HELP/termora.html")));
}
