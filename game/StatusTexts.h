#pragma once

#include "GameText.h"
#include "Texts.h"

#include <string>

// The status labels' texts: plain decimal numbers with their fixed words.
namespace StatusTexts {

// Seconds left: 60 at the level's start, 0 on its 120th tick.
inline std::string time(int ticks) {
    return std::to_string(60 - ticks / 2);
}
inline std::string level(int level) {
    return fillPattern(Texts::LevelPattern, std::to_string(level));
}
inline std::string score(int score) {
    return fillPattern(Texts::ScorePattern, std::to_string(score));
}
// The number on the first line, "(最高記録)" on the second.
inline std::string highScore(int highScore) {
    return fillPattern(Texts::HighScorePattern, std::to_string(highScore));
}

} // namespace StatusTexts
