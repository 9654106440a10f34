// The play clock: the ticks of the real timer against their ideal times.

#include "BenchWindow.h"
#include "Game.h"
#include "GameTimer.h"
#include "Report.h"
#include "Rules.h"
#include "Scenarios.h"
#include "SpawnClock.h"
#include "Stats.h"
#include "TimerEventClock.h"

#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <vector>

int runPlayClock(int intervalMs, int ticks) {
    BenchWindow bench;
    if (!bench.isValid())
        return 1;
    bench.finishTitle();

    TimerEventClock clock;
    std::vector<double> tickTimes;
    QEventLoop loop;
    QObject::connect(&bench.window().timer(), &GameTimer::ticked, &loop, [&] {
        tickTimes.push_back(clock.lastMs());
        if (static_cast<int>(tickTimes.size()) >= ticks)
            loop.quit();
    });
    // A level that ends early, or a timer that stops, must not keep the bench waiting.
    QTimer::singleShot(intervalMs * (ticks + 20), &loop, &QEventLoop::quit);

    bench.pressKey();
    double start = steadyNowMs();
    if (!bench.game().state().Playing)
        return 1;
    if (intervalMs != Rules::PlayInterval) {
        bench.window().timer().setInterval(intervalMs);
        start = steadyNowMs();
    }
    loop.exec();

    // Every tick's error goes to the log, for a reader who wants to see the outliers.
    for (std::size_t k = 0; k < tickTimes.size(); ++k)
        std::fprintf(stderr, "tick %zu: %+.3f ms\n", k + 1,
                     tickTimes[k] - start - static_cast<double>(k + 1) * intervalMs);
    const Stats::TickTiming timing = Stats::analyseTicks(tickTimes, start, intervalMs);
    Report::put("interval", intervalMs);
    Report::put("ticks", timing.ticks);
    Report::put("maxAbsErrorMs", timing.maxAbsError);
    Report::put("meanErrorMs", timing.meanError);
    Report::put("slopeMsPerTick", timing.slopePerTick);
    Report::put("growthMs", timing.growth);
    return timing.ticks == ticks ? 0 : 1;
}
