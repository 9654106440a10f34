#pragma once

#include "SoundFile.h"
#include "SoundOutput.h"
#include "SoundStream.h"

#include <QString>
#include <map>

// Plays sound files one at a time: play() returns at once and a new sound cuts off the one still
// playing. A missing or unreadable file plays nothing, with no beep, and still silences the sound
// before it; so does a desktop without a sound server.
class SoundPlayer : public SoundOutput {
public:
    // `folder` holds the game's files, with a trailing separator: the game's own sounds are read
    // from there at once, so that even the first hit sounds on time.
    explicit SoundPlayer(const QString& folder);

    // One of the game's own sounds, from its file in the folder.
    void play(SoundId sound) override;
    void play(const QString& path);

private:
    // The sound of a file, read once and kept; nullptr while the file cannot be read, so a file
    // that appears later is still found.
    SoundSamples soundOf(const QString& path);

    QString m_folder;
    std::map<QString, SoundSamples> m_sounds; // by clean absolute path
    SoundStream m_stream;
};
