// The game standing still: the Ready phase and a paused level, each with its timer off.

#include "BenchWindow.h"
#include "Game.h"
#include "GameTimer.h"
#include "LoadMeter.h"
#include "Report.h"
#include "Scenarios.h"

int runIdle(bool paused, std::chrono::milliseconds duration) {
    BenchWindow bench;
    if (!bench.isValid())
        return 1;
    bench.finishTitle();
    if (paused) {
        bench.pressKey();
        bench.pressKey();
        if (!bench.game().state().ResumePending)
            return 1;
    }
    settle(std::chrono::milliseconds(500));

    Report::put("timerRunning", bench.window().timer().isEnabled() ? 1 : 0);
    reportLoad("", measureLoad(duration));
    return 0;
}
