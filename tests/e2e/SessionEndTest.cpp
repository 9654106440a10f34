// The desktop session ends while a level runs. The program registers with a session manager of
// the test's own, which speaks the session management protocol as a desktop does.

#include "ProgramHarness.h"
#include "TestSessionManager.h"

#include <QElapsedTimer>
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

    QByteArray savedGame() const {
        QFile file(m_folder.filePath(QStringLiteral("data/record2.dat")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    const QByteArray saved = savedGame();
    ASSERT_EQ(saved.size(), 32) << "the running level is saved";
    EXPECT_EQ(saved[8], 1) << "level 1";
    EXPECT_EQ(saved[28], 0) << "resumed next time";

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
    const auto question = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
    ASSERT_TRUE(question.has_value());
    X11Session::typeKeys(*question, QStringLiteral("alt+n"));
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
    const auto logoutQuestion = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
    ASSERT_TRUE(logoutQuestion.has_value());
    X11Session::typeKeys(*logoutQuestion, QStringLiteral("alt+y"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_manager.saveDone(); }, Patience));
    ASSERT_TRUE(QFile::remove(m_folder.filePath(QStringLiteral("data/record2.dat"))));
    m_manager.cancelEnd();

    X11Session::typeKeys(m_window, QStringLiteral("space"));
    X11Session::requestClose(m_window);
    const auto question = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
    ASSERT_TRUE(question.has_value()) << "the window closed without asking";
    X11Session::typeKeys(*question, QStringLiteral("alt+y"));
    EXPECT_TRUE(exitedCleanly());
    const QByteArray saved = savedGame();
    ASSERT_EQ(saved.size(), 32);
    EXPECT_EQ(saved[8], 1) << "level 1";
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
    const QByteArray saved = savedGame();
    ASSERT_EQ(saved.size(), 32);
    EXPECT_EQ(saved[8], 1) << "level 1";
    EXPECT_EQ(saved[28], 0) << "resumed next time";

    m_manager.die();
    EXPECT_TRUE(exitedCleanly());
}
