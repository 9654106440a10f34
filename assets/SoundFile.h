#pragma once

#include <QString>
#include <memory>
#include <vector>

// The samples of one sound, as the sound stream plays them: mono, 32-bit float, at the stream's
// rate. Shared, because a sound is read once and then started again and again.
using SoundSamples = std::shared_ptr<const std::vector<float>>;

// Reads a wave file (or any file the sound library knows) into samples at `rate`: several
// channels are mixed down to one and another rate is converted. nullptr when the file is missing
// or cannot be read as sound.
SoundSamples readSoundFile(const QString& path, int rate);
