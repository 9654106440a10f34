// Figure 9, the game clear's files: the tick that ends the last level writes the high scores,
// cancels the saved game and adds the clear to a full score table, each file flushed to disk
// under the records folder's lock before the celebration shows. It is timed against the tick of
// a game over, which writes nothing, in folders on the disk the build lies on (not /tmp, which
// may be memory).

#include "CoreHarness.h"
#include "Figure.h"
#include "ScoreTable.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Runs = 20;
constexpr double GoalMs = 100; // the celebration's start, late by no more than a blink

// The last tick of level 4 of the normal hammer, resumed from a saved game one tick before its
// end with `score` hits, in a fresh folder; its time in milliseconds.
double lastTickMs(const fs::path& folder, int score, bool& cleared) {
    fs::remove_all(folder);
    fs::create_directories(folder / "data");
    CoreHarness h(folder);
    h.writeFile("record2.dat", words({0, 0, 4, score, 200, 0, Rules::TicksPerLevel - 1, 0}));
    ScoreTable full;
    for (std::size_t mode = 0; mode < ScoreTable::ModeCount; ++mode)
        for (int i = 0; i < 10; ++i)
            full.add(mode, {300 + i, 1'700'000'000 + i, "a player of long standing"});
    writeScoreFile(h.dataFile("scores.txt").string(), full, false);
    h.platform.answers = {Answer::Yes};
    h.runTitle();
    h.key();
    const auto start = std::chrono::steady_clock::now();
    h.tick();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    cleared = h.state().CelebrationPhase;
    return took.count();
}

std::string summary(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return "median " + fixed(ms[ms.size() / 2], 2) + " ms, slowest " + fixed(ms.back(), 2) + " ms";
}

} // namespace

TEST(GameClearFiles, TheLastTickWritesThreeFilesAgainstAGameOver) {
    const fs::path folder = fs::current_path() / "game-clear-files";
    std::vector<double> clears, gameOvers;
    bool allCleared = true, noneCleared = true;
    for (int run = 0; run < Runs; ++run) {
        bool cleared = false;
        clears.push_back(lastTickMs(folder, 999, cleared));
        allCleared = allCleared && cleared;
        gameOvers.push_back(lastTickMs(folder, 250, cleared));
        noneCleared = noneCleared && !cleared;
    }
    fs::remove_all(folder);
    ASSERT_TRUE(allCleared && noneCleared) << "the ticks did not end as planned";
    printRow(
        {"9 Game clear tick:\nrecords and score\ntable written (" + std::to_string(Runs) + " runs)",
         "slowest within " + fixed(GoalMs, 0) + " ms", "game clear: " + summary(clears),
         "game over (no file): " + summary(gameOvers),
         *std::max_element(clears.begin(), clears.end()) <= GoalMs});
}
