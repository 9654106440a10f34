#include "Figure.h"

#include "FieldWidget.h"
#include "Game.h"
#include "Measures.h"
#include "PortableCopy.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A child that takes longer than this has hung.
constexpr double GiveUpMs = 60000;

std::string escaped(const std::string& cell) {
    std::string text;
    for (const char c : cell)
        text += c == '\n' ? std::string("\\n") : std::string(1, c);
    return text;
}

} // namespace

void printRow(const Row& row, std::source_location where) {
    std::string file = where.file_name();
    file = file.substr(file.rfind("bench/") == std::string::npos ? 0 : file.rfind("bench/"));
    const std::string line = "bench-row\t" + escaped(row.figure + "\n" + file) + "\t" +
                             escaped(row.goal) + "\t" + escaped(row.measured) + "\t" +
                             escaped(row.baseline) + "\t" + (row.met ? "met" : "MISSED") + "\n";
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
    if (const char* rows = std::getenv("BENCH_ROWS"))
        std::ofstream(rows, std::ios::app) << line;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string megabytes(double kilobytes) {
    return fixed(kilobytes / 1024.0, 1) + " MB";
}

double loadPerProcessor() {
    double load = 0;
    if (getloadavg(&load, 1) < 1)
        return 0;
    return load / static_cast<double>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
}

bool Reports::has(std::initializer_list<const char*> keys) const {
    return ok && std::all_of(keys.begin(), keys.end(),
                             [this](const char* key) { return values.count(key) == 1; });
}

double Reports::operator[](const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? std::nan("") : found->second;
}

Reports runChild(const QString& program, const QStringList& arguments,
                 const QStringList& environment, int endAfterMs) {
    std::vector<std::string> strings{program.toStdString()};
    for (const QString& argument : arguments)
        strings.push_back(argument.toStdString());
    const std::size_t argumentCount = strings.size();
    for (char** variable = environ; *variable != nullptr; ++variable)
        strings.emplace_back(*variable);
    for (const QString& variable : environment)
        strings.push_back(variable.toStdString());
    std::vector<char*> argv, envp;
    for (std::size_t i = 0; i < strings.size(); ++i)
        (i < argumentCount ? argv : envp).push_back(strings[i].data());
    argv.push_back(nullptr);

    // The child's reports come through a pipe; its errors go to ours.
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    const double startedMs = steadyNowMs();
    std::string spawnedAt = "BENCH_SPAWN_NS=" + fixed(startedMs * 1e6, 0);
    envp.push_back(spawnedAt.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);

    std::string text;
    bool stopped = false, killed = false;
    while (error == 0) {
        const double elapsed = steadyNowMs() - startedMs;
        if (endAfterMs >= 0 && !stopped && elapsed >= endAfterMs) {
            kill(pid, SIGTERM);
            stopped = true;
        }
        if (elapsed >= GiveUpMs) {
            kill(pid, SIGKILL);
            killed = true;
            break;
        }
        pollfd watch{output[0], POLLIN, 0};
        if (poll(&watch, 1, 50) <= 0)
            continue;
        char buffer[4096];
        const ssize_t count = read(output[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(count));
    }
    close(output[0]);
    Reports reports;
    int status = 0;
    rusage usage{};
    if (error != 0 || wait4(pid, &status, 0, &usage) != pid)
        return reports;
    reports.ok = !killed && ((WIFEXITED(status) && WEXITSTATUS(status) == 0) ||
                             (stopped && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM));
    reports.peakKb = static_cast<double>(usage.ru_maxrss);
    std::istringstream lines(text);
    std::string key;
    double value = 0;
    while (lines >> key >> value)
        reports.values[key] = value;
    return reports;
}

void BenchWindow::prepareFolder() {
    ASSERT_TRUE(copyPortableGame(m_folder.path(), {}));
}

void ScaledBenchWindow::prepareFolder() {
    BenchWindow::prepareFolder();
    if (GetParam() == 1)
        return;
    QFile settings(m_folder.path() + QStringLiteral("/data/zunbario.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nsize=" + QByteArray::number(GetParam()) + "\n");
}

void ScaledBenchWindow::SetUp() {
    BenchWindow::SetUp();
    // A screen too small for the size would show the field at its own size instead.
    ASSERT_EQ(window().field().view().scale(), GetParam());
}

std::string ScaledBenchWindow::figureAtScale(const std::string& number,
                                             const std::string& name) const {
    if (GetParam() == 1)
        return number + " " + name;
    return number + "b " + name + "\nat double size";
}

void BenchWindow::SetUp() {
    WindowHarness::SetUp();
    settle(300);
}

void BenchWindow::settle(int ms) {
    QTest::qWait(ms);
}

std::optional<int> BenchWindow::moveMonsters(int pausedMs) {
    pressSpace();
    if (pausedMs > 0)
        settle(pausedMs);
    pressSpace();
    settle(30);
    const Scene& scene = game().scene();
    for (int i = 0; i < 3; ++i) {
        const Rect r = scene.rect(Monsters[i]);
        const Element* top = scene.elementAt({r.left + r.width / 2, r.top + r.height / 2});
        if (top != nullptr && top->id == Monsters[i])
            return i;
    }
    return std::nullopt;
}

QPoint BenchWindow::monsterCentre(int monster) {
    const Rect r = game().scene().rect(Monsters[monster]);
    return window().field().mapTo(&window(), QPoint(r.left + r.width / 2, r.top + r.height / 2));
}

void BenchWindow::startNormalHammerLevel() {
    runTitle();
    settle(300);
    chooseMode(HammerMode::NormalOnly);
    settle(300);
    useRealTimer();
    pressSpace();
}
