#include "ConfirmDialog.h"
#include "FieldWidget.h"
#include "Game.h"
#include "GameMenus.h"
#include "TestFiles.h"
#include "WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QPoint inside(const Rect& r) {
    return {r.left + 5, r.top + 5};
}

// The release of the held left button lands in whatever took the mouse.
void releaseIn(QWidget& taker) {
    QTest::mouseRelease(taker.windowHandle(), Qt::LeftButton, {}, QPoint(8, 8));
}

} // namespace

// A left press whose release went to a dialog or a menu holds the mouse no longer: with the
// normal hammer, the next press on the bare field must not hit the monster pressed before.
class MouseHold : public WindowHarness {
protected:
    void startWithTheNormalHammer() {
        startLevel1(HammerMode::NormalOnly);
        ASSERT_TRUE(game().state().NormalHammerActive);
    }

    void holdOnMonster0() {
        QTest::mousePress(window().windowHandle(), Qt::LeftButton, {},
                          inWindow(inside(game().scene().rect(ElementId::ImgMonster0))));
        ASSERT_EQ(game().state().Score, 1);
    }

    void expectTheBareFieldScoresNothing() {
        // The offscreen platform does not give the activation back by itself.
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        const int before = game().state().Score;
        const QPoint bare = bareSpot(game().scene());
        // A right press straight to the field first, with no movement before it: a left press or
        // a movement would end a hold by itself, while this press would go to the monster that
        // still held the mouse.
        QMouseEvent rightPress(QEvent::MouseButtonPress, bare, window().field().mapToGlobal(bare),
                               Qt::RightButton, Qt::RightButton, {});
        QApplication::sendEvent(&window().field(), &rightPress);
        clickField(Qt::RightButton, bare);
        clickField(Qt::LeftButton, bare);
        EXPECT_EQ(game().state().Score, before);
    }
};

TEST_F(MouseHold, EndsWhenTheSaveQuestionTakesTheMouse) {
    startWithTheNormalHammer();
    holdOnMonster0();
    whenDialogOpens([](QWidget& d) {
        releaseIn(d);
        qobject_cast<ConfirmDialog*>(&d)->noButton()->click();
    });
    window().menus().action(MenuItem::N5)->trigger();
    expectTheBareFieldScoresNothing();
}

TEST_F(MouseHold, EndsWhenTheCloseQuestionTakesTheMouse) {
    startWithTheNormalHammer();
    holdOnMonster0();
    whenDialogOpens([](QWidget& d) {
        releaseIn(d);
        qobject_cast<ConfirmDialog*>(&d)->cancelButton()->click();
    });
    EXPECT_FALSE(window().close());
    expectTheBareFieldScoresNothing();
}

TEST_F(MouseHold, EndsWhenTheErrorBoxTakesTheMouse) {
    startWithTheNormalHammer();
    // A file where the data folder should be: the save fails and the error box comes up.
    QDir(m_folder.path()).rmdir(QStringLiteral("data"));
    QFile blocker(m_folder.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    holdOnMonster0();
    bool reported = false;
    whenDialogOpens([&](QWidget& d) {
        qobject_cast<ConfirmDialog*>(&d)->yesButton()->click();
        whenDialogOpens([&](QWidget& error) {
            reported = qobject_cast<QMessageBox*>(&error) != nullptr;
            releaseIn(error);
            qobject_cast<QMessageBox*>(&error)->buttons().constFirst()->click();
        });
    });
    window().menus().action(MenuItem::N5)->trigger();
    EXPECT_TRUE(reported);
    expectTheBareFieldScoresNothing();
}

TEST_F(MouseHold, EndsWhenAMenuOpenedFromTheKeyboardTakesTheMouse) {
    startWithTheNormalHammer();
    // The field has the keys, which the menu takes along with the mouse.
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    holdOnMonster0();
    // The Hammer menu is shut during play; the Help menu opens.
    QMenu* help = window().menuBar()->actions().constLast()->menu();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        opened = popup == help;
        if (popup != nullptr) {
            releaseIn(*popup);
            QTest::keyClick(popup, Qt::Key_Escape);
        }
    });
    // While a button is down Qt lets no Alt+letter shortcut through; the menu is opened the way
    // the menu bar's keyboard navigation opens it.
    window().menuBar()->setActiveAction(window().menuBar()->actions().constLast());
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened; }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == nullptr; }));
    expectTheBareFieldScoresNothing();
}

// With the strange hammer, a hold left over from a press on the title artwork would keep every
// movement from the hammer once the saved game is resumed.
class MouseHoldOverTheResumeOffer : public MouseHold {
protected:
    void prepareFolder() override {
        // Level 2 of the strange-hammer mode, paused at its 40th tick with 45 hits.
        const qint32 saved[8] = {0, 0, 2, 45, 30, 1, 40, 0};
        writeRecordWords(m_folder.filePath(QStringLiteral("data/record2.dat")), saved);
    }
};

TEST_F(MouseHoldOverTheResumeOffer, EndsWhenTheOfferTakesTheMouse) {
    while (!game().scene().isVisible(ElementId::ImgTitle1))
        window().tick();
    QTest::mousePress(window().windowHandle(), Qt::LeftButton, {},
                      inWindow(inside(game().scene().rect(ElementId::ImgTitle1))));
    bool offered = false;
    whenDialogOpens([&](QWidget& d) {
        offered = true;
        releaseIn(d);
        qobject_cast<ConfirmDialog*>(&d)->yesButton()->click();
    });
    runTitle();
    ASSERT_TRUE(offered);
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    pressKey(Qt::Key_Space);
    ASSERT_TRUE(game().state().Playing);
    ASSERT_FALSE(game().state().NormalHammerActive);

    const QPoint bare = bareSpot(game().scene());
    const Rect before = game().scene().rect(ElementId::ImgBou);
    QTest::mouseMove(window().windowHandle(), inWindow(bare + QPoint(3, 0)));
    QTest::mouseMove(window().windowHandle(), inWindow(bare));
    EXPECT_NE(game().scene().rect(ElementId::ImgBou), before);
}

// Qt keeps sending movements to the field while any button is down; only a left press holds
// the mouse for the window, so a right drag over the menu bar leaves the strange hammer alone.
TEST_F(MouseHold, ARightDragOverTheMenuBarDoesNotReachTheHammer) {
    runTitle();
    pressKey(Qt::Key_Space);
    ASSERT_FALSE(game().state().NormalHammerActive);
    const QPoint bare = bareSpot(game().scene());
    QTest::mouseMove(window().windowHandle(), inWindow(bare));
    const Rect before = game().scene().rect(ElementId::ImgBou);
    ASSERT_TRUE(game().scene().isVisible(ElementId::ImgBou));

    const QPoint overMenuBar(bare.x(), window().menuBar()->height() / 2);
    QTest::mousePress(window().windowHandle(), Qt::RightButton, {}, inWindow(bare));
    QTest::mouseMove(window().windowHandle(), overMenuBar);
    QTest::mouseRelease(window().windowHandle(), Qt::RightButton, {}, overMenuBar);
    EXPECT_EQ(game().scene().rect(ElementId::ImgBou), before);
    EXPECT_TRUE(game().scene().isVisible(ElementId::ImgBou));

    // Held by the left button from the bare field, the same drag is the window's: the hammer
    // jumps to the bottom edge and hides.
    QTest::mouseMove(window().windowHandle(), inWindow(bare));
    QTest::mousePress(window().windowHandle(), Qt::LeftButton, {}, inWindow(bare));
    QTest::mouseMove(window().windowHandle(), overMenuBar);
    EXPECT_FALSE(game().scene().isVisible(ElementId::ImgBou));
    QTest::mouseRelease(window().windowHandle(), Qt::LeftButton, {}, overMenuBar);
}
