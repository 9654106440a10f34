// The game's clocks: the title's 10 ms ticks and the level's 500 ms ticks.

#include "ChildProcess.h"
#include "Figures.h"
#include "RowFormat.h"
#include "Rules.h"
#include "Stats.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int TitleRuns = 3;
constexpr int TitleTicks = 269;
constexpr double IdealTitleMs = TitleTicks * Rules::TitleInterval;
constexpr double TitleTolerance = 0.01;

constexpr int ScaledInterval = 50;
constexpr int ShortRealTicks = 24;
constexpr double TickToleranceMs = 2.0;
// The fitted drift from the first tick to the last; below this it is the timer's own jitter.
constexpr double DriftToleranceMs = 1.0;
// Above this the machine is not idle: other processes wait for a processor as often as not.
constexpr double BusyLoadPerProcessor = 0.5;

struct ClockRun {
    bool ok = false;
    int interval = 0;
    int ticks = 0;
    double worstMs = 0;
    double driftMs = 0; // the fitted drift from the first tick to the last
};

ClockRun runPlayClock(const BenchSetup& setup, int interval, int ticks) {
    const auto result = ChildProcess::run(
        {setup.bench, "play-clock", std::to_string(interval), std::to_string(ticks)}, {},
        setup.log("play-clock-" + std::to_string(interval)),
        std::chrono::milliseconds(interval * (ticks + 30) + 20000));
    ClockRun run;
    run.ok = reported(result, {"ticks", "maxAbsErrorMs", "growthMs"});
    run.interval = interval;
    run.ticks = static_cast<int>(valueOf(result, "ticks"));
    run.worstMs = valueOf(result, "maxAbsErrorMs");
    run.driftMs = valueOf(result, "growthMs");
    return run;
}

std::string describe(const ClockRun& run) {
    return std::to_string(run.ticks) + " ticks at " + std::to_string(run.interval) +
           " ms: worst tick " + fixed(run.worstMs, 2) + " ms off,\n  drift " +
           fixed(run.driftMs, 3) + " ms from first tick to last";
}

bool keptTime(const ClockRun& run) {
    return run.ok && run.worstMs <= TickToleranceMs && std::abs(run.driftMs) <= DriftToleranceMs;
}

} // namespace

Row measureTitleClock(const BenchSetup& setup) {
    const std::string figure = "1 Title clock\n(real program)";
    const std::string goal = "FormCreate to end of title\nwithin 1 % of 2690 ms";
    std::vector<double> titles;
    std::string perRun;
    double worstTick = 0;
    bool allTicks = true;
    for (int i = 0; i < TitleRuns; ++i) {
        const auto result = ChildProcess::run({setup.probe}, {"ZUNBARIO_PROBE=title"},
                                              setup.log("title-" + std::to_string(i + 1)),
                                              std::chrono::seconds(30));
        if (!reported(result, {"titleMs", "titleTicks", "titleWorstTickErrorMs"}))
            return unmeasured(figure, goal, "the title did not end (title-*.log)");
        titles.push_back(valueOf(result, "titleMs"));
        perRun += (i == 0 ? "" : ", ") + fixed(titles.back(), 1);
        worstTick = std::max(worstTick, valueOf(result, "titleWorstTickErrorMs"));
        allTicks = allTicks && valueOf(result, "titleTicks") == TitleTicks;
    }

    double worstOff = 0;
    for (const double title : titles)
        worstOff = std::max(worstOff, std::abs(title - IdealTitleMs) / IdealTitleMs);
    const std::string measured = fixed(Stats::median(titles), 1) + " ms (median of " +
                                 std::to_string(TitleRuns) + ": " + perRun + ")\n" + "worst run " +
                                 fixed(worstOff * 100, 2) + " % off; " +
                                 (allTicks ? "269 ticks" : "tick count WRONG") +
                                 ",\n  worst tick " + fixed(worstTick, 2) + " ms off its time";
    return {figure, goal, measured, "ideal: 269 x 10 ms = 2690 ms",
            verdictText(judge(allTicks && worstOff <= TitleTolerance))};
}

Row measurePlayClock(const BenchSetup& setup) {
    const std::string figure = "2 Play clock";
    const std::string goal = "every tick within 2 ms\nof its ideal time;\nno drift that grows";
    const int realTicks = setup.fullLevel ? Rules::TicksPerLevel : ShortRealTicks;
    const ClockRun scaled = runPlayClock(setup, ScaledInterval, Rules::TicksPerLevel);
    const ClockRun real = runPlayClock(setup, Rules::PlayInterval, realTicks);
    if (!scaled.ok || !real.ok)
        return unmeasured(figure, goal, "a level did not run (play-clock-*.log)");
    std::string measured = describe(scaled) + "\n" + describe(real);
    if (setup.loadPerProcessor > BusyLoadPerProcessor)
        measured += "\n(the machine was busy: load " + fixed(setup.loadPerProcessor, 1) +
                    " per processor;\n  the 2 ms goal is for an idle machine)";
    return {figure, goal, measured, "ideal: start + k x interval",
            verdictText(judge(keptTime(scaled) && keptTime(real)))};
}
