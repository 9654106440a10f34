#pragma once

#include <cerrno>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A program started by a test in a process of its own. `args[0]` is looked up in PATH when it
// holds no slash; `input` and `output` become its standard input and output unless -1, the
// descriptors in `closed` are closed in it, and `preload` is loaded into it before the C library
// unless empty. Returns its process id, or -1 when no process could be made.
inline pid_t startProcess(std::vector<std::string> args, int input = -1, int output = -1,
                          std::initializer_list<int> closed = {}, const std::string& preload = {}) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (input >= 0)
            ::dup2(input, STDIN_FILENO);
        if (output >= 0)
            ::dup2(output, STDOUT_FILENO);
        for (const int fd : closed)
            ::close(fd);
        if (!preload.empty())
            ::setenv("LD_PRELOAD", preload.c_str(), 1);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

// Waits for the process to end, through interrupting signals; its wait status, or -1.
inline int waitForProcess(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return status;
}
