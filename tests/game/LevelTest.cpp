#include "CoreHarness.h"
#include "Random.h"

#include <gtest/gtest.h>

using enum ElementId;

namespace {

std::array<Rect, 3> monsterRects(const CoreHarness& h) {
    return {h.scene().rect(ImgMonster0), h.scene().rect(ImgMonster1), h.scene().rect(ImgMonster2)};
}

} // namespace

TEST(Level, AKeyInTheReadyPhaseStartsLevelOneOnAHalfSecondClock) {
    CoreHarness h;
    h.startLevel1();
    const GameState& s = h.state();
    EXPECT_TRUE(s.Playing);
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.Ticks, 0);
    EXPECT_TRUE(h.platform.timerEnabled);
    EXPECT_EQ(h.platform.timerInterval, 500);
}

TEST(Level, PlayLocksTheHammerMenuOffersSavingAndTradesThePointerForTheHammer) {
    CoreHarness h;
    h.startLevel1();
    EXPECT_FALSE(h.platform.isEnabled(MenuItem::N1));
    EXPECT_TRUE(h.platform.isEnabled(MenuItem::N5));
    EXPECT_EQ(h.platform.cursor, CursorIndex::Transparent);
    EXPECT_TRUE(h.scene().isVisible(ImgBou));
}

TEST(Level, LevelOneShowsItsStatusInPlaceOfTheTitle) {
    CoreHarness h;
    h.startLevel1();
    EXPECT_EQ(h.scene().text(LabelLevel), "レベル1");
    EXPECT_EQ(h.scene().text(LabelScore), "0匹");
    EXPECT_EQ(h.scene().text(LabelHighScore), "190匹\r(最高記録)");
    EXPECT_EQ(h.scene().text(LabelTime), "60");
    for (const ElementId gone : {ImgTitle1, ImgTitle2, ImgRogo, Label1})
        EXPECT_FALSE(h.scene().isVisible(gone)) << static_cast<int>(gone);
    for (const ElementId shown : {LabelTime, LabelLevel, LabelScore, LabelHighScore})
        EXPECT_TRUE(h.scene().isVisible(shown)) << static_cast<int>(shown);
    EXPECT_EQ(h.scene().top(Label1), 152);
}

TEST(Level, TheClockCountsDownHalfASecondATick) {
    CoreHarness h;
    h.startLevel1();
    h.tick();
    EXPECT_EQ(h.scene().text(LabelTime), "60");
    h.tick();
    EXPECT_EQ(h.scene().text(LabelTime), "59");
    h.tick(117);
    EXPECT_EQ(h.scene().text(LabelTime), "1");
    EXPECT_TRUE(h.state().Playing);
    h.tick();
    EXPECT_EQ(h.scene().text(LabelTime), "0");
    EXPECT_FALSE(h.state().Playing) << "the level ends on its 120th tick";
    EXPECT_FALSE(h.platform.timerEnabled);
}

TEST(Level, MonstersJumpOnEveryFifthTickOfLevelOne) {
    CoreHarness h;
    h.startLevel1();
    for (int jump = 0; jump < 3; ++jump) {
        const auto before = monsterRects(h);
        h.tick(4);
        EXPECT_EQ(monsterRects(h), before);
        h.tick();
        EXPECT_NE(monsterRects(h), before) << "jump " << jump;
    }
}

TEST(Level, MonstersLieInTheFieldMoreThanAHundredPixelsApart) {
    CoreHarness h;
    h.startLevel1();
    for (int jump = 0; jump < 24; ++jump) {
        SCOPED_TRACE("after jump " + std::to_string(jump));
        const auto rects = monsterRects(h);
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE("monster " + std::to_string(i));
            EXPECT_GE(rects[i].left, 10);
            EXPECT_LE(rects[i].left, 549);
            EXPECT_GE(rects[i].top, 10);
            EXPECT_LE(rects[i].top, 399);
            for (std::size_t j = i + 1; j < 3; ++j) {
                const int dx = rects[i].left - rects[j].left;
                const int dy = rects[i].top - rects[j].top;
                EXPECT_GT(dx * dx + dy * dy, 10000);
            }
        }
        h.tick(5);
    }
}

// Finds a time of day whose seed draws monster 1's first corner exactly 100 px from monster 0's.
TEST(Level, CornersExactlyAHundredPixelsApartAreDrawnAgain) {
    std::int64_t seed = 0;
    Point first;
    Point rejected;
    for (;; ++seed) {
        Random r;
        r.randomize(seed);
        first = {r.next(540) + 10, r.next(390) + 10};
        rejected = {r.next(540) + 10, r.next(390) + 10};
        const int dx = rejected.x - first.x;
        const int dy = rejected.y - first.y;
        if (dx * dx + dy * dy == 10000)
            break;
    }
    CoreHarness h;
    h.runTitle();
    h.platform.timeOfDay = seed;
    h.key();
    EXPECT_EQ(h.scene().left(ImgMonster0), first.x);
    EXPECT_EQ(h.scene().top(ImgMonster0), first.y);
    const Rect second = h.scene().rect(ImgMonster1);
    EXPECT_NE((Point{second.left, second.top}), rejected);
    const int dx = second.left - first.x;
    const int dy = second.top - first.y;
    EXPECT_GT(dx * dx + dy * dy, 10000);
}

TEST(Level, AKeyPausesWithTheClockStoppedAndTheMonstersHidden) {
    CoreHarness h;
    h.startLevel1();
    h.tick(3);
    h.key();
    const GameState& s = h.state();
    EXPECT_FALSE(s.Playing);
    EXPECT_TRUE(s.ResumePending);
    EXPECT_FALSE(h.platform.timerEnabled);
    EXPECT_EQ(h.scene().text(Label1), "一時停止中\r\r何かキーを押すと再開します。");
    EXPECT_TRUE(h.scene().isVisible(Label1));
    EXPECT_FALSE(h.scene().isVisible(ImgMonster0));
    EXPECT_EQ(h.platform.cursor, CursorIndex::Arrow);
    EXPECT_TRUE(h.platform.isEnabled(MenuItem::N1));
}

TEST(Level, ResumeRedrawsTheMonstersWithoutResettingTheJumpCounter) {
    CoreHarness h;
    h.startLevel1();
    h.tick(3);
    h.key();
    h.platform.timeOfDay = 777;
    h.key();
    const GameState& s = h.state();
    EXPECT_TRUE(s.Playing);
    EXPECT_FALSE(s.ResumePending);
    EXPECT_EQ(s.Ticks, 3);
    EXPECT_EQ(s.MoveCounter, 3);
    EXPECT_TRUE(h.scene().isVisible(ImgMonster0));
    const auto resumed = monsterRects(h);
    h.tick();
    EXPECT_EQ(monsterRects(h), resumed);
    h.tick();
    EXPECT_NE(monsterRects(h), resumed) << "the fifth tick of the level still jumps";
}

TEST(Level, HelpPausesARunningLevelAndOnlyOpensHelpOtherwise) {
    CoreHarness h;
    h.game().FormCreate();
    h.tick(10);
    h.game().Help2Click();
    EXPECT_TRUE(h.platform.timerEnabled) << "the title goes on";
    ASSERT_EQ(h.platform.helpRequests.size(), 1u);
    EXPECT_EQ(h.platform.helpRequests[0].first, h.folder().string() + "/Zintok.html");
    EXPECT_EQ(h.platform.helpRequests[0].second, 1);

    h.tick(259);
    h.key();
    h.game().Help2Click();
    EXPECT_FALSE(h.state().Playing);
    EXPECT_TRUE(h.state().ResumePending);
    EXPECT_EQ(h.scene().text(Label1), "一時停止中\r\r何かキーを押すと再開します。");
    h.key();
    EXPECT_TRUE(h.state().Playing);
}

// Leaving the game for another program pauses a level in play as a key does, and nothing else:
// the title, the Ready phase, a pause, a level's result and the celebration stay as they are.
TEST(Level, LeavingTheGamePausesOnlyALevelInPlay) {
    CoreHarness h;
    h.game().FormCreate();
    h.tick(10);
    h.game().playerLeft();
    EXPECT_TRUE(h.state().TitlePhase);
    EXPECT_TRUE(h.platform.timerEnabled) << "the title goes on";

    h.tick(259);
    const std::string ready = h.scene().text(Label1);
    h.game().playerLeft();
    EXPECT_FALSE(h.state().Playing);
    EXPECT_EQ(h.scene().text(Label1), ready);

    h.key();
    h.tick(3);
    h.game().playerLeft();
    EXPECT_FALSE(h.state().Playing);
    EXPECT_TRUE(h.state().ResumePending);
    EXPECT_FALSE(h.platform.timerEnabled);
    EXPECT_EQ(h.scene().text(Label1), "一時停止中\r\r何かキーを押すと再開します。");
    EXPECT_TRUE(h.platform.isEnabled(MenuItem::N5));
    h.game().playerLeft();
    EXPECT_FALSE(h.state().Playing) << "leaving again does not resume";
    h.key();
    EXPECT_TRUE(h.state().Playing);
    EXPECT_EQ(h.state().Ticks, 3);

    h.finishLevel();
    const std::string result = h.scene().text(Label1);
    h.game().playerLeft();
    EXPECT_EQ(h.scene().text(Label1), result);
    EXPECT_FALSE(h.state().ResumePending);

    CoreHarness cleared;
    cleared.runTitle();
    cleared.clearGame(400);
    cleared.game().playerLeft();
    EXPECT_TRUE(cleared.state().CelebrationPhase);
    EXPECT_TRUE(cleared.platform.timerEnabled) << "the celebration goes on";
}

TEST(Level, HeldKeyRepeatsPauseAndResumeOnEveryRepeat) {
    CoreHarness h;
    h.startLevel1();
    for (int repeat = 0; repeat < 6; ++repeat) {
        h.key();
        EXPECT_EQ(h.state().Playing, repeat % 2 == 1);
    }
}

TEST(Level, GameOverOnLevelOneReplaysItFromTheScoreItBeganWith) {
    CoreHarness h;
    h.startLevel1();
    h.tick(3);
    h.game().FormMouseDown(); // may hit nothing; the score stays below 30 anyway
    const int finalScore = h.state().Score;
    h.finishLevel();
    const GameState& s = h.state();
    EXPECT_EQ(s.Level, 0);
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(h.platform.sounds.back(), SoundId::GameOver);
    EXPECT_EQ(h.scene().text(Label1),
              "ＧＡＭＥ　ＯＶＥＲ　！！\r\r何かキーを押すとゲームを再開します。");
    EXPECT_EQ(h.scene().element(Label1).color, Colors::Blue);
    EXPECT_EQ(h.scene().text(LabelScore), std::to_string(finalScore) + "匹")
        << "the failed level's score stays on screen until the next key";

    h.key();
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.Ticks, 0);
    EXPECT_EQ(h.scene().text(LabelScore), "0匹");
    EXPECT_EQ(h.scene().text(LabelLevel), "レベル1");
}

TEST(Level, AScoreEqualToTheTargetClearsTheLevel) {
    CoreHarness h;
    h.runTitle();
    h.chooseMode(HammerMode::NormalOnly);
    h.playLevelTo(50);
    ASSERT_EQ(h.state().Score, 50);
    EXPECT_EQ(h.state().Level, 1);
    EXPECT_EQ(h.scene().text(Label1), "ＣＬＥＡＲ　！！\r\r何かキーを押してください。");
    EXPECT_EQ(h.scene().element(Label1).color, Colors::Yellow);
    EXPECT_EQ(h.platform.sounds.back(), SoundId::LevelClear);

    h.key();
    EXPECT_EQ(h.state().Level, 2);
    EXPECT_EQ(h.state().LevelStartScore, 50);
    EXPECT_EQ(h.scene().text(LabelScore), "50匹");
    const auto before = monsterRects(h);
    h.tick(3);
    EXPECT_EQ(monsterRects(h), before);
    h.tick();
    EXPECT_NE(monsterRects(h), before) << "level 2 jumps every fourth tick";
}

TEST(Level, TheRandomHammerDrawnLastCarriesIntoTheNextLevel) {
    CoreHarness h;
    h.startLevel1(HammerMode::Random);
    EXPECT_FALSE(h.state().NormalHammerActive) << "the random mode begins with the strange hammer";
    bool sawNormal = false;
    bool sawStrange = false;
    while (h.state().Playing) {
        h.tick();
        if (h.state().MoveCounter == 0 && h.state().Playing) {
            const bool normal = h.state().NormalHammerActive;
            (normal ? sawNormal : sawStrange) = true;
            EXPECT_EQ(h.platform.cursor, normal ? CursorIndex::Hammer : CursorIndex::Transparent);
            EXPECT_EQ(h.scene().isVisible(ImgBou), !normal);
        }
    }
    EXPECT_TRUE(sawNormal && sawStrange);
    const bool last = h.state().NormalHammerActive;
    h.key();
    EXPECT_EQ(h.state().NormalHammerActive, last);
    EXPECT_EQ(h.platform.cursor, last ? CursorIndex::Hammer : CursorIndex::Transparent);
}
