#pragma once

#include "Records.h"

#include <cstdint>

// The contents of the n-th write of each record file in the crash-safety test. Every word depends
// on n, so a file that holds a mix of two writes, or a write older than the last one finished,
// matches no n.

inline HighScoreRecord numberedHighScores(std::int32_t n) {
    HighScoreRecord record;
    record.scores = {n, n ^ 0x5A5A5A5A, -n};
    return record;
}

inline SavedGameRecord numberedSavedGame(std::int32_t n) {
    SavedGameRecord record;
    record.reserved0 = n;
    record.reserved1 = ~n;
    record.level = n % 5;
    record.score = n * 3;
    record.levelStartScore = n * 2;
    record.hammerMode = n % 3;
    record.ticks = n % 121;
    record.freshStart = n & 1;
    return record;
}
