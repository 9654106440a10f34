#include "CoreHarness.h"
#include "MouseRouter.h"
#include "Scene.h"

#include <gtest/gtest.h>

using enum ElementId;

namespace {

Scene makeScene() {
    return Scene([](const GameText&, Font) { return Size{10, 10}; });
}

// Monster 0 alone, its rectangle from (100, 100) to (150, 160).
Scene sceneWithMonster0At100() {
    Scene scene = makeScene();
    scene.moveTo(ImgMonster0, {100, 100});
    scene.show(ImgMonster0);
    return scene;
}

// A point of the element that no element drawn above it covers.
Point uncoveredPoint(const Scene& scene, ElementId id) {
    const Rect r = scene.rect(id);
    for (int y = r.top; y < r.bottom(); ++y) {
        for (int x = r.left; x < r.right(); ++x) {
            const Element* top = scene.elementAt({x, y});
            if (top != nullptr && top->id == id)
                return {x, y};
        }
    }
    return {-1, -1};
}

} // namespace

TEST(MouseRouting, OverlappingElementsGoToTheOneDrawnLater) {
    Scene scene = makeScene();
    scene.moveTo(ImgMonster0, {100, 100});
    scene.moveTo(ImgMonster1, {120, 110});
    scene.show(ImgMonster0);
    scene.show(ImgMonster1);
    MouseRouter router;
    EXPECT_EQ(router.press(scene, {130, 120}, MouseButton::Right), MouseTarget::on(ImgMonster1));
    EXPECT_EQ(router.press(scene, {105, 105}, MouseButton::Right), MouseTarget::on(ImgMonster0));
    // The right and bottom edges lie outside.
    EXPECT_EQ(router.press(scene, {170, 130}, MouseButton::Right), MouseTarget::window());
    EXPECT_EQ(router.press(scene, {169, 169}, MouseButton::Right), MouseTarget::on(ImgMonster1));
}

TEST(MouseRouting, HiddenElementsAreNeverFoundAndTransparentLabelsCatchTheirWholeRectangle) {
    Scene scene = makeScene();
    MouseRouter router;
    // LabelScore is hidden at start: the press reaches the bare window.
    EXPECT_EQ(router.move(scene, {600, 75}, false), MouseTarget::window());
    scene.show(LabelScore);
    // Its blank left part, far from the right-aligned letters, still takes the event.
    EXPECT_EQ(router.move(scene, {521, 49}, false), MouseTarget::on(LabelScore));
}

TEST(MouseRouting, LeftPressHoldsTheMouseForWhereItBegan) {
    Scene scene = sceneWithMonster0At100();
    MouseRouter router;

    router.press(scene, {110, 110}, MouseButton::Left);
    EXPECT_EQ(router.move(scene, {400, 400}, true), MouseTarget::on(ImgMonster0))
        << "dragged off it";
    EXPECT_EQ(router.press(scene, {400, 400}, MouseButton::Right), MouseTarget::on(ImgMonster0));
    router.release(MouseButton::Right);
    EXPECT_EQ(router.move(scene, {400, 400}, true), MouseTarget::on(ImgMonster0)) << "still held";
    router.release(MouseButton::Left);
    EXPECT_EQ(router.move(scene, {400, 400}, false), MouseTarget::window());

    router.press(scene, {400, 400}, MouseButton::Left);
    EXPECT_EQ(router.move(scene, {110, 110}, true), MouseTarget::window()) << "the window keeps it";
    router.release(MouseButton::Left);
    EXPECT_EQ(router.move(scene, {110, 110}, false), MouseTarget::on(ImgMonster0));

    // Other buttons do not hold the mouse.
    router.press(scene, {110, 110}, MouseButton::Right);
    EXPECT_EQ(router.move(scene, {400, 400}, false), MouseTarget::window());
}

// With the strange hammer in play: presses on the field and on status labels swing, presses
// on an explosion do not, and the hammer only follows movements over the bare field.
TEST(MouseRouting, RawEventsReachTheRightHandlers) {
    CoreHarness h;
    h.startLevel1();
    Game& game = h.game();
    const Rect monster = h.scene().rect(ImgMonster0);
    const Rect hammer = h.scene().rect(ImgBou);
    // Put the hammer on monster 0 by moving the pointer on the bare field.
    const Point field{5, 455};
    ASSERT_FALSE(h.scene().elementAt(field));
    h.platform.pointer.x += hammer.left - monster.left;
    h.platform.pointer.y += hammer.top - monster.top;
    game.mouseMoved(field, false);
    ASSERT_EQ(h.scene().rect(ImgBou).left, monster.left);
    ASSERT_EQ(h.scene().rect(ImgBou).top, monster.top);

    // A press on any of the four status labels swings the hammer as the bare field does.
    int afterLabel = 0;
    for (const ElementId label : {LabelHighScore, LabelLevel, LabelTime, LabelScore}) {
        const Point onLabel = uncoveredPoint(h.scene(), label);
        ASSERT_EQ(h.scene().elementAt(onLabel)->id, label);
        game.mousePressed(onLabel, MouseButton::Left);
        game.mouseReleased(MouseButton::Left);
        EXPECT_GT(h.state().Score, afterLabel) << "label " << static_cast<int>(label);
        afterLabel = h.state().Score;
    }

    const Rect explosion = h.scene().rect(ImgBakuhatu0);
    ASSERT_TRUE(h.scene().isVisible(ImgBakuhatu0));
    // Below and right of the hammer, which stands on the explosion's corner.
    const Point onExplosion{explosion.left + 40, explosion.top + 40};
    ASSERT_EQ(h.scene().elementAt(onExplosion)->id, ImgBakuhatu0);
    game.mousePressed(onExplosion, MouseButton::Left);
    EXPECT_EQ(h.state().Score, afterLabel) << "an explosion swallows the press";
    // Held on the explosion: movements do not reach the hammer.
    h.platform.pointer.x += 50;
    game.mouseMoved(field, true);
    EXPECT_EQ(h.scene().rect(ImgBou).left, monster.left);
    game.mouseReleased(MouseButton::Left);

    game.mousePressed(field, MouseButton::Middle);
    EXPECT_GT(h.state().Score, afterLabel) << "any button swings";
}

TEST(MouseRouting, TheHoldEndsWhenTheWindowSystemTakesTheMouseAway) {
    Scene scene = sceneWithMonster0At100();

    // A dialog opened while the button was down: its release went to the dialog.
    MouseRouter router;
    router.press(scene, {110, 110}, MouseButton::Left);
    router.lose();
    EXPECT_FALSE(router.isCaptured());
    EXPECT_EQ(router.move(scene, {400, 400}, false), MouseTarget::window());

    // A movement without the left button: its release was lost without a word.
    router.press(scene, {110, 110}, MouseButton::Left);
    EXPECT_EQ(router.move(scene, {400, 400}, false), MouseTarget::window());

    // A second left press: the first one's release went elsewhere.
    router.press(scene, {110, 110}, MouseButton::Left);
    EXPECT_EQ(router.press(scene, {400, 400}, MouseButton::Left), MouseTarget::window());
    EXPECT_EQ(router.move(scene, {110, 110}, true), MouseTarget::window()) << "the new hold";
}

TEST(MouseRouting, OutsideTheClientAreaOnlyALeftHoldDeliversEvents) {
    Scene scene = makeScene();
    MouseRouter router;
    // Qt keeps sending to the field while any button is down, also over the menu bar.
    for (const Point outside : {Point{300, -5}, Point{-1, 200}, Point{617, 200}, Point{300, 460}}) {
        SCOPED_TRACE("at " + std::to_string(outside.x) + "," + std::to_string(outside.y));
        EXPECT_EQ(router.move(scene, outside, false), MouseTarget::nobody());
        EXPECT_EQ(router.press(scene, outside, MouseButton::Right), MouseTarget::nobody());
        EXPECT_EQ(router.press(scene, outside, MouseButton::Left), MouseTarget::nobody());
        EXPECT_FALSE(router.isCaptured()) << "a press outside holds nothing";
    }
    EXPECT_EQ(router.move(scene, {616, 459}, false), MouseTarget::window());

    router.press(scene, {300, 200}, MouseButton::Left);
    EXPECT_EQ(router.move(scene, {300, -5}, true), MouseTarget::window());
}

// The normal hammer counts a monster once per jump, also when the release of the press that hit
// it went to a dialog; a right drag over the menu bar leaves the strange hammer alone.
TEST(MouseRouting, AStaleHoldNeverScoresAndOnlyALeftHoldReachesBeyondTheField) {
    CoreHarness h;
    h.startLevel1(HammerMode::NormalOnly);
    ASSERT_TRUE(h.state().NormalHammerActive);
    Game& game = h.game();
    const Rect monster = h.scene().rect(ImgMonster0);
    game.mousePressed({monster.left + 5, monster.top + 5}, MouseButton::Left);
    ASSERT_EQ(h.state().Score, 1);
    game.mouseLost();
    Point bare{0, 459};
    ASSERT_EQ(h.scene().elementAt(bare), nullptr);
    game.mousePressed(bare, MouseButton::Left);
    game.mouseReleased(MouseButton::Left);
    EXPECT_EQ(h.state().Score, 1);

    // The same after the level: a stale hold must not score in the result phase either.
    game.mousePressed({monster.left + 5, monster.top + 5}, MouseButton::Left);
    h.finishLevel();
    game.mouseLost();
    const int atEnd = h.state().Score;
    game.mousePressed(bare, MouseButton::Left);
    EXPECT_EQ(h.state().Score, atEnd);
}

TEST(MouseRouting, ARightDragOverTheMenuBarDoesNotMoveTheStrangeHammer) {
    CoreHarness h;
    h.startLevel1();
    ASSERT_FALSE(h.state().NormalHammerActive);
    const Rect before = h.scene().rect(ImgBou);
    // The pointer over the menu bar, above the client area's top.
    h.platform.pointer = {300, 90};
    const Point overTheMenuBar{300 - FakeWindow::Outer.left, 90 - FakeWindow::ClientTop};
    h.game().mouseMoved(overTheMenuBar, false);
    EXPECT_EQ(h.scene().rect(ImgBou), before);
    EXPECT_TRUE(h.scene().isVisible(ImgBou));

    // Held from a left press on the bare field, the same movement is the window's.
    const Point bare{0, 459};
    ASSERT_EQ(h.scene().elementAt(bare), nullptr);
    h.game().mousePressed(bare, MouseButton::Left);
    h.game().mouseMoved(overTheMenuBar, true);
    EXPECT_FALSE(h.scene().isVisible(ImgBou)) << "the top edge rule";
}
