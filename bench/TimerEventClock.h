#pragma once

#include <QObject>

// When the latest timer event was delivered, read by a tick's own slot: the moment the tick
// arrived, before the game's handler ran. Watches every object of the application.
class TimerEventClock : public QObject {
public:
    explicit TimerEventClock(QObject* parent = nullptr);
    ~TimerEventClock() override;

    double lastMs() const { return m_lastMs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double m_lastMs = 0;
};
