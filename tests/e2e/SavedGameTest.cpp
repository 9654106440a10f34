#include "ProgramHarness.h"
#include "TestFiles.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>

namespace {

using Words = std::array<qint32, 8>;

// Level 2 of the strange-hammer mode, paused at its 40th tick with 45 hits, 30 of them from
// level 1; the reserved words hold values another program may have left there.
constexpr Words Saved{0x11223344, -5, 2, 45, 30, 1, 40, 0};

class ProgramWithSavedGame : public ProgramHarness {
protected:
    void prepareFolder() override {
        writeRecordWords(dataFile(QStringLiteral("record2.dat")), Saved);
    }
};

} // namespace

TEST_F(ProgramWithSavedGame, ResumesTheSavedGameAndSavesItAgainWhenClosed) {
    // The end of the title offers the saved game.
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+y")));
    ASSERT_TRUE(waitForReadyPhase());

    // A key resumes level 2 where it stood; play a moment.
    QElapsedTimer played;
    played.start();
    ASSERT_TRUE(startLevel());
    QTest::qWait(1500);

    // Closing asks; Yes saves the running level as interrupted and ends the program.
    X11Session::requestClose(m_window);
    const auto question = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
    ASSERT_TRUE(question.has_value());
    const qint64 maxTicks = Saved[6] + played.elapsed() / 500 + 1;
    X11Session::typeKeys(*question, QStringLiteral("alt+y"));
    ASSERT_TRUE(exitedCleanly());

    const Words words = savedGame();
    EXPECT_EQ(words[0], Saved[0]) << "reserved words are carried through";
    EXPECT_EQ(words[1], Saved[1]);
    EXPECT_EQ(words[2], 2) << "level";
    EXPECT_EQ(words[3], 45) << "score: no hit was made";
    EXPECT_EQ(words[4], 30) << "level-start score";
    EXPECT_EQ(words[5], 1) << "hammer mode";
    EXPECT_GT(words[6], Saved[6]) << "the clock ran on from the saved tick";
    EXPECT_LE(words[6], maxTicks);
    EXPECT_EQ(words[7], 0) << "an interrupted level resumes";
    EXPECT_EQ(QFileInfo(dataFile(QStringLiteral("record2.dat"))).size(), 32);
}

namespace {

// Level 4 of the normal-hammer mode with 40 s to go and 300 hits: hits until its end clear the
// game.
class ProgramNearAGameClear : public ProgramHarness {
protected:
    void prepareFolder() override {
        writeRecordWords(dataFile(QStringLiteral("record2.dat")),
                         Words{0, 0, 4, 300, 300, 0, 40, 0});
    }
};

} // namespace

TEST_F(ProgramNearAGameClear, KeepsTheGameClearInTheScoreTableAndShowsItOnCtrlH) {
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    resumeSavedGame();
    pressMonsters(30);
    const QString scores = dataFile(QStringLiteral("scores.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(scores); }, 4 * Patience))
        << "the level did not end in a game clear";

    // One entry after the heading: the normal hammer's final score, its time and a name.
    const QString text = QString::fromUtf8(readBytes(scores));
    const QRegularExpressionMatch entry =
        QRegularExpression(QStringLiteral("^#.*\nnormal (\\d+) (\\S+) (.+)\n$")).match(text);
    ASSERT_TRUE(entry.hasMatch()) << text.toStdString();
    EXPECT_EQ(entry.captured(1).toInt(),
              recordWords<3>(dataFile(QStringLiteral("record1.dat")))[0]);
    const qint64 cleared = QDateTime::fromString(entry.captured(2), Qt::ISODate).toSecsSinceEpoch();
    EXPECT_TRUE(cleared >= before && cleared <= QDateTime::currentSecsSinceEpoch()) << cleared;

    // Ctrl+H opens the table over the celebration, and Escape closes it.
    X11Session::typeKeys(m_window, QStringLiteral("ctrl+h"));
    const auto table = X11Session::waitForWindowNamed(QStringLiteral("ズンバリオの記録"), Patience);
    ASSERT_TRUE(table.has_value());
    X11Session::typeKeys(*table, QStringLiteral("Escape"));
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return !X11Session::waitForWindowNamed(QStringLiteral("ズンバリオの記録"), 0); },
        Patience));
}
