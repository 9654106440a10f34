// The game on a Wayland desktop: weston with Xwayland, the game started as a desktop starts it,
// without QT_QPA_PLATFORM. It must come up through Xwayland, where it can centre itself and read
// the pointer on the screen, and be played with real input arriving through the compositor.

#include "ProgramHarness.h"
#include "WestonSession.h"

#include <QProcessEnvironment>
#include <cstdio>

namespace {

// Smaller than the Xvfb screen, so that the pointer can leave weston's window and come back.
constexpr QSize Output(960, 720);

// The green ground of the strange hammer's picture.
bool isHammerGreen(QRgb c) {
    return qGreen(c) > 90 && qRed(c) < 70 && qBlue(c) < 80 && qGreen(c) > qBlue(c) + 50;
}

// The bounding box of the pixels of the field for which the test holds, in field coordinates,
// leaving out the status labels at the top right (the score is lime).
QRect boundsOf(const QImage& screen, QPoint field, bool (*test)(QRgb)) {
    const QRect labels(456, 0, FieldWidth - 456, 145);
    QRect box;
    for (int y = 0; y < FieldHeight; ++y)
        for (int x = 0; x < FieldWidth; ++x)
            if (!labels.contains(x, y) && test(screen.pixel(field.x() + x, field.y() + y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// Real input: xdotool on the Xvfb, into weston's output window, from where weston hands it to
// the surface under the pointer or with the keyboard focus.
void onOutput(const QStringList& arguments) {
    X11Session::run(QStringLiteral("xdotool"), arguments);
}

// Keys go in at Xwayland, to the window with the X focus: handed on by weston just after a
// window maps, keys typed into weston's output window were lost in two runs of two under load.
void pressOnXwayland(const WestonSession& weston, const QString& keys) {
    weston.runOnXwayland(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

// A compositor of the test's own and a copied player's folder to start the game from.
class ProgramOnWayland : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(weston.start(Output, Patience)) << weston.error().toStdString();
        ASSERT_TRUE(copyPortableGame(m_folder.path(), {QStringLiteral(ZUNBARIO_PROGRAM)}));
    }

    // Starts the game in the session's environment, changed by the test.
    void startGame(QProcess& game, QProcessEnvironment env) {
        env.insert(QStringLiteral("HOME"), m_home.path());
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(QDir::tempPath());
        game.start(m_folder.filePath(QStringLiteral("zunbario")), {});
        ASSERT_TRUE(game.waitForStarted(Patience));
    }

    WestonSession weston;

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_home;
};

} // namespace

TEST_F(ProgramOnWayland, TheGameComesUpThroughXwaylandCentredPlaysALevelAndCloses) {
    // As a desktop starts it: QT_QPA_PLATFORM is not set.
    QProcessEnvironment env = weston.sessionEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess game;
    ASSERT_NO_FATAL_FAILURE(startGame(game, env));

    // The window is an X11 window of Xwayland, not a native Wayland surface.
    const auto window = weston.waitForXwaylandWindow(game.processId(), Patience);
    ASSERT_TRUE(window.has_value())
        << "no window on Xwayland " << weston.xwaylandDisplay().toStdString();
    const QByteArray xwayland = weston.xwaylandDisplay().toLocal8Bit();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return X11Session::windowName(*window, xwayland.constData()) ==
                   QStringLiteral("ズンバリオ");
        },
        Patience));

    // Centred on the output: the middle of the window the compositor framed, its frame included,
    // lies within 24 px of the output's middle. (The window is centred by its size before it has
    // a frame; the frame's title bar then adds to its top: measured 5 and 16 px off.)
    const QRect client = weston.xwaylandGeometry(*window);
    const QRect frame = weston.xwaylandFrame(*window);
    EXPECT_EQ(client.width(), FieldWidth);
    const QPoint middle(Output.width() / 2, Output.height() / 2);
    const int slack = 24;
    std::printf("output %dx%d, frame %dx%d at %d,%d, window %dx%d at %d,%d\n", Output.width(),
                Output.height(), frame.width(), frame.height(), frame.x(), frame.y(),
                client.width(), client.height(), client.x(), client.y());
    EXPECT_LE(std::abs(frame.center().x() - middle.x()), slack) << frame.x();
    EXPECT_LE(std::abs(frame.center().y() - middle.y()), slack) << frame.y();

    // The compositor shows the field where the game put it: the start message appears there.
    const QPoint field(client.left(), client.bottom() + 1 - FieldHeight);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return countPixels(X11Session::screenshot(), field, QRect(64, 400, 513, 40), isYellow) >
                   50;
        },
        Patience));
    X11Session::screenshot().save(QStringLiteral(SCREENSHOT_FOLDER "/wayland-ready.png"));

    // The compositor gave the new window its keyboard focus; a key begins level 1 with the
    // strange hammer. (A click would only risk landing before weston knows where the pointer
    // went, on the desktop, which takes the focus away.) The pointer moves through weston.
    const QString output = QString::number(weston.outputWindow());
    onOutput({QStringLiteral("windowfocus"), QStringLiteral("--sync"), output});
    // The pointer enters weston's window afresh, so that weston follows it from here on.
    onOutput({QStringLiteral("mousemove"), QString::number(Output.width() + 20),
              QString::number(Output.height() + 20)});
    QTest::qWait(200);
    onOutput({QStringLiteral("mousemove"), QString::number(field.x() + 300),
              QString::number(field.y() + 300)});
    // The compositor's window manager hands the X focus on once it has activated the window.
    QString focus;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            focus =
                weston.runOnXwayland(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
            return focus == QString::number(*window);
        },
        Patience))
        << "focus on " << focus.toStdString() << ", not " << *window;
    pressOnXwayland(weston, QStringLiteral("space"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return countPixels(X11Session::screenshot(), field, QRect(40, 16, 33, 33), isRed) > 20;
        },
        Patience));

    // The strange hammer moves opposite to the pointer: the pointer is read on the screen. A move
    // that ends over a monster is the monster's and moves nothing, so the pointer goes on, further
    // down and right, until a move lands on the bare field.
    const auto hammer = [&] { return boundsOf(X11Session::screenshot(), field, isHammerGreen); };
    QRect before;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(before = hammer()).isEmpty(); }, Patience));
    QRect after = before;
    const auto movedOpposite = [&] {
        return !after.isEmpty() && after.center().x() < before.center().x() - 20 &&
               after.center().y() < before.center().y() - 12;
    };
    for (int leg = 1; leg <= 5 && !movedOpposite(); ++leg) {
        for (int step = 1; step <= 4; ++step) {
            const int at = (leg - 1) * 4 + step;
            onOutput({QStringLiteral("mousemove"), QString::number(field.x() + 300 + 10 * at),
                      QString::number(field.y() + 300 + 6 * at)});
            QTest::qWait(50);
        }
        if (QTest::qWaitFor(
                [&] {
                    after = hammer();
                    return movedOpposite();
                },
                1000))
            break;
    }
    std::printf("hammer from %d,%d to %d,%d\n", before.x(), before.y(), after.x(), after.y());
    EXPECT_TRUE(movedOpposite()) << "hammer at " << before.x() << "," << before.y() << " then "
                                 << after.x() << "," << after.y();
    X11Session::screenshot().save(QStringLiteral(SCREENSHOT_FOLDER "/wayland-play.png"));

    // Without a hit the level ends after its 60 seconds in the game-over message.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return countPixels(X11Session::screenshot(), field, QRect(64, 152, 513, 145), isBlue) >
                   50;
        },
        90000));

    // Closing between levels asks; No ends the game cleanly.
    X11Session::requestClose(*window, xwayland.constData());
    ASSERT_TRUE(
        X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience, xwayland.constData()));
    pressOnXwayland(weston, QStringLiteral("alt+n"));
    ASSERT_TRUE(game.waitForFinished(Patience)) << "the game is still running";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
}

TEST_F(ProgramOnWayland, TheGameIsNativeOnWaylandWithoutAnXServerOrWhenThePlayerAsksForIt) {
    // No X server to talk to: the game falls back to Wayland. An X server, but the player's own
    // QT_QPA_PLATFORM asks for Wayland: the player's setting wins.
    QProcessEnvironment noX = weston.sessionEnvironment();
    noX.remove(QStringLiteral("QT_QPA_PLATFORM"));
    noX.remove(QStringLiteral("DISPLAY"));
    QProcessEnvironment asked = weston.sessionEnvironment();
    asked.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    for (const QProcessEnvironment& env : {noX, asked}) {
        SCOPED_TRACE(env.contains(QStringLiteral("DISPLAY")) ? "asked for" : "no X server");
        QProcess game;
        ASSERT_NO_FATAL_FAILURE(startGame(game, env));
        // The start message shows on the compositor's output, wherever weston put the window.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return countPixels(X11Session::screenshot(), QPoint(0, 0),
                                   QRect(QPoint(0, 0), Output), isYellow) > 200;
            },
            Patience));
        EXPECT_EQ(game.state(), QProcess::Running);
        EXPECT_FALSE(weston.waitForXwaylandWindow(game.processId(), 500).has_value())
            << "a native Wayland window has no X11 window";
        game.kill();
        game.waitForFinished(Patience);
        // The next run must not see this one's message.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return countPixels(X11Session::screenshot(), QPoint(0, 0),
                                   QRect(QPoint(0, 0), Output), isYellow) < 50;
            },
            Patience));
    }
}
