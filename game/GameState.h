#pragma once

#include "Element.h"
#include "HammerMode.h"
#include "Records.h"
#include "Rules.h"

#include <array>
#include <cstdint>
#include <string>

// The game's one record of state, read and changed by every handler. It starts zero-filled.
struct GameState {
    std::int32_t PrevCursorX = 0; // last pointer position seen by the strange hammer (screen)
    std::int32_t PrevCursorY = 0;
    bool Playing = false;
    std::int32_t MoveCounter = 0; // play ticks since the last jump; in the title, hold ticks
    std::array<ElementId, Rules::MonsterCount> Monsters{};
    // Index i is the explosion of monster i.
    std::array<ElementId, Rules::MonsterCount> Explosions{};
    std::int32_t Score = 0;
    std::int32_t LevelStartScore = 0;
    std::int32_t Level = 0;
    std::int32_t Ticks = 0; // play ticks in the current level, 0 to 120
    bool ResumePending = false;
    // The field keeps the game's name; its type of the same name is reached as ::HammerMode.
    ::HammerMode HammerMode = ::HammerMode::NormalOnly;
    bool NormalHammerActive = false;
    std::string AppDir; // the program's folder, with a trailing separator
    std::array<std::int32_t, HammerModeCount> HighScores{}; // by modeIndex()
    SavedGameRecord SavedGame;
    HighScoreRecord HighScoreBuffer;
    std::int32_t TitleSpeed1 = 0;
    std::int32_t TitleSpeed2 = 0;
    bool TitlePhase = false;
    bool CelebrationPhase = false;
    std::array<std::int32_t, Rules::MonsterCount> OrbitAngles{};
    bool NewRecordShown = false;
    bool SavedByMenu = false;
};
