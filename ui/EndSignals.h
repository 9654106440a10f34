#pragma once

#include <QObject>

class QSocketNotifier;

// The signals that ask a program to end (TERM from the system or a task manager, HUP when the
// terminal or the session goes away, INT from Ctrl+C), turned into a Qt signal that arrives
// through the event loop. The game therefore never ends in the middle of a handler or of a
// record write, and can save what closing would have offered to save.
class EndSignals : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now on; only one object may do so at a time.
    explicit EndSignals(QObject* parent = nullptr);
    // Gives the signals their default action back.
    ~EndSignals() override;

signals:
    void received(int signalNumber);

private:
    void readPending();

    QSocketNotifier* m_notifier = nullptr;
};
