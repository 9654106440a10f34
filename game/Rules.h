#pragma once

#include "HammerMode.h"

#include <array>

// The game's fixed numbers.
namespace Rules {

inline constexpr int TitleInterval = 10;        // ms per title tick
inline constexpr int CelebrationInterval = 100; // ms per celebration tick
inline constexpr int PlayInterval = 500;        // ms per play tick

// The monsters on the field, each with its own explosion.
inline constexpr int MonsterCount = 3;

// Nobody comes near a billion hits: a saved score above it is damage, and the hits still to come
// would overflow it.
inline constexpr int MaxScore = 1'000'000'000;

inline constexpr int TicksPerLevel = 120; // 60 seconds
inline constexpr int LastLevel = 4;
inline constexpr int TitleHoldTicks = 100;

// Play ticks between monster jumps, by level 1 to 4.
inline constexpr std::array<int, 4> JumpPeriods{5, 4, 3, 2};

// Cumulative score a level must reach, by level 1 to 4: with the normal hammer only, and with
// the strange or random hammer.
inline constexpr std::array<int, 4> NormalTargets{50, 120, 220, 320};
inline constexpr std::array<int, 4> StrangeTargets{30, 70, 130, 190};

inline constexpr int jumpPeriod(int level) {
    return JumpPeriods.at(level - 1);
}
inline constexpr int target(int level, HammerMode mode) {
    return mode == HammerMode::NormalOnly ? NormalTargets.at(level - 1)
                                          : StrangeTargets.at(level - 1);
}

// The high scores of a fresh installation: each mode's last target.
inline constexpr std::array<int, HammerModeCount> DefaultHighScores{320, 190, 190};

// Within this many pixels of the window's edge the strange hammer jumps to the opposite side,
// this far from that side's edge.
inline constexpr int HammerEdgeMargin = 5;

// Monsters' top-left corners lie within x 10..549, y 10..399, more than 100 px apart.
inline constexpr int MonsterAreaLeft = 10;
inline constexpr int MonsterAreaTop = 10;
inline constexpr int MonsterLeftRange = 540;
inline constexpr int MonsterTopRange = 390;
inline constexpr int MinSquaredDistance = 10000;

// The celebration orbit: a circle of radius 150 around (300, 200), 10 degrees a tick.
inline constexpr int OrbitCenterX = 300;
inline constexpr int OrbitCenterY = 200;
inline constexpr int OrbitRadius = 150;
inline constexpr int OrbitStep = 10;

} // namespace Rules
