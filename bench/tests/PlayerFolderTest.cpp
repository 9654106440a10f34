#include "PlayerFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

TEST(PlayerFolders, TakeTheCursorsSoundsAndHelpButNeverARecordFile) {
    QTemporaryDir build;
    ASSERT_TRUE(QDir(build.path()).mkdir(QStringLiteral("data")));
    for (const char* name : {"data/Zintok.cur", "data/sound2.wav", "data/record1.dat",
                             "data/record2.dat", "Zintok.html"})
        writeFile(build.filePath(QString::fromLatin1(name)));

    PlayerFolder folder(build.path());
    ASSERT_TRUE(folder.isValid());
    EXPECT_TRUE(folder.path().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo::exists(folder.path() + QStringLiteral("data/Zintok.cur")));
    EXPECT_TRUE(QFileInfo::exists(folder.path() + QStringLiteral("data/sound2.wav")));
    EXPECT_TRUE(QFileInfo::exists(folder.path() + QStringLiteral("Zintok.html")));
    EXPECT_FALSE(QFileInfo::exists(folder.path() + QStringLiteral("data/record1.dat")));
    EXPECT_FALSE(QFileInfo::exists(folder.path() + QStringLiteral("data/record2.dat")));
}

TEST(PlayerFolders, AreInvalidWithoutTheGamesDataAndKeepCopiedProgramsRunnable) {
    QTemporaryDir empty;
    EXPECT_FALSE(PlayerFolder(empty.path()).isValid());

    QTemporaryDir build;
    ASSERT_TRUE(QDir(build.path()).mkdir(QStringLiteral("data")));
    writeFile(build.filePath(QStringLiteral("data/tomei.cur")));
    PlayerFolder folder(build.path());
    const QString copy = folder.addProgram(QStringLiteral("/bin/true"));
    ASSERT_FALSE(copy.isEmpty());
    EXPECT_TRUE(QFileInfo(copy).isExecutable());
    EXPECT_TRUE(folder.addProgram(QStringLiteral("/nonexistent/program")).isEmpty());
}
