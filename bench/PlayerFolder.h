#pragma once

#include <QString>
#include <QTemporaryDir>

// A player's folder of the bench's own, removed afterwards: the cursors, sounds and help file the
// game reads, copied from the build's folder. The game reads and writes its record files here, so
// no record file of the build's folder is touched.
class PlayerFolder {
public:
    // From the build's own folder.
    PlayerFolder();
    // `buildFolder` holds the built program with data/ beside it.
    explicit PlayerFolder(const QString& buildFolder);

    bool isValid() const { return m_valid; }
    // The folder with a trailing separator, as the game takes it.
    QString path() const { return m_folder.path() + QLatin1Char('/'); }
    // Copies a program into the folder, so it finds its data beside itself; returns the copy.
    QString addProgram(const QString& program);

private:
    QTemporaryDir m_folder;
    bool m_valid = false;
};
