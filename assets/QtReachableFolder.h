#pragma once

#include <QString>
#include <string>

// A folder of the game's files as Qt's file classes can reach it.
//
// Qt turns file names into text and back as UTF-8, so it cannot name a folder whose name is not
// valid UTF-8 (a zip unpacked without converting names gives one). Such a folder is held open
// for as long as this object lives and reached through the name the system gives the open
// folder, /proc/self/fd/N/. Paths shown to the player always name the real folder.
class QtReachableFolder {
public:
    // `folder` is the file system's bytes, with a trailing separator.
    explicit QtReachableFolder(std::string folder);
    ~QtReachableFolder();
    QtReachableFolder(const QtReachableFolder&) = delete;
    QtReachableFolder& operator=(const QtReachableFolder&) = delete;

    // The folder as Qt opens files in it, with a trailing separator.
    const QString& forQt() const { return m_forQt; }
    // A file's path as Qt opens it; a path outside the folder is only converted.
    QString forQt(const std::string& path) const;

    // A path as the player reads it in a message.
    static QString shown(const std::string& path);

private:
    std::string m_folder;
    int m_descriptor = -1;
    QString m_forQt;
};
