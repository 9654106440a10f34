#pragma once

#include "Platform.h"

class QString;

// Where the window sends the game's sounds. The sounds are played by the sound plugin
// (SoundPlugin.cpp), a library of the game's own loaded once the window is on screen: it carries
// the sound server's client library and the sound file reader, a dozen libraries the program
// then does not load before its first frame.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts one of the game's sounds; a new sound cuts off the one still playing.
    virtual void play(SoundId sound) = 0;
};

// The sound plugin's one entry point: the game's sounds, read from `folder` (the game's files,
// with a trailing separator). The caller owns what it returns.
using OpenSoundsFunction = SoundOutput* (*)(const QString& folder);
inline constexpr const char* OpenSoundsName = "zunbario_open_sounds";
