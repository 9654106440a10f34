#pragma once

#include "SoundOutput.h"

#include <memory>
#include <string>

// Loads the sound plugin `pluginFile` (the file system's own bytes) and opens the game's sounds
// in `folder` with it. A plugin that is missing or cannot be loaded is reported once on the
// standard error, and the game goes on without sound.
std::unique_ptr<SoundOutput> loadSoundPlugin(const std::string& pluginFile, const QString& folder);
