#pragma once

#include "GameText.h"
#include "Texts.h"

#include <string>

// The status labels' texts: plain decimal numbers with their fixed words.
namespace StatusTexts {

// Seconds left: 60 at the level's start, 0 on its 120th tick.
inline GameText time(int ticks) {
    return {"Texts", Texts::NumberPattern, std::to_string(60 - ticks / 2)};
}
inline GameText level(int level) {
    return {"Texts", Texts::LevelPattern, std::to_string(level)};
}
inline GameText score(int score) {
    return {"Texts", Texts::ScorePattern, std::to_string(score)};
}
// The number on the first line, "(最高記録)" on the second.
inline GameText highScore(int highScore) {
    return {"Texts", Texts::HighScorePattern, std::to_string(highScore)};
}

} // namespace StatusTexts
