#include "ProgramHarness.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The game on a desktop with a window manager, which frames its windows.
class ProgramUnderWindowManager : public ProgramHarness {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_runtime.isValid());
        ASSERT_TRUE(X11Session::startWindowManager(m_manager, m_runtime.path()))
            << "openbox did not start: tools/install-deps.sh installs it";
        ProgramHarness::SetUp();
    }

    // Waits until the window manager has framed the window and the game has centred it again,
    // and finds the field where it then stands.
    bool waitForFrameAndCentre(QRect& outer) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect client = X11Session::windowGeometry(m_window);
        const bool centred = QTest::qWaitFor(
            [&] {
                outer = X11Session::outerGeometry(m_window);
                return outer.size() != client.size() &&
                       std::abs(outer.center().x() - screen.center().x()) <= 1 &&
                       std::abs(outer.center().y() - screen.center().y()) <= 1;
            },
            Patience);
        findField();
        return centred;
    }

    void TearDown() override {
        ProgramHarness::TearDown();
        m_manager.terminate();
        if (!m_manager.waitForFinished(Patience))
            m_manager.kill();
    }

    // Starts level 1 in the framed and centred window.
    bool startFramedLevel() {
        QRect outer;
        return waitForFrameAndCentre(outer) && waitForReadyPhase() && startLevel();
    }

    // The clock in the corner of the field, as the screen shows it now.
    QImage clock() const {
        return X11Session::screenshot().copy(QRect(m_field + QPoint(40, 16), QSize(33, 33)));
    }

    bool pauseMessageShown(int timeoutMs) const {
        return QTest::qWaitFor(
            [&] {
                return count(X11Session::screenshot(), QRect(64, 152, 513, 145), isYellow) > 50;
            },
            timeoutMs);
    }

    void activate(std::uint32_t window) const {
        X11Session::run(
            QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
    }

    QTemporaryDir m_runtime;
    QProcess m_manager;
};

} // namespace

TEST_F(ProgramUnderWindowManager, StandsCentredWithItsFrameAndClosesCleanly) {
    const QRect client = X11Session::windowGeometry(m_window);
    QRect outer;
    // The window manager frames the window a moment after it is shown, and the game then
    // centres it again.
    EXPECT_TRUE(waitForFrameAndCentre(outer)) << "frame at " << outer.x() << "," << outer.y() << " "
                                              << outer.width() << "x" << outer.height();
    EXPECT_GT(outer.height(), client.height()) << "no frame: the window manager did not take it";

    ASSERT_TRUE(waitForReadyPhase());
    X11Session::requestClose(m_window);
    EXPECT_TRUE(exitedCleanly());
}

// The player turns to another program during a level: the level pauses and waits for a key, with
// its clock standing still, and coming back alone does not resume it.
TEST_F(ProgramUnderWindowManager, ALevelPausesWhenAnotherProgramIsActivatedAndAKeyResumesIt) {
    ASSERT_TRUE(startFramedLevel());
    QProcess other;
    other.start(QStringLiteral("xmessage"), {QStringLiteral("another program")});
    // xmessage names no process on its window: it is found by its class.
    QString otherWindow;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            otherWindow =
                X11Session::run(QStringLiteral("xdotool"),
                                {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--class"), QStringLiteral("xmessage")});
            return !otherWindow.isEmpty();
        },
        Patience))
        << "xmessage (Debian package x11-utils) did not start";
    activate(otherWindow.section(QLatin1Char('\n'), 0, 0).toUInt());
    ASSERT_TRUE(pauseMessageShown(Patience));
    const QImage stopped = clock();
    QTest::qWait(2000);
    EXPECT_EQ(clock(), stopped) << "the clock ran on while the player was away";

    activate(m_window);
    QTest::qWait(1000);
    EXPECT_TRUE(pauseMessageShown(0)) << "coming back resumed the level by itself";
    X11Session::typeKeys(m_window, QStringLiteral("space"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock() != stopped; }, Patience))
        << "the key did not resume the level";
    other.kill();
    other.waitForFinished(Patience);
}

TEST_F(ProgramUnderWindowManager, ALevelPausesWhenTheGameIsMinimised) {
    ASSERT_TRUE(startFramedLevel());
    X11Session::run(
        QStringLiteral("xdotool"),
        {QStringLiteral("windowminimize"), QStringLiteral("--sync"), QString::number(m_window)});
    QTest::qWait(1000);
    activate(m_window);
    EXPECT_TRUE(pauseMessageShown(Patience));
}

// The game's own about box does not take the player away: the level runs on behind it.
TEST_F(ProgramUnderWindowManager, ALevelRunsOnWhileTheAboutBoxIsOpen) {
    ASSERT_TRUE(startFramedLevel());
    X11Session::typeKeys(m_window, QStringLiteral("alt+h"));
    X11Session::run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("b")});
    ASSERT_TRUE(
        X11Session::waitForWindowNamed(QStringLiteral("ズンバリオのバージョン情報"), Patience));
    const QImage running = clock();
    QTest::qWait(2000);
    EXPECT_NE(clock(), running) << "the clock stood still behind the about box";
    EXPECT_FALSE(pauseMessageShown(0));
}

TEST_F(ProgramUnderWindowManager, F11CoversTheScreenAndGivesTheWindowBackFramedAndCentred) {
    QRect outer;
    ASSERT_TRUE(waitForFrameAndCentre(outer));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    X11Session::typeKeys(m_window, QStringLiteral("F11"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return X11Session::outerGeometry(m_window) == screen; }, Patience))
        << "the window stands at " << X11Session::outerGeometry(m_window).width() << "x"
        << X11Session::outerGeometry(m_window).height();

    X11Session::typeKeys(m_window, QStringLiteral("F11"));
    EXPECT_TRUE(waitForFrameAndCentre(outer));
    EXPECT_EQ(X11Session::windowGeometry(m_window).width(), FieldWidth);
}
