// The desktop session ends while a level runs. The program registers with a session manager of
// the test's own, which speaks the session management protocol as a desktop does.

#include "ProgramHarness.h"
#include "TestSessionManager.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <csignal>

namespace {

class ProgramInASession : public ProgramHarness {
protected:
    void prepareFolder() override {
        ASSERT_FALSE(m_manager.address().isEmpty()) << m_manager.problem().toStdString();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SESSION_MANAGER"), m_manager.address());
        // No authentication data: the private socket accepts this machine's clients.
        environment.insert(QStringLiteral("ICEAUTHORITY"),
                           m_folder.filePath(QStringLiteral("ice")));
        m_program.setProcessEnvironment(environment);
    }

    void SetUp() override {
        ProgramHarness::SetUp();
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.clientReady(); }, Patience))
            << "the program did not register with the session manager";
    }

    // Starts level 1 and lets its clock run a moment.
    void startPlaying() {
        ASSERT_TRUE(waitForReadyPhase());
        X11Session::typeKeys(m_window, QStringLiteral("space"));
        QTest::qWait(1500);
    }

    bool questionShown(int timeoutMs) {
        return X11Session::waitForWindowNamed(QStringLiteral("確認"), timeoutMs).has_value();
    }

    // The saved game is the whole record of a running level 1, to be resumed next time.
    void expectLevel1SavedAsInterrupted() const {
        ASSERT_EQ(QFileInfo(dataFile(QStringLiteral("record2.dat"))).size(), 32);
        const std::array<qint32, 8> saved = savedGame();
        EXPECT_EQ(saved[2], 1) << "level 1";
        EXPECT_EQ(saved[7], 0) << "resumed next time";
    }

    TestSessionManager m_manager;
};

} // namespace

TEST_F(ProgramInASession, ASessionEndWithoutInteractionSavesTheGameAndAsksNothing) {
    startPlaying();
    QElapsedTimer took;
    took.start();
    m_manager.endSession(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.saveDone(); }, Patience));
    EXPECT_TRUE(m_manager.saveSucceeded());
    expectLevel1SavedAsInterrupted();

    // Everyone has saved: the session manager ends the program, which asks nothing.
    m_manager.die();
    EXPECT_TRUE(exitedCleanly());
    RecordProperty("msToEnd", static_cast<int>(took.elapsed()));
    EXPECT_FALSE(questionShown(0));
}

// The answer stands: a signal that ends the program before the session manager does saves
// nothing either.
TEST_F(ProgramInASession, AnInteractiveLogoutStillAsksAndNoSavesNothing) {
    startPlaying();
    m_manager.endSession(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.interactionRequested(); }, Patience));
    m_manager.grantInteraction();
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+n")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.saveDone(); }, Patience));
    EXPECT_TRUE(m_manager.saveSucceeded());

    ASSERT_EQ(::kill(static_cast<pid_t>(m_program.processId()), SIGHUP), 0);
    EXPECT_TRUE(exitedCleanly());
    EXPECT_FALSE(savedGameExists());
}

// The player answers the logout's question with Yes and then cancels the logout: the level goes
// on, and closing the window later asks again.
TEST_F(ProgramInASession, AfterACancelledLogoutClosingTheWindowAsksAgainAndYesSaves) {
    startPlaying();
    m_manager.endSession(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.interactionRequested(); }, Patience));
    m_manager.grantInteraction();
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+y")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.saveDone(); }, Patience));
    ASSERT_TRUE(QFile::remove(dataFile(QStringLiteral("record2.dat"))));
    m_manager.cancelEnd();

    X11Session::typeKeys(m_window, QStringLiteral("space"));
    X11Session::requestClose(m_window);
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+y"))) << "the window closed without asking";
    EXPECT_TRUE(exitedCleanly());
    EXPECT_EQ(savedGame()[2], 1) << "level 1";
}

// The session ends while the player looks at the menu's save question: the question goes away
// as if closed from its frame, and the game is saved all the same.
TEST_F(ProgramInASession, ASessionEndWithoutInteractionClosesAnOpenQuestionAndSaves) {
    startPlaying();
    X11Session::typeKeys(m_window, QStringLiteral("alt+k"));
    ASSERT_TRUE(questionShown(Patience));
    m_manager.endSession(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.saveDone(); }, Patience));
    ASSERT_TRUE(QTest::qWaitFor([&] { return savedGameExists(); }, Patience));
    expectLevel1SavedAsInterrupted();

    m_manager.die();
    EXPECT_TRUE(exitedCleanly());
}
