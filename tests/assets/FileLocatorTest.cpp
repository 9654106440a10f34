#include "FileLocator.h"

#include "QtReachableFolder.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "ズンバリオ" in Shift_JIS: the name a zip made on a Japanese system unpacks to when the names
// are not converted. It is not valid UTF-8.
const std::string ShiftJisName = "\x83\x59\x83\x93\x83\x6f\x83\x8a\x83\x49";

std::string bytesOf(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool writeRaw(const std::string& path, const std::string& content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, content.data(), content.size()) == ssize_t(content.size());
    return ::close(fd) == 0 && ok;
}

} // namespace

TEST(FileLocator, AGameWithDataBesideItKeepsEverythingThereAndAnInstalledOneUsesShareAndHome) {
    const QTemporaryDir root;
    const std::string top = bytesOf(root.path()) + "/";
    ASSERT_EQ(::mkdir((top + "unpacked").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((top + "unpacked/data").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((top + "games").c_str(), 0755), 0);

    const FileLocations unpacked =
        locateFiles(top + "unpacked/", "/home/player/.local/share/", "/home/player/.config/");
    EXPECT_EQ(unpacked.appDir, top + "unpacked/");
    EXPECT_EQ(unpacked.recordDir, top + "unpacked/data/");
    EXPECT_EQ(unpacked.settingsFile, top + "unpacked/data/zunbario.conf");
    EXPECT_FALSE(unpacked.makeRecordDir) << "a missing data folder beside the program is an error";

    // The player's data folder comes with or without its trailing separator.
    for (const std::string home : {"/home/player/.local/share", "/home/player/.local/share/"}) {
        const FileLocations installed = locateFiles(top + "games/", home, "/home/player/.config");
        EXPECT_EQ(installed.appDir, top + "share/zunbario/");
        EXPECT_EQ(installed.recordDir, "/home/player/.local/share/zunbario/");
        EXPECT_EQ(installed.settingsFile, "/home/player/.config/zunbario/zunbario.conf");
        EXPECT_TRUE(installed.makeRecordDir);
    }
    EXPECT_EQ(locateFiles("/usr/games/", "/h/", "/c/").appDir, "/usr/share/zunbario/");
    EXPECT_EQ(locateFiles("/opt/zunbario/games/", "/h/", "/c/").appDir,
              "/opt/zunbario/share/zunbario/");
}

TEST(FileLocator, FilesInAFolderWhoseNameIsNotUtf8AreReadByQtAndShownWithTheirRealName) {
    const QTemporaryDir root;
    const std::string folder = bytesOf(root.path()) + "/" + ShiftJisName + "/";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((folder + "data").c_str(), 0755), 0);
    ASSERT_TRUE(writeRaw(folder + "data/sound2.wav", "RIFF"));
    // Qt cannot name the folder itself: what it makes of the bytes is another folder.
    ASSERT_FALSE(QFile::exists(QFile::decodeName(folder.c_str()) + "data/sound2.wav"));

    const QtReachableFolder files(folder);
    QFile reached(files.forQt(folder + "data/sound2.wav"));
    ASSERT_TRUE(reached.open(QIODevice::ReadOnly)) << reached.fileName().toStdString();
    EXPECT_EQ(reached.readAll(), QByteArray("RIFF"));
    EXPECT_TRUE(QFile::exists(files.forQt() + "data/sound2.wav"));

    const QString shown = QtReachableFolder::shown(folder + "data/sound2.wav");
    EXPECT_TRUE(shown.startsWith(root.path() + "/")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("/data/sound2.wav")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("/proc/")) << shown.toStdString();

    // A folder Qt can name is handed over as it is.
    const QtReachableFolder plain(bytesOf(root.path()) + "/");
    EXPECT_EQ(plain.forQt(), root.path() + "/");
    EXPECT_EQ(plain.forQt(bytesOf(root.path()) + "/x.wav"), root.path() + "/x.wav");
}
