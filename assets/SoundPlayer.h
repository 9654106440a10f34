#pragma once

#include "Platform.h"
#include "SoundFile.h"
#include "SoundStream.h"

#include <QString>
#include <array>

// Plays the game's sounds one at a time: play() returns at once and a new sound cuts off the one
// still playing. A missing or unreadable file plays nothing, with no beep, and still silences the
// sound before it; so does a desktop without a sound server.
class SoundPlayer {
public:
    // `folder` holds the game's files, with a trailing separator: the game's own sounds are read
    // from there at once, so that even the first hit sounds on time.
    explicit SoundPlayer(const QString& folder);

    void play(SoundId sound);

private:
    // The sound, read once and kept; nullptr while its file cannot be read, so a file that
    // appears later is still found.
    SoundSamples soundOf(SoundId sound);

    QString m_folder;
    std::array<SoundSamples, SoundCount> m_sounds;
    SoundStream m_stream;
};
