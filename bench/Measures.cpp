#include "Measures.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <sys/resource.h>

namespace {

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

// Counts the timer events of everyone but the meter's own end, and says who received them.
class TimerEventCounter : public QObject {
public:
    explicit TimerEventCounter(const QObject& ignored) : m_ignored(ignored) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~TimerEventCounter() override {
        QCoreApplication::instance()->removeEventFilter(this);
        for (const char* receiver : m_receivers)
            std::fprintf(stderr, "timer events went to a %s\n", receiver);
    }

    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched != &m_ignored) {
            ++count;
            const char* name = watched->metaObject()->className();
            if (std::find(m_receivers.begin(), m_receivers.end(), name) == m_receivers.end())
                m_receivers.push_back(name);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QObject& m_ignored;
    std::vector<const char*> m_receivers;
};

// One turn of the pointer's circle every two seconds, a step every 16 ms.
constexpr int StepMs = 16;
constexpr double RadiansPerStep = 2 * std::numbers::pi * StepMs / 2000.0;

} // namespace

double steadyNowMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count();
}

double millisecondsSinceSpawn() {
    const char* spawned = std::getenv("BENCH_SPAWN_NS");
    return spawned == nullptr ? -1 : steadyNowMs() - std::strtod(spawned, nullptr) / 1e6;
}

void report(const char* key, double value) {
    std::printf("%s %.6f\n", key, value);
    std::fflush(stdout);
}

Load measureLoad(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    TimerEventCounter counter(end);

    rusage before{}, mainBefore{}, after{}, mainAfter{};
    const double started = steadyNowMs();
    getrusage(RUSAGE_SELF, &before);
    getrusage(RUSAGE_THREAD, &mainBefore);
    end.start(duration);
    loop.exec();
    getrusage(RUSAGE_SELF, &after);
    getrusage(RUSAGE_THREAD, &mainAfter);

    Load load;
    load.seconds = (steadyNowMs() - started) / 1000.0;
    load.cpuMs = milliseconds(after.ru_utime) + milliseconds(after.ru_stime) -
                 milliseconds(before.ru_utime) - milliseconds(before.ru_stime);
    load.mainWakeups = static_cast<double>(mainAfter.ru_nvcsw - mainBefore.ru_nvcsw);
    load.timerEvents = counter.count;
    return load;
}

PointerCircle::PointerCircle(QPoint centre, int radius, std::function<void()> afterMove) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(StepMs);
    connect(&m_timer, &QTimer::timeout, this, [=, this] {
        const double angle = RadiansPerStep * m_moves;
        QCursor::setPos(centre + QPoint(static_cast<int>(std::lround(radius * std::cos(angle))),
                                        static_cast<int>(std::lround(radius * std::sin(angle)))));
        ++m_moves;
        if (afterMove)
            afterMove();
    });
    m_timer.start();
}

FirstFrameWatch::FirstFrameWatch(Chooser chooser, std::function<void()> onFirstFrame)
    : m_chooser(std::move(chooser)), m_onFirstFrame(std::move(onFirstFrame)) {
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

TimerEventClock::TimerEventClock() {
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

double median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 == 1)
        return *middle;
    return (*std::max_element(samples.begin(), middle) + *middle) / 2;
}

double maximum(const std::vector<double>& samples) {
    return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

TickTiming analyseTicks(const std::vector<double>& tickTimes, double start, double interval) {
    TickTiming timing;
    timing.ticks = static_cast<int>(tickTimes.size());
    double sumK = 0, sumE = 0, sumKK = 0, sumKE = 0;
    for (std::size_t i = 0; i < tickTimes.size(); ++i) {
        const double k = static_cast<double>(i + 1);
        const double error = tickTimes[i] - (start + k * interval);
        timing.maxAbsError = std::max(timing.maxAbsError, std::abs(error));
        sumK += k;
        sumE += error;
        sumKK += k * k;
        sumKE += k * error;
    }
    const double n = static_cast<double>(tickTimes.size());
    const double spread = n * sumKK - sumK * sumK;
    if (spread > 0)
        timing.slopePerTick = (n * sumKE - sumK * sumE) / spread;
    timing.growth = timing.slopePerTick * std::max(0.0, n - 1);
    return timing;
}
