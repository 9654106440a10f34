#pragma once

#include <QObject>
#include <QTimer>

// Timer1: one precise timer whose interval and running state are set separately. A change of
// either restarts the period; setting the value it already has changes nothing, so a running
// tick is never pushed back by a handler that repeats itself.
class GameTimer : public QObject {
    Q_OBJECT
public:
    explicit GameTimer(QObject* parent = nullptr);

    void setInterval(int milliseconds);
    void setEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }
    bool isEnabled() const { return m_timer.isActive(); }

signals:
    void ticked();

private:
    QTimer m_timer;
};
