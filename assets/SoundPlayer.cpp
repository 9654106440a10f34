#include "SoundPlayer.h"

#include "Texts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace {

constexpr int ReadPatienceMs = 1000;

// Qt's sample loader deadlocks when the program ends while a sound is still being read, so a
// sound is read to its end before the player goes on: a few milliseconds for the game's sounds.
// Only queued calls are delivered meanwhile, never input or timer events, so no game handler
// runs inside this wait.
void waitUntilRead(const QSoundEffect& effect) {
    const QDeadlineTimer deadline(ReadPatienceMs);
    while (effect.status() == QSoundEffect::Loading && !deadline.hasExpired()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        if (effect.status() == QSoundEffect::Loading)
            QThread::msleep(1);
    }
}

// One name for one file, however the path to it is spelled.
QString fileKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

SoundPlayer::SoundPlayer(const QString& appDir, QObject* parent) : QObject(parent) {
    // The game's own sounds lie in data/ in the game's folder. Reading them now means even the
    // first hit of a game sounds on time.
    const QString& beside = appDir;
    for (const char* sound :
         {Files::HitSound, Files::GameOverSound, Files::LevelClearSound, Files::GameClearSound})
        preload(beside + QLatin1String(sound));
}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::preload(const QString& path) {
    effectFor(path);
}

void SoundPlayer::play(const QString& path) {
    // Like the system's own player, a new request silences the sound still playing, even when
    // the new one turns out to have nothing to play.
    if (m_current)
        m_current->stop();
    m_current = nullptr;
    m_currentPath.clear();

    QSoundEffect* effect = effectFor(path);
    if (!effect || effect->status() == QSoundEffect::Error)
        return;
    effect->play();
    m_current = effect;
    m_currentPath = path;
}

QString SoundPlayer::current() const {
    return m_currentPath;
}

QSoundEffect* SoundPlayer::effectFor(const QString& path) {
    const QString key = fileKey(path);
    if (const auto found = m_effects.find(key); found != m_effects.end())
        return found->second;
    const QFileInfo file(key);
    if (!file.isFile() || !file.isReadable())
        return nullptr;
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(key));
    waitUntilRead(*effect);
    m_effects.emplace(key, effect);
    return effect;
}
