#include "PointerDriver.h"

#include <QCursor>
#include <cmath>
#include <numbers>
#include <utility>

namespace {
constexpr int StepMs = 16;
// One turn of the circle every two seconds.
constexpr double RadiansPerStep = 2 * std::numbers::pi * StepMs / 2000.0;
} // namespace

PointerDriver::PointerDriver(QObject* parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(StepMs);
    connect(&m_timer, &QTimer::timeout, this, &PointerDriver::step);
}

void PointerDriver::start(QPoint centre, int radius, std::function<void()> afterMove) {
    m_centre = centre;
    m_radius = radius;
    m_afterMove = std::move(afterMove);
    m_timer.start();
}

void PointerDriver::step() {
    const double angle = RadiansPerStep * m_moves;
    const QPoint offset(static_cast<int>(std::lround(m_radius * std::cos(angle))),
                        static_cast<int>(std::lround(m_radius * std::sin(angle))));
    QCursor::setPos(m_centre + offset);
    ++m_moves;
    if (m_afterMove)
        m_afterMove();
}
