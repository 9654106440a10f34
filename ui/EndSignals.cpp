#include "EndSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> Caught{SIGTERM, SIGHUP, SIGINT};

// The pipe from the signal handler to the event loop. A handler may only touch such plain
// state: it writes one byte, which is safe whatever the program was doing when it came.
std::array<int, 2> pipeEnds{-1, -1};

void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    static_cast<void>(::write(pipeEnds[1], &byte, 1));
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("no pipe for the end signals: they end the game at once");
        return;
    }
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::readPending);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // A read or write the signal interrupts goes on by itself.
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : Caught)
        ::sigaction(signalNumber, &action, nullptr);
}

EndSignals::~EndSignals() {
    for (const int signalNumber : Caught)
        std::signal(signalNumber, SIG_DFL);
    for (int& end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void EndSignals::readPending() {
    std::array<unsigned char, 16> bytes{};
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[0], bytes.data(), bytes.size())) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            emit received(bytes[static_cast<std::size_t>(i)]);
    }
}
