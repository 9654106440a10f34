#include "ChildProcess.h"

#include "Report.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace {

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

} // namespace

ChildProcess::ChildProcess(std::vector<std::string> arguments,
                           std::vector<std::string> extraEnvironment, std::string logPath)
    : m_arguments(std::move(arguments)), m_environment(std::move(extraEnvironment)),
      m_logPath(std::move(logPath)) {}

ChildProcess::~ChildProcess() {
    // A child left running by an early return is not left behind.
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_output >= 0)
        close(m_output);
}

void ChildProcess::start() {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_logPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable)
        environment.emplace_back(*variable);
    environment.insert(environment.end(), m_environment.begin(), m_environment.end());
    m_startedAt = std::chrono::steady_clock::now();
    const auto spawnNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(m_startedAt.time_since_epoch());
    environment.push_back("BENCH_SPAWN_NS=" + std::to_string(spawnNs.count()));

    std::vector<char*> argv = pointers(m_arguments);
    std::vector<char*> envp = pointers(environment);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (error != 0) {
        close(pipeEnds[0]);
        return;
    }
    m_pid = pid;
    m_output = pipeEnds[0];
}

ChildProcess::Result ChildProcess::finish(std::chrono::milliseconds stopAfter,
                                          std::chrono::milliseconds giveUpAfter) {
    Result result;
    if (m_pid <= 0)
        return result;
    result.started = true;

    std::string output;
    bool killed = false;
    while (m_output >= 0) {
        const auto elapsed = std::chrono::steady_clock::now() - m_startedAt;
        if (!m_stopRequested && elapsed >= stopAfter) {
            kill(m_pid, SIGTERM);
            m_stopRequested = true;
        }
        if (elapsed >= giveUpAfter) {
            kill(m_pid, SIGKILL);
            killed = true;
            break;
        }
        pollfd watch{m_output, POLLIN, 0};
        if (poll(&watch, 1, 50) <= 0)
            continue;
        char buffer[4096];
        const ssize_t count = read(m_output, buffer, sizeof buffer);
        if (count > 0)
            output.append(buffer, static_cast<std::size_t>(count));
        else if (count == 0 || errno != EINTR)
            break;
    }

    int status = 0;
    rusage usage{};
    while (wait4(m_pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    result.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_startedAt)
            .count();
    result.values = Report::parse(output);
    result.peakResidentKb = usage.ru_maxrss;
    result.cpuMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    const bool exitedWell = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const bool stoppedByUs = m_stopRequested && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM;
    result.exitedCleanly = !killed && (exitedWell || stoppedByUs);
    return result;
}

ChildProcess::Result ChildProcess::run(std::vector<std::string> arguments,
                                       std::vector<std::string> extraEnvironment,
                                       std::string logPath, std::chrono::milliseconds giveUpAfter) {
    ChildProcess child(std::move(arguments), std::move(extraEnvironment), std::move(logPath));
    child.start();
    return child.finish(giveUpAfter, giveUpAfter + std::chrono::seconds(5));
}
