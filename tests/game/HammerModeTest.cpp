#include "CoreHarness.h"

#include <gtest/gtest.h>

using enum ElementId;

TEST(HammerMode, TheCheckedItemAsksNothingAndChangesNothing) {
    CoreHarness h;
    h.runTitle();
    h.game().N3Click();
    EXPECT_TRUE(h.platform.questions.empty());
    EXPECT_EQ(h.state().HammerMode, HammerMode::StrangeOnly);
}

TEST(HammerMode, AnsweringNoLeavesModeMarksScoreAndLevelAlone) {
    CoreHarness h;
    h.startLevel1();
    h.tick(30);
    h.key(); // pause
    const GameState before = h.state();
    h.platform.answers = {Answer::No};
    h.game().N2Click();
    ASSERT_EQ(h.platform.questions.size(), 1u);
    EXPECT_EQ(h.platform.questions[0].message,
              "レベル１からスタートになりますが、\rゲームモードを変更しますか？");
    EXPECT_EQ(h.platform.questions[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(h.state().HammerMode, HammerMode::StrangeOnly);
    EXPECT_EQ(h.state().Score, before.Score);
    EXPECT_EQ(h.state().Level, 1);
    EXPECT_TRUE(h.state().ResumePending);
    EXPECT_TRUE(h.platform.isMenuChecked(MenuItem::N3));
    EXPECT_FALSE(h.platform.isMenuChecked(MenuItem::N2));
}

namespace {

// Level 1 of the strange mode paused after 30 ticks, then a change to the normal hammer.
void changeModeDuringAPause(CoreHarness& h) {
    h.startLevel1();
    h.tick(30);
    h.key();
    h.platform.answers = {Answer::Yes};
    h.game().N2Click();
}

} // namespace

TEST(HammerMode, AChangeAbandonsAPausedLevelAndTheNextKeyStartsLevelOne) {
    CoreHarness h;
    changeModeDuringAPause(h);
    const GameState& s = h.state();
    EXPECT_EQ(s.HammerMode, HammerMode::NormalOnly);
    EXPECT_TRUE(s.NormalHammerActive);
    EXPECT_TRUE(h.platform.isMenuChecked(MenuItem::N2));
    EXPECT_FALSE(h.platform.isMenuChecked(MenuItem::N3));
    EXPECT_FALSE(h.platform.isMenuChecked(MenuItem::N4));
    EXPECT_EQ(s.Level, 0);
    EXPECT_EQ(s.Score, 0);
    EXPECT_FALSE(s.ResumePending);

    h.key();
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.Ticks, 0);
    EXPECT_EQ(h.platform.cursor, CursorIndex::Hammer);
    EXPECT_EQ(h.scene().text(LabelScore), "0匹");
}

TEST(HammerMode, AChangeShowsTheNewModesRecordOverAFreshStatus) {
    CoreHarness h;
    changeModeDuringAPause(h);
    EXPECT_EQ(h.scene().text(LabelHighScore), "320匹\r(最高記録)");
    EXPECT_EQ(h.scene().text(LabelScore), "0");
    EXPECT_EQ(h.scene().text(LabelLevel), "レベル1");
    EXPECT_EQ(h.scene().text(LabelTime), "60");
    EXPECT_EQ(h.scene().text(Label1), "何かキーを押すとゲームが始まります。");
}

// The question is asked with the timer still running: the celebration's orbit goes on behind
// it, and the change itself stops it, leaving the monsters where the orbit left them.
TEST(HammerMode, TheQuestionDoesNotStopTheCelebration) {
    CoreHarness h;
    h.runTitle();
    h.clearGame(200);
    ASSERT_TRUE(h.state().CelebrationPhase);
    int ticksWhileAsking = 0;
    h.platform.whileAsking = [&] {
        for (; ticksWhileAsking < 3 && h.platform.timerEnabled; ++ticksWhileAsking)
            h.game().Timer1Timer();
    };
    h.platform.answers = {Answer::Yes};
    h.game().N4Click();
    EXPECT_EQ(ticksWhileAsking, 3);
    EXPECT_EQ(h.state().OrbitAngles[0], 30);
    EXPECT_FALSE(h.platform.timerEnabled) << "the change itself stops it";
    EXPECT_TRUE(h.state().CelebrationPhase) << "until the next key";
    EXPECT_EQ(h.state().HammerMode, HammerMode::Random);
    EXPECT_FALSE(h.state().NormalHammerActive);
    EXPECT_TRUE(h.scene().isVisible(ImgMonster0));
    // The record blinked three times: the score label stays hidden until the next key.
    EXPECT_FALSE(h.scene().isVisible(LabelNR));
    EXPECT_FALSE(h.scene().isVisible(LabelScore));
    h.key();
    EXPECT_TRUE(h.scene().isVisible(LabelScore));
    EXPECT_EQ(h.state().Level, 1);
}
