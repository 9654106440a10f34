#include "ProgramEnd.h"

#include "Game.h"
#include "HandlerRunner.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QSessionManager>

ProgramEnd::ProgramEnd(Game& game, QtPlatform& platform, HandlerRunner& runner, QObject* parent)
    : QObject(parent), m_game(game), m_platform(platform), m_runner(runner) {
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ProgramEnd::onSessionEnding);
    connect(&m_runner, &HandlerRunner::allFinished, this, &ProgramEnd::handlersFinished);
}

bool ProgramEnd::allowsClose(const QCloseEvent& event) {
    // An approval covers the close by which the program ends, which the program makes itself
    // when the session manager or a signal ends it. A close the window system brings is the
    // player's own: after a logout that was cancelled, the player may have played on, and the
    // game asks again unless its last answer still stands.
    bool canClose = m_closeApproved && !event.spontaneous();
    if (!canClose)
        m_runner.run([this, &canClose] { canClose = m_game.FormCloseQuery(); });
    return canClose;
}

void ProgramEnd::endWithoutAsking() {
    // A second signal while the first is handled changes nothing.
    if (m_quitting)
        return;
    m_quitting = true;
    closeWithoutAsking(true);
}

void ProgramEnd::handlersFinished() {
    if (m_pendingEnd == PendingEnd::None)
        return;
    const bool quit = m_pendingEnd == PendingEnd::Quit;
    m_pendingEnd = PendingEnd::None;
    closeWithoutAsking(quit);
}

void ProgramEnd::closeWithoutAsking(bool quit) {
    m_platform.setUnattended(true);
    m_closeApproved = true;
    if (m_runner.underWay()) {
        // A handler waits in one of its dialogs. The dialog closes as if from its frame, the
        // handler finishes with that answer, and then the game is saved.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
                dialog->reject();
        }
        m_pendingEnd = quit ? PendingEnd::Quit : PendingEnd::Save;
        return;
    }
    m_runner.run([this] { m_game.closeWithoutAsking(); });
    if (quit)
        QApplication::quit();
    else if (!m_quitting)
        m_platform.setUnattended(false);
}

void ProgramEnd::onSessionEnding(QSessionManager& manager) {
    // Nobody may be asked: the game is saved as if the answer were Yes, and the session manager
    // ends the program when every program has saved.
    if (!manager.allowsInteraction()) {
        closeWithoutAsking(false);
        return;
    }
    bool canClose = false;
    m_runner.run([this, &canClose] { canClose = m_game.FormCloseQuery(); });
    manager.release();
    m_closeApproved = canClose;
    if (!canClose)
        manager.cancel();
}
