#include "TimerEventClock.h"

#include "SpawnClock.h"

#include <QCoreApplication>
#include <QEvent>

TimerEventClock::TimerEventClock(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

TimerEventClock::~TimerEventClock() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool TimerEventClock::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer)
        m_lastMs = steadyNowMs();
    return QObject::eventFilter(watched, event);
}
