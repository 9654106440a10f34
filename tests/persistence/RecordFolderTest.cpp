// An installed game reads its files from the shared folder and keeps its records in the
// player's own folder, which it makes on the first save. Another copy of the game may be writing
// in that folder at the same time.

#include "CoreHarness.h"
#include "RecordFile.h"
#include "RecordFolderLock.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/fanotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class InstalledGame : public ::testing::Test {
protected:
    InstalledGame() { fs::create_directories(m_root / "share" / "zunbario" / "data"); }

    std::string shared() const { return (m_root / "share" / "zunbario").string() + "/"; }
    // Two levels that do not exist yet, as for a player who never had a data folder.
    std::string records() const { return (m_root / "home" / ".local" / "zunbario").string() + "/"; }
    FileLocations installed(const std::string& records) const {
        return {shared(), records, true, {}};
    }

    // The title, a key, and a save from the menu in the first level.
    static void saveFromTheMenu(CoreHarness& h) {
        h.runTitle();
        h.key();
        h.tick();
        h.save();
    }

    TempFolder m_folder{"zunbario-installed"};
    const fs::path& m_root = m_folder.path();
};

} // namespace

TEST_F(InstalledGame, ReadsItsFilesFromTheSharedFolderAndSavesInThePlayersOwn) {
    CoreHarness h{installed(records())};
    saveFromTheMenu(h);
    h.game().Help2Click();
    FakePlatform& platform = h.platform;

    EXPECT_EQ(platform.registeredCursors[CursorIndex::Hammer], shared() + "data/Zintok.cur");
    EXPECT_EQ(platform.registeredCursors[CursorIndex::Transparent], shared() + "data/tomei.cur");
    ASSERT_EQ(platform.helpRequests.size(), 1u);
    EXPECT_EQ(platform.helpRequests[0].first, shared() + "Zintok.html");
    EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();

    const fs::path saved = records() + "record2.dat";
    // Level 1 of the strange hammer, paused at its first tick, from score 0.
    EXPECT_EQ(fileBytes(saved), words({0, 0, 1, 0, 0, 1, 1, 0}));
    EXPECT_FALSE(fs::exists(shared() + "data/record2.dat")) << "the shared folder is not written";

    // The folders the game made are the player's alone.
    for (const fs::path& made : {fs::path(records()).parent_path(), m_root / "home" / ".local"}) {
        struct stat info {};
        ASSERT_EQ(::stat(made.c_str(), &info), 0) << made;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
    }

    // The next start offers the game from the player's folder.
    CoreHarness next{installed(records())};
    next.runTitle();
    ASSERT_EQ(next.platform.questions.size(), 1u);
    EXPECT_EQ(next.platform.questions[0].message, "前回の続きからゲームを始めますか？");
}

TEST_F(InstalledGame, AnExistingRecordsFolderKeepsItsModeAndAFolderThatCannotBeMadeNamesTheFile) {
    fs::create_directories(records());
    fs::permissions(records(),
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    CoreHarness h{installed(records())};
    saveFromTheMenu(h);
    EXPECT_TRUE(fs::exists(records() + "record2.dat"));
    EXPECT_EQ(fs::status(records()).permissions() & fs::perms::group_read, fs::perms::group_read);

    // A plain file where the player's data folder should be: the save fails and says which
    // file it could not create.
    std::ofstream(m_root / "blocked") << "not a folder";
    const std::string blocked = (m_root / "blocked" / "zunbario").string() + "/";
    CoreHarness refused{installed(blocked)};
    saveFromTheMenu(refused);
    ASSERT_EQ(refused.platform.errors.size(), 1u);
    EXPECT_EQ(refused.platform.errors[0], "ファイル " + blocked + "record2.dat を作成できません");
}

// Another copy replacing the saved game on a filesystem that refuses to rename over a file has
// it moved aside for a moment. The starting copy is stopped as it opens its high scores, and the
// other copy moves the saved game aside then if it can take the folder's lock.
TEST(SharedRecordFolder, TheStartReadsBothRecordsWhileNoOtherCopyCanMoveOneAside) {
    CoreHarness h;
    h.writeFile("record1.dat", words({500, 250, 260}));
    h.writeFile("record2.dat", words({0, 0, 2, 80, 40, 1, 10, 0}));
    const int watch = ::fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY);
    if (watch < 0)
        GTEST_SKIP() << "stopping a process at an open needs fanotify";
    ASSERT_EQ(::fanotify_mark(watch, FAN_MARK_ADD, FAN_OPEN_PERM, AT_FDCWD,
                              h.dataFile("record1.dat").c_str()),
              0);
    const std::string savedGame = h.dataFile("record2.dat").string();
    std::thread otherCopy([&] {
        fanotify_event_metadata opening{};
        if (::read(watch, &opening, sizeof opening) == ssize_t{sizeof opening}) {
            if (const RecordFolderLock lock(savedGame, 0); lock.held())
                fs::rename(savedGame, setAsideFileName(savedGame));
            const fanotify_response allow{opening.fd, FAN_ALLOW};
            EXPECT_EQ(::write(watch, &allow, sizeof allow), ssize_t{sizeof allow});
            ::close(opening.fd);
        }
        // Later opens go on unwatched.
        ::close(watch);
    });
    h.runTitle();
    otherCopy.join();
    EXPECT_EQ(h.state().HighScores, (std::array<std::int32_t, 3>{500, 250, 260}));
    EXPECT_EQ(h.platform.questions.size(), 1u) << "the saved game is offered";
}
