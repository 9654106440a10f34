#pragma once

#include "Table.h"

#include <string>

// Where the programs of a run are and where their logs go.
struct BenchSetup {
    std::string bench;    // this program, for the scenarios inside the real window
    std::string baseline; // the yardstick programs
    std::string probe;    // the real program with its probe, in a player's folder of its own
    std::string game;     // the real program itself, in the same folder
    std::string logFolder;
    bool fullLevel = false;
    // The machine's load per processor before the run: timing goals hold on an idle machine.
    double loadPerProcessor = 0;

    std::string log(const std::string& name) const { return logFolder + "/" + name + ".log"; }
};

// Each measures one figure of the table in child processes and judges it against its goal.
Row measureTitleClock(const BenchSetup& setup);
Row measurePlayClock(const BenchSetup& setup);
Row measureIdle(const BenchSetup& setup);
Row measurePlayLoad(const BenchSetup& setup);
Row measurePaint(const BenchSetup& setup);
Row measureStartup(const BenchSetup& setup);
Row measureInput(const BenchSetup& setup);
Row measureSound(const BenchSetup& setup);
