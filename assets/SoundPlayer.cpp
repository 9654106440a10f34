#include "SoundPlayer.h"

#include "Files.h"

#include <QDir>
#include <QFileInfo>

namespace {

// One name for one file, however the path to it is spelled.
QString fileKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

SoundPlayer::SoundPlayer(const QString& folder) {
    for (const char* sound :
         {Files::HitSound, Files::GameOverSound, Files::LevelClearSound, Files::GameClearSound})
        soundOf(folder + QLatin1String(sound));
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
