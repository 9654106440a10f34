#include "ConfirmDialog.h"
#include "FieldWidget.h"
#include "Game.h"
#include "GameMenus.h"
#include "GameTimer.h"
#include "HighScoresWindow.h"
#include "PaintRecorder.h"
#include "WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// The main window shown with its game, as the program opens it.
using MainWindowShown = WindowHarness;

} // namespace

TEST_F(MainWindowShown, FieldIs617By460AndTheWindowCannotBeResized) {
    EXPECT_EQ(window().field().size(), QSize(617, 460));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_EQ(window().size(), window().minimumSize());
    EXPECT_EQ(window().size().height(), window().menuBar()->height() + 460);
    EXPECT_TRUE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_GE(window().frameGeometry().left(), 0);
    EXPECT_GE(window().frameGeometry().top(), 0);
}

TEST_F(MainWindowShown, MenuBarHoldsEveryItemInOrderWithSaveDirectlyOnTheBar) {
    const QList<QAction*> bar = window().menuBar()->actions();
    EXPECT_EQ(captions(bar),
              QStringList({QStringLiteral("ハンマー(&T)"), QStringLiteral("ゲームの保存(&K)"),
                           QStringLiteral("設定(&S)"), QStringLiteral("ヘルプ(&H)")}));
    ASSERT_EQ(bar.size(), 4);
    ASSERT_NE(bar[0]->menu(), nullptr);
    EXPECT_EQ(bar[1]->menu(), nullptr);
    ASSERT_NE(bar[2]->menu(), nullptr);
    ASSERT_NE(bar[3]->menu(), nullptr);
    EXPECT_EQ(captions(bar[0]->menu()->actions()),
              QStringList({QStringLiteral("普通のハンマーのみ(&N)"),
                           QStringLiteral("変なハンマーのみ(&S)"),
                           QStringLiteral("ランダムに普通のハンマーと変なハンマー(&R)"),
                           QStringLiteral("-"), QStringLiteral("記録(&V)…")}));
    EXPECT_EQ(window().menus().highScoresAction()->shortcut(), QKeySequence("Ctrl+H"));
    EXPECT_EQ(captions(bar[2]->menu()->actions()),
              QStringList({QStringLiteral("効果音を鳴らす(&S)"), QStringLiteral("-"),
                           QStringLiteral("等倍(&1)"), QStringLiteral("1.5 倍(&2)"),
                           QStringLiteral("2 倍(&3)"), QStringLiteral("-"),
                           QStringLiteral("全画面表示(&F)")}));
    EXPECT_EQ(captions(bar[3]->menu()->actions()),
              QStringList({QStringLiteral("ヘルプ(&D)"), QStringLiteral("-"),
                           QStringLiteral("バージョン情報(&B)")}));
}

TEST_F(MainWindowShown, AtStartNothingIsCheckedSavingIsOffAndTheTitleKeepsTheHammerMenuShut) {
    const QList<QAction*> bar = window().menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    ASSERT_NE(bar[0]->menu(), nullptr);
    for (const MenuItem mode : HammerModeItems) {
        const QAction* item = window().menus().action(mode);
        SCOPED_TRACE(item->text().toStdString());
        EXPECT_TRUE(item->isCheckable());
        EXPECT_FALSE(item->isChecked());
        EXPECT_TRUE(item->isEnabled());
    }
    EXPECT_FALSE(bar[1]->isEnabled());
    EXPECT_FALSE(bar[0]->isEnabled());
    EXPECT_FALSE(window().menus().highScoresAction()->isEnabled());
    EXPECT_TRUE(bar[2]->isEnabled());
    EXPECT_TRUE(bar[3]->isEnabled());

    runTitle();
    EXPECT_TRUE(bar[0]->isEnabled());
    EXPECT_TRUE(window().menus().highScoresAction()->isEnabled());
    EXPECT_TRUE(window().menus().action(MenuItem::N3)->isChecked());
}

TEST_F(MainWindowShown, ChoosingAnItemNeverTogglesTheMarkTheGameSet) {
    runTitle();
    QAction* strange = window().menus().action(MenuItem::N3);
    QAction* normal = window().menus().action(MenuItem::N2);

    // The item already chosen asks nothing and stays checked.
    strange->trigger();
    EXPECT_TRUE(strange->isChecked());

    // Answering No leaves both marks as they were.
    whenDialogOpens([](QWidget& d) { qobject_cast<ConfirmDialog*>(&d)->noButton()->click(); });
    normal->trigger();
    EXPECT_FALSE(normal->isChecked());
    EXPECT_TRUE(strange->isChecked());
    EXPECT_EQ(game().state().HammerMode, HammerMode::StrangeOnly);

    chooseMode(HammerMode::NormalOnly);
    EXPECT_TRUE(normal->isChecked());
    EXPECT_FALSE(strange->isChecked());
    EXPECT_EQ(game().state().HammerMode, HammerMode::NormalOnly);
}

TEST_F(MainWindowShown, CaptionStaysEmptyUntilTheTitleSettles) {
    EXPECT_TRUE(window().windowTitle().isEmpty());
    for (int tick = 1; tick < 170; ++tick)
        window().tick();
    EXPECT_TRUE(window().windowTitle().isEmpty());
    window().tick();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("ズンバリオ"));
}

TEST_F(MainWindowShown, TimerRunsTheTitleAtTenMillisecondsAndStopsForTheReadyPhase) {
    EXPECT_TRUE(window().timer().isEnabled());
    EXPECT_EQ(window().timer().interval(), 10);
    runTitle();
    EXPECT_FALSE(window().timer().isEnabled());
    EXPECT_EQ(window().timer().interval(), 500);
}

// A tick is on screen before the event loop takes the next event, and the second tick of a level
// only rewrites the clock (the first may still show 60).
TEST_F(MainWindowShown, ATickRepaintsAtOnceAndOnlyWhatChanged) {
    startLevel1();
    QTest::qWait(20);
    window().tick();
    PaintRecorder recorder(window().field());
    window().tick();
    EXPECT_TRUE(recorder.painted().intersects(QRect(40, 16, 33, 33)));
    QTest::qWait(20);
    EXPECT_TRUE(QRect(40, 16, 33, 33).contains(recorder.painted().boundingRect()));
}

TEST_F(MainWindowShown, ClosingInTheReadyPhaseAsksNothing) {
    runTitle();
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowShown, ClosingDuringPlayAsksAndCancelKeepsTheLevelRunning) {
    runTitle();
    pressKey(Qt::Key_Space);
    bool asked = false;
    whenDialogOpens([&](QWidget& d) {
        asked = true;
        qobject_cast<ConfirmDialog*>(&d)->cancelButton()->click();
    });
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(asked);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(game().state().Playing);
    EXPECT_TRUE(window().timer().isEnabled());
}

TEST_F(MainWindowShown, FailedSaveShowsTheErrorBoxAndKeepsTheWindowOpen) {
    runTitle();
    pressKey(Qt::Key_Space);
    // A file where the data folder should be makes the saved game impossible to create.
    QDir(m_folder.path()).rmdir(QStringLiteral("data"));
    QFile blocker(m_folder.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenDialogOpens([&](QWidget& d) {
        qobject_cast<ConfirmDialog*>(&d)->yesButton()->click();
        whenDialogOpens([&](QWidget& error) {
            auto* box = qobject_cast<QMessageBox*>(&error);
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            EXPECT_EQ(box->buttons().size(), 1);
            box->buttons().constFirst()->click();
        });
    });
    EXPECT_FALSE(window().close());
    EXPECT_EQ(caption, QStringLiteral("ズンバリオ"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, QStringLiteral("ファイル %1 を作成できません。")
                        .arg(m_folder.filePath(QStringLiteral("data/record2.dat"))));
    EXPECT_TRUE(window().isVisible());
}

// The about box is no question: leaving the game with it open pauses the level, and closing the
// box afterwards leaves it paused.
TEST_F(MainWindowShown, LeavingWithTheAboutBoxOpenPausesTheLevelForGood) {
    startLevel1();
    whenDialogOpens([](QWidget& about) {
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        about.close();
    });
    window().menus().action(MenuItem::N7)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_FALSE(game().state().Playing);
    EXPECT_TRUE(game().state().ResumePending);
}

TEST_F(MainWindowShown, ASettingsFileItCannotReadGivesTheDefaultsSilentlyAndLeavesTheRecordsAlone) {
    const QString settings = m_folder.filePath(QStringLiteral("data/zunbario.conf"));
    PlayerSettings doubleSize;
    doubleSize.size = WindowSize::Double;
    // Each content has a length of its own: Qt keeps a settings file it has read in this process
    // for as long as the file's size and time look unchanged.
    const std::pair<QByteArray, PlayerSettings> cases[] = {
        {QByteArray("\x00\xff\xfe[[[\n=\n", 9), {}},
        {"sound=maybe\nsize=7\nfullScreen=1\n", {}},
        {"[General]\nsize=2\nsound=nonsense\nfullScreen=no\n", doubleSize},
    };
    for (const auto& [content, expected] : cases) {
        SCOPED_TRACE(content.toStdString());
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        // A box would stop the test here until someone closed it.
        const MainWindow again(m_folder.path() + QLatin1Char('/'));
        EXPECT_EQ(again.settings(), expected);
    }

    // A folder in the file's place cannot be written: the choice holds for this run all the same.
    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_TRUE(QDir().mkdir(settings));
    MainWindow again(m_folder.path() + QLatin1Char('/'));
    EXPECT_EQ(again.settings(), PlayerSettings{});
    again.menus().soundAction()->trigger();
    EXPECT_FALSE(again.settings().soundOn);
    EXPECT_EQ(QDir(m_folder.filePath(QStringLiteral("data"))).entryList(QDir::Files), QStringList())
        << "no record file was made or touched";
}

TEST(HighScoresWindow, ListsTheEntriesAsTheyStandAndMarksTheLatestClearOfItsMode) {
    ScoreTable scores;
    const ScoreEntry latest{300, 1'800'000'000, "<b>花子</b> & Co"};
    scores.add(2, {500, 1'700'000'000, "Taro"});
    scores.add(2, latest);
    scores.add(2, {100, 1'600'000'000, "Jiro"});
    // An equal entry in another mode is not the one this run added.
    scores.add(1, latest);
    const HighScoresWindow list(scores, 2, Game::LatestScore{2, latest});
    EXPECT_EQ(list.tabs()->currentIndex(), 2);

    const auto* rows = qobject_cast<QTreeWidget*>(list.tabs()->widget(2));
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->topLevelItemCount(), 3);
    const QTreeWidgetItem* second = rows->topLevelItem(1);
    EXPECT_EQ(second->text(0), QStringLiteral("2"));
    EXPECT_EQ(second->text(1), QStringLiteral("300"));
    EXPECT_EQ(second->text(3), QString::fromUtf8("<b>花子</b> & Co"));
    EXPECT_EQ(rows->selectedItems(), QList<QTreeWidgetItem*>({rows->topLevelItem(1)}));

    EXPECT_TRUE(qobject_cast<QTreeWidget*>(list.tabs()->widget(1))->selectedItems().isEmpty());
}
