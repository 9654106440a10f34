#include "Runner.h"

#include "Figures.h"
#include "PlayerFolder.h"
#include "Table.h"

#include <QDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

std::string platformName() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    if (platform != nullptr && *platform != '\0')
        return platform;
    return display != nullptr ? std::string("xcb on ") + display : "Qt's default";
}

double loadPerProcessor() {
    double load = 0;
    if (getloadavg(&load, 1) < 1)
        return 0;
    return load / static_cast<double>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
}

std::string loadAverage() {
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) < 1)
        return "unknown";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

const char* const HowMeasured = R"(How the figures are measured
 1 The program's own main() and window, built with a probe that only listens: the title runs
   from FormCreate (its caption change just before the timer starts) to the tick that ends it.
 2 The real window in play: each tick's arrival (its timer event) against start + k x interval;
   drift is the least-squares line through those errors. The level's timer runs at 50 ms for
   all 120 ticks of a level, then at its real 500 ms (all 120 ticks with --full).
 3 Fresh processes left alone in the Ready phase and paused: getrusage CPU time of every
   thread, the main thread's voluntary context switches, and every timer event delivered.
 4 A level with the strange hammer while the pointer circles the field at 60 Hz through the
   window system (QCursor::setPos), the same pointer the game reads; the driving is counted.
 5 Every title tick stepped and repainted; the painted region is checked against the old and
   new places of the elements that changed. Full repaints are synchronous, flush included.
 6 Time from spawning the process to the field's first frame on screen, median of 7; peak
   resident memory of zunbario itself through its whole title, from wait4.
 7 A mouse press posted to the window on a monster, normal hammer, until the frame showing its
   explosion has been flushed; turns are the event loop's waits in between.
 8 A private PulseAudio daemon with a null sink: a mouse press sent to the window on a monster
   until the hit sound's first sample arrives from the sink's monitor, read a millisecond at a
   time; and 200 requests for the hit sound timed on the calling thread.
)";

} // namespace

int runBench(const RunOptions& options) {
    const std::string loadBefore = loadAverage();
    const QString benchFolder = QStringLiteral(ZUNBARIO_BENCH_FOLDER);
    PlayerFolder folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench: no data files in %s/data\n", ZUNBARIO_BUILD_FOLDER);
        return 1;
    }
    BenchSetup setup;
    setup.bench = (benchFolder + QStringLiteral("/zunbario_bench")).toStdString();
    setup.baseline = (benchFolder + QStringLiteral("/zunbario_baseline")).toStdString();
    setup.probe = folder.addProgram(benchFolder + QStringLiteral("/zunbario_probe")).toStdString();
    setup.game = folder.addProgram(QStringLiteral(ZUNBARIO_PROGRAM)).toStdString();
    setup.logFolder = (benchFolder + QStringLiteral("/logs")).toStdString();
    setup.fullLevel = options.fullLevel;
    setup.loadPerProcessor = loadPerProcessor();
    QDir().mkpath(QString::fromStdString(setup.logFolder));
    if (setup.probe.empty() || setup.game.empty()) {
        std::fprintf(stderr, "bench: the programs could not be copied to the player's folder\n");
        return 1;
    }

    const std::vector<std::pair<const char*, std::function<Row(const BenchSetup&)>>> figures{
        {"title", measureTitleClock}, {"play-clock", measurePlayClock},
        {"idle", measureIdle},        {"play", measurePlayLoad},
        {"paint", measurePaint},      {"start-up", measureStartup},
        {"input", measureInput},      {"sound", measureSound},
    };
    std::vector<Row> rows;
    const std::string chosen = "," + options.only + ",";
    for (const auto& [name, measure] : figures) {
        if (!options.only.empty() &&
            chosen.find("," + std::string(name) + ",") == std::string::npos)
            continue;
        std::fprintf(stderr, "bench: measuring %s...\n", name);
        rows.push_back(measure(setup));
    }

    std::printf("ズンバリオ benchmarks: Qt platform %s, %ld processors, load %s before the "
                "run\n",
                platformName().c_str(), sysconf(_SC_NPROCESSORS_ONLN), loadBefore.c_str());
    std::printf("%s\n%s", renderTable(rows).c_str(), HowMeasured);
    std::printf("Logs of every child: %s\n", setup.logFolder.c_str());
    return 0;
}
