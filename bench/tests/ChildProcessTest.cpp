#include "ChildProcess.h"

#include "SpawnClock.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string logPath() {
    return testing::TempDir() + "bench-child.log";
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
