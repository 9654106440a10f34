#pragma once

#include <QObject>
#include <QString>
#include <memory>

// A session manager of the test's own, speaking the X session management protocol through
// libSM as a desktop's session manager does. The program under test registers with it when
// started with SESSION_MANAGER set to address(); the test then ends the session. It serves in
// the test's event loop, so the test must keep that loop running (QTest::qWait) while it waits.
class TestSessionManager : public QObject {
    Q_OBJECT
public:
    TestSessionManager();
    ~TestSessionManager() override;

    // Where clients connect; empty when the manager could not listen, and problem() says why.
    QString address() const;
    QString problem() const;

    // A client registered and answered the first save that every new client is asked for.
    bool clientReady() const;

    // Asks the client to save because the session ends, with or without leave to ask the user.
    void endSession(bool allowInteraction);
    // The client asked to interact with the user; grantInteraction() lets it.
    bool interactionRequested() const;
    void grantInteraction();
    // The client finished its save, and whether it succeeded.
    bool saveDone() const;
    bool saveSucceeded() const;
    // Tells the client to end, as a session manager does once everyone has saved.
    void die();
    // Tells the client the session goes on after all, as when the user cancels the logout.
    void cancelEnd();

    // What the protocol's callbacks see.
    struct State;

private:
    std::unique_ptr<State> m_state;
};
