#include "SoundPlayer.h"

#include <cstddef>

namespace {

// The game's sounds beside the program, by SoundId.
constexpr std::array<const char*, SoundCount> SoundFiles{
    "data/sound2.wav",   // a monster hit
    "data/ending1.wav",  // a level lost: game over
    "data/fanfare4.wav", // a level cleared
    "data/fanfare5.wav", // the last level cleared: the game is won
};

} // namespace

SoundPlayer::SoundPlayer(const QString& folder, bool on) : m_folder(folder) {
    for (int i = 0; i < SoundCount; ++i)
        soundOf(static_cast<SoundId>(i));
    setOn(on);
}

void SoundPlayer::play(SoundId sound) {
    if (m_stream)
        m_stream->play(soundOf(sound));
}

void SoundPlayer::setOn(bool on) {
    if (on && !m_stream)
        m_stream.emplace();
    else if (!on)
        m_stream.reset();
}

SoundSamples SoundPlayer::soundOf(SoundId sound) {
    const auto i = static_cast<std::size_t>(sound);
    if (!m_sounds.at(i))
        m_sounds[i] = readSoundFile(m_folder + QLatin1String(SoundFiles[i]), SoundStream::Rate);
    return m_sounds[i];
}
