#include "ChildProcess.h"

#include "SpawnClock.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

// A log file of this test run's own, removed when the run ends: runs side by side never share
// one, and none is left behind.
class RunLog {
public:
    RunLog() {
        std::string name = testing::TempDir() + "bench-child-XXXXXX";
        const int fd = ::mkstemp(name.data());
        if (fd >= 0) {
            ::close(fd);
            m_path = name;
        }
    }
    ~RunLog() {
        if (!m_path.empty())
            std::remove(m_path.c_str());
    }
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

const std::string& logPath() {
    static const RunLog log;
    return log.path();
}

ChildProcess::Result shell(const std::string& script,
                           std::chrono::milliseconds giveUp = std::chrono::seconds(10)) {
    return ChildProcess::run({"/bin/sh", "-c", script}, {"BENCH_TEST_WORD=hammer"}, logPath(),
                             giveUp);
}

} // namespace

TEST(ChildProcesses, CollectTheReportsOfAChildThatEndsWell) {
    const auto result = shell("echo \"word $BENCH_TEST_WORD\"; echo 'ms 12.5'");
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.exitedCleanly);
    EXPECT_EQ(result.values.at("word"), "hammer");
    EXPECT_EQ(result.values.at("ms"), "12.5");
    EXPECT_GT(result.peakResidentKb, 0);
}

TEST(ChildProcesses, AFailingChildIsNotClean) {
    EXPECT_FALSE(shell("echo 'ms 1'; exit 3").exitedCleanly);
    EXPECT_FALSE(ChildProcess::run({"/nonexistent/program"}, {}, logPath()).exitedCleanly);
}

TEST(ChildProcesses, AChildAskedToStopEndsCleanlyAndOneThatWillNotIsKilled) {
    ChildProcess sleeper({"/bin/sh", "-c", "echo 'up 1'; exec sleep 30"}, {}, logPath());
    sleeper.start();
    const auto stopped = sleeper.finish(std::chrono::milliseconds(200), std::chrono::seconds(10));
    EXPECT_TRUE(stopped.exitedCleanly);
    EXPECT_EQ(stopped.values.at("up"), "1");
    EXPECT_LT(stopped.wallMs, 5000);

    const auto stubborn = shell("trap '' TERM; sleep 30", std::chrono::milliseconds(300));
    EXPECT_FALSE(stubborn.exitedCleanly);
}

TEST(ChildProcesses, TellTheChildWhenItWasStarted) {
    const double before = steadyNowMs();
    const auto result = shell("echo \"spawn $BENCH_SPAWN_NS\"");
    const double spawnMs = std::stod(result.values.at("spawn")) / 1e6;
    EXPECT_GE(spawnMs, before);
    EXPECT_LE(spawnMs, steadyNowMs());
}
