#include "CoreHarness.h"

#include <gtest/gtest.h>

using enum ElementId;

namespace {

// Runs FormCreate and n title ticks.
void titleTicks(CoreHarness& h, int n) {
    h.game().FormCreate();
    h.tick(n);
}

} // namespace

TEST(Title, StartsWithOnlyTheTitleArtworkOnAnEmptyCaptionAndATenMillisecondTimer) {
    CoreHarness h;
    h.game().FormCreate();
    EXPECT_EQ(h.platform.caption, "");
    EXPECT_EQ(h.platform.timerInterval, 10);
    EXPECT_TRUE(h.platform.timerEnabled);
    EXPECT_EQ(h.scene().rect(ImgTitle1), (Rect{60, 170, 40, 6}));
    EXPECT_EQ(h.scene().rect(ImgTitle2), (Rect{60, 230, 48, 6}));
    for (const Element& e : h.scene().elements())
        EXPECT_EQ(e.visible, e.id == ImgTitle1 || e.id == ImgTitle2) << static_cast<int>(e.id);
    const std::string folder = h.folder().string() + "/";
    EXPECT_EQ(h.platform.registeredCursors[CursorIndex::Hammer], folder + "data/Zintok.cur");
    EXPECT_EQ(h.platform.registeredCursors[CursorIndex::Transparent], folder + "data/tomei.cur");
}

TEST(Title, ArtworkSettlesOnTheHundredAndSeventiethTick) {
    CoreHarness h;
    titleTicks(h, 169);
    EXPECT_EQ(h.platform.caption, "");
    EXPECT_FALSE(h.scene().isVisible(ImgRogo));
    EXPECT_NE(h.state().TitleSpeed1, 0);

    h.tick();
    EXPECT_EQ(h.platform.caption, "ズンバリオ");
    EXPECT_EQ(h.scene().rect(ImgTitle1), (Rect{60, 170, 440, 66}));
    EXPECT_EQ(h.scene().rect(ImgTitle2), (Rect{60, 230, 528, 66}));
    EXPECT_TRUE(h.scene().isVisible(ImgRogo));
    for (const ElementId monster : {ImgMonster0, ImgMonster1, ImgMonster2})
        EXPECT_TRUE(h.scene().isVisible(monster));
    EXPECT_EQ(h.scene().rect(ImgMonster0), (Rect{56, 72, 50, 60}));
}

TEST(Title, FirstLineBouncesBetweenTheTopAndItsRestingPlace) {
    CoreHarness h;
    titleTicks(h, 17);
    EXPECT_EQ(h.scene().top(ImgTitle1), 0);
    EXPECT_EQ(h.scene().rect(ImgTitle1).width, 80) << "it grows at the turn";
    EXPECT_EQ(h.scene().top(ImgTitle2), 400);
    h.tick(17);
    EXPECT_EQ(h.scene().top(ImgTitle1), 170);
    EXPECT_EQ(h.scene().top(ImgTitle2), 230);
}

TEST(Title, EndsOnTheTwoHundredAndSixtyNinthTickInTheReadyPhase) {
    CoreHarness h;
    titleTicks(h, 268);
    EXPECT_TRUE(h.state().TitlePhase);
    h.tick();
    const GameState& s = h.state();
    EXPECT_FALSE(s.TitlePhase);
    EXPECT_FALSE(h.platform.timerEnabled);
    EXPECT_EQ(h.platform.timerInterval, 500);
    EXPECT_EQ(s.Level, 0);
}

TEST(Title, TheReadyPhaseOfAFreshInstallHasTheStrangeModeAndTheDefaultRecords) {
    CoreHarness h;
    titleTicks(h, 269);
    const GameState& s = h.state();
    EXPECT_EQ(s.HighScores, (std::array<int, 3>{320, 190, 190}));
    EXPECT_EQ(s.HammerMode, HammerMode::StrangeOnly);
    EXPECT_FALSE(s.NormalHammerActive);
    EXPECT_TRUE(h.platform.isMenuChecked(MenuItem::N3));
    EXPECT_FALSE(h.platform.isMenuChecked(MenuItem::N2));
    EXPECT_FALSE(h.platform.isMenuChecked(MenuItem::N4));
    EXPECT_TRUE(h.platform.questions.empty()) << "no saved game to offer";
}

TEST(Title, TheReadyPhaseAsksForAKeyBelowTheSettledArtwork) {
    CoreHarness h;
    titleTicks(h, 269);
    EXPECT_EQ(h.scene().text(Label1), "何かキーを押すとゲームが始まります。");
    EXPECT_EQ(h.scene().element(Label1).color, Colors::Yellow);
    EXPECT_EQ(h.scene().top(Label1), 400);
    EXPECT_TRUE(h.scene().isVisible(Label1));
    for (const ElementId shown : {ImgTitle1, ImgTitle2, ImgRogo, ImgMonster0})
        EXPECT_TRUE(h.scene().isVisible(shown)) << static_cast<int>(shown);
}

TEST(Title, KeysAreIgnoredWhileTheTitleRuns) {
    CoreHarness h;
    titleTicks(h, 50);
    h.key();
    h.game().Timer1Timer();
    EXPECT_FALSE(h.state().Playing);
    EXPECT_TRUE(h.scene().isVisible(ImgTitle1));
    EXPECT_EQ(h.platform.timerInterval, 10);
}

TEST(Title, MonsterPressesDoNothingOnceTheArtworkHasSettled) {
    CoreHarness h;
    titleTicks(h, 200);
    h.game().ImgMonster0MouseDown();
    h.tick(69);
    h.game().ImgMonster1MouseDown();
    EXPECT_EQ(h.state().Score, 0);
    EXPECT_TRUE(h.platform.sounds.empty());
}

// Choosing a hammer mode during the title would stop the title's timer for good, so the Hammer
// menu is unavailable until the title has ended.
TEST(Title, HammerMenuIsUnavailableUntilTheTitleEnds) {
    CoreHarness h;
    titleTicks(h, 1);
    EXPECT_FALSE(h.platform.isEnabled(MenuItem::N1));
    h.tick(268);
    EXPECT_TRUE(h.platform.isEnabled(MenuItem::N1));
    EXPECT_EQ(std::count_if(h.platform.menuChecked.begin(), h.platform.menuChecked.end(),
                            [](const auto& item) { return item.second; }),
              1);
}

TEST(Title, TitleTickRepaintsOnlyTheMovingArtwork) {
    CoreHarness h;
    h.game().FormCreate();
    h.game().scene().takeDirtyRects();
    h.tick();
    const std::vector<Rect> dirty = h.game().scene().takeDirtyRects();
    ASSERT_FALSE(dirty.empty());
    for (const Rect& r : dirty)
        EXPECT_LE(r.width * r.height, 48 * 6) << "only the two small title pictures changed";
}
