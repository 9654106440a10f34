#include "BenchWindow.h"

#include "ConfirmDialog.h"
#include "FieldWidget.h"
#include "Game.h"
#include "GameMenus.h"
#include "GameTimer.h"
#include "LoadMeter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr std::chrono::milliseconds SettleTime{300};

void answerYesWhenAsked() {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<ConfirmDialog*>(QApplication::activeModalWidget()))
            dialog->yesButton()->click();
        else
            answerYesWhenAsked();
    });
}

} // namespace

BenchWindow::BenchWindow() {
    if (!m_folder.isValid())
        return;
    m_window = std::make_unique<MainWindow>(m_folder.path());
    // No event has been handled yet, so no title tick has come.
    m_window->timer().setEnabled(false);
    m_window->createAboutBox();
    m_window->show();
    m_window->activateWindow();
    settle(SettleTime);
}

BenchWindow::~BenchWindow() = default;

Game& BenchWindow::game() {
    return m_window->game();
}

QWidget& BenchWindow::field() {
    return m_window->field();
}

void BenchWindow::finishTitle() {
    while (game().state().TitlePhase) {
        m_window->tick();
        QCoreApplication::processEvents();
    }
    settle(SettleTime);
}

void BenchWindow::pressKey() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(&field(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(&field(), &release);
}

void BenchWindow::chooseHammer(MenuItem item) {
    answerYesWhenAsked();
    m_window->menus().action(item)->trigger();
    settle(SettleTime);
}

QPoint BenchWindow::toScreen(QPoint fieldPoint) {
    return field().mapToGlobal(fieldPoint);
}
