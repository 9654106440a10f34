#include "PortableCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString buildFolder() {
    return QStringLiteral(ZUNBARIO_BUILD_FOLDER);
}

bool copyPortableGame(const QString& to, const QStringList& programs, const QString& from) {
    const QDir target(to);
    if (!target.mkpath(QStringLiteral("data")))
        return false;
    for (const QString& program : programs) {
        const QString copy = target.filePath(QFileInfo(program).fileName());
        if (!QFile::copy(program, copy) ||
            !QFile::setPermissions(copy, QFile::permissions(program)))
            return false;
    }
    const QDir data(QDir(from).filePath(QStringLiteral("data")));
    const QStringList files =
        data.entryList({QStringLiteral("*.cur"), QStringLiteral("*.wav")}, QDir::Files);
    bool copied = !files.isEmpty();
    for (const QString& name : files)
        copied =
            QFile::copy(data.filePath(name), target.filePath(QStringLiteral("data/") + name)) &&
            copied;
    // Only the help window opens the help files, so they may be missing.
    for (const QString& name : QDir(from).entryList({QStringLiteral("Zintok*.html")}, QDir::Files))
        QFile::copy(QDir(from).filePath(name), target.filePath(name));
    return copied;
}
