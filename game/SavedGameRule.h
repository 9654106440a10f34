#pragma once

#include "Records.h"

// Whether a saved-game record holds a game this program could have written and can resume.
// Anything else comes from a damaged or foreign file: resuming it would index the high scores out
// of range or begin a fifth level that has neither a period nor a target.
bool holdsResumableGame(const SavedGameRecord& saved);
