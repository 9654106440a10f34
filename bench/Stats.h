#pragma once

#include <vector>

// Small statistics over measured samples, in whatever unit the caller uses.
namespace Stats {

double median(std::vector<double> samples);
double maximum(const std::vector<double>& samples);

// How a periodic clock kept time: each tick's error against the ideal grid start + k × interval
// (k from 1), and the straight line through those errors.
struct TickTiming {
    int ticks = 0;
    double maxAbsError = 0; // the worst tick, early or late
    double meanError = 0;
    double slopePerTick = 0; // a non-zero slope is drift that grows with every tick
    double growth = 0;       // the slope over the whole run: first tick to last
};

// `tickTimes` are the moments the ticks arrived; `start` is the moment the clock was started.
TickTiming analyseTicks(const std::vector<double>& tickTimes, double start, double interval);

} // namespace Stats
