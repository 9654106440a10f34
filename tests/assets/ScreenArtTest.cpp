// The real program under Xvfb: the monsters and the strange hammer on the field during play, and
// the about box in its green, checked by the colours of a screenshot.

#include "PortableCopy.h"
#include "X11Session.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int FieldHeight = 460;
constexpr int Patience = 20000; // ms: generous for a loaded machine, never a measurement

using PixelTest = bool (*)(QRgb);

int countPixels(const QImage& screen, QRect area, PixelTest test) {
    int count = 0;
    const QRect inside = area.intersected(screen.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (test(screen.pixel(x, y)))
                ++count;
    return count;
}

bool eyeBlue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 190;
}
bool wormBrown(QRgb c) {
    return qRed(c) > 110 && qRed(c) > qGreen(c) + 25 && qGreen(c) > qBlue(c) + 15;
}
bool grass(QRgb c) {
    return qGreen(c) > 100 && qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 40;
}
bool dialogGreen(QRgb c) {
    return qRed(c) == 0 && qGreen(c) == 128 && qBlue(c) == 0;
}

void pressKey(std::uint32_t window, const char* key) {
    X11Session::run("xdotool", {"windowfocus", "--sync", QString::number(window)});
    X11Session::run("xdotool", {"key", key});
}

} // namespace

TEST(ScreenArt, MonstersAndHammerDuringPlayAndTheGreenAboutBox) {
    QTemporaryDir folder;
    ASSERT_TRUE(copyPortableGame(folder.path(), {ZUNBARIO_PROGRAM}));
    QProcess program;
    program.setWorkingDirectory(QDir::tempPath());
    program.start(folder.filePath("zunbario"), {});
    ASSERT_TRUE(program.waitForStarted(Patience));
    const auto window = X11Session::waitForWindow(program.processId(), Patience);
    ASSERT_TRUE(window);
    const QRect frame = X11Session::windowGeometry(*window);
    const QRect field(frame.left(), frame.bottom() + 1 - FieldHeight, frame.width(), FieldHeight);

    // Wait for the Ready phase, then start the first level: three monsters somewhere on the field
    // and, in the strange-hammer mode the game starts in, the hammer's picture on its grass.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return countPixels(X11Session::screenshot(), field.adjusted(64, 400, 0, 0),
                               [](QRgb c) { return qRed(c) > 200 && qBlue(c) < 80; }) > 50;
        },
        Patience));
    pressKey(*window, "space");
    QImage play;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            play = X11Session::screenshot();
            return countPixels(play, field, grass) > 100;
        },
        Patience));
    play.save(QStringLiteral(SCREENSHOT_FOLDER "/play.png"));
    EXPECT_GT(countPixels(play, field, eyeBlue), 3 * 40) << "three big blue eyes";
    EXPECT_GT(countPixels(play, field, wormBrown), 3 * 300) << "three brown worms";

    // The about box from the Help menu: Alt+H, then B. The level pauses on the first key.
    pressKey(*window, "alt+h");
    X11Session::run("xdotool", {"key", "b"});
    QImage about;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            about = X11Session::screenshot();
            return countPixels(about, QRect(251, 119, 356, 152), dialogGreen) > 356 * 152 / 2;
        },
        Patience));
    about.save(QStringLiteral(SCREENSHOT_FOLDER "/about.png"));
    EXPECT_GT(countPixels(about, QRect(251 + 8, 119 + 16, 321, 25),
                          [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 60; }),
              40)
        << "the yellow name";

    program.kill();
    program.waitForFinished(Patience);
}
