#include "SavedGameRule.h"

#include "Rules.h"

bool holdsResumableGame(const SavedGameRecord& saved) {
    if (saved.level <= 0)
        return false;
    const bool modeKnown = saved.hammerMode >= 0 && saved.hammerMode < HammerModeCount;
    // The last level is only ever saved while it runs: its end clears or replays the game.
    const bool levelKnown = saved.level <= Rules::LastLevel &&
                            !(saved.level == Rules::LastLevel && saved.freshStart != 0);
    const bool ticksKnown = saved.ticks >= 0 && saved.ticks <= Rules::TicksPerLevel;
    const bool scoresKnown = saved.score >= 0 && saved.levelStartScore >= 0 &&
                             saved.score <= Rules::MaxScore &&
                             saved.levelStartScore <= Rules::MaxScore;
    return modeKnown && levelKnown && ticksKnown && scoresKnown;
}
