// The score table: the ten best game clears of each hammer mode, in scores.txt beside the
// records.

#include "ScoreTable.h"

#include "CoreHarness.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::int32_t> scoresOf(const ScoreTable& table, std::size_t mode) {
    std::vector<std::int32_t> scores;
    for (const ScoreEntry& entry : table.entries(mode))
        scores.push_back(entry.score);
    return scores;
}

std::vector<unsigned char> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

TEST(ScoreTable, RanksByScoreWithTheOlderFirstOnTiesAndKeepsTheTenBest) {
    ScoreTable table;
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(table.add(0, {100 + i * 10, 1000 + i, "P"}));
    // An equal score played later ranks below; one played earlier (a copy that took longer to
    // write it) above.
    EXPECT_EQ(table.add(0, {150, 2000, "later"}), 4u);
    EXPECT_EQ(table.add(0, {150, 10, "earlier"}), 3u);
    EXPECT_EQ(scoresOf(table, 0),
              (std::vector<std::int32_t>{180, 170, 160, 150, 150, 150, 140, 130, 120, 110}));
    EXPECT_EQ(table.entries(0)[3].name, "earlier");
    EXPECT_EQ(table.entries(0)[5].name, "later");

    // The eleventh drops out; a score at the foot that only ties it does not get in.
    EXPECT_EQ(table.add(0, {110, 3000, "tie"}), std::nullopt);
    EXPECT_EQ(table.add(0, {500, 3000, "best"}), 0u);
    EXPECT_EQ(scoresOf(table, 0).back(), 120);
    EXPECT_TRUE(table.entries(1).empty()) << "each mode has a table of its own";

    // As text and back, a name with a line break kept to its line.
    EXPECT_EQ(table.add(2, {7, 1'765'000'000, "Taro\nYamada"}), 0u);
    bool damaged = true;
    const ScoreTable read = ScoreTable::fromText(table.toText(), &damaged);
    EXPECT_EQ(read, table);
    EXPECT_FALSE(damaged);
    EXPECT_NE(table.toText().find("\nrandom 7 2025-12-06T05:46:40Z Taro Yamada\n"),
              std::string::npos);
}

// A file the game did not write whole keeps what could be read of it, and the file as it was
// lies beside it from the first rewrite on; nothing is said about it.
TEST(ScoreTable, ADamagedFileKeepsItsReadableLinesAndIsKeptAsItWasBeforeTheFirstRewrite) {
    CoreHarness h;
    const std::string damaged = "# a heading\n"
                                "strange 400 2026-01-02T03:04:05Z Hanako\n"
                                "strange 30O 2026-01-02T03:04:05Z typo\n"
                                "\xff\xfe garbage\n"
                                "strange 200 2026-02-30T00:00:00Z no such day\n"
                                "strange 100 2026-01-03T00:00:00Z Jiro";
    h.writeFile("scores.txt", bytes(damaged));
    h.writeFile("scores.txt.damaged", bytes("an older one"));
    h.runTitle();
    EXPECT_EQ(scoresOf(h.game().readScores(), 1), (std::vector<std::int32_t>{400, 100}));
    h.clearGame(250);
    h.clearGame(220);
    // A game clear enters the table whether or not it beats the high score.
    EXPECT_FALSE(h.state().NewRecordShown);
    const ScoreTable table = h.game().readScores();
    EXPECT_EQ(scoresOf(table, 1), (std::vector<std::int32_t>{400, 250, 220, 100}));
    EXPECT_EQ(table.entries(1)[2], (ScoreEntry{220, h.platform.now, h.platform.name}));
    EXPECT_EQ(h.game().latestScore()->entry, table.entries(1)[2]);
    EXPECT_EQ(h.readFile("scores.txt.damaged-2"), bytes(damaged));
    EXPECT_EQ(h.readFile("scores.txt.damaged"), bytes("an older one"));
    EXPECT_FALSE(fs::exists(h.dataFile("scores.txt.damaged-3"))) << "the rewritten file is whole";
    EXPECT_TRUE(h.platform.errors.empty());

    // Too large to be the game's: the lines within the limit count.
    std::string large;
    while (large.size() < ScoreFile::MaxSize)
        large += "strange 90 2026-01-04T00:00:00Z " + std::string(100, 'x') + "\n";
    h.writeFile("scores.txt", bytes(large));
    const ScoreFile read = readScoreFile(h.dataFile("scores.txt").string());
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.table.entries(1).size(), 10u);
    h.clearGame(195);
    EXPECT_TRUE(h.readFile("scores.txt.damaged-3") == bytes(large));
    EXPECT_EQ(scoresOf(h.game().readScores(), 1)[0], 195);

    // A folder in the file's place reads as empty and cannot be replaced: the write is reported
    // as a record's is, and the game clear goes on.
    fs::remove_all(h.dataFile("scores.txt"));
    fs::create_directory(h.dataFile("scores.txt"));
    EXPECT_EQ(h.game().readScores(), ScoreTable());
    h.clearGame(200);
    EXPECT_EQ(h.platform.errors, (std::vector<std::string>{"ファイル " + h.folder().string() +
                                                           "/data/scores.txt を作成できません"}));
    EXPECT_TRUE(h.state().CelebrationPhase);
    EXPECT_TRUE(fs::is_directory(h.dataFile("scores.txt")));
}
