#pragma once

#include "ProcessUsage.h"

#include <QStringList>
#include <chrono>
#include <string>

// What the process costs while the event loop runs on its own for a while: processor time,
// wake-ups, and the timer events delivered to anything but the meter's own end.
struct LoadFigures {
    double seconds = 0;
    ProcessUsage usage;
    int timerEvents = 0;
    QStringList timerReceivers; // the classes that received them, for the reader of the log

    double cpuPercent() const { return seconds > 0 ? usage.cpuMs / (seconds * 10.0) : 0; }
};

LoadFigures measureLoad(std::chrono::milliseconds duration);

// Reports the figures with the keys cpuMs, cpuPercent, mainWakeups, totalWakeups, timerEvents
// and seconds, each after `prefix`.
void reportLoad(const std::string& prefix, const LoadFigures& figures);

// Runs the event loop for a while without measuring, so that start-up work has settled.
void settle(std::chrono::milliseconds duration);
