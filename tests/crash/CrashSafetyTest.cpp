// A process that writes the record files can be killed at any moment (from the task manager, at
// log-out). Each file must then hold either the last content fully written or the one being
// written, never a mixture, an empty file or an older content.

#include "ChildProcess.h"
#include "LittleEndian.h"
#include "NumberedRecords.h"
#include "RecordFile.h"
#include "TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int Kills = 250;
// Numbers of one round's writes start here times the round; no round comes near this many.
constexpr std::int32_t RoundSpacing = 100000;

Bytes highScoreBytes(std::int32_t n) {
    return bytesOf(numberedHighScores(n).toBytes());
}

Bytes savedGameBytes(std::int32_t n) {
    return bytesOf(numberedSavedGame(n).toBytes());
}

class ScratchFolder : public TempFolder {
public:
    ScratchFolder() : TempFolder("zunbario-crash") {}

    // Everything in the folder besides the two record files: what interrupted writes left.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path())) {
            const std::string name = entry.path().filename().string();
            if (name != "record1.dat" && name != "record2.dat")
                names.push_back(name);
        }
        return names;
    }
};

// The writer program running in a process of its own, with the pipe on which it reports each
// finished file.
class WriterProcess {
public:
    // `preload` is a library loaded into the writer before the C library, or "".
    WriterProcess(const fs::path& folder, std::int32_t first, long count = -1,
                  const std::string& preload = "") {
        const std::string program = RECORD_WRITER;
        std::vector<std::string> args{program, folder.string(), std::to_string(first)};
        if (count >= 0)
            args.push_back(std::to_string(count));
        int ends[2];
        if (::pipe(ends) != 0)
            throw std::runtime_error("no pipe");
        m_pid = startProcess(std::move(args), -1, ends[1], {ends[0], ends[1]}, preload);
        ::close(ends[1]);
        m_reports = ends[0];
        if (m_pid < 0)
            throw std::runtime_error("no fork");
    }
    ~WriterProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            reap();
        }
        ::close(m_reports);
    }
    WriterProcess(const WriterProcess&) = delete;
    WriterProcess& operator=(const WriterProcess&) = delete;

    // Waits for `count` more finished files; false when the writer ended before.
    bool awaitFinished(int count) {
        for (int i = 0; i < count; ++i)
            if (!readReport())
                return false;
        return true;
    }

    // Kills the writer wherever it stands and collects every report it made before.
    int killAndReap() {
        ::kill(m_pid, SIGKILL);
        return reap();
    }

    // Waits for the writer to end by itself and returns its wait status.
    int reap() {
        while (readReport()) {
        }
        const int status = waitForProcess(m_pid);
        m_pid = -1;
        return status;
    }

    // Finished files, record1.dat and record2.dat taking turns from record1.dat on.
    int finished() const { return m_finished; }
    int finishedHighScores() const { return (m_finished + 1) / 2; }
    int finishedSavedGames() const { return m_finished / 2; }

private:
    bool readReport() {
        char report = 0;
        for (;;) {
            const ssize_t n = ::read(m_reports, &report, 1);
            if (n == 1) {
                ++m_finished;
                return true;
            }
            if (n < 0 && errno == EINTR)
                continue;
            return false;
        }
    }

    pid_t m_pid = -1;
    int m_reports = -1;
    int m_finished = 0;
};

// What one record file must hold after a round: the content it held before when the round
// finished no write of it, otherwise the last write finished or the one after it, which the
// kill may have caught between its rename and its report.
class TrackedFile {
public:
    TrackedFile(fs::path file, std::function<Bytes(std::int32_t)> content, std::int32_t held)
        : m_file(std::move(file)), m_content(std::move(content)), m_held(held) {}

    void expectWhole(std::int32_t firstOfRound, int finishedWrites) {
        const std::int32_t last = firstOfRound + finishedWrites - 1;
        const std::int32_t older = finishedWrites == 0 ? m_held : last;
        const Bytes found = fileBytes(m_file);
        if (found == m_content(older)) {
            m_held = older;
        } else if (found == m_content(last + 1)) {
            m_held = last + 1;
        } else {
            ADD_FAILURE() << m_file.filename() << " is torn or stale: " << found.size()
                          << " bytes, neither write " << older << " nor write " << last + 1;
        }
    }

private:
    fs::path m_file;
    std::function<Bytes(std::int32_t)> m_content;
    std::int32_t m_held;
};

template <typename Record> void writeRecord(const fs::path& file, const Record& record) {
    const auto bytes = record.toBytes();
    writeRecordFile(file.string(), bytes.data(), bytes.size());
}

// Kills a writer again and again at random moments, with `preload` loaded into it, and checks
// after each kill what a new start of the game would find once it has put a record moved aside
// back in its place.
void killWritersAtRandomMoments(int kills, const std::string& preload = "") {
    ScratchFolder folder;
    const fs::path highScores = folder.path() / "record1.dat";
    const fs::path savedGame = folder.path() / "record2.dat";
    writeRecord(highScores, numberedHighScores(0));
    writeRecord(savedGame, numberedSavedGame(0));
    TrackedFile highScoreFile(highScores, highScoreBytes, 0);
    TrackedFile savedGameFile(savedGame, savedGameBytes, 0);

    const unsigned seed = std::random_device{}();
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);
    // The kill comes after a few finished files and then a pause shorter than one whole round of
    // writing, so it lands in every part of a write: before, during and after the rename.
    std::uniform_int_distribution<int> filesBeforeKill(0, 2);
    std::uniform_int_distribution<int> pauseMicroseconds(0, 1500);

    int killsInsideAWrite = 0;
    std::size_t leftoversBefore = 0;
    for (int round = 1; round <= kills; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round) + ", seed " + std::to_string(seed));
        const std::int32_t first = round * RoundSpacing;
        WriterProcess writer(folder.path(), first, -1, preload);
        ASSERT_TRUE(writer.awaitFinished(filesBeforeKill(random))) << "the writer gave up";
        std::this_thread::sleep_for(std::chrono::microseconds(pauseMicroseconds(random)));
        const int status = writer.killAndReap();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer ended by itself with status " << status;
        ASSERT_LT(writer.finished(), 2 * RoundSpacing);

        restoreSetAsideRecord(highScores.string());
        restoreSetAsideRecord(savedGame.string());
        highScoreFile.expectWhole(first, writer.finishedHighScores());
        savedGameFile.expectWhole(first, writer.finishedSavedGames());

        // A kill between creating the temporary file and renaming it leaves that file behind,
        // and nothing else; the writer works on one file at a time.
        const std::vector<std::string> leftovers = folder.leftovers();
        for (const std::string& name : leftovers)
            EXPECT_TRUE(name.starts_with(temporaryFilePrefix("record1.dat")) ||
                        name.starts_with(temporaryFilePrefix("record2.dat")))
                << "unexpected file " << name;
        ASSERT_LE(leftovers.size(), leftoversBefore + 1);
        killsInsideAWrite += leftovers.size() > leftoversBefore ? 1 : 0;
        leftoversBefore = leftovers.size();
        if (::testing::Test::HasFailure())
            return;
    }
    // What the kills left is exactly what the start-up cleanup removes, once it is old enough.
    removeStaleTemporaryFiles(highScores.string(), -1);
    removeStaleTemporaryFiles(savedGame.string(), -1);
    EXPECT_TRUE(folder.leftovers().empty());
    ::testing::Test::RecordProperty("killsInsideAWrite", killsInsideAWrite);
    std::printf("%d of %d kills landed inside a write\n", killsInsideAWrite, kills);
}

} // namespace

TEST(RecordFileCrashSafety, AWriterKilledAtRandomMomentsLeavesEachRecordFileOldOrNewNeverTorn) {
    killWritersAtRandomMoments(Kills);
}

// There the record is moved aside before the new one takes its place: a kill in between leaves
// no record under its own name until the next start puts the old one back.
TEST(RecordFileCrashSafety, OnAFilesystemThatRefusesToRenameOverAFileAKilledWriterLosesNothing) {
    killWritersAtRandomMoments(Kills, REFUSE_REPLACE);
}

namespace {

// A writer that ran to its end left its last records, with these permissions, and nothing else.
void expectTheLastRecordsOnly(WriterProcess& writer, const ScratchFolder& folder, int writes,
                              fs::perms permissions) {
    const int status = writer.reap();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(writer.finished(), 2 * writes);
    EXPECT_EQ(fileBytes(folder.path() / "record1.dat"), highScoreBytes(writes));
    EXPECT_EQ(fileBytes(folder.path() / "record2.dat"), savedGameBytes(writes));
    EXPECT_EQ(fs::status(folder.path() / "record2.dat").permissions(), permissions);
    EXPECT_TRUE(folder.leftovers().empty());
}

} // namespace

TEST(RecordFileCrashSafety, AWriterThatFinishesLeavesTheLastContentsAndNoTemporaryFiles) {
    ScratchFolder folder;
    constexpr int Writes = 20;
    WriterProcess writer(folder.path(), 1, Writes);
    expectTheLastRecordsOnly(writer, folder, Writes,
                             fs::perms::owner_read | fs::perms::owner_write |
                                 fs::perms::group_read | fs::perms::others_read);
}

// FAT and exFAT refuse to change permissions: the records are saved all the same. The refusal
// is injected into the writer; the files keep the private permissions they were created with,
// which shows the refusal took effect.
TEST(RecordFileCrashSafety, AFilesystemThatRefusesPermissionChangesStillTakesEverySave) {
    ScratchFolder folder;
    constexpr int Writes = 3;
    WriterProcess writer(folder.path(), 1, Writes, REFUSE_CHMOD);
    expectTheLastRecordsOnly(writer, folder, Writes,
                             fs::perms::owner_read | fs::perms::owner_write);
}

// The refusal is injected into the writer; each record then passes through the name it is set
// aside under, which shows the refusal took effect.
TEST(RecordFileCrashSafety, AFilesystemThatRefusesToRenameOverAFileStillTakesEverySave) {
    ScratchFolder folder;
    const int renames = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(renames, folder.path().c_str(), IN_MOVED_TO), 0);
    constexpr int Writes = 3;
    WriterProcess writer(folder.path(), 1, Writes, REFUSE_REPLACE);
    expectTheLastRecordsOnly(writer, folder, Writes,
                             fs::perms::owner_read | fs::perms::owner_write |
                                 fs::perms::group_read | fs::perms::others_read);

    std::vector<std::string> movedTo;
    alignas(inotify_event) char events[8192];
    for (ssize_t n; (n = ::read(renames, events, sizeof events)) > 0;)
        for (const char* at = events; at < events + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            movedTo.emplace_back(event->len > 0 ? event->name : "");
            at += sizeof(inotify_event) + event->len;
        }
    ::close(renames);
    const std::string setAside = fs::path(setAsideFileName("record2.dat")).filename();
    EXPECT_EQ(std::count(movedTo.begin(), movedTo.end(), setAside), Writes - 1)
        << "the first write has no record to set aside";
}
