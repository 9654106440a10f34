// The real program under Xvfb: the monsters and the strange hammer on the field during play, and
// the about box in its green, checked by the colours of a screenshot.

#include "ProgramHarness.h"

namespace {

bool wormBrown(QRgb c) {
    return qRed(c) > 110 && qRed(c) > qGreen(c) + 25 && qGreen(c) > qBlue(c) + 15;
}
bool grass(QRgb c) {
    return qGreen(c) > 100 && qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 40;
}
bool dialogGreen(QRgb c) {
    return qRed(c) == 0 && qGreen(c) == 128 && qBlue(c) == 0;
}

using ScreenArt = ProgramHarness;

} // namespace

TEST_F(ScreenArt, MonstersAndHammerDuringPlayAndTheGreenAboutBox) {
    // Wait for the Ready phase, then start the first level: three monsters somewhere on the field
    // and, in the strange-hammer mode the game starts in, the hammer's picture on its grass.
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::typeKeys(m_window, QStringLiteral("space"));
    const QRect field(0, 0, FieldWidth, FieldHeight);
    QImage play;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            play = X11Session::screenshot();
            return count(play, field, grass) > 100;
        },
        Patience));
    play.save(QStringLiteral(SCREENSHOT_FOLDER "/play.png"));
    EXPECT_GT(count(play, field, isEyeBlue), 3 * 40) << "three big blue eyes";
    EXPECT_GT(count(play, field, wormBrown), 3 * 300) << "three brown worms";

    // The about box from the Help menu: Alt+H, then B. The level pauses on the first key.
    X11Session::typeKeys(m_window, QStringLiteral("alt+h"));
    X11Session::run("xdotool", {"key", "b"});
    const QPoint screen(0, 0);
    QImage about;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            about = X11Session::screenshot();
            return countPixels(about, screen, QRect(251, 119, 356, 152), dialogGreen) >
                   356 * 152 / 2;
        },
        Patience));
    about.save(QStringLiteral(SCREENSHOT_FOLDER "/about.png"));
    EXPECT_GT(countPixels(about, screen, QRect(251 + 8, 119 + 16, 321, 25), isYellow), 40)
        << "the yellow name";
}
