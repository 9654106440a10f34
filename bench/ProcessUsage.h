#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What the running process has used so far: processor time and how often it went to sleep and
// was woken again. Two readings taken around a quiet stretch give its cost.
struct ProcessUsage {
    double cpuMs = 0;              // user and system time of every thread
    std::int64_t mainWakeups = 0;  // voluntary context switches of the calling (main) thread
    std::int64_t totalWakeups = 0; // the same, summed over every thread of the process

    static ProcessUsage now();
    ProcessUsage operator-(const ProcessUsage& earlier) const;
};

// The process's peak resident memory (VmHWM) in kilobytes.
std::optional<std::int64_t> peakResidentKb();

// A "Name:   1234 kB" field of a /proc status file, as a number.
std::optional<std::int64_t> statusField(std::string_view statusText, std::string_view name);
