#include "SoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <cstddef>

namespace {

// The game's sounds beside the program, by SoundId.
constexpr std::array<const char*, SoundCount> SoundFiles{
    "data/sound2.wav",   // a monster hit
    "data/ending1.wav",  // a level lost: game over
    "data/fanfare4.wav", // a level cleared
    "data/fanfare5.wav", // the last level cleared: the game is won
};

QLatin1String fileOf(SoundId sound) {
    return QLatin1String(SoundFiles.at(static_cast<std::size_t>(sound)));
}

// One name for one file, however the path to it is spelled.
QString fileKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

SoundPlayer::SoundPlayer(const QString& folder) : m_folder(folder) {
    for (const char* file : SoundFiles)
        soundOf(m_folder + QLatin1String(file));
}

void SoundPlayer::play(SoundId sound) {
    play(m_folder + fileOf(sound));
}

void SoundPlayer::play(const QString& path) {
    m_stream.play(soundOf(path));
}

SoundSamples SoundPlayer::soundOf(const QString& path) {
    const QString key = fileKey(path);
    if (const auto found = m_sounds.find(key); found != m_sounds.end())
        return found->second;
    SoundSamples sound = readSoundFile(key, SoundStream::Rate);
    if (sound)
        m_sounds.emplace(key, sound);
    return sound;
}
