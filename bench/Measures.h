#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

// The measuring tools shared by the figures, the yardstick programs and the probe inside the
// real program.

// The steady clock in milliseconds: one clock for every process of the machine.
double steadyNowMs();
// Milliseconds since the parent started this process, from the steady clock's reading it passed
// down in BENCH_SPAWN_NS; -1 when the process was started some other way.
double millisecondsSinceSpawn();

// One "key value" line on standard output, flushed at once, for the parent to read.
void report(const char* key, double value);

// What the process costs while the event loop runs on its own: processor time of every
// thread, the main thread's voluntary sleeps, and the timer events delivered to anything but
// the meter's own end.
struct Load {
    double seconds = 0;
    double cpuMs = 0;
    double mainWakeups = 0;
    int timerEvents = 0;

    double cpuPercent() const { return seconds > 0 ? cpuMs / (seconds * 10.0) : 0; }
};
Load measureLoad(std::chrono::milliseconds duration);

// Moves the pointer round a circle sixty times a second through the window system, as a
// player's hand would: the window receives real move events and reads the same position.
class PointerCircle : public QObject {
public:
    // `centre` is in screen coordinates; `afterMove` runs after every step.
    PointerCircle(QPoint centre, int radius, std::function<void()> afterMove = {});
    int moves() const { return m_moves; }

private:
    QTimer m_timer;
    int m_moves = 0;
};

// Calls back once the first frame of a chosen widget is on screen: after its first paint
// event, once the event loop has finished that frame and flushed it. Watches every object of
// the application, so it may be set up before the widget exists.
class FirstFrameWatch : public QObject {
public:
    using Chooser = std::function<bool(const QObject& painted)>;
    FirstFrameWatch(Chooser chooser, std::function<void()> onFirstFrame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Chooser m_chooser;
    std::function<void()> m_onFirstFrame;
    bool m_seen = false;
};

// When the latest timer event was delivered, read by a tick's own slot: the moment the tick
// arrived, before the game's handler ran.
class TimerEventClock : public QObject {
public:
    TimerEventClock();
    ~TimerEventClock() override;
    double lastMs() const { return m_lastMs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double m_lastMs = 0;
};

double median(std::vector<double> samples);
double maximum(const std::vector<double>& samples);

// How a periodic clock kept time: each tick's error against the ideal grid start + k x interval
// (k from 1), and the least-squares line through those errors.
struct TickTiming {
    int ticks = 0;
    double maxAbsError = 0;  // the worst tick, early or late
    double slopePerTick = 0; // a slope is drift that grows with every tick
    double growth = 0;       // the slope over the whole run, first tick to last
};
TickTiming analyseTicks(const std::vector<double>& tickTimes, double start, double interval);
