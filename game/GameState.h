#pragma once

#include "Element.h"
#include "Records.h"

#include <array>
#include <cstdint>
#include <string>

// The game's one record of state, read and changed by every handler. It starts zero-filled.
struct GameState {
    std::int32_t PrevCursorX = 0; // last pointer position seen by the strange hammer (screen)
    std::int32_t PrevCursorY = 0;
    bool Playing = false;
    std::int32_t MoveCounter = 0; // play ticks since the last jump; in the title, hold ticks
    std::array<ElementId, 3> Monsters{};
    std::array<ElementId, 3> Explosions{}; // index i is the explosion of monster i
    std::int32_t Score = 0;
    std::int32_t LevelStartScore = 0;
    std::int32_t Level = 0;
    std::int32_t Ticks = 0; // play ticks in the current level, 0 to 120
    bool ResumePending = false;
    std::int32_t HammerMode = 0; // 0 normal only, 1 strange only, 2 random at every jump
    bool NormalHammerActive = false;
    std::string AppDir; // the program's folder, with a trailing separator
    std::array<std::int32_t, 3> HighScores{};
    SavedGameRecord SavedGame;
    HighScoreRecord HighScoreBuffer;
    std::int32_t TitleSpeed1 = 0;
    std::int32_t TitleSpeed2 = 0;
    bool TitlePhase = false;
    bool CelebrationPhase = false;
    std::array<std::int32_t, 3> OrbitAngles{};
    bool NewRecordShown = false;
    bool SavedByMenu = false;
};
