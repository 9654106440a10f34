#pragma once

#include <QObject>
#include <QString>
#include <map>

class QSoundEffect;

// Plays wave files one at a time: play() returns at once and a new sound cuts off the one still
// playing. A missing or unreadable file plays nothing, with no beep; so does a machine without
// any audio device. The game's own sounds beside the program are read when the player is made.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // `appDir` holds the game's data/ folder, with a trailing separator.
    explicit SoundPlayer(const QString& appDir, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Reads a sound ahead of its first use, so that it starts on time when it is first played.
    void preload(const QString& path);
    void play(const QString& path);
    // The file of the sound started last, if nothing has cut it off since; empty otherwise.
    QString current() const;

private:
    // The sound for a file, read once and kept; nullptr while the file does not exist, so a file
    // that appears later is still found.
    QSoundEffect* effectFor(const QString& path);

    std::map<QString, QSoundEffect*> m_effects; // by clean absolute path; children of this object
    QSoundEffect* m_current = nullptr;
    QString m_currentPath;
};
