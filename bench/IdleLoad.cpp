// Figure 3, the game standing still: the real window left alone in the Ready phase, then with a
// paused level, 10 s each, against a fresh empty window of the same size (Baseline.cpp). CPU is
// getrusage's time of every thread, wake-ups the main thread's voluntary context switches, and
// every timer event delivered is counted.

#include "Figure.h"
#include "Game.h"
#include "GameTimer.h"
#include "Measures.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int IdleMs = 10000;
constexpr double CpuRatio = 1.2;
// getrusage counts in whole scheduler ticks on some kernels: two of them are noise, not load.
constexpr double CpuResolutionMs = 8.0;
using Idle = BenchWindow;

std::string line(const char* name, const Load& load) {
    return std::string(name) + ": CPU " + fixed(load.cpuMs, 1) + " ms, " +
           std::to_string(load.timerEvents) + " timer events, " + fixed(load.mainWakeups, 0) +
           " wake-ups";
}

} // namespace

TEST_F(Idle, ReadyAndPausedAgainstAnEmptyWindow) {
    const Reports empty = runChild(QStringLiteral(ZUNBARIO_BASELINE),
                                   {QStringLiteral("idle"), QString::number(IdleMs)});
    ASSERT_TRUE(empty.has({"cpuMs", "mainWakeups"}));

    runTitle();
    settle(800);
    const bool readyTimerOff = !window().timer().isEnabled();
    const Load ready = measureLoad(std::chrono::milliseconds(IdleMs));

    pressSpace();
    pressSpace();
    ASSERT_TRUE(game().state().ResumePending);
    settle(500);
    const bool pausedTimerOff = !window().timer().isEnabled();
    const Load paused = measureLoad(std::chrono::milliseconds(IdleMs));

    const double allowedCpu = std::max(empty["cpuMs"] * CpuRatio, empty["cpuMs"] + CpuResolutionMs);
    const auto quiet = [&](bool timerOff, const Load& load) {
        return timerOff && load.timerEvents == 0 && load.cpuMs <= allowedCpu;
    };
    printRow({"3 Idle, timer off\n(10 s each)",
              "no timer wake-ups\nfrom the game; CPU\nwithin 1.2 x empty window",
              line("Ready", ready) + "\n" + line("Paused", paused) +
                  "\n(wake-ups: the main thread's sleeps,\n  the meter's own end included)",
              "empty window: CPU " + fixed(empty["cpuMs"], 1) + " ms,\n  " +
                  fixed(empty["mainWakeups"], 0) + " wake-ups\nallowed: " + fixed(allowedCpu, 1) +
                  " ms",
              quiet(readyTimerOff, ready) && quiet(pausedTimerOff, paused)});
}
