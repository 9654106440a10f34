#include "PlayerFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PlayerFolder::PlayerFolder() : PlayerFolder(QStringLiteral(ZUNBARIO_BUILD_FOLDER)) {}

PlayerFolder::PlayerFolder(const QString& buildFolder) {
    if (!m_folder.isValid() || !QDir(m_folder.path()).mkdir(QStringLiteral("data")))
        return;
    const QDir source(buildFolder + QStringLiteral("/data"));
    const QStringList files =
        source.entryList({QStringLiteral("*.cur"), QStringLiteral("*.wav")}, QDir::Files);
    bool copied = !files.isEmpty();
    for (const QString& name : files)
        copied =
            QFile::copy(source.filePath(name), path() + QStringLiteral("data/") + name) && copied;
    // The help file is optional to the bench: no figure opens it.
    QFile::copy(buildFolder + QStringLiteral("/Zintok.html"),
                path() + QStringLiteral("Zintok.html"));
    m_valid = copied;
}

QString PlayerFolder::addProgram(const QString& program) {
    const QString copy = path() + QFileInfo(program).fileName();
    if (!QFile::copy(program, copy))
        return {};
    QFile::setPermissions(copy, QFile::permissions(program));
    return copy;
}
