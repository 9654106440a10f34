#pragma once

#include <QObject>

class Game;
class HandlerRunner;
class QCloseEvent;
class QSessionManager;
class QtPlatform;

// How the program ends. The player's close asks the game, which may ask the player. The desktop
// session's end asks the same where the session manager allows it, and otherwise, like a signal,
// asks nobody: what closing would have offered to save is then saved as if the answer were Yes.
class ProgramEnd : public QObject {
    Q_OBJECT
public:
    // The game's handlers run through `runner`, as the window runs all of them.
    ProgramEnd(Game& game, QtPlatform& platform, HandlerRunner& runner, QObject* parent);

    // Whether the window may close now; asks the game where the player must be asked.
    bool allowsClose(const QCloseEvent& event);
    // A signal asked the program to end: it ends at once and waits for no answer.
    void endWithoutAsking();

private:
    // The window's handlers have all finished: an end that waited for them goes ahead.
    void handlersFinished();
    void onSessionEnding(QSessionManager& manager);
    void closeWithoutAsking(bool quit);

    Game& m_game;
    QtPlatform& m_platform;
    HandlerRunner& m_runner;
    // The desktop session already had the game's answer to closing, or a signal ends the game:
    // the close by which the program ends does not ask again.
    bool m_closeApproved = false;
    // An end without asking that waits for the running handler to finish.
    enum class PendingEnd { None, Save, Quit } m_pendingEnd = PendingEnd::None;
    bool m_quitting = false;
};
