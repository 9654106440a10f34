#pragma once

#include <string>
#include <vector>

// The one table `make bench` prints: a row per figure with its goal, what was measured, the
// baseline measured in the same run where a ratio is asked, and whether the goal was met. A
// cell may hold several lines.
struct Row {
    std::string figure;
    std::string goal;
    std::string measured;
    std::string baseline;
    std::string verdict;
};

enum class Verdict { Met, Missed, NotMeasured };

std::string verdictText(Verdict verdict);

// Plain text with columns padded to their widest line; cells are expected in ASCII.
std::string renderTable(const std::vector<Row>& rows);
