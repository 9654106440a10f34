#include "ProgramFixture.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The game on a desktop with a window manager, which frames its windows.
class ProgramUnderWindowManager : public Program {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_runtime.isValid());
        ASSERT_TRUE(X11Session::startWindowManager(m_manager, m_runtime.path()))
            << "openbox did not start: tools/install-deps.sh installs it";
        Program::SetUp();
    }

    void TearDown() override {
        Program::TearDown();
        m_manager.terminate();
        if (!m_manager.waitForFinished(Patience))
            m_manager.kill();
    }

    QTemporaryDir m_runtime;
    QProcess m_manager;
};

} // namespace

TEST_F(ProgramUnderWindowManager, StandsCentredWithItsFrameAndClosesCleanly) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect client = X11Session::windowGeometry(m_window);
    QRect outer;
    // The window manager frames the window a moment after it is shown, and the game then
    // centres it again.
    const bool centred = QTest::qWaitFor(
        [&] {
            outer = X11Session::outerGeometry(m_window);
            return outer.size() != client.size() &&
                   std::abs(outer.center().x() - screen.center().x()) <= 1 &&
                   std::abs(outer.center().y() - screen.center().y()) <= 1;
        },
        Patience);
    EXPECT_TRUE(centred) << "frame at " << outer.x() << "," << outer.y() << " " << outer.width()
                         << "x" << outer.height();
    EXPECT_GT(outer.height(), client.height()) << "no frame: the window manager did not take it";

    ASSERT_TRUE(waitForReadyPhase());
    X11Session::requestClose(m_window);
    EXPECT_TRUE(exitedCleanly());
}
