#include "ConfirmDialog.h"
#include "FieldWidget.h"
#include "Game.h"
#include "GameMenus.h"
#include "HelpWindow.h"
#include "HighScoresWindow.h"
#include "WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Keys and mouse buttons reaching the main window as real Qt events.
using MainWindowInput = WindowHarness;

// The strange hammer laid over monster 1, so that a swing hits it.
void putHammerOnAMonster(Game& game) {
    const Rect monster = game.scene().rect(ElementId::ImgMonster1);
    game.scene().moveTo(ElementId::ImgBou, {monster.left + 4, monster.top + 4});
}

QPoint centreOf(const Rect& r) {
    return {r.left + r.width / 2, r.top + r.height / 2};
}

} // namespace

TEST_F(MainWindowInput, KeysDuringTheTitleAreIgnoredAndAKeyAfterItStartsLevelOne) {
    pressKey(Qt::Key_A);
    EXPECT_FALSE(game().state().Playing);
    runTitle();
    pressKey(Qt::Key_A);
    EXPECT_TRUE(game().state().Playing);
    EXPECT_EQ(game().state().Level, 1);
    EXPECT_FALSE(game().scene().isVisible(ElementId::ImgTitle1));
}

TEST_F(MainWindowInput, TabAndShiftTabDoNotReachTheGameButCtrlTabDoes) {
    runTitle();
    pressKey(Qt::Key_Tab);
    EXPECT_FALSE(game().state().Playing);
    // The simulated Shift press is a key of its own: it starts the level; Shift+Tab then does
    // not pause it.
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(game().state().Playing);
    // Ctrl pauses, Ctrl+Tab resumes.
    pressKey(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(game().state().Playing);
    EXPECT_FALSE(game().state().ResumePending);
}

TEST_F(MainWindowInput, EveryKeyPressCountsOnceRepeatsIncluded) {
    runTitle();
    QTest::keyPress(&window().field(), Qt::Key_Space);
    EXPECT_TRUE(game().state().Playing);
    // A held key repeats: the repeat pauses the level, the next one resumes it.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(&window().field(), &repeat);
    EXPECT_FALSE(game().state().Playing);
    EXPECT_TRUE(game().state().ResumePending);
    QTest::keyRelease(&window().field(), Qt::Key_Space);
    pressKey(Qt::Key_Shift);
    EXPECT_TRUE(game().state().Playing);
}

TEST_F(MainWindowInput, AltLetterReachesTheGameAndStillOpensItsMenu) {
    runTitle();
    QMenu* help = window().menuBar()->actions().constLast()->menu();

    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        opened = popup == help;
        if (popup != nullptr)
            QTest::keyClick(popup, Qt::Key_Escape);
    });
    // Alt starts the level and Alt+H pauses it, as two key presses.
    pressKey(Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened; }, 2000));
    EXPECT_FALSE(game().state().Playing);
    EXPECT_TRUE(game().state().ResumePending);

    // One Escape closed the menu and the field has the keyboard again. (The offscreen platform
    // does not give the activation back from the closed menu by itself.)
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().focusWidget() == &window().field(); }, 2000));
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(game().state().Playing);
}

TEST_F(MainWindowInput, AltAloneReachesTheGameAndSelectsTheMenuBarUntilEscape) {
    runTitle();
    pressKey(Qt::Key_Space);
    ASSERT_TRUE(game().state().Playing);
    pressAltAlone();
    EXPECT_FALSE(game().state().Playing);
    EXPECT_TRUE(window().menuBar()->hasFocus());

    QTest::keyClick(window().menuBar(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().field().hasFocus(); }, 2000));
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(game().state().Playing);
}

TEST_F(MainWindowInput, F10ReachesTheGameAndSelectsTheMenuBar) {
    runTitle();
    pressKey(Qt::Key_F10);
    EXPECT_TRUE(game().state().Playing);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().menuBar()->hasFocus(); }, 2000));
    QTest::keyClick(window().menuBar(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().field().hasFocus(); }, 2000));
}

TEST_F(MainWindowInput, NormalHammerHitsTheMonsterPressedWithAnyButton) {
    startLevel1(HammerMode::NormalOnly);
    ASSERT_TRUE(game().state().Playing);
    ASSERT_TRUE(game().state().NormalHammerActive);

    const QPoint first = centreOf(game().scene().rect(ElementId::ImgMonster0));
    clickField(Qt::LeftButton, first);
    EXPECT_EQ(game().state().Score, 1);
    EXPECT_FALSE(game().scene().isVisible(ElementId::ImgMonster0));
    EXPECT_TRUE(game().scene().isVisible(ElementId::ImgBakuhatu0));

    const QPoint second = centreOf(game().scene().rect(ElementId::ImgMonster2));
    clickField(Qt::RightButton, second);
    EXPECT_EQ(game().state().Score, 2);
}

TEST_F(MainWindowInput, StrangeHammerSwingsOnTheBareFieldAndOnBothPressesOfADoubleClick) {
    runTitle();
    pressKey(Qt::Key_Space);
    ASSERT_TRUE(game().state().Playing);
    ASSERT_FALSE(game().state().NormalHammerActive);
    // The pointer comes to rest on the bare field first; then the hammer is put over a monster.
    const QPoint bare = bareSpot(game().scene());
    QTest::mouseMove(window().windowHandle(), window().field().mapTo(&window(), bare));
    putHammerOnAMonster(game());

    clickField(Qt::LeftButton, bare);
    EXPECT_EQ(game().state().Score, 1);
    // The strange hammer counts again where the monster stood.
    doubleClickField(Qt::LeftButton, bare);
    EXPECT_EQ(game().state().Score, 3);
}

TEST_F(MainWindowInput, StrangeHammerFollowsThePointerMirroredWithoutAButtonHeld) {
    runTitle();
    const QPoint start = window().field().mapToGlobal(QPoint(300, 230));
    QCursor::setPos(start);
    pressKey(Qt::Key_Space);
    ASSERT_TRUE(game().state().Playing);
    const Rect before = game().scene().rect(ElementId::ImgBou);

    const QPoint local = bareSpot(game().scene());
    QCursor::setPos(window().field().mapToGlobal(local));
    QTest::mouseMove(&window().field(), local);
    const Rect after = game().scene().rect(ElementId::ImgBou);
    const QPoint moved = window().field().mapToGlobal(local) - start;
    EXPECT_EQ(after.left, before.left - moved.x());
    EXPECT_EQ(after.top, before.top - moved.y());
}

TEST_F(MainWindowInput, AtOneAndAHalfTimesTheStrangeHammerMovesAndSwingsInFieldPixels) {
    window().menus().sizeAction(WindowSize::OneAndHalf)->trigger();
    EXPECT_EQ(window().field().size(), QSize(926, 690));
    runTitle();
    const QPoint start(300, 230);
    QCursor::setPos(window().mapToGlobal(inWindow(start)));
    pressKey(Qt::Key_Space);
    ASSERT_FALSE(game().state().NormalHammerActive);
    const Rect before = game().scene().rect(ElementId::ImgBou);

    const QPoint bare = bareSpot(game().scene());
    QCursor::setPos(window().mapToGlobal(inWindow(bare)));
    QTest::mouseMove(window().windowHandle(), inWindow(bare));
    const Rect after = game().scene().rect(ElementId::ImgBou);
    EXPECT_EQ(after.left, before.left - (bare.x() - start.x()));
    EXPECT_EQ(after.top, before.top - (bare.y() - start.y()));

    putHammerOnAMonster(game());
    clickField(Qt::LeftButton, bare);
    EXPECT_EQ(game().state().Score, 1);
}

TEST_F(MainWindowInput, InFullScreenTheFieldIsCentredAndAPressOnTheBlackAroundItHitsNothing) {
    runTitle();
    pressKey(Qt::Key_Space);
    ASSERT_FALSE(game().state().NormalHammerActive);
    window().menus().fullScreenAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().isFullScreen(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().field().width() > 617; }, 2000));
    const FieldView view = window().field().view();
    EXPECT_GT(view.scale(), 1.0);
    EXPECT_TRUE(view.origin().x() >= 1 || view.origin().y() >= 1) << "no black around the field";

    // The strange hammer lies on a monster: a press on the black swings nothing, one on the
    // field does.
    const auto swingAt = [&](QPoint inWindow) {
        QTest::mouseMove(window().windowHandle(), inWindow);
        putHammerOnAMonster(game());
        QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {}, inWindow);
    };
    swingAt(window().field().mapTo(&window(), QPoint(0, 0)));
    EXPECT_EQ(game().state().Score, 0);
    swingAt(inWindow(bareSpot(game().scene())));
    EXPECT_EQ(game().state().Score, 1);

    window().menus().fullScreenAction()->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window().isFullScreen(); }, 2000));
    EXPECT_EQ(window().field().size(), QSize(617, 460));
}

TEST_F(MainWindowInput, F1F11AndCtrlQAreTakenByTheirCommandsAndNeverStartALevel) {
    runTitle();
    pressKey(Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().isFullScreen(); }, 2000));
    pressKey(Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window().isFullScreen(); }, 2000));
    pressKey(Qt::Key_F1);
    EXPECT_NE(window().findChild<HelpWindow*>(), nullptr);
    EXPECT_TRUE(game().scene().isVisible(ElementId::ImgTitle1)) << "a level started";

    // Ctrl+Q closes the game as the close box does. Its Ctrl starts no level, so in the Ready
    // phase nothing is asked.
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    bool asked = false;
    whenDialogOpens([&](QWidget& d) {
        asked = true;
        qobject_cast<ConfirmDialog*>(&d)->noButton()->click();
    });
    pressKey(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(asked);
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(game().state().Playing);
}

TEST_F(MainWindowInput, CtrlHShowsTheScoreFileWhileIdleAndABareCtrlIsStillAKeyOfItsOwn) {
    runTitle();
    ScoreTable scores;
    scores.add(1, {300, 1'700'000'000, "Jiro"});
    scores.add(1, {500, 1'600'000'000, "Taro"});
    const QString file = m_folder.filePath(QStringLiteral("data/scores.txt"));
    writeScoreFile(file.toStdString(), scores, false);

    // The strange hammer is the mode in play: its tab is open, best first; the empty normal
    // tab says so. Escape closes it and the field has the keys again. (The offscreen platform
    // does not give the activation back from the closed dialog by itself.)
    const auto openScores = [&]() -> HighScoresWindow* {
        pressKey(Qt::Key_H, Qt::ControlModifier);
        auto* list = qobject_cast<HighScoresWindow*>(QApplication::activeModalWidget());
        EXPECT_TRUE(list == nullptr || QTest::qWaitForWindowActive(list));
        return list;
    };
    const auto closeWith = [&](QPointer<HighScoresWindow> list, Qt::Key key) {
        QTest::keyClick(list->focusWidget(), key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return list.isNull(); }, 2000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window().focusWidget() == &window().field(); }));
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    };
    QPointer<HighScoresWindow> list = openScores();
    ASSERT_FALSE(list.isNull());
    EXPECT_FALSE(game().state().Playing);
    EXPECT_EQ(list->tabs()->currentIndex(), 1);
    const auto* rows = qobject_cast<QTreeWidget*>(list->tabs()->currentWidget());
    ASSERT_EQ(rows->topLevelItemCount(), 2);
    EXPECT_EQ(rows->topLevelItem(0)->text(3), QStringLiteral("Taro"));
    EXPECT_NE(qobject_cast<QLabel*>(list->tabs()->widget(0)), nullptr);
    closeWith(list, Qt::Key_Escape);

    // Enter closes it too.
    list = openScores();
    ASSERT_FALSE(list.isNull());
    closeWith(list, Qt::Key_Return);

    // A bare Ctrl tap starts the level; during it Ctrl+H neither pauses nor opens anything,
    // while a tap pauses once.
    QTest::keyClick(&window().field(), Qt::Key_Control);
    ASSERT_TRUE(game().state().Playing);
    pressKey(Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(game().state().Playing);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(&window().field(), Qt::Key_Control);
    EXPECT_TRUE(game().state().ResumePending);
}
