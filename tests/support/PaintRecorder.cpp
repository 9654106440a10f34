#include "PaintRecorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QWidget>

PaintRecorder::PaintRecorder(QWidget& widget) : m_widget(widget) {
    m_widget.installEventFilter(this);
}

PaintRecorder::~PaintRecorder() {
    m_widget.removeEventFilter(this);
}

void PaintRecorder::clear() {
    m_painted = {};
    m_paints = 0;
    m_paintingUs = 0;
}

bool PaintRecorder::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_widget || event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    // The widget paints now, inside the filter, so its cost can be timed on its own.
    m_painted += static_cast<QPaintEvent*>(event)->region();
    ++m_paints;
    QElapsedTimer timer;
    timer.start();
    m_widget.removeEventFilter(this);
    QCoreApplication::sendEvent(&m_widget, event);
    m_widget.installEventFilter(this);
    m_paintingUs += static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    return true;
}
