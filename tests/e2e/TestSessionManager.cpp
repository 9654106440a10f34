#include "TestSessionManager.h"

#include <QSocketNotifier>
#include <X11/SM/SMlib.h>
#include <cstdlib>
#include <cstring>
#include <vector>

struct TestSessionManager::State {
    QObject* owner = nullptr;
    QString address;
    QString problem;
    int listenCount = 0;
    IceListenObj* listeners = nullptr;
    std::vector<QSocketNotifier*> notifiers;
    IceConn ice = nullptr;
    QSocketNotifier* iceNotifier = nullptr;
    SmsConn client = nullptr;
    int savesDone = 0;
    bool firstSaveAnswered = false;
    bool interactionRequested = false;
    bool lastSaveSucceeded = false;

    void accept(IceListenObj listener);
    void serve();
    void dropConnection();
};

namespace {

using State = TestSessionManager::State;

State* stateOf(SmPointer data) {
    return static_cast<State*>(data);
}

// Clients of the test connect through a private socket of this machine only.
Bool anyLocalHost(char*) {
    return True;
}

void ignoreIoError(IceConn) {}

Status registerClient(SmsConn conn, SmPointer data, char* previousId) {
    std::free(previousId);
    char* id = SmsGenerateClientID(conn);
    char fallback[] = "1zunbario-test-client";
    SmsRegisterClientReply(conn, id != nullptr ? id : fallback);
    std::free(id);
    // Every client that registers anew is asked for a first, local save at once.
    SmsSaveYourself(conn, SmSaveLocal, False, SmInteractStyleNone, False);
    stateOf(data)->client = conn;
    return 1;
}

void interactRequest(SmsConn, SmPointer data, int) {
    stateOf(data)->interactionRequested = true;
}

void interactDone(SmsConn, SmPointer, Bool) {}
void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void saveYourselfPhase2Request(SmsConn conn, SmPointer) {
    SmsSaveYourselfPhase2(conn);
}

void saveYourselfDone(SmsConn conn, SmPointer data, Bool success) {
    State* s = stateOf(data);
    if (!s->firstSaveAnswered) {
        s->firstSaveAnswered = true;
        SmsSaveComplete(conn);
        return;
    }
    ++s->savesDone;
    s->lastSaveSucceeded = success != False;
}

void closeConnection(SmsConn conn, SmPointer data, int count, char** reasons) {
    SmFreeReasons(count, reasons);
    SmsCleanUp(conn);
    stateOf(data)->client = nullptr;
}

void setProperties(SmsConn, SmPointer, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn conn, SmPointer) {
    SmsReturnProperties(conn, 0, nullptr);
}

Status newClient(SmsConn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks, char**) {
    std::memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client = {registerClient, data};
    callbacks->interact_request = {interactRequest, data};
    callbacks->interact_done = {interactDone, data};
    callbacks->save_yourself_request = {saveYourselfRequest, data};
    callbacks->save_yourself_phase2_request = {saveYourselfPhase2Request, data};
    callbacks->save_yourself_done = {saveYourselfDone, data};
    callbacks->close_connection = {closeConnection, data};
    callbacks->set_properties = {setProperties, data};
    callbacks->delete_properties = {deleteProperties, data};
    callbacks->get_properties = {getProperties, data};
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

} // namespace

void TestSessionManager::State::accept(IceListenObj listener) {
    IceAcceptStatus status = IceAcceptSuccess;
    IceConn conn = IceAcceptConnection(listener, &status);
    if (conn == nullptr)
        return;
    // The client sends its half of the connection set-up at once.
    while (IceConnectionStatus(conn) == IceConnectPending) {
        if (IceProcessMessages(conn, nullptr, nullptr) != IceProcessMessagesSuccess)
            break;
    }
    if (IceConnectionStatus(conn) != IceConnectAccepted) {
        IceCloseConnection(conn);
        return;
    }
    dropConnection();
    ice = conn;
    iceNotifier = new QSocketNotifier(IceConnectionNumber(conn), QSocketNotifier::Read, owner);
    QObject::connect(iceNotifier, &QSocketNotifier::activated, owner, [this] { serve(); });
}

void TestSessionManager::State::serve() {
    if (IceProcessMessages(ice, nullptr, nullptr) != IceProcessMessagesSuccess)
        dropConnection();
}

void TestSessionManager::State::dropConnection() {
    if (ice == nullptr)
        return;
    delete iceNotifier;
    iceNotifier = nullptr;
    if (client != nullptr) {
        SmsCleanUp(client);
        client = nullptr;
    }
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    ice = nullptr;
}

TestSessionManager::TestSessionManager() : m_state(std::make_unique<State>()) {
    State& s = *m_state;
    s.owner = this;
    // libICE ends the whole process on a broken connection unless told otherwise; a client that
    // goes away is what these tests wait for.
    IceSetIOErrorHandler(ignoreIoError);
    char error[256] = {};
    if (!SmsInitialize("zunbario-test", "1", newClient, m_state.get(), anyLocalHost, sizeof error,
                       error)) {
        s.problem = QStringLiteral("libSM could not start a session manager: ") + error;
        return;
    }
    if (!IceListenForConnections(&s.listenCount, &s.listeners, sizeof error, error)) {
        s.problem = QStringLiteral("the session manager could not listen: ") + error;
        return;
    }
    for (int i = 0; i < s.listenCount; ++i) {
        IceListenObj listener = s.listeners[i];
        IceSetHostBasedAuthProc(listener, anyLocalHost);
        char* id = IceGetListenConnectionString(listener);
        if (std::strncmp(id, "local/", 6) == 0)
            s.address = QString::fromLocal8Bit(id);
        std::free(id);
        auto* notifier = new QSocketNotifier(IceGetListenConnectionNumber(listener),
                                             QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [&s, listener] { s.accept(listener); });
        s.notifiers.push_back(notifier);
    }
    if (s.address.isEmpty())
        s.problem = QStringLiteral("the session manager has no local socket");
}

TestSessionManager::~TestSessionManager() {
    m_state->dropConnection();
    for (QSocketNotifier* notifier : m_state->notifiers)
        delete notifier;
    if (m_state->listeners != nullptr)
        IceFreeListenObjs(m_state->listenCount, m_state->listeners);
}

QString TestSessionManager::address() const {
    return m_state->problem.isEmpty() ? m_state->address : QString();
}

QString TestSessionManager::problem() const {
    return m_state->problem;
}

bool TestSessionManager::clientReady() const {
    return m_state->client != nullptr && m_state->firstSaveAnswered;
}

void TestSessionManager::endSession(bool allowInteraction) {
    m_state->interactionRequested = false;
    SmsSaveYourself(m_state->client, SmSaveBoth, True,
                    allowInteraction ? SmInteractStyleAny : SmInteractStyleNone, False);
}

bool TestSessionManager::interactionRequested() const {
    return m_state->interactionRequested;
}

void TestSessionManager::grantInteraction() {
    SmsInteract(m_state->client);
}

bool TestSessionManager::saveDone() const {
    return m_state->savesDone > 0;
}

bool TestSessionManager::saveSucceeded() const {
    return m_state->lastSaveSucceeded;
}

void TestSessionManager::die() {
    SmsDie(m_state->client);
}

void TestSessionManager::cancelEnd() {
    SmsShutdownCancelled(m_state->client);
}
