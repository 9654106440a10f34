#include "LoadMeter.h"

#include "Report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace {

// Counts the timer events of everyone but the meter's own timer.
class TimerEventCounter : public QObject {
public:
    explicit TimerEventCounter(const QObject& ignored) : m_ignored(ignored) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~TimerEventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    int count = 0;
    QStringList receivers;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched != &m_ignored) {
            ++count;
            const QString name = QString::fromLatin1(watched->metaObject()->className());
            if (!receivers.contains(name))
                receivers.append(name);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QObject& m_ignored;
};

} // namespace

LoadFigures measureLoad(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    TimerEventCounter counter(end);

    const auto started = std::chrono::steady_clock::now();
    const ProcessUsage before = ProcessUsage::now();
    end.start(duration);
    loop.exec();
    const ProcessUsage after = ProcessUsage::now();

    LoadFigures figures;
    figures.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    figures.usage = after - before;
    figures.timerEvents = counter.count;
    figures.timerReceivers = counter.receivers;
    return figures;
}

void reportLoad(const std::string& prefix, const LoadFigures& figures) {
    Report::put(prefix + "seconds", figures.seconds);
    Report::put(prefix + "cpuMs", figures.usage.cpuMs);
    Report::put(prefix + "cpuPercent", figures.cpuPercent());
    Report::put(prefix + "mainWakeups", static_cast<double>(figures.usage.mainWakeups));
    Report::put(prefix + "totalWakeups", static_cast<double>(figures.usage.totalWakeups));
    Report::put(prefix + "timerEvents", figures.timerEvents);
    if (!figures.timerReceivers.isEmpty())
        Report::put(prefix + "timerReceivers",
                    figures.timerReceivers.join(QLatin1Char(',')).toStdString());
}

void settle(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}
