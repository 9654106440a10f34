#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

// One measuring child: a program started with its own arguments and a few extra environment
// variables, its standard output collected as reports, its resource use read when it ends.
// Several children may run side by side: start them all, then finish each.
class ChildProcess {
public:
    struct Result {
        bool started = false;
        bool exitedCleanly = false; // exit status 0, or ended by the runner's stop request
        std::map<std::string, std::string> values;
        std::int64_t peakResidentKb = 0; // the child's peak resident memory
        double cpuMs = 0;
        double wallMs = 0;
    };

    // The child's standard error goes to `logPath`. The variable BENCH_SPAWN_NS carries the
    // steady clock's reading taken just before the child starts, in nanoseconds.
    ChildProcess(std::vector<std::string> arguments, std::vector<std::string> extraEnvironment,
                 std::string logPath);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void start();
    // Waits for the child to end. After `stopAfter` it is asked to end (SIGTERM), which counts as
    // a clean end; after `giveUpAfter` it is killed and the result is not clean.
    Result finish(std::chrono::milliseconds stopAfter, std::chrono::milliseconds giveUpAfter);

    // Starts the child and waits for it: the usual way for a child that ends by itself.
    static Result run(std::vector<std::string> arguments, std::vector<std::string> extraEnvironment,
                      std::string logPath,
                      std::chrono::milliseconds giveUpAfter = std::chrono::seconds(60));

private:
    std::vector<std::string> m_arguments;
    std::vector<std::string> m_environment;
    std::string m_logPath;
    pid_t m_pid = -1;
    int m_output = -1;
    std::chrono::steady_clock::time_point m_startedAt;
    bool m_stopRequested = false;
};
