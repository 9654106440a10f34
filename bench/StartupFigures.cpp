// Start-up and memory of the real program against a window with a Japanese label.

#include "ChildProcess.h"
#include "Figures.h"
#include "RowFormat.h"
#include "Stats.h"

#include <chrono>
#include <vector>

namespace {

constexpr int Runs = 7;
constexpr double Ratio = 1.3;
// Long enough for the whole title and the records read at its end.
constexpr std::chrono::milliseconds WholeTitle{4500};

struct Starts {
    std::vector<double> applicationMs; // the application object made
    std::vector<double> firstFrameMs;
    std::vector<double> peakKb;
    bool ok = true;
};

void startOnce(Starts& starts, ChildProcess::Result result) {
    if (!reported(result, {"firstFrameMs"}) || valueOf(result, "firstFrameMs") < 0) {
        starts.ok = false;
        return;
    }
    starts.applicationMs.push_back(valueOf(result, "applicationMs"));
    starts.firstFrameMs.push_back(valueOf(result, "firstFrameMs"));
    starts.peakKb.push_back(static_cast<double>(result.peakResidentKb));
}

} // namespace

Row measureStartup(const BenchSetup& setup) {
    const std::string figure = "6 Start-up and\npeak memory";
    const std::string goal = "process start to first\npainted frame, and peak\nresident memory: "
                             "each\nwithin 1.3 x baseline";

    // The two programs take turns, so a busy moment of the machine falls on both alike.
    Starts game, label;
    for (int i = 0; i < Runs; ++i) {
        startOnce(game, ChildProcess::run({setup.probe}, {"ZUNBARIO_PROBE=startup"},
                                          setup.log("startup-game")));
        startOnce(label, ChildProcess::run({setup.baseline, "label"}, {},
                                           setup.log("startup-label-window")));
    }
    // The program itself, unchanged, through its title into the Ready phase; then it is asked
    // to end, as closing would not ask there either.
    ChildProcess program({setup.game}, {}, setup.log("zunbario"));
    program.start();
    const auto whole = program.finish(WholeTitle, WholeTitle + std::chrono::seconds(10));
    if (!game.ok || !label.ok || !whole.exitedCleanly)
        return unmeasured(figure, goal, "a program did not start (startup-*.log, zunbario.log)");

    const double gameStart = Stats::median(game.firstFrameMs);
    const double labelStart = Stats::median(label.firstFrameMs);
    const double gamePeak = static_cast<double>(whole.peakResidentKb);
    const double labelPeak = Stats::median(label.peakKb);
    const double startRatio = gameStart / labelStart;
    const double memoryRatio = gamePeak / labelPeak;
    const std::string measured =
        "first frame " + fixed(gameStart, 1) + " ms (median of " + std::to_string(Runs) + "), " +
        fixed(startRatio, 2) + " x\n  (application made at " +
        fixed(Stats::median(game.applicationMs), 1) + " ms)\npeak " + megabytes(gamePeak) +
        " (zunbario through its title), " + fixed(memoryRatio, 2) + " x\n  " +
        megabytes(Stats::median(game.peakKb)) + " at its first frame";
    const std::string baseline =
        "label window: first frame\n  " + fixed(labelStart, 1) + " ms (application made at " +
        fixed(Stats::median(label.applicationMs), 1) + " ms),\n  peak " + megabytes(labelPeak);
    return {figure, goal, measured, baseline,
            verdictText(judge(startRatio <= Ratio && memoryRatio <= Ratio))};
}
