#include "CoreHarness.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using enum ElementId;
namespace fs = std::filesystem;

namespace {

std::array<Point, 3> monsterCorners(const CoreHarness& h) {
    return {Point{h.scene().left(ImgMonster0), h.scene().top(ImgMonster0)},
            Point{h.scene().left(ImgMonster1), h.scene().top(ImgMonster1)},
            Point{h.scene().left(ImgMonster2), h.scene().top(ImgMonster2)}};
}

constexpr std::array<Point, 3> OrbitStart{Point{450, 200}, Point{225, 70}, Point{225, 330}};

} // namespace

TEST(GameClear, BetterScoreIsRecordedAndAnnounced) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(200);
    EXPECT_EQ(h.platform.sounds.back(), SoundId::GameClear);
    EXPECT_EQ(h.state().HighScores, (std::array<std::int32_t, 3>{320, 200, 190}));
    EXPECT_EQ(h.readFile("record1.dat"), words({320, 200, 190}));
    EXPECT_TRUE(h.scene().isVisible(LabelNR));
    EXPECT_EQ(h.scene().text(LabelNR), "新記録！！");
    EXPECT_TRUE(h.state().NewRecordShown);
    EXPECT_TRUE(h.platform.errors.empty());
}

TEST(GameClear, TheGameReturnsToLevelZeroAndCelebrates) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(200);
    EXPECT_FALSE(h.platform.isEnabled(MenuItem::N5));
    EXPECT_TRUE(h.scene().isVisible(Label1));
    EXPECT_EQ(h.scene().text(Label1),
              "ＧＡＭＥ　ＣＬＥＡＲ　！！\r\r何かキーを押すとゲームを再開します。");
    EXPECT_EQ(h.scene().element(Label1).color, Colors::Magenta);
    EXPECT_TRUE(h.state().CelebrationPhase);
    EXPECT_EQ(h.state().Score, 0);
    EXPECT_EQ(h.state().Level, 0);
}

TEST(GameClear, TheStatusLabelsKeepTheFinishedGameUntilTheNextKey) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(200);
    EXPECT_EQ(h.scene().text(LabelScore), "200匹");
    EXPECT_EQ(h.scene().text(LabelLevel), "レベル4");
    EXPECT_EQ(h.scene().text(LabelTime), "0");
    EXPECT_EQ(h.scene().text(LabelHighScore), "190匹\r(最高記録)");
}

TEST(GameClear, RecordInTheStrangeModeChangesOnlyTheSecondScore) {
    CoreHarness h;
    h.writeFile("record1.dat", words({400, 250, 300}));
    h.runTitle();
    h.clearGame(251);
    EXPECT_EQ(h.readFile("record1.dat"), words({400, 251, 300}));
}

TEST(GameClear, EqualScoreIsNoRecord) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(190);
    EXPECT_FALSE(fs::exists(h.dataFile("record1.dat")));
    EXPECT_FALSE(h.scene().isVisible(LabelNR));
    EXPECT_FALSE(h.state().NewRecordShown);
    EXPECT_EQ(h.state().HighScores[1], 190);
    h.tick(3);
    EXPECT_TRUE(h.scene().isVisible(LabelScore)) << "nothing blinks";
}

TEST(GameClear, NormalModeWithoutARecordStandsStill) {
    CoreHarness h;
    h.runTitle();
    h.chooseMode(HammerMode::NormalOnly);
    h.clearGame(320);
    EXPECT_TRUE(h.state().CelebrationPhase);
    EXPECT_FALSE(h.platform.timerEnabled);
    for (const ElementId monster : {ImgMonster0, ImgMonster1, ImgMonster2})
        EXPECT_FALSE(h.scene().isVisible(monster));
}

TEST(GameClear, NormalModeRecordBlinksWithoutAnOrbit) {
    CoreHarness h;
    h.writeFile("record1.dat", words({330, 190, 190}));
    h.runTitle();
    h.chooseMode(HammerMode::NormalOnly);
    h.clearGame(331);
    EXPECT_EQ(h.readFile("record1.dat"), words({331, 190, 190}));
    EXPECT_TRUE(h.platform.timerEnabled);
    EXPECT_EQ(h.platform.timerInterval, 100);
    h.tick();
    EXPECT_FALSE(h.scene().isVisible(LabelNR));
    EXPECT_FALSE(h.scene().isVisible(LabelScore));
    for (const ElementId monster : {ImgMonster0, ImgMonster1, ImgMonster2})
        EXPECT_FALSE(h.scene().isVisible(monster));
}

TEST(GameClear, SavedGameOfTheSameModeIsCancelled) {
    CoreHarness same;
    same.writeFile("record2.dat", words({5, 6, 2, 50, 30, 1, 17, 0}));
    same.platform.answers = {Answer::No};
    same.runTitle();
    same.clearGame(200);
    EXPECT_EQ(same.readFile("record2.dat"), words({5, 6, 0, 200, 130, 1, 120, 1}));
}

TEST(GameClear, SavedGameOfAnotherModeIsLeftAlone) {
    CoreHarness other;
    const std::vector<unsigned char> otherMode = words({5, 6, 2, 50, 30, 2, 17, 0});
    other.writeFile("record2.dat", otherMode);
    other.platform.answers = {Answer::No};
    other.runTitle();
    other.clearGame(200);
    EXPECT_EQ(other.readFile("record2.dat"), otherMode);
}

TEST(GameClear, NoSavedGameIsWrittenWhenThereWasNone) {
    CoreHarness none;
    none.runTitle();
    none.clearGame(200);
    EXPECT_FALSE(fs::exists(none.dataFile("record2.dat"))) << "nothing to cancel";
}

TEST(GameClear, SavedGameWrittenEarlierInThisRunIsCancelled) {
    CoreHarness h;
    h.runTitle();
    h.playLevelTo(30);
    h.save();
    for (const int target : {70, 130, 195})
        h.playLevelTo(target);
    EXPECT_EQ(h.readFile("record2.dat"), words({0, 0, 0, 195, 130, 1, 120, 1}));
}

// A save that failed wrote nothing: the saved game on disk is still this copy's to cancel.
TEST(GameClear, SavedGameIsCancelledEvenAfterAFailedSave) {
    CoreHarness h;
    h.writeFile("record2.dat", words({5, 6, 2, 50, 30, 1, 17, 0}));
    h.platform.answers = {Answer::No};
    h.runTitle();
    h.playLevelTo(30);
    fs::rename(h.folder() / "data", h.folder() / "away");
    std::ofstream(h.folder() / "data") << "not a folder";
    h.save();
    ASSERT_EQ(h.platform.errors.size(), 1u);
    fs::remove(h.folder() / "data");
    fs::rename(h.folder() / "away", h.folder() / "data");
    for (const int target : {70, 130, 195})
        h.playLevelTo(target);
    EXPECT_EQ(h.readFile("record2.dat"), words({5, 6, 0, 195, 130, 1, 120, 1}));
}

// A record that cannot be written is reported, and the game clear still finishes: the player
// sees the celebration and the next key starts a new game, never a fifth level.
TEST(GameClear, UnwritableRecordFilesAreReportedAndTheGameClearFinishes) {
    CoreHarness h;
    h.writeFile("record2.dat", words({0, 0, 2, 50, 30, 1, 17, 0}));
    h.platform.answers = {Answer::No};
    h.runTitle();
    fs::remove(h.dataFile("record2.dat"));
    fs::create_directory(h.dataFile("record2.dat"));
    fs::create_directory(h.dataFile("record1.dat"));
    h.clearGame(200);

    const std::string data = h.folder().string() + "/data/";
    EXPECT_EQ(h.platform.errors,
              (std::vector<std::string>{"ファイル " + data + "record1.dat を作成できません",
                                        "ファイル " + data + "record2.dat を作成できません"}));
    EXPECT_TRUE(h.state().CelebrationPhase);
    EXPECT_EQ(h.scene().text(Label1),
              "ＧＡＭＥ　ＣＬＥＡＲ　！！\r\r何かキーを押すとゲームを再開します。");
    EXPECT_TRUE(h.scene().isVisible(LabelNR));
    EXPECT_EQ(h.state().Score, 0);
    EXPECT_EQ(h.state().Level, 0);
    EXPECT_TRUE(h.platform.timerEnabled);
    h.key();
    EXPECT_EQ(h.state().Level, 1);
    EXPECT_EQ(h.scene().text(LabelHighScore), "200匹\r(最高記録)") << "kept for this run";
}

TEST(Celebration, OrbitStartsAtThreePlacesAndTurnsTenDegreesATick) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(190);
    EXPECT_EQ(monsterCorners(h), OrbitStart);
    for (const ElementId monster : {ImgMonster0, ImgMonster1, ImgMonster2})
        EXPECT_TRUE(h.scene().isVisible(monster));
    EXPECT_TRUE(h.platform.timerEnabled);
    EXPECT_EQ(h.platform.timerInterval, 100);

    h.tick();
    EXPECT_EQ(monsterCorners(h),
              (std::array<Point, 3>{Point{448, 174}, Point{204, 85}, Point{249, 341}}));
    h.tick(8);
    EXPECT_EQ(monsterCorners(h)[0], (Point{300, 50})) << "a quarter turn, counter-clockwise";
    h.tick(15);
    EXPECT_EQ(monsterCorners(h)[1], OrbitStart[0]) << "monster 1 passes 360 degrees as 0";
    EXPECT_EQ(h.state().OrbitAngles[1], 0);
    h.tick(12);
    EXPECT_EQ(monsterCorners(h), OrbitStart) << "a whole turn in 36 ticks";
    EXPECT_EQ(h.state().OrbitAngles, (std::array<std::int32_t, 3>{0, 120, 240}));
}

TEST(Celebration, RandomModeOrbitsToo) {
    CoreHarness h;
    h.runTitle();
    h.chooseMode(HammerMode::Random);
    h.clearGame(190);
    EXPECT_EQ(monsterCorners(h), OrbitStart);
    h.tick();
    EXPECT_EQ(monsterCorners(h)[0], (Point{448, 174}));
}

TEST(Celebration, OrbitAndBlinkShareOneTick) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(200);
    for (int tick = 1; tick <= 4; ++tick) {
        const Point before = monsterCorners(h)[0];
        h.tick();
        const bool shown = tick % 2 == 0;
        EXPECT_EQ(h.scene().isVisible(LabelNR), shown) << "tick " << tick;
        EXPECT_EQ(h.scene().isVisible(LabelScore), shown) << "tick " << tick;
        EXPECT_NE(monsterCorners(h)[0], before) << "tick " << tick;
    }
}

TEST(Celebration, MonsterPressesAreIgnored) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(190);
    const std::size_t sounds = h.platform.sounds.size();
    h.game().ImgMonster0MouseDown();
    const Point onMonster1{OrbitStart[1].x + 10, OrbitStart[1].y + 10};
    ASSERT_EQ(h.scene().elementAt(onMonster1)->id, ImgMonster1);
    h.game().mousePressed(onMonster1, MouseButton::Left);
    EXPECT_EQ(h.state().Score, 0);
    EXPECT_EQ(h.platform.sounds.size(), sounds);
}

namespace {

// A key in the middle of a record's blink, while the score label is hidden.
void keyDuringTheBlink(CoreHarness& h) {
    h.runTitle();
    h.clearGame(200);
    h.tick(3);
    ASSERT_FALSE(h.scene().isVisible(LabelScore)) << "caught in a blink";
    h.key();
}

} // namespace

TEST(Celebration, NextKeyEndsItWithTheBlinkAndTheOrbit) {
    CoreHarness h;
    keyDuringTheBlink(h);
    EXPECT_FALSE(h.state().CelebrationPhase);
    EXPECT_FALSE(h.state().NewRecordShown);
    EXPECT_FALSE(h.scene().isVisible(LabelNR));
    EXPECT_TRUE(h.scene().isVisible(LabelScore));
    EXPECT_FALSE(h.scene().isVisible(Label1));
    const Point first = monsterCorners(h)[0];
    h.tick();
    EXPECT_EQ(monsterCorners(h)[0], first) << "the monsters no longer orbit";
}

TEST(Celebration, NextKeyStartsANewGameKeepingTheNewRecord) {
    CoreHarness h;
    keyDuringTheBlink(h);
    EXPECT_TRUE(h.state().Playing);
    EXPECT_EQ(h.state().Level, 1);
    EXPECT_EQ(h.scene().text(LabelScore), "0匹");
    EXPECT_EQ(h.scene().text(LabelHighScore), "200匹\r(最高記録)");
    EXPECT_EQ(h.platform.timerInterval, 500);
    EXPECT_TRUE(h.platform.isEnabled(MenuItem::N5));
}
