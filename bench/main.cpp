// The game's benchmarks. Without arguments the program is the runner: it starts a child per
// measurement, each a fresh process, and prints one table. With a scenario name it is that child.
//   zunbario_bench [--full] [--only NAME,...] every figure, or the named ones (title, play-clock,
//                                            idle, play, paint, start-up, input, sound); --full
//                                            for a whole level of 500 ms ticks
//   zunbario_bench play-clock MS TICKS
//   zunbario_bench idle ready|paused MS
//   zunbario_bench play-load MS
//   zunbario_bench paint
//   zunbario_bench input PRESSES
//   zunbario_bench sound PRESSES

#include "Runner.h"
#include "Scenarios.h"

#include <QApplication>
#include <chrono>
#include <string>
#include <vector>

namespace {

int runScenario(const QStringList& arguments) {
    const QString& name = arguments.at(1);
    const auto number = [&](int index) { return arguments.value(index).toInt(); };
    if (name == QStringLiteral("play-clock"))
        return runPlayClock(number(2), number(3));
    if (name == QStringLiteral("idle"))
        return runIdle(arguments.value(2) == QStringLiteral("paused"),
                       std::chrono::milliseconds(number(3)));
    if (name == QStringLiteral("play-load"))
        return runPlayLoad(std::chrono::milliseconds(number(2)));
    if (name == QStringLiteral("paint"))
        return runPaintCost();
    if (name == QStringLiteral("input"))
        return runInputLatency(number(2));
    if (name == QStringLiteral("sound"))
        return runSoundLatency(number(2));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty() || arguments.front().starts_with("--")) {
        RunOptions options;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            if (arguments[i] == "--full")
                options.fullLevel = true;
            else if (arguments[i] == "--only" && i + 1 < arguments.size())
                options.only = arguments[++i];
            else
                return 2;
        }
        return runBench(options);
    }

    QApplication app(argc, argv);
    return runScenario(QCoreApplication::arguments());
}
