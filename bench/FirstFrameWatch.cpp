#include "FirstFrameWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <utility>

FirstFrameWatch::FirstFrameWatch(Chooser chooser, std::function<void()> onFirstFrame,
                                 QObject* parent)
    : QObject(parent), m_chooser(std::move(chooser)), m_onFirstFrame(std::move(onFirstFrame)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrameWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!m_seen && event->type() == QEvent::Paint && m_chooser(*watched)) {
        m_seen = true;
        // The paint event is handled inside the frame; the frame is flushed before the event
        // loop takes its next queued call.
        QTimer::singleShot(0, this, [this] { m_onFirstFrame(); });
    }
    return QObject::eventFilter(watched, event);
}
