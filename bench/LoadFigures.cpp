// What the game costs the machine: standing still, and during play.

#include "ChildProcess.h"
#include "Figures.h"
#include "RowFormat.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int IdleMs = 10000;
constexpr int PlayMs = 20000;
constexpr double IdleCpuRatio = 1.2;
// getrusage counts in whole scheduler ticks on some kernels: two of them are noise, not load.
constexpr double CpuResolutionMs = 8.0;
constexpr double PlayCpuPercent = 2.0;
constexpr std::chrono::seconds GiveUp{60};

std::string idleLine(const char* name, const ChildProcess::Result& result) {
    return std::string(name) + ": CPU " + fixed(valueOf(result, "cpuMs"), 1) + " ms, " +
           fixed(valueOf(result, "timerEvents"), 0) + " timer events, " +
           fixed(valueOf(result, "mainWakeups"), 0) + " wake-ups";
}

} // namespace

Row measureIdle(const BenchSetup& setup) {
    const std::string figure = "3 Idle, timer off\n(10 s each)";
    const std::string goal = "no timer wake-ups\nfrom the game; CPU\nwithin 1.2 x empty window";
    const std::string ms = std::to_string(IdleMs);
    // Three quiet processes side by side do not disturb one another on two cores.
    ChildProcess ready({setup.bench, "idle", "ready", ms}, {}, setup.log("idle-ready"));
    ChildProcess paused({setup.bench, "idle", "paused", ms}, {}, setup.log("idle-paused"));
    ChildProcess empty({setup.baseline, "idle", ms}, {}, setup.log("idle-empty-window"));
    ready.start();
    paused.start();
    empty.start();
    const auto readyResult = ready.finish(GiveUp, GiveUp);
    const auto pausedResult = paused.finish(GiveUp, GiveUp);
    const auto emptyResult = empty.finish(GiveUp, GiveUp);

    const auto keys = {"cpuMs", "timerEvents", "mainWakeups", "timerRunning"};
    if (!reported(readyResult, keys) || !reported(pausedResult, keys) ||
        !reported(emptyResult, {"cpuMs", "mainWakeups"}))
        return unmeasured(figure, goal, "a child failed (idle-*.log)");

    const double baseCpu = valueOf(emptyResult, "cpuMs");
    const double allowedCpu = std::max(baseCpu * IdleCpuRatio, baseCpu + CpuResolutionMs);
    const auto quiet = [&](const ChildProcess::Result& r) {
        return valueOf(r, "timerRunning") == 0 && valueOf(r, "timerEvents") == 0 &&
               valueOf(r, "cpuMs") <= allowedCpu;
    };
    const std::string measured =
        idleLine("Ready", readyResult) + "\n" + idleLine("Paused", pausedResult) + "\n" +
        "(wake-ups: the main thread's sleeps,\n  the meter's own end included)";
    const std::string baseline = "empty window: CPU " + fixed(baseCpu, 1) + " ms,\n  " +
                                 fixed(valueOf(emptyResult, "mainWakeups"), 0) +
                                 " wake-ups\nallowed: " + fixed(allowedCpu, 1) + " ms";
    return {figure, goal, measured, baseline,
            verdictText(judge(quiet(readyResult) && quiet(pausedResult)))};
}

Row measurePlayLoad(const BenchSetup& setup) {
    const std::string figure = "4 Play, strange\nhammer, pointer\nmoving (20 s)";
    const std::string goal = "CPU under 2 % of one core";
    const std::string ms = std::to_string(PlayMs);
    ChildProcess game({setup.bench, "play-load", ms}, {}, setup.log("play-load"));
    ChildProcess empty({setup.baseline, "pointer", ms}, {}, setup.log("play-load-empty-window"));
    game.start();
    empty.start();
    const auto gameResult = game.finish(GiveUp, GiveUp);
    const auto emptyResult = empty.finish(GiveUp, GiveUp);
    if (!reported(gameResult, {"cpuPercent", "pointerMoves", "hammerMoves", "stillPlaying"}))
        return unmeasured(figure, goal, "the level did not run (play-load.log)");

    const double percent = valueOf(gameResult, "cpuPercent");
    const bool hammerFollowed = valueOf(gameResult, "hammerMoves") > 0;
    const std::string measured =
        fixed(percent, 2) + " % (" + fixed(valueOf(gameResult, "cpuMs"), 0) + " ms CPU)\n" +
        fixed(valueOf(gameResult, "pointerMoves"), 0) + " pointer moves, hammer moved " +
        fixed(valueOf(gameResult, "hammerMoves"), 0) + " times" +
        (hammerFollowed ? "" : "\n  (the pointer did not reach the game)");
    const std::string baseline = reported(emptyResult, {"cpuPercent"})
                                     ? "same pointer over an empty\nwindow: " +
                                           fixed(valueOf(emptyResult, "cpuPercent"), 2) +
                                           " % (for reference)"
                                     : "empty window: failed";
    return {figure, goal, measured, baseline,
            verdictText(judge(hammerFollowed && valueOf(gameResult, "stillPlaying") == 1 &&
                              percent < PlayCpuPercent))};
}
