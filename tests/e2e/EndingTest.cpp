// TERM, HUP and INT end the real program at once, without a question: a game that closing would
// have offered to save is saved as if the answer were Yes, and nothing is written otherwise.

#include "ProgramHarness.h"

#include <QElapsedTimer>
#include <array>
#include <csignal>
#include <initializer_list>

namespace {

using Words = std::array<qint32, 8>;

class ProgramEnding : public ProgramHarness {
protected:
    // Starts level 1 and waits until its clock has moved on from 60: a busy machine may be slow
    // to give the first ticks.
    void startPlaying() {
        ASSERT_TRUE(waitForReadyPhase());
        ASSERT_TRUE(startLevel());
        const QRect clock(40, 16, 33, 33);
        const QRect onScreen = clock.translated(m_field);
        const QImage sixty = X11Session::screenshot().copy(onScreen);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QImage now = X11Session::screenshot().copy(onScreen);
                return now != sixty && count(X11Session::screenshot(), clock, isRed) > 20;
            },
            Patience));
    }

    // Sends the signal and waits for the program to end by itself; how long it took goes into
    // the test's record, for the note, and is not judged here: a busy machine may be slow.
    void endWith(std::initializer_list<int> signalNumbers) {
        QElapsedTimer took;
        took.start();
        for (const int signalNumber : signalNumbers)
            ASSERT_EQ(::kill(static_cast<pid_t>(m_program.processId()), signalNumber), 0);
        ASSERT_TRUE(exitedCleanly()) << "the program did not end by itself";
        RecordProperty("msToEnd", static_cast<int>(took.elapsed()));
    }

    // Level 1 of the strange-hammer mode, interrupted after a moment of play with no hit.
    void expectInterruptedLevelOne() {
        ASSERT_TRUE(savedGameExists());
        const Words words = savedGame();
        EXPECT_EQ(words[2], 1) << "level";
        EXPECT_EQ(words[3], 0) << "score";
        EXPECT_EQ(words[5], 1) << "hammer mode";
        EXPECT_GT(words[6], 0) << "the clock had run";
        EXPECT_LT(words[6], 120);
        EXPECT_EQ(words[7], 0) << "the level resumes next time";
    }
};

} // namespace

// A second signal while the first is handled changes nothing: the file is written once, whole.
TEST_F(ProgramEnding, TermDuringPlaySavesTheRunningLevel) {
    startPlaying();
    endWith({SIGTERM, SIGINT});
    expectInterruptedLevelOne();
    EXPECT_EQ(QFileInfo(dataFile(QStringLiteral("record2.dat"))).size(), 32);
    EXPECT_EQ(QDir(m_folder.filePath(QStringLiteral("data")))
                  .entryList(QDir::Hidden | QDir::Files)
                  .filter(QStringLiteral("unfinished"))
                  .size(),
              0);
}

TEST_F(ProgramEnding, HupWhileTheCloseQuestionIsOpenSavesAsIfTheAnswerWereYes) {
    startPlaying();
    X11Session::requestClose(m_window);
    ASSERT_TRUE(X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience).has_value());
    endWith({SIGHUP});
    expectInterruptedLevelOne();
}

TEST_F(ProgramEnding, IntInTheReadyPhaseWritesNothing) {
    ASSERT_TRUE(waitForReadyPhase());
    endWith({SIGINT});
    EXPECT_FALSE(savedGameExists());
}

TEST_F(ProgramEnding, TermDuringTheTitleWritesNothing) {
    endWith({SIGTERM});
    EXPECT_FALSE(savedGameExists());
}
