#pragma once

#include <cstdint>
#include <vector>

// The game's sounds, synthesised in the spirit of an old arcade sound chip.
inline constexpr int SoundRate = 22050;

// A monster is hit: a short crisp crack with a falling "boink".
std::vector<std::int16_t> synthesizeHit();
// The level's target was missed: a slow, sagging "wah wah wah waaah".
std::vector<std::int16_t> synthesizeGameOver();
// A level is cleared: a quick rising arpeggio landing on a bright chord.
std::vector<std::int16_t> synthesizeLevelClear();
// The whole game is cleared: a longer fanfare with a final sparkle.
std::vector<std::int16_t> synthesizeGameClear();
