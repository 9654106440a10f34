#pragma once

#include "Platform.h"
#include "SoundFile.h"
#include "SoundStream.h"

#include <QString>
#include <array>
#include <optional>

// Plays the game's sounds one at a time: play() returns at once and a new sound cuts off the one
// still playing. A missing or unreadable file plays nothing, with no beep, and still silences the
// sound before it; so does a desktop without a sound server. Switched off, the player keeps no
// stream to the server at all, so the desktop's mixer shows none for the game.
class SoundPlayer {
public:
    // `folder` holds the game's files, with a trailing separator: the game's own sounds are read
    // from there at once, so that even the first hit sounds on time.
    SoundPlayer(const QString& folder, bool on);

    void play(SoundId sound);
    // Off closes the stream to the server; on opens it again for the next sound.
    void setOn(bool on);

private:
    // The sound, read once and kept; nullptr while its file cannot be read, so a file that
    // appears later is still found.
    SoundSamples soundOf(SoundId sound);

    QString m_folder;
    std::array<SoundSamples, SoundCount> m_sounds;
    std::optional<SoundStream> m_stream;
};
