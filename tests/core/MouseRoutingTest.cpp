#include "GameHarness.h"
#include "MouseRouter.h"
#include "Scene.h"

#include <gtest/gtest.h>

using enum ElementId;

namespace {

Scene makeScene() {
    return Scene([](const std::string&, Font) { return Size{10, 10}; });
}

} // namespace

TEST(MouseRouting, OverlappingElementsGoToTheOneDrawnLater) {
    Scene scene = makeScene();
    scene.moveTo(ImgMonster0, {100, 100});
    scene.moveTo(ImgMonster1, {120, 110});
    scene.show(ImgMonster0);
    scene.show(ImgMonster1);
    MouseRouter router;
    EXPECT_EQ(router.press(scene, {130, 120}, MouseButton::Right), MouseTarget(ImgMonster1));
    EXPECT_EQ(router.press(scene, {105, 105}, MouseButton::Right), MouseTarget(ImgMonster0));
    // The right and bottom edges lie outside.
    EXPECT_EQ(router.press(scene, {170, 130}, MouseButton::Right), MouseTarget());
    EXPECT_EQ(router.press(scene, {169, 169}, MouseButton::Right), MouseTarget(ImgMonster1));
}

TEST(MouseRouting, HiddenElementsAreNeverFoundAndTransparentLabelsCatchTheirWholeRectangle) {
    Scene scene = makeScene();
    MouseRouter router;
    // LabelScore is hidden at start: the press reaches the bare window.
    EXPECT_EQ(router.move(scene, {600, 75}), MouseTarget());
    scene.show(LabelScore);
    // Its blank left part, far from the right-aligned letters, still takes the event.
    EXPECT_EQ(router.move(scene, {521, 49}), MouseTarget(LabelScore));
}

TEST(MouseRouting, LeftPressHoldsTheMouseForWhereItBegan) {
    Scene scene = makeScene();
    scene.moveTo(ImgMonster0, {100, 100});
    scene.show(ImgMonster0);
    MouseRouter router;

    router.press(scene, {110, 110}, MouseButton::Left);
    EXPECT_EQ(router.move(scene, {400, 400}), MouseTarget(ImgMonster0)) << "dragged off it";
    EXPECT_EQ(router.press(scene, {400, 400}, MouseButton::Right), MouseTarget(ImgMonster0));
    router.release(MouseButton::Right);
    EXPECT_EQ(router.move(scene, {400, 400}), MouseTarget(ImgMonster0)) << "still held";
    router.release(MouseButton::Left);
    EXPECT_EQ(router.move(scene, {400, 400}), MouseTarget());

    router.press(scene, {400, 400}, MouseButton::Left);
    EXPECT_EQ(router.move(scene, {110, 110}), MouseTarget()) << "the window keeps it";
    router.release(MouseButton::Left);
    EXPECT_EQ(router.move(scene, {110, 110}), MouseTarget(ImgMonster0));

    // Other buttons do not hold the mouse.
    router.press(scene, {110, 110}, MouseButton::Right);
    EXPECT_EQ(router.move(scene, {400, 400}), MouseTarget());
}

// With the strange hammer in play: presses on the field and on status labels swing, presses
// on an explosion do not, and the hammer only follows movements over the bare field.
TEST(MouseRouting, RawEventsReachTheRightHandlers) {
    GameHarness h;
    h.startLevel1();
    Game& game = h.game();
    const Rect monster = h.scene().rect(ImgMonster0);
    const Rect hammer = h.scene().rect(ImgBou);
    // Put the hammer on monster 0 by moving the pointer on the bare field.
    const Point field{5, 455};
    ASSERT_FALSE(h.scene().elementAt(field));
    h.platform.pointer.x += hammer.left - monster.left;
    h.platform.pointer.y += hammer.top - monster.top;
    game.mouseMoved(field);
    ASSERT_EQ(h.scene().rect(ImgBou).left, monster.left);
    ASSERT_EQ(h.scene().rect(ImgBou).top, monster.top);

    game.mousePressed({20, 20}, MouseButton::Left); // LabelTime
    game.mouseReleased(MouseButton::Left);
    EXPECT_GE(h.state().Score, 1);
    const int afterLabel = h.state().Score;

    const Rect explosion = h.scene().rect(ImgBakuhatu0);
    ASSERT_TRUE(h.scene().isVisible(ImgBakuhatu0));
    // Below and right of the hammer, which stands on the explosion's corner.
    const Point onExplosion{explosion.left + 40, explosion.top + 40};
    ASSERT_EQ(h.scene().elementAt(onExplosion)->id, ImgBakuhatu0);
    game.mousePressed(onExplosion, MouseButton::Left);
    EXPECT_EQ(h.state().Score, afterLabel) << "an explosion swallows the press";
    // Held on the explosion: movements do not reach the hammer.
    h.platform.pointer.x += 50;
    game.mouseMoved(field);
    EXPECT_EQ(h.scene().rect(ImgBou).left, monster.left);
    game.mouseReleased(MouseButton::Left);

    game.mousePressed(field, MouseButton::Middle);
    EXPECT_GT(h.state().Score, afterLabel) << "any button swings";
}
