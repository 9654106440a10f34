#include "GameTimer.h"

namespace {
// The timer's interval before the game first sets it.
constexpr int InitialInterval = 500;
} // namespace

GameTimer::GameTimer(QObject* parent) : QObject(parent) {
    // The coarse default may be several per cent late on every tick, and the error adds up.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(InitialInterval);
    connect(&m_timer, &QTimer::timeout, this, &GameTimer::ticked);
}

void GameTimer::setInterval(int milliseconds) {
    // QTimer restarts a running period on every setInterval, even for the same value.
    if (milliseconds == m_timer.interval())
        return;
    m_timer.setInterval(milliseconds);
}

void GameTimer::setEnabled(bool enabled) {
    if (enabled == m_timer.isActive())
        return;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}
