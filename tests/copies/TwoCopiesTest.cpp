// Nothing stops a player from starting the game twice. Each copy runs in a process of its own on
// the same record files; a best score one copy wrote is never lowered or erased by the other,
// and a game clear cancels only a saved game the copy knows.

#include "ChildProcess.h"
#include "CoreHarness.h"
#include "ScoreTable.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A copy of the game running a script of commands (see CoreScript.cpp), with a pipe to let it on
// past each "wait" and one to read its reports.
class Copy {
public:
    Copy(const fs::path& folder, std::vector<std::string> commands) {
        std::vector<std::string> args{CORE_SCRIPT, folder.string()};
        args.insert(args.end(), commands.begin(), commands.end());
        int input[2];
        int output[2];
        if (::pipe(input) != 0 || ::pipe(output) != 0)
            throw std::runtime_error("no pipe");
        m_pid = startProcess(std::move(args), input[0], output[1],
                             {input[0], input[1], output[0], output[1]});
        ::close(input[0]);
        ::close(output[1]);
        m_input = input[1];
        m_reports = ::fdopen(output[0], "r");
        if (m_pid < 0 || m_reports == nullptr)
            throw std::runtime_error("no process");
    }
    ~Copy() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            finish();
        }
        ::close(m_input);
        std::fclose(m_reports);
    }
    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;

    // The report of the next command; "" when the copy ended first.
    std::string nextReport() {
        char line[256];
        if (std::fgets(line, sizeof line, m_reports) == nullptr)
            return "";
        std::string report = line;
        if (!report.empty() && report.back() == '\n')
            report.pop_back();
        return report;
    }
    // Lets the copy on past its next "wait" and returns that command's report.
    std::string proceed() {
        if (::write(m_input, "\n", 1) != 1)
            return "";
        return nextReport();
    }
    // Waits for the copy to end and tells whether it ended well.
    bool finish() {
        while (!nextReport().empty()) {
        }
        const int status = waitForProcess(m_pid);
        m_pid = -1;
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    pid_t m_pid = -1;
    int m_input = -1;
    std::FILE* m_reports = nullptr;
};

// The folder the two copies share, laid out as a player's folder.
class TwoCopies : public ::testing::Test {
protected:
    CoreHarness folder; // only its fresh folder and file helpers are used
};

} // namespace

TEST_F(TwoCopies, ALaterLowerScoreInTheSameModeKeepsTheOtherCopysBest) {
    Copy a(folder.folder(), {"title-no", "wait", "clear-500"});
    Copy b(folder.folder(), {"title-no", "wait", "clear-300"});
    // Both have read the high scores before either clears the game.
    EXPECT_EQ(a.nextReport(), "title-no high 320 190 190 record 0 errors 0");
    EXPECT_EQ(b.nextReport(), "title-no high 320 190 190 record 0 errors 0");
    a.proceed();
    EXPECT_EQ(a.nextReport(), "clear-500 high 320 500 190 record 1 errors 0");
    ASSERT_TRUE(a.finish());
    b.proceed();
    EXPECT_EQ(b.nextReport(), "clear-300 high 320 500 190 record 0 errors 0")
        << "300 is no record against the other copy's 500";
    ASSERT_TRUE(b.finish());
    EXPECT_EQ(folder.readFile("record1.dat"), words({320, 500, 190}));
}

TEST_F(TwoCopies, RecordsInDifferentModesAreBothKept) {
    Copy a(folder.folder(), {"title-no", "mode-0", "wait", "clear-400"});
    Copy b(folder.folder(), {"title-no", "wait", "clear-300"});
    a.nextReport();
    a.nextReport();
    b.nextReport();
    EXPECT_EQ(a.proceed(), "wait high 320 190 190 record 0 errors 0");
    EXPECT_EQ(a.nextReport(), "clear-400 high 400 190 190 record 1 errors 0");
    ASSERT_TRUE(a.finish());
    b.proceed();
    EXPECT_EQ(b.nextReport(), "clear-300 high 400 300 190 record 1 errors 0");
    ASSERT_TRUE(b.finish());
    EXPECT_EQ(folder.readFile("record1.dat"), words({400, 300, 190}));
}

// A copy that read a saved game at its start clears the game after the other copy saved its own
// game of the same mode: the other copy's game stays offered.
TEST_F(TwoCopies, AGameClearLeavesASavedGameTheOtherCopyWroteSince) {
    const std::vector<unsigned char> first = words({0, 0, 2, 50, 30, 1, 17, 0});
    folder.writeFile("record2.dat", first);
    Copy a(folder.folder(), {"title-no", "wait", "clear-200"});
    EXPECT_EQ(a.nextReport(), "title-no high 320 190 190 record 0 errors 0");
    // The other copy takes the saved game, plays level 3 and saves between levels.
    Copy b(folder.folder(), {"title-yes", "level-90", "save"});
    ASSERT_TRUE(b.finish());
    const std::vector<unsigned char> others = folder.readFile("record2.dat");
    ASSERT_NE(others, first);
    ASSERT_EQ(others[8], 2) << "level 2 was saved after it ended";

    a.proceed();
    EXPECT_EQ(a.nextReport(), "clear-200 high 320 200 190 record 1 errors 0");
    ASSERT_TRUE(a.finish());
    EXPECT_EQ(folder.readFile("record2.dat"), others);
}

// The same copy alone still cancels the saved game it read, as it always did.
TEST_F(TwoCopies, AGameClearStillCancelsTheSavedGameItRead) {
    folder.writeFile("record2.dat", words({5, 6, 2, 50, 30, 1, 17, 0}));
    Copy a(folder.folder(), {"title-no", "wait", "clear-200"});
    Copy b(folder.folder(), {"title-no"});
    ASSERT_TRUE(b.finish()) << "a copy that only read the file changes nothing";
    a.nextReport();
    a.proceed();
    ASSERT_TRUE(a.finish());
    EXPECT_EQ(folder.readFile("record2.dat"), words({5, 6, 0, 200, 130, 1, 120, 1}));
}

// Both copies clear game after game at the same time, so that their re-reads and writes overlap:
// every record survives the other copy's writes, and so does every entry of the score table,
// in the copy's own mode and in the mode both play.
TEST_F(TwoCopies, GameClearsAtTheSameTimeLoseNoRecordAndNoScore) {
    constexpr int Clears = 150;
    const std::string count = std::to_string(Clears);
    Copy a(folder.folder(),
           {"title-no", "wait", "clears-1000-" + count, "wait", "mode-2", "clears-3000-5"});
    Copy b(folder.folder(),
           {"title-no", "mode-2", "wait", "clears-2000-" + count, "wait", "clears-3100-5"});
    a.nextReport();
    b.nextReport();
    b.nextReport();
    a.proceed();
    b.proceed();
    for (Copy* copy : {&a, &b}) {
        const std::string report = copy->nextReport();
        EXPECT_TRUE(report.ends_with("record 1 errors 0")) << report;
    }
    a.proceed();
    b.proceed();
    for (Copy* copy : {&a, &b})
        ASSERT_TRUE(copy->finish());
    EXPECT_EQ(folder.readFile("record1.dat"), words({320, 1149, 3104}));

    // The scores by mode, each copy's own: no entry either copy made is lost.
    const ScoreTable scores = readScoreFile(folder.dataFile("scores.txt")).table;
    std::vector<std::int32_t> entries;
    for (const std::size_t mode : {1, 2})
        for (const ScoreEntry& entry : scores.entries(mode))
            entries.push_back(entry.score);
    EXPECT_EQ(entries, (std::vector<std::int32_t>{1149, 1148, 1147, 1146, 1145, 1144, 1143,
                                                  1142, 1141, 1140, 3104, 3103, 3102, 3101,
                                                  3100, 3004, 3003, 3002, 3001, 3000}));
}
