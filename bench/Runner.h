#pragma once

#include <string>

struct RunOptions {
    // Wait for a whole level of 500 ms ticks instead of the first 24.
    bool fullLevel = false;
    // Comma-separated names of the figures to measure; empty for all of them.
    std::string only;
};

// Runs the measurements, each in processes of its own, and prints the table.
int runBench(const RunOptions& options);
