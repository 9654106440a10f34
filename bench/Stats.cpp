#include "Stats.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Stats {

double median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 == 1)
        return *middle;
    const double upper = *middle;
    const double lower = *std::max_element(samples.begin(), middle);
    return (lower + upper) / 2;
}

double maximum(const std::vector<double>& samples) {
    return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

TickTiming analyseTicks(const std::vector<double>& tickTimes, double start, double interval) {
    TickTiming timing;
    timing.ticks = static_cast<int>(tickTimes.size());
    if (tickTimes.empty())
        return timing;

    // Least squares of error against tick number: the slope is what each tick adds to the drift.
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
    timing.meanError = sumE / n;
    const double spread = n * sumKK - sumK * sumK;
    if (spread > 0)
        timing.slopePerTick = (n * sumKE - sumK * sumE) / spread;
    timing.growth = timing.slopePerTick * (n - 1);
    return timing;
}

} // namespace Stats
