// The game installed as a package installs it, started by a player with a fresh home folder.

#include "OpenedFiles.h"
#include "ProgramHarness.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

std::string bytesOf(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

unsigned modeOf(const QString& path) {
    struct stat info {};
    return ::stat(bytesOf(path).c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

class InstalledProgram : public ProgramHarness {
protected:
    void SetUp() override {
        // make install with DESTDIR, as a package build does it.
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_stage.path());
        install.setProcessEnvironment(env);
        install.start(QStringLiteral(ZUNBARIO_CMAKE),
                      {QStringLiteral("--install"), buildFolder(), QStringLiteral("--prefix"),
                       QStringLiteral("/usr")});
        ASSERT_TRUE(install.waitForFinished(Patience * 3));
        ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

        // A player who has never played: the data folder does not exist yet.
        QProcessEnvironment player = QProcessEnvironment::systemEnvironment();
        player.insert(QStringLiteral("HOME"), m_home.path());
        player.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        m_program.setProcessEnvironment(player);
    }

    QString usr(const QString& relative) const { return m_stage.filePath("usr/" + relative); }
    QString dataHome() const { return m_home.filePath(QStringLiteral("data")); }
    QString records() const { return dataHome() + QStringLiteral("/zunbario"); }

    QTemporaryDir m_stage;
    QTemporaryDir m_home;
};

} // namespace

TEST_F(InstalledProgram, ReadsItsFilesFromShareAndKeepsTheSavedGameInThePlayersDataFolder) {
    const QString share = usr(QStringLiteral("share/zunbario"));
    OpenedFiles opened({bytesOf(share), bytesOf(share + "/data")});
    ASSERT_TRUE(opened.watching());
    ASSERT_TRUE(QFileInfo(usr("games/zunbario")).isExecutable());

    ASSERT_NO_FATAL_FAILURE(start(usr(QStringLiteral("games/zunbario"))));
    // The menu entry's StartupWMClass names the window's class.
    const QString wmClass =
        X11Session::run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(m_window),
                                                  QStringLiteral("WM_CLASS")});
    EXPECT_TRUE(wmClass.contains(QStringLiteral("\"zunbario\""))) << wmClass.toStdString();
    ASSERT_TRUE(waitForReadyPhase());
    // The cursors at window creation, the sounds once the window is on screen.
    const std::string data = bytesOf(share) + "/data/";
    EXPECT_TRUE(opened.waitFor({data + "Zintok.cur", data + "tomei.cur", data + "sound2.wav",
                                data + "ending1.wav", data + "fanfare4.wav", data + "fanfare5.wav"},
                               Patience));

    ASSERT_TRUE(startLevel());
    ASSERT_TRUE(saveFromTheMenu());
    const std::string saved = bytesOf(records()) + "/record2.dat";
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QFileInfo::exists(records() + "/record2.dat"); }, Patience));
    qint64 size = 0;
    const auto words = savedGameWords(saved, &size);
    EXPECT_EQ(size, 32);
    EXPECT_EQ(words[0], 0);
    EXPECT_EQ(words[1], 0);
    EXPECT_EQ(words[2], 1) << "level";
    EXPECT_EQ(words[3], 0) << "score";
    EXPECT_EQ(words[4], 0) << "level-start score";
    EXPECT_EQ(words[5], 1) << "the strange hammer, the first start's mode";
    EXPECT_GE(words[6], 0);
    EXPECT_LE(words[6], 120);
    EXPECT_EQ(words[7], 0) << "the level was interrupted";
    EXPECT_EQ(modeOf(dataHome()), 0700u) << "made for the player alone";
    EXPECT_EQ(modeOf(records()), 0700u);
    EXPECT_FALSE(QFileInfo::exists(share + "/data/record2.dat"));

    // The help window shows the help file from share.
    X11Session::typeKeys(m_window, QStringLiteral("alt+h"));
    X11Session::typeKeys(m_window, QStringLiteral("d"));
    EXPECT_TRUE(X11Session::waitForWindowNamed(QStringLiteral("ズンバリオ ヘルプ"), Patience));
    EXPECT_TRUE(opened.waitFor({bytesOf(share) + "/Zintok.html"}, Patience));

    // Saved from the menu, the game closes without asking again.
    X11Session::requestClose(m_window);
    ASSERT_TRUE(exitedCleanly());
    EXPECT_EQ(savedGameWords(saved), words);

    // The next start offers the saved game.
    ASSERT_NO_FATAL_FAILURE(start(usr(QStringLiteral("games/zunbario"))));
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+y"))) << "the saved game is offered";
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::requestClose(m_window);
    EXPECT_TRUE(exitedCleanly()) << "the Ready phase closes without asking";
}
