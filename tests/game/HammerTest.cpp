#include "CoreHarness.h"

#include <gtest/gtest.h>

using enum ElementId;

namespace {

// Moves the pointer so that the strange hammer, moving opposite, lands at `target`.
void moveHammerTo(CoreHarness& h, Point target) {
    const Rect hammer = h.scene().rect(ImgBou);
    h.platform.pointer.x -= target.x - hammer.left;
    h.platform.pointer.y -= target.y - hammer.top;
    h.game().FormMouseMove();
}

} // namespace

using namespace FakeWindow;

TEST(StrangeHammer, StartsOppositeThePointer) {
    CoreHarness h;
    h.runTitle();
    h.platform.pointer = {300, 200};
    h.key();
    // 625 - (300 - 100) = 425; 511 - (200 - 50) = 361: mirrored in the window's rectangle.
    EXPECT_EQ(h.scene().rect(ImgBou), (Rect{425, 361, 32, 32}));
    EXPECT_TRUE(h.scene().isVisible(ImgBou));
    EXPECT_EQ(h.state().PrevCursorX, 300);
    EXPECT_EQ(h.state().PrevCursorY, 200);
}

TEST(StrangeHammer, StartsAtTheOppositeEdgeWhenThePointerIsAtOrOutsideAnEdge) {
    struct Case {
        Point pointer;
        Point hammer;
    };
    // (105, 106) is 5 px inside the window's left edge and the client area's top.
    for (const Case& c : {Case{{105, 106}, {HammerFarLeft, HammerFarTop}},
                          Case{{720, 556}, {HammerNear, HammerNear}},
                          Case{{-400, 2000}, {HammerFarLeft, HammerNear}},
                          Case{{3000, -10}, {HammerNear, HammerFarTop}}}) {
        SCOPED_TRACE("pointer at " + std::to_string(c.pointer.x) + "," +
                     std::to_string(c.pointer.y));
        CoreHarness h;
        h.runTitle();
        h.platform.pointer = c.pointer;
        h.key();
        EXPECT_EQ(h.scene().left(ImgBou), c.hammer.x);
        EXPECT_EQ(h.scene().top(ImgBou), c.hammer.y);
    }
}

TEST(StrangeHammer, MovesOppositeToTheMouse) {
    CoreHarness h;
    h.startLevel1();
    const Rect before = h.scene().rect(ImgBou);
    h.platform.pointer.x += 30;
    h.platform.pointer.y -= 20;
    h.game().FormMouseMove();
    EXPECT_EQ(h.scene().left(ImgBou), before.left - 30);
    EXPECT_EQ(h.scene().top(ImgBou), before.top + 20);
    EXPECT_EQ(h.state().PrevCursorX, h.platform.pointer.x);
}

TEST(StrangeHammer, JumpsToTheOppositeSideAndHidesNearAWindowEdge) {
    CoreHarness h;
    h.startLevel1();
    h.platform.pointer = {103, 300}; // 3 px right of the window's outer left edge
    h.game().FormMouseMove();
    EXPECT_EQ(h.scene().left(ImgBou), HammerFarLeft);
    EXPECT_FALSE(h.scene().isVisible(ImgBou));

    h.platform.pointer = {400, 300};
    h.game().FormMouseMove();
    EXPECT_TRUE(h.scene().isVisible(ImgBou)) << "the next movement shows it again";

    h.platform.pointer = {400, 106}; // within 5 px of the client area's top
    h.game().FormMouseMove();
    EXPECT_EQ(h.scene().top(ImgBou), HammerFarTop);
    EXPECT_FALSE(h.scene().isVisible(ImgBou));

    h.platform.pointer = {721, 558};
    h.game().FormMouseMove();
    EXPECT_EQ(h.scene().left(ImgBou), HammerNear);
    EXPECT_EQ(h.scene().top(ImgBou), HammerNear);
}

TEST(StrangeHammer, ASwingTouchingAMonstersRightEdgeHits) {
    CoreHarness h;
    h.startLevel1();
    const Rect monster = h.scene().rect(ImgMonster0);
    moveHammerTo(h, {monster.right(), monster.top + 10});
    h.game().FormMouseDown();
    EXPECT_EQ(h.state().Score, 1);
    EXPECT_FALSE(h.scene().isVisible(ImgMonster0));
    EXPECT_EQ(h.scene().rect(ImgBakuhatu0), (Rect{monster.left, monster.top, 50, 45}));
    EXPECT_TRUE(h.scene().isVisible(ImgBakuhatu0));
    EXPECT_EQ(h.scene().text(LabelScore), "1匹");
    EXPECT_EQ(h.platform.sounds.back(), SoundId::Hit);

    // One pixel further is a miss.
    moveHammerTo(h, {monster.right() + 1, monster.top + 10});
    h.game().FormMouseDown();
    EXPECT_EQ(h.state().Score, 1);
}

TEST(StrangeHammer, SwingsHitHiddenMonstersAgainAndCountWhileTheHammerIsHidden) {
    CoreHarness h;
    h.startLevel1();
    const Rect monster = h.scene().rect(ImgMonster1);
    moveHammerTo(h, {monster.left + 5, monster.top + 5});
    h.game().FormMouseDown();
    h.game().FormMouseDown();
    h.game().ImgMonster2MouseDown(); // a press on another monster swings too
    EXPECT_EQ(h.state().Score, 3);
    EXPECT_EQ(h.platform.sounds.size(), 3u);
}

TEST(StrangeHammer, AfterARandomSwitchTheFirstMovementMakesUpThePointersWholeTravel) {
    CoreHarness h;
    h.startLevel1(HammerMode::Random);
    // Play until a jump hands over the normal hammer, moving the pointer meanwhile.
    while (!h.state().NormalHammerActive)
        h.tick();
    const Point last{h.state().PrevCursorX, h.state().PrevCursorY};
    h.platform.pointer = {last.x + 40, last.y + 25};
    h.game().FormMouseMove();
    EXPECT_EQ(h.state().PrevCursorX, last.x) << "the normal hammer does not move the other";
    while (h.state().NormalHammerActive)
        h.tick();
    ASSERT_TRUE(h.state().Playing);
    const Rect before = h.scene().rect(ImgBou);
    h.platform.pointer.x += 1;
    h.game().FormMouseMove();
    EXPECT_EQ(h.scene().left(ImgBou), before.left - 41);
    EXPECT_EQ(h.scene().top(ImgBou), before.top - 25);
}

TEST(NormalHammer, APressOnAMonsterHitsItOncePerJump) {
    CoreHarness h;
    h.startLevel1(HammerMode::NormalOnly);
    EXPECT_EQ(h.platform.cursor, CursorIndex::Hammer);
    EXPECT_FALSE(h.scene().isVisible(ImgBou));
    const Rect monster = h.scene().rect(ImgMonster2);
    h.game().mousePressed({monster.left + 25, monster.top + 30}, MouseButton::Left);
    h.game().mouseReleased(MouseButton::Left);
    EXPECT_EQ(h.state().Score, 1);
    // The monster is gone; the press now lands on its explosion, which swallows it.
    h.game().mousePressed({monster.left + 25, monster.top + 30}, MouseButton::Left);
    h.game().mouseReleased(MouseButton::Left);
    EXPECT_EQ(h.state().Score, 1);
    // A press on the bare field does nothing with the normal hammer.
    h.game().FormMouseDown();
    EXPECT_EQ(h.state().Score, 1);
    // The next jump hides the explosions.
    h.tick(5);
    EXPECT_FALSE(h.scene().isVisible(ImgBakuhatu2));
}
