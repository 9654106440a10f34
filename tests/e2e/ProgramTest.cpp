#include "ProgramHarness.h"
#include "TestFiles.h"

namespace {

using Program = ProgramHarness;

// The program started at double size by the player's settings file, with a saved game of the
// normal-hammer mode to resume: level 1 with 10 s to go, one hit short of its target.
class ProgramAtDoubleSize : public ProgramHarness {
protected:
    ProgramAtDoubleSize() { m_scale = 2; }
    void prepareFolder() override {
        writeBytes(dataFile(QStringLiteral("zunbario.conf")), "[General]\nsize=2\n");
        writeRecordWords(dataFile(QStringLiteral("record2.dat")),
                         std::array<qint32, 8>{0, 0, 1, 49, 49, 0, 100, 0});
    }
};

} // namespace

TEST_F(Program, ShowsTheTitleOnABlackFieldAndClosesInTheReadyPhaseWithoutAsking) {
    const QImage screen = X11Session::screenshot();
    screen.save(QStringLiteral(SCREENSHOT_FOLDER "/title.png"));

    // The settled title artwork: the first line at (60, 170), 440 × 66, in green lettering on the
    // black field; the field's corners stay black.
    const QRect title1(60, 170, 440, 60);
    const int lit = title1.width() * title1.height() - count(screen, title1, isBlack);
    EXPECT_GT(lit, title1.width() * title1.height() / 10);
    const auto greenish = [](QRgb c) {
        return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
    };
    EXPECT_GT(count(screen, title1, greenish), 100);
    EXPECT_EQ(count(screen, QRect(0, 0, 30, 10), isBlack), 300);
    EXPECT_EQ(count(screen, QRect(0, 440, 30, 20), isBlack), 600);

    // The start message appears when the title ends; closing then asks nothing.
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::requestClose(m_window);
    EXPECT_TRUE(exitedCleanly());
    EXPECT_FALSE(savedGameExists());
}

TEST_F(Program, AKeyStartsLevelOneAndClosingDuringPlayAsksFirst) {
    ASSERT_TRUE(waitForReadyPhase());
    // The clock (red) and the score (lime) show.
    ASSERT_TRUE(startLevel());
    const auto lime = [](QRgb c) { return qGreen(c) > 200 && qRed(c) < 60 && qBlue(c) < 60; };
    const QImage screen = X11Session::screenshot();
    screen.save(QStringLiteral(SCREENSHOT_FOLDER "/play.png"));
    EXPECT_GT(count(screen, QRect(520, 48, 90, 33), lime), 20);

    // Cancel keeps the game running; No closes it without saving.
    X11Session::requestClose(m_window);
    ASSERT_TRUE(answerQuestion(QStringLiteral("Escape")));
    EXPECT_FALSE(m_program.waitForFinished(500));

    X11Session::requestClose(m_window);
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+n")));
    EXPECT_TRUE(exitedCleanly());
    EXPECT_FALSE(savedGameExists());
}

TEST_F(ProgramAtDoubleSize, HitsTheMonstersWhereTheyAreSeenAndStartsAgainAtTheSizeChosenLast) {
    ASSERT_NO_FATAL_FAILURE(resumeSavedGame());
    pressMonsters(3);
    EXPECT_TRUE(waitForLevelEnd(isYellow)) << "no press hit a monster";

    // 1.5 times, chosen from the Settings menu, is the size of the next start.
    X11Session::typeKeys(m_window, QStringLiteral("alt+s"));
    X11Session::typeKeys(m_window, QStringLiteral("2"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return X11Session::windowGeometry(m_window).width() == 926; },
                                Patience));
    X11Session::requestClose(m_window);
    answerQuestion(QStringLiteral("alt+n"), 2000);
    ASSERT_TRUE(exitedCleanly());
    ASSERT_NO_FATAL_FAILURE(start(m_folder.filePath(QStringLiteral("zunbario"))));
    EXPECT_EQ(X11Session::windowGeometry(m_window).width(), 926);
}
